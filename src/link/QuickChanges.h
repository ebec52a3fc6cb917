#pragma once

#include "Link.h"

#include <bitset>
#include <optional>

namespace ign {

// Live changes that write only the blocks they change. It keeps what the unit
// is known to hold: the image of the last transfer that ended in "Verify OK",
// updated by the quick writes that were read back. While that is known, a live
// change writes every block in which the packed set differs from it, in
// ascending order from where the last write stood, and reads those blocks
// back; a change during such a transfer joins the blocks still to write.
// Without it, a live change is the full Program and Verify.
class QuickChanges final : public BlockPlan, public LinkView {
public:
    explicit QuickChanges(Link& link);
    ~QuickChanges() override;
    QuickChanges(const QuickChanges&) = delete;
    QuickChanges& operator=(const QuickChanges&) = delete;

    // The port was opened, reopened or changed, or the line lent to another
    // reader: what the unit holds is no longer known.
    void forget();
    // What the unit holds is known, over the line it was learnt on.
    bool known() const { return unit_.has_value() && !lost_ && line_ == link_.lineChanges(); }
    // Whoever drives the link vouches for what the unit holds (a tuning rig that wrote it before).
    void assumeUnitHolds(const DeviceImage& image);
    // A live change of `set`, editors already read: hands the set to the link,
    // then writes the changed blocks when the unit is known (true), or starts
    // the full live Program (false).
    bool liveChange(const ParameterSet& set);
    // Blocks in which the set the link last used differs from the unit; 0 when the unit is unknown.
    int blocksToWrite() const;
    // Writes so far in the running (or last) quick transfer, per block.
    int writes(int block) const { return writes_[static_cast<std::size_t>(block)]; }

    std::optional<int> nextWrite() override;
    void written(int block, const Byte* data) override;
    std::optional<int> nextCheck() override;
    const Byte* expected(int block) const override;
    void checked(int block) override;
    int progress() const override;
    void ended(std::optional<MessageId> message) override;

    void showStatus(MessageId id) override;

private:
    bool differs(int block) const;

    Link& link_;
    std::optional<DeviceImage> unit_;         // what the unit holds, written blocks as written
    std::bitset<kWritableBlocks> unchecked_;  // written, not read back since
    int last_ = -1;                           // the block written last
    int sent_ = 0;                            // writes in this transfer
    bool running_ = false;
    bool lost_ = false;       // forgotten while a transfer of ours ran
    std::uint64_t line_ = 0;  // the link's line when the unit's image was learnt
    std::array<int, kWritableBlocks> writes_{};
};

}  // namespace ign
