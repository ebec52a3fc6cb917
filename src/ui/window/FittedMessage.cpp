#include "window/FittedMessage.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace ign {
namespace {

// `text` with each line broken at blanks into lines no wider than `width`
// where it can be. The breaks are line separators, so each paragraph stays one.
QString WrappedAtBlanks(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList paragraphs;
    for (const QString& paragraph : text.split(u'\n')) {
        QString wrapped;
        QString line;
        for (const QString& word : paragraph.split(u' ')) {
            const QString longer = line.isEmpty() ? word : line + u' ' + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
                wrapped += line + QChar(QChar::LineSeparator);
                line = word;
            } else {
                line = longer;
            }
        }
        paragraphs << wrapped + line;
    }
    return paragraphs.join(u'\n');
}

}  // namespace

void SetInformativeText(QMessageBox& box, const QString& informative, int screenWidth) {
    box.setInformativeText(informative);
    // Qt's own name for the label, the same in every Qt 6.
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
    if (label == nullptr || informative.isEmpty()) return;
    box.ensurePolished();
    const QFontMetrics metrics = label->fontMetrics();
    const QString wrapped =
        WrappedAtBlanks(informative, metrics, std::min(metrics.averageCharWidth() * 80, screenWidth * 3 / 4));
    int longest = 0;
    for (const QString& line : wrapped.split(QRegularExpression(QStringLiteral("[\\n\\x{2028}]"))))
        longest = std::max(longest, metrics.horizontalAdvance(line));
    box.setInformativeText(wrapped);
    label->setMinimumWidth(std::min(longest + 2, screenWidth));
}

}  // namespace ign
