#pragma once

#include "LineLoan.h"
#include "Link.h"
#include "PortFailure.h"
#include "PortReconnect.h"
#include "ProtocolWatcher.h"
#include "SerialLine.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace ign {

// What the link does while its line is out on loan.
enum class Lending : std::uint8_t {
    // A read of the borrower's own: the link goes without its line and ticks on.
    Aside,
    // A read that goes before the link's next command: the link keeps its line
    // for a command of its own and keeps still while idle.
    BeforeCommand,
    // The port dialog's test: the link keeps its line and ticks on, the
    // borrower writes only while the link is idle and hears the answers
    // through the link's views. The port is not reopened meanwhile, so a test
    // of a port the window failed to open may open it itself; then there is
    // no line to lend and the loan only holds the retries.
    Probe,
};

// The window's port: the one line the link talks over, kept open. A port
// that would not open or went away is tried again about once a second, from
// the window's own timer, until it opens or another is chosen; a running
// transfer holds the retries, so one cut by a lost port ends in its error
// text. It also watches whether the device on the port speaks the unit's
// protocol at all. It alone sets the link's line: whoever else needs the
// line borrows it (Lend) and gives it back.
class PortConnection : private LineLender {
public:
    // Opens the line behind a port name; null with the reasons in why when it cannot.
    using Opener = std::function<std::unique_ptr<SerialLine>(const QString& portName, PortFacts& why)>;
    using Clock = std::function<std::int64_t()>;

    PortConnection(Link& link, Opener open, Clock clock);
    ~PortConnection();
    PortConnection(const PortConnection&) = delete;
    PortConnection& operator=(const PortConnection&) = delete;

    // The port chosen (start, menu, dialog): opens it now. The failure is for
    // the owner to report, this once; the retries that follow are silent.
    std::optional<PortFacts> Choose(const QString& portName);
    // Closes the port for good: no more attempts.
    void Close();
    // From the window's timer, before the link's own step.
    void Tick();
    // The clock of the retries and of the protocol watch, from now on; the
    // next retry is due a second from now by it.
    void SetClock(Clock clock);

    // The chosen port's name, and its line while it is open (null otherwise).
    const QString& Name() const { return name_; }
    SerialLine* Line() const { return line_.get(); }
    bool IsOpen() const { return line_ != nullptr && line_->isOpen(); }
    PortState State() const { return reconnect_.state(); }
    // What the status line's connection field says; empty while all is well.
    std::string FieldText(std::uint8_t language) const;

    // The line for a while. Refused (an empty loan) while a transfer runs or
    // another loan is out, and, but for a probe, without an open line. A
    // port closed or reopened ends the loan: its line is gone, the borrower
    // still gives it back.
    LineLoan Lend(Lending how);
    bool Lent() const { return loan_.has_value(); }
    // Opens a port of someone else's (the port dialog's test) the way this one is opened.
    std::unique_ptr<SerialLine> OpenOther(const QString& portName, PortFacts& why) const {
        return open_(portName, why);
    }

private:
    struct Loan {
        std::uint64_t id = 0;
        Lending how = Lending::Aside;
        bool ended = false;  // by the port closing or reopening
    };

    SerialLine* lentLine(std::uint64_t loan) const override;
    void giveBack(std::uint64_t loan) override;
    std::optional<PortFacts> Attempt();
    void Drop();

    Link& link_;
    Opener open_;
    Clock clock_;
    QString name_;
    std::unique_ptr<SerialLine> line_;
    std::optional<Loan> loan_;
    std::uint64_t loans_ = 0;
    ProtocolWatcher watcher_;
    PortReconnect reconnect_;
};

}  // namespace ign
