#pragma once

// A PDF looked at with poppler's tools (poppler-utils, which scripts/setup
// installs), as a reader of the file would see it: its text, its pages and
// its pixels.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace pdf {

inline bool ToolsThere() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

// A Windows program (under Wine) has no poppler of its own to read its PDF with: there the
// reading is left out and said so; everywhere else the tools are a must.
#if defined(_WIN32)
#define IGN_NEED_PDF_TOOLS() \
    if (!pdf::ToolsThere()) QSKIP("Windows has no pdftotext or pdftoppm to read the PDF with")
#else
#define IGN_NEED_PDF_TOOLS() \
    QVERIFY2(pdf::ToolsThere(), "pdftotext and pdftoppm (poppler-utils, see scripts/setup) are needed")
#endif

inline QByteArray Run(const QString& tool, const QStringList& args) {
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return process.readAllStandardOutput();
}

// The text in the order it was drawn, blanks and line ends each made one blank.
inline QString Text(const QString& file) {
    const QString raw =
        QString::fromUtf8(Run(QStringLiteral("pdftotext"), {"-raw", "-enc", "UTF-8", file, "-"}));
    return raw.simplified();
}

// "Pages:" and "Page size:" of pdfinfo.
struct Info {
    int pages = 0;
    QString pageSize;  // "595 x 842 pts (A4)"
};
inline Info InfoOf(const QString& file) {
    const QString text = QString::fromUtf8(Run(QStringLiteral("pdfinfo"), {file}));
    Info info;
    const auto pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(text);
    if (pages.hasMatch()) info.pages = pages.captured(1).toInt();
    const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([^\\n]+)")).match(text);
    if (size.hasMatch()) info.pageSize = size.captured(1).trimmed();
    return info;
}

// One page rendered at `dpi`, in colour or in the grey a black-and-white printout has.
inline QImage Render(const QString& file, int page, int dpi, bool grey) {
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    QStringList args{"-r", QString::number(dpi),  "-f",  QString::number(page),
                     "-l", QString::number(page), "-png"};
    if (grey) args << "-gray";
    args << file << stem;
    Run(QStringLiteral("pdftoppm"), args);
    // pdftoppm numbers the file by the page, with as many digits as the last page has.
    for (const QString& name : QDir(dir.path()).entryList({QStringLiteral("page-*.png")}))
        return QImage(dir.filePath(name));
    return {};
}

}  // namespace pdf
