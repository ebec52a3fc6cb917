#pragma once

#include <QIcon>

namespace ign {

// The tool buttons' images, drawn in code so that they stay sharp at any scale
// and need no image files.
QIcon NewIcon();
QIcon OpenIcon();
QIcon SaveIcon();
QIcon PrintIcon();
// The program's own mark, from the PNG sizes of the desktop icon built into the
// program, so the window and the desktop menu show the same picture.
QIcon WindowIcon();

}  // namespace ign
