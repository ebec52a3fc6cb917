#pragma once

#include "LineLoan.h"
#include "LinkView.h"
#include "PortProbe.h"
#include "SerialLine.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <optional>

namespace ign {

class Link;
class PortConnection;

// The port dialog's "Test": asks the chosen port for the unit's
// identification and says what came back, within two seconds. On the port
// the window has open it borrows the window's line (its bytes reach the test
// as they reach every view of the link); any other port it opens for the
// time of the test, holding the window's retries meanwhile. It sends read
// requests only and touches nothing of the window.
class PortProbeRun : public QObject, private LinkView {
    Q_OBJECT

public:
    PortProbeRun(Link& link, PortConnection& connection, QObject* parent);
    ~PortProbeRun() override;

    // Starts a test of the port; says at once what it says while testing,
    // or why the port cannot be tested.
    void Start(const QString& portName, std::uint8_t language);
    bool Running() const { return probe_.has_value(); }
    // Ends a running test without a word, and lets go of the port it opened.
    void Stop();

signals:
    // What the test says: while it runs, and once more at its end.
    void said(const QString& text);
    void finished();
    // A unit answered with its version; onWindowsPort when it is the port the window has open.
    void unitIdentified(const QString& version, bool onWindowsPort);

private:
    void Step();
    void Finish(const QString& text);
    void Send(const Frame& frame);
    void received(const Byte* bytes, std::size_t count) override;

    Link& link_;
    PortConnection& connection_;
    LineLoan loan_;  // held while the test runs
    QTimer timer_;
    QElapsedTimer clock_;
    QString portName_;
    std::uint8_t language_ = 0;
    std::unique_ptr<SerialLine> ownLine_;  // null when the test uses the window's line
    std::optional<PortProbe> probe_;
};

}  // namespace ign
