#include "history/CompareWindow.h"

#include "DifferenceText.h"
#include "Link.h"
#include "Messages.h"
#include "New.h"
#include "ParameterFile.h"
#include "SideRead.h"
#include "UserSettingsFile.h"
#include "Validation.h"
#include "language/ApplyLanguage.h"
#include "language/NewTexts.h"
#include "logs/MapDifferenceView.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace ign {
namespace {

// The sources in the order of their items, by Source.
constexpr std::array<const char*, 4> kSourceNames{"CompareSourceWindow", "CompareSourceFile",
                                                  "CompareSourceRestorePoint", "CompareSourceUnit"};
constexpr std::array<const char*, 2> kSideNames{"CompareFirst", "CompareSecond"};

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The other side's value of a difference, as the window is to take it.
Difference Mirrored(Difference difference) {
    std::swap(difference.before, difference.after);
    std::swap(difference.valueBefore, difference.valueAfter);
    return difference;
}

}  // namespace

CompareWindow::CompareWindow(Owner owner, QWidget* parent)
    : QWidget(parent, Qt::Window), owner_(std::move(owner)) {
    setObjectName(QStringLiteral("CompareWindow"));
    BuildControls();
    listener_ = owner_.document.Listen([this](const ParameterChange&) {
        if (sides_[0].source == Source::Window || sides_[1].source == Source::Window) Compare();
    });
    Retranslate(owner_.language());
}

CompareWindow::~CompareWindow() {
    if (read_ != nullptr) EndUnitRead(false);
    owner_.document.StopListening(listener_);
}

// Each side: where its set comes from, and the file's path.
QHBoxLayout* CompareWindow::MakeSidesRow() {
    auto* sidesRow = new QHBoxLayout;
    for (std::size_t i = 0; i < sides_.size(); ++i) {
        auto* group = new QGroupBox(this);
        group->setObjectName(QString::fromLatin1(kSideNames[i]));
        auto* inside = new QVBoxLayout(group);
        sources_[i] = new QComboBox(group);
        sources_[i]->setObjectName(QStringLiteral("CompareSource%1").arg(i + 1));
        for (std::size_t item = 0; item < kSourceNames.size(); ++item) sources_[i]->addItem(QString());
        paths_[i] = new QLabel(group);
        paths_[i]->setObjectName(QStringLiteral("ComparePath%1").arg(i + 1));
        paths_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        inside->addWidget(sources_[i]);
        inside->addWidget(paths_[i]);
        sidesRow->addWidget(group, 1);
        const int side = static_cast<int>(i);
        connect(sources_[i], &QComboBox::activated, this,
                [this, side](int index) { SourceChosen(side, index); });
    }
    return sidesRow;
}

void CompareWindow::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(MakeSidesRow());

    auto* statusRow = new QHBoxLayout;
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("CompareStatus"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("CompareProgress"));
    progress_->setRange(0, Link::kProgressMax);
    progress_->setTextVisible(false);
    progress_->hide();
    statusRow->addWidget(status_, 1);
    statusRow->addWidget(progress_);
    layout->addLayout(statusRow);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    list_ = new QListWidget(splitter);
    list_->setObjectName(QStringLiteral("CompareList"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* mapGroup = new QGroupBox(splitter);
    mapGroup->setObjectName(QStringLiteral("CompareMapTitle"));
    auto* mapLayout = new QVBoxLayout(mapGroup);
    map_ = new MapDifferenceView(mapGroup);
    mapLayout->addWidget(map_);
    splitter->addWidget(list_);
    splitter->addWidget(mapGroup);
    // The lines are long ("Injection map, 40 % × 8 000 rpm: 104 % → 108 %"): they get the larger part.
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({500, 540});
    layout->addWidget(splitter, 1);

    auto* buttons = new QHBoxLayout;
    take_ = new QPushButton(this);
    take_->setObjectName(QStringLiteral("CompareTake"));
    takeAll_ = new QPushButton(this);
    takeAll_->setObjectName(QStringLiteral("CompareTakeAll"));
    auto* close = new QPushButton(this);
    close->setObjectName(QStringLiteral("CompareClose"));
    buttons->addWidget(take_);
    buttons->addWidget(takeAll_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(take_, &QPushButton::clicked, this, &CompareWindow::TakeSelected);
    connect(takeAll_, &QPushButton::clicked, this, &CompareWindow::TakeAll);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        const int row = list_->currentRow();
        const bool cell = row >= 0 && static_cast<std::size_t>(row) < differences_.size() &&
                          differences_[static_cast<std::size_t>(row)].param == Param::JET;
        map_->Select(cell ? std::optional{differences_[static_cast<std::size_t>(row)].point} : std::nullopt);
        take_->setEnabled(!Reading() && !list_->selectedItems().isEmpty());
    });
    connect(map_, &MapDifferenceView::cellClicked, this, [this](int point) {
        for (std::size_t i = 0; i < differences_.size(); ++i)
            if (differences_[i].param == Param::JET && differences_[i].point == point)
                list_->setCurrentRow(static_cast<int>(i));
    });
    resize(1100, 560);
}

