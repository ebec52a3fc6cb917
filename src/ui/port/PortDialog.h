#pragma once

#include "PortList.h"

#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace ign {

class PortProbeRun;

// Which system port each of the menu's Com 1 and Com 2 means: a list of the
// ports the system has, the simulated unit, and a field for any path. Its
// "Test" buttons ask the port what is on it; the choice itself is the
// window's to apply.
class PortDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kComs = 2;

    // ports: the system's, as the list offers them; chosen: what Com 1 and
    // Com 2 name now; busy: whether a transfer runs, when the tests must wait.
    PortDialog(std::vector<PortDescription> ports, const std::array<QString, kComs>& chosen,
               std::uint8_t language, PortProbeRun& test, std::function<bool()> busy, QWidget* parent);

    // The names as they stand in the fields.
    std::array<QString, kComs> Chosen() const;

private:
    struct ComRow {
        QComboBox* list = nullptr;
        QLineEdit* path = nullptr;
        QPushButton* test = nullptr;
        QLabel* result = nullptr;
    };
    void BuildRow(int com, const QString& chosen);
    void ListChosen(int com);
    void RunTest(int com);
    void FitAnswers();
    void UpdateTestButtons();

    std::vector<PortDescription> ports_;
    std::uint8_t language_;
    PortProbeRun& test_;
    std::function<bool()> busy_;
    std::array<ComRow, kComs> rows_;
    int testing_ = -1;  // the Com whose port is under test
    QTimer* watch_ = nullptr;
};

}  // namespace ign
