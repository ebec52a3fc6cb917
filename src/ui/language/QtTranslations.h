#pragma once

#include <QObject>
#include <QStringList>
#include <cstdint>

class QTranslator;

namespace ign {

// Qt's own texts in the window's language: the file dialogs, the overwrite
// question, the buttons of message boxes. They come from Qt's translation
// files, looked for beside the program first (where an installer puts them)
// and then where the system keeps Qt's. Without a file the texts stay English.
class QtTranslations : public QObject {
    Q_OBJECT

public:
    explicit QtTranslations(QObject* parent);

    // The language code of the window (0 English, 1 Czech, 2 German); any
    // other code gives Qt's English.
    void Use(std::uint8_t languageCode);
    // Where the translation files are looked for, in this order.
    static QStringList Folders();

private:
    QTranslator* translator_ = nullptr;  // installed while it holds a language
    std::uint8_t code_ = 0;
};

}  // namespace ign