QString CompareWindow::Text(const char* object) const { return NewTextOf(object, language_); }

QString CompareWindow::RestorePointFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/ignition-programmer/history");
}

void CompareWindow::Retranslate(std::uint8_t language) {
    language_ = language;
    ApplyLanguageTable(*this, NewTextTable(language));
    for (QComboBox* box : sources_)
        for (std::size_t item = 0; item < kSourceNames.size(); ++item)
            box->setItemText(static_cast<int>(item), Text(kSourceNames[item]));
    ShowSources();
    Compare();
}

void CompareWindow::Open() {
    if (!isVisible()) {
        for (std::size_t side = 0; side < sides_.size(); ++side) {
            if (sides_[side].source != Source::Unit) continue;
            SetSide(static_cast<int>(side), Source::Unit);
            break;  // one read at a time
        }
    }
    show();
    raise();
    activateWindow();
}

void CompareWindow::CompareWithWindow(const QString& path) {
    SetSide(0, Source::RestorePoint, path);
    SetSide(1, Source::Window);
    show();
    raise();
    activateWindow();
}

bool CompareWindow::SetSide(int side, Source source, const QString& path) {
    if (Reading()) return false;
    Side& chosen = sides_[static_cast<std::size_t>(side)];
    bool taken = true;
    if (source == Source::Window) {
        chosen = Side{};
    } else if (source == Source::Unit) {
        taken = StartUnitRead(side);
    } else {
        taken = LoadFile(chosen, source, path);
    }
    ShowSources();
    // What could not be had leaves the side as it was, and its reason on show.
    if (taken) Compare();
    return taken;
}

void CompareWindow::SourceChosen(int side, int index) {
    const auto source = static_cast<Source>(index);
    QString path;
    if (source == Source::File || source == Source::RestorePoint) {
        if (chooser_) {
            path = chooser_(source);
        } else {
            const QString folder = source == Source::RestorePoint
                                       ? RestorePointFolder()
                                       : sides_[static_cast<std::size_t>(side)].path;
            path = QFileDialog::getOpenFileName(this, Text(kSourceNames[static_cast<std::size_t>(index)]),
                                                folder,
                                                QStringLiteral("Ignition Parametrs(*.ign);;All Files (*.*)"),
                                                nullptr, QFileDialog::DontUseNativeDialog);
        }
        if (path.isEmpty()) {
            ShowSources();  // cancelled: the side stays what it was
            return;
        }
    }
    SetSide(side, source, path);
}

