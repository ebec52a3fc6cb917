#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

// A settings folder of one test's own, so windows neither read nor leave the
// settings of other tests, with a data folder for their restore points and
// logs. `text` is the settings file to start with; by default both ports are
// the in-process simulated unit, so no window depends on the serial ports of
// the machine the tests run on.
//
// On Linux XDG_CONFIG_HOME and XDG_DATA_HOME point into a fresh temporary
// folder while the object lives. Windows has no such variables: there Qt's
// test mode moves the user's folders aside (…\AppData\Local\qttest), and the
// program's folder in it is emptied when the object is made and when it goes.
// Test programs that use it on Windows therefore never run at the same time
// (CTest's resource lock on the user's folders).
class ThrowawaySettings {
public:
    explicit ThrowawaySettings(const QByteArray& text = "[PORTS]\r\nCOM1=simulator\r\nCOM2=simulator\r\n")
#if !defined(Q_OS_WIN)
        : previous_(qgetenv("XDG_CONFIG_HOME")),
          hadPrevious_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")),
          previousData_(qgetenv("XDG_DATA_HOME")),
          hadPreviousData_(qEnvironmentVariableIsSet("XDG_DATA_HOME"))
#endif
    {
#if defined(Q_OS_WIN)
        QStandardPaths::setTestModeEnabled(true);
        config_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        data_ = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        Empty();
#else
        config_ = dir_.path();
        data_ = dir_.filePath(QStringLiteral("data"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_));
        qputenv("XDG_DATA_HOME", QFile::encodeName(data_));
#endif
        QDir(config_).mkpath(QStringLiteral("ignition-programmer"));
        QFile file(FilePath());
        if (file.open(QIODevice::WriteOnly)) file.write(text);
    }
    ~ThrowawaySettings() {
#if defined(Q_OS_WIN)
        Empty();
#else
        if (hadPrevious_)
            qputenv("XDG_CONFIG_HOME", previous_);
        else
            qunsetenv("XDG_CONFIG_HOME");
        if (hadPreviousData_)
            qputenv("XDG_DATA_HOME", previousData_);
        else
            qunsetenv("XDG_DATA_HOME");
#endif
    }
    ThrowawaySettings(const ThrowawaySettings&) = delete;
    ThrowawaySettings& operator=(const ThrowawaySettings&) = delete;

    // The data folder; the window's restore points go to ignition-programmer/history in it.
    QString DataPath() const { return data_; }
    QString HistoryPath() const { return data_ + QStringLiteral("/ignition-programmer/history"); }
    QString FilePath() const { return config_ + QStringLiteral("/ignition-programmer/ZIR_OVI.ini"); }
    QByteArray Text() const {
        QFile file(FilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
#if defined(Q_OS_WIN)
    void Empty() const {
        QDir(config_ + QStringLiteral("/ignition-programmer")).removeRecursively();
        QDir(data_ + QStringLiteral("/ignition-programmer")).removeRecursively();
    }
#else
    QTemporaryDir dir_;
    QByteArray previous_;
    bool hadPrevious_;
    QByteArray previousData_;
    bool hadPreviousData_;
#endif
    QString config_;
    QString data_;
};
