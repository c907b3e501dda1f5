// The training room's lines.
#include "shell/training_hud.h"

#include <cstdio>

#include "gfx/display.h"
#include "shell/overlay.h"
#include "shell/training.h"

namespace shell {

namespace {

constexpr int kW = gfx::kScreenWidth;
constexpr uint32_t kText = gfx::Argb(255, 255, 255);
constexpr uint32_t kDim = gfx::Argb(190, 190, 190);
constexpr uint32_t kRecord = gfx::Argb(255, 60, 60);
constexpr int kMeterLeft = 40, kCell = 9, kMeterTop = 556, kRowHeight = 12;

void Fill(uint32_t* frame, int x0, int y0, int x1, int y1, uint32_t colour) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (x >= 0 && x < kW && y >= 0 && y < gfx::kScreenHeight)
                frame[static_cast<size_t>(y) * kW + x] = colour;
}

// Darkens a band so the words read over any picture.
void Shade(uint32_t* frame, int y0, int y1) {
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < kW; ++x) {
            uint32_t& p = frame[static_cast<size_t>(y) * kW + x];
            p = ((p >> 1) & 0x7F7F7F) | 0xFF000000u;
        }
}

void Keys(const TrainingState& t, uint32_t* frame) {
    Shade(frame, 0, 30);
    char line[200];
    std::snprintf(line, sizeof line,
                  "NUM1 DUMMY: %s   NUM4 SLOT %d (%d F)   NUM5 PLAY: %s   NUM0 PLAY%s",
                  DummyModeName(t.dummy), t.slot + 1, t.slotLength[t.slot],
                  PlayStyleName(t.playStyle), t.playing ? " (ON)" : "");
    DrawTinyText(frame, 6, 4, line, kText, 1);
    std::snprintf(line, sizeof line,
                  "NUM2/3 RECORD: P2 / P1 KEYS   NUM6 RESET: %s   NUM7 RESET   NUM8 REFILL: %s   "
                  "NUM9 STEP   F1 FRAME DATA",
                  ResetKindName(t.resetKind), t.refill ? "ON" : "OFF");
    DrawTinyText(frame, 6, 16, line, kDim, 1);
    if (t.recording != kRecordOff) {
        std::snprintf(line, sizeof line, "REC %s %d/%d",
                      t.recording == kRecordPlayer1 ? "P1" : "P2", t.slotLength[t.slot],
                      kSlotFrames);
        DrawTinyText(frame, 660, 36, line, kRecord, 2);
    }
}

void Histories(const TrainingState& t, uint32_t* frame) {
    for (int p = 0; p < 2; ++p) {
        const int x = p == 0 ? 6 : 704;
        for (int i = 0; i < t.historyCount[p]; ++i) {
            const HistoryEntry& e = t.history[p][i];
            char line[32];
            std::snprintf(line, sizeof line, "%3d %s", e.frames > 999 ? 999 : e.frames,
                          CommandText(e.command, p + 1).c_str());
            DrawTinyText(frame, x, 196 + 16 * i, line, i == 0 ? kText : kDim, 2);
        }
    }
}

void Meter(const TrainingState& t, uint32_t* frame) {
    Shade(frame, kMeterTop - 14, kMeterTop + 2 * kRowHeight + 6);
    for (int p = 0; p < 2; ++p) {
        const int top = kMeterTop + p * (kRowHeight + 2);
        DrawTinyText(frame, 6, top + 2, p == 0 ? "P1" : "P2", kDim, 1);
        // Oldest on the left, the newest frame at the right end.
        for (int i = 0; i < kMeterCells; ++i) {
            const int kind = t.meter[p][(t.meterHead + i) % kMeterCells];
            const int x = kMeterLeft + i * kCell;
            Fill(frame, x, top, x + kCell - 1, top + kRowHeight, FrameKindColour(kind));
        }
    }
    if (!t.advantageKnown) return;
    char text[32];
    std::snprintf(text, sizeof text, "%s P%d %+d", t.advantageGuarded ? "GUARD" : "HIT",
                  t.advantageAttacker + 1, t.advantage);
    const uint32_t colour = t.advantage > 0   ? gfx::Argb(120, 230, 120)
                            : t.advantage < 0 ? gfx::Argb(240, 120, 120)
                                              : kText;
    DrawTinyText(frame, kMeterLeft, kMeterTop - 12, text, colour, 1);
}

}  // namespace

uint32_t FrameKindColour(int kind) {
    switch (kind) {
        case kFrameNeutral: return gfx::Argb(96, 96, 104);
        case kFrameStartUp: return gfx::Argb(48, 192, 80);
        case kFrameActive: return gfx::Argb(224, 48, 48);
        case kFrameRecovery: return gfx::Argb(48, 112, 224);
        case kFrameStun: return gfx::Argb(224, 192, 32);
        default: return gfx::Argb(32, 32, 36);
    }
}

std::string CommandText(int32_t command, int player) {
    const char forward = player == 1 ? kTinyArrowRight : kTinyArrowLeft;
    const char back = player == 1 ? kTinyArrowLeft : kTinyArrowRight;
    // The direction part, then the buttons.
    char direction = '\0';
    const char* buttons = "";
    switch (command) {
        case fight::kCmdForward: direction = forward; break;
        case fight::kCmdBack: direction = back; break;
        case fight::kCmdUp: direction = kTinyArrowUp; break;
        case fight::kCmdDown: direction = kTinyArrowDown; break;
        case fight::kCmdDownGuard: direction = kTinyArrowDown, buttons = "G"; break;
        case fight::kCmdGuard: buttons = "G"; break;
        case fight::kCmdLA: buttons = "LA"; break;
        case fight::kCmdFwdLA: direction = forward, buttons = "LA"; break;
        case fight::kCmdBackLA: direction = back, buttons = "LA"; break;
        case fight::kCmdRA: buttons = "RA"; break;
        case fight::kCmdFwdRA: direction = forward, buttons = "RA"; break;
        case fight::kCmdBackRA: direction = back, buttons = "RA"; break;
        case fight::kCmdLARA: buttons = "LA+RA"; break;
        case fight::kCmdFwdLARA: direction = forward, buttons = "LA+RA"; break;
        case fight::kCmdBackLARA: direction = back, buttons = "LA+RA"; break;
        case fight::kCmdUpGuard: direction = kTinyArrowUp, buttons = "G"; break;
        default: break;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%s%s",
                  direction != '\0' ? std::string(1, direction).c_str() : "", buttons);
    return text;
}

void DrawTrainingHud(const TForm1& form, uint32_t* frame) {
    if (frame == nullptr || form.gameMode != kModeTraining) return;
    const TrainingState& t = form.training;
    Keys(t, frame);
    if (form.gameState != kStateFight) {
        DrawTinyText(frame, 6, 36,
                     form.training.pickingDummy ? "PLAYER 1: PICK THE DUMMY'S FIGHTER"
                                                : "PLAYER 1: PICK YOUR FIGHTER",
                     kText, 2);
        return;
    }
    Histories(t, frame);
    Meter(t, frame);
}

}  // namespace shell
