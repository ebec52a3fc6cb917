#include "window/Hint.h"

#include "language/ApplyLanguage.h"

#include <QWidget>
#include <string_view>

namespace ign {

void SetHint(QWidget& control, const char* hint, Tooltip withTooltip) {
    const HintParts parts = SplitHint(std::string_view(hint));
    control.setStatusTip(parts.status);
    if (withTooltip == Tooltip::Yes) control.setToolTip(parts.tooltip);
}

}  // namespace ign
