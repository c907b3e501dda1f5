// Network play: the rollback gives the very frames a game with every input known would
// give, whatever arrives late; the messages are read exactly or not at all; bad peers
// (another version, other fighter data, garbage, a peer that dies) are refused or
// outlived with a clear line and status 3.
#include <enet/enet.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <deque>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "fight/frame_input.h"
#include "net/net_input.h"
#include "net/protocol.h"
#include "net/rollback.h"
#include "net/session.h"
#include "shell/game_step.h"
#include "support/game.h"
#include "support/run_binary.h"

using testing_support::Game;
using testing_support::MakeTempDir;
using testing_support::SplitLines;

namespace {

// The confirmed frames of one side: their checksums, in order.
class Recorder final : public net::RollbackListener {
  public:
    void FirstRun(int64_t, const shell::FrameEvents&) override { ++firstRuns; }
    void Confirmed(int64_t frame, const shell::GameState& after, const audio::SoundRequests&,
                   const uint8_t[2]) override {
        EXPECT_EQ(frame, static_cast<int64_t>(sums.size())) << "frames confirm in order";
        sums.push_back(shell::StateChecksum(after));
    }
    std::vector<uint64_t> sums;
    int firstRuns = 0;
};

// The two players' inputs of a fight: held controls that change now and then.
uint8_t InputOf(int player, int64_t frame) {
    std::mt19937 r(static_cast<unsigned>(frame / 7 * 2 + player));
    return static_cast<uint8_t>(r() & 0x7F);
}

// A fight of fighters 3 and 8 from its start, in a game of its own.
std::unique_ptr<Game> NewFight() {
    auto g = std::make_unique<Game>(77);
    g->StartFight(shell::kModeVersus, 3, 8);
    return g;
}

}  // namespace

// Both sides run ahead on predictions while the other's inputs travel for `delay` ticks;
// every confirmed frame must equal the frame of a plain run that knew every input.
TEST(Rollback, LateInputsGiveTheFramesOfAGameThatKnewThem) {
    constexpr int64_t kFrames = 600;
    std::vector<uint64_t> plain;
    {
        auto g = NewFight();
        shell::FrameEvents events{};
        for (int64_t f = 0; f < kFrames; ++f) {
            fight::FrameInput input;
            net::NetFrameInput(InputOf(0, f), InputOf(1, f), input);
            shell::GameFrame(g->F(), input, events);
            plain.push_back(shell::StateChecksum(g->F()));
        }
    }
    for (int delay : {0, 1, 3, 7}) {
        SCOPED_TRACE("delay " + std::to_string(delay));
        auto a = NewFight(), b = NewFight();
        Recorder ra, rb;
        net::Rollback sideA(a->F(), 0, ra), sideB(b->F(), 1, rb);
        // In flight: (arrival tick, frame, value), each way.
        std::deque<std::tuple<int, int64_t, uint8_t>> toB, toA;
        std::mt19937 jitter(static_cast<unsigned>(delay));
        int64_t nextA = 0, nextB = 0;
        for (int tick = 0; ra.sums.size() < kFrames || rb.sums.size() < kFrames; ++tick) {
            ASSERT_LT(tick, 20000) << "the game got stuck";
            for (auto* side : {&sideA, &sideB}) {
                const int me = side == &sideA ? 0 : 1;
                int64_t& next = me == 0 ? nextA : nextB;
                auto& out = me == 0 ? toB : toA;
                if (next < kFrames && next <= side->Current() + 1) {
                    side->AddInput(me, next, InputOf(me, next));
                    out.emplace_back(tick + delay + static_cast<int>(jitter() % 3), next,
                                     InputOf(me, next));
                    ++next;
                }
                auto& in = me == 0 ? toA : toB;
                while (!in.empty() && std::get<0>(in.front()) <= tick) {
                    side->AddInput(1 - me, std::get<1>(in.front()), std::get<2>(in.front()));
                    in.pop_front();
                }
                side->Resolve();
                if (side->CanAdvance(kFrames - 1)) side->Advance();
                side->Resolve();
                EXPECT_LE(side->Current() - 1 - std::min(side->LastInput(0), side->LastInput(1)),
                          net::kMaxRollback);
            }
        }
        EXPECT_EQ(ra.sums, plain);
        EXPECT_EQ(rb.sums, plain);
        EXPECT_EQ(ra.firstRuns, kFrames) << "every frame plays its sounds once";
        if (delay >= 3) {
            EXPECT_GT(sideA.Stats().rollbacks, 0) << "late inputs went back";
        }
        EXPECT_LE(sideA.Stats().deepest, net::kMaxRollback + 1);
    }
}

