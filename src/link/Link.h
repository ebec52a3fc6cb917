#pragma once

#include "DeviceImageCodec.h"
#include "Frame.h"
#include "LinkView.h"
#include "Messages.h"
#include "Monitor.h"
#include "ParameterSet.h"
#include "SerialLine.h"
#include "Tick.h"
#include "TransferMode.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace ign {

inline constexpr std::size_t kReceiveBufferSize = 1024;

// The transfer state, named as the rest of the program speaks of it.
struct LinkState {
    ign::TransferMode TransferMode = ign::TransferMode::None;
    Byte FrameCode = 0;  // code of the outstanding request
    Byte SendCount = 0;  // sends of the outstanding request; 1 after the first
    Byte WaitTicks = 0;  // ticks since the last send
    bool AwaitingResponse = false;
    Byte StatusHideTicks = 0;  // counts down; hides label and bar on reaching 0
    std::array<Byte, kReceiveBufferSize> ReceiveBuffer{};
    std::size_t ReceivedCount = 0;  // bytes the last read brought
    Frame TransmitFrame{};
};

// Chooses the blocks of a transfer that writes and reads back only some of
// them. The link asks it again after every answer that passed its checks, so
// the choice may change while the transfer runs.
class BlockPlan {
public:
    virtual ~BlockPlan() = default;
    // The next block to write, or none when nothing is left to write.
    virtual std::optional<int> nextWrite() = 0;
    // The unit echoed the block's ten bytes (data) as written.
    virtual void written(int block, const Byte* data) = 0;
    // The next block to read back, or none when every written block was read back.
    virtual std::optional<int> nextCheck() = 0;
    // The ten bytes a read-back of the block must show.
    virtual const Byte* expected(int block) const = 0;
    virtual void checked(int block) = 0;
    // The bar's position, 0..Link::kProgressMax.
    virtual int progress() const = 0;
    // The transfer ended with message, or another transfer replaced it (none).
    virtual void ended(std::optional<MessageId> message) = 0;
};

// What the status label and the progress bar show right now.
struct LinkDisplay {
    std::optional<MessageId> status;  // nothing before the first transfer
    bool statusVisible = false;
    int progress = 0;  // 0..40
    bool progressVisible = false;
};

// Read, Verify and Program over a serial line, one 10-byte block per frame.
// Stepped by tick() every 55 ms; it has no clock and never waits. It works on
// a set of its own: the one it was last handed to send and compare with, or
// the one a Read fills. It tells every LinkView that follows it what
// happened, in the order the views were added.
class Link {
public:
    static constexpr int kTimeoutTicks = 3;    // a request is resent after more ticks than this
    static constexpr int kMaxSends = 5;        // sends of one request before giving up
    static constexpr Byte kStatusTicks = 200;  // a result stays 11 s
    static constexpr int kProgressMax = 40;
    static constexpr int kProgressStep = 2;

    // line and view may be null: no line sends and reads nothing, so every
    // transfer runs into its error text.
    explicit Link(SerialLine* line = nullptr, LinkView* view = nullptr);

    void setLine(SerialLine* line) {
        line_ = line;
        ++lineChanges_;
    }
    // How often the line was set: a port opened, reopened, changed or lent counts.
    std::uint64_t lineChanges() const { return lineChanges_; }
    SerialLine* line() const { return line_; }
    // While the line's owner has lent it to a read that goes before the
    // link's next command, an idle link keeps still: its tick counts nothing,
    // shows no frame again and reads nothing, as if it were not ticked. A
    // command of its own goes out at once and ticks as ever.
    void keepStillWhileIdle(bool still) { stillWhileIdle_ = still; }
    // Makes view the only one that follows the link (none when null).
    void setView(LinkView* view);
    // Views follow the link until they are removed; each is told once per event.
    void addView(LinkView* view);
    void removeView(LinkView* view);
    // The clock that stamps monitor frames, in ms; without one, the ticks so far times kTickMs.
    void setClock(std::function<std::int64_t()> nowMs) { clock_ = std::move(nowMs); }
    // The time by that clock.
    std::int64_t now() const { return clock_ ? clock_() : ticks_ * kTickMs; }
    // No transfer runs and no request waits for its answer: a new command
    // would start afresh rather than replace one, and a driver may stop ticking.
    bool idle() const { return state_.TransferMode == ign::TransferMode::None && !state_.AwaitingResponse; }

