// The pictures of each frame, in the order the frame loop draws them: the scene (background,
// gauges, names, banners), the status line, the select screen or the fighters with the
// fight's messages, and the pause.
#include "shell/screen.h"

#include "gfx/draw.h"
#include "shell/routines.h"

namespace shell {

namespace {

// Parts sheets.
constexpr int kParts = 0;       // parts01: gauges, banners, names, messages
constexpr int kBackground = 1;  // parts02
constexpr int kMoreParts = 2;   // parts03

constexpr int kHealthGauge = 300;
constexpr int kStaminaGauge = 280;
constexpr int kBannerSlideFrames = 15;

void Part(TForm1& form, int sx, int sy, int dx, int dy, int w, int h, int sheet,
          bool mirrored = false) {
    gfx::DrawPart(form.display, sx, sy, dx, dy, w, h, sheet, mirrored);
}

void DrawName(TForm1& form, int kind, bool highlighted, int dx, int dy) {
    NamePicture name;
    if (NameCell(kind, highlighted, name)) Part(form, name.x, name.y, dx, dy, 180, 60, name.sheet);
}

// 0 or 1 for the one fighter that is down when exactly one is, else -1.
int OnlyOneDown(const TForm1& form) {
    const bool down1 = form.fighter[0].koMark != 0;
    const bool down2 = form.fighter[1].koMark != 0;
    if (down1 == down2) return -1;
    return down1 ? 0 : 1;
}

// One hit banner at frame n of its 40 (the game's frame counts them): it slides out from
// the middle and stands. 0: none shows.
void DrawBanner(TForm1& form, int player, int n, int srcY, int dstY) {
    if (n == 0) return;
    Part(form, 360, srcY, BannerX(player, n), dstY, 180, 60, kParts);
}

// The status of the fight: down effect, gauges, gauge frames, names and hit banners.
void DrawFightStatus(TForm1& form) {
    engine::Fighter& p1 = form.fighter[0];
    engine::Fighter& p2 = form.fighter[1];

    if (form.phase == kPhaseKnockOutPause) {
        const int loser = OnlyOneDown(form);
        if (loser >= 0) {
            const int mark = form.fighter[loser].koMark;
            if (mark == 1 || mark == 2) gfx::DrawDownEffect(form.display, 2 - loser, mark);
        }
    }

    // The gauges grow out of the middle: player 1's leftward, player 2's rightward.
    if (p1.koMark == 0) {
        const int health = GaugeWidth(p1.health, p1.healthMax, kHealthGauge);
        Part(form, 360, 426, 359 - health, 117, health, 10, kParts);
        const int stamina = GaugeWidth(p1.stamina, p1.staminaMax, kStaminaGauge);
        Part(form, 360, 436, 360 - stamina, 142, stamina, 10, kParts);
    }
    Part(form, 360, 446, 446, 100, 324, 66, kParts, true);
    if (p2.koMark == 0) {
        Part(form, 360, 426, 457, 117, GaugeWidth(p2.health, p2.healthMax, kHealthGauge), 10,
             kParts);
        Part(form, 360, 436, 456, 142, GaugeWidth(p2.stamina, p2.staminaMax, kStaminaGauge), 10,
             kParts);
    }
    Part(form, 360, 360, 40, 100, 336, 66, kParts);
    Part(form, 360, 360, 440, 100, 336, 66, kParts, true);

    DrawName(form, form.chosenKind[0], false, 192, 450);
    DrawName(form, form.chosenKind[1], false, 425, 450);

    if (form.phase == kPhaseKnockOutPause) return;
    const int32_t(&shown)[2][2] = form.frameEvents.banners;
    DrawBanner(form, 1, shown[0][0], 0, 170);
    DrawBanner(form, 2, shown[1][0], 0, 170);
    DrawBanner(form, 1, shown[0][1], 180, 230);
    DrawBanner(form, 2, shown[1][1], 180, 230);
}

void DrawPlayerList(TForm1& form, int x0, int kind) {
    Part(form, 0, 0, x0, 80, 180, 360, kParts);               // names 1..6
    Part(form, 540, 0, x0, 440, 180, 120, kParts);            // names 7 and 8
    Part(form, 540, 120, x0 + 180, 100, 180, 240, kParts);    // names 9..12
    Part(form, 0, 120, x0 + 180, 340, 180, 180, kMoreParts);  // names 13..15
    // The cursor: the highlighted name over its place in the list.
    if (kind >= 1 && kind <= 6)
        DrawName(form, kind, true, x0, 80 + 60 * (kind - 1));
    else if (kind >= 7 && kind <= 8)
        DrawName(form, kind, true, x0, 440 + 60 * (kind - 7));
    else if (kind >= 9 && kind <= 12)
        DrawName(form, kind, true, x0 + 180, 100 + 60 * (kind - 9));
    else if (kind >= 13 && kind <= 15)
        DrawName(form, kind, true, x0 + 180, 340 + 60 * (kind - 13));
}

}  // namespace

bool NameCell(int kind, bool highlighted, NamePicture& out) {
    if (kind >= 1 && kind <= 6)
        out = {kParts, highlighted ? 180 : 0, 60 * (kind - 1)};
    else if (kind >= 7 && kind <= 12)
        out = {kParts, highlighted ? 720 : 540, 60 * (kind - 7)};
    else if (kind >= 13 && kind <= 15)
        out = {kMoreParts, highlighted ? 180 : 0, 120 + 60 * (kind - 13)};
    else
        return false;
    return true;
}

int GaugeWidth(int value, int max, int full) {
    if (max <= 0) return 0;
    return static_cast<int>(static_cast<int64_t>(value) * full / max);
}

int BannerX(int player, int n) {
    if (n < kBannerSlideFrames) return player == 1 ? 60 - 4 * n : 560 + 4 * n;
    return player == 1 ? 0 : 620;
}

void DrawScene(TForm1& form) {
    Part(form, 0, 0, 0, 0, 800, 600, kBackground);
    if (form.gameState == kStateFight) DrawFightStatus(form);
    if (form.gameState == kStateCleared) {
        Part(form, 360, 60, 310, 230, 180, 60, kParts);
        Part(form, 0, 480, 220, 310, 360, 60, kParts);
    }
}

void DrawTextPass(TForm1& form) {
    char line[64];
    if (StatusLine(form, line, sizeof line)) gfx::DrawFrameText(form.display, line, 6, 40);
}

void DrawFightOverlay(TForm1& form) {
    switch (form.phase) {
        case kPhaseReady:
            if (form.phaseFrames < 48)
                Part(form, 360, 240, 310, 270, 180, 60, kParts);
            else if (form.phaseFrames <= 96)
                Part(form, 360, 300, 310, 270, 180, 60, kParts);
            break;
        case kPhaseResult: {
            const int loser = OnlyOneDown(form);
            if (loser >= 0) DrawName(form, form.chosenKind[1 - loser], false, 373, 270);
            Part(form, 360, 120, 263, 270, 120, 60, kParts);
            break;
        }
        case kPhaseContinue:
            Part(form, 0, 0, 220, 230, 360, 60, kMoreParts);
            Part(form, 0, 60, 220, 310, 360, 60, kMoreParts);
            break;
        default: break;
    }
}

void DrawSelectScreen(TForm1& form) {
    DrawPlayerList(form, 0, form.chosenKind[0]);
    DrawPlayerList(form, 440, form.chosenKind[1]);
}

bool FightersShown(const TForm1& form) {
    return form.gameState == kStateFight && form.phase != kPhaseKnockOutPause;
}

void DrawStatePictures(TForm1& form) {
    if (form.gameState == kStateSelect) {
        DrawSelectScreen(form);
    } else if (FightersShown(form)) {
        gfx::DrawFighters(form.display, form.fighter[0], form.fighter[1], form.spriteCells);
        DrawFightOverlay(form);
    }
}

void DrawPausePictures(TForm1& form) {
    Part(form, 0, 360, 220, 230, 360, 60, kParts);
    Part(form, 0, 420, 220, 310, 360, 60, kParts);
}

}  // namespace shell
