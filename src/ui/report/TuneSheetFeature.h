#pragma once

#include "window/FeatureHost.h"

namespace ign {

// File, "Tune sheet...": the sheet of the set with its note, saved as PDF or printed.
class TuneSheetFeature : public Feature {
public:
    explicit TuneSheetFeature(FeatureHost& host);
};

}  // namespace ign
