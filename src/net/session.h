// A network game between two machines: the handshake, then every tick the inputs both
// ways, the rollback, the checks of the confirmed frames' checksums, and the end (frames
// run, a player who left, a silent peer, a desync). The hosts (headless and window) call
// it; it does no drawing, sound or files itself.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "net/link.h"
#include "net/protocol.h"
#include "net/rollback.h"

namespace net {

// How long a silent peer is waited for.
constexpr uint32_t kSilenceMs = 5000;
// How long a joiner waits for the host to answer.
constexpr uint32_t kConnectMs = 5000;

struct SessionConfig {
    bool host = true;
    uint16_t port = 0;
    std::string address;  // the joiner's host
    int inputDelay = 1;   // frames, 0..4
    uint64_t fighterHash = 0;
    uint32_t seed = 0;  // the host's
    int32_t speed = 0;  // the host's speed correction
    uint16_t version = kProtocolVersion;
    uint32_t joinWaitMs = 60000;  // how long a host waits for a joiner; 0: for ever
};

enum class SessionEnd {
    kNone,
    kFinished,  // every frame asked for ran on both sides (--frames, or a player left)
    kVanished,  // the other side went silent or hung up
    kRefused,   // the handshake failed (other version, other fighter data, no host)
    kDesync,    // a confirmed frame came out differently on the two sides
};

// The fighters' built data: every fighter against every opponent, as a fight builds them.
// Two games whose hashes differ would drift apart.
uint64_t FighterDataHash();

class Session final : public RollbackListener {
  public:
    explicit Session(const SessionConfig& config) : config_(config) {}

    // Opens the port or starts connecting. False with the reason.
    bool Start(std::string& error);

    // The handshake: call until Ready() or Ended(). nowMs is any millisecond clock.
    void PollHandshake(uint32_t nowMs, uint32_t waitMs);
    bool Ready() const { return ready_; }
    uint32_t Seed() const { return seed_; }
    int32_t Speed() const { return speed_; }
    int LocalPlayer() const { return config_.host ? 0 : 1; }

    // The game: its state at frame 0, and who hears of its frames (sounds, trace, replay).
    void BeginGame(shell::GameState& state, RollbackListener& listener);
    // One tick: what arrived, this player's input for its next frame, the frames a late
    // input changed, and the next frame unless the game may not run ahead. True when a
    // frame ran.
    bool Tick(uint32_t nowMs, uint8_t localInput);
    // Waits up to waitMs for the network (when a tick could not run a frame) and takes
    // what arrived.
    void Wait(uint32_t nowMs, uint32_t waitMs);

    // No frame after `frame` is to run (--frames, or this player leaves): the other side
    // is told.
    void EndAfter(int64_t frame, bool leaving);
    // This player leaves: the game ends after the frames this player's input reached.
    void Leave();

    SessionEnd Ended() const { return end_; }
    // A line for the player: why the session ended ("" while it runs).
    const std::string& EndReason() const { return reason_; }
    bool OtherLeft() const { return otherLeft_; }
    int64_t DesyncFrame() const { return desyncFrame_; }
    // Whether this machine runs ahead of the other and should show a frame twice.
    bool ShouldWaitAFrame();

    const Rollback* Game() const { return rollback_.get(); }
    // Whether a frame run or run again since the last call set up a fight (its sheets are
    // wanted).
    bool TakeFightersBuilt() { return rollback_ != nullptr && rollback_->TakeFightersBuilt(); }
    uint64_t BytesSent() const { return link_.BytesSent(); }
    uint64_t DatagramsSent() const { return link_.DatagramsSent(); }
    uint32_t RoundTripMs() const { return link_.RoundTripMs(); }

    // Takes one message's bytes as if they came from the other side (the link does this;
    // tests hand in garbage).
    void Receive(const uint8_t* data, size_t size, uint32_t nowMs);

    // RollbackListener
    void FirstRun(int64_t frame, const shell::FrameEvents& events) override;
    void Confirmed(int64_t frame, const shell::GameState& after, const audio::SoundRequests& sounds,
                   const uint8_t inputs[2]) override;

  private:
    void Finish(SessionEnd end, const std::string& reason);
    void HandleHandshake(const Message& m);
    void HandleInputs(const Message& m);
    void SendInputs(uint32_t nowMs);
    void CheckSums(int64_t frame);
    void PollLink(uint32_t nowMs, uint32_t waitMs);

    SessionConfig config_;
    Link link_;
    bool ready_ = false;
    bool helloSent_ = false;
    uint32_t startMs_ = 0;
    bool started_ = false;
    uint32_t seed_ = 0;
    int32_t speed_ = 0;

    std::unique_ptr<Rollback> rollback_;
    RollbackListener* listener_ = nullptr;
    int64_t remoteAck_ = -1;  // the last of our inputs the other side has
    int32_t remoteCurrent_ = 0;
    int8_t remoteAdvantage_ = 0;
    int64_t lastFrame_ = INT64_MAX;
    bool leaving_ = false;
    bool otherLeft_ = false;
    uint32_t lastReceiveMs_ = 0;
    uint32_t lastSendMs_ = 0;
    bool sendNow_ = true;
    int framesSinceWait_ = 0;

    struct Sum {
        int64_t frame = -1;
        uint64_t value = 0;
    };
    static constexpr int kSumRing = 128;
    Sum ours_[kSumRing];
    Sum theirs_[kSumRing];
    Sum newest_;
    int64_t sumSent_ = -1;  // the last frame whose checksum went out

    SessionEnd end_ = SessionEnd::kNone;
    std::string reason_;
    int64_t desyncFrame_ = -1;
    std::vector<Link::Received> inbox_;
};

}  // namespace net
