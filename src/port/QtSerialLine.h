#pragma once

#include "SerialLine.h"

#include <QSerialPort>
#include <QString>

#include <functional>

namespace ign {

// A system serial port (/dev/ttyUSB0, a pseudo-terminal) at 9600 8N1.
// Bytes reach the input queue through the Qt event loop, so the owner polls
// this line from a timer running in that loop; nothing here ever waits.
class QtSerialLine final : public SerialLine {
public:
    QtSerialLine();
    ~QtSerialLine() override;
    QtSerialLine(const QtSerialLine&) = delete;
    QtSerialLine& operator=(const QtSerialLine&) = delete;

    // Opens and configures the port; on failure the line stays closed and
    // error (when given) receives the system's reason.
    bool open(const QString& portName, QString* error = nullptr);
    // Closes the port if it is open; harmless otherwise.
    void close();
    QString portName() const;
    // What went wrong in the last open that failed.
    QSerialPort::SerialPortError openError() const { return openError_; }

    // The open port went away (adapter pulled, far end of a terminal gone):
    // the line has closed itself and stays closed until opened again.
    bool vanished() const { return vanished_; }
    // Called once when the port goes away, after the line has closed. The
    // handler must not destroy the line: it runs inside the port's own event.
    void setVanishedHandler(std::function<void()> handler) { onVanished_ = std::move(handler); }

    bool isOpen() const override;
    std::size_t bytesQueued() override;
    std::size_t read(Byte* buffer, std::size_t maxBytes) override;
    void write(const Byte* frame, std::size_t size) override;
    bool notifyInput(std::function<void()> handler) override;

private:
    void onError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    QSerialPort::SerialPortError openError_ = QSerialPort::NoError;
    bool closePending_ = false;
    bool vanished_ = false;
    std::function<void()> onVanished_;
    std::function<void()> onInput_;
};

}  // namespace ign