    // The set the next Verify or Program sends and compares with, and the
    // one a planned transfer running now finds on its next step; its image
    // is packed from its blocks here, the one place that packs it.
    void Use(const ParameterSet& set);
    // An image to send and compare with just as it is, with no blocks behind it.
    void UseImage(const DeviceImage& image) { set_.image = image; }

    // Transfers. A transfer started while another runs replaces it. A Read
    // fills `into` (or the set the link holds): what the image does not
    // carry stays as it was there. Verify and Program work on the set last used.
    void StartRead();
    void StartRead(const ParameterSet& into);
    void StartVerify();
    void StartProgram();
    // Writes the blocks plan chooses, then reads them back, with Program's and
    // Verify's texts, checks and retries. Returns false, starting nothing,
    // when the plan has nothing to write.
    bool StartPlanned(BlockPlan& plan);
    bool planned() const { return plan_ != nullptr; }
    // The plan goes away: a transfer it steers stops where it stands, unreported.
    void dropPlan(const BlockPlan& plan);

    // Answer pacing: an answer is handled as soon as its twelfth byte is
    // queued and the next request goes out at once; the tick stays the clock
    // of the time-out and of the monitor. Off, answers wait for the tick.
    void setAnswerPaced(bool on) { answerPaced_ = on; }
    bool answerPaced() const { return answerPaced_; }
    // Bytes may have come in (the line said so, or a poll): with answer
    // pacing on and an answer awaited, takes it when it is whole.
    void AnswerPoll();
    bool awaitingAnswer() const {
        return state_.AwaitingResponse && state_.TransferMode != ign::TransferMode::None;
    }

    // One timer tick: the last monitor frame again, the port, the time-out, the display countdown.
    void tick();

    // The steps tick() and the Start operations are made of; public for tests and tools.
    void SendFrame();
    void PollPort();
    void HandleResponse();

    const LinkState& state() const { return state_; }
    const LinkDisplay& display() const { return display_; }
    // Decoded from block 21 by the last completed Read; empty before.
    const UnitIdentification& identification() const { return identification_; }
    // Since the last command or live programming started, a valid answer came
    // whose data differ from the image: the unit answers, and holds something else.
    bool answerDiffered() const { return answerDiffered_; }
    // The set last used, or the one the last Read filled.
    const ParameterSet& parameters() const { return set_; }

private:
    void start(ign::TransferMode mode, Byte firstCode, MessageId message);
    void startCommand(ign::TransferMode mode, Byte firstCode, MessageId message);
    void startVerifyAfterTransfer();
    void nextBlock();
    void stepProgress();
    void finish(MessageId message, bool hideProgress);
    void showStatus(MessageId message);
    void setProgress(int position);
    void showProgress(bool visible);
    void reportMonitorFrames();
    template <typename Event>
    void tell(Event event);
    void handleRead(const Byte* frame, int block);
    void handleVerify(const Byte* frame, int block);
    void handleProgram(const Byte* frame, int block);
    void continuePlan();
    void endPlan(std::optional<MessageId> message);

    ParameterSet set_{};
    SerialLine* line_;
    std::vector<LinkView*> views_;
    std::function<std::int64_t()> clock_;
    std::int64_t ticks_ = 0;
    LinkState state_;
    LinkDisplay display_;
    UnitIdentification identification_;
    bool answerDiffered_ = false;
    bool answerPaced_ = false;
    BlockPlan* plan_ = nullptr;
    std::uint64_t lineChanges_ = 0;
    bool stillWhileIdle_ = false;
    // Every frame of every read, read from its bytes once, for the views.
    Monitor frameDecoder_;
};

}  // namespace ign
