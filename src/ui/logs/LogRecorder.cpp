#include "logs/LogRecorder.h"

#include "DeviceImageCodec.h"
#include "Link.h"
#include "MonitorChannels.h"

#include <QDateTime>
#include <QStandardPaths>
#include <memory>

namespace ign {
namespace {

LogStartTime Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

}  // namespace

LogRecorder::LogRecorder(Link& link, QObject* parent) : QObject(parent), link_(link) {
    setObjectName(QStringLiteral("LogRecorder"));
    // The frames come stamped by the link's clock; the ticks and the marks
    // read the same one, or the automatic stop would measure its quiet time
    // against frames stamped by another.
    setClock([&link] { return link.now(); });
    link_.addView(this);
}

LogRecorder::~LogRecorder() {
    link_.removeView(this);
    close();
}

void LogRecorder::setClock(Clock clock) { clock_ = std::move(clock); }

std::filesystem::path LogRecorder::folder() const {
    if (!folder_.empty()) return folder_;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return LogFolder(std::filesystem::path(data.toStdU16String()));
}

void LogRecorder::setSettings(const DatalogSettings& settings) {
    settings_ = settings;
    auto_.setAutomatic(settings.autoRecord, settings.startRpm);
}

void LogRecorder::setAutomatic(bool automatic) {
    settings_.autoRecord = automatic;
    auto_.setAutomatic(automatic, settings_.startRpm);
}

void LogRecorder::Start() { act(auto_.start()); }

void LogRecorder::Stop() {
    const bool wasAutomatic = settings_.autoRecord;
    if (wasAutomatic) setAutomatic(false);
    act(auto_.stop());
    if (wasAutomatic) emit automaticStopped();
}

int LogRecorder::Mark() {
    if (!session_) return 0;
    const std::int64_t now = clock_();
    const int number = session_->addMarker(now);
    emit marked(number, now);
    return number;
}

void LogRecorder::Tick() {
    const std::int64_t now = clock_();
    // No frames come while the link transfers: the log shows the gap and the
    // automatic stop waits for the transfer to end.
    act(auto_.tick(now, !link_.idle()));
    if (!session_) return;
    if (session_->tick(now)) status_ = session_->status();
    emit progressed();
}

std::int64_t LogRecorder::elapsedMs() const { return session_ ? session_->elapsedMs(clock_()) : 0; }

void LogRecorder::monitorFrame(const MonitorFrameEvent& frame) {
    if (frame.type == ChannelInfo(Channel::Rpm).frameType)
        latestRpm_ = static_cast<int>(ChannelInfo(Channel::Rpm).value(frame.readings));
    // The frame that starts a recording is its first row.
    act(auto_.frame(frame.timeMs, latestRpm_));
    if (session_) session_->addFrame(frame.timeMs, frame.type, frame.readings);
    emit frameArrived(frame);
}

void LogRecorder::showStatus(MessageId id) {
    if (id == MessageId::VerifyOk && verifyAfterTransfer_ && session_) {
        // The image just verified, as the unit holds it; a Verify of its own
        // only confirms what the log already names.
        ParameterSet held = link_.parameters();
        UnpackDeviceImage(held);
        const std::int64_t now = clock_();
        const int number = session_->setChanged(now, held);
        status_ = session_->status();
        if (number > 0) emit marked(number, now);
        emit progressed();
    }
    verifyAfterTransfer_ = id == MessageId::VerifyAfterTransfer;
}

void LogRecorder::act(AutoRecord::Action action) {
    if (action == AutoRecord::Action::Start) open();
    if (action == AutoRecord::Action::Stop) close();
}

void LogRecorder::open() {
    session_ = std::make_unique<LogSession>(folder(), "ignition-programmer " IGN_VERSION, Now(), clock_(),
                                            setSource_ ? setSource_() : std::nullopt);
    status_ = session_->status();
    path_ = QString::fromStdU16String(session_->path().u16string());
    if (!session_->isOpen()) {
        session_.reset();
        // Recording stays off; an automatic start would only fail again at the next frame.
        auto_.stop();
        emit cannotRecord(QString::fromStdString(status_.detail));
        emit progressed();
        return;
    }
    emit recordingChanged(true);
    emit progressed();
}

void LogRecorder::close() {
    if (!session_) return;
    status_ = session_->close();
    lastBytes_ = session_->fileBytes();
    lastFrames_ = session_->frames();
    session_.reset();
    emit recordingChanged(false);
    emit progressed();
}

QString RecordingFigures(std::int64_t elapsedMs, std::uint64_t bytes) {
    const std::int64_t s = std::max<std::int64_t>(elapsedMs, 0) / 1000;
    const QString time = QStringLiteral("%1:%2:%3")
                             .arg(s / 3600)
                             .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                             .arg(s % 60, 2, 10, QLatin1Char('0'));
    QString size;
    if (bytes < 1024 * 1024)
        size = QStringLiteral("%1 kB").arg(static_cast<double>(bytes) / 1024, 0, 'f', 0);
    else
        size = QStringLiteral("%1 MB").arg(static_cast<double>(bytes) / (1024 * 1024), 0, 'f', 1);
    return time + QStringLiteral(", ") + size;
}

}  // namespace ign