TEST(NetMessages, EachKindReadsBackAndNothingElseIsTaken) {
    net::Message inputs;
    inputs.type = net::MessageType::kInputs;
    inputs.firstFrame = 41;
    inputs.count = 3;
    inputs.inputs[0] = 0x11;
    inputs.inputs[2] = 0x7F;
    inputs.ackFrame = 39;
    inputs.currentFrame = 44;
    inputs.advantage = -3;
    inputs.checksumFrame = 38;
    inputs.checksum = 0x0123456789ABCDEFull;
    net::Message welcome;
    welcome.type = net::MessageType::kWelcome;
    welcome.version = 7;
    welcome.fighterHash = 99;
    welcome.seed = 123456;
    welcome.speed = -39;
    net::Message leave;
    leave.type = net::MessageType::kLeave;
    leave.frame = 1200;
    for (const net::Message& m : {inputs, welcome, leave}) {
        const std::vector<uint8_t> bytes = net::Encode(m);
        net::Message back;
        ASSERT_TRUE(net::Decode(bytes.data(), bytes.size(), back));
        EXPECT_EQ(net::Encode(back), bytes);
        // Cut short by any amount, or one byte too long: refused.
        for (size_t n = 0; n < bytes.size(); ++n)
            EXPECT_FALSE(net::Decode(bytes.data(), n, back)) << n;
        std::vector<uint8_t> longer = bytes;
        longer.push_back(0);
        EXPECT_FALSE(net::Decode(longer.data(), longer.size(), back));
    }
    net::Message back;
    const std::vector<uint8_t> decoded = net::Encode(inputs);
    ASSERT_TRUE(net::Decode(decoded.data(), decoded.size(), back));
    EXPECT_EQ(back.firstFrame, 41);
    EXPECT_EQ(back.inputs[2], 0x7F);
    EXPECT_EQ(back.advantage, -3);
    EXPECT_EQ(back.checksum, 0x0123456789ABCDEFull);
    // A count beyond the message's room, an input with more than seven controls, a wrong
    // magic number, an unknown type.
    std::vector<uint8_t> bad = decoded;
    bad[5] = 200;
    EXPECT_FALSE(net::Decode(bad.data(), bad.size(), back));
    bad = decoded;
    bad[6] = 0x80;
    EXPECT_FALSE(net::Decode(bad.data(), bad.size(), back));
    std::vector<uint8_t> hello = net::Encode(welcome);
    hello[1] ^= 1;
    EXPECT_FALSE(net::Decode(hello.data(), hello.size(), back));
    const uint8_t unknown[] = {0, 1, 2, 3};
    EXPECT_FALSE(net::Decode(unknown, sizeof unknown, back));
}

TEST(NetSession, GarbageAndCutMessagesChangeNothing) {
    auto g = NewFight();
    net::SessionConfig config;
    net::Session session(config);
    Recorder listener;
    session.BeginGame(g->F(), listener);
    const net::Rollback& r = *session.Game();

    net::Message m;
    m.type = net::MessageType::kInputs;
    m.firstFrame = 0;
    m.count = 5;
    for (int i = 0; i < 5; ++i)
        m.inputs[i] = static_cast<uint8_t>(i + 1);
    m.ackFrame = 0;
    const std::vector<uint8_t> good = net::Encode(m);

    std::mt19937 random(5);
    for (int round = 0; round < 2000; ++round) {
        std::vector<uint8_t> junk(1 + random() % 60);
        for (uint8_t& b : junk)
            b = static_cast<uint8_t>(random());
        if (round % 3 == 0) junk[0] = static_cast<uint8_t>(net::MessageType::kInputs);
        session.Receive(junk.data(), junk.size(), 100);
        session.Receive(good.data(), random() % good.size(), 100);  // cut short
    }
    EXPECT_EQ(r.LastInput(1), -1) << "nothing of the other player's was taken";
    EXPECT_EQ(session.Ended(), net::SessionEnd::kNone);
    session.Receive(good.data(), good.size(), 100);
    EXPECT_EQ(r.LastInput(1), 4) << "the whole message is taken";
    EXPECT_EQ(r.InputAt(1, 2), 3);
}

