// The launcher form in a real (off-screen) SDL window with the software renderer: it draws,
// its font holds every character it shows, its controls sit where the form puts them, and
// mouse and keyboard reach the controls' events.
//
// Set TOVUKA_LAUNCHER_SHOT=/some/file.png (and optionally TOVUKA_LAUNCHER_GAME_DIR to a game
// folder with Graphic/title.bmp, TOVUKA_LAUNCHER_SHOT_CLICK to a control name to click first,
// TOVUKA_LAUNCHER_SHOT_TABS to a number of Tab presses) to save a screenshot of the launcher.
#include "shell/launcher_view.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <stb_image_write.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "shell/form.h"
#include "shell/launcher_texts.h"
#include "support/run_binary.h"
#include "support/system_allocations.h"

namespace {

namespace fs = std::filesystem;

// The next code point of a UTF-8 string; advances p.
unsigned NextCodePoint(const char*& p) {
    const auto* s = reinterpret_cast<const unsigned char*>(p);
    unsigned c = s[0];
    int extra = 0;
    if (c >= 0xF0) {
        c &= 0x07;
        extra = 3;
    } else if (c >= 0xE0) {
        c &= 0x0F;
        extra = 2;
    } else if (c >= 0xC0) {
        c &= 0x1F;
        extra = 1;
    }
    for (int i = 1; i <= extra; ++i)
        c = (c << 6) | (s[i] & 0x3F);
    p += 1 + extra;
    return c;
}

struct Pixel {
    int r, g, b;
    bool operator==(const Pixel&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Pixel& p) {
    return os << "rgb(" << p.r << "," << p.g << "," << p.b << ")";
}

class LauncherViewTest : public ::testing::Test {
  protected:
    testing_support::SystemAllocations systemAllocations_;  // SDL video drivers
    void SetUp() override {
        oldDir_ = fs::current_path();
        dir_ = testing_support::MakeTempDir();
        fs::current_path(dir_);
        // An off-screen window, also under a desktop; the driver choice is put back after.
        if (const char* driver = std::getenv("SDL_VIDEODRIVER")) oldDriver_ = driver;
        if (SDL_WasInit(SDL_INIT_VIDEO) == 0) setenv("SDL_VIDEODRIVER", "offscreen", 1);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        form_ = std::make_unique<shell::TForm1>();
        shell::ConstructForm(*form_);
        form_->controls.difficulty = 0;
    }

    void TearDown() override {
        view_.Shutdown();
        if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
        if (window_ != nullptr) SDL_DestroyWindow(window_);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        if (oldDriver_.empty()) {
            unsetenv("SDL_VIDEODRIVER");
        } else {
            setenv("SDL_VIDEODRIVER", oldDriver_.c_str(), 1);
        }
        fs::current_path(oldDir_);
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    // A 500 x 200 picture of one colour as the title, in the current folder.
    void WriteTitle(Uint8 r, Uint8 g, Uint8 b) {
        fs::create_directories("Graphic");
        SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 500, 200, 24, SDL_PIXELFORMAT_BGR24);
        ASSERT_NE(s, nullptr);
        SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, r, g, b));
        ASSERT_EQ(SDL_SaveBMP(s, "Graphic/title.bmp"), 0);
        SDL_FreeSurface(s);
    }

    void Open() {
        window_ = SDL_CreateWindow(shell::kWindowCaption, 0, 0, 898, 505, SDL_WINDOW_HIDDEN);
        ASSERT_NE(window_, nullptr) << SDL_GetError();
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
        ASSERT_NE(renderer_, nullptr) << SDL_GetError();
        ASSERT_TRUE(view_.Init(window_, renderer_));
    }

    int Frame() {
        const int pressed = view_.Frame(*form_);
        ReadPixels();
        SDL_RenderPresent(renderer_);
        return pressed;
    }

