// The training room's own state, beside the game state: what the dummy (player 2) does,
// the recorded slots, the resets, the refill, the frame meter, the input history and the
// last frame advantage. Plain and copyable like the game state, changed only by the
// training room's frame (training.h).
#pragma once

#include <cstdint>
#include <type_traits>

namespace shell {

constexpr int kTrainingSlots = 4;
constexpr int kSlotFrames = 250;  // ten seconds at 25 frames a second
constexpr int kMeterCells = 80;
constexpr int kHistoryEntries = 20;
constexpr int kRefillFrames = 60;  // health and stamina come back after so many quiet frames

// What the dummy does.
enum DummyMode : uint8_t {
    kDummyStand = 0,
    kDummyGuardAll,       // G against attack kinds 1-3, down+G against 4 and 7
    kDummyGuardAfterHit,  // stands until hit once, then guards until the attacks stop
    kDummyComputer,       // the computer player
    kDummyDevice,         // player 2's own keys or pad
    kDummyPlayback,       // a recorded slot
    kDummyModes,
};

// How a slot plays.
enum PlayStyle : uint8_t {
    kPlayOnce = 0,
    kPlayLoop,
    kPlayAfterHit,    // each time the dummy is hit
    kPlayAfterGuard,  // each time the dummy guards
    kPlayStyles,
};

// Where a reset puts the fighters.
enum ResetKind : uint8_t {
    kResetCentre = 0,
    kResetLeftCorner,   // player 1 in the left corner
    kResetRightCorner,  // player 2 in the right corner
    kResetSwapped,      // the sides' positions swapped (player 1 stays left)
    kResetLast,         // where the last reset put them
    kResetKinds,
};

// Recording into the slot: off, from player 2's device, or from player 1's device switched
// over to the dummy (player 1's fighter stands meanwhile).
enum RecordSource : uint8_t { kRecordOff = 0, kRecordPlayer2, kRecordPlayer1 };

// One cell of the frame meter: what the fighter's frame was.
enum FrameKind : uint8_t {
    kFrameNone = 0,  // no fight frame yet
    kFrameNeutral,
    kFrameStartUp,
    kFrameActive,
    kFrameRecovery,
    kFrameStun,  // hit or guard stun, falls
};

struct HistoryEntry {
    int32_t command;
    int32_t frames;  // how long it was held
};

struct TrainingState {
    uint8_t dummy;
    uint8_t playStyle;
    uint8_t resetKind;
    uint8_t refill;  // health and stamina refill after kRefillFrames without a hit
    uint8_t slot;    // 0..kTrainingSlots-1
    uint8_t recording;
    uint8_t playing;
    uint8_t guardArmed;    // guard after the first hit: the hit came
    uint8_t pickingDummy;  // the select screen: player 1 picks the dummy's fighter now
    uint8_t waitRelease;   // ... once the confirming button is let go
    uint8_t measuring;     // a frame advantage is being counted
    uint8_t advantageKnown;
    uint8_t advantageGuarded;  // the last measured one followed a guard
    uint8_t keysHeld[10];      // NUM0..NUM9 down in the last frame
    uint8_t spare;             // always zero: the record has no padding
    int32_t playFrame;
    int32_t slotLength[kTrainingSlots];
    int32_t slotCommands[kTrainingSlots][kSlotFrames];
    int32_t lastReset[2];           // the fighters' x at the last reset
    int32_t sinceHit[2];            // frames since an attack last hit each fighter or was guarded
    int32_t calmFrames;             // frames player 1 has not attacked (guard after hit)
    uint8_t meter[2][kMeterCells];  // FrameKind per fighter, a ring
    int32_t meterHead;              // the next cell to write
    HistoryEntry history[2][kHistoryEntries];  // [0] the newest
    int32_t historyCount[2];
    int32_t lastCommand[2];
    int32_t attacker;  // of the hit or guard measured
    int32_t attackerReady, defenderReady, measureFrames;
    int32_t advantage;  // frames the attacker acts before the defender (negative: after)
    int32_t advantageAttacker;
};

static_assert(std::is_trivially_copyable_v<TrainingState>);
static_assert(std::has_unique_object_representations_v<TrainingState>);

}  // namespace shell