bool CompareWindow::LoadFile(Side& side, Source source, const QString& path) {
    Side loaded{source, QFileInfo(path).absoluteFilePath(), {}, true, {}};
    // Under the file, the set a first start has, as the command line reads a file.
    ApplyMachineDefaults(loaded.set);
    if (!LoadParameterFile(FileSystemPath(path), loaded.set)) {
        Say(Text("CompareFileError").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    ValidateParameters(loaded.set);
    side = loaded;
    return true;
}

bool CompareWindow::StartUnitRead(int side) {
    if (!owner_.link.idle()) {
        Say(Text("CompareUnitBusy"));
        return false;
    }
    if (owner_.line() == nullptr) {
        Say(Text("CompareNoPort"));
        return false;
    }
    // The window's link goes without its line while the read has it, so the
    // two never take each other's answers.
    loan_ = owner_.lend();
    if (!loan_) {
        Say(Text("CompareUnitBusy"));
        return false;
    }
    Side& reading = sides_[static_cast<std::size_t>(side)];
    reading = Side{Source::Unit, {}, {}, false, {}};
    readSide_ = side;
    read_ = std::make_unique<SideRead>(reading.set, &loan_);
    progress_->setValue(0);
    progress_->show();
    ReadTick();
    return true;
}

void CompareWindow::ShowUnitChoice() {
    const bool available = !Reading() && owner_.link.idle() && owner_.line() != nullptr;
    if (available == unitAvailable_) return;
    unitAvailable_ = available;
    for (QComboBox* box : sources_)
        if (auto* items = qobject_cast<QStandardItemModel*>(box->model()))
            items->item(static_cast<int>(Source::Unit))->setEnabled(available);
}

void CompareWindow::ReadTick() {
    ShowUnitChoice();
    if (read_ == nullptr) return;
    // The port was changed or closed, so the line lent is gone; or the window
    // started a command of its own: it has the line back at once and sends its
    // request again within a few ticks.
    if (loan_.Line() == nullptr || !owner_.link.idle()) {
        EndUnitRead(false);
        return;
    }
    read_->tick();
    const LinkDisplay& display = read_->link().display();
    progress_->setValue(display.progress);
    if (display.status) Say(FromView(MessageText(*display.status, language_)));
    if (read_->outcome() != SideRead::Outcome::Running)
        EndUnitRead(read_->outcome() == SideRead::Outcome::Completed);
}

void CompareWindow::EndUnitRead(bool completed) {
    loan_.Return();
    if (completed) emit unitIdentified(QString::fromStdString(read_->link().identification().version));
    read_.reset();
    progress_->hide();
    Side& side = sides_[static_cast<std::size_t>(readSide_)];
    if (completed) {
        side.ready = true;
        side.readAt = QTime::currentTime();
        Say(QString());
    } else {
        side = Side{};
        Say(FromView(MessageText(MessageId::ReadError, language_)));
    }
    ShowSources();
    Compare();
}

const ParameterSet& CompareWindow::SetOf(const Side& side) const {
    return side.source == Source::Window ? owner_.document.Parameters() : side.set;
}

void CompareWindow::ShowSources() {
    for (std::size_t i = 0; i < sides_.size(); ++i) {
        const QSignalBlocker quiet(sources_[i]);
        sources_[i]->setCurrentIndex(static_cast<int>(sides_[i].source));
        sources_[i]->setEnabled(!Reading());
        // The unit is named with the time it was read: it may hold something else by now.
        const bool unitRead = sides_[i].source == Source::Unit && sides_[i].ready;
        paths_[i]->setText(
            unitRead ? Text("CompareUnitReadAt").arg(sides_[i].readAt.toString(QStringLiteral("HH:mm:ss")))
                     : QDir::toNativeSeparators(sides_[i].path));
        paths_[i]->setToolTip(paths_[i]->text());
    }
}

void CompareWindow::Compare() {
    differences_.clear();
    list_->clear();
    if (sides_[0].ready && sides_[1].ready) {
        differences_ = FindDifferences(SetOf(sides_[0]), SetOf(sides_[1]));
        const DifferenceCaptions& captions = DifferenceCaptionsFor(language_);
        for (const Difference& difference : differences_)
            list_->addItem(QString::fromStdString(FormatDifference(difference, captions)));
        if (!Reading())
            Say(differences_.empty() ? Text("CompareSame")
                                     : Text("CompareCount").arg(static_cast<qsizetype>(differences_.size())));
    }
    map_->Show(SetOf(sides_[0]).injection, differences_);
    map_->Select(std::nullopt);
    take_->setEnabled(false);
    takeAll_->setEnabled(!Reading() && !differences_.empty());
}

void CompareWindow::TakeSelected() {
    std::vector<Difference> chosen;
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->isSelected()) chosen.push_back(differences_[static_cast<std::size_t>(row)]);
    Take(chosen);
}

void CompareWindow::TakeAll() { Take(std::vector<Difference>(differences_)); }

void CompareWindow::Take(const std::vector<Difference>& chosen) {
    if (chosen.empty() || Reading()) return;
    // Into the window the other side's value; with the window on neither side, the second set's.
    const bool windowSecond = sides_[1].source == Source::Window && sides_[0].source != Source::Window;
    owner_.document.Apply(ChangeCause::Take, [&](ParameterSet& set) {
        for (const Difference& difference : chosen)
            TakeDifference(set, windowSecond ? Mirrored(difference) : difference);
        ValidateParameters(set);
        return true;
    });
}

void CompareWindow::Say(const QString& text) { status_->setText(text); }

void CompareWindow::closeEvent(QCloseEvent* event) {
    if (Reading()) EndUnitRead(false);
    QWidget::closeEvent(event);
}

}  // namespace ign
