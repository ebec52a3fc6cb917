#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A settings folder of one test's own: XDG_CONFIG_HOME points into a fresh
// temporary folder while the object lives, so windows neither read nor leave
// the settings of other tests; XDG_DATA_HOME too, for their restore points. `text` is the settings file to
// start with; by default both ports are the in-process simulated unit, so no window depends on the serial
// ports of the machine the tests run on.
class ThrowawaySettings {
public:
    explicit ThrowawaySettings(const QByteArray& text = "[PORTS]\r\nCOM1=simulator\r\nCOM2=simulator\r\n")
        : previous_(qgetenv("XDG_CONFIG_HOME")),
          hadPrevious_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")),
          previousData_(qgetenv("XDG_DATA_HOME")),
          hadPreviousData_(qEnvironmentVariableIsSet("XDG_DATA_HOME")) {
        QDir(dir_.path()).mkpath(QStringLiteral("ignition-programmer"));
        QFile file(FilePath());
        if (file.open(QIODevice::WriteOnly)) file.write(text);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(DataPath()));
    }
    ~ThrowawaySettings() {
        if (hadPrevious_)
            qputenv("XDG_CONFIG_HOME", previous_);
        else
            qunsetenv("XDG_CONFIG_HOME");
        if (hadPreviousData_)
            qputenv("XDG_DATA_HOME", previousData_);
        else
            qunsetenv("XDG_DATA_HOME");
    }
    ThrowawaySettings(const ThrowawaySettings&) = delete;
    ThrowawaySettings& operator=(const ThrowawaySettings&) = delete;

    // The data folder; the window's restore points go to ignition-programmer/history in it.
    QString DataPath() const { return dir_.filePath(QStringLiteral("data")); }
    QString HistoryPath() const { return dir_.filePath(QStringLiteral("data/ignition-programmer/history")); }
    QString FilePath() const { return dir_.filePath(QStringLiteral("ignition-programmer/ZIR_OVI.ini")); }
    QByteArray Text() const {
        QFile file(FilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
    QByteArray previous_;
    bool hadPrevious_;
    QByteArray previousData_;
    bool hadPreviousData_;
};
