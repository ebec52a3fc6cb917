#pragma once

#include <QString>

class QWidget;

namespace ign {

// Gives a control its hint: the long part (after the first "|") goes to the
// status line; the short part becomes a tooltip only where `withTooltip` says
// so, because only a few controls show tooltips.
enum class Tooltip : bool { No, Yes };
void SetHint(QWidget& control, const char* hint, Tooltip withTooltip);

}  // namespace ign
