#include "PortConnection.h"

#include "PortTexts.h"

namespace ign {

PortConnection::PortConnection(Link& link, Opener open, Clock clock)
    : link_(link),
      open_(std::move(open)),
      watcher_(clock),
      reconnect_([this] { return Attempt(); }, [this] { return IsOpen(); }, std::move(clock)) {
    link_.addView(&watcher_);
    // A reopened port in the middle of a transfer would carry it on half way; it ends in its error text
    // instead.
    reconnect_.setHold([this] { return !link_.idle() || (busy_ && busy_()); });
}

PortConnection::~PortConnection() {
    Drop();
    link_.removeView(&watcher_);
}

std::optional<PortFacts> PortConnection::Choose(const QString& portName) {
    name_ = portName;
    return reconnect_.connect();
}

void PortConnection::Close() {
    reconnect_.disconnect();
    Drop();
}

void PortConnection::Tick() { reconnect_.tick(); }

void PortConnection::Drop() {
    link_.setLine(nullptr);
    line_.reset();
}

std::optional<PortFacts> PortConnection::Attempt() {
    Drop();
    PortFacts why;
    line_ = open_(name_, why);
    if (line_ == nullptr) return why;
    link_.setLine(line_.get());
    // What came over the port before is no evidence about the device on it now.
    watcher_.reset();
    return std::nullopt;
}

std::string PortConnection::FieldText(std::uint8_t language) const {
    return ConnectionFieldText(reconnect_, watcher_.speaksNonsense(), name_.toStdString(), language);
}

}  // namespace ign