    void ReadPixels() {
        pixels_.assign(898 * 505, 0);
        ASSERT_EQ(SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels_.data(),
                                       898 * 4),
                  0);
    }

    Pixel At(int x, int y) const {
        const uint32_t v = pixels_[static_cast<size_t>(y) * 898 + static_cast<size_t>(x)];
        return {static_cast<int>((v >> 16) & 255), static_cast<int>((v >> 8) & 255),
                static_cast<int>(v & 255)};
    }

    // Pixels clearly darker than the button face inside a rectangle: drawn text.
    int DarkPixels(const shell::LauncherRect& r) const {
        int n = 0;
        for (int y = static_cast<int>(r.top); y < static_cast<int>(r.top + r.height); ++y)
            for (int x = static_cast<int>(r.left); x < static_cast<int>(r.left + r.width); ++x)
                if (At(x, y).r < 100) ++n;
        return n;
    }

    shell::LauncherRect Rect(const std::string& name) const {
        const auto it = view_.Layout().find(name);
        EXPECT_NE(it, view_.Layout().end()) << name << " was not drawn";
        return it == view_.Layout().end() ? shell::LauncherRect{} : it->second;
    }

    // A left click in the middle of a control: move there, press, release. The view sorts
    // the events into frames itself.
    void Click(const std::string& name) {
        const shell::LauncherRect r = Rect(name);
        const int x = static_cast<int>(r.left + r.width / 2);
        const int y = static_cast<int>(r.top + r.height / 2);
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.x = x;
        e.motion.y = y;
        view_.ProcessEvent(e);
        e = SDL_Event{};
        e.type = SDL_MOUSEBUTTONDOWN;
        e.button.button = SDL_BUTTON_LEFT;
        e.button.x = x;
        e.button.y = y;
        view_.ProcessEvent(e);
        e.type = SDL_MOUSEBUTTONUP;
        view_.ProcessEvent(e);
    }

    // The left mouse button goes down (or up) in the middle of a control.
    void Press(const std::string& name, bool down) {
        const shell::LauncherRect r = Rect(name);
        SDL_Event e{};
        e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.button = SDL_BUTTON_LEFT;
        e.button.x = static_cast<int>(r.left + r.width / 2);
        e.button.y = static_cast<int>(r.top + r.height / 2);
        view_.ProcessEvent(e);
    }

    void Key(SDL_Scancode code, Uint16 mod = KMOD_NONE) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.scancode = code;
        e.key.keysym.sym = SDL_GetKeyFromScancode(code);
        e.key.keysym.mod = mod;
        view_.ProcessEvent(e);
        lastPressed_ = Frame();
        e.type = SDL_KEYUP;
        view_.ProcessEvent(e);
        const int second = Frame();
        if (lastPressed_ == 0) lastPressed_ = second;
    }

    void Type(const char* text) {
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        SDL_strlcpy(e.text.text, text, sizeof e.text.text);
        view_.ProcessEvent(e);
        Frame();
    }

    fs::path oldDir_;
    std::string oldDriver_;
    std::string dir_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    shell::LauncherView view_;
    std::unique_ptr<shell::TForm1> form_;
    std::vector<uint32_t> pixels_;
    int lastPressed_ = 0;
};

TEST_F(LauncherViewTest, DrawsTheFormWithTitlePictureFaceColourAndTexts) {
    WriteTitle(200, 30, 40);
    Open();
    ASSERT_TRUE(view_.JapaneseFontLoaded());
    ASSERT_TRUE(view_.TitleLoaded());
    EXPECT_EQ(Frame(), 0);
    EXPECT_EQ(Frame(), 0);

    EXPECT_EQ(At(250, 100), (Pixel{200, 30, 40})) << "Image1 shows the title picture";
    EXPECT_EQ(At(499, 199), (Pixel{200, 30, 40}));
    EXPECT_EQ(At(500, 100), (Pixel{212, 208, 200})) << "the picture ends at 500";
    EXPECT_EQ(At(700, 495), (Pixel{212, 208, 200})) << "button face around the controls";

    // A raised button: white top-left edge, dark bottom-right edge, face inside.
    const shell::LauncherRect b1 = Rect("Button4");
    EXPECT_EQ(At(static_cast<int>(b1.left), static_cast<int>(b1.top) + 5), (Pixel{255, 255, 255}));
    EXPECT_EQ(At(static_cast<int>(b1.left + b1.width) - 1, static_cast<int>(b1.top) + 5),
              (Pixel{64, 64, 64}));

    // Every label and button shows its text.
    for (const char* name :
         {"Label7", "Button1", "Button2", "Button3", "Button4", "Button5", "GroupBox1.label0",
          "GroupBox3.label3", "GroupBox5.label0", "GroupBox5.label1", "RadioGroup4.4",
          "RadioGroup5.2", "RadioGroup3.caption", "GroupBox5.caption", "Key_P2_LEFT", "ComboBox6"})
        EXPECT_GT(DarkPixels(Rect(name)), 8) << name << " shows no text";
}

