#pragma once

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>

// Runs the event loop until nothing is left to do at once: the posted events,
// the window system's events and the timers that are due, and what those post
// or start in turn. What a widget does "a moment later" (a scroll area showing
// its bars, a hint shown from a zero timer) is done when this returns, without
// waiting for any clock. False if it was still busy after `rounds` rounds.
inline bool RunPendingEvents(int rounds = 100) {
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    for (int i = 0; i < rounds; ++i) {
        QCoreApplication::sendPostedEvents();
        if (!dispatcher->processEvents(QEventLoop::AllEvents)) return true;
    }
    return false;
}
