#pragma once

#include "Messages.h"
#include "Monitor.h"

#include <cstddef>
#include <cstdint>

namespace ign {

// One valid monitor frame as numbers, as it arrived.
struct MonitorFrameEvent {
    int type = 0;              // 0..3
    MonitorReadings readings;  // every channel's latest value once this frame is taken in
    std::int64_t timeMs = 0;   // arrival, by the clock of whoever drives the link
    bool shown = false;        // the frame the Monitor page shows (the first of its read)
    MonitorFrame frame;        // the frame's own fields, as read from its bytes
};

// What the link asks its owner to show. The link keeps the same facts in its
// own state (Link::display()), so an owner may also just look after each call.
// Every method has an empty default, so an owner overrides only what it shows.
class LinkView {
public:
    virtual ~LinkView() = default;
    // Put the message into the status label and show the label; the owner
    // picks the text with MessageText() in its current language.
    virtual void showStatus(MessageId /*id*/) {}
    // The end of a result's display time: hide the status label and the bar.
    virtual void hideStatus() {}
    // The progress bar's position, 0..40.
    virtual void setProgress(int /*position*/) {}
    virtual void showProgress(bool /*visible*/) {}
    // A request went out and its answer is awaited.
    virtual void requestSent() {}
    // A Read has arrived whole: the link has unpacked and validated the set
    // it read (Link::parameters()) and decoded the identification; the owner
    // takes the set now, before the link packs the image again and starts verifying.
    virtual void readCompleted() {}
    // Every valid monitor frame of a read, in arrival order; each is read
    // from its bytes once, and the one the Monitor page shows says so.
    virtual void monitorFrame(const MonitorFrameEvent& /*frame*/) {}
    // Every read of the port as it came, after the link has handled it:
    // answers, monitor frames and whatever else the line brought.
    virtual void received(const Byte* /*bytes*/, std::size_t /*count*/) {}
};

}  // namespace ign