namespace {

// A peer of the tests' own over ENet, to say what a real game would not.
class FakePeer {
  public:
    FakePeer() { EXPECT_EQ(enet_initialize(), 0); }
    ~FakePeer() {
        if (host_ != nullptr) enet_host_destroy(host_);
    }
    bool Connect(uint16_t port) {
        host_ = enet_host_create(nullptr, 1, 2, 0, 0);
        ENetAddress a{};
        enet_address_set_host(&a, "127.0.0.1");
        a.port = port;
        peer_ = enet_host_connect(host_, &a, 2, 0);
        return Await(ENET_EVENT_TYPE_CONNECT, 10000) != nullptr || connected_;
    }
    bool Listen(uint16_t port) {
        ENetAddress a{};
        a.host = ENET_HOST_ANY;
        a.port = port;
        host_ = enet_host_create(&a, 1, 2, 0, 0);
        return host_ != nullptr;
    }
    void Send(const net::Message& m) {
        const std::vector<uint8_t> bytes = net::Encode(m);
        enet_peer_send(peer_, 0,
                       enet_packet_create(bytes.data(), bytes.size(), ENET_PACKET_FLAG_RELIABLE));
        enet_host_flush(host_);
    }
    // The next message received within the time, if any.
    bool Next(net::Message& out, int timeoutMs) {
        const std::vector<uint8_t>* bytes = Await(ENET_EVENT_TYPE_RECEIVE, timeoutMs);
        return bytes != nullptr && net::Decode(bytes->data(), bytes->size(), out);
    }

  private:
    const std::vector<uint8_t>* Await(ENetEventType type, int timeoutMs) {
        ENetEvent e;
        for (int waited = 0; waited < timeoutMs; waited += 20) {
            if (enet_host_service(host_, &e, 20) <= 0) continue;
            if (e.type == ENET_EVENT_TYPE_CONNECT) {
                peer_ = e.peer;
                connected_ = true;
            }
            if (e.type == ENET_EVENT_TYPE_RECEIVE) {
                last_.assign(e.packet->data, e.packet->data + e.packet->dataLength);
                enet_packet_destroy(e.packet);
            }
            if (e.type == type) return &last_;
        }
        return nullptr;
    }
    ENetHost* host_ = nullptr;
    ENetPeer* peer_ = nullptr;
    bool connected_ = false;
    std::vector<uint8_t> last_;
};

uint16_t SomePort() {
    return static_cast<uint16_t>(30000 + (getpid() * 7 + std::random_device{}()) % 20000);
}

}  // namespace

