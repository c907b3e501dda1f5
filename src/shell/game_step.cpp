// The game's frame as a step of the state.
#include "shell/game_step.h"

#include <cstring>

#include "shell/routines.h"

namespace shell {

namespace {

constexpr int kBannerFrames = 40;

// A hit banner counts its frames while its flag is set; after 40 frames it clears the
// flag. The picture shows the banner at the frame counted.
void CountBanner(int32_t& flag, int32_t& frames, int32_t& shown) {
    if (flag == 0) return;
    shown = ++frames;
    if (frames >= kBannerFrames) {
        frames = 0;
        flag = 0;
    }
}

}  // namespace

void CountBanners(GameState& s, FrameEvents& events) {
    if (s.gameState != kStateFight || s.phase == kPhaseKnockOutPause) return;
    for (int p = 0; p < 2; ++p) {
        CountBanner(s.fighter[p].counterHitFlag, s.counterBannerFrames[p], events.banners[p][0]);
        CountBanner(s.fighter[p].weakHitFlag, s.weakBannerFrames[p], events.banners[p][1]);
    }
}

void GameFrame(GameState& state, const fight::FrameInput& input, FrameEvents& events) {
    events.Clear();
    state.frameCommands[0] = state.frameCommands[1] = 0;
    state.frameHits[0] = state.frameHits[1] = 0;
    if (!state.paused) {
        switch (state.gameState) {
            case kStateSelect: SelectFrame(state, input, events); break;
            case kStateFight: FightFrame(state, input, events); break;
            case kStateCleared: ClearedFrame(state); break;
            default: break;
        }
    }
    CountBanners(state, events);
}

void TakeFrameInput(const GameState& state, platform::InputDevices& devices,
                    fight::FrameInput& out) {
    devices.GetKeyboardState(out.keys);
    for (uint32_t j = 0; j < static_cast<uint32_t>(fight::kFramePads); ++j) {
        fight::PadRead& pad = out.pads[j];
        std::memset(&pad, 0, sizeof pad);
        bool opened = false;
        for (const fight::PlayerInput& in : state.input)
            opened = opened || (in.padPresent && in.joystickId == j);
        platform::JoyInfo info{};
        if (!opened || !devices.JoyGetPos(j, info)) continue;
        pad.ok = 1;
        pad.x = info.xPos;
        pad.y = info.yPos;
        pad.z = info.zPos;
        pad.buttons = info.buttons;
    }
}

void PlayFrameEvents(TForm1& form, const FrameEvents& events) {
    if (form.services.sound != nullptr)
        audio::PlaySoundRequests(*form.services.sound, events.sounds);
    if (events.fightersBuilt) LoadPlayerSheetsForFight(form);
}

}  // namespace shell
