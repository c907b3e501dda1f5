// The training overlay and its tiny bitmap font.
#include "shell/overlay.h"

#include <cstdio>

#include "engine/fighter.h"
#include "fight/hits.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "shell/form.h"
#include "shell/screen.h"

namespace shell {

namespace {

constexpr int kW = gfx::kScreenWidth;
constexpr int kH = gfx::kScreenHeight;
// The background picture is redrawn every frame over all but the last column and row; the
// overlay keeps inside it, so nothing of it stays on the screen once it is hidden.
constexpr int kRight = kW - 1;
constexpr int kBottom = kH - 1;

// 5 x 7 glyphs, one byte per row, the leftmost pixel in bit 4.
struct Glyph {
    char c;
    uint8_t rows[7];
};

constexpr Glyph kGlyphs[] = {
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}},
    {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}},
    {'3', {0x1E, 0x01, 0x01, 0x0E, 0x01, 0x01, 0x1E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}},
    {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}},
    {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}},
    {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
    {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}},
    {'D', {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}},
    {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}},
    {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}},
    {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'J', {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}},
    {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}},
    {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
    {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}},
    {'N', {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11}},
    {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
    {'Q', {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}},
    {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}},
    {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
    {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}},
    {'X', {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}},
    {'Y', {0x11, 0x11, 0x0A, 0x04, 0x04, 0x04, 0x04}},
    {'Z', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}},
    {'/', {0x01, 0x02, 0x02, 0x04, 0x08, 0x08, 0x10}},
    {'-', {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}},
    {':', {0x00, 0x0C, 0x0C, 0x00, 0x0C, 0x0C, 0x00}},
    {'.', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}},
    {'=', {0x00, 0x00, 0x1F, 0x00, 0x1F, 0x00, 0x00}},
    {'+', {0x00, 0x04, 0x04, 0x1F, 0x04, 0x04, 0x00}},
    {'(', {0x02, 0x04, 0x08, 0x08, 0x08, 0x04, 0x02}},
    {')', {0x08, 0x04, 0x02, 0x02, 0x02, 0x04, 0x08}},
    // Arrows, for the input history: left, up, right, down.
    {kTinyArrowLeft, {0x04, 0x08, 0x1F, 0x08, 0x04, 0x00, 0x00}},
    {kTinyArrowUp, {0x04, 0x0E, 0x15, 0x04, 0x04, 0x04, 0x00}},
    {kTinyArrowRight, {0x04, 0x02, 0x1F, 0x02, 0x04, 0x00, 0x00}},
    {kTinyArrowDown, {0x04, 0x04, 0x04, 0x15, 0x0E, 0x04, 0x00}},
};

const Glyph* GlyphOf(char c) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    for (const Glyph& g : kGlyphs)
        if (g.c == c) return &g;
    return nullptr;
}

void FillRect(uint32_t* frame, int left, int top, int right, int bottom, uint32_t colour) {
    if (left < 0) left = 0;
    if (top < 0) top = 0;
    if (right > kRight) right = kRight;
    if (bottom > kBottom) bottom = kBottom;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            frame[y * kW + x] = colour;
}

// Halves the brightness under the panel so the text stands out over any picture.
void DimRect(uint32_t* frame, int left, int top, int right, int bottom) {
    if (left < 0) left = 0;
    if (top < 0) top = 0;
    if (right > kRight) right = kRight;
    if (bottom > kBottom) bottom = kBottom;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            uint32_t& p = frame[y * kW + x];
            p = 0xFF000000u | ((p >> 2) & 0x003F3F3Fu);
        }
}

constexpr uint32_t kText = gfx::Argb(255, 255, 255);
constexpr uint32_t kActive = gfx::Argb(255, 48, 48);
constexpr uint32_t kReach = gfx::Argb(255, 220, 64);
constexpr uint32_t kFront = gfx::Argb(64, 220, 255);
constexpr uint32_t kGuard = gfx::Argb(120, 200, 255);
constexpr int kScale = 2;
constexpr int kLine = 8 * kScale;
constexpr int kPanelTop = 516;

void DrawReach(uint32_t* frame, const engine::Fighter& f, const engine::MotionFrame& m,
               int player) {
    const int dir = f.side == engine::kSideLeft ? 1 : -1;
    const int y = f.y + m.dy - 20 + 6 * player;
    const bool active = m.attackKind != 0;
    const uint32_t colour = active ? kActive : kReach;
    const int thick = active ? 3 : 1;
    const int end = f.x + dir * m.reach;
    const int left = dir > 0 ? f.x : end;
    const int right = dir > 0 ? end : f.x;
    if (m.reach > 0) FillRect(frame, left, y - thick / 2, right + 1, y - thick / 2 + thick, colour);
    // Ticks at the fighter's x and at the reach's end.
    FillRect(frame, f.x - 1, y - 5, f.x + 2, y + 6, colour);
    if (m.reach > 0) FillRect(frame, end - 1, y - 4, end + 2, y + 5, colour);
}

// The body's front edge: what an attack has to reach past.
void DrawFront(uint32_t* frame, const engine::Fighter& f, const engine::MotionFrame& m) {
    const int dir = f.side == engine::kSideLeft ? 1 : -1;
    const int x = f.x + dir * m.bodyFront;
    const int y = f.y + m.dy;
    FillRect(frame, x - 1, y - 70, x + 1, y + 50, kFront);
}

