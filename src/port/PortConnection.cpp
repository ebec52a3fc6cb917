#include "PortConnection.h"

#include "PortTexts.h"

namespace ign {

PortConnection::PortConnection(Link& link, Opener open, Clock clock)
    : link_(link),
      open_(std::move(open)),
      clock_(std::move(clock)),
      watcher_([this] { return clock_(); }),
      reconnect_([this] { return Attempt(); }, [this] { return IsOpen(); }, [this] { return clock_(); }) {
    link_.addView(&watcher_);
    // A reopened port in the middle of a transfer would carry it on half way; it ends in its error text
    // instead. A probe may hold the port itself.
    reconnect_.setHold([this] { return !link_.idle() || (loan_ && loan_->how == Lending::Probe); });
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

void PortConnection::SetClock(Clock clock) {
    clock_ = std::move(clock);
    reconnect_.setClock([this] { return clock_(); });
}

void PortConnection::Drop() {
    // The borrower's line goes with the port; the link keeps still until the borrower has let go, as it
    // would have while the borrower still read.
    if (loan_) loan_->ended = true;
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

LineLoan PortConnection::Lend(Lending how) {
    if (loan_ || !link_.idle()) return {};
    if (how != Lending::Probe && !IsOpen()) return {};
    loan_ = Loan{++loans_, how, false};
    // The link's own answers and the borrower's must not be taken by the other.
    if (how == Lending::Aside) link_.setLine(nullptr);
    if (how == Lending::BeforeCommand) link_.keepStillWhileIdle(true);
    return LineLoan(*this, loan_->id);
}

SerialLine* PortConnection::lentLine(std::uint64_t loan) const {
    return loan_ && loan_->id == loan && !loan_->ended ? line_.get() : nullptr;
}

void PortConnection::giveBack(std::uint64_t loan) {
    if (!loan_ || loan_->id != loan) return;
    const Loan back = *loan_;
    loan_.reset();
    if (back.how == Lending::Aside && !back.ended && link_.line() == nullptr) link_.setLine(line_.get());
    if (back.how == Lending::BeforeCommand) link_.keepStillWhileIdle(false);
}

std::string PortConnection::FieldText(std::uint8_t language) const {
    return ConnectionFieldText(reconnect_, watcher_.speaksNonsense(), name_.toStdString(), language);
}

}  // namespace ign
