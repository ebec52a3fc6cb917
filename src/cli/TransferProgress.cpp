#include "TransferProgress.h"

#include <cstdio>

namespace ign::cli {

namespace {

constexpr int kBarWidth = Link::kProgressMax / Link::kProgressStep;  // one mark per block

}  // namespace

std::string ProgressLine(const Link& link, Byte language) {
    const LinkDisplay& display = link.display();
    std::string line;
    if (display.status) line = std::string(MessageText(*display.status, language)) + ' ';
    const int marks = display.progress / Link::kProgressStep;
    line += '[';
    line.append(static_cast<std::size_t>(marks), '#');
    line.append(static_cast<std::size_t>(kBarWidth - marks), ' ');
    line += ']';
    if (link.state().AwaitingResponse) {
        char block[16];
        std::snprintf(block, sizeof block, " block %d", link.state().FrameCode & 0x3F);
        line += block;
    }
    return line;
}

void TransferProgress::update(const Link& link) {
    if (!enabled_) return;
    const std::string line = ProgressLine(link, language_);
    if (line == shown_) return;
    // Pad over the rest of a longer previous line.
    std::string out = '\r' + line;
    if (shown_.size() > line.size()) out.append(shown_.size() - line.size(), ' ');
    std::fputs(out.c_str(), stderr);
    std::fflush(stderr);
    shown_ = line;
}

void TransferProgress::clear() {
    if (!enabled_ || shown_.empty()) return;
    std::string out(1, '\r');
    out.append(shown_.size(), ' ');
    out += '\r';
    std::fputs(out.c_str(), stderr);
    std::fflush(stderr);
    shown_.clear();
}

}  // namespace ign::cli
