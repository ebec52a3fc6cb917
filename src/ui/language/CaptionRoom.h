#pragma once

#include "language/LanguageTable.h"

#include <initializer_list>
#include <span>
#include <string_view>

class QWidget;

namespace ign {

// Gives every label, button and group whose caption the tables set the width
// of its widest caption in any of them, so that switching the language moves
// nothing: the controls beside and below a caption keep their places, and the
// window's size that shows everything is the same in every language.
void ReserveRoomForEveryCaption(QWidget& window, std::initializer_list<const LanguageTable*> tables);

// The same for one label, button or group and the texts (UTF-8) it may show.
void ReserveRoom(QWidget& control, std::span<const std::string_view> texts);

}  // namespace ign
