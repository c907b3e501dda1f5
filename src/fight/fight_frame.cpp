// The fight frame.
#include "fight/fight_frame.h"

#include "audio/sound_requests.h"
#include "engine/update.h"
#include "fight/cpu.h"
#include "fight/hits.h"
#include "fight/input.h"

namespace fight {

namespace {

using engine::Fighter;

void ReadPlayer(FightContext& ctx, int index) {
    PlayerInput& in = ctx.input[index];
    if (in.padPresent)
        ReadPad(in, *ctx.frameInput);
    else
        ReadKeyboard(in, index + 1, *ctx.frameInput);
}

// Whose device is read, who is the computer, whose refusals are heard: by the mode, unless
// the frame was told otherwise for a player.
bool ReadsDevice(const FightContext& ctx, int index) {
    switch (ctx.control[index]) {
        case Control::kDevice: return true;
        case Control::kByMode:
            return index == 0 ? ctx.gameMode != kModeView : ctx.gameMode == kModeVersus;
        default: return false;
    }
}

bool IsComputer(const FightContext& ctx, int index) {
    switch (ctx.control[index]) {
        case Control::kComputer: return true;
        case Control::kByMode:
            return index == 0 ? ctx.gameMode == kModeView : ctx.gameMode != kModeVersus;
        default: return false;
    }
}

// The computer's command for fighter `index`; in the ready phase it hops into the other
// stance one time in five.
void ComputerChooses(FightContext& ctx, int index) {
    Fighter& self = ctx.fighter[index];
    const Fighter& other = ctx.fighter[1 - index];
    int32_t& command = ctx.input[index].command;
    command = CpuDecide(self, other.x, other.code, other.cpuAttackRange, *ctx.rng);
    if (ctx.phase == kPhaseReady && ctx.rng->Next() % 100 < 20) {
        self.cpuPlan = kPlanSwitch;
        self.cpuPlanActive = 1;
        self.cpuIdleTicks = 0;
        command = kCmdUp;
    }
}

void HandOverCommand(FightContext& ctx, int index) {
    ctx.commands[index] = ctx.input[index].command;
    engine::ApplyCommand(ctx.fighter[index], ctx.input[index].command);
}

}  // namespace

void FightFrameSteps(FightContext& ctx) {
    Fighter* f = ctx.fighter;
    ctx.commands[0] = ctx.commands[1] = 0;
    ctx.hits[0] = ctx.hits[1] = 0;

    // 1. A refusal lives for one frame.
    f[0].staminaRefused = 0;
    f[1].staminaRefused = 0;

    // 2. A command not yet taken by a fighter in a move stays pending.
    for (int i = 0; i < 2; ++i)
        if (engine::MotionOf(f[i].code) <= engine::kMotionStand) ClearCommand(ctx.input[i]);

    // 3. The human players' devices, in every phase (or the command given instead).
    for (int i = 0; i < 2; ++i) {
        if (ReadsDevice(ctx, i)) ReadPlayer(ctx, i);
        // A given command is taken as a device read would leave it: written when there is
        // one, a pending command kept otherwise.
        if (ctx.control[i] == Control::kCommand && ctx.given[i] != kCmdNone)
            ctx.input[i].command = ctx.given[i];
    }

    // 4. Regeneration and commands, except in the knock-out pause.
    if (ctx.phase != kPhaseKnockOutPause) {
        engine::Regenerate(f[0]);
        engine::Regenerate(f[1]);
        if (IsComputer(ctx, 0)) ComputerChooses(ctx, 0);
        HandOverCommand(ctx, 0);
        if (IsComputer(ctx, 1)) ComputerChooses(ctx, 1);
        HandOverCommand(ctx, 1);
    }

    // 5. The frames both fighters show now; a frame just begun plays its sound.
    const engine::MotionFrame copy0 = engine::CopyCurrentFrame(f[0]);
    if (f[0].tick == 0) audio::PlayMotionSound(*ctx.sounds, 1, copy0.sound);
    const engine::MotionFrame copy1 = engine::CopyCurrentFrame(f[1]);
    if (f[1].tick == 0) audio::PlayMotionSound(*ctx.sounds, 2, copy1.sound);

    // 6. Refusals of the human players are heard; the computer's are silent.
    if (!IsComputer(ctx, 0)) audio::PlayRefusedSound(*ctx.sounds, 1, f[0].staminaRefused);
    if (!IsComputer(ctx, 1)) audio::PlayRefusedSound(*ctx.sounds, 2, f[1].staminaRefused);

    // 7. Movement and the frame timers.
    if (ctx.phase != kPhaseKnockOutPause) {
        const bool move = MovementAllowed(ctx.phase, ctx.phaseFrames);
        engine::Advance(f[0], f[1].x, f[1].halfWidth[engine::StanceOf(f[1].code)], move, copy1.dx);
        engine::Advance(f[1], f[0].x, f[0].halfWidth[engine::StanceOf(f[0].code)], move, copy0.dx);
    }

    // 8. Attacks, in every phase.
    ResolveHits(f[0], f[1], copy0, copy1, *ctx.rng, ctx.hits);

    // 9. Hit and guard sounds; a weak hit that is not a counter sounds twice, loud.
    if (ctx.phase != kPhaseKnockOutPause) {
        for (int i = 0; i < 2; ++i) {
            const int player = i + 1;
            audio::PlayHitSound(*ctx.sounds, player, ctx.hits[i], f[i].counterHitFlag);
            if (!f[i].counterHitFlag && f[i].weakHitFlag)
                audio::PlayHitSound(*ctx.sounds, player, ctx.hits[i], 1);
        }
    }
}

}  // namespace fight
