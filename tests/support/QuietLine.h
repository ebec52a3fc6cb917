#pragma once

#include "SerialLine.h"

// A port that is open and never answers, so the window starts without a message box.
class QuietLine : public ign::SerialLine {
public:
    bool isOpen() const override { return true; }
    std::size_t bytesQueued() override { return 0; }
    std::size_t read(ign::Byte*, std::size_t) override { return 0; }
    void write(const ign::Byte*, std::size_t) override {}
};
