#pragma once

#include "MapTable.h"

#include <QDialog>
#include <cstdint>
#include <functional>
#include <set>

class QCheckBox;
class QDoubleSpinBox;
class QGridLayout;
class QHBoxLayout;
class QKeyEvent;
class QSpinBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace ign {

class OperatingPointOverlay;
class OwnText;
class ParameterDocument;
struct ParameterSet;

// The table editor of the injection map: the map as a table with the heat
// colours and the live operating point, where the tuner selects a rectangle
// and changes it at once, or types a number and Enter to set it. The fills
// run along the map's real axes, as the headers label them. Every operation is one change of the set,
// validated like an edit; when "Send changes to the unit" is ticked and the port is open, it ends in the live
// programming of the injection "+" and "-" buttons.
class MapTableWindow : public QDialog {
    Q_OBJECT

public:
    struct Hooks {
        std::function<bool()> portOpen;     // whether a live programming can go out now
        std::function<void()> programLive;  // the live programming the "+"/"-" buttons end in
        std::function<std::uint8_t()> language;
    };

    MapTableWindow(ParameterDocument& document, Hooks hooks, QWidget* parent);

    // Shows the window with the sending off, however it was left.
    void Open();
    void SetHeatMap(bool on);
    OperatingPointOverlay& Overlay() { return *overlay_; }

    // The operations on the selection, as the buttons and keys run them.
    void AddSteps(int steps);
    void Multiply();
    void SetValue();
    void FillBilinear();
    void FillRows();
    void FillColumns();
    void Smooth();
    void Copy();
    void Paste();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableWidget* MakeTable();
    QPushButton* MakeButton(const char* name, const char* caption, void (MapTableWindow::*run)());
    QGridLayout* MakeTools();
    QHBoxLayout* MakeFills();
    // Runs one operation on the map as it is, as one change of the set.
    void Run(const std::function<MapChange(const JetMap&)>& operation);
    MapRect Selection() const;
    void FitTable();
    void Show(const ParameterSet& set);
    void Say(const QString& text);
    // A digit, Backspace, Enter or Escape of a number typed on the table; false for other keys.
    bool TypeNumber(const QKeyEvent& key);

    ParameterDocument& document_;
    Hooks hooks_;
    QTableWidget* table_ = nullptr;
    QDoubleSpinBox* factor_ = nullptr;
    QSpinBox* value_ = nullptr;
    QCheckBox* send_ = nullptr;
    QLabel* note_ = nullptr;
    OwnText* validatedText_ = nullptr;
    OwnText* clampedText_ = nullptr;
    OperatingPointOverlay* overlay_ = nullptr;
    bool heatMap_ = true;
    std::set<int> validated_;  // cells validation changed after the last operation
    QString typed_;            // digits typed on the table, not yet taken
};

}  // namespace ign
