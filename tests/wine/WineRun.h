#pragma once

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

// Programs of the Windows build run under Wine through scripts/wine-run, in
// the Wine prefix of the caller (./test makes a private one) or of the build.
struct WineRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline QString WindowsBuild(const QString& path = {}) {
    return path.isEmpty() ? QStringLiteral(IGN_WINDOWS_BUILD) : QStringLiteral(IGN_WINDOWS_BUILD "/") + path;
}

inline QString WinePrefix() {
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return prefix.isEmpty() ? WindowsBuild(QStringLiteral("wine-prefix")) : prefix;
}

inline WineRun RunProgram(const QString& program, const QStringList& args,
                          const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                          int timeoutMs = 120000) {
    QProcess process;
    QProcessEnvironment env = environment;
    env.insert(QStringLiteral("IGN_WINDOWS_BUILD"), WindowsBuild());
    env.insert(QStringLiteral("WINEPREFIX"), WinePrefix());
    process.setProcessEnvironment(env);
    process.start(program, args);
    WineRun run;
    if (!process.waitForStarted() || !process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.err = "did not run to its end: " + process.errorString().toUtf8();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// A program under Wine; standard error without Wine's own notes about the prefix.
inline WineRun RunUnderWine(const QStringList& args,
                            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                            int timeoutMs = 120000) {
    WineRun run = RunProgram(QStringLiteral(IGN_WINE_RUN), args, environment, timeoutMs);
    QList<QByteArray> kept;
    for (const QByteArray& line : run.err.split('\n'))
        if (!line.startsWith("wine: ")) kept << line;
    run.err = kept.join('\n');
    return run;
}
