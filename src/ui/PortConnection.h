#pragma once

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

// The window's port: the one line the link talks over, kept open. A port
// that would not open or went away is tried again about once a second, from
// the window's own timer, until it opens or another is chosen; a running
// transfer holds the retries, so one cut by a lost port ends in its error
// text. It also watches whether the device on the port speaks the unit's
// protocol at all.
class PortConnection {
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

    // The chosen port's name, and its line while it is open (null otherwise).
    const QString& Name() const { return name_; }
    SerialLine* Line() const { return line_.get(); }
    bool IsOpen() const { return line_ != nullptr && line_->isOpen(); }
    PortState State() const { return reconnect_.state(); }
    // What the status line's connection field says; empty while all is well.
    std::string FieldText(std::uint8_t language) const;

    // While busy() says true, no retry is made: someone else (the port dialog's test) may hold the port.
    void HoldWhile(std::function<bool()> busy) { busy_ = std::move(busy); }
    // Opens a port of someone else's (the port dialog's test) the way this one is opened.
    std::unique_ptr<SerialLine> OpenOther(const QString& portName, PortFacts& why) const {
        return open_(portName, why);
    }

private:
    std::optional<PortFacts> Attempt();
    void Drop();

    Link& link_;
    Opener open_;
    QString name_;
    std::unique_ptr<SerialLine> line_;
    std::function<bool()> busy_;
    ProtocolWatcher watcher_;
    PortReconnect reconnect_;
};

}  // namespace ign
