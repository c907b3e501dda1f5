// Naming every field of the game state. One visitor walks two states side by side; the
// listing and the comparison are the same walk.
#include "shell/state_fields.h"

#include <cstdint>
#include <string>

namespace shell {

namespace {

// Walks the fields; `Field` is called with the name and both values.
class Walker {
  public:
    virtual ~Walker() = default;
    virtual void Field(const std::string& name, int64_t a, int64_t b) = 0;

    template <class T>
    void Value(const std::string& name, const T& a, const T& b) {
        Field(name, static_cast<int64_t>(a), static_cast<int64_t>(b));
    }
    template <class T, size_t N>
    void Array(const std::string& name, const T (&a)[N], const T (&b)[N]) {
        for (size_t i = 0; i < N; ++i)
            Value(name + "[" + std::to_string(i) + "]", a[i], b[i]);
    }
};

#define TOVUKA_VALUE(field) w.Value(at + #field, a.field, b.field)
#define TOVUKA_ARRAY(field) w.Array(at + #field, a.field, b.field)

void WalkFrame(Walker& w, const std::string& at, const engine::MotionFrame& a,
               const engine::MotionFrame& b) {
    TOVUKA_VALUE(code);
    TOVUKA_VALUE(duration);
    TOVUKA_VALUE(image);
    TOVUKA_VALUE(layer);
    TOVUKA_VALUE(sound);
    TOVUKA_VALUE(next);
    for (int i = 0; i < engine::kSlots; ++i) {
        const std::string slot = at + "transitions[" + std::to_string(i) + "].";
        w.Value(slot + "target", a.transitions[i].target, b.transitions[i].target);
        w.Value(slot + "enabled", a.transitions[i].enabled, b.transitions[i].enabled);
    }
    TOVUKA_VALUE(dx);
    TOVUKA_VALUE(dy);
    TOVUKA_VALUE(cost);
    TOVUKA_VALUE(bodyFront);
    TOVUKA_VALUE(bodyType);
    TOVUKA_VALUE(reach);
    TOVUKA_VALUE(attackKind);
    TOVUKA_VALUE(priority);
    TOVUKA_VALUE(hitEffect);
    TOVUKA_VALUE(damage);
    TOVUKA_VALUE(stun);
    TOVUKA_VALUE(knockback);
    TOVUKA_VALUE(minRange);
    TOVUKA_VALUE(koMark);
    TOVUKA_VALUE(counterBonus);
    TOVUKA_VALUE(skipTimer);
    TOVUKA_ARRAY(cpuFollowUp);
}

void WalkFighter(Walker& w, const std::string& at, const engine::Fighter& a,
                 const engine::Fighter& b) {
    TOVUKA_VALUE(side);
    TOVUKA_VALUE(kind);
    TOVUKA_VALUE(x);
    TOVUKA_VALUE(y);
    TOVUKA_ARRAY(halfWidth);
    TOVUKA_VALUE(health);
    TOVUKA_VALUE(stamina);
    TOVUKA_VALUE(healthCeiling);
    TOVUKA_VALUE(healthMax);
    TOVUKA_VALUE(healthRegen);
    TOVUKA_VALUE(staminaMax);
    TOVUKA_VALUE(staminaRegen);
    TOVUKA_VALUE(tick);
    TOVUKA_VALUE(stance);
    TOVUKA_VALUE(code);
    for (int s = 0; s < engine::kStances; ++s)
        for (int m = 0; m < engine::kMotions; ++m)
            for (int f = 0; f < engine::kFramesPerMotion; ++f)
                WalkFrame(w,
                          at + "tables[" + std::to_string(s) + "][" + std::to_string(m) + "][" +
                              std::to_string(f) + "].",
                          a.tables[s][m][f], b.tables[s][m][f]);
    TOVUKA_VALUE(staminaRefused);
    TOVUKA_VALUE(koMark);
    TOVUKA_VALUE(counterHitFlag);
    TOVUKA_VALUE(weakHitFlag);
    TOVUKA_VALUE(powerLevel);
    TOVUKA_ARRAY(cpuAttackRange);
    TOVUKA_ARRAY(cpuKeepAway);
    for (int s = 0; s < engine::kStances; ++s) {
        const std::string stance = "[" + std::to_string(s) + "]";
        std::string attacks = at, defence = at;
        attacks.append("cpuAttacks").append(stance);
        defence.append("cpuDefence").append(stance);
        w.Array(attacks, a.cpuAttacks[s], b.cpuAttacks[s]);
        w.Array(defence, a.cpuDefence[s], b.cpuDefence[s]);
    }
    TOVUKA_ARRAY(cpuCloseMode);
    TOVUKA_VALUE(cpuIdleTicks);
    TOVUKA_VALUE(cpuPlanTicks);
    TOVUKA_VALUE(cpuDistance);
    TOVUKA_VALUE(cpuPlanActive);
    TOVUKA_VALUE(cpuPlan);
    TOVUKA_VALUE(cpuReaction);
    TOVUKA_VALUE(cpuStatus);
}

void WalkInput(Walker& w, const std::string& at, const fight::PlayerInput& a,
               const fight::PlayerInput& b) {
    TOVUKA_ARRAY(keyState);
    TOVUKA_VALUE(laHeld);
    TOVUKA_VALUE(raHeld);
    TOVUKA_VALUE(laPressed);
    TOVUKA_VALUE(raPressed);
    TOVUKA_VALUE(upHeld);
    TOVUKA_VALUE(joystickId);
    TOVUKA_VALUE(padCentre);
    TOVUKA_VALUE(padDeadZone);
    TOVUKA_ARRAY(padPos);
    TOVUKA_VALUE(padLaHeld);
    TOVUKA_VALUE(padRaHeld);
    TOVUKA_VALUE(padLaPressed);
    TOVUKA_VALUE(padRaPressed);
    TOVUKA_VALUE(padPresent);
    TOVUKA_VALUE(padMaskG);
    TOVUKA_VALUE(padMaskLA);
    TOVUKA_VALUE(padMaskRA);
    TOVUKA_ARRAY(keyCode);
    TOVUKA_VALUE(command);
}

void WalkState(Walker& w, const GameState& a, const GameState& b) {
    const std::string at;
    for (int p = 0; p < 2; ++p) {
        std::string i = "[";
        i.append(std::to_string(p)).append("].");
        WalkInput(w, "input" + i, a.input[p], b.input[p]);
        WalkFighter(w, "fighter" + i, a.fighter[p], b.fighter[p]);
    }
    TOVUKA_VALUE(speedCorrection);
    TOVUKA_ARRAY(chosenKind);
    TOVUKA_ARRAY(selectDone);
    TOVUKA_ARRAY(selectDelay);
    TOVUKA_VALUE(gameMode);
    TOVUKA_VALUE(gameState);
    TOVUKA_VALUE(phase);
    TOVUKA_VALUE(phaseFrames);
    TOVUKA_ARRAY(counterBannerFrames);
    TOVUKA_ARRAY(weakBannerFrames);
    TOVUKA_VALUE(tournamentWins);
    TOVUKA_VALUE(tournamentSeries);
    for (int s = 0; s < 5; ++s)
        w.Array("tournamentOpponents[" + std::to_string(s) + "]", a.tournamentOpponents[s],
                b.tournamentOpponents[s]);
    TOVUKA_VALUE(paused);
    w.Value("rng", a.rng.State(), b.rng.State());
    TOVUKA_ARRAY(frameCommands);
    TOVUKA_ARRAY(frameHits);
}

#undef TOVUKA_VALUE
#undef TOVUKA_ARRAY

class Differences final : public Walker {
  public:
    explicit Differences(size_t limit) : limit_(limit) {}
    void Field(const std::string& name, int64_t a, int64_t b) override {
        if (a == b) return;
        if (lines.size() < limit_)
            lines.push_back(name + " " + std::to_string(a) + " (" + std::to_string(b) + ")");
        else
            ++more;
    }
    std::vector<std::string> lines;
    size_t more = 0;

  private:
    size_t limit_;
};

class Listing final : public Walker {
  public:
    void Field(const std::string& name, int64_t a, int64_t) override {
        lines.push_back(name + " " + std::to_string(a));
    }
    std::vector<std::string> lines;
};

}  // namespace

std::vector<std::string> StateDifferences(const GameState& a, const GameState& b, size_t limit) {
    Differences d(limit);
    WalkState(d, a, b);
    if (d.more > 0) d.lines.push_back("... and " + std::to_string(d.more) + " more");
    return d.lines;
}

std::vector<std::string> StateFields(const GameState& state) {
    Listing l;
    WalkState(l, state, state);
    return l.lines;
}

}  // namespace shell
