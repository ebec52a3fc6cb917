#include "FieldTyping.h"

#include <algorithm>
#include <cmath>

namespace ign {

const EditorField* FindEditorField(Param param, int point) {
    const auto& fields = EditorFields();
    const auto found = std::find_if(fields.begin(), fields.end(), [&](const EditorField& f) {
        return f.param == param && f.point == point;
    });
    return found == fields.end() ? nullptr : &*found;
}

Byte TypedFieldByte(const EditorField& field, long long typed) {
    return FieldToByte(field, static_cast<int>(std::clamp<long long>(typed, field.min, field.max)));
}

std::optional<Byte> DraggedFieldByte(Param param, int point, double userValue) {
    const EditorField* field = FindEditorField(param, point);
    if (field == nullptr || std::isnan(userValue)) return std::nullopt;
    // Clamped before rounding so that an infinity or a huge value cannot overflow llround.
    const double inRange = std::clamp(userValue, double(field->min), double(field->max));
    return TypedFieldByte(*field, std::llround(inRange));
}

}  // namespace ign
