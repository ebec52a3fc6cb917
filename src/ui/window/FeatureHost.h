#pragma once

#include "TransferMode.h"

#include <QObject>
#include <QString>

#include <array>

#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>
#include <typeinfo>

class QAction;
class QFileDialog;
class QMenu;
class QPrinter;
class QStatusBar;
class QWidget;

namespace ign {

class EditorBinding;
class Link;
class ParameterDocument;
class PortConnection;
class ProfileFile;
struct ParameterSet;
struct UnitIdentification;
enum class ChangeCause : std::uint8_t;

// What the window tells its features. A feature connects to these and to
// nothing of the window's own, so the window can be built without it.
class HostEvents : public QObject {
    Q_OBJECT

signals:
    // Every timer tick, after the link's step.
    void ticked();
    // A language table was applied; `code` is the language now shown.
    void languageChanged(std::uint8_t code);
    // The settings file has been read; each feature reads its own section now.
    void settingsLoaded(const ign::ProfileFile& file);
    // The settings are being stored; each feature stores its section now, after the specified ones.
    void settingsStoring(ign::ProfileFile& file);
    // Read, Verify or Program was given and its first frame is out.
    void deviceCommandStarted(ign::TransferMode mode);
    // The port was opened, chosen anew, lost or found again: what the unit holds is unknown.
    void portChanged();
    // The set was just opened from a parameter file or saved to one.
    void setMatchesFile();
    // The set was just restored from the restore point at `path`.
    void setRestored(const QString& path);
    // The set no longer comes from a file: "File:" shows none.
    void fileNameCleared();
    // The unit on the window's port said who it is without a Read (a compare, the port dialog's test).
    void unitIdentified(const QString& version);
    // The window closes: the set is taken from the editors, the settings are stored next.
    void closing();
};

// Everything that plugs into the window is one of these, owned by the window
// and gone before the document, the link and the pages are.
class Feature {
public:
    virtual ~Feature() = default;
};

// The fields at the right of the status line, left to right (the print's
// date line shows only on paper).
enum class StatusPlace : std::uint8_t { PrintTime, Connection, Recording, UnitMatch };

// The menus a feature adds to.
enum class MenuSlot : std::uint8_t { File, Edit, View, Com, Tools };

// The items one feature puts into one menu. In File they stand with the other
// features' items before the separator above Exit; elsewhere they follow the
// menu's items after a separator of their own (none in a menu still empty).
class MenuSection {
public:
    MenuSection(QMenu& menu, QAction* before, bool separate)
        : menu_(&menu), before_(before), separate_(separate) {}
    void Add(QAction* item);
    QMenu& Menu() const { return *menu_; }

private:
    QMenu* menu_;
    QAction* before_;  // null: at the end
    bool separate_;
};

// The one way a feature reaches the window: what it may use of it, the menus
// to add to, and the notifications. The window implements it and hands it to
// each feature it builds.
class FeatureHost {
public:
    // The set and the one place every change of it passes through.
    virtual ParameterDocument& Document() = 0;
    // The device link, and the owner of its serial line, which lends the line.
    virtual Link& DeviceLink() = 0;
    virtual PortConnection& LineOwner() = 0;
    // The pages' fields.
    virtual EditorBinding& Editors() = 0;
    virtual MenuSection Menu(MenuSlot slot) = 0;
    virtual QStatusBar& StatusLine() = 0;
    // A field into the status line, at its place whatever the order the features are built in.
    virtual void AddStatusField(QWidget& field, StatusPlace place) = 0;
    // The parent of a feature's windows and dialogs.
    virtual QWidget& Window() = 0;
    virtual HostEvents& Events() = 0;
    virtual std::uint8_t Language() const = 0;
    // A feature's slot runs inside this, as the window's handlers do: an error
    // is shown in the error box there and goes no further into Qt.
    virtual void RunGuarded(const std::function<void()>& slot) = 0;
    virtual void ShowMessage(const QString& text) = 0;
    // Another feature of the window; null when the window was built without it.
    template <typename T>
    T* Find() {
        return dynamic_cast<T*>(FindFeature([](Feature& f) { return dynamic_cast<T*>(&f) != nullptr; }));
    }
    // A callable that runs `slot` guarded, for connections; a slot that takes
    // none of the signal's arguments is called without them.
    template <typename Slot>
    auto Guard(Slot slot) {
        return [this, slot](const auto&... args) {
            RunGuarded([&] {
                if constexpr (std::is_invocable_v<const Slot&, decltype(args)...>)
                    slot(args...);
                else
                    slot();
            });
        };
    }

    // What the window shows and the commands of its own that features build on.
    // The set as the editors show it now, text typed but not yet taken included.
    virtual ParameterSet ShownParameters() = 0;
    // A parameter file into the window as one step, as Open reads one.
    virtual bool TakeParameterFile(ChangeCause cause, const QString& path) = 0;
    virtual QString AskForPath(QFileDialog& dialog) = 0;
    // The printer to print on, chosen by the user; null when cancelled.
    virtual std::unique_ptr<QPrinter> ChoosePrinter() = 0;
    // The file "File:" shows (a Read clears it).
    virtual QString ShownFileName() const = 0;
    // The unit's identification from the last completed Read; empty before.
    virtual const UnitIdentification& Unit() const = 0;
    // The system ports behind COM1 and COM2, and new ones for them: the port in
    // use is opened anew when its name changed or it is not open.
    virtual std::array<QString, 2> PortNames() const = 0;
    virtual void ChoosePorts(const std::array<QString, 2>& names) = 0;

protected:
    ~FeatureHost() = default;
    virtual Feature* FindFeature(const std::function<bool(Feature&)>& matches) = 0;
};

}  // namespace ign
