// A whole game in memory for tests: the form with a hand-driven clock, scripted keys and a
// sound log.
#pragma once

#include <memory>

#include "audio/sound_sink.h"
#include "engine/roster.h"
#include "platform/clock.h"
#include "platform/devices.h"
#include "shell/form.h"

namespace testing_support {

struct Game {
    platform::ManualClock clock;
    platform::ScriptedDevices devices;
    audio::SoundLog sounds;
    std::unique_ptr<shell::TForm1> form = std::make_unique<shell::TForm1>();

    explicit Game(uint32_t seed = 1) {
        shell::ConstructForm(*form);
        form->services.clock = &clock;
        form->services.devices = &devices;
        form->services.sound = &sounds;
        shell::FormShow(*form, seed);
    }

    shell::TForm1& F() { return *form; }

    // Presses a mode button and puts both players straight into a fight of the two roster
    // numbers, past the select screen.
    void StartFight(int mode, int kind1, int kind2) {
        switch (mode) {
            case 1: shell::Button1Click(*form); break;
            case 2: shell::Button2Click(*form); break;
            case 3: shell::Button3Click(*form); break;
            default: shell::Button4Click(*form); break;
        }
        form->chosenKind[0] = kind1;
        form->chosenKind[1] = kind2;
        shell::LoadFighters(*form);
        form->gameState = shell::kStateFight;
        form->phase = 0;
        form->phaseFrames = 0;
    }

    // One frame of the loop; the frame's sound requests stay in `sounds` until the next.
    void Frame() {
        sounds.Clear();
        shell::AppIdle(*form);
    }
};

// Knocks a fighter out the way hit resolution does (for the finishes that computer players
// reach only now and then).
inline void KnockOut(shell::TForm1& form, int index, int mark) {
    engine::Fighter& f = form.fighter[index];
    f.health = 0;
    f.koMark = mark;
    f.code = f.stance * 10000 + 100;
    f.tick = 0;
}

// The first roster number that has been written (fighter 2 always is).
inline int AnyBuiltKind() {
    for (int k = 1; k <= engine::kRosterSize; ++k)
        if (engine::RosterFor(k) != nullptr) return k;
    return 0;
}

}  // namespace testing_support
