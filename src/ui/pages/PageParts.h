#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QString>

namespace ign {

// Small builders shared by the page units; a null name leaves the control unnamed.
inline QLabel* MakeLabel(QWidget* parent, const char* text, const char* name = nullptr) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    if (name != nullptr) label->setObjectName(QString::fromLatin1(name));
    return label;
}

inline QGroupBox* MakeGroup(QWidget* parent, const char* name, const char* title) {
    auto* group = new QGroupBox(QString::fromUtf8(title), parent);
    if (name != nullptr) group->setObjectName(QString::fromLatin1(name));
    return group;
}

// Hidden without the controls around it moving into its place.
inline void KeepRoomWhenHidden(QWidget& widget) {
    QSizePolicy policy = widget.sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget.setSizePolicy(policy);
}

// The fixed speed headings of the injection position and correction rows.
inline constexpr const char* kSpeedHeadings[10] = {"1 000", "2 000",  "3 000",  "4 000",  "6 000",
                                                   "8 000", "10 000", "12 000", "14 000", "16 000"};

}  // namespace ign
