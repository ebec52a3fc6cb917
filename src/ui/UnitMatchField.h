#pragma once

#include "LinkView.h"
#include "ParameterSet.h"
#include "TransferMode.h"
#include "UnitMatch.h"

#include <QWidget>
#include <optional>

class QLabel;
class QStackedWidget;

namespace ign {

class Link;
class ParameterDocument;

// Whether the unit holds what the window shows, at the right of the status
// line: one of three texts, the mark that the set differs from its file, and
// the note that a restore point could not be written. Each text is a label of
// its own named for the table of new texts, so a language switch reaches it
// like any caption, and the field keeps its width whatever it says.
class UnitMatchField : public QWidget, private LinkView {
    Q_OBJECT

public:
    UnitMatchField(ParameterDocument& document, Link& link, QWidget* parent = nullptr);

    UnitMatch State() const { return indicator_.state(); }
    bool DiffersFromFile() const { return indicator_.differsFromFile(); }

    // Read, Verify or Program has sent its first frame: the set the unit is to hold after it.
    void CommandStarted(TransferMode mode);
    // The window's set was opened from a file or saved to one.
    void FileMatches();
    // What the unit holds is unknown again: another port, a reconnect.
    void UnitUnknown();
    void RestorePointFailed(const QString& error);
    void RestorePointsWritten();

private:
    void Show();
    void readCompleted() override;
    void showStatus(MessageId id) override;

    ParameterDocument& document_;
    Link& link_;
    UnitMatchIndicator indicator_;
    // The set the running transfer leaves in the unit when its Verify ends OK.
    std::optional<ParameterSet> expected_;
    QStackedWidget* states_ = nullptr;
    QLabel* differs_ = nullptr;
    QLabel* failed_ = nullptr;
};

}  // namespace ign
