#pragma once

class QMainWindow;

namespace ign {

// Where a button's access key repeats that of a top-level menu (Czech "&Soubor"
// and "Čí&st" both claim Alt+S), Qt would treat the key as ambiguous and do
// nothing. The menu bar keeps the key; the button loses only its Alt shortcut,
// its command stays on the function key. Run after every change of captions.
void GiveMenuBarTheAccessKeys(QMainWindow& window);

}  // namespace ign