TEST_F(LauncherViewTest, MissingTitlePictureLeavesAnEmptyFrame) {
    Open();
    EXPECT_FALSE(view_.TitleLoaded());
    EXPECT_EQ(Frame(), 0);
    EXPECT_EQ(At(250, 100), (Pixel{212, 208, 200}));
    EXPECT_NE(At(0, 100), (Pixel{212, 208, 200})) << "the frame's left edge";
}

TEST_F(LauncherViewTest, FontHoldsEveryCharacterOfEveryText) {
    Open();
    Frame();
    ASSERT_TRUE(view_.JapaneseFontLoaded());
    std::vector<std::string> texts;
    for (const char* t : shell::AllLauncherTexts())
        texts.push_back(t);
    // The characters that a plain Japanese range would miss, and captions the speed bar
    // produces.
    for (const char* t : {"←↑→↓", "＝", "　", "（）・", "ゲームスピード補正＝-39",
                          "ゲームスピード補正＝60", "スピード補正=0"})
        texts.push_back(t);
    int checked = 0;
    for (const std::string& text : texts) {
        for (const char* p = text.c_str(); *p != '\0';) {
            const unsigned c = NextCodePoint(p);
            ++checked;
            EXPECT_NE(view_.TextFont()->FindGlyphNoFallback(static_cast<ImWchar>(c)), nullptr)
                << "U+" << std::hex << c << " of \"" << text << "\"";
        }
    }
    EXPECT_GT(checked, 400);
    for (const char* bold : {shell::kSpeedFastLabel, shell::kSpeedSlowLabel}) {
        const char* p = bold;
        EXPECT_NE(view_.BoldFont()->FindGlyphNoFallback(static_cast<ImWchar>(NextCodePoint(p))),
                  nullptr);
    }
    // The key list as the player reads it.
    EXPECT_STREQ(shell::kKeyItemTexts[0], "左クリック");
    EXPECT_STREQ(shell::kKeyItemTexts[2], "中央クリック");
    EXPECT_STREQ(shell::kKeyItemTexts[3], "←");
    EXPECT_STREQ(shell::kKeyItemTexts[6], "↓");
    EXPECT_STREQ(shell::kKeyItemTexts[7], "A");
    EXPECT_STREQ(shell::kKeyItemTexts[32], "Z");
    EXPECT_STREQ(shell::kKeyItemTexts[33], "n0");
    EXPECT_STREQ(shell::kKeyItemTexts[42], "n9");
}

struct Expected {
    const char* name;
    float left, top, width, height;  // width 0: only the position is checked
};

TEST_F(LauncherViewTest, ControlsSitAtTheirPlaces) {
    Open();
    Frame();
    Frame();
    const Expected expected[] = {
        {"Image1", 0, 0, 500, 200},           {"Label7", 760, 456, 0, 0},
        {"RadioGroup2", 512, 8, 177, 65},     {"RadioGroup3", 704, 8, 177, 65},
        {"GroupBox1", 512, 80, 177, 97},      {"GroupBox2", 704, 80, 177, 97},
        {"GroupBox1.label0", 528, 96, 0, 0},  {"GroupBox1.label1", 528, 120, 0, 0},
        {"GroupBox1.label2", 528, 144, 0, 0}, {"GroupBox2.label2", 720, 144, 0, 0},
        {"ComboBox1", 584, 96, 89, 20},       {"ComboBox2", 584, 120, 89, 20},
        {"ComboBox3", 584, 144, 89, 20},      {"ComboBox4", 776, 96, 89, 20},
        {"ComboBox5", 776, 120, 89, 20},      {"ComboBox6", 776, 144, 89, 20},
        {"GroupBox3", 512, 184, 177, 201},    {"GroupBox4", 704, 184, 177, 201},
        {"GroupBox3.label0", 528, 208, 0, 0}, {"GroupBox3.label6", 528, 352, 0, 0},
        {"GroupBox4.label0", 720, 208, 0, 0}, {"Key_P1_LEFT", 584, 208, 89, 20},
        {"Key_P1_UP", 584, 232, 89, 20},      {"Key_P1_RIGHT", 584, 256, 89, 20},
        {"Key_P1_DOWN", 584, 280, 89, 20},    {"Key_P1_G", 584, 304, 89, 20},
        {"Key_P1_LA", 584, 328, 89, 20},      {"Key_P1_RA", 584, 352, 89, 20},
        {"Key_P2_LEFT", 776, 208, 89, 20},    {"Key_P2_RA", 776, 352, 89, 20},
        {"RadioGroup4", 8, 208, 225, 121},    {"RadioGroup1", 240, 208, 257, 49},
        {"RadioGroup5", 240, 264, 257, 65},   {"GroupBox5", 8, 336, 489, 81},
        {"GroupBox5.label0", 16, 384, 0, 0},  {"GroupBox5.label1", 464, 384, 0, 0},
        {"Button5", 16, 352, 113, 25},        {"ScrollBar1", 44, 384, 409, 17},
        {"Button1", 16, 424, 217, 25},        {"Button2", 232, 424, 217, 25},
        {"Button3", 448, 424, 217, 25},       {"Button4", 664, 424, 217, 25},
    };
    for (const Expected& e : expected) {
        const shell::LauncherRect r = Rect(e.name);
        EXPECT_FLOAT_EQ(r.left, e.left) << e.name;
        EXPECT_FLOAT_EQ(r.top, e.top) << e.name;
        if (e.width > 0) {
            EXPECT_FLOAT_EQ(r.width, e.width) << e.name;
            EXPECT_FLOAT_EQ(r.height, e.height) << e.name;
        }
    }
}