TEST(NetPeers, AnotherVersionOrOtherFightersAreRefusedWithAClearLine) {
    for (const bool version : {true, false}) {
        SCOPED_TRACE(version ? "another version" : "other fighters");
        const uint16_t port = SomePort();
        auto host = testing_support::StartGameInBackground(
            {"--headless", "--mode", "vs", "--host", std::to_string(port), "--frames", "100"},
            MakeTempDir());
        usleep(300000);
        FakePeer joiner;
        ASSERT_TRUE(joiner.Connect(port));
        net::Message hello;
        hello.type = net::MessageType::kHello;
        hello.version = version ? 99 : net::kProtocolVersion;
        hello.fighterHash = version ? net::FighterDataHash() : 12345;
        joiner.Send(hello);
        net::Message answer;
        EXPECT_TRUE(joiner.Next(answer, 5000));
        EXPECT_EQ(answer.type, net::MessageType::kRefuse);
        EXPECT_EQ(answer.reason,
                  version ? net::RefuseReason::kVersion : net::RefuseReason::kFighters);
        const auto run = testing_support::WaitForGame(host, 10000);
        EXPECT_EQ(run.status, 3);
        EXPECT_EQ(SplitLines(run.err).size(), 1u) << run.err;
        EXPECT_NE(run.err.find(version ? "network version 99" : "builds its fighters differently"),
                  std::string::npos)
            << run.err;
    }
    // The other way: a host that refuses the joiner's fighters.
    const uint16_t port = SomePort();
    FakePeer fakeHost;
    ASSERT_TRUE(fakeHost.Listen(port));
    auto joiner = testing_support::StartGameInBackground(
        {"--headless", "--mode", "vs", "--join", "127.0.0.1:" + std::to_string(port)},
        MakeTempDir());
    net::Message hello;
    ASSERT_TRUE(fakeHost.Next(hello, 10000));
    EXPECT_EQ(hello.type, net::MessageType::kHello);
    EXPECT_EQ(hello.fighterHash, net::FighterDataHash());
    net::Message refuse;
    refuse.type = net::MessageType::kRefuse;
    refuse.version = net::kProtocolVersion;
    refuse.reason = net::RefuseReason::kFighters;
    fakeHost.Send(refuse);
    const auto run = testing_support::WaitForGame(joiner, 10000);
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("fighters are built differently"), std::string::npos) << run.err;
    EXPECT_EQ(SplitLines(run.err).size(), 1u) << run.err;
}

TEST(NetPeers, NobodyAtTheAddressEndsTheJoinerSoon) {
    int ms = 0;
    auto joiner = testing_support::StartGameInBackground(
        {"--headless", "--mode", "vs", "--join", "127.0.0.1:" + std::to_string(SomePort())},
        MakeTempDir());
    const auto run = testing_support::WaitForGame(joiner, 15000, &ms);
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("nobody answered"), std::string::npos) << run.err;
    EXPECT_LT(ms, 8000);
}

TEST(NetPeers, APeerKilledMidFightEndsTheOtherWithinFiveSeconds) {
    const uint16_t port = SomePort();
    const std::string keys = MakeTempDir() + "/walk.txt";
    {
        std::FILE* f = std::fopen(keys.c_str(), "w");
        std::fputs("25 down G\n27 up G\n200 down D\n260 up D\n", f);
        std::fclose(f);
    }
    auto host = testing_support::StartGameInBackground(
        {"--headless", "--mode", "vs", "--host", std::to_string(port), "--input", keys},
        MakeTempDir());
    usleep(300000);
    auto joiner = testing_support::StartGameInBackground(
        {"--headless", "--mode", "vs", "--join", "127.0.0.1:" + std::to_string(port), "--input",
         keys},
        MakeTempDir());
    usleep(1500000);  // the two play (headless games run as fast as the network lets them)
    ASSERT_EQ(kill(joiner.pid, SIGKILL), 0);
    testing_support::WaitForGame(joiner, 1000);
    int ms = 0;
    const auto run = testing_support::WaitForGame(host, 15000, &ms);
    EXPECT_EQ(run.status, 3);
    EXPECT_LT(ms, 6500) << "silence is waited for five seconds";
    EXPECT_GT(ms, 3000);
    EXPECT_EQ(SplitLines(run.err).size(), 1u) << run.err;
    EXPECT_NE(run.err.find("stopped answering"), std::string::npos) << run.err;
}

