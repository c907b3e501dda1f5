// The matchup simulator: a small table, the same with one thread or two, and its command.
#include "app/matchups.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "support/run_binary.h"

TEST(Matchups, SameFightsWhateverTheNumberOfThreads) {
    const app::MatchupResult one = app::RunMatchupTable(1, 0, 1);
    const app::MatchupResult two = app::RunMatchupTable(1, 0, 2);
    EXPECT_EQ(one.lengths, two.lengths);
    for (int a = 0; a < 15; ++a)
        for (int b = 0; b < 15; ++b) {
            EXPECT_EQ(one.wins[a][b], two.wins[a][b]);
            // Each pairing is fought once with a on the left and once with b on the left (a
            // mirror match counts twice for the one fighter).
            EXPECT_EQ(one.fights[a][b], 2) << a << " " << b;
            // Without draws every fight has exactly one winner.
            if (one.draws == 0) {
                EXPECT_EQ(one.wins[a][b] + one.wins[b][a], 2) << a << " " << b;
            }
        }
    EXPECT_EQ(one.lengths.size(), 225u);
}

TEST(Matchups, OneFightReplaysFromItsSeed) {
    const app::FightOutcome a = app::SimulateFight(2, 11, 99, 0);
    const app::FightOutcome b = app::SimulateFight(2, 11, 99, 0);
    ASSERT_GT(a.frames, 0);
    EXPECT_EQ(a.frames, b.frames);
    EXPECT_EQ(a.loser, b.loser);
    EXPECT_TRUE(a.loser == 1 || a.loser == 2);
    // The difficulty makes player 2 tougher: over a few seeds it never wins less.
    int weak = 0, strong = 0;
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        weak += app::SimulateFight(1, 1, seed, 0).loser == 1;
        strong += app::SimulateFight(1, 1, seed, 4).loser == 1;
    }
    EXPECT_GT(strong, weak);
}

TEST(Matchups, CommandPrintsTheTableAndWritesTheCsv) {
    const std::string dir = testing_support::MakeTempDir();
    const auto r =
        testing_support::RunGame({"--matchups", "--seeds", "1", "--csv", "t.csv"}, "", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = testing_support::SplitLines(r.out);
    ASSERT_GE(lines.size(), 18u);
    EXPECT_EQ(lines[2].rfind("  1 ", 0), 0u);
    EXPECT_NE(r.out.find("fights: 225 (unfinished 0"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("throughput: "), std::string::npos);
    std::ifstream csv(dir + "/t.csv");
    std::string line;
    int rows = 0;
    while (std::getline(csv, line)) {
        if (rows > 0) {
            std::istringstream cells(line);
            std::string cell;
            int count = 0;
            while (std::getline(cells, cell, ',')) {
                if (count > 0) {
                    const double v = std::stod(cell);
                    EXPECT_GE(v, 0.0);
                    EXPECT_LE(v, 1.0);
                }
                ++count;
            }
            EXPECT_EQ(count, 17);
        }
        ++rows;
    }
    EXPECT_EQ(rows, 16);
    EXPECT_EQ(testing_support::RunGame({"--matchups", "--seeds", "0"}).status, 2);
}
