// The training room's frame.
#include "shell/training.h"

#include <xxhash.h>

#include <cstring>

#include "engine/motion.h"
#include "engine/update.h"
#include "fight/hits.h"
#include "fight/input.h"
#include "platform/devices.h"
#include "shell/game_step.h"
#include "shell/routines.h"

namespace shell {

namespace {

using engine::Fighter;

constexpr int kCornerGap = 160;  // the distance of a corner reset
constexpr int kCalmFramesToDisarm = 40;

bool Pressed(TrainingState& t, const fight::FrameInput& in, int n) {
    const bool down = (in.keys[kTrainingKey0 + n] & platform::kKeyDownBit) != 0;
    return down && !t.keysHeld[n];
}

bool IsHit(int32_t result) {
    return result >= 1 && result <= 4;
}

// ---- the fight's resets ----

void PlaceFighters(GameState& s, int32_t x1, int32_t x2) {
    s.fighter[0].x = x1;
    s.fighter[1].x = x2;
}

// Both fighters as new (full health, standing) where the reset kind puts them.
void Reset(GameState& s, TrainingState& t, FrameEvents& events, int kind) {
    const int32_t x1 = s.fighter[0].x, x2 = s.fighter[1].x;
    BuildFighters(s, events);
    int32_t nx1 = engine::kStartXLeft, nx2 = engine::kStartXRight;
    switch (kind) {
        case kResetLeftCorner:
            nx1 = engine::kFieldLeft + engine::kClearance;
            nx2 = nx1 + kCornerGap;
            break;
        case kResetRightCorner:
            nx2 = engine::kFieldRight - engine::kClearance;
            nx1 = nx2 - kCornerGap;
            break;
        case kResetSwapped:
            // Mirrored about the middle of the field: player 1 stays the left one.
            nx1 = engine::kFieldLeft + engine::kFieldRight - x2;
            nx2 = engine::kFieldLeft + engine::kFieldRight - x1;
            if (nx1 >= nx2) {
                nx1 = x1;
                nx2 = x2;
            }
            break;
        case kResetLast:
            if (t.lastReset[0] != 0 || t.lastReset[1] != 0) {
                nx1 = t.lastReset[0];
                nx2 = t.lastReset[1];
            }
            break;
        default: break;
    }
    PlaceFighters(s, nx1, nx2);
    t.lastReset[0] = nx1;
    t.lastReset[1] = nx2;
    s.gameState = kStateFight;
    s.phase = kPhaseFight;
    s.phaseFrames = 0;
    t.sinceHit[0] = t.sinceHit[1] = 0;
    t.playing = 0;
    t.measuring = 0;
}

// ---- the keys ----

void HandleKeys(GameState& s, TrainingState& t, const fight::FrameInput& in, FrameEvents& events) {
    if (Pressed(t, in, 1)) {
        t.dummy = static_cast<uint8_t>((t.dummy + 1) % kDummyModes);
        t.playing = 0;
        t.guardArmed = 0;
    }
    for (const int n : {2, 3}) {
        if (!Pressed(t, in, n)) continue;
        const uint8_t source = n == 2 ? kRecordPlayer2 : kRecordPlayer1;
        if (t.recording == source) {
            t.recording = kRecordOff;
        } else {
            t.recording = source;
            t.playing = 0;
            t.slotLength[t.slot] = 0;
        }
    }
    if (Pressed(t, in, 4) && t.recording == kRecordOff)
        t.slot = static_cast<uint8_t>((t.slot + 1) % kTrainingSlots);
    if (Pressed(t, in, 5)) t.playStyle = static_cast<uint8_t>((t.playStyle + 1) % kPlayStyles);
    if (Pressed(t, in, 0) && t.recording == kRecordOff) {
        t.dummy = kDummyPlayback;
        const bool start = !t.playing && t.slotLength[t.slot] > 0 &&
                           (t.playStyle == kPlayOnce || t.playStyle == kPlayLoop);
        t.playing = start ? 1 : 0;
        t.playFrame = 0;
    }
    if (Pressed(t, in, 6)) t.resetKind = static_cast<uint8_t>((t.resetKind + 1) % kResetKinds);
    if (Pressed(t, in, 7) && s.gameState == kStateFight) Reset(s, t, events, t.resetKind);
    if (Pressed(t, in, 8)) t.refill = t.refill ? 0 : 1;
}

// ---- the select screen: player 1's device picks both ----

void TrainingSelect(GameState& s, TrainingState& t, const fight::FrameInput& in,
                    FrameEvents& events) {
    fight::ClearCommand(s.input[0]);
    fight::ClearCommand(s.input[1]);
    switch (s.phase) {
        case kSelectOpening:
            if (++s.phaseFrames == kSelectOpeningFrames) {
                s.phase = kSelectChoosing;
                s.phaseFrames = 0;
            }
            break;
        case kSelectChoosing: {
            SelectReadPlayer(s, 0, in);
            for (int32_t& d : s.selectDelay)
                if (d > 0) --d;
            const int32_t command = s.input[0].command;
            if (t.waitRelease) {
                if (command == fight::kCmdNone) t.waitRelease = 0;
                break;
            }
            const int picking = t.pickingDummy ? 1 : 0;
            SelectChoose(s, picking, command, events);
            if (picking == 0 && s.selectDone[0]) {
                t.pickingDummy = 1;
                t.waitRelease = 1;
            }
            if (s.selectDone[0] && s.selectDone[1]) s.phase = kSelectConfirmed;
            break;
        }
        case kSelectConfirmed:
            if (++s.phaseFrames == kSelectConfirmedFrames) {
                BuildFighters(s, events);
                s.gameState = kStateFight;
                s.phase = kPhaseReady;
                s.phaseFrames = 0;
                s.counterBannerFrames[0] = s.counterBannerFrames[1] = 0;
                t.lastReset[0] = s.fighter[0].x;
                t.lastReset[1] = s.fighter[1].x;
            }
            break;
        default: break;
    }
}

// ---- the dummy ----

// The guard against player 1's attack: the kind of its first active frame, from the frame
// it shows on. 0 when player 1 is not attacking.
int32_t GuardAgainst(const Fighter& attacker) {
    const engine::DecodedCode d = engine::DecodeCode(attacker.code);
    if (d.motion < engine::kMotionAttackFirst) return fight::kCmdNone;
    for (int f = d.frame; f < engine::kFramesPerMotion; ++f) {
        const int kind = attacker.tables[d.stance][d.motion][f].attackKind;
        if (kind >= 1 && kind <= 3) return fight::kCmdGuard;
        if (kind == 4 || kind == 7) return fight::kCmdDownGuard;
    }
    return fight::kCmdNone;
}

struct Controls {
    fight::Control control[2] = {fight::Control::kDevice, fight::Control::kCommand};
    int32_t given[2] = {0, 0};
};

Controls DummyControls(GameState& s, TrainingState& t, const fight::FrameInput& in) {
    Controls c;
    if (t.recording == kRecordPlayer2) {
        c.control[1] = fight::Control::kDevice;
        return c;
    }
    if (t.recording == kRecordPlayer1) {
        // Player 1's device drives the dummy; player 1's fighter stands.
        SelectReadPlayer(s, 0, in);
        c.control[0] = fight::Control::kCommand;
        c.given[1] = s.input[0].command;
        s.input[0].command = fight::kCmdNone;
        return c;
    }
    switch (t.dummy) {
        case kDummyGuardAll: c.given[1] = GuardAgainst(s.fighter[0]); break;
        case kDummyGuardAfterHit:
            if (t.guardArmed) c.given[1] = GuardAgainst(s.fighter[0]);
            break;
        case kDummyComputer: c.control[1] = fight::Control::kComputer; break;
        case kDummyDevice: c.control[1] = fight::Control::kDevice; break;
        case kDummyPlayback:
            if (t.playing && t.playFrame < t.slotLength[t.slot])
                c.given[1] = t.slotCommands[t.slot][t.playFrame++];
            break;
        default: break;
    }
    return c;
}

// After the frame: the slot's recording, the playback's end or start, the guard's arming.
void FollowDummy(GameState& s, TrainingState& t) {
    if (t.recording != kRecordOff && s.phase == kPhaseFight) {
        int32_t& length = t.slotLength[t.slot];
        t.slotCommands[t.slot][length++] = s.frameCommands[1];
        if (length == kSlotFrames) t.recording = kRecordOff;
    }
    const int32_t against = s.frameHits[0];  // what player 1's attack did to the dummy
    if (t.dummy == kDummyPlayback && t.playing && t.playFrame >= t.slotLength[t.slot]) {
        t.playFrame = 0;
        if (t.playStyle != kPlayLoop) t.playing = 0;
    }
    if (t.dummy == kDummyPlayback && !t.playing && t.slotLength[t.slot] > 0 &&
        ((t.playStyle == kPlayAfterHit && IsHit(against)) ||
         (t.playStyle == kPlayAfterGuard && against == fight::kHitGuarded))) {
        t.playing = 1;
        t.playFrame = 0;
    }
    if (IsHit(against)) t.guardArmed = 1;
    const bool attacking = engine::MotionOf(s.fighter[0].code) >= engine::kMotionAttackFirst;
    t.calmFrames = attacking ? 0 : t.calmFrames + 1;
    if (t.calmFrames >= kCalmFramesToDisarm) t.guardArmed = 0;
}

// ---- what the screen shows of the fight ----

void Refill(GameState& s, TrainingState& t) {
    for (int p = 0; p < 2; ++p) {
        Fighter& f = s.fighter[p];
        // A hit or a guarded attack (its chip damage) starts the count again.
        t.sinceHit[p] = s.frameHits[1 - p] != fight::kHitNothing ? 0 : t.sinceHit[p] + 1;
        if (!t.refill || f.koMark != 0 || t.sinceHit[p] != kRefillFrames) continue;
        f.healthCeiling = f.healthMax;
        f.health = f.healthMax;
        f.stamina = f.staminaMax;
    }
}

void Meter(const GameState& s, TrainingState& t) {
    for (int p = 0; p < 2; ++p)
        t.meter[p][t.meterHead] = FrameKindOf(s.fighter[p]);
    t.meterHead = (t.meterHead + 1) % kMeterCells;
}

void History(const GameState& s, TrainingState& t) {
    for (int p = 0; p < 2; ++p) {
        const int32_t c = s.frameCommands[p];
        if (c != fight::kCmdNone && c == t.lastCommand[p] && t.historyCount[p] > 0) {
            ++t.history[p][0].frames;
        } else if (c != fight::kCmdNone) {
            std::memmove(&t.history[p][1], &t.history[p][0],
                         sizeof(HistoryEntry) * (kHistoryEntries - 1));
            t.history[p][0] = {c, 1};
            if (t.historyCount[p] < kHistoryEntries) ++t.historyCount[p];
        }
        t.lastCommand[p] = c;
    }
}

// The frame advantage of a hit or a guard: from the frame after it, how many frames until
// each fighter can act again; the difference is what the attacker is ahead.
void Advantage(const GameState& s, TrainingState& t) {
    for (int a = 0; a < 2; ++a) {
        const int32_t result = s.frameHits[a];
        if (result == fight::kHitNothing) continue;
        t.measuring = 1;
        t.attacker = a;
        t.attackerReady = t.defenderReady = -1;
        t.measureFrames = 0;
        t.advantageGuarded = result == fight::kHitGuarded ? 1 : 0;
        return;  // the frame of the hit itself is not counted
    }
    if (!t.measuring) return;
    ++t.measureFrames;
    if (t.attackerReady < 0 && CanAct(s.fighter[t.attacker])) t.attackerReady = t.measureFrames;
    if (t.defenderReady < 0 && CanAct(s.fighter[1 - t.attacker])) t.defenderReady = t.measureFrames;
    if (t.attackerReady < 0 || t.defenderReady < 0) return;
    t.advantage = t.defenderReady - t.attackerReady;
    t.advantageAttacker = t.attacker;
    t.advantageKnown = 1;
    t.measuring = 0;
}

void TrainingFight(GameState& s, TrainingState& t, const fight::FrameInput& in,
                   FrameEvents& events) {
    const Controls c = DummyControls(s, t, in);
    FightFrameControlled(s, in, events, c.control, c.given);
    // The fight never ends: after the knock-out the two stand again where they last did.
    if (s.phase == kPhaseResult) {
        Reset(s, t, events, kResetLast);
        return;
    }
    FollowDummy(s, t);
    if (s.phase == kPhaseFight) Refill(s, t);
    Meter(s, t);
    History(s, t);
    Advantage(s, t);
}

}  // namespace

FrameKind FrameKindOf(const Fighter& f) {
    const engine::DecodedCode d = engine::DecodeCode(f.code);
    if (d.motion >= engine::kMotionFallFirst && d.motion <= engine::kMotionReactionLast)
        return kFrameStun;
    if ((d.motion == engine::kMotionGuard || d.motion == engine::kMotionLowGuard) && d.frame >= 1)
        return kFrameStun;
    if (d.motion < engine::kMotionAttackFirst) return kFrameNeutral;
    const auto& motion = f.tables[d.stance][d.motion];
    if (motion[d.frame].attackKind != 0) return kFrameActive;
    for (int n = d.frame + 1; n < engine::kFramesPerMotion; ++n)
        if (motion[n].attackKind != 0) return kFrameStartUp;
    return kFrameRecovery;
}

bool CanAct(const Fighter& f) {
    const engine::DecodedCode d = engine::DecodeCode(f.code);
    if (d.motion == engine::kMotionStand || d.motion == engine::kMotionStepForward ||
        d.motion == engine::kMotionStepBack)
        return true;
    return (d.motion == engine::kMotionGuard || d.motion == engine::kMotionLowGuard) &&
           d.frame == 0;
}

void TrainingButtonClick(TForm1& form) {
    form.training = TrainingState{};
    form.training.refill = 1;
    form.gameMode = kModeTraining;
    form.fighter[0].powerLevel = 0;
    form.fighter[1].powerLevel = 0;
    StartGame(form);
}

void TrainingFrame(GameState& s, TrainingState& t, const fight::FrameInput& in,
                   FrameEvents& events) {
    events.Clear();
    s.frameCommands[0] = s.frameCommands[1] = 0;
    s.frameHits[0] = s.frameHits[1] = 0;
    HandleKeys(s, t, in, events);
    const bool step = s.paused && Pressed(t, in, 9);
    for (int n = 0; n < 10; ++n)
        t.keysHeld[n] = (in.keys[kTrainingKey0 + n] & platform::kKeyDownBit) != 0 ? 1 : 0;
    if (!s.paused || step) {
        if (s.gameState == kStateSelect) TrainingSelect(s, t, in, events);
        if (s.gameState == kStateFight) TrainingFight(s, t, in, events);
    }
    CountBanners(s, events);
}

uint64_t TrainingChecksum(const GameState& state, const TrainingState& training) {
    return XXH3_64bits_withSeed(&training, sizeof training, StateChecksum(state));
}

const char* DummyModeName(int mode) {
    static const char* const kNames[kDummyModes] = {"STAND",    "GUARD ALL",     "GUARD AFTER HIT",
                                                    "COMPUTER", "PLAYER 2 KEYS", "PLAYBACK"};
    return mode >= 0 && mode < kDummyModes ? kNames[mode] : "";
}

const char* PlayStyleName(int style) {
    static const char* const kNames[kPlayStyles] = {"ONCE", "LOOP", "AFTER HIT", "AFTER GUARD"};
    return style >= 0 && style < kPlayStyles ? kNames[style] : "";
}

const char* ResetKindName(int kind) {
    static const char* const kNames[kResetKinds] = {"CENTRE", "P1 CORNER", "P2 CORNER", "SWAPPED",
                                                    "LAST"};
    return kind >= 0 && kind < kResetKinds ? kNames[kind] : "";
}

}  // namespace shell
