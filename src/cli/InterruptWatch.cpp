#include "InterruptWatch.h"

#include <csignal>

namespace ign::cli {

namespace {

// A signal handler can reach nothing but a flag of this kind.
volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void OnInterrupt(int) { g_interrupted = 1; }

using Handler = void (*)(int);
Handler g_previousInt = SIG_DFL;
Handler g_previousTerm = SIG_DFL;

}  // namespace

InterruptWatch::InterruptWatch() {
    g_interrupted = 0;
    g_previousInt = std::signal(SIGINT, OnInterrupt);
    g_previousTerm = std::signal(SIGTERM, OnInterrupt);
}

InterruptWatch::~InterruptWatch() {
    std::signal(SIGINT, g_previousInt == SIG_ERR ? SIG_DFL : g_previousInt);
    std::signal(SIGTERM, g_previousTerm == SIG_ERR ? SIG_DFL : g_previousTerm);
}

bool InterruptWatch::requested() const { return g_interrupted != 0; }

}  // namespace ign::cli
