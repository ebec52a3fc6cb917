#pragma once

#include "SerialLine.h"

#include <algorithm>
#include <deque>
#include <vector>

// What passes a scripted line: the bytes the test has queued for the program
// to read, and every frame the program wrote, in order.
struct LineScript {
    std::deque<ign::Byte> queued;
    std::vector<std::vector<ign::Byte>> written;
};

// An in-memory line: the test decides which bytes are queued when, and sees
// every frame written. It keeps a script of its own, or works on one the test
// holds, so a test can still reach a line that the program opened and owns.
class ScriptedLine : public ign::SerialLine {
public:
    ScriptedLine() : queued(own_.queued), written(own_.written) {}
    explicit ScriptedLine(LineScript& script) : queued(script.queued), written(script.written) {}

    void push(const std::vector<ign::Byte>& bytes) {
        queued.insert(queued.end(), bytes.begin(), bytes.end());
    }

    bool isOpen() const override { return true; }
    std::size_t bytesQueued() override { return queued.size(); }
    std::size_t read(ign::Byte* buffer, std::size_t maxBytes) override {
        const std::size_t n = std::min(maxBytes, queued.size());
        std::copy_n(queued.begin(), n, buffer);
        queued.erase(queued.begin(), queued.begin() + static_cast<std::ptrdiff_t>(n));
        return n;
    }
    void write(const ign::Byte* frame, std::size_t size) override {
        written.emplace_back(frame, frame + size);
    }

private:
    LineScript own_;  // before the references, which may bind to it

public:
    std::deque<ign::Byte>& queued;
    std::vector<std::vector<ign::Byte>>& written;
};
