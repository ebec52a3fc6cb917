#pragma once

#include "Link.h"

#include <QTimer>

#include <memory>

namespace ign {

// Lets a link take each answer as soon as its twelfth byte is in, between its
// ticks: through the line's own notice of incoming bytes where it gives one,
// otherwise by looking at the line every kPollMs while an answer is awaited.
// Runs in the owner's Qt event loop; follows the link as a view while it lives.
class AnswerPacer final : public LinkView {
public:
    static constexpr int kPollMs = 2;

    explicit AnswerPacer(Link& link);
    ~AnswerPacer() override;
    AnswerPacer(const AnswerPacer&) = delete;
    AnswerPacer& operator=(const AnswerPacer&) = delete;

    // Turns the link's answer pacing on or off.
    void setEnabled(bool on);
    bool enabled() const { return link_.answerPaced(); }

    void requestSent() override;

private:
    void watch(SerialLine* line);

    Link& link_;
    QTimer poll_;
    SerialLine* watched_ = nullptr;
    bool notified_ = false;
    // Handed to the lines we asked for notices, so a line that outlives us calls nothing.
    std::shared_ptr<AnswerPacer*> self_;
};

}  // namespace ign