// A side that ran ahead on predictions confirms several frames at once when the other's
// inputs arrive; each of those frames' checksums must still go out, oldest first, or a
// desync in the first of them would be named by a later frame (or missed).
TEST(NetPeers, EveryConfirmedFramesChecksumGoesOutInTurn) {
    const uint16_t port = SomePort();
    FakePeer fakeHost;
    ASSERT_TRUE(fakeHost.Listen(port));
    net::SessionConfig config;
    config.host = false;
    config.address = "127.0.0.1";
    config.port = port;
    config.fighterHash = net::FighterDataHash();
    net::Session session(config);
    std::string error;
    ASSERT_TRUE(session.Start(error)) << error;
    uint32_t now = 1;
    net::Message m;
    for (int i = 0; i < 300 && !session.Ready(); ++i, now += 10) {
        session.PollHandshake(now, 5);
        if (fakeHost.Next(m, 5) && m.type == net::MessageType::kHello) {
            net::Message welcome;
            welcome.type = net::MessageType::kWelcome;
            welcome.version = net::kProtocolVersion;
            welcome.fighterHash = net::FighterDataHash();
            welcome.seed = 77;
            fakeHost.Send(welcome);
        }
    }
    ASSERT_TRUE(session.Ready());

    auto g = NewFight();
    Recorder listener;
    session.BeginGame(g->F(), listener);
    for (int i = 0; i < 6; ++i, now += 16)
        session.Tick(now, 0);  // runs ahead of the silent host on predictions
    ASSERT_TRUE(listener.sums.empty());
    std::vector<int32_t> checked;
    while (fakeHost.Next(m, 50))
        if (m.type == net::MessageType::kInputs && m.checksumFrame >= 0)
            checked.push_back(m.checksumFrame);
    EXPECT_TRUE(checked.empty()) << "no frame was confirmed yet";

    net::Message inputs;
    inputs.type = net::MessageType::kInputs;
    inputs.firstFrame = 0;
    inputs.count = 12;
    inputs.ackFrame = 5;
    fakeHost.Send(inputs);
    for (int i = 0; i < 40 && listener.sums.size() < 6; ++i, now += 16)
        session.Wait(now, 5);
    for (int i = 0; i < 8; ++i, now += 16)
        session.Tick(now, 0);
    ASSERT_GE(listener.sums.size(), 7u) << "the host's inputs confirmed the frames run ahead";
    while (fakeHost.Next(m, 50))
        if (m.type == net::MessageType::kInputs && m.checksumFrame >= 0)
            checked.push_back(m.checksumFrame);
    ASSERT_GE(checked.size(), 7u);
    for (size_t i = 0; i < checked.size(); ++i)
        EXPECT_EQ(checked[i], static_cast<int32_t>(i)) << "message " << i;
}

TEST(NetPeers, ADesyncEndsBothSidesWithTheFrameAndEachSidesStateDump) {
    const uint16_t port = SomePort();
    const std::string hostDir = MakeTempDir(), joinDir = MakeTempDir();
    auto host = testing_support::StartGameInBackground(
        {"--headless", "--mode", "vs", "--host", std::to_string(port), "--frames", "400"}, hostDir);
    usleep(300000);
    // The joiner's game starts one unit of stamina apart (the desync report's test hook).
    setenv("TOVUKA_NET_DESYNC_TEST", "1", 1);
    auto joiner = testing_support::StartGameInBackground(
        {"--headless", "--mode", "vs", "--join", "127.0.0.1:" + std::to_string(port), "--frames",
         "400"},
        joinDir);
    unsetenv("TOVUKA_NET_DESYNC_TEST");
    const auto j = testing_support::WaitForGame(joiner, 15000);
    const auto h = testing_support::WaitForGame(host, 15000);
    for (const auto* run : {&h, &j}) {
        EXPECT_EQ(run->status, 4) << run->err;
        EXPECT_NE(run->err.find("frame 0 came out differently"), std::string::npos) << run->err;
    }
    auto read = [](const std::string& path) {
        std::ifstream in(path);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string hostDump = read(hostDir + "/replays/desync-frame0-host.state");
    const std::string joinDump = read(joinDir + "/replays/desync-frame0-join.state");
    ASSERT_FALSE(hostDump.empty());
    ASSERT_FALSE(joinDump.empty());
    // The two dumps differ where the games differ.
    auto line = [](const std::string& dump, const std::string& field) {
        const size_t at = dump.find("\n" + field + " ");
        return at == std::string::npos ? std::string()
                                       : dump.substr(at + 1, dump.find('\n', at + 1) - at - 1);
    };
    EXPECT_NE(line(hostDump, "fighter[1].stamina"), line(joinDump, "fighter[1].stamina"));
    EXPECT_EQ(line(hostDump, "fighter[0].x"), line(joinDump, "fighter[0].x"));
    EXPECT_FALSE(line(hostDump, "fighter[0].x").empty());
}
