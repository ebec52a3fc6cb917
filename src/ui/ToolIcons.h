#pragma once

#include <QIcon>

namespace ign {

// The tool buttons' images and the window icon, drawn in code so that they stay
// sharp at any scale and need no image files.
QIcon NewIcon();
QIcon OpenIcon();
QIcon SaveIcon();
QIcon PrintIcon();
QIcon WindowIcon();

}  // namespace ign
