#include "AnswerPacer.h"

namespace ign {

AnswerPacer::AnswerPacer(Link& link) : link_(link), self_(std::make_shared<AnswerPacer*>(this)) {
    poll_.setTimerType(Qt::PreciseTimer);
    poll_.setInterval(kPollMs);
    QObject::connect(&poll_, &QTimer::timeout, [this] {
        link_.AnswerPoll();
        if (!link_.answerPaced() || !link_.awaitingAnswer()) poll_.stop();
    });
    link_.addView(this);
}

AnswerPacer::~AnswerPacer() {
    *self_ = nullptr;
    link_.removeView(this);
}

void AnswerPacer::setEnabled(bool on) {
    link_.setAnswerPaced(on);
    if (!on) poll_.stop();
}

void AnswerPacer::watch(SerialLine* line) {
    watched_ = line;
    notified_ = false;
    if (line == nullptr) return;
    std::weak_ptr<AnswerPacer*> self = self_;
    notified_ = line->notifyInput([self] {
        if (const auto pacer = self.lock(); pacer && *pacer != nullptr) (*pacer)->link_.AnswerPoll();
    });
}

void AnswerPacer::requestSent() {
    if (!link_.answerPaced()) return;
    if (link_.line() != watched_) watch(link_.line());
    if (!notified_ && !poll_.isActive()) poll_.start();
}

}  // namespace ign
