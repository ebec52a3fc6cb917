#pragma once

#include "Link.h"
#include "LinkView.h"
#include "ParameterSet.h"
#include "SerialLine.h"

#include <cstddef>
#include <cstdint>

namespace ign {

// What the unit holds, read into a set of the caller's own and nothing else:
// no verify follows, and whoever owns the line keeps its set, its labels and
// the unit's identification as they were. The set is the first start's set
// of machine 0 under what arrives, validated, as every Read leaves it. It
// runs a link of its own on the line it is given, from its first frame on;
// the owner ticks it until it is no longer Running. Once the read is
// complete nothing more goes over the line.
class SideRead : private LinkView {
public:
    enum class Outcome : std::uint8_t { Running, Completed, Failed };

    SideRead(ParameterSet& set, SerialLine* line);
    SideRead(const SideRead&) = delete;
    SideRead& operator=(const SideRead&) = delete;

    void tick();
    Outcome outcome() const;
    // The progress and the status text as the link has them.
    const Link& link() const { return link_; }
    Link& link() { return link_; }

private:
    // The line as the read's link sees it: shut once the read is complete.
    class Gate final : public SerialLine {
    public:
        explicit Gate(SerialLine* line) : line_(line) {}
        void shut() { line_ = nullptr; }
        bool isOpen() const override { return line_ != nullptr && line_->isOpen(); }
        std::size_t bytesQueued() override { return line_ != nullptr ? line_->bytesQueued() : 0; }
        std::size_t read(Byte* buffer, std::size_t maxBytes) override {
            return line_ != nullptr ? line_->read(buffer, maxBytes) : 0;
        }
        void write(const Byte* frame, std::size_t size) override {
            if (line_ != nullptr) line_->write(frame, size);
        }

    private:
        SerialLine* line_;
    };

    void readCompleted() override;

    ParameterSet& set_;
    Gate gate_;
    Link link_;
    bool completed_ = false;
};

}  // namespace ign
