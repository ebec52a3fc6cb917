#include "language/OwnText.h"

namespace ign {

OwnText::OwnText(const char* name, const char* english, QObject* parent)
    : QObject(parent), text_(QString::fromUtf8(english)) {
    setObjectName(QString::fromLatin1(name));
}

}  // namespace ign
