// The network game in the window.
#include "app/netplay_window.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "app/net_game.h"
#include "audio/audio_setup.h"
#include "audio/music.h"
#include "gfx/display.h"
#include "platform/message_box.h"
#include "shell/routines.h"

namespace app {

namespace {

constexpr uint32_t kLeaveWindowMs = 2000;
constexpr uint32_t kEndMessageMs = 3000;

// The lines the network game writes over the picture: what it waits for, that a second
// ESC leaves, why it ended. The training overlay is drawn beneath them.
class NetMessages final : public shell::FrameOverlay {
  public:
    explicit NetMessages(shell::FrameOverlay* below) : below_(below) {}
    void Set(const std::string& first, const std::string& second = "") {
        lines_[0] = first;
        lines_[1] = second;
    }
    void Draw(const shell::TForm1& form, uint32_t* frame) override {
        if (below_ != nullptr) below_->Draw(form, frame);
        if (frame == nullptr) return;
        for (int i = 0; i < 2; ++i) {
            if (lines_[i].empty()) continue;
            const int y = 520 + 30 * i;
            // A dark band so the words read over any picture.
            for (int row = y - 4; row < y + 18 && row < gfx::kScreenHeight; ++row)
                for (int x = 0; x < gfx::kScreenWidth; ++x) {
                    uint32_t& p = frame[static_cast<size_t>(row) * gfx::kScreenWidth + x];
                    p = ((p >> 2) & 0x3F3F3F) | 0xFF000000u;
                }
            shell::DrawTinyText(frame, 20, y, lines_[i].c_str(), gfx::Argb(255, 236, 160), 2);
        }
    }

  private:
    shell::FrameOverlay* below_;
    std::string lines_[2];
};

// The devices as this machine's player plays: the key snapshot and joystick 0.
void ReadLocal(platform::InputDevices& devices, fight::FrameInput& out) {
    std::memset(&out, 0, sizeof out);
    devices.GetKeyboardState(out.keys);
    platform::JoyInfo info{};
    if (devices.JoyGetPos(0, info))
        out.pads[0] = {1, {}, info.xPos, info.yPos, info.zPos, info.buttons};
}

// Draws one frame of the waiting screen: the background and the message.
void ShowWaiting(shell::TForm1& form, NetMessages& messages) {
    if (form.display.frame == nullptr) return;
    std::memset(form.display.frame.get(), 0,
                sizeof(uint32_t) * gfx::kScreenWidth * gfx::kScreenHeight);
    messages.Draw(form, form.display.frame.get());
    if (form.services.presenter != nullptr)
        form.services.presenter->Present(gfx::FramePixels(form.display), true);
}

// Events during the game; true when the window was closed.
bool HandleEvents(NetWindow& w, shell::TForm1& form, net::Session& session, NetMessages& messages,
                  uint32_t now, uint32_t& escDeadline) {
    bool closed = false;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (w.devices != nullptr) w.devices->HandleEvent(event);
        if (event.type == SDL_QUIT ||
            (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE)) {
            closed = true;
        } else if (event.type == SDL_KEYDOWN && event.key.repeat == 0) {
            const int vk = platform::VirtualKeyOf(event.key.keysym.scancode);
            if (w.training != nullptr) w.training->HandleKey(vk);
            if (vk != platform::VK_ESCAPE || form.closeRequested) continue;
            if (escDeadline != 0 && now < escDeadline) {
                session.Leave();
                messages.Set("LEAVING THE GAME");
            } else {
                escDeadline = now + kLeaveWindowMs;
                messages.Set("ESC AGAIN TO LEAVE THE GAME");
            }
        }
    }
    return closed;
}

int StatusOf(net::SessionEnd end) {
    return end == net::SessionEnd::kFinished ? 0 : end == net::SessionEnd::kDesync ? 4 : 3;
}

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

}  // namespace

