#include "port/PortProbeRun.h"

#include "Link.h"
#include "PortConnection.h"
#include "PortDiagnosis.h"
#include "PortTexts.h"
#include "Tick.h"

#include <array>

namespace ign {

PortProbeRun::PortProbeRun(Link& link, PortConnection& connection, QObject* parent)
    : QObject(parent), link_(link), connection_(connection) {
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &PortProbeRun::Step);
}

PortProbeRun::~PortProbeRun() { link_.removeView(this); }

void PortProbeRun::Start(const QString& portName, std::uint8_t language) {
    if (Running()) return;
    portName_ = portName.trimmed();
    language_ = language;
    loan_ = connection_.Lend(Lending::Probe);
    if (!loan_) {
        emit said(QString::fromUtf8(PortTextOf(PortText::ProbeBusyLink, language_)));
        emit finished();
        return;
    }
    const bool windowsPort = connection_.IsOpen() && connection_.Name().trimmed() == portName_;
    if (windowsPort) {
        link_.addView(this);
    } else {
        PortFacts why;
        ownLine_ = connection_.OpenOther(portName_, why);
        if (ownLine_ == nullptr) {
            ListPresentPorts(why);
            Finish(QString::fromStdString(PortFailureText(why, language_)));
            return;
        }
    }
    probe_.emplace([this](const Frame& frame) { Send(frame); });
    clock_.start();
    probe_->start(0);
    emit said(QString::fromStdString(
        ProbeOutcomeText(*probe_, ProbeOutcome::Running, portName_.toStdString(), language_)));
    timer_.start();
}

void PortProbeRun::Send(const Frame& frame) {
    if (ownLine_ != nullptr) {
        ownLine_->write(frame.data(), frame.size());
        return;
    }
    // The window's line carries the test only while the link has nothing of its own to say.
    if (link_.idle()) loan_.write(frame.data(), frame.size());
}

void PortProbeRun::received(const Byte* bytes, std::size_t count) {
    if (probe_) probe_->received(bytes, count);
}

void PortProbeRun::Step() {
    if (!probe_) return;
    if (ownLine_ != nullptr) {
        std::array<Byte, kReceiveBufferSize> buffer{};
        while (const std::size_t got = ownLine_->read(buffer.data(), buffer.size()))
            probe_->received(buffer.data(), got);
    }
    const ProbeOutcome outcome = probe_->poll(clock_.elapsed());
    if (outcome == ProbeOutcome::Running) return;
    if (outcome == ProbeOutcome::UnitAnswered)
        emit unitIdentified(QString::fromStdString(probe_->identification().version), ownLine_ == nullptr);
    Finish(QString::fromStdString(ProbeOutcomeText(*probe_, outcome, portName_.toStdString(), language_)));
}

void PortProbeRun::Stop() {
    timer_.stop();
    link_.removeView(this);
    ownLine_.reset();
    probe_.reset();
    loan_.Return();
}

void PortProbeRun::Finish(const QString& text) {
    Stop();
    emit said(text);
    emit finished();
}

}  // namespace ign
