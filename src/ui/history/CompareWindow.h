#pragma once

#include "LineLoan.h"
#include "ParameterDocument.h"
#include "SetDifferences.h"

#include <QString>
#include <QTime>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace ign {

class Link;
class MapDifferenceView;
class SerialLine;
class SideRead;

// Two sets side by side: the window's, a parameter file, a restore point or
// what the unit holds. It lists every difference by the window's captions,
// shows the injection map's differing cells, and takes one difference or all
// of them into the window as one step (which Undo takes back).
//
// The unit is read through the window's line, lent for the read: into a set
// of this window's own, with no verify after it, so the window's set, its
// labels and the unit's identification stay as they were. It is not read
// while a transfer of the window runs, since a new command would replace it.
class CompareWindow : public QWidget {
    Q_OBJECT

public:
    enum class Source : std::uint8_t { Window, File, RestorePoint, Unit };

    // What it needs of the main window: the set, the link and its line, the language.
    struct Owner {
        ParameterDocument& document;
        Link& link;
        std::function<SerialLine*()> line;  // the window's open line, null without one
        std::function<LineLoan()> lend;     // the line for the read; empty when refused
        std::function<std::uint8_t()> language;
    };
    // Asks for the file of a side; "" when cancelled.
    using PathChooser = std::function<QString(Source source)>;

    CompareWindow(Owner owner, QWidget* parent);
    ~CompareWindow() override;

    // Shows the window; when it was closed, a side that is the unit is read again,
    // since the unit may hold something else by now.
    void Open();
    // A restore point (or any parameter file) against the window's set, shown at once.
    void CompareWithWindow(const QString& path);
    // Side 0 or 1 from `source`; a file needs its path. False when it could not be
    // had (a file unreadable, the unit busy or without a port).
    bool SetSide(int side, Source source, const QString& path = {});
    void SetPathChooser(PathChooser chooser) { chooser_ = std::move(chooser); }

    const std::vector<Difference>& Differences() const { return differences_; }
    // The selected differences, or all, into the window as one step.
    void TakeSelected();
    void TakeAll();
    // A read of the unit is under way.
    bool Reading() const { return read_ != nullptr; }
    // One tick of the unit's read, and the unit offered as a source only while
    // it can be read; the window's timer drives it.
    void ReadTick();

    // The captions, the sources' names and the lines in `language`.
    void Retranslate(std::uint8_t language);
    // Where restore points are kept.
    static QString RestorePointFolder();

signals:
    // The unit on the window's port was read aside, and so said who it is.
    void unitIdentified(const QString& version);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Side {
        Source source = Source::Window;
        QString path;
        ParameterSet set{};
        bool ready = true;
        QTime readAt;  // the unit's: when its read ended
    };

    void BuildControls();
    QHBoxLayout* MakeSidesRow();
    void SourceChosen(int side, int index);
    bool LoadFile(Side& side, Source source, const QString& path);
    bool StartUnitRead(int side);
    void EndUnitRead(bool completed);
    void Compare();
    void Take(const std::vector<Difference>& chosen);
    const ParameterSet& SetOf(const Side& side) const;
    void ShowSources();
    void ShowUnitChoice();
    void Say(const QString& text);
    QString Text(const char* object) const;

    Owner owner_;
    std::uint8_t language_ = 0;
    std::array<Side, 2> sides_{};
    std::vector<Difference> differences_;
    PathChooser chooser_;
    int listener_ = 0;

    // The unit's read: the line it borrowed, the side it fills.
    LineLoan loan_;
    std::unique_ptr<SideRead> read_;
    int readSide_ = 0;
    bool unitAvailable_ = true;  // as the sources' Unit items show it

    std::array<QComboBox*, 2> sources_{};
    std::array<QLabel*, 2> paths_{};
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QListWidget* list_ = nullptr;
    MapDifferenceView* map_ = nullptr;
    QPushButton* take_ = nullptr;
    QPushButton* takeAll_ = nullptr;
};

}  // namespace ign