int PlayNetworkGame(NetWindow& w, shell::TForm1& form, const net::SessionConfig& given) {
    net::SessionConfig config = given;
    config.fighterHash = net::FighterDataHash();
    config.joinWaitMs = 0;  // the window waits until the player gives up
    net::Session session(config);
    NetMessages messages(w.training);
    form.services.overlay = &messages;
    if (w.becomeGameWindow) w.becomeGameWindow();
    gfx::CreateDisplay(form.display);

    std::string error;
    if (!session.Start(error)) {
        platform::ShowMessage("TOVUKA02", error.c_str());
        return 3;
    }
    const std::string where =
        config.host ? "ON UDP PORT " + std::to_string(config.port)
                    : "AT " + Upper(config.address) + ":" + std::to_string(config.port);
    messages.Set(config.host ? "WAITING FOR THE OTHER PLAYER " + where
                             : "CONNECTING TO THE OTHER PLAYER " + where,
                 "ESC: GIVE UP");
    while (!session.Ready() && session.Ended() == net::SessionEnd::kNone) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (w.devices != nullptr) w.devices->HandleEvent(event);
            const bool quit =
                event.type == SDL_QUIT ||
                (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE) ||
                (event.type == SDL_KEYDOWN && event.key.repeat == 0 &&
                 event.key.keysym.scancode == SDL_SCANCODE_ESCAPE);
            if (quit) return 0;
        }
        session.PollHandshake(SDL_GetTicks(), 15);
        ShowWaiting(form, messages);
    }
    if (!session.Ready()) {
        platform::ShowMessage("TOVUKA02", session.EndReason().c_str());
        return StatusOf(session.Ended());
    }

    // Both games begin alike: the host's seed, the network keys, the host's speed.
    shell::FormShow(form, session.Seed());
    NetGame game(form, session);
    game.SetPlaySounds(true);
    messages.Set("");
    if (!game.Begin("", true, error)) {
        platform::ShowMessage("TOVUKA02", error.c_str());
        return 3;
    }
    if (w.becomeGameWindow) w.becomeGameWindow();  // the display mode of this machine's settings

    uint32_t escDeadline = 0;
    uint32_t closedAt = 0;
    fight::FrameInput local;
    while (session.Ended() == net::SessionEnd::kNone) {
        const uint32_t now = SDL_GetTicks();
        if (escDeadline != 0 && now >= escDeadline && !form.closeRequested) {
            escDeadline = 0;
            messages.Set("");
        }
        if (HandleEvents(w, form, session, messages, now, escDeadline) && closedAt == 0) {
            session.Leave();
            closedAt = now;
        }
        if (closedAt != 0 && now - closedAt > 2000) break;  // the window closes anyway
        audio::PumpMusicNotifications();
        if (form.controls.musicMode == audio::kMusicMidi) audio::PollMidiMusic();
        ReadLocal(*w.devices, local);
        if (session.ShouldWaitAFrame())
            session.Wait(now, 0);  // this machine is ahead: the same frame once more
        else
            session.Tick(now, game.Sample(local));
        if (session.TakeFightersBuilt()) shell::LoadPlayerSheetsForFight(form);
        form.frameEvents = session.Game()->LastEvents();
        shell::ShowFrame(form);
    }
    game.Finish();

    // Why it ended, over the last picture, for a moment.
    std::string reason = session.EndReason();
    if (session.Ended() == net::SessionEnd::kDesync) {
        std::string dump;
        if (game.WriteDesyncDump(session.DesyncFrame(), dump)) reason += "; see " + dump;
        std::fprintf(stderr, "tovuka02: %s\n", reason.c_str());
    }
    if (!reason.empty() && closedAt == 0) {
        messages.Set(Upper(reason));
        const uint32_t shownAt = SDL_GetTicks();
        while (SDL_GetTicks() - shownAt < kEndMessageMs) {
            SDL_Event event;
            bool done = false;
            while (SDL_PollEvent(&event))
                done = done || event.type == SDL_QUIT || event.type == SDL_KEYDOWN;
            if (done) break;
            form.frameEvents.Clear();
            shell::ShowFrame(form);
        }
    }
    form.services.overlay = w.training;
    return StatusOf(session.Ended());
}

}  // namespace app
