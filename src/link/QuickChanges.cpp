#include "QuickChanges.h"

#include "DeviceImageCodec.h"

#include <algorithm>

namespace ign {

QuickChanges::QuickChanges(Link& link) : link_(link) { link_.addView(this); }

QuickChanges::~QuickChanges() {
    link_.removeView(this);
    // A link that outlives us must not ask a plan that is gone.
    link_.dropPlan(*this);
}

void QuickChanges::forget() {
    if (running_) {
        lost_ = true;
    } else {
        unit_.reset();
    }
}

void QuickChanges::assumeUnitHolds(const DeviceImage& image) {
    if (running_) return;
    unit_ = image;
    line_ = link_.lineChanges();
}

bool QuickChanges::differs(int block) const {
    const DeviceImage& image = link_.parameters().image;
    return !std::equal(image.block(block), image.block(block) + kBlockSize, unit_->block(block));
}

int QuickChanges::blocksToWrite() const {
    if (!known()) return 0;
    int count = 0;
    for (int block = 0; block < kWritableBlocks; ++block) count += differs(block) ? 1 : 0;
    return count;
}

bool QuickChanges::liveChange(const ParameterSet& set) {
    link_.Use(set);
    if (!known()) {
        link_.StartProgram();
        return false;
    }
    // A running transfer of ours finds the new blocks on its next step.
    if (running_) return true;
    if (!link_.idle()) {
        // Some other transfer holds the line; what it leaves behind is not ours to trust.
        link_.StartProgram();
        return false;
    }
    unchecked_.reset();
    writes_.fill(0);
    sent_ = 0;
    running_ = true;
    if (!link_.StartPlanned(*this)) running_ = false;
    return true;
}

std::optional<int> QuickChanges::nextWrite() {
    // Upwards from the last block written, then round again from the bottom,
    // so a burst of changes to low blocks cannot starve the higher ones.
    std::optional<int> lowest;
    for (int block = 0; block < kWritableBlocks; ++block) {
        if (!differs(block)) continue;
        if (block > last_) return block;
        if (!lowest) lowest = block;
    }
    return lowest;
}

void QuickChanges::written(int block, const Byte* data) {
    std::copy(data, data + kBlockSize, unit_->block(block));
    unchecked_.set(static_cast<std::size_t>(block));
    ++writes_[static_cast<std::size_t>(block)];
    ++sent_;
    last_ = block;
}

std::optional<int> QuickChanges::nextCheck() {
    for (int block = 0; block < kWritableBlocks; ++block) {
        if (unchecked_.test(static_cast<std::size_t>(block))) return block;
    }
    return std::nullopt;
}

const Byte* QuickChanges::expected(int block) const { return unit_->block(block); }

void QuickChanges::checked(int block) { unchecked_.reset(static_cast<std::size_t>(block)); }

int QuickChanges::progress() const {
    const int left = blocksToWrite();
    if (left == 0 || sent_ == 0) return left == 0 ? Link::kProgressMax : 0;
    return Link::kProgressMax * sent_ / (sent_ + left);
}

void QuickChanges::ended(std::optional<MessageId> message) {
    running_ = false;
    last_ = -1;
    if (message != MessageId::VerifyOk || lost_ || line_ != link_.lineChanges()) unit_.reset();
    lost_ = false;
}

void QuickChanges::showStatus(MessageId id) {
    if (running_) return;
    switch (id) {
        case MessageId::VerifyOk:
            unit_ = link_.parameters().image;
            line_ = link_.lineChanges();
            break;
        case MessageId::ReadStarted:
        case MessageId::VerifyCommand:
        case MessageId::ProgramStarted:
        case MessageId::ReadError:
        case MessageId::VerifyError:
        case MessageId::ProgramError:
            unit_.reset();
            break;
        default:
            break;
    }
}

}  // namespace ign
