// The common motions: falls and reactions of every variant, in both stances.
#include "engine/common_motions.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/construct.h"
#include "fighter_test_support.h"

using namespace engine;
using fighter_test::NewFighter;

namespace {

// Pictures of a motion's frames, following `next` from frame 0 until the motion ends.
std::vector<int> Pictures(const Fighter& f, int stance, int motion) {
    std::vector<int> images;
    MotionCode code = MakeCode(stance, motion, 0);
    for (int guard = 0; guard < kFramesPerMotion; ++guard) {
        const MotionFrame& m = FrameOf(f, code);
        images.push_back(m.image);
        if (m.next != code + 1) break;
        code = m.next;
    }
    return images;
}

TEST(CommonMotions, StandardFallsHoldTheirLastPicture) {
    auto f = NewFighter();
    BuildCommonMotions(*f, kCommonStandard);
    for (int s = 0; s < kStances; ++s) {
        EXPECT_EQ(Pictures(*f, s, 1), (std::vector<int>{800, 801, 802}));
        EXPECT_EQ(Pictures(*f, s, 2), (std::vector<int>{803, 804, 805}));
        EXPECT_EQ(Pictures(*f, s, 3), (std::vector<int>{806, 807}));
        EXPECT_EQ(Pictures(*f, s, 5), (std::vector<int>{808, 809}));
        const MotionFrame& last = FrameOf(*f, MakeCode(s, 1, 2));
        EXPECT_EQ(last.next, last.code);
        EXPECT_EQ(FrameOf(*f, MakeCode(s, 1, 0)).duration, 4);
        EXPECT_EQ(FrameOf(*f, MakeCode(s, 3, 1)).duration, 6);
        EXPECT_EQ(FrameOf(*f, MakeCode(s, 1, 0)).bodyFront, 128);
    }
}

TEST(CommonMotions, StandardReactionsReturnToStandWithTheirBody) {
    auto f = NewFighter();
    BuildCommonMotions(*f, kCommonStandard);
    const struct {
        int motion;
        int image0;
        int image1;
        int bodyType;
    } reactions[] = {{6, 0, 1, 1},  {7, 4, 5, 1},    {8, 2, 3, 1},    {9, 6, 7, 1},
                     {10, 8, 9, 1}, {11, 10, 11, 2}, {12, 10, 11, 2}, {13, 8, 9, 2}};
    for (int s = 0; s < kStances; ++s)
        for (const auto& r : reactions) {
            const MotionFrame& a = FrameOf(*f, MakeCode(s, r.motion, 0));
            const MotionFrame& b = FrameOf(*f, MakeCode(s, r.motion, 1));
            EXPECT_EQ(a.image, r.image0) << r.motion;
            EXPECT_EQ(b.image, r.image1) << r.motion;
            EXPECT_EQ(a.next, b.code);
            EXPECT_EQ(b.next, MakeCode(s, kMotionStand, 0));
            EXPECT_EQ(b.duration, 2);
            for (const MotionFrame* m : {&a, &b}) {
                for (const Transition& t : m->transitions)
                    EXPECT_EQ(t.enabled, 0);
                EXPECT_EQ(m->bodyFront, 24);
                EXPECT_EQ(m->bodyType, r.bodyType) << r.motion;
                EXPECT_EQ(m->layer, 0);
            }
        }
}

// For each variant and stance: pictures of reactions 6..10 and 13, and their layer.
TEST(CommonMotions, VariantsChangePicturesAndLayer) {
    struct Case {
        int variant;
        int stance;
        int pictures[6][2];  // motions 6, 7, 8, 9, 10, 13
        int layer;
    };
    const Case cases[] = {
        {8, 0, {{0, 1}, {4, 5}, {2, 3}, {6, 7}, {8, 9}, {8, 9}}, 0},
        {8, 1, {{605, 606}, {603, 604}, {607, 608}, {609, 610}, {611, 700}, {8, 9}}, -2},
        {10, 0, {{0, 1}, {4, 5}, {2, 3}, {6, 7}, {8, 9}, {8, 9}}, 0},
        {10, 1, {{902, 903}, {900, 901}, {904, 905}, {906, 907}, {908, 909}, {8, 9}}, -2},
        {12, 0, {{700, 701}, {702, 703}, {704, 705}, {706, 707}, {708, 709}, {708, 709}}, 0},
        {12, 1, {{700, 701}, {702, 703}, {704, 705}, {706, 707}, {708, 709}, {708, 709}}, -2},
        {13, 0, {{600, 601}, {602, 603}, {604, 605}, {606, 607}, {608, 609}, {708, 709}}, 0},
        {13, 1, {{600, 601}, {602, 603}, {604, 605}, {606, 607}, {608, 609}, {708, 709}}, -2},
    };
    const int motions[6] = {6, 7, 8, 9, 10, 13};
    for (const Case& c : cases) {
        auto f = NewFighter();
        BuildCommonMotions(*f, c.variant);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(Pictures(*f, c.stance, motions[i]),
                      (std::vector<int>{c.pictures[i][0], c.pictures[i][1]}))
                << "variant " << c.variant << " stance " << c.stance << " motion " << motions[i];
        }
        for (int m = 6; m <= 13; ++m)
            EXPECT_EQ(FrameOf(*f, MakeCode(c.stance, m, 1)).layer, c.layer)
                << "variant " << c.variant << " stance " << c.stance << " motion " << m;
        // Reactions 11 and 12 and the bodies keep the standard values.
        EXPECT_EQ(FrameOf(*f, MakeCode(c.stance, 11, 0)).image, 10);
        EXPECT_EQ(FrameOf(*f, MakeCode(c.stance, 12, 1)).bodyType, 2);
    }
}

TEST(CommonMotions, Variant13FallsAreFourFrames) {
    auto f = NewFighter();
    BuildCommonMotions(*f, kCommonMuayThai02);
    for (int s = 0; s < kStances; ++s)
        for (int m = kMotionFallFirst; m <= kMotionFallLast; ++m) {
            EXPECT_EQ(Pictures(*f, s, m), (std::vector<int>{700, 701, 702, 703})) << m;
            const MotionFrame& last = FrameOf(*f, MakeCode(s, m, 3));
            EXPECT_EQ(last.next, last.code);
            EXPECT_EQ(last.duration, 4);
        }
    // The other variants keep the shared fall pictures.
    auto g = NewFighter();
    BuildCommonMotions(*g, kCommonJeetKuneDo);
    EXPECT_EQ(Pictures(*g, 1, 2), (std::vector<int>{803, 804, 805}));
}

}  // namespace
