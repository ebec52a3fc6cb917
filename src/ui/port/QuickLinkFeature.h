#pragma once

#include "AnswerPacer.h"
#include "QuickChanges.h"
#include "window/FeatureHost.h"

#include <QObject>
#include <cstdint>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;

namespace ign {

class ProfileFile;
class UnitMatchField;

// The two opt-in ways of the link, as check items at the end of Tools and
// entries of [LINK]: live changes that write only the blocks they change, and
// transfers paced by the unit's answers. Both off, the window's live changes
// program all blocks and every request waits for its tick, as ever.
class QuickLinkFeature : public QObject, public Feature {
    Q_OBJECT

public:
    explicit QuickLinkFeature(FeatureHost& host);

    // A live change's set into the unit (the editors already taken).
    void LiveProgram(const ParameterSet& set);
    bool QuickOn() const;
    // What the unit holds is unknown: the next live change programs it whole.
    void UnitUnknown() { quick_.forget(); }
    bool AnswerPacedOn() const;

    void loadSettings(const ProfileFile& file);
    // After the other features' sections; not at all while both were always off.
    void storeSettings(ProfileFile& file) const;
    // Every tick and on a language switch: the blocks still to write in the unit-match field.
    void showPending();

private:
    Link& link_;
    QuickChanges quick_;
    AnswerPacer pacer_;
    FeatureHost& host_;
    QAction* quickAction_ = nullptr;
    QAction* pacedAction_ = nullptr;
    int shownPending_ = -1;
    std::uint8_t shownLanguage_ = 0;
};

}  // namespace ign
