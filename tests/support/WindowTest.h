#pragma once

#include "app/Application.h"
#include "window/Hlav.h"

#include <QLocale>
#include <QString>
#include <QTest>
#include <QWidget>
#include <functional>

// A control of the window by its objectName, as a test reaches the controls
// a user sees. A missing one ends the run: every later step would fail on it.
template <typename T = QWidget>
T* ControlOf(const QWidget& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) qFatal("no control %s", name);
    return child;
}

// Puts bytes into the window's set as a stored set comes back: one step
// around validation and the editors, shown unless the test says otherwise.
inline void Restore(ign::TFormHlav& window, const std::function<void(ign::ParameterSet&)>& change,
                    ign::ParameterDocument::Show show = ign::ParameterDocument::Show::Refresh) {
    window.Document().Apply(
        ign::ChangeCause::Restore,
        [&change](ign::ParameterSet& set) {
            change(set);
            return true;
        },
        show);
}

// main() of a window test: digits grouped alike on every machine, and the
// program's own application object, so that an error escaping a handler is
// shown the way the program shows it.
#define IGN_WINDOW_TEST_MAIN(TestClass)                                        \
    int main(int argc, char** argv) {                                          \
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); \
        ign::Application app(argc, argv);                                      \
        TestClass test;                                                        \
        return QTest::qExec(&test, argc, argv);                                \
    }
