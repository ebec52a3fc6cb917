#pragma once

#include "ThrowawaySettings.h"
#include "Tick.h"
#include "WindowTest.h"
#include "window/Hlav.h"

#include <QLabel>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

// What a window test keeps from one test function to the next: a settings
// folder of its own and the window, both gone when the function ends
// (cleanup() calls Close()), the window's controls by name, and a clock for
// the window's port that the test moves on instead of waiting.
class WindowFixture {
protected:
    std::unique_ptr<ThrowawaySettings> settings;
    std::unique_ptr<ign::TFormHlav> w;
    std::int64_t portNow = 0;  // ms of the port's clock once UsePortClock() gave it to the window

    template <typename T = QWidget>
    T* Get(const char* name) {
        return ControlOf<T>(*w, name);
    }
    // What the link's status label says.
    QString Status() { return Get<QLabel>("LabelHlaseni")->text(); }
    void Close() {
        w.reset();
        settings.reset();
        portNow = 0;
    }
    // The port's retries and its protocol watch go by portNow from here on.
    void UsePortClock() {
        w->SetPortClock([this] { return portNow; });
    }
    // ms of the window's timer, tick by tick, the port's clock moved along;
    // eachTick runs before every tick.
    void Pass(int ms, const std::function<void()>& eachTick = {}) {
        for (int passed = 0; passed < ms; passed += ign::kTickMs) {
            portNow += ign::kTickMs;
            if (eachTick) eachTick();
            w->Timer1Timer();
        }
    }
};
