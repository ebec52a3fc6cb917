#include "port/PortDialog.h"

#include "OpenSerialLine.h"
#include "PortTexts.h"
#include "language/ApplyLanguage.h"
#include "language/NewTexts.h"
#include "port/PortProbeRun.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace ign {

namespace {

QString Numbered(const char* name, int com) { return QString::fromLatin1(name) + QString::number(com + 1); }

}  // namespace

PortDialog::PortDialog(std::vector<PortDescription> ports, const std::array<QString, kComs>& chosen,
                       std::uint8_t language, PortProbeRun& test, std::function<bool()> busy, QWidget* parent)
    : QDialog(parent), ports_(std::move(ports)), language_(language), test_(test), busy_(std::move(busy)) {
    setObjectName(QStringLiteral("PortDialog"));
    setWindowTitle(QStringLiteral("Ports"));
    ports_.push_back(SimulatedUnitPort(language));
    auto* layout = new QVBoxLayout(this);
    for (int com = 0; com < kComs; ++com) {
        BuildRow(com, chosen[static_cast<std::size_t>(com)]);
        layout->addWidget(rows_[static_cast<std::size_t>(com)].list->parentWidget());
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ButtonPortsOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("ButtonPortsCancel"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    connect(&test_, &PortProbeRun::said, this, [this](const QString& text) {
        if (testing_ < 0) return;
        rows_[static_cast<std::size_t>(testing_)].result->setText(text);
        FitAnswers();
    });
    connect(&test_, &PortProbeRun::finished, this, [this] {
        testing_ = -1;
        UpdateTestButtons();
    });
    // A transfer may start and end while the dialog is open; the tests wait for it.
    watch_ = new QTimer(this);
    watch_->setInterval(100);
    connect(watch_, &QTimer::timeout, this, &PortDialog::UpdateTestButtons);
    watch_->start();
    UpdateTestButtons();
    ApplyLanguageTable(*this, NewTextTable(language));
    setMinimumWidth(560);
}

void PortDialog::BuildRow(int com, const QString& chosen) {
    ComRow& row = rows_[static_cast<std::size_t>(com)];
    auto* group = new QGroupBox(QStringLiteral("Com %1").arg(com + 1), this);
    group->setObjectName(Numbered("GroupPort", com));
    auto* form = new QFormLayout(group);
    row.list = new QComboBox(group);
    row.list->setObjectName(Numbered("ComboPort", com));
    for (const PortDescription& port : ports_) row.list->addItem(PortLine(port), port.name);
    row.path = new QLineEdit(chosen.trimmed(), group);
    row.path->setObjectName(Numbered("EditPort", com));
    row.test = new QPushButton(QStringLiteral("Test"), group);
    row.test->setObjectName(Numbered("ButtonTest", com));
    row.result = new QLabel(group);
    row.result->setObjectName(Numbered("LabelTest", com));
    row.result->setWordWrap(true);
    row.result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* listLabel = new QLabel(QStringLiteral("System ports:"), group);
    listLabel->setObjectName(Numbered("LabelPortList", com));
    auto* pathLabel = new QLabel(QStringLiteral("Port:"), group);
    pathLabel->setObjectName(Numbered("LabelPortPath", com));
    form->addRow(listLabel, row.list);
    form->addRow(pathLabel, row.path);
    form->addRow(row.test, row.result);
    ListChosen(com);

    connect(row.list, &QComboBox::activated, this, [this, com](int index) {
        ComRow& chosenRow = rows_[static_cast<std::size_t>(com)];
        chosenRow.path->setText(chosenRow.list->itemData(index).toString());
    });
    connect(row.path, &QLineEdit::textEdited, this, [this, com] { ListChosen(com); });
    connect(row.test, &QPushButton::clicked, this, [this, com] { RunTest(com); });
}

// Shows in the list what the field names; a name the system does not list
// (a pseudo-terminal, a port not there now) gets an entry of its own.
void PortDialog::ListChosen(int com) {
    ComRow& row = rows_[static_cast<std::size_t>(com)];
    const QString name = row.path->text().trimmed();
    const int extra = static_cast<int>(ports_.size());
    while (row.list->count() > extra) row.list->removeItem(extra);
    for (int i = 0; i < extra; ++i) {
        if (NamesPort(name, ports_[static_cast<std::size_t>(i)])) {
            row.list->setCurrentIndex(i);
            return;
        }
    }
    if (name.isEmpty()) {
        row.list->setCurrentIndex(-1);
        return;
    }
    const PortText state = QFileInfo::exists(name) ? PortText::NotListed : PortText::CauseMissing;
    row.list->addItem(name + QStringLiteral(": ") + QString::fromUtf8(PortTextOf(state, language_)), name);
    row.list->setCurrentIndex(extra);
}

// A window's layout does not grow it for a label that wraps onto more
// lines: the dialog grows itself, so that no answer loses its last line.
void PortDialog::FitAnswers() {
    layout()->activate();
    const int needed = layout()->totalHeightForWidth(width());
    if (needed > height()) resize(width(), needed);
}

void PortDialog::RunTest(int com) {
    if (test_.Running()) return;
    testing_ = com;
    test_.Start(rows_[static_cast<std::size_t>(com)].path->text(), language_);
    UpdateTestButtons();
}

void PortDialog::UpdateTestButtons() {
    const bool free = !test_.Running() && !(busy_ && busy_());
    for (ComRow& row : rows_) row.test->setEnabled(free);
}

std::array<QString, PortDialog::kComs> PortDialog::Chosen() const {
    std::array<QString, kComs> names;
    for (int com = 0; com < kComs; ++com)
        names[static_cast<std::size_t>(com)] = rows_[static_cast<std::size_t>(com)].path->text().trimmed();
    return names;
}

}  // namespace ign
