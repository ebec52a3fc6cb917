#pragma once

#include <QString>

class QMessageBox;

namespace ign {

// Puts `informative` under a message box's text so that no line is broken in
// the middle of a word: Qt would break a long line wherever it may, a path
// after any "/" too ("/dev/" and "ttyS0" on two lines). The lines are broken
// at blanks instead, no wider than a comfortable reading width (a word wider
// than that keeps a line of its own), and the box is made as wide as the
// longest of them, within `screenWidth`.
void SetInformativeText(QMessageBox& box, const QString& informative, int screenWidth);

}  // namespace ign
