// The fighter dump: the fighter's constants and every frame its builders wrote, as JSON.
#include "app/dump_fighter.h"

#include <cstdio>
#include <memory>
#include <string>

#include "engine/construct.h"
#include "engine/fighter.h"
#include "engine/roster.h"

namespace app {

namespace {

using engine::Fighter;
using engine::MotionFrame;

// Appends JSON fragments; keys are written in the order they are added.
class JsonWriter {
  public:
    void Key(const char* key) {
        Separate();
        out_ += '"';
        out_ += key;
        out_ += "\":";
        needComma_ = false;
    }
    void Int(int value) {
        Separate();
        out_ += std::to_string(value);
    }
    void Open(char bracket) {
        Separate();
        out_ += bracket;
        needComma_ = false;
    }
    void Close(char bracket) {
        out_ += bracket;
        needComma_ = true;
    }
    void Field(const char* key, int value) {
        Key(key);
        Int(value);
    }
    void IntArray(const char* key, const int* values, int count) {
        Key(key);
        Open('[');
        for (int i = 0; i < count; ++i)
            Int(values[i]);
        Close(']');
    }
    const std::string& Text() const { return out_; }

  private:
    void Separate() {
        if (needComma_) out_ += ',';
        needComma_ = true;
    }
    std::string out_;
    bool needComma_ = false;
};

// A per-stance array of rows: [[...], [...]].
template <int N>
void WriteStanceRows(JsonWriter& w, const char* key, const int32_t (&rows)[engine::kStances][N]) {
    w.Key(key);
    w.Open('[');
    for (const auto& row : rows) {
        w.Open('[');
        for (int v : row)
            w.Int(v);
        w.Close(']');
    }
    w.Close(']');
}

void WriteFrame(JsonWriter& w, const MotionFrame& m) {
    w.Open('{');
    w.Field("code", m.code);
    w.Field("duration", m.duration);
    w.Field("image", m.image);
    w.Field("layer", m.layer);
    w.Field("sound", m.sound);
    w.Field("next", m.next);
    w.Key("transitions");
    w.Open('[');
    for (const engine::Transition& t : m.transitions) {
        w.Open('[');
        w.Int(t.target);
        w.Int(t.enabled);
        w.Close(']');
    }
    w.Close(']');
    w.Field("dx", m.dx);
    w.Field("dy", m.dy);
    w.Field("cost", m.cost);
    w.Field("bodyFront", m.bodyFront);
    w.Field("bodyType", m.bodyType);
    w.Field("reach", m.reach);
    w.Field("attackKind", m.attackKind);
    w.Field("priority", m.priority);
    w.Field("hitEffect", m.hitEffect);
    w.Field("damage", m.damage);
    w.Field("stun", m.stun);
    w.Field("knockback", m.knockback);
    w.Field("minRange", m.minRange);
    w.Field("koMark", m.koMark);
    w.Field("counterBonus", m.counterBonus);
    w.Field("skipTimer", m.skipTimer);
    w.IntArray("cpuFollowUp", m.cpuFollowUp, 4);
    w.Close('}');
}

// Every frame that differs from the reset defaults, ascending by code (stance, motion, frame).
void WriteFrames(JsonWriter& w, const Fighter& f) {
    w.Key("frames");
    w.Open('[');
    for (int s = 0; s < engine::kStances; ++s)
        for (int m = 0; m < engine::kMotions; ++m)
            for (int i = 0; i < engine::kFramesPerMotion; ++i) {
                const MotionFrame& frame = f.tables[s][m][i];
                if (!engine::IsResetFrame(frame, engine::MakeCode(s, m, i))) WriteFrame(w, frame);
            }
    w.Close(']');
}

std::string FighterJson(const Fighter& f) {
    JsonWriter w;
    w.Open('{');
    w.Field("kind", f.kind);
    w.Field("powerLevel", f.powerLevel);
    w.Field("healthMax", f.healthMax);
    w.Field("health", f.health);
    w.Field("stamina", f.stamina);
    w.IntArray("halfWidth", f.halfWidth, engine::kStances);
    w.IntArray("cpuAttackRange", f.cpuAttackRange, engine::kStances);
    w.IntArray("cpuKeepAway", f.cpuKeepAway, engine::kStances);
    WriteStanceRows(w, "cpuAttacks", f.cpuAttacks);
    WriteStanceRows(w, "cpuDefence", f.cpuDefence);
    w.IntArray("cpuCloseMode", f.cpuCloseMode, engine::kStances);
    WriteFrames(w, f);
    w.Close('}');
    return w.Text();
}

}  // namespace

int DumpFighter(const Options& options) {
    const int kind = options.dumpKind;
    const int opponent = options.dumpOpponent == 0 ? kind : options.dumpOpponent;
    // The record with its two tables is too big for the stack; value-initialised, so the
    // computer player's fields that an init leaves alone read 0, as before a first fight.
    auto fighter = std::make_unique<Fighter>();
    engine::ResetFighter(*fighter, engine::kSideLeft);
    fighter->powerLevel = options.dumpPower;
    if (!engine::BuildFighter(*fighter, kind, opponent)) {
        std::fprintf(stderr, "tovuka02: fighter %d is not built yet\n", kind);
        return 2;
    }
    const std::string json = FighterJson(*fighter);
    std::fwrite(json.data(), 1, json.size(), stdout);
    std::fputc('\n', stdout);
    return 0;
}

}  // namespace app
