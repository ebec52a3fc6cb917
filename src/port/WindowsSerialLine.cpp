#include "WindowsSerialLine.h"

#include <QRegularExpression>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>

namespace ign {

namespace {

// ReadIntervalTimeout, ReadTotalTimeoutMultiplier, ReadTotalTimeoutConstant,
// WriteTotalTimeoutMultiplier, WriteTotalTimeoutConstant. Only queued bytes are
// ever asked for, so the 100 ms are never waited; writes have no time-out.
constexpr COMMTIMEOUTS kTimeouts{0, 0, 100, 0, 0};
constexpr DWORD kQueueSize = 1024;

HANDLE Handle(void* handle) { return static_cast<HANDLE>(handle); }

std::array<std::uint32_t, 5> Members(const COMMTIMEOUTS& t) {
    return {t.ReadIntervalTimeout, t.ReadTotalTimeoutMultiplier, t.ReadTotalTimeoutConstant,
            t.WriteTotalTimeoutMultiplier, t.WriteTotalTimeoutConstant};
}

COMMTIMEOUTS Timeouts(const std::array<std::uint32_t, 5>& m) { return {m[0], m[1], m[2], m[3], m[4]}; }

// The system's own words for an error code, in the user's language.
std::string SystemText(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString words = length > 0 ? QString::fromWCharArray(text, static_cast<qsizetype>(length)).trimmed()
                               : QStringLiteral("system error %1").arg(code);
    if (text != nullptr) LocalFree(text);
    return words.toStdString();
}

}  // namespace

QString WindowsDeviceName(const QString& portName) {
    static const QRegularExpression kHighCom(QStringLiteral("^COM([1-9][0-9]+)$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = kHighCom.match(portName);
    return match.hasMatch() ? QStringLiteral("\\\\.\\COM") + match.captured(1) : portName;
}

PortFacts DiagnoseWindowsOpenFailure(const QString& portName, std::uint32_t systemError) {
    PortFacts facts;
    facts.port = portName.toStdString();
    facts.systemText = SystemText(systemError);
    facts.exists = systemError != ERROR_FILE_NOT_FOUND && systemError != ERROR_PATH_NOT_FOUND;
    // A COM port is opened without sharing: one that another program holds is refused as "access denied".
    facts.heldElsewhere = systemError == ERROR_ACCESS_DENIED || systemError == ERROR_SHARING_VIOLATION;
    return facts;
}

WindowsSerialLine::~WindowsSerialLine() { close(); }

bool WindowsSerialLine::open(const QString& portName) {
    close();
    openError_ = 0;
    const QByteArray name = WindowsDeviceName(portName).toLocal8Bit();
    const HANDLE handle =
        CreateFileA(name.constData(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        openError_ = GetLastError();
        return false;
    }
    COMMTIMEOUTS saved{};
    GetCommTimeouts(handle, &saved);
    savedTimeouts_ = Members(saved);
    COMMTIMEOUTS timeouts = kTimeouts;
    SetCommTimeouts(handle, &timeouts);
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    // A file or any other device that is no serial port has no line state to set.
    if (!GetCommState(handle, &dcb)) {
        openError_ = GetLastError();
        SetCommTimeouts(handle, &saved);
        CloseHandle(handle);
        return false;
    }
    BuildCommDCBA("9600,N,8,1", &dcb);
    SetCommState(handle, &dcb);
    SetupComm(handle, kQueueSize, kQueueSize);
    SetCommMask(handle, EV_TXEMPTY);
    handle_ = handle;
    queued_ = 0;
    return true;
}

void WindowsSerialLine::close() {
    if (handle_ == nullptr) return;
    PurgeComm(Handle(handle_), PURGE_RXABORT);
    COMMTIMEOUTS saved = Timeouts(savedTimeouts_);
    SetCommTimeouts(Handle(handle_), &saved);
    CloseHandle(Handle(handle_));
    handle_ = nullptr;
    queued_ = 0;
}

std::size_t WindowsSerialLine::bytesQueued() {
    if (handle_ == nullptr) return 0;
    DWORD errors = 0;
    COMSTAT status{};
    // Line errors are cleared and otherwise left to the frames' check bytes; a
    // port that cannot even be asked has gone (an adapter pulled out).
    if (!ClearCommError(Handle(handle_), &errors, &status)) {
        close();
        return 0;
    }
    queued_ = status.cbInQue;
    return queued_;
}

std::size_t WindowsSerialLine::read(Byte* buffer, std::size_t maxBytes) {
    if (handle_ == nullptr || maxBytes == 0) return 0;
    // Asking for more than is queued would wait for the read time-out.
    if (queued_ == 0) bytesQueued();
    const auto wanted = static_cast<DWORD>(std::min(maxBytes, queued_));
    if (wanted == 0 || handle_ == nullptr) return 0;
    DWORD got = 0;
    if (!ReadFile(Handle(handle_), buffer, wanted, &got, nullptr)) got = 0;
    queued_ -= std::min<std::size_t>(queued_, got);
    return got;
}

void WindowsSerialLine::write(const Byte* frame, std::size_t size) {
    if (handle_ == nullptr || size == 0) return;
    DWORD written = 0;
    WriteFile(Handle(handle_), frame, static_cast<DWORD>(size), &written, nullptr);
}

}  // namespace ign
