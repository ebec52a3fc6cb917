#include "language/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ign {
namespace {

// The name of Qt's file for a language code; empty for English and unknown codes.
QString FileFor(std::uint8_t code) {
    switch (code) {
        case 1:
            return QStringLiteral("qtbase_cs");
        case 2:
            return QStringLiteral("qtbase_de");
        default:
            return {};
    }
}

}  // namespace

QtTranslations::QtTranslations(QObject* parent) : QObject(parent), translator_(new QTranslator(this)) {}

QStringList QtTranslations::Folders() {
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

void QtTranslations::Use(std::uint8_t languageCode) {
    // The same language again: nothing to load, and no widget needs to retranslate.
    if (languageCode == code_ && (code_ == 0 || !translator_->isEmpty())) return;
    code_ = languageCode;
    QCoreApplication::removeTranslator(translator_);
    const QString file = FileFor(languageCode);
    if (file.isEmpty()) return;
    for (const QString& folder : Folders()) {
        if (translator_->load(file, folder)) {
            QCoreApplication::installTranslator(translator_);
            return;
        }
    }
}

}  // namespace ign