void DrawPanel(uint32_t* frame, const engine::Fighter& f, const engine::MotionFrame* m,
               const LastHit& last, int player) {
    const int left = player == 0 ? 6 : kW / 2 + 6;
    const int right = left + kW / 2 - 12;
    const bool active = m != nullptr && m->attackKind != 0;
    DimRect(frame, left, kPanelTop, right, kPanelTop + 4 * kLine + 8);
    if (active) {
        // Active frames: a red frame round the panel.
        FillRect(frame, left, kPanelTop, right, kPanelTop + 2, kActive);
        FillRect(frame, left, kPanelTop + 4 * kLine + 6, right, kPanelTop + 4 * kLine + 8, kActive);
    }
    const engine::DecodedCode d = engine::DecodeCode(f.code);
    char text[64];
    int y = kPanelTop + 5;
    const int x = left + 6;
    std::snprintf(text, sizeof text, "P%d %05d M%02d F%02d", player + 1, f.code, d.motion, d.frame);
    DrawTinyText(frame, x, y, text, kText, kScale);
    y += kLine;
    std::snprintf(text, sizeof text, "TICK %d/%d STANCE %d COST %d", f.tick, m ? m->duration : 0,
                  f.stance, m ? m->cost : 0);
    DrawTinyText(frame, x, y, text, kText, kScale);
    y += kLine;
    std::snprintf(text, sizeof text, "REACH %d FRONT %d", m ? m->reach : 0, m ? m->bodyFront : 0);
    const int after = DrawTinyText(frame, x, y, text, kText, kScale);
    if (active) DrawTinyText(frame, after + 6 * kScale, y, "ACTIVE", kActive, kScale);
    y += kLine;
    if (last.framesLeft > 0) {
        const bool guarded = last.result == fight::kHitGuarded;
        char effect[16] = "";
        if (!guarded) std::snprintf(effect, sizeof effect, " %d", last.result);
        std::snprintf(text, sizeof text, "%s%s DMG %d%s%s", guarded ? "GUARD" : "HIT", effect,
                      last.damage, last.counter ? " COUNTER" : "", last.weak ? " WEAK" : "");
        DrawTinyText(frame, x, y, text, guarded ? kGuard : kReach, kScale);
    }
}

const engine::MotionFrame* CurrentFrame(const engine::Fighter& f) {
    if (!engine::IsValidCode(f.code)) return nullptr;
    return &engine::FrameOf(f, f.code);
}

// The frame a fighter is drawn with, or null when it is not drawn (the knock-out pause shows
// no fighter): the marks belong on the fighter's picture.
const engine::MotionFrame* DrawnFrame(const TForm1& form, int player) {
    const engine::MotionFrame* m = CurrentFrame(form.fighter[player]);
    if (m == nullptr || !FightersShown(form) || !gfx::ShowsPicture(*m)) return nullptr;
    return m;
}

}  // namespace

int DrawTinyText(uint32_t* frame, int x, int y, const char* text, uint32_t colour, int scale) {
    if (frame == nullptr || text == nullptr || scale < 1) return x;
    for (; *text != '\0'; ++text, x += 6 * scale) {
        const Glyph* g = GlyphOf(*text);
        if (g == nullptr) continue;
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 5; ++col)
                if (g->rows[row] & (0x10 >> col))
                    FillRect(frame, x + col * scale, y + row * scale, x + (col + 1) * scale,
                             y + (row + 1) * scale, colour);
    }
    return x;
}

bool TrainingOverlay::HandleKey(int vk) {
    if (vk != kOverlayToggleKey) return false;
    Toggle();
    return true;
}

void TrainingOverlay::Follow(const TForm1& form) {
    if (form.gameState == kStateFight && !form.paused) {
        for (int p = 0; p < 2; ++p) {
            LastHit& last = last_[p];
            if (last.framesLeft > 0) --last.framesLeft;
            if (form.frameHits[p] == fight::kHitNothing) continue;
            last.result = form.frameHits[p];
            // A banner in its first frame: the flag was raised by this very hit.
            last.counter = form.fighter[p].counterHitFlag != 0 && form.counterBannerFrames[p] == 1;
            last.weak = form.fighter[p].weakHitFlag != 0 && form.weakBannerFrames[p] == 1;
            last.damage = health_[1 - p] - form.fighter[1 - p].health;
            last.framesLeft = kLastHitFrames;
        }
    }
    health_[0] = form.fighter[0].health;
    health_[1] = form.fighter[1].health;
}

void TrainingOverlay::Draw(const TForm1& form, uint32_t* frame) {
    Follow(form);
    if (!on_ || frame == nullptr || form.gameState != kStateFight) return;
    for (int p = 0; p < 2; ++p) {
        const engine::Fighter& f = form.fighter[p];
        if (const engine::MotionFrame* m = DrawnFrame(form, p)) DrawReach(frame, f, *m, p);
        if (const engine::MotionFrame* front = DrawnFrame(form, 1 - p))
            DrawFront(frame, form.fighter[1 - p], *front);
        DrawPanel(frame, f, CurrentFrame(f), last_[p], p);
    }
}

}  // namespace shell
