// The interrupt watch on Windows, where Ctrl+C, Ctrl+Break and the console's
// own end come as console control events rather than signals.
#include "InterruptWatch.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <atomic>

namespace ign::cli {

namespace {

// The console calls the handler on a thread of its own.
std::atomic<bool> g_interrupted{false};
// Set when the watch ends, i.e. the command has closed its port and ended its output.
HANDLE g_finished = nullptr;

BOOL WINAPI OnConsoleEvent(DWORD event) {
    g_interrupted = true;
    // Closing the console window, logging off and shutting down end the
    // process as soon as this returns; the system grants a few seconds, in
    // which the tick loop stops the command the ordinary way.
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
        WaitForSingleObject(g_finished, 4000);
    return TRUE;
}

}  // namespace

InterruptWatch::InterruptWatch() {
    g_interrupted = false;
    // Made once and never closed: a handler still waiting on it must find it valid.
    if (g_finished == nullptr) g_finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ResetEvent(g_finished);
    // A program started in a process group of its own ignores Ctrl+C until it asks for it.
    SetConsoleCtrlHandler(nullptr, FALSE);
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

InterruptWatch::~InterruptWatch() {
    SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    SetEvent(g_finished);
}

bool InterruptWatch::requested() const { return g_interrupted; }

}  // namespace ign::cli
