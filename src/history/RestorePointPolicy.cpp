#include "RestorePointPolicy.h"

namespace ign {

RestorePointPolicy::Request RestorePointPolicy::take(RestoreReason reason, const ParameterSet& set) const {
    return RestorePointRequest{reason, set, unit_};
}

RestorePointPolicy::Request RestorePointPolicy::beforeRead(const ParameterSet& window) {
    return take(RestoreReason::BeforeRead, window);
}

RestorePointPolicy::Request RestorePointPolicy::readCompleted(const ParameterSet& read,
                                                              std::string_view unitVersion) {
    unit_ = unitVersion;
    liveArmed_ = true;
    return take(RestoreReason::Read, read);
}

RestorePointPolicy::Request RestorePointPolicy::unitBeforeProgram(const ParameterSet& read,
                                                                  std::string_view unitVersion) {
    unit_ = unitVersion;
    return take(RestoreReason::UnitBeforeProgram, read);
}

RestorePointPolicy::Request RestorePointPolicy::beforeOpen(const ParameterSet& window) {
    liveArmed_ = true;
    return take(RestoreReason::BeforeOpen, window);
}

RestorePointPolicy::Request RestorePointPolicy::beforeNew(const ParameterSet& window) {
    return take(RestoreReason::BeforeNew, window);
}

RestorePointPolicy::Request RestorePointPolicy::beforeRestore(const ParameterSet& window) {
    return take(RestoreReason::BeforeRestore, window);
}

RestorePointPolicy::Request RestorePointPolicy::beforeLive(const ParameterSet& window) {
    if (!liveArmed_) return std::nullopt;
    liveArmed_ = false;
    return take(RestoreReason::BeforeLive, window);
}

RestorePointPolicy::Request RestorePointPolicy::programStarted(const ParameterSet& programmed) {
    liveArmed_ = true;
    return take(RestoreReason::Program, programmed);
}

RestorePointPolicy::Request RestorePointPolicy::close(const ParameterSet& window) {
    return take(RestoreReason::Close, window);
}

RestorePointPolicy::Request RestorePointPolicy::manual(const ParameterSet& window) {
    return take(RestoreReason::Manual, window);
}

bool RestorePointPolicy::reportFailure(const HistoryResult& result) {
    const bool news = result.failed() && !failing_;
    failing_ = result.failed();
    return news;
}

}  // namespace ign
