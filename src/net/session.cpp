// The network game's session.
#include "net/session.h"

#include <xxhash.h>

#include <algorithm>
#include <memory>

#include "engine/fighter.h"
#include "engine/roster.h"
#include "shell/game_state.h"

namespace net {

namespace {

constexpr uint32_t kKeepAliveMs = 20;
constexpr int kFrameMs = 40;

std::string VersionText(uint16_t v) {
    return std::to_string(v);
}

}  // namespace

uint64_t FighterDataHash() {
    XXH3_state_t* hash = XXH3_createState();
    XXH3_64bits_reset(hash);
    auto fighter = std::make_unique<engine::Fighter>();
    for (int kind = 1; kind <= engine::kRosterSize; ++kind) {
        for (int opponent = 1; opponent <= engine::kRosterSize; ++opponent) {
            *fighter = engine::Fighter{};
            engine::ResetFighter(*fighter, engine::kSideLeft);
            engine::BuildFighter(*fighter, kind, opponent);
            XXH3_64bits_update(hash, fighter.get(), sizeof(engine::Fighter));
        }
    }
    const uint64_t value = XXH3_64bits_digest(hash);
    XXH3_freeState(hash);
    return value;
}

bool Session::Start(std::string& error) {
    if (config_.host) return link_.Host(config_.port, error);
    return link_.Join(config_.address, config_.port, error);
}

void Session::PollLink(uint32_t nowMs, uint32_t waitMs) {
    inbox_.clear();
    link_.Poll(waitMs, inbox_);
    for (const Link::Received& r : inbox_)
        Receive(r.bytes.data(), r.bytes.size(), nowMs);
}

void Session::PollHandshake(uint32_t nowMs, uint32_t waitMs) {
    if (!started_) {
        started_ = true;
        startMs_ = nowMs;
    }
    if (end_ != SessionEnd::kNone || ready_) return;
    PollLink(nowMs, waitMs);
    if (end_ != SessionEnd::kNone || ready_) return;
    if (!config_.host && link_.Connected() && !helloSent_) {
        Message hello;
        hello.type = MessageType::kHello;
        hello.version = config_.version;
        hello.fighterHash = config_.fighterHash;
        link_.Send(Encode(hello), true);
        link_.Flush();
        helloSent_ = true;
    }
    if (!config_.host && !helloSent_ && nowMs - startMs_ > kConnectMs) {
        Finish(SessionEnd::kRefused,
               "nobody answered at " + config_.address + ":" + std::to_string(config_.port));
    } else if (config_.host && config_.joinWaitMs != 0 && !link_.Connected() &&
               nowMs - startMs_ > config_.joinWaitMs) {
        Finish(SessionEnd::kRefused, "nobody joined on port " + std::to_string(config_.port));
    } else if (link_.Disconnected()) {
        Finish(SessionEnd::kRefused, "the other side hung up before the game began");
    }
}

void Session::HandleHandshake(const Message& m) {
    if (ready_) return;  // the game runs: a late repeat changes nothing
    if (m.type == MessageType::kRefuse) {
        std::string why;
        switch (m.reason) {
            case RefuseReason::kVersion:
                why = "the other game speaks network version " + VersionText(m.version) +
                      ", this one " + VersionText(config_.version) +
                      ": both players need the same version of the game";
                break;
            case RefuseReason::kFighters:
                why =
                    "the other game's fighters are built differently: both players need "
                    "the same version of the game";
                break;
            case RefuseReason::kBusy: why = "the other game already has a player"; break;
        }
        Finish(SessionEnd::kRefused, "refused: " + why);
        return;
    }
    if (config_.host && m.type == MessageType::kHello) {
        Message answer;
        answer.version = config_.version;
        answer.fighterHash = config_.fighterHash;
        if (m.version != config_.version || m.fighterHash != config_.fighterHash) {
            answer.type = MessageType::kRefuse;
            const bool version = m.version != config_.version;
            answer.reason = version ? RefuseReason::kVersion : RefuseReason::kFighters;
            link_.Send(Encode(answer), true);
            Finish(SessionEnd::kRefused,
                   version ? "refused a player whose game speaks network version " +
                                 VersionText(m.version) + " (this one " +
                                 VersionText(config_.version) + ")"
                           : "refused a player whose game builds its fighters differently "
                             "(another version of the game)");
            return;
        }
        answer.type = MessageType::kWelcome;
        answer.seed = config_.seed;
        answer.speed = config_.speed;
        link_.Send(Encode(answer), true);
        link_.Flush();
        seed_ = config_.seed;
        speed_ = config_.speed;
        ready_ = true;
    } else if (!config_.host && m.type == MessageType::kWelcome) {
        if (m.version != config_.version || m.fighterHash != config_.fighterHash) {
            Finish(SessionEnd::kRefused, "the host's game is another version of the game");
            return;
        }
        seed_ = m.seed;
        speed_ = m.speed;
        ready_ = true;
    }
}

void Session::BeginGame(shell::GameState& state, RollbackListener& listener) {
    rollback_ = std::make_unique<Rollback>(state, LocalPlayer(), *this);
    listener_ = &listener;
    for (int64_t f = 0; f < config_.inputDelay; ++f)
        rollback_->AddInput(LocalPlayer(), f, 0);
    lastReceiveMs_ = 0;
}

void Session::Receive(const uint8_t* data, size_t size, uint32_t nowMs) {
    Message m;
    if (!Decode(data, size, m)) return;  // not ours, damaged or cut short: nothing changes
    lastReceiveMs_ = nowMs;
    switch (m.type) {
        case MessageType::kHello:
        case MessageType::kWelcome:
        case MessageType::kRefuse: HandleHandshake(m); break;
        case MessageType::kInputs: HandleInputs(m); break;
        case MessageType::kLeave:
            if (m.frame < lastFrame_) {
                otherLeft_ = true;
                lastFrame_ = m.frame;
            }
            sendNow_ = true;
            break;
        case MessageType::kDesync:
            desyncFrame_ = m.frame;
            Finish(SessionEnd::kDesync, "frame " + std::to_string(m.frame) +
                                            " came out differently on the other machine");
            break;
    }
}

void Session::HandleInputs(const Message& m) {
    if (rollback_ == nullptr || end_ != SessionEnd::kNone) return;
    const int remote = 1 - LocalPlayer();
    const int64_t before = rollback_->LastInput(remote);
    for (int i = 0; i < m.count; ++i)
        if (!rollback_->AddInput(remote, int64_t{m.firstFrame} + i, m.inputs[i])) break;
    if (rollback_->LastInput(remote) != before) sendNow_ = true;
    remoteAck_ = std::max<int64_t>(
        remoteAck_, std::min<int64_t>(m.ackFrame, rollback_->LastInput(LocalPlayer())));
    remoteCurrent_ = m.currentFrame;
    remoteAdvantage_ = m.advantage;
    if (m.checksumFrame >= 0) {
        theirs_[m.checksumFrame % kSumRing] = {m.checksumFrame, m.checksum};
        CheckSums(m.checksumFrame);
    }
}

void Session::CheckSums(int64_t frame) {
    const Sum& a = ours_[frame % kSumRing];
    const Sum& b = theirs_[frame % kSumRing];
    if (a.frame != frame || b.frame != frame || a.value == b.value) return;
    if (end_ != SessionEnd::kNone) return;
    Message m;
    m.type = MessageType::kDesync;
    m.frame = static_cast<int32_t>(frame);
    link_.Send(Encode(m), true);
    desyncFrame_ = frame;
    Finish(SessionEnd::kDesync, "frame " + std::to_string(frame) +
                                    " came out differently on the two machines (a desync)");
}

void Session::SendInputs(uint32_t nowMs) {
    if (rollback_ == nullptr) return;
    const int local = LocalPlayer();
    Message m;
    m.type = MessageType::kInputs;
    const int64_t first = remoteAck_ + 1;
    const int64_t last = rollback_->LastInput(local);
    const int64_t count = std::clamp<int64_t>(last - first + 1, 0, kMaxInputsPerMessage);
    m.firstFrame = static_cast<int32_t>(first);
    m.count = static_cast<uint8_t>(count);
    for (int64_t i = 0; i < count; ++i)
        m.inputs[i] = rollback_->InputAt(local, first + i);
    m.ackFrame = static_cast<int32_t>(rollback_->LastInput(1 - local));
    m.currentFrame = static_cast<int32_t>(rollback_->Current());
    const int64_t remoteNow = remoteCurrent_ + link_.RoundTripMs() / 2 / kFrameMs;
    m.advantage =
        static_cast<int8_t>(std::clamp<int64_t>(rollback_->Current() - remoteNow, -100, 100));
    // Each confirmed frame's checksum goes out in turn, oldest first, so the first frame that
    // came out differently is the one both sides name, however many frames one confirmation
    // settled at once. Behind by more than the ring, the oldest are let go.
    Sum sum = newest_;
    if (newest_.frame > sumSent_) {
        const int64_t frame = std::max(sumSent_ + 1, newest_.frame - kSumRing + 1);
        if (ours_[frame % kSumRing].frame == frame) sum = ours_[frame % kSumRing];
        sumSent_ = sum.frame;
    }
    m.checksumFrame = static_cast<int32_t>(sum.frame);
    m.checksum = sum.value;
    link_.Send(Encode(m), end_ == SessionEnd::kFinished);
    lastSendMs_ = nowMs;
    sendNow_ = false;
}

bool Session::Tick(uint32_t nowMs, uint8_t localInput) {
    if (rollback_ == nullptr || end_ != SessionEnd::kNone) return false;
    if (lastReceiveMs_ == 0) lastReceiveMs_ = nowMs;
    PollLink(nowMs, 0);
    if (end_ != SessionEnd::kNone) return false;

    const int local = LocalPlayer();
    const int64_t next = rollback_->LastInput(local) + 1;
    if (!leaving_ && next < rollback_->Current() + std::max(config_.inputDelay, 0) + 1 &&
        next <= lastFrame_)
        rollback_->AddInput(local, next, localInput);
    rollback_->Resolve();
    bool advanced = false;
    if (rollback_->CanAdvance(lastFrame_)) {
        rollback_->Advance();
        rollback_->Resolve();
        advanced = true;
        sendNow_ = true;
    } else {
        rollback_->NoteWait();
    }
    if (end_ != SessionEnd::kNone) return advanced;

    if (lastFrame_ != INT64_MAX && rollback_->Confirmed() >= lastFrame_ &&
        remoteAck_ >= lastFrame_) {
        Finish(SessionEnd::kFinished, otherLeft_ ? "the other player left" : "");
        return advanced;
    }
    if (link_.Disconnected()) {
        Finish(SessionEnd::kVanished, "the other player's game hung up");
    } else if (nowMs - lastReceiveMs_ > kSilenceMs) {
        Finish(SessionEnd::kVanished, "the other player's game stopped answering");
    } else if (sendNow_ || nowMs - lastSendMs_ >= kKeepAliveMs) {
        SendInputs(nowMs);
    }
    return advanced;
}

void Session::Wait(uint32_t nowMs, uint32_t waitMs) {
    if (end_ != SessionEnd::kNone) return;
    PollLink(nowMs, waitMs);
}

void Session::EndAfter(int64_t frame, bool leaving) {
    if (frame >= lastFrame_) return;
    lastFrame_ = frame;
    leaving_ = leaving_ || leaving;
    Message m;
    m.type = MessageType::kLeave;
    m.frame = static_cast<int32_t>(std::max<int64_t>(frame, -1));
    link_.Send(Encode(m), true);
    link_.Flush();
}

void Session::Leave() {
    EndAfter(rollback_ != nullptr ? rollback_->LastInput(LocalPlayer()) : -1, true);
    leaving_ = true;
}

bool Session::ShouldWaitAFrame() {
    if (rollback_ == nullptr) return false;
    ++framesSinceWait_;
    const int64_t remoteNow = remoteCurrent_ + link_.RoundTripMs() / 2 / kFrameMs;
    const int64_t ours = rollback_->Current() - remoteNow;
    if ((ours - remoteAdvantage_) / 2 < 1 || framesSinceWait_ < 10) return false;
    framesSinceWait_ = 0;
    return true;
}

void Session::FirstRun(int64_t frame, const shell::FrameEvents& events) {
    if (listener_ != nullptr) listener_->FirstRun(frame, events);
}

void Session::Confirmed(int64_t frame, const shell::GameState& after,
                        const audio::SoundRequests& sounds, const uint8_t inputs[2]) {
    const Sum sum{frame, shell::StateChecksum(after)};
    ours_[frame % kSumRing] = sum;
    newest_ = sum;
    if (listener_ != nullptr) listener_->Confirmed(frame, after, sounds, inputs);
    CheckSums(frame);
}

void Session::Finish(SessionEnd end, const std::string& reason) {
    if (end_ != SessionEnd::kNone) return;
    end_ = end;
    reason_ = reason;
    // The last word goes out reliably: the other side may still need our acknowledgement.
    if (end == SessionEnd::kFinished) SendInputs(0);
    link_.Flush();
    if (end != SessionEnd::kVanished) link_.Close();
}

}  // namespace net
