#pragma once

#include <QTest>

// A case that needs what Windows has not (fifos, POSIX permissions, a limit
// on file size, the simulated unit on a pseudo-terminal) skips there and says
// which: IGN_SKIP_ON_WINDOWS("no fifos") reads "Windows has no fifos".
#if defined(Q_OS_WIN)
#define IGN_SKIP_ON_WINDOWS(what) QSKIP("Windows has " what)
#else
#define IGN_SKIP_ON_WINDOWS(what) static_cast<void>(0)
#endif

// ignition-unit-sim serves a pseudo-terminal, which Windows has not: the
// cases that start it skip there (under Wine the serial line is tried against
// the Linux one), and the tool has no path.
#define IGN_SKIP_WITHOUT_UNIT_SIM() IGN_SKIP_ON_WINDOWS("no pseudo-terminals for ignition-unit-sim to serve")
#if !defined(IGN_UNIT_SIM)
#define IGN_UNIT_SIM ""
#endif
