#pragma once

#include "ParameterSet.h"
#include "SerialLine.h"

#include <cstddef>
#include <cstdint>
#include <utility>

namespace ign {

// Whoever keeps a line open and lends it. A loan it has ended itself (the
// port closed or reopened) gives no line any more; the borrower still hands
// it back, so the lender knows when the borrower has let go.
class LineLender {
public:
    // The lent line while loan holds; null once the lender ended it.
    virtual SerialLine* lentLine(std::uint64_t loan) const = 0;
    virtual void giveBack(std::uint64_t loan) = 0;

protected:
    LineLender() = default;
    ~LineLender() = default;
    LineLender(const LineLender&) = default;
    LineLender& operator=(const LineLender&) = default;
};

// A line borrowed for a while. It is a line itself: it reads and writes the
// lent one while the loan holds and nothing after, so whatever still talks
// through it afterwards cannot reach a line that is no longer the borrower's.
// It goes back when it ends (Return, or the object going away). A default
// one is empty: the loan was refused.
class LineLoan final : public SerialLine {
public:
    LineLoan() = default;
    LineLoan(LineLender& lender, std::uint64_t id) : lender_(&lender), id_(id) {}
    ~LineLoan() override { Return(); }
    LineLoan(const LineLoan&) = delete;
    LineLoan& operator=(const LineLoan&) = delete;
    LineLoan(LineLoan&& other) noexcept : lender_(std::exchange(other.lender_, nullptr)), id_(other.id_) {}
    LineLoan& operator=(LineLoan&& other) noexcept {
        if (this != &other) {
            Return();
            lender_ = std::exchange(other.lender_, nullptr);
            id_ = other.id_;
        }
        return *this;
    }

    // Granted and not yet given back (the line itself may be gone meanwhile).
    explicit operator bool() const { return lender_ != nullptr; }
    // The lent line; null when refused, given back, or ended by the lender.
    SerialLine* Line() const { return lender_ != nullptr ? lender_->lentLine(id_) : nullptr; }
    void Return() {
        if (LineLender* lender = std::exchange(lender_, nullptr)) lender->giveBack(id_);
    }

    bool isOpen() const override {
        const SerialLine* line = Line();
        return line != nullptr && line->isOpen();
    }
    std::size_t bytesQueued() override {
        SerialLine* line = Line();
        return line != nullptr ? line->bytesQueued() : 0;
    }
    std::size_t read(Byte* buffer, std::size_t maxBytes) override {
        SerialLine* line = Line();
        return line != nullptr ? line->read(buffer, maxBytes) : 0;
    }
    void write(const Byte* frame, std::size_t size) override {
        if (SerialLine* line = Line()) line->write(frame, size);
    }

private:
    LineLender* lender_ = nullptr;
    std::uint64_t id_ = 0;
};

}  // namespace ign
