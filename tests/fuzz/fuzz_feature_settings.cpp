#include "DatalogSettings.h"
#include "HistorySettings.h"
#include "ProfileFile.h"
#include "ViewSettings.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// The three sections as they are stored, in a file of their own.
std::string Stored(const ign::HistorySettings& history, const ign::DatalogSettings& datalog,
                   const ign::ViewSettings& view) {
    ign::ProfileFile file("stored.ini", std::string_view());
    ign::StoreHistorySettings(file, history);
    ign::StoreDatalogSettings(file, datalog);
    ign::StoreViewSettings(file, view);
    return file.Text();
}

}  // namespace

// The sections [HISTORY], [DATALOG] and [VIEW] edited by hand into anything:
// loading must cope, and what it took must store and load back unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ign::ProfileFile file("fuzz.ini", std::string_view(reinterpret_cast<const char*>(data), size));
    ign::HistorySettings history;
    ign::DatalogSettings datalog;
    ign::ViewSettings view;
    ign::LoadHistorySettings(file, history);
    ign::LoadDatalogSettings(file, datalog);
    ign::LoadViewSettings(file, view);
    if (history.retention.keepDays < 0 || history.retention.keepCount < 0) __builtin_trap();
    if (view.trailSeconds < 0 || view.trailSeconds > ign::ViewSettings::kMaxTrailSeconds) __builtin_trap();
    if (datalog.startRpm < 0 || datalog.startRpm > ign::DatalogSettings::kMaxStartRpm) __builtin_trap();

    const std::string stored = Stored(history, datalog, view);
    const ign::ProfileFile reread("stored.ini", stored);
    ign::HistorySettings historyAgain;
    ign::DatalogSettings datalogAgain;
    ign::ViewSettings viewAgain;
    ign::LoadHistorySettings(reread, historyAgain);
    ign::LoadDatalogSettings(reread, datalogAgain);
    ign::LoadViewSettings(reread, viewAgain);
    if (!(historyAgain == history) || !(viewAgain == view) ||
        Stored(historyAgain, datalogAgain, viewAgain) != stored)
        __builtin_trap();
    return 0;
}
