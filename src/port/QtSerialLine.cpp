#include "QtSerialLine.h"

#include <QMetaObject>

namespace ign {

QtSerialLine::QtSerialLine() {
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                     [this](QSerialPort::SerialPortError error) { onError(error); });
    QObject::connect(&port_, &QSerialPort::readyRead, &port_, [this] {
        if (onInput_) onInput_();
    });
}

bool QtSerialLine::notifyInput(std::function<void()> handler) {
    onInput_ = std::move(handler);
    return true;
}

QtSerialLine::~QtSerialLine() { close(); }

bool QtSerialLine::open(const QString& portName, QString* error) {
    close();
    vanished_ = false;
    openError_ = QSerialPort::NoError;
    port_.setPortName(portName);
    if (!port_.open(QIODevice::ReadWrite)) {
        openError_ = port_.error();
        if (error) *error = port_.errorString();
        port_.clearError();
        return false;
    }
    const bool configured = port_.setBaudRate(QSerialPort::Baud9600) &&
                            port_.setDataBits(QSerialPort::Data8) && port_.setParity(QSerialPort::NoParity) &&
                            port_.setStopBits(QSerialPort::OneStop) &&
                            port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        openError_ = port_.error();
        if (error) *error = port_.errorString();
        port_.close();
        port_.clearError();
        return false;
    }
    // A closed serial port receives nothing; whatever the driver kept from
    // before this open is not an answer to anything we are going to send.
    port_.clear(QSerialPort::Input);
    return true;
}

void QtSerialLine::close() {
    closePending_ = false;
    if (port_.isOpen()) port_.close();
}

QString QtSerialLine::portName() const { return port_.portName(); }

bool QtSerialLine::isOpen() const { return port_.isOpen(); }

std::size_t QtSerialLine::bytesQueued() {
    if (!port_.isOpen()) return 0;
    return static_cast<std::size_t>(port_.bytesAvailable());
}

std::size_t QtSerialLine::read(Byte* buffer, std::size_t maxBytes) {
    if (!port_.isOpen() || maxBytes == 0) return 0;
    const qint64 got = port_.read(reinterpret_cast<char*>(buffer), static_cast<qint64>(maxBytes));
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

void QtSerialLine::write(const Byte* frame, std::size_t size) {
    if (!port_.isOpen() || size == 0) return;
    port_.write(reinterpret_cast<const char*>(frame), static_cast<qint64>(size));
    port_.flush();
}

void QtSerialLine::onError(QSerialPort::SerialPortError error) {
    // A vanished device (unplugged adapter, far end of a pty gone) keeps
    // reporting the error from the read notifier until the port is closed.
    // Close it once the notifier has returned, and go on without a port.
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError) return;
    if (closePending_ || !port_.isOpen()) return;
    closePending_ = true;
    QMetaObject::invokeMethod(
        &port_,
        [this] {
            if (!closePending_) return;
            close();
            vanished_ = true;
            if (onVanished_) onVanished_();
        },
        Qt::QueuedConnection);
}

}  // namespace ign
