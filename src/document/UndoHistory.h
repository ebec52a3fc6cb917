#pragma once

#include "ParameterDocument.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace ign {

// The steps of the set, to go back over and forth again. It follows the
// document: every step of another cause is one step here, and Undo and Redo
// put a step's blocks back through the document as a step of their own
// (ChangeCause::Undo, ChangeCause::Redo), so the editors show it and every
// listener hears of it, while this history does not take it as a new step.
// Only the blocks go back: the image stays the unit's copy, and nothing is
// sent anywhere.
class UndoHistory {
public:
    // Far more steps than a day at the bench makes; the oldest go first.
    static constexpr std::size_t kDefaultLimit = 1000;

    explicit UndoHistory(ParameterDocument& document, std::size_t limit = kDefaultLimit);
    ~UndoHistory();
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // The cause of the step Undo would take back, or Redo make again.
    std::optional<ChangeCause> UndoCause() const;
    std::optional<ChangeCause> RedoCause() const;
    bool CanUndo() const { return UndoCause().has_value(); }
    bool CanRedo() const { return RedoCause().has_value(); }

    // False when there is no step to go to.
    bool Undo();
    bool Redo();

    // Called after every change of what Undo and Redo would do.
    void OnChanged(std::function<void()> changed) { changed_ = std::move(changed); }

private:
    struct Blocks {
        IgnitionBlock ignition;
        InjectionBlock injection;
    };
    struct Step {
        ChangeCause cause;
        Blocks before;
        Blocks after;
    };

    void Record(const ParameterChange& change);
    bool PutBack(ChangeCause cause, const Blocks& blocks);
    void Changed() const;

    ParameterDocument& document_;
    std::size_t limit_;
    int listener_ = 0;
    std::vector<Step> steps_;
    std::size_t done_ = 0;  // steps_[0, done_) are done, the rest undone and ready to redo
    std::function<void()> changed_;
};

}  // namespace ign
