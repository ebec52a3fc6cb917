#pragma once

#include "window/FeatureHost.h"

#include <QObject>

#include <functional>
#include <memory>

namespace ign {

class ConnectionField;
class PortDialog;
class PortProbeRun;

// Com, "Ports...": the dialog that names the system ports behind COM1 and
// COM2 and tests them, and the connection field at the right of the status
// line, which says how the window's port fares.
class PortFeature : public QObject, public Feature {
    Q_OBJECT

public:
    explicit PortFeature(FeatureHost& host);
    ~PortFeature() override;

    // Shows the dialog and returns its result (QDialog::Accepted when OK); a test fills it in instead.
    using DialogRunner = std::function<int(PortDialog&)>;
    void SetDialogRunner(DialogRunner runner) { runner_ = std::move(runner); }

private:
    void ShowConnection();
    void OpenDialog();

    FeatureHost& host_;
    ConnectionField* field_ = nullptr;
    // Follows the link while it tests: it goes before the link and the port do.
    std::unique_ptr<PortProbeRun> probe_;
    DialogRunner runner_;  // empty: the real dialog
};

}  // namespace ign
