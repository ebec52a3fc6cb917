#include "language/ApplyLanguage.h"

#include "language/OwnText.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QWidget>

namespace ign {
namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QObject* FindTarget(QWidget& window, std::string_view name) {
    const QString qname = ToQString(name);
    if (window.objectName() == qname) return &window;
    return window.findChild<QObject*>(qname);
}

// The tab widget that shows `page`, if any: a page sits in the tab widget's internal stack.
QTabWidget* TabWidgetOf(QWidget& page) {
    for (QWidget* w = page.parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) return tabs->indexOf(&page) >= 0 ? tabs : nullptr;
    }
    return nullptr;
}

void SetCaption(QObject& target, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(&target)) {
        action->setText(text);
    } else if (auto* menu = qobject_cast<QMenu*>(&target)) {
        menu->setTitle(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(&target)) {
        group->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&target)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(&target)) {
        label->setText(text);
    } else if (auto* page = qobject_cast<QWidget*>(&target)) {
        if (QTabWidget* tabs = TabWidgetOf(*page)) tabs->setTabText(tabs->indexOf(page), text);
    }
}

// Menus and menu items have no tooltips; a menu's status text belongs to the action that stands for it
// in the menu bar.
void SetStatusTip(QObject& target, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(&target)) {
        action->setStatusTip(text);
    } else if (auto* menu = qobject_cast<QMenu*>(&target)) {
        menu->menuAction()->setStatusTip(text);
    } else if (auto* widget = qobject_cast<QWidget*>(&target)) {
        widget->setStatusTip(text);
    }
}

void SetHint(QObject& target, std::string_view hint, bool withTooltip) {
    const HintParts parts = SplitHint(hint);
    SetStatusTip(target, parts.status);
    if (!withTooltip) return;
    auto* widget = qobject_cast<QWidget*>(&target);
    if (widget != nullptr && qobject_cast<QMenu*>(&target) == nullptr) widget->setToolTip(parts.tooltip);
}

void SetCheckMark(QObject& target, bool on) {
    if (auto* action = qobject_cast<QAction*>(&target)) {
        action->setCheckable(true);
        action->setChecked(on);
    }
}

void Apply(QObject& target, const TextAssignment& assignment) {
    switch (assignment.target) {
        case TextTarget::WindowTitle:
            if (auto* widget = qobject_cast<QWidget*>(&target))
                widget->setWindowTitle(ToQString(assignment.text));
            break;
        case TextTarget::MenuTitle:
        case TextTarget::ActionText:
        case TextTarget::Caption:
        case TextTarget::RadioItems:
            SetCaption(target, ToQString(assignment.text));
            break;
        case TextTarget::Hint:
            SetHint(target, assignment.text, true);
            break;
        case TextTarget::StatusHint:
            SetHint(target, assignment.text, false);
            break;
        case TextTarget::CheckMark:
            SetCheckMark(target, assignment.text == kCheckOn);
            break;
        case TextTarget::Message:
            if (auto* own = qobject_cast<OwnText*>(&target)) own->setText(ToQString(assignment.text));
            break;
    }
}

}  // namespace

HintParts SplitHint(std::string_view hint) {
    const auto bar = hint.find('|');
    if (bar == std::string_view::npos) return {ToQString(hint), ToQString(hint)};
    return {ToQString(hint.substr(0, bar)), ToQString(hint.substr(bar + 1))};
}

std::uint8_t ApplyLanguageTable(QWidget& window, const LanguageTable& table) {
    for (const TextAssignment& assignment : table.assignments) {
        // A name of the specified tables the window lacks is a mistake the language tests catch; a new
        // text's object is there once its feature is.
        if (QObject* target = FindTarget(window, assignment.object)) Apply(*target, assignment);
    }
    return table.code;
}

}  // namespace ign