bool Inside(const shell::LauncherRect& in, const shell::LauncherRect& out) {
    return in.left >= out.left && in.top >= out.top && in.left + in.width <= out.left + out.width &&
           in.top + in.height <= out.top + out.height;
}

bool Overlap(const shell::LauncherRect& a, const shell::LauncherRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST_F(LauncherViewTest, TextsFitTheirControlsWithoutOverlapping) {
    Open();
    Frame();
    const int items[5] = {2, 2, 2, 5, 3};
    for (int g = 0; g < 5; ++g) {
        const std::string group = "RadioGroup" + std::to_string(g + 1);
        const shell::LauncherRect box = Rect(group);
        EXPECT_TRUE(Inside(Rect(group + ".caption"), box)) << group << " caption";
        for (int i = 0; i < items[g]; ++i) {
            const shell::LauncherRect item = Rect(group + "." + std::to_string(i));
            EXPECT_TRUE(Inside(item, box)) << group << " item " << i;
            EXPECT_FALSE(Overlap(item, Rect(group + ".caption"))) << group << " item " << i;
            if (i > 0) {
                EXPECT_FALSE(Overlap(item, Rect(group + "." + std::to_string(i - 1))))
                    << group << " items " << i - 1 << " and " << i;
            }
        }
    }
    for (const char* group : {"GroupBox1", "GroupBox2", "GroupBox3", "GroupBox4", "GroupBox5"})
        EXPECT_TRUE(Inside(Rect(std::string(group) + ".caption"), Rect(group))) << group;
    // The labels end before the boxes beside them.
    for (int k = 0; k < 7; ++k) {
        const shell::LauncherRect label = Rect("GroupBox3.label" + std::to_string(k));
        EXPECT_LT(label.left + label.width, 584) << "label " << k;
    }
    for (int b = 0; b < 3; ++b) {
        const shell::LauncherRect label = Rect("GroupBox2.label" + std::to_string(b));
        EXPECT_LT(label.left + label.width, 776) << "label " << b;
    }
    EXPECT_LT(Rect("GroupBox5.label0").left + Rect("GroupBox5.label0").width, 44);
    EXPECT_GT(Rect("GroupBox5.label1").left, 44 + 409);
    const shell::LauncherRect version = Rect("Label7");
    EXPECT_LE(version.left + version.width, 898);
    EXPECT_LE(version.top + version.height, 505);
    EXPECT_GE(version.top, 424 + 25) << "the version sits below the mode buttons";
}

TEST_F(LauncherViewTest, MouseReachesButtonsRadioGroupsAndTheSpeedBar) {
    Open();
    Frame();
    Click("Button3");
    const int first = Frame();
    const int second = Frame();
    EXPECT_EQ(first + second, 3) << "Button3 reports mode 3 once";

    Click("RadioGroup2.1");  // player 1: "Keyboard"
    Frame();
    Frame();
    EXPECT_EQ(form_->controls.controlMethod[0], 1);
    EXPECT_EQ(form_->controls.padBoxEnabled[0], 0) << "RadioGroup2Click ran";
    EXPECT_EQ(form_->controls.padBoxEnabled[1], 1);

    Click("ScrollBar1");  // the middle of the track: about the middle of -39..60
    Frame();
    Frame();
    EXPECT_NEAR(form_->controls.speed, 10, 2);
    EXPECT_EQ(std::string(form_->controls.speedCaption),
              "ゲームスピード補正＝" + std::to_string(form_->controls.speed));

    Click("Button5");
    Frame();
    Frame();
    EXPECT_EQ(form_->controls.speed, 0);
    EXPECT_STREQ(form_->controls.speedCaption, "ゲームスピード補正＝0");

    // The left end button steps once on the press, then repeats while held.
    Press("ScrollBar1.left", true);
    Frame();
    EXPECT_EQ(form_->controls.speed, -1);
    const Uint32 start = SDL_GetTicks();
    while (SDL_GetTicks() - start < 700) {
        Frame();
        SDL_Delay(10);
    }
    Press("ScrollBar1.left", false);
    Frame();
    EXPECT_LT(form_->controls.speed, -3) << "held for 0.7 s";
    EXPECT_GE(form_->controls.speed, -39);
    EXPECT_EQ(std::string(form_->controls.speedCaption),
              "ゲームスピード補正＝" + std::to_string(form_->controls.speed));
}

TEST_F(LauncherViewTest, KeyboardWalksTheControlsAndPressesButtons) {
    Open();
    Frame();
    // Shift+Tab from nowhere lands on the last control, full screen's scaling; seven more
    // back (the window size, Join, Host, the address, the port, Training) reach the fourth
    // mode button.
    for (int i = 0; i < 8; ++i)
        Key(SDL_SCANCODE_TAB, KMOD_SHIFT);
    Key(SDL_SCANCODE_SPACE);
    EXPECT_EQ(lastPressed_, 4);
    Key(SDL_SCANCODE_TAB, KMOD_SHIFT);
    Key(SDL_SCANCODE_RETURN);
    EXPECT_EQ(lastPressed_, 3) << "Enter presses the focused button";

    // From Button3 on to Button4, Training, the network panel's four, the window's two,
    // round to the difficulty, the display mode, the music mode, Button5 and the speed bar.
    for (int i = 0; i < 13; ++i)
        Key(SDL_SCANCODE_TAB);
    Key(SDL_SCANCODE_RIGHT);
    Key(SDL_SCANCODE_RIGHT);
    EXPECT_EQ(form_->controls.speed, 2);
    EXPECT_STREQ(form_->controls.speedCaption, "ゲームスピード補正＝2");
    Key(SDL_SCANCODE_END);
    EXPECT_EQ(form_->controls.speed, 60);
    Key(SDL_SCANCODE_HOME);
    EXPECT_EQ(form_->controls.speed, -39);
}

TEST_F(LauncherViewTest, TabSkipsDisabledPadBoxesAndTypingPicksAKey) {
    Open();
    form_->controls.controlMethod[0] = 1;
    form_->controls.padBoxEnabled[0] = 0;
    Frame();
    // Difficulty, display, music, Button5, speed bar, RadioGroup2, then the first key box.
    for (int i = 0; i < 7; ++i)
        Key(SDL_SCANCODE_TAB);
    Type("w");
    Frame();
    EXPECT_EQ(form_->controls.keyItem[0][0], 29) << "typed \"w\" names the key W";
    EXPECT_EQ(form_->controls.padButton[0][0], 0) << "the disabled pad box was not touched";

    Type("x");  // "wx" is no key: nothing selected
    EXPECT_EQ(form_->controls.keyItem[0][0], -1);
}

// The network panel sits under the mode buttons without moving them; Host needs a port,
// Join an address, and the boxes take typed text.
TEST_F(LauncherViewTest, TheNetworkPanelHostsAndJoins) {
    Open();
    view_.SetNetPanel(7100, "");
    Frame();
    for (int b = 1; b <= 4; ++b) {
        const shell::LauncherRect mode = Rect("Button" + std::to_string(b));
        EXPECT_EQ(mode.top, 424) << "the mode buttons keep their row";
        EXPECT_LE(mode.top + mode.height, Rect("NetHost").top);
    }
    EXPECT_LT(Rect("NetJoin").left + Rect("NetJoin").width, Rect("Label7").left)
        << "clear of the version label";
    Click("NetJoin");
    EXPECT_EQ(Frame() + Frame(), 0) << "no address: Join does nothing";
    Click("NetHost");
    int pressed = Frame();
    if (pressed == 0) pressed = Frame();
    EXPECT_EQ(pressed, shell::LauncherView::kHostButton);
    EXPECT_EQ(view_.NetPort(), 7100);
    Click("NetAddress");
    Frame();
    Type("peer.example:7200");
    EXPECT_TRUE(view_.TextFocused()) << "the keys typed belong to the box";
    EXPECT_EQ(view_.NetAddress(), "peer.example:7200");
    Click("NetJoin");
    pressed = Frame();
    if (pressed == 0) pressed = Frame();
    EXPECT_EQ(pressed, shell::LauncherView::kJoinButton);
}

// A key box being edited, a text box being edited and an open list each keep ESC and SPACE
// for the launcher (the host leaves them from the game's keys); ESC ends the editing or closes
// the list, and then nothing is being edited.
TEST_F(LauncherViewTest, EditingAKeyBoxOrAnOpenListKeepsEscAndSpace) {
    Open();
    Frame();
    EXPECT_FALSE(view_.Editing());
    Click("Key_P1_LEFT");
    Frame();
    Frame();
    EXPECT_TRUE(view_.Editing()) << "a clicked key box is being edited";
    EXPECT_TRUE(view_.TextFocused());
    EXPECT_FALSE(view_.ListOpen());
    Key(SDL_SCANCODE_ESCAPE);
    EXPECT_FALSE(view_.Editing()) << "ESC ends the editing";

    Click("Key_P2_G.arrow");
    Frame();
    Frame();
    EXPECT_TRUE(view_.ListOpen());
    EXPECT_TRUE(view_.Editing());
    Key(SDL_SCANCODE_ESCAPE);
    EXPECT_FALSE(view_.ListOpen());
    EXPECT_FALSE(view_.Editing());

    Click("NetAddress");
    Frame();
    Frame();
    EXPECT_TRUE(view_.Editing());
    Click("Image1");
    Frame();
    Frame();
    EXPECT_FALSE(view_.Editing()) << "a click elsewhere ends the editing";
}

TEST_F(LauncherViewTest, ScreenshotForALook) {
    const char* out = std::getenv("TOVUKA_LAUNCHER_SHOT");
    if (out == nullptr) GTEST_SKIP() << "set TOVUKA_LAUNCHER_SHOT=/path/file.png to save one";
    if (const char* game = std::getenv("TOVUKA_LAUNCHER_GAME_DIR")) fs::current_path(game);
    Open();
    form_->controls.controlMethod[1] = 1;  // one player on the keyboard: greyed pad boxes
    form_->controls.padBoxEnabled[1] = 0;
    std::snprintf(form_->controls.speedCaption, sizeof form_->controls.speedCaption, "%s",
                  "ゲームスピード補正＝-5");
    form_->controls.speed = -5;
    Frame();
    // TOVUKA_LAUNCHER_SHOT_CLICK=Key_P1_LEFT (say) clicks a control first: an open list.
    if (const char* control = std::getenv("TOVUKA_LAUNCHER_SHOT_CLICK")) {
        Click(control);
        Frame();
        Frame();
        Frame();
    }
    // TOVUKA_LAUNCHER_SHOT_TABS=n presses Tab n times first: the focus rectangle.
    if (const char* tabs = std::getenv("TOVUKA_LAUNCHER_SHOT_TABS"))
        for (int i = std::atoi(tabs); i > 0; --i)
            Key(SDL_SCANCODE_TAB);
    view_.Frame(*form_);
    std::vector<uint32_t> rgba(898 * 505);  // bytes R, G, B, A as the PNG wants them
    ASSERT_EQ(
        SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ABGR8888, rgba.data(), 898 * 4),
        0);
    ASSERT_NE(stbi_write_png(out, 898, 505, 4, rgba.data(), 898 * 4), 0);
    EXPECT_GT(fs::file_size(out), 1000u);
}

}  // namespace
