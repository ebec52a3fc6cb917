#include "UnitServer.h"

#include <poll.h>
#include <unistd.h>
#include <array>
#include <cerrno>
#include <chrono>

namespace ign {

namespace {

// Short enough that a delayed answer or a monitor frame leaves on time.
constexpr int kPollMs = 2;
// With nobody reading the terminal, the unit's monitor stream would pile up
// without end. Past this much unread output all of it is thrown away, as a
// line with nobody listening loses it; dropping it whole lets the next frame
// start at the front again.
constexpr std::size_t kMaxPending = 1024;

}  // namespace

void UnitServer::run(const volatile std::sig_atomic_t& stop) {
    if (!nowMs_) {
        nowMs_ = [] {
            using namespace std::chrono;
            return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
        };
    }
    std::int64_t last = nowMs_();
    while (!stop) {
        pollfd fd{master_, POLLIN, 0};
        if (!pending_.empty()) fd.events |= POLLOUT;
        const int ready = ::poll(&fd, 1, kPollMs);
        if (ready < 0 && errno != EINTR) break;
        if (ready > 0 && (fd.revents & POLLIN)) receive();

        const std::int64_t now = nowMs_();
        if (now > last) {
            unit_.advance(static_cast<int>(now - last));
            last = now;
        }
        transmit();
    }
}

void UnitServer::receive() {
    std::array<Byte, 256> buffer{};
    const ssize_t got = ::read(master_, buffer.data(), buffer.size());
    if (got <= 0) return;
    traceBytes(tracedIn_, '<', buffer.data(), static_cast<std::size_t>(got));
    unit_.receive(buffer.data(), static_cast<std::size_t>(got));
}

void UnitServer::transmit() {
    std::array<Byte, 256> chunk{};
    while (std::size_t n = unit_.take(chunk.data(), chunk.size())) {
        pending_.insert(pending_.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(n));
    }
    if (pending_.size() > kMaxPending) pending_.clear();
    if (pending_.empty()) return;
    const ssize_t sent = ::write(master_, pending_.data(), pending_.size());
    if (sent <= 0) return;
    traceBytes(tracedOut_, '>', pending_.data(), static_cast<std::size_t>(sent));
    pending_.erase(pending_.begin(), pending_.begin() + sent);
}

void UnitServer::traceBytes(std::vector<Byte>& partial, char direction, const Byte* data, std::size_t size) {
    if (trace_ == nullptr) return;
    partial.insert(partial.end(), data, data + size);
    constexpr std::size_t kFrame = 12;
    std::size_t at = 0;
    for (; partial.size() - at >= kFrame; at += kFrame) {
        std::fputc(direction, trace_);
        for (std::size_t i = 0; i < kFrame; ++i) std::fprintf(trace_, " %02X", partial[at + i]);
        std::fputc('\n', trace_);
    }
    partial.erase(partial.begin(), partial.begin() + static_cast<std::ptrdiff_t>(at));
    std::fflush(trace_);
}

}  // namespace ign
