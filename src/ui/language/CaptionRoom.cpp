#include "language/CaptionRoom.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <map>
#include <string_view>
#include <vector>

namespace ign {
namespace {

QString TextOf(const QWidget& control) {
    if (const auto* group = qobject_cast<const QGroupBox*>(&control)) return group->title();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
    return qobject_cast<const QLabel*>(&control)->text();
}

void SetTextOf(QWidget& control, const QString& text) {
    if (auto* group = qobject_cast<QGroupBox*>(&control))
        group->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(&control))
        button->setText(text);
    else
        qobject_cast<QLabel*>(&control)->setText(text);
}

}  // namespace

void ReserveRoom(QWidget& control, std::span<const std::string_view> captions) {
    if (QLayout* layout = control.layout()) layout->invalidate();
    const QString shown = TextOf(control);
    int widest = control.minimumSizeHint().width();
    for (std::string_view caption : captions) {
        SetTextOf(control, QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
        widest = std::max(widest, control.minimumSizeHint().width());
    }
    SetTextOf(control, shown);
    control.setMinimumWidth(widest);
}

void ReserveRoomForEveryCaption(QWidget& window, std::initializer_list<const LanguageTable*> tables) {
    std::map<std::string_view, std::vector<std::string_view>> captions;
    for (const LanguageTable* table : tables)
        for (const TextAssignment& a : table->assignments)
            if (a.target == TextTarget::Caption || a.target == TextTarget::RadioItems)
                captions[a.object].push_back(a.text);

    // Groups last: a group is as wide as its contents too, and they must have
    // their room before the group is measured.
    std::vector<std::pair<QGroupBox*, const std::vector<std::string_view>*>> groups;
    for (const auto& [name, texts] : captions) {
        auto* control =
            window.findChild<QWidget*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        if (auto* group = qobject_cast<QGroupBox*>(control))
            groups.emplace_back(group, &texts);
        else if (qobject_cast<QLabel*>(control) != nullptr ||
                 qobject_cast<QAbstractButton*>(control) != nullptr)
            ReserveRoom(*control, texts);
    }
    for (const auto& [group, texts] : groups) ReserveRoom(*group, *texts);
}

}  // namespace ign
