#include "Link.h"

#include "Validation.h"

#include <algorithm>

namespace ign {

namespace {

MessageId ErrorOf(TransferMode mode) {
    switch (mode) {
        case TransferMode::Read:
            return MessageId::ReadError;
        case TransferMode::Verify:
            return MessageId::VerifyError;
        default:
            return MessageId::ProgramError;
    }
}

Byte AnswerCode(Byte requestCode) { return static_cast<Byte>(requestCode ^ kAnswerBit); }

}  // namespace

Link::Link(SerialLine* line, LinkView* view) : line_(line) { setView(view); }

void Link::Use(const ParameterSet& set) {
    if (&set != &set_) set_ = set;
    PackDeviceImage(set_);
}

void Link::setView(LinkView* view) {
    views_.clear();
    addView(view);
}

void Link::addView(LinkView* view) {
    if (view != nullptr && std::find(views_.begin(), views_.end(), view) == views_.end())
        views_.push_back(view);
}

void Link::removeView(LinkView* view) { std::erase(views_, view); }

template <typename Event>
void Link::tell(Event event) {
    // A copy, so a view may remove itself (or another) while being told.
    const std::vector<LinkView*> views = views_;
    for (LinkView* view : views) event(*view);
}

void Link::StartRead() { startCommand(TransferMode::Read, kReadCode, MessageId::ReadStarted); }

void Link::StartRead(const ParameterSet& into) {
    set_ = into;
    StartRead();
}

void Link::StartVerify() { startCommand(TransferMode::Verify, kReadCode, MessageId::VerifyCommand); }

void Link::StartProgram() { startCommand(TransferMode::Program, 0, MessageId::ProgramStarted); }

bool Link::StartPlanned(BlockPlan& plan) {
    const std::optional<int> first = plan.nextWrite();
    if (!first) return false;
    endPlan(std::nullopt);
    answerDiffered_ = false;
    plan_ = &plan;
    start(TransferMode::Program, static_cast<Byte>(*first), MessageId::ProgramStarted);
    showProgress(true);
    return true;
}

void Link::dropPlan(const BlockPlan& plan) {
    if (plan_ != &plan) return;
    plan_ = nullptr;
    state_.TransferMode = TransferMode::None;
    state_.AwaitingResponse = false;
}

void Link::endPlan(std::optional<MessageId> message) {
    if (plan_ == nullptr) return;
    BlockPlan* plan = plan_;
    plan_ = nullptr;
    plan->ended(message);
}

void Link::start(ign::TransferMode mode, Byte firstCode, MessageId message) {
    state_.TransferMode = mode;
    state_.FrameCode = firstCode;
    state_.SendCount = 1;
    // A countdown left over from the previous result must not hide this transfer's label.
    state_.StatusHideTicks = 0;
    SendFrame();
    showStatus(message);
    setProgress(0);
}

void Link::startCommand(ign::TransferMode mode, Byte firstCode, MessageId message) {
    endPlan(std::nullopt);
    answerDiffered_ = false;
    start(mode, firstCode, message);
    // Shown even when the owner hid the bar on its own (printing does), so the
    // link's idea of it may be stale.
    showProgress(true);
}

void Link::startVerifyAfterTransfer() {
    // The bar stays as the transfer left it.
    start(TransferMode::Verify, kReadCode, MessageId::VerifyAfterTransfer);
}

void Link::SendFrame() {
    state_.TransmitFrame = BuildRequest(state_.FrameCode, set_.image);
    if (line_ != nullptr && line_->isOpen()) line_->write(state_.TransmitFrame.data(), kFrameSize);
    state_.AwaitingResponse = true;
    state_.WaitTicks = 0;
    tell([](LinkView& v) { v.requestSent(); });
}

void Link::AnswerPoll() {
    if (!answerPaced_ || !awaitingAnswer() || line_ == nullptr || !line_->isOpen()) return;
    if (line_->bytesQueued() >= kFrameSize) PollPort();
}

void Link::tick() {
    if (stillWhileIdle_ && idle()) return;
    ++ticks_;
    PollPort();
    if (state_.AwaitingResponse) {
        if (state_.WaitTicks < 255) ++state_.WaitTicks;
        if (state_.WaitTicks > kTimeoutTicks && state_.TransferMode != TransferMode::None) {
            ++state_.SendCount;
            if (state_.SendCount <= kMaxSends) {
                SendFrame();
            } else {
                finish(ErrorOf(state_.TransferMode), false);
            }
        }
    }
    if (state_.StatusHideTicks != 0) {
        --state_.StatusHideTicks;
        if (state_.StatusHideTicks == 0) {
            display_.statusVisible = false;
            display_.progressVisible = false;
            tell([](LinkView& v) { v.hideStatus(); });
        }
    }
}

void Link::PollPort() {
    if (line_ == nullptr || !line_->isOpen()) return;
    const std::size_t queued = line_->bytesQueued();
    // While a request is outstanding, wait until a whole answer can be there.
    const std::size_t needed = state_.AwaitingResponse ? kFrameSize : 1;
    if (queued < needed) return;
    const std::size_t wanted = std::min(queued, kReceiveBufferSize);
    state_.ReceivedCount = line_->read(state_.ReceiveBuffer.data(), wanted);
    if (state_.AwaitingResponse) {
        HandleResponse();
    } else {
        reportMonitorFrames();
    }
    const std::size_t count = state_.ReceivedCount;
    tell([this, count](LinkView& v) { v.received(state_.ReceiveBuffer.data(), count); });
}

void Link::reportMonitorFrames() {
    if (views_.empty()) return;
    // A stream can put several frames into one read, and a read may start
    // mid-frame; every valid frame found is one event. A frame taken at 0 is
    // the one the page shows.
    const Byte* bytes = state_.ReceiveBuffer.data();
    const std::size_t count = state_.ReceivedCount;
    std::optional<std::int64_t> stamp;
    for (std::size_t at = 0; at + kFrameSize <= count;) {
        const std::optional<MonitorFrame> frame = ParseMonitorFrame(bytes + at);
        if (!frame) {
            ++at;
            continue;
        }
        frameDecoder_.Take(*frame);
        if (!stamp) stamp = now();
        MonitorFrameEvent event{frame->type, frameDecoder_.readings(), *stamp, at == 0, *frame};
        tell([&event](LinkView& v) { v.monitorFrame(event); });
        at += kFrameSize;
    }
}

void Link::HandleResponse() {
    if (state_.ReceivedCount < kFrameSize) return;
    const Byte* frame = state_.ReceiveBuffer.data();
    if (!FrameValid(frame)) return;
    const int block = state_.FrameCode & 0x3F;
    switch (state_.TransferMode) {
        case TransferMode::Read:
            handleRead(frame, block);
            break;
        case TransferMode::Verify:
            handleVerify(frame, block);
            break;
        case TransferMode::Program:
            handleProgram(frame, block);
            break;
        case TransferMode::None:
            break;
    }
}

void Link::handleRead(const Byte* frame, int block) {
    if (frame[0] != AnswerCode(state_.FrameCode)) return;
    std::copy(frame + 1, frame + 1 + kBlockSize, set_.image.block(block));
    if (block < kBlockCount - 1) {
        stepProgress();
        nextBlock();
        return;
    }
    UnpackDeviceImage(set_);
    identification_ = DecodeUnitIdentification(set_.image);
    ValidateParameters(set_);
    tell([](LinkView& v) { v.readCompleted(); });
    Use(set_);
    startVerifyAfterTransfer();
}

void Link::handleVerify(const Byte* frame, int block) {
    if (frame[0] != AnswerCode(state_.FrameCode)) return;
    const Byte* expected = plan_ != nullptr ? plan_->expected(block) : set_.image.block(block);
    if (!std::equal(frame + 1, frame + 1 + kBlockSize, expected)) {
        answerDiffered_ = true;
        return;
    }
    if (plan_ != nullptr) {
        plan_->checked(block);
        setProgress(plan_->progress());
        continuePlan();
        return;
    }
    stepProgress();
    if (block < kWritableBlocks - 1) {
        nextBlock();
        return;
    }
    finish(MessageId::VerifyOk, true);
}

void Link::handleProgram(const Byte* frame, int block) {
    if (frame[0] != AnswerCode(state_.FrameCode)) return;
    // Bytes 7..10 of the echo are the unit's business.
    if (!std::equal(frame + 1, frame + 7, state_.TransmitFrame.begin() + 1)) {
        answerDiffered_ = true;
        return;
    }
    if (plan_ != nullptr) {
        plan_->written(block, state_.TransmitFrame.data() + 1);
        setProgress(plan_->progress());
        continuePlan();
        return;
    }
    stepProgress();
    if (block < kWritableBlocks - 1) {
        nextBlock();
        return;
    }
    startVerifyAfterTransfer();
}

void Link::continuePlan() {
    // Writes come first: a change that arrived while blocks were read back is
    // written, and read back in turn, before the transfer can end.
    if (const std::optional<int> write = plan_->nextWrite()) {
        if (state_.TransferMode != TransferMode::Program) {
            state_.TransferMode = TransferMode::Program;
            showStatus(MessageId::ProgramStarted);
        }
        state_.FrameCode = static_cast<Byte>(*write);
    } else if (const std::optional<int> check = plan_->nextCheck()) {
        if (state_.TransferMode != TransferMode::Verify) {
            state_.TransferMode = TransferMode::Verify;
            showStatus(MessageId::VerifyAfterTransfer);
        }
        state_.FrameCode = static_cast<Byte>(kReadCode + *check);
    } else {
        finish(MessageId::VerifyOk, true);
        return;
    }
    state_.SendCount = 1;
    SendFrame();
}

void Link::nextBlock() {
    ++state_.FrameCode;
    state_.SendCount = 1;
    SendFrame();
}

void Link::finish(MessageId message, bool hideProgress) {
    if (hideProgress) showProgress(false);
    showStatus(message);
    state_.StatusHideTicks = kStatusTicks;
    state_.TransferMode = TransferMode::None;
    state_.AwaitingResponse = false;
    endPlan(message);
}

void Link::stepProgress() { setProgress(std::min(display_.progress + kProgressStep, kProgressMax)); }

void Link::showStatus(MessageId message) {
    display_.status = message;
    display_.statusVisible = true;
    tell([message](LinkView& v) { v.showStatus(message); });
}

void Link::setProgress(int position) {
    display_.progress = position;
    tell([position](LinkView& v) { v.setProgress(position); });
}

void Link::showProgress(bool visible) {
    display_.progressVisible = visible;
    tell([visible](LinkView& v) { v.showProgress(visible); });
}

}  // namespace ign
