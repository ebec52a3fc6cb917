#include "app/AboutText.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>

namespace ign {
namespace {

struct AboutLines {
    const char* title;
    const char* contact;
};

constexpr std::array<AboutLines, 3> kAbout{{
    {"Programm for setting of ignition", "Contakt:"},
    {"Program pro nastavování zapalování", "Kontakt:"},
    {"Program für Adjustierung der Zündung", "Kontakt:"},
}};

}  // namespace

QString AboutText(std::uint8_t languageCode, const char* buildDate, const char* buildTime) {
    const AboutLines& lines = kAbout[languageCode < kAbout.size() ? languageCode : 0];
    const QStringList text{
        QString::fromUtf8(lines.title),
        QString(),
        QString::fromLatin1(buildDate),
        QString(),
        QString::fromLatin1(buildTime),
        QString(),
        QStringLiteral("Ignition Programmer %1").arg(QStringLiteral(IGN_VERSION)),
        QString(),
        QString::fromUtf8(lines.contact),
        QStringLiteral("Documentation: README.md in the program's source tree"),
        QStringLiteral("Scripts and batches: ignition-cli --help"),
        QStringLiteral("Trying without a unit: ignition-unit-sim --help"),
    };
    // Every line ends with a line break, the last one too.
    return text.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace ign
