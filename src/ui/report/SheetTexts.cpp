#include "report/SheetTexts.h"

#include "language/Jazyk1.h"
#include "language/Jazyk2.h"
#include "language/Jazyk3.h"
#include "language/NewTexts.h"

#include <optional>

namespace ign {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const LanguageTable& TableOf(std::uint8_t language) {
    switch (language) {
        case 1:
            return CzechTable();
        case 2:
            return GermanTable();
        default:
            return EnglishTable();
    }
}

bool IsCaption(TextTarget target) {
    return target != TextTarget::Hint && target != TextTarget::StatusHint && target != TextTarget::CheckMark;
}

// The text of a key in one table: a caption, or failing that the status part of a hint.
std::optional<QString> Find(const LanguageTable& table, std::string_view key) {
    std::optional<QString> hint;
    for (const TextAssignment& a : table.assignments) {
        if (a.object != key) continue;
        if (IsCaption(a.target)) return FromUtf8(a.text);
        if (!hint && a.target != TextTarget::CheckMark) {
            const auto bar = a.text.find('|');
            hint = FromUtf8(bar == std::string_view::npos ? a.text : a.text.substr(bar + 1));
        }
    }
    return hint;
}

// "&Read" → "Read", "A&&B" → "A&B".
QString WithoutAccessKeys(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

}  // namespace

QString SheetCaption(std::string_view key, std::uint8_t language) {
    for (const std::uint8_t code : {language, std::uint8_t{0}}) {
        if (auto text = Find(TableOf(code), key)) return WithoutAccessKeys(*text);
        if (auto text = Find(NewTextTable(code), key)) return WithoutAccessKeys(*text);
    }
    return {};
}

QString SheetTextOf(const SheetText& text, std::uint8_t language) {
    if (text.key.empty()) return QString::fromStdString(text.literal);
    QString caption = SheetCaption(text.key, language) + QString::fromStdString(text.literal);
    for (const std::string& arg : text.args) caption = caption.arg(QString::fromStdString(arg));
    return caption;
}

}  // namespace ign
