#include "history/RestorePointRecorder.h"

#include "Link.h"
#include "ParameterDocument.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QMetaObject>

namespace ign {

LocalTime LocalTimeNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

RestorePointRecorder::RestorePointRecorder(std::filesystem::path folder, ParameterDocument& document,
                                           Link& link, QObject* parent)
    : QObject(parent),
      folder_(std::move(folder)),
      document_(document),
      link_(link),
      clock_(&LocalTimeNow),
      store_(folder_, settings_.retention) {
    worker_ = new QObject;
    worker_->moveToThread(&thread_);
    thread_.setObjectName(QStringLiteral("RestorePoints"));
    thread_.start(QThread::LowPriority);

    // Each step that replaces the window's set keeps what it replaced. The
    // read point itself comes from the link, which also tells a Read that
    // changed no byte.
    document_.Listen([this](const ParameterChange& change) {
        switch (change.cause) {
            case ChangeCause::Read:
                Take(policy_.beforeRead(change.before));
                break;
            case ChangeCause::Open:
                Take(policy_.beforeOpen(change.before));
                break;
            case ChangeCause::New:
                Take(policy_.beforeNew(change.before));
                break;
            case ChangeCause::Restore:
                Take(policy_.beforeRestore(change.before));
                break;
            case ChangeCause::Live:
            case ChangeCause::SetTps:
                Take(policy_.beforeLive(change.before));
                break;
            default:
                break;
        }
    });
    link_.addView(this);
}

RestorePointRecorder::~RestorePointRecorder() {
    // The document and the link may be gone already (they are members of the
    // window, which destroys its children after them): only the thread is ours to end.
    QMetaObject::invokeMethod(
        worker_, [] {}, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
    delete worker_;
}

void RestorePointRecorder::SetSettings(const HistorySettings& settings) {
    settings_ = settings;
    const LocalTime now = clock_();
    Post([this, rules = settings.retention, now] {
        store_.SetRules(rules);
        if (store_.ApplyRetention(now).deleted > 0)
            QMetaObject::invokeMethod(
                this, [this] { emit folderChanged(); }, Qt::QueuedConnection);
    });
}

void RestorePointRecorder::CommandStarted(TransferMode mode) {
    // The first frame is out, so the point costs the transfer nothing.
    if (mode == TransferMode::Program) Take(policy_.programStarted(document_.Parameters()));
}

void RestorePointRecorder::UnitBeforeProgram(const ParameterSet& read, std::string_view version) {
    Take(policy_.unitBeforeProgram(read, version));
}

void RestorePointRecorder::UnitIdentified(const QString& version) {
    policy_.unitIdentified(version.toStdString());
}

void RestorePointRecorder::Close(const ParameterSet& window) { Take(policy_.close(window)); }

void RestorePointRecorder::Manual(const ParameterSet& window) { Take(policy_.manual(window)); }

void RestorePointRecorder::readCompleted() {
    Take(policy_.readCompleted(link_.parameters(), link_.identification().version));
}

void RestorePointRecorder::Take(const RestorePointPolicy::Request& request) {
    if (!request) return;
    Post([this, request = *request, now = clock_()] {
        HistoryResult result = store_.Write(request.set, request.reason, request.unit, now);
        QMetaObject::invokeMethod(
            this, [this, result = std::move(result)] { Heard(result); }, Qt::QueuedConnection);
    });
}

void RestorePointRecorder::SetKeep(const RestorePoint& point, bool keep) {
    Post([this, point, keep] {
        HistoryResult result = store_.SetKeep(point, keep);
        if (result.status == HistoryStatus::Written)
            QMetaObject::invokeMethod(
                this, [this] { emit folderChanged(); }, Qt::QueuedConnection);
    });
}

void RestorePointRecorder::Heard(const HistoryResult& result) {
    const bool wasFailing = failing_;
    failing_ = result.failed();
    if (policy_.reportFailure(result)) emit failed(QString::fromStdString(result.error));
    if (wasFailing && !failing_) emit recovered();
    if (result.status == HistoryStatus::Written) emit folderChanged();
}

void RestorePointRecorder::Post(std::function<void()> work) {
    QMetaObject::invokeMethod(worker_, std::move(work), Qt::QueuedConnection);
}

void RestorePointRecorder::Flush() {
    QMetaObject::invokeMethod(
        worker_, [] {}, Qt::BlockingQueuedConnection);
    // The outcomes the worker queued for this thread, told now.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

}  // namespace ign
