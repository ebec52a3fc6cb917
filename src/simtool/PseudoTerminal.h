#pragma once

#include <string>

namespace ign {

// A pseudo-terminal pair in raw mode. The slave side stays open here for the
// whole life of the object: without it, every client that closes the
// terminal would leave the master reading EIO in a loop.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Returns false with the reason in error when the system refuses.
    bool open(std::string& error);
    int master() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

}  // namespace ign
