// The common motions as data: one table per variant, read by one routine.
#include "engine/common_motions.h"

#include <array>

#include "engine/construct.h"

namespace engine {

namespace {

constexpr int kCommonMotions = kMotionReactionLast - kMotionFallFirst + 1;
constexpr int kMaxCommonFrames = 4;
constexpr int kReactionBody = 24;

// One common motion: every frame lasts `duration`; the last frame of a fall holds, the last
// frame of a reaction returns to the stand of the same stance.
struct CommonMotion {
    int motion;
    int duration;
    int frames;
    std::array<int, kMaxCommonFrames> images;
    int bodyFront;
    int bodyType;
    int layer;
};

using CommonStance = std::array<CommonMotion, kCommonMotions>;
using PicturePair = std::array<int, 2>;

constexpr CommonStance kStandard = {{
    {1, 4, 3, {800, 801, 802}, 128, 1, 0},  // falls: shared sheet 8
    {2, 4, 3, {803, 804, 805}, 128, 1, 0},
    {3, 6, 2, {806, 807}, 128, 1, 0},
    {4, 6, 2, {808, 809}, 128, 1, 0},
    {5, 6, 2, {808, 809}, 128, 1, 0},
    {6, 2, 2, {0, 1}, kReactionBody, 1, 0},  // reactions: shared sheet 0
    {7, 2, 2, {4, 5}, kReactionBody, 1, 0},
    {8, 2, 2, {2, 3}, kReactionBody, 1, 0},
    {9, 2, 2, {6, 7}, kReactionBody, 1, 0},
    {10, 2, 2, {8, 9}, kReactionBody, 1, 0},
    {11, 2, 2, {10, 11}, kReactionBody, 2, 0},
    {12, 2, 2, {10, 11}, kReactionBody, 2, 0},
    {13, 2, 2, {8, 9}, kReactionBody, 2, 0},
}};

constexpr int IndexOf(int motion) {
    return motion - kMotionFallFirst;
}

// Own pictures for reactions 6..10 (frame 0 / frame 1).
constexpr CommonStance Reactions(CommonStance s, std::array<PicturePair, 5> pictures) {
    for (int i = 0; i < 5; ++i) {
        s[IndexOf(kMotionReactionFirst + i)].images = {pictures[i][0], pictures[i][1]};
    }
    return s;
}

constexpr CommonStance Motion13(CommonStance s, PicturePair pictures) {
    s[IndexOf(kMotionReactionLast)].images = {pictures[0], pictures[1]};
    return s;
}

constexpr CommonStance ReactionLayer(CommonStance s, int layer) {
    for (int m = kMotionReactionFirst; m <= kMotionReactionLast; ++m)
        s[IndexOf(m)].layer = layer;
    return s;
}

// Every fall as four frames of 4 ticks showing the same four pictures.
constexpr CommonStance FourFrameFalls(CommonStance s, std::array<int, kMaxCommonFrames> images) {
    for (int m = kMotionFallFirst; m <= kMotionFallLast; ++m) {
        s[IndexOf(m)].duration = 4;
        s[IndexOf(m)].frames = kMaxCommonFrames;
        s[IndexOf(m)].images = images;
    }
    return s;
}

constexpr int kFrontLayer = -2;

constexpr CommonStance kKick02Stance1 = ReactionLayer(
    Reactions(kStandard, {{{605, 606}, {603, 604}, {607, 608}, {609, 610}, {611, 700}}}),
    kFrontLayer);
constexpr CommonStance kKick03Stance1 = ReactionLayer(
    Reactions(kStandard, {{{902, 903}, {900, 901}, {904, 905}, {906, 907}, {908, 909}}}),
    kFrontLayer);
constexpr CommonStance kJeetKuneDo =
    Motion13(Reactions(kStandard, {{{700, 701}, {702, 703}, {704, 705}, {706, 707}, {708, 709}}}),
             {708, 709});
constexpr CommonStance kMuayThai02 = Motion13(
    FourFrameFalls(
        Reactions(kStandard, {{{600, 601}, {602, 603}, {604, 605}, {606, 607}, {608, 609}}}),
        {700, 701, 702, 703}),
    {708, 709});

struct CommonVariantTable {
    int variant;
    CommonStance stances[kStances];
};

constexpr CommonVariantTable kVariants[] = {
    {kCommonStandard, {kStandard, kStandard}},
    {kCommonKick02, {kStandard, kKick02Stance1}},
    {kCommonKick03, {kStandard, kKick03Stance1}},
    {kCommonJeetKuneDo, {kJeetKuneDo, ReactionLayer(kJeetKuneDo, kFrontLayer)}},
    {kCommonMuayThai02, {kMuayThai02, ReactionLayer(kMuayThai02, kFrontLayer)}},
};

const CommonVariantTable& VariantTable(int variant) {
    for (const CommonVariantTable& table : kVariants)
        if (table.variant == variant) return table;
    return kVariants[0];
}

void BuildCommonMotion(Fighter& fighter, int stance, const CommonMotion& m) {
    const bool isFall = m.motion <= kMotionFallLast;
    for (int f = 0; f < m.frames; ++f) {
        const int image = m.images[f];
        if (f + 1 < m.frames) {
            SetChainFrame(fighter, stance, m.motion, f, m.duration, image, kNoValue, kNoTargets);
        } else if (isFall) {
            SetHoldFrame(fighter, stance, m.motion, f, m.duration, image);
        } else {
            SetFinalFrame(fighter, stance, m.motion, f, m.duration, image, kNoValue, kNoTargets);
        }
        SetBody(fighter, stance, m.motion, f, m.bodyFront, m.bodyType);
        SetLayer(fighter, stance, m.motion, f, m.layer);
    }
}

}  // namespace

void BuildCommonMotions(Fighter& fighter, int variant) {
    const CommonVariantTable& table = VariantTable(variant);
    for (int stance = 0; stance < kStances; ++stance)
        for (const CommonMotion& m : table.stances[stance])
            BuildCommonMotion(fighter, stance, m);
}

}  // namespace engine
