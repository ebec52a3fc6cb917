// The log viewer's time to open a log: reading it (on its own thread while
// the window's events go on), the cell table, and the first drawing of the
// chart and the cell map, on the offscreen platform; and the process's peak
// memory, which the log's columns make up most of.
//
// With a second log, that one over the first as well, the sets beside both
// read, and the difference table drawn.
//
// Usage: bench_log_viewer <log.msl> [second.msl]   (bench_log 60 <log.msl> writes a
// one-hour one; bench_two_logs 60 keep writes two with their sets and keeps them)

#include "MapGeometry.h"
#include "New.h"
#include "ParameterSet.h"
#include "logs/LogViewerWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

// The process's peak resident memory in MB, from Linux's own count; -1 elsewhere.
long PeakMemoryMb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6)) / 1024;
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_log_viewer <log.msl>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ign::ParameterSet set;
    ign::ApplyMachineDefaults(set);
    ign::LogViewerWindow viewer(
        {[&set] { return ign::MapSpeedAxis(set.injection); }, [] { return ign::CellStatisticsSettings{}; },
         [] { return QString(); }, nullptr},
        nullptr);
    viewer.resize(1200, 800);
    viewer.show();
    QElapsedTimer clock;
    clock.start();
    if (!viewer.openFile(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot open %s: %s\n", argv[1], qPrintable(viewer.note()));
        return 1;
    }
    const qint64 openMs = clock.elapsed();
    clock.restart();
    const QPixmap picture = viewer.grab();
    const qint64 drawMs = clock.elapsed();
    std::printf("open: %lld ms for %zu rows (read and cell table); first drawing %lld ms; together %lld ms\n",
                static_cast<long long>(openMs), viewer.log()->rows(), static_cast<long long>(drawMs),
                static_cast<long long>(openMs + drawMs));
    clock.restart();
    const double end = viewer.log()->rows() == 0 ? 0 : viewer.log()->timeS.back();
    for (int i = 0; i < 10; ++i) viewer.setCursorTime(end * i / 10);
    (void)viewer.grab();
    std::printf("cursor: 10 moves and a redraw %lld ms\n", static_cast<long long>(clock.elapsed()));
    if (argc > 2) {
        clock.restart();
        if (!viewer.openSecondFile(QString::fromLocal8Bit(argv[2]))) {
            std::fprintf(stderr, "cannot open %s: %s\n", argv[2], qPrintable(viewer.note()));
            return 1;
        }
        const qint64 secondMs = clock.elapsed();
        clock.restart();
        (void)viewer.grab();
        const qint64 drawnMs = clock.elapsed();
        std::printf(
            "second log: %lld ms for %zu rows (read, sets, cell table, difference table); drawing both and "
            "the difference map %lld ms; two logs together from nothing %lld ms\n",
            static_cast<long long>(secondMs), viewer.secondLog()->rows(), static_cast<long long>(drawnMs),
            static_cast<long long>(openMs + drawMs + secondMs + drawnMs));
        clock.restart();
        viewer.setLambdaDelay(400);
        (void)viewer.grab();
        std::printf("lambda delay changed: both tables again and a redraw %lld ms\n",
                    static_cast<long long>(clock.elapsed()));
    }
    std::printf("peak memory: %ld MB\n", PeakMemoryMb());
    return picture.isNull() ? 1 : 0;
}
