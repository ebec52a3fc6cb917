#pragma once

#include "SerialLine.h"

#include <algorithm>
#include <deque>
#include <vector>

// An in-memory line: the test decides which bytes are queued when, and sees every frame written.
class ScriptedLine : public ign::SerialLine {
public:
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

    std::deque<ign::Byte> queued;
    std::vector<std::vector<ign::Byte>> written;
};
