#pragma once

#include <QObject>
#include <QString>

namespace ign {

// One of the program's own message texts. It lives in the window as an object
// named as the language tables name it, so a table switches it like any
// caption, and it holds the current language's text until a message shows it.
// It starts with the English text, which stays where no table is applied.
class OwnText : public QObject {
    Q_OBJECT

public:
    OwnText(const char* name, const char* english, QObject* parent);

    const QString& text() const { return text_; }
    void setText(const QString& text) { text_ = text; }

private:
    QString text_;
};

}  // namespace ign
