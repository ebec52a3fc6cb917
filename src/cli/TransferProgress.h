#pragma once

#include "Link.h"

#include <string>

namespace ign::cli {

// The one-line progress display: the status label's text, the bar and the
// block the outstanding request is for, e.g. "Program device: [#####     ] block 5".
std::string ProgressLine(const Link& link, Byte language);

// Keeps that line up to date on standard error while a transfer runs; does
// nothing when disabled (standard error is no terminal).
class TransferProgress {
public:
    TransferProgress(Byte language, bool enabled) : language_(language), enabled_(enabled) {}
    ~TransferProgress() { clear(); }
    TransferProgress(const TransferProgress&) = delete;
    TransferProgress& operator=(const TransferProgress&) = delete;

    // Redraws the line when it changed.
    void update(const Link& link);
    // Blanks the line so that the next output starts on a clean one.
    void clear();

private:
    Byte language_;
    bool enabled_;
    std::string shown_;
};

}  // namespace ign::cli
