#pragma once

#include "DeviceImageCodec.h"
#include "Link.h"
#include "ParameterSet.h"
#include "SerialLine.h"

#include <optional>

namespace ign {

// Reads what the unit holds into a set of its own, beside the owner's: the
// owner's set, display and labels stay untouched, and no Verify follows (the
// line is let go the moment the last block has come, so the Verify a Read
// starts by itself never reaches the unit). While it runs, the owner's own
// link must not poll the line; the owner ticks this instead.
class SideRead : private LinkView {
public:
    SideRead() = default;
    SideRead(const SideRead&) = delete;
    SideRead& operator=(const SideRead&) = delete;

    // Starts reading over `line`; a line that is not open ends at once, without a set.
    void Start(SerialLine* line);
    bool Running() const { return running_; }
    enum class Step : std::uint8_t {
        Running,
        Ended,      // completed (Result() holds the set) or failed
        Abandoned,  // the port changed under it
    };
    // One tick over `line`, the line the owner has now: another line than the
    // read started on ends it as abandoned.
    Step Tick(SerialLine* line);
    // Ends it now without a set.
    void Cancel();

    // After a completed read: the set after its validation, and the unit's identification.
    const std::optional<ParameterSet>& Result() const { return result_; }
    const UnitIdentification& Identification() const { return link_.identification(); }

private:
    void readCompleted() override;

    ParameterSet set_{};
    Link link_{set_, nullptr, this};
    SerialLine* line_ = nullptr;
    std::optional<ParameterSet> result_;
    bool running_ = false;
};

}  // namespace ign
