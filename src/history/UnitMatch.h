#pragma once

#include "ParameterSet.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace ign {

// Whether the unit holds what the window shows.
enum class UnitMatch : std::uint8_t {
    UnitEqualsWindow,     // the window's set equals what the unit was last seen to hold
    ChangedSinceProgram,  // the window's set was changed since then
    UnitNotChecked,       // nothing is known of what the unit holds
    UnitDiffers,          // the unit answered, and what it holds is not what it was to hold
};

// The indicator at the right of the status line, as logic: fed with what the
// link and the window's set go through, it tells the state and the second
// mark. "Equal" is SameValues: the values as the window shows them, so a flag
// a Read left as its bit mask equals the same flag set by an edit (both put
// the same bit into the unit), and the bytes the unit keeps for itself in the
// image do not count.
class UnitMatchIndicator {
public:
    // The window's set at start: nothing checked, no file.
    explicit UnitMatchIndicator(const ParameterSet& window);

    // The unit was seen to hold a set: a Verify that ended "Verify OK" (the
    // set it verified), a Program or a live adjustment's programming that
    // ended with its Verify OK (the set programmed), a completed Read (the
    // set after its validation; the Verify that follows it reports on its own).
    void unitHolds(const ParameterSet& set);
    // What the unit holds is unknown again: a failed Read, a Verify or
    // Program that ended in silence or bad frames, another port chosen, the
    // port reconnected.
    void unitUnknown();
    // A Verify or Program ended in its error after the unit had answered with
    // data other than the window's: the unit was checked and differs. It
    // stays so, whatever the window does, until the unit is checked again.
    void unitDiffers();

    // Every change of the window's set, with the set after it.
    void windowChanged(const ParameterSet& set);
    // A parameter file was opened into the window or the window saved to one:
    // the set as it is then.
    void fileMatches(const ParameterSet& set);
    // The window no longer names a file (a Read): no file to differ from.
    void noFile();

    UnitMatch state() const;
    // The second mark: the window's set differs from the parameter file it
    // was last opened from or saved to (false before either happened).
    bool differsFromFile() const;

private:
    ParameterSet window_;
    std::optional<ParameterSet> unit_;
    bool unitDiffers_ = false;
    std::optional<ParameterSet> file_;
};

// The indicator's texts, English, Czech, German (UTF-8): the four states by
// UnitMatch, then the second mark, then the note that a restore point failed.
// The window's table of new texts takes its rows from here.
using UnitMatchTexts = std::array<std::string_view, 3>;
inline constexpr std::array<UnitMatchTexts, 6> kUnitMatchTexts{{
    {"Unit = window", "Zapalování = okno", "Zündbox = Fenster"},
    {"Changed since last Program", "Změněno od posledního programování",
     "Geändert seit letzter Programmierung"},
    {"Unit not checked", "Zapalování neověřeno", "Zündbox nicht geprüft"},
    {"Unit differs", "Zapalování se liší", "Zündbox weicht ab"},
    {"Differs from the file", "Liší se od souboru", "Weicht von der Datei ab"},
    {"Restore point not written", "Bod obnovení nezapsán", "Wiederherstellungspunkt nicht geschrieben"},
}};
inline constexpr std::size_t kDiffersFromFileRow = 4;
inline constexpr std::size_t kRestorePointFailedRow = 5;
// The same as short forms, for a status line too narrow for the texts above;
// the whole text is then the form's tooltip.
inline constexpr std::array<UnitMatchTexts, 6> kUnitMatchShortTexts{{
    {"Unit =", "Zap. =", "Box ="},
    {"Changed", "Změněno", "Geändert"},
    {"Unchecked", "Neověřeno", "Ungeprüft"},
    {"Unit ≠", "Zap. ≠", "Box ≠"},
    {"≠ File", "≠ Soubor", "≠ Datei"},
    {"!", "!", "!"},
}};

// The indicator's texts in one language (0 English, 1 Czech, 2 German, else
// English), UTF-8.
std::string_view UnitMatchText(UnitMatch state, std::uint8_t language);
// The second mark's explanation.
std::string_view DiffersFromFileText(std::uint8_t language);
// Said once when a restore point could not be written (RestorePointPolicy::reportFailure).
std::string_view RestorePointFailedText(std::uint8_t language);

}  // namespace ign
