#pragma once

#include "window/FeatureHost.h"

#include <memory>

namespace ign {

class CompareWindow;

// Edit, "Compare...": the window that compares two sets, one of them maybe
// what the unit holds, read over the window's line.
class CompareFeature : public Feature {
public:
    explicit CompareFeature(FeatureHost& host);
    ~CompareFeature() override;

    CompareWindow& Window() { return *window_; }
    // Opens the window with the parameter file at `path` on the left and the window's set on the right.
    void CompareFileWithWindow(const QString& path);

private:
    std::unique_ptr<CompareWindow> window_;
};

}  // namespace ign
