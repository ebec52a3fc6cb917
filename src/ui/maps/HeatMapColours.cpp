#include "maps/HeatMapColours.h"

#include "ParameterDocument.h"
#include "maps/HeatPalette.h"
#include "pages/FieldBox.h"
#include "window/EditorBinding.h"

#include <QLineEdit>
#include <algorithm>

namespace ign {
namespace {

bool IsPercentField(Param param) {
    return param == Param::JET || param == Param::KOR_23 || param == Param::WATER || param == Param::AIR;
}

}  // namespace

HeatMapColours::HeatMapColours(const EditorBinding& editors, ParameterDocument& document, QObject* parent)
    : QObject(parent) {
    const std::vector<EditorField>& all = EditorFields();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!IsPercentField(all[i].param)) continue;
        FieldBox* box = editors.Fields()[i];
        fields_.push_back(box);
        connect(box->TextBox(), &QLineEdit::textChanged, this, [this, box] { Recolour(*box); });
    }
    // A refresh writes the fields with their signals blocked; the step that follows tells.
    document.Listen([this](const ParameterChange&) { RecolourAll(); });
}

void HeatMapColours::SetEnabled(bool on) {
    enabled_ = on;
    RecolourAll();
}

void HeatMapColours::RecolourAll() {
    for (FieldBox* box : fields_) Recolour(*box);
}

void HeatMapColours::Recolour(FieldBox& box) {
    // The number as shown, half-typed text included; a number beyond the range
    // is taken as its limit, as the field takes it.
    bool ok = false;
    const int shown = box.TextBox()->text().trimmed().toInt(&ok);
    std::optional<int> percent;
    if (enabled_ && ok) percent = std::clamp(shown, box.minimum(), box.maximum());
    PaintHeat(box, percent);
}

}  // namespace ign
