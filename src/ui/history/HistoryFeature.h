#pragma once

#include "window/FeatureHost.h"

namespace ign {

class RestorePointRecorder;

// Restore points, the History window (File, "History...") and the unit-match
// field in the status line.
class HistoryFeature : public Feature {
public:
    explicit HistoryFeature(FeatureHost& host);

    RestorePointRecorder& Recorder() { return *recorder_; }
    // Whether a Program reads the unit first, for a restore point of what it held.
    bool ReadBeforeProgram() const;

private:
    void BuildWindow();
    // A restore point back into the window, as Open reads a file.
    void RestoreFromPoint(const QString& path);

    FeatureHost& host_;
    RestorePointRecorder* recorder_ = nullptr;
};

}  // namespace ign
