#pragma once

#include "LinkView.h"
#include "Monitor.h"

namespace ign {

// The Monitor page's texts as a view of the link: the first frame of every
// read, taken as the link read it. A short read, or one that starts
// mid-frame, changes nothing.
class MonitorView : public LinkView {
public:
    const Monitor& monitor() const { return monitor_; }
    void monitorFrame(const MonitorFrameEvent& frame) override {
        if (!frame.shown) return;
        monitor_.Take(frame.frame);
        monitorUpdated(frame);
    }

protected:
    // The texts took a frame and may have changed.
    virtual void monitorUpdated(const MonitorFrameEvent& /*frame*/) {}

private:
    Monitor monitor_;
};

}  // namespace ign
