#include "EditorBindings.h"

namespace ign {

namespace {

void Expand(const FieldSeries& s, std::vector<EditorField>& out) {
    for (int i = 0; i < s.count; ++i) {
        EditorField f;
        if (s.firstNumber < 0) {
            f.edit = std::string(s.editName);
            f.upDown = std::string(s.upDownName);
        } else {
            const std::string number = std::to_string(s.firstNumber + i);
            f.edit = std::string(s.editName) + number;
            f.upDown = std::string(s.upDownName) + number;
        }
        f.param = s.param;
        f.point = s.firstPoint + i;
        f.min = s.min;
        f.max = i == s.count - 1 ? s.lastMax : s.max;
        f.increment = s.increment;
        f.conversion = s.conversion;
        f.page = s.page;
        out.push_back(std::move(f));
    }
}

std::vector<EditorField> Build() {
    std::vector<EditorField> fields;
    for (const auto& s : kFieldTable) Expand(s, fields);
    return fields;
}

}  // namespace

const std::vector<EditorField>& EditorFields() {
    static const std::vector<EditorField> fields = Build();
    return fields;
}

}  // namespace ign
