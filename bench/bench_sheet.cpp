// What a tune sheet costs: laying it out and drawing it into a PDF, for the
// simulated unit's set (machine 0's defaults) with a note, and for the
// largest sheet (a 4 000-character note and a reference that differs in
// almost every value), in memory and as the file ignition-cli writes.
//
// Usage: bench_sheet [rounds]   (20 by default)
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "New.h"
#include "SheetLayout.h"
#include "report/SheetPainter.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

ign::ParameterSet Defaults(ign::Byte machine) {
    ign::ParameterSet set{};
    set.ignition.KEYING = machine;
    ign::ApplyMachineDefaults(set);
    return set;
}

ign::SheetInput Input(bool largest) {
    ign::SheetInput input;
    input.set = Defaults(0);
    input.madeAt = "Friday 14 June 2024 09:05:07";
    input.fileName = "unit.ign";
    input.version = IGN_VERSION;
    input.note = "Dry track, 28 °C. Richer at 40 % from 6 000 rpm.";
    if (largest) {
        input.note.clear();
        while (input.note.size() < 4000) input.note += "Rear tyre slides out of the last corner. ";
        input.note.resize(4000);
        ign::ParameterSet other = Defaults(2);
        for (ign::Byte& cell : other.injection.JET) cell = 90;
        input.reference = ign::SheetReference{"other.ign", other};
    }
    return input;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Measure(const char* name, bool largest, int rounds, const QTemporaryDir& dir) {
    const ign::SheetInput input = Input(largest);
    std::vector<double> layout, pdf, file;
    QByteArray bytes;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        const ign::SheetLayout sheet = ign::LayOutSheet(input);
        layout.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        QString error;
        bytes = ign::SheetPdf(sheet, input.language, error);
        pdf.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        ign::SaveSheetPdf(ign::LayOutSheet(input), input.language, dir.filePath("sheet.pdf").toStdString(),
                          error);
        file.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("%-28s layout %6.2f ms  PDF in memory %6.2f ms  layout + PDF file %6.2f ms  (%lld bytes)\n",
                name, Median(layout), Median(pdf), Median(file), static_cast<long long>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    QTemporaryDir dir;
    std::printf("median of %d rounds\n", rounds);
    Measure("unit's set with a note", false, rounds, dir);
    Measure("largest note, 150 changes", true, rounds, dir);
    return 0;
}
