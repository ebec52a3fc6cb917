#pragma once

#include "ParameterSet.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace ign {

// What made the set change. Every change is one step of one cause.
enum class ChangeCause : std::uint8_t {
    Edit,        // the edit cycle: a field left or clicked into, a spinner, and Program, Verify, Save, close
    New,         // the default set of the chosen machine
    Open,        // a parameter file read in
    Read,        // a completed read from the unit
    Live,        // curve A or the injection map one step, a map column's spin button
    SetTps,      // a throttle calibration from the measured voltage
    Machine,     // another machine chosen in the list
    Excitation,  // the "Excitation High" check box
    GasEnable,   // the "Gas enable" check box
    Undo,
    Redo,
    Restore,   // a stored set put back
    Take,      // differences of a compared set copied into the window
    MapTable,  // one operation of the map's table editor
};

// The cause as a word for logs and file names: "edit", "new", "open", "read", "live", "set-tps" ...
std::string_view CauseName(ChangeCause cause);

// One step as its listeners hear of it: the set before it and after it.
struct ParameterChange {
    ChangeCause cause;
    const ParameterSet& before;
    const ParameterSet& after;
};

// What shows the set and takes what the user typed: the window's editor fields.
class SetEditors {
public:
    virtual ~SetEditors() = default;
    // Every control into the blocks, text typed but not yet taken included.
    virtual void ReadEditors(ParameterSet& set) = 0;
    // The blocks into every control, without any control starting a step of its own.
    virtual void RefreshEditors(const ParameterSet& set) = 0;
};

// The one owner of the parameter set. Every change passes through it as one
// named step: the change is made, the editors show the result where the step
// asks for that, and then each listener is told the cause with the set before
// and after, in the order the listeners came. A step that leaves the blocks as
// they were tells nobody. The image in the set is the unit's copy as the last
// read left it; the link packs its own from the blocks before every send, so
// the image alone changing is no step.
class ParameterDocument {
public:
    // Works on the set and says whether the step stands; a step that does not
    // stand leaves the set as it was, shows nothing and tells nobody.
    using Change = std::function<bool(ParameterSet&)>;
    using Listener = std::function<void(const ParameterChange&)>;
    enum class Validation : std::uint8_t { None, First };
    enum class Show : std::uint8_t { Nothing, Refresh };

    explicit ParameterDocument(SetEditors* editors = nullptr) : editors_(editors) {}
    ParameterDocument(const ParameterDocument&) = delete;
    ParameterDocument& operator=(const ParameterDocument&) = delete;

    void SetEditorsOf(SetEditors* editors) { editors_ = editors; }
    const ParameterSet& Parameters() const { return set_; }

    // The set the program starts with; no step, so nobody is told.
    void Begin(const ParameterSet& set) { set_ = told_ = set; }

    // Listeners stay until they are removed; a listener may remove itself.
    int Listen(Listener listener);
    void StopListening(int id);

    // The editors into the blocks, then validation when asked, then `change`
    // when given, and the editors refreshed: the edit cycle, and the steps
    // that take the editors first (Save, the live adjustments, close).
    bool TakeEditors(ChangeCause cause, Validation validation, const Change& change = {},
                     Show show = Show::Refresh);
    // The edit cycle: ReadEditors, ValidateParameters, RefreshEditors.
    void EditCycle() { TakeEditors(ChangeCause::Edit, Validation::First); }
    // A change that does not take the editors first (New, Open, the machine
    // list, Set TPS, the two check boxes; undo and restore).
    bool Apply(ChangeCause cause, const Change& change, Show show = Show::Refresh);
    // A set that came whole from elsewhere (a completed read from the unit)
    // becomes the document's: one step, shown and told.
    void Arrived(ChangeCause cause, const ParameterSet& set);

    // Shows the set again; no step, so nobody is told.
    void Refresh();

private:
    bool Step(ChangeCause cause, Show show, const Change& change);
    void Tell(ChangeCause cause);

    struct Subscription {
        int id;
        Listener listener;
    };

    SetEditors* editors_;
    ParameterSet set_{};
    ParameterSet told_{};  // the set as the listeners last heard of it
    std::vector<Subscription> listeners_;
    int nextId_ = 1;
};

}  // namespace ign
