// The launcher form drawn in the game's one window, before a game starts: the title
// picture, the settings controls and the four mode buttons, in the classic grey dialog
// look, usable with the mouse and with the keyboard (Tab / Shift+Tab between controls,
// Space or Enter to press, arrows inside lists and on the speed bar, Alt+Down or F4 to
// open a key list).
//
// The host's part, once the window and its renderer exist:
//   LauncherView view;
//   view.Init(window, renderer);            // after SDL_CreateRenderer, after FormShow
//   each turn of the loop:
//     for each SDL event: view.ProcessEvent(event);   (the host keeps handling quit etc.)
//     const int button = view.Frame(form);  // draws into the renderer, does not present
//     SDL_RenderPresent(renderer);
//     if (button != 0) { view.Shutdown(); Button<button>Click(form); ... }
//   view.Shutdown() before the game screen takes the renderer over (and before
//   SDL_DestroyRenderer when the window closes in the launcher). Shutdown twice is harmless.
#pragma once

#include <SDL.h>

#include <deque>
#include <map>
#include <string>

#include "imgui.h"

struct ImGuiContext;

namespace shell {

struct TForm1;

// Where a control was drawn in the last frame, in window pixels.
struct LauncherRect {
    float left = 0, top = 0, width = 0, height = 0;
};

class LauncherView {
  public:
    LauncherView() = default;
    ~LauncherView();
    LauncherView(const LauncherView&) = delete;
    LauncherView& operator=(const LauncherView&) = delete;

    // Creates the drawing context, the fonts and the title picture (Graphic/title.bmp in the
    // current directory; a missing picture leaves an empty frame). False when the drawing
    // backends cannot start; the form can then not be shown.
    bool Init(SDL_Window* window, SDL_Renderer* renderer);

    // One event from the window's queue.
    void ProcessEvent(const SDL_Event& event);

    // Draws the launcher for the form's controls into the renderer and runs the events of the
    // controls the player used. Returns 1..4 when a mode button was pressed this frame (the
    // host then calls Button1Click..Button4Click), kHostButton or kJoinButton for the
    // network panel's buttons, else 0. The caller presents.
    int Frame(TForm1& form);
    static constexpr int kHostButton = 5;
    static constexpr int kJoinButton = 6;
    static constexpr int kTrainingButton = 7;

    // The network panel under the mode buttons: the port to host on (and to join at when
    // the address names none) and the address to join.
    void SetNetPanel(int port, const std::string& address);
    int NetPort() const;  // 0 when the box holds no port
    std::string NetAddress() const { return netAddress_; }
    // The window's size and full screen's scaling (window_settings.h): the buttons in the
    // strip under the mode buttons step through them.
    void SetWindowChoice(int scale, bool sharp);
    int WindowScale() const { return windowScale_; }
    bool SharpFullScreen() const { return sharpFullScreen_; }

    // A text box or a key box of the launcher is being edited: keys typed there are its own.
    bool TextFocused() const { return textActive_; }
    // A control is being edited or a list is open: ESC and SPACE belong to the launcher (ESC
    // ends the editing or closes the list), not to the game's keys.
    bool Editing() const { return textActive_ || popupOpen_; }

    void Shutdown();

    // For tests and tools.
    bool Ready() const { return context_ != nullptr; }
    ImFont* TextFont() const { return font_; }
    ImFont* BoldFont() const { return boldFont_; }
    bool JapaneseFontLoaded() const { return japaneseFont_; }
    bool TitleLoaded() const { return title_ != nullptr; }
    // A drop-down list is open: ESC closes the list, and the host may want to keep that ESC
    // from the form's own key handler.
    bool ListOpen() const { return popupOpen_; }
    // Control names as the form knows them ("Button1", "ComboBox4", "Key_P2_LEFT",
    // "RadioGroup5", "GroupBox3", "Label7", "Image1", "ScrollBar1", ...); radio items as
    // "RadioGroup4.2", group labels as "GroupBox3.label6".
    const std::map<std::string, LauncherRect>& Layout() const { return layout_; }

  private:
    void DrawForm(TForm1& form, int& pressed);
    void GroupFrame(const char* name, const char* caption, float x, float y, float w, float h);
    void RadioGroupBox(TForm1& form, int group, int tabStop);
    void PadBox(TForm1& form, int player, int button, int tabStop);
    void KeyBox(TForm1& form, int player, int key, int tabStop);
    void SpeedBar(TForm1& form, int tabStop);
    void NetPanel(int& pressed);
    void WindowChoice();
    void TextBox(const char* name, char* text, size_t size, float x, float y, float w, int tabStop,
                 bool digits);
    bool PushButton(const char* name, const char* text, float x, float y, float w, float h,
                    int tabStop);
    void Label(const char* name, const char* text, float x, float y);
    void Record(const char* name, ImVec2 min, ImVec2 max);
    void RecordItem(const std::string& name);
    void AfterTabStop(int order, bool enabled);
    void TabStopAt(int order, bool enabled, unsigned id);
    void ApplyMouseEvents();

    ImGuiContext* context_ = nullptr;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* title_ = nullptr;
    ImFont* font_ = nullptr;
    ImFont* boldFont_ = nullptr;
    bool japaneseFont_ = false;
    bool platformBackend_ = false;
    bool rendererBackend_ = false;
    ImVector<ImWchar> textRanges_;
    ImVector<ImWchar> boldRanges_;
    std::map<std::string, LauncherRect> layout_;

    // Keyboard movement between controls: the order of the tab stops, the one focused in
    // the last frame, and a Tab press waiting for the next frame.
    static constexpr int kTabStops = 48;
    unsigned stopIds_[kTabStops] = {};
    bool stopEnabled_[kTabStops] = {};
    int focusedStop_ = -1;
    int focusRequest_ = -1;
    int pendingTab_ = 0;
    bool popupOpen_ = false;
    bool textActive_ = false;
    bool speedBarFocused_ = false;
    int pendingSpeedSteps_ = 0;  // line or page steps from the keyboard
    int pendingSpeedJump_ = 0;   // -1 Home, +1 End
    bool enterPressed_ = false;
    bool openListRequest_ = false;  // Alt+Down / F4 on a key box

    // Mouse events waiting for their frame.
    struct MouseStep {
        enum Kind { kMove, kButton, kLeave } kind;
        float x, y;
        int button;
        bool down;
    };
    std::deque<MouseStep> mouseQueue_;
    ImVec2 mousePos_{-FLT_MAX, -FLT_MAX};
    bool mouseDown_[3] = {};

    int windowScale_ = 1;
    bool sharpFullScreen_ = false;
    char netPort_[8] = "7777";
    char netAddress_[64] = "";

    // The edit text of the key boxes and the item it was last made from.
    char keyText_[2][7][32] = {};
    int keyTextItem_[2][7] = {};
    bool keyTextValid_ = false;
};

}  // namespace shell
