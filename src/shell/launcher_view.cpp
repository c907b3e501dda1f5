// The launcher form with Dear ImGui: every control at its place on the 898 x 505 form, in
// the classic grey dialog look.
#include "shell/launcher_view.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "gfx/bitmap_file.h"
#include "imgui_impl_sdl.h"
#include "imgui_impl_sdlrenderer.h"
#include "imgui_internal.h"
#include "shell/form.h"
#include "shell/launcher_events.h"
#include "shell/launcher_texts.h"

namespace shell {

namespace {

constexpr const char* kFontPath = "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf";
constexpr const char* kTitlePicture = "Graphic/title.bmp";
constexpr float kFontPixels = 12.0f;
constexpr float kBoldPixels = 19.0f;
constexpr int kFormWidth = 898;
constexpr int kFormHeight = 505;

// The system colours of the classic dialog.
constexpr ImU32 Rgb(int r, int g, int b) {
    return IM_COL32(r, g, b, 255);
}
constexpr ImU32 kFace = Rgb(212, 208, 200);
constexpr ImU32 kShadow = Rgb(128, 128, 128);
constexpr ImU32 kDarkShadow = Rgb(64, 64, 64);
constexpr ImU32 kHighlight = Rgb(255, 255, 255);
constexpr ImU32 kBlack = Rgb(0, 0, 0);
constexpr ImU32 kGreyText = Rgb(128, 128, 128);
constexpr ImU32 kTrack = Rgb(234, 232, 227);

ImVec4 Colour(ImU32 c) {
    return ImGui::ColorConvertU32ToFloat4(c);
}

// ---- controls of the form: position and size, left, top, width, height ----

struct Place {
    float x, y, w, h;
};

constexpr Place kImage1{0, 0, 500, 200};
const ImVec2 kLabel7{760, 456};
// RadioGroup1 .. RadioGroup5.
constexpr Place kRadioPlace[5] = {
    {240, 208, 257, 49}, {512, 8, 177, 65},   {704, 8, 177, 65},
    {8, 208, 225, 121},  {240, 264, 257, 65},
};
constexpr Place kPadGroup[2] = {{512, 80, 177, 97}, {704, 80, 177, 97}};
constexpr Place kKeyGroup[2] = {{512, 184, 177, 201}, {704, 184, 177, 201}};
constexpr Place kSpeedGroup{8, 336, 489, 81};
constexpr float kPadBoxLeft[2] = {584, 776};
constexpr float kPadBoxTop[3] = {96, 120, 144};
constexpr float kBoxWidth = 89;
constexpr float kBoxHeight = 20;
constexpr float kGroupLabelLeft = 16;
constexpr float kPadLabelTop[3] = {16, 40, 64};
constexpr float kKeyBoxLeftInGroup = 72;
constexpr float KeyTopInGroup(int k) {
    return 24.0f + 24.0f * static_cast<float>(k);
}
constexpr Place kButton5{16, 352, 113, 25};
constexpr Place kScrollBar1{44, 384, 409, 17};
const ImVec2 kFastLabel{8, 48};    // inside GroupBox5
const ImVec2 kSlowLabel{456, 48};  // inside GroupBox5
constexpr Place kModeButton[4] = {
    {16, 424, 217, 25}, {232, 424, 217, 25}, {448, 424, 217, 25}, {664, 424, 217, 25}};
constexpr float kArrowBox = 17;  // the speed bar's end buttons and thumb
// The network panel, in the free strip under the mode buttons (the form's own controls
// keep their places).
constexpr float kNetTop = 458;
const ImVec2 kNetLabel{16, 462};
constexpr Place kNetPortBox{104, kNetTop, 56, 20};
const ImVec2 kNetAddressLabel{168, 462};
constexpr Place kNetAddressBox{220, kNetTop, 150, 20};
constexpr Place kNetHostButton{378, kNetTop, 64, 21};
constexpr Place kNetJoinButton{446, kNetTop, 64, 21};
constexpr Place kWindowScaleButton{530, kNetTop, 96, 21};
// The training room's button, in the free room under the two key groups.
constexpr Place kTrainingPlace{512, 393, 369, 25};
constexpr Place kSharpButton{630, kNetTop, 120, 21};

const char* const kRadioName[5] = {"RadioGroup1", "RadioGroup2", "RadioGroup3", "RadioGroup4",
                                   "RadioGroup5"};
const char* const kKeySuffix[7] = {"LEFT", "UP", "RIGHT", "DOWN", "G", "LA", "RA"};

// The order in which Tab walks the controls.
enum TabOrder {
    kTabDifficulty = 0,
    kTabDisplay,
    kTabMusic,
    kTabButton5,
    kTabScrollBar,
    kTabControl1,
    kTabPad1,                      // three stops
    kTabKeys1 = kTabPad1 + 3,      // seven stops
    kTabControl2 = kTabKeys1 + 7,  //
    kTabPad2,                      // three stops
    kTabKeys2 = kTabPad2 + 3,      // seven stops
    kTabModeButtons = kTabKeys2 + 7,
    kTabTraining = kTabModeButtons + 4,
    kTabNetPort,
    kTabNetAddress,
    kTabNetHost,
    kTabNetJoin,
    kTabWindowScale,
    kTabSharp,
    kTabCount,
};
static_assert(kTabCount <= 48, "LauncherView keeps 48 tab stops");
const int kRadioTab[5] = {kTabDisplay, kTabControl1, kTabControl2, kTabDifficulty, kTabMusic};
const RadioGroup kRadioGroupOf[5] = {RadioGroup::kDisplayMode, RadioGroup::kControl1,
                                     RadioGroup::kControl2, RadioGroup::kDifficulty,
                                     RadioGroup::kMusicMode};

struct RadioTexts {
    const char* caption;
    const char* const* items;
    int count;
};
RadioTexts RadioTextsOf(int group) {
    switch (group) {
        case 0: return {kDisplayModeCaption, kDisplayModeItems, 2};
        case 1: return {kControlCaption[0], kControlItems, 2};
        case 2: return {kControlCaption[1], kControlItems, 2};
        case 3: return {kDifficultyCaption, kDifficultyItems, kDifficultyItemCount};
        default: return {kMusicCaption, kMusicItems, 3};
    }
}

// ---- drawing helpers ----

void HLine(ImDrawList* dl, float x0, float x1, float y, ImU32 c) {
    dl->AddRectFilled(ImVec2(x0, y), ImVec2(x1, y + 1), c);
}
void VLine(ImDrawList* dl, float x, float y0, float y1, ImU32 c) {
    dl->AddRectFilled(ImVec2(x, y0), ImVec2(x + 1, y1), c);
}

// Two nested one-pixel frames: the outer with colours tl (top, left) and br (bottom,
// right), the inner with itl and ibr.
void Bevel(ImDrawList* dl, ImVec2 a, ImVec2 b, ImU32 tl, ImU32 br, ImU32 itl, ImU32 ibr) {
    HLine(dl, a.x, b.x - 1, a.y, tl);
    VLine(dl, a.x, a.y, b.y - 1, tl);
    HLine(dl, a.x, b.x, b.y - 1, br);
    VLine(dl, b.x - 1, a.y, b.y, br);
    HLine(dl, a.x + 1, b.x - 2, a.y + 1, itl);
    VLine(dl, a.x + 1, a.y + 1, b.y - 2, itl);
    HLine(dl, a.x + 1, b.x - 1, b.y - 2, ibr);
    VLine(dl, b.x - 2, a.y + 1, b.y - 1, ibr);
}
void RaisedBevel(ImDrawList* dl, ImVec2 a, ImVec2 b) {
    Bevel(dl, a, b, kHighlight, kDarkShadow, kFace, kShadow);
}
void PressedBevel(ImDrawList* dl, ImVec2 a, ImVec2 b) {
    Bevel(dl, a, b, kDarkShadow, kHighlight, kShadow, kFace);
}
void FieldBevel(ImDrawList* dl, ImVec2 a, ImVec2 b) {
    Bevel(dl, a, b, kShadow, kHighlight, kDarkShadow, kFace);
}

// The dotted focus rectangle of the classic look.
void DottedRect(ImDrawList* dl, ImVec2 a, ImVec2 b) {
    for (float x = a.x; x < b.x; x += 2) {
        dl->AddRectFilled(ImVec2(x, a.y), ImVec2(x + 1, a.y + 1), kBlack);
        dl->AddRectFilled(ImVec2(x, b.y - 1), ImVec2(x + 1, b.y), kBlack);
    }
    for (float y = a.y; y < b.y; y += 2) {
        dl->AddRectFilled(ImVec2(a.x, y), ImVec2(a.x + 1, y + 1), kBlack);
        dl->AddRectFilled(ImVec2(b.x - 1, y), ImVec2(b.x, y + 1), kBlack);
    }
}

void Triangle(ImDrawList* dl, ImVec2 centre, ImGuiDir dir, ImU32 c) {
    // A small solid arrow like the one on a scroll bar button: 4 px deep, 7 px wide.
    const float x = static_cast<float>(static_cast<int>(centre.x));
    const float y = static_cast<float>(static_cast<int>(centre.y));
    for (int i = 0; i < 4; ++i) {
        const float fi = static_cast<float>(i);
        switch (dir) {
            case ImGuiDir_Left: VLine(dl, x - 2 + fi, y - fi, y + fi + 1, c); break;
            case ImGuiDir_Right: VLine(dl, x + 1 - fi, y - fi, y + fi + 1, c); break;
            case ImGuiDir_Up: HLine(dl, x - fi, x + fi + 1, y - 2 + fi, c); break;
            default: HLine(dl, x - fi, x + fi + 1, y + 1 - fi, c); break;
        }
    }
}

// The rows of an open drop-down list: whole rows, the chosen item on top (or the last
// rows), white on dark blue. True when the player picked an item.
constexpr int kListRows = 8;
float ListRowHeight() {
    return ImGui::GetTextLineHeight() + 2;
}
bool ListRows(const char* const* texts, int count, int32_t& item) {
    const float rowHeight = ListRowHeight();
    if (ImGui::IsWindowAppearing())
        ImGui::SetScrollY(rowHeight * static_cast<float>(std::clamp(item, 0, count - kListRows)));
    ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(0, 0));
    bool picked = false;
    for (int i = 0; i < count; ++i) {
        const bool selected = item == i;
        if (selected) ImGui::PushStyleColor(ImGuiCol_Text, Colour(kHighlight));
        if (ImGui::Selectable(texts[i], selected, 0, ImVec2(0, rowHeight))) {
            item = i;
            picked = true;
        }
        if (selected) {
            ImGui::PopStyleColor();
            ImGui::SetItemDefaultFocus();
        }
    }
    ImGui::PopStyleVar();
    return picked;
}

bool FocusVisible() {
    return !GImGui->NavDisableHighlight;
}

// Whether a typed key text names a key list item: letters in either case, everything else
// exactly.
int KeyItemOfText(const char* text) {
    for (int i = 0; i < kKeyItemCount; ++i) {
        const char* item = kKeyItemTexts[i];
        size_t n = std::strlen(item);
        if (std::strlen(text) != n) continue;
        bool same = true;
        for (size_t j = 0; j < n && same; ++j)
            same = std::tolower(static_cast<unsigned char>(text[j])) ==
                   std::tolower(static_cast<unsigned char>(item[j]));
        if (same) return i;
    }
    return -1;
}

void SetKeyText(char* buffer, size_t size, int item) {
    std::snprintf(buffer, size, "%s", item >= 0 && item < kKeyItemCount ? kKeyItemTexts[item] : "");
}

// Up and Down inside a key box's text step through the key list.
struct KeyStepData {
    int32_t* item;
};
int KeyTextCallback(ImGuiInputTextCallbackData* data) {
    if (data->EventFlag != ImGuiInputTextFlags_CallbackHistory) return 0;
    auto* step = static_cast<KeyStepData*>(data->UserData);
    int item = *step->item;
    if (data->EventKey == ImGuiKey_UpArrow) item = item <= 0 ? 0 : item - 1;
    if (data->EventKey == ImGuiKey_DownArrow)
        item = item < 0 ? 0 : std::min(item + 1, kKeyItemCount - 1);
    *step->item = item;
    data->DeleteChars(0, data->BufTextLen);
    data->InsertChars(0, kKeyItemTexts[item]);
    data->SelectAll();
    return 0;
}

void ApplyClassicStyle() {
    ImGuiStyle& s = ImGui::GetStyle();
    s = ImGuiStyle();
    s.WindowPadding = ImVec2(0, 0);
    s.WindowRounding = 0;
    s.WindowBorderSize = 0;
    s.PopupRounding = 0;
    s.PopupBorderSize = 1;
    s.FramePadding = ImVec2(4, 4);
    s.FrameRounding = 0;
    s.FrameBorderSize = 0;
    s.ItemSpacing = ImVec2(4, 0);
    s.ItemInnerSpacing = ImVec2(4, 4);
    s.ScrollbarSize = 16;
    s.ScrollbarRounding = 0;
    s.GrabMinSize = kArrowBox;
    s.GrabRounding = 0;
    s.ButtonTextAlign = ImVec2(0.5f, 0.5f);
    s.SelectableTextAlign = ImVec2(0, 0.5f);
    s.DisabledAlpha = 1.0f;  // disabled controls get grey colours instead of transparency
    s.AntiAliasedLines = false;
    s.AntiAliasedFill = false;

    ImVec4* c = s.Colors;
    c[ImGuiCol_Text] = Colour(kBlack);
    c[ImGuiCol_TextDisabled] = Colour(kGreyText);
    c[ImGuiCol_WindowBg] = Colour(kFace);
    c[ImGuiCol_ChildBg] = Colour(kFace);
    c[ImGuiCol_PopupBg] = Colour(kHighlight);
    c[ImGuiCol_Border] = Colour(kBlack);
    c[ImGuiCol_BorderShadow] = ImVec4(0, 0, 0, 0);
    c[ImGuiCol_FrameBg] = Colour(kHighlight);
    c[ImGuiCol_FrameBgHovered] = Colour(kHighlight);
    c[ImGuiCol_FrameBgActive] = Colour(kHighlight);
    c[ImGuiCol_Button] = Colour(kFace);
    c[ImGuiCol_ButtonHovered] = Colour(Rgb(222, 219, 212));
    c[ImGuiCol_ButtonActive] = Colour(Rgb(200, 196, 188));
    c[ImGuiCol_Header] = Colour(Rgb(10, 36, 106));
    c[ImGuiCol_HeaderHovered] = Colour(Rgb(49, 106, 197));
    c[ImGuiCol_HeaderActive] = Colour(Rgb(10, 36, 106));
    c[ImGuiCol_CheckMark] = Colour(kBlack);
    c[ImGuiCol_SliderGrab] = Colour(kFace);
    c[ImGuiCol_SliderGrabActive] = Colour(kFace);
    c[ImGuiCol_ScrollbarBg] = Colour(kTrack);
    c[ImGuiCol_ScrollbarGrab] = Colour(kFace);
    c[ImGuiCol_ScrollbarGrabHovered] = Colour(kFace);
    c[ImGuiCol_ScrollbarGrabActive] = Colour(kFace);
    c[ImGuiCol_TextSelectedBg] = Colour(Rgb(10, 36, 106));
    c[ImGuiCol_NavHighlight] = ImVec4(0, 0, 0, 0);  // the dotted rectangle stands for it
    c[ImGuiCol_ModalWindowDimBg] = ImVec4(0, 0, 0, 0);
    c[ImGuiCol_NavWindowingDimBg] = ImVec4(0, 0, 0, 0);
}

}  // namespace

LauncherView::~LauncherView() {
    Shutdown();
}

bool LauncherView::Init(SDL_Window* window, SDL_Renderer* renderer) {
    Shutdown();
    if (window == nullptr || renderer == nullptr) return false;
    window_ = window;
    renderer_ = renderer;

    IMGUI_CHECKVERSION();
    context_ = ImGui::CreateContext();
    ImGui::SetCurrentContext(context_);
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    io.ConfigFlags |= ImGuiConfigFlags_NavEnableKeyboard;
    io.ConfigInputTextCursorBlink = true;
    ApplyClassicStyle();

    // The font holds exactly the characters the launcher shows, plus printable ASCII for
    // what the player types into a key box.
    std::error_code ec;
    if (std::filesystem::is_regular_file(kFontPath, ec)) {
        ImFontGlyphRangesBuilder builder;
        builder.AddRanges(io.Fonts->GetGlyphRangesDefault());
        for (const char* text : AllLauncherTexts())
            builder.AddText(text);
        builder.BuildRanges(&textRanges_);
        ImFontGlyphRangesBuilder bold;
        bold.AddText(kSpeedFastLabel);
        bold.AddText(kSpeedSlowLabel);
        bold.BuildRanges(&boldRanges_);

        ImFontConfig config;
        config.OversampleH = 2;
        config.OversampleV = 1;
        config.PixelSnapH = true;
        font_ = io.Fonts->AddFontFromFileTTF(kFontPath, kFontPixels, &config, textRanges_.Data);
        boldFont_ = io.Fonts->AddFontFromFileTTF(kFontPath, kBoldPixels, &config, boldRanges_.Data);
        japaneseFont_ = font_ != nullptr && boldFont_ != nullptr;
    }
    if (!japaneseFont_) {
        std::fprintf(stderr,
                     "tovuka02: the launcher font %s is missing; Japanese texts cannot show\n",
                     kFontPath);
        io.Fonts->Clear();
        ImFontConfig config;
        config.SizePixels = 13.0f;
        font_ = io.Fonts->AddFontDefault(&config);
        boldFont_ = font_;
    }
    io.FontDefault = font_;

    platformBackend_ = ImGui_ImplSDL2_InitForSDLRenderer(window);
    rendererBackend_ = platformBackend_ && ImGui_ImplSDLRenderer_Init(renderer);
    if (!rendererBackend_) {
        std::fprintf(stderr, "tovuka02: the launcher cannot draw: %s\n", SDL_GetError());
        Shutdown();
        return false;
    }

    if (const gfx::SurfacePtr picture = gfx::ReadBitmap(kTitlePicture))
        title_ = SDL_CreateTextureFromSurface(renderer, picture.get());
    keyTextValid_ = false;
    mouseQueue_.clear();
    mousePos_ = ImVec2(-FLT_MAX, -FLT_MAX);
    mouseDown_[0] = mouseDown_[1] = mouseDown_[2] = false;
    focusedStop_ = focusRequest_ = -1;
    pendingTab_ = pendingSpeedSteps_ = pendingSpeedJump_ = 0;
    return true;
}

void LauncherView::Shutdown() {
    if (title_ != nullptr) SDL_DestroyTexture(title_);
    title_ = nullptr;
    if (context_ == nullptr) return;
    ImGui::SetCurrentContext(context_);
    if (rendererBackend_) ImGui_ImplSDLRenderer_Shutdown();
    if (platformBackend_) ImGui_ImplSDL2_Shutdown();
    rendererBackend_ = platformBackend_ = false;
    ImGui::DestroyContext(context_);
    context_ = nullptr;
    font_ = boldFont_ = nullptr;
    layout_.clear();
}

void LauncherView::ProcessEvent(const SDL_Event& event) {
    if (context_ == nullptr) return;
    ImGui::SetCurrentContext(context_);
    // The mouse is taken from the events themselves, in order: a press and a release that
    // arrive between two frames become two frames, so no click is lost.
    switch (event.type) {
        case SDL_MOUSEMOTION:
            mouseQueue_.push_back({MouseStep::kMove, static_cast<float>(event.motion.x),
                                   static_cast<float>(event.motion.y), 0, false});
            return;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const int button = event.button.button == SDL_BUTTON_LEFT     ? 0
                               : event.button.button == SDL_BUTTON_RIGHT  ? 1
                               : event.button.button == SDL_BUTTON_MIDDLE ? 2
                                                                          : -1;
            if (button >= 0)
                mouseQueue_.push_back({MouseStep::kButton, static_cast<float>(event.button.x),
                                       static_cast<float>(event.button.y), button,
                                       event.type == SDL_MOUSEBUTTONDOWN});
            return;
        }
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_LEAVE)
                mouseQueue_.push_back({MouseStep::kLeave, 0, 0, 0, false});
            break;
        default: break;
    }
    if (event.type == SDL_KEYDOWN) {
        const SDL_Keycode key = event.key.keysym.sym;
        const bool alt = (event.key.keysym.mod & KMOD_ALT) != 0;
        // Tab walks the controls like a dialog does; the drawing library does not see it.
        if (key == SDLK_TAB && !popupOpen_) {
            pendingTab_ += (event.key.keysym.mod & KMOD_SHIFT) != 0 ? -1 : 1;
            return;
        }
        if (key == SDLK_RETURN || key == SDLK_KP_ENTER) enterPressed_ = true;
        if ((key == SDLK_F4 || (alt && key == SDLK_DOWN)) && !popupOpen_) {
            openListRequest_ = true;
            return;
        }
        // The focused speed bar takes the arrows, the page keys, Home and End.
        if (speedBarFocused_ && !popupOpen_) {
            switch (key) {
                case SDLK_LEFT:
                case SDLK_UP:
                case SDLK_PAGEUP: --pendingSpeedSteps_; return;
                case SDLK_RIGHT:
                case SDLK_DOWN:
                case SDLK_PAGEDOWN: ++pendingSpeedSteps_; return;
                case SDLK_HOME: pendingSpeedJump_ = -1; return;
                case SDLK_END: pendingSpeedJump_ = 1; return;
                default: break;
            }
        }
    }
    ImGui_ImplSDL2_ProcessEvent(&event);
}

int LauncherView::Frame(TForm1& form) {
    if (context_ == nullptr) return 0;
    ImGui::SetCurrentContext(context_);
    ImGui_ImplSDLRenderer_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    ApplyMouseEvents();
    ImGui::NewFrame();

    // A waiting Tab: the next enabled control after the focused one.
    focusRequest_ = -1;
    if (pendingTab_ != 0) {
        const int step = pendingTab_ > 0 ? 1 : -1;
        int stop = focusedStop_;
        for (int tries = 0; tries < kTabCount; ++tries) {
            stop =
                stop < 0 ? (step > 0 ? 0 : kTabCount - 1) : (stop + step + kTabCount) % kTabCount;
            if (stopEnabled_[stop]) break;
        }
        if (GImGui->ActiveId != 0) ImGui::ClearActiveID();
        focusRequest_ = stop;
        pendingTab_ = 0;
    }
    if (pendingSpeedJump_ != 0) {
        SetSpeedPosition(form, pendingSpeedJump_ < 0 ? kSpeedMin : kSpeedMax);
        pendingSpeedJump_ = 0;
    }
    if (pendingSpeedSteps_ != 0) {
        SetSpeedPosition(form, form.controls.speed + pendingSpeedSteps_);
        pendingSpeedSteps_ = 0;
    }

    int pressed = 0;
    ImGui::SetNextWindowPos(ImVec2(0, 0));
    ImGui::SetNextWindowSize(ImGui::GetIO().DisplaySize);
    ImGui::Begin("##launcher", nullptr,
                 ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove |
                     ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoBringToFrontOnFocus |
                     ImGuiWindowFlags_NoScrollWithMouse);
    DrawForm(form, pressed);
    ImGui::End();

    popupOpen_ = ImGui::IsPopupOpen(nullptr, ImGuiPopupFlags_AnyPopupId);
    enterPressed_ = false;
    openListRequest_ = false;
    ImGui::Render();
    SDL_SetRenderDrawColor(renderer_, 212, 208, 200, 255);
    SDL_RenderClear(renderer_);
    ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
    return pressed;
}

// Moves up to and including the next button change; what follows waits for the next frame.
void LauncherView::ApplyMouseEvents() {
    while (!mouseQueue_.empty()) {
        const MouseStep step = mouseQueue_.front();
        mouseQueue_.pop_front();
        if (step.kind == MouseStep::kLeave) {
            mousePos_ = ImVec2(-FLT_MAX, -FLT_MAX);
            continue;
        }
        mousePos_ = ImVec2(step.x, step.y);
        if (step.kind == MouseStep::kButton) {
            mouseDown_[step.button] = step.down;
            break;
        }
    }
    ImGuiIO& io = ImGui::GetIO();
    io.MousePos = mousePos_;
    for (int b = 0; b < 3; ++b)
        io.MouseDown[b] = mouseDown_[b];
}

// ---- the form ----

void LauncherView::DrawForm(TForm1& form, int& pressed) {
    ImDrawList* dl = ImGui::GetWindowDrawList();
    for (bool& e : stopEnabled_)
        e = false;
    focusedStop_ = -1;  // found again while drawing
    textActive_ = false;

    // Image1: the title picture.
    const ImVec2 imageMin(kImage1.x, kImage1.y);
    const ImVec2 imageMax(kImage1.x + kImage1.w, kImage1.y + kImage1.h);
    if (title_ != nullptr) {
        dl->AddImage(static_cast<ImTextureID>(title_), imageMin, imageMax);
    } else {
        dl->AddRect(imageMin, imageMax, kShadow);
    }
    Record("Image1", imageMin, imageMax);

    for (int g = 0; g < 5; ++g)
        RadioGroupBox(form, g, kRadioTab[g]);

    for (int p = 0; p < 2; ++p) {
        const Place& pad = kPadGroup[p];
        const std::string padName = p == 0 ? "GroupBox1" : "GroupBox2";
        GroupFrame(padName.c_str(), kPadGroupCaption[p], pad.x, pad.y, pad.w, pad.h);
        for (int b = 0; b < 3; ++b) {
            Label((padName + ".label" + std::to_string(b)).c_str(), kPadLabels[b],
                  pad.x + kGroupLabelLeft, pad.y + kPadLabelTop[b]);
            PadBox(form, p, b, (p == 0 ? kTabPad1 : kTabPad2) + b);
        }
        const Place& keys = kKeyGroup[p];
        const std::string keyName = p == 0 ? "GroupBox3" : "GroupBox4";
        GroupFrame(keyName.c_str(), kKeyGroupCaption[p], keys.x, keys.y, keys.w, keys.h);
        for (int k = 0; k < 7; ++k) {
            Label((keyName + ".label" + std::to_string(k)).c_str(), kKeyLabels[k],
                  keys.x + kGroupLabelLeft, keys.y + KeyTopInGroup(k));
            KeyBox(form, p, k, (p == 0 ? kTabKeys1 : kTabKeys2) + k);
        }
    }

    // GroupBox5: the speed correction.
    GroupFrame("GroupBox5", form.controls.speedCaption, kSpeedGroup.x, kSpeedGroup.y, kSpeedGroup.w,
               kSpeedGroup.h);
    if (PushButton("Button5", kSpeedResetButton, kButton5.x, kButton5.y, kButton5.w, kButton5.h,
                   kTabButton5))
        Button5Click(form);
    SpeedBar(form, kTabScrollBar);
    const ImVec2 fast(kSpeedGroup.x + kFastLabel.x, kSpeedGroup.y + kFastLabel.y);
    const ImVec2 slow(kSpeedGroup.x + kSlowLabel.x, kSpeedGroup.y + kSlowLabel.y);
    for (int pass = 0; pass < 2; ++pass) {  // bold: the strokes drawn twice, a pixel apart
        const ImVec2 shift(static_cast<float>(pass), 0);
        dl->AddText(boldFont_, kBoldPixels, ImVec2(fast.x + shift.x, fast.y), kBlack,
                    kSpeedFastLabel);
        dl->AddText(boldFont_, kBoldPixels, ImVec2(slow.x + shift.x, slow.y), kBlack,
                    kSpeedSlowLabel);
    }
    const ImVec2 fastSize = boldFont_->CalcTextSizeA(kBoldPixels, FLT_MAX, 0, kSpeedFastLabel);
    const ImVec2 slowSize = boldFont_->CalcTextSizeA(kBoldPixels, FLT_MAX, 0, kSpeedSlowLabel);
    Record("GroupBox5.label0", fast, ImVec2(fast.x + fastSize.x + 1, fast.y + fastSize.y));
    Record("GroupBox5.label1", slow, ImVec2(slow.x + slowSize.x + 1, slow.y + slowSize.y));

    for (int b = 0; b < 4; ++b) {
        const Place& m = kModeButton[b];
        const std::string name = "Button" + std::to_string(b + 1);
        if (PushButton(name.c_str(), kModeButtons[b], m.x, m.y, m.w, m.h, kTabModeButtons + b))
            pressed = b + 1;
    }

    Label("Label7", kVersionLabel, kLabel7.x, kLabel7.y);
    if (PushButton("TrainingButton", kTrainingButtonText, kTrainingPlace.x, kTrainingPlace.y,
                   kTrainingPlace.w, kTrainingPlace.h, kTabTraining))
        pressed = kTrainingButton;
    NetPanel(pressed);
    WindowChoice();
}

void LauncherView::WindowChoice() {
    if (PushButton("WindowScale", kWindowScaleTexts[windowScale_ & 3], kWindowScaleButton.x,
                   kWindowScaleButton.y, kWindowScaleButton.w, kWindowScaleButton.h,
                   kTabWindowScale))
        windowScale_ = windowScale_ == 3 ? 0 : windowScale_ == 0 ? 1 : windowScale_ + 1;
    if (PushButton("SharpFullScreen", kSharpTexts[sharpFullScreen_ ? 1 : 0], kSharpButton.x,
                   kSharpButton.y, kSharpButton.w, kSharpButton.h, kTabSharp))
        sharpFullScreen_ = !sharpFullScreen_;
}

void LauncherView::SetWindowChoice(int scale, bool sharp) {
    windowScale_ = scale >= 0 && scale <= 3 ? scale : 1;
    sharpFullScreen_ = sharp;
}

void LauncherView::NetPanel(int& pressed) {
    Label("NetLabel", kNetPanelLabel, kNetLabel.x, kNetLabel.y);
    TextBox("NetPort", netPort_, sizeof netPort_, kNetPortBox.x, kNetPortBox.y, kNetPortBox.w,
            kTabNetPort, true);
    Label("NetAddressLabel", kNetAddressCaption, kNetAddressLabel.x, kNetAddressLabel.y);
    TextBox("NetAddress", netAddress_, sizeof netAddress_, kNetAddressBox.x, kNetAddressBox.y,
            kNetAddressBox.w, kTabNetAddress, false);
    if (PushButton("NetHost", kNetHostText, kNetHostButton.x, kNetHostButton.y, kNetHostButton.w,
                   kNetHostButton.h, kTabNetHost) &&
        NetPort() != 0)
        pressed = kHostButton;
    if (PushButton("NetJoin", kNetJoinText, kNetJoinButton.x, kNetJoinButton.y, kNetJoinButton.w,
                   kNetJoinButton.h, kTabNetJoin) &&
        netAddress_[0] != '\0')
        pressed = kJoinButton;
}

// A one-line edit box with the sunken look of the key boxes.
void LauncherView::TextBox(const char* name, char* text, size_t size, float x, float y, float w,
                           int tabStop, bool digits) {
    ImGui::SetCursorScreenPos(ImVec2(x, y));
    ImGui::SetNextItemWidth(w);
    ImGui::PushID(name);
    ImGui::InputText("##text", text, size,
                     digits ? ImGuiInputTextFlags_CharsDecimal : ImGuiInputTextFlags_CharsNoBlank);
    ImGui::PopID();
    if (ImGui::IsItemActive()) textActive_ = true;
    RecordItem(name);
    AfterTabStop(tabStop, true);
    const ImVec2 min = ImGui::GetItemRectMin(), max = ImGui::GetItemRectMax();
    FieldBevel(ImGui::GetWindowDrawList(), min, max);
}

void LauncherView::SetNetPanel(int port, const std::string& address) {
    std::snprintf(netPort_, sizeof netPort_, "%d", port > 0 && port <= 65535 ? port : 7777);
    std::snprintf(netAddress_, sizeof netAddress_, "%s", address.c_str());
}

int LauncherView::NetPort() const {
    const long port = std::strtol(netPort_, nullptr, 10);
    return port >= 1 && port <= 65535 ? static_cast<int>(port) : 0;
}

void LauncherView::Record(const char* name, ImVec2 min, ImVec2 max) {
    layout_[name] = LauncherRect{min.x, min.y, max.x - min.x, max.y - min.y};
}

void LauncherView::RecordItem(const std::string& name) {
    Record(name.c_str(), ImGui::GetItemRectMin(), ImGui::GetItemRectMax());
}

void LauncherView::Label(const char* name, const char* text, float x, float y) {
    ImGui::SetCursorScreenPos(ImVec2(x, y));
    ImGui::TextUnformatted(text);
    RecordItem(name);
}

// A group box: an etched frame with its caption on the top line.
void LauncherView::GroupFrame(const char* name, const char* caption, float x, float y, float w,
                              float h) {
    ImDrawList* dl = ImGui::GetWindowDrawList();
    const float line = y + static_cast<float>(static_cast<int>(kFontPixels / 2));
    const ImVec2 a(x, line), b(x + w, y + h);
    dl->AddRect(a, ImVec2(b.x - 1, b.y - 1), kShadow);
    dl->AddRect(ImVec2(a.x + 1, a.y + 1), b, kHighlight);
    // Restore the shadow's corner pixels that the highlight frame painted over.
    VLine(dl, b.x - 2, a.y, a.y + 1, kShadow);
    HLine(dl, a.x, a.x + 1, b.y - 2, kShadow);

    const ImVec2 textSize = ImGui::CalcTextSize(caption);
    const ImVec2 textPos(x + 8, y);
    dl->AddRectFilled(ImVec2(textPos.x - 2, y), ImVec2(textPos.x + textSize.x + 2, y + textSize.y),
                      kFace);
    dl->AddText(textPos, kBlack, caption);
    Record(name, ImVec2(x, y), b);
    const std::string captionName = std::string(name) + ".caption";
    Record(captionName.c_str(), textPos, ImVec2(textPos.x + textSize.x, textPos.y + textSize.y));
}

// A radio group: a group frame whose items share its height like the classic control does.
void LauncherView::RadioGroupBox(TForm1& form, int group, int tabStop) {
    const Place& p = kRadioPlace[group];
    const RadioTexts texts = RadioTextsOf(group);
    GroupFrame(kRadioName[group], texts.caption, p.x, p.y, p.w, p.h);

    const int textHeight = static_cast<int>(kFontPixels);
    const int room = static_cast<int>(p.h) - textHeight - 5;
    const int itemHeight = room / texts.count;
    const int topMargin = textHeight + 1 + (room % texts.count) / 2;

    const int32_t shown = RadioItem(form, kRadioGroupOf[group]);
    const int stopItem = shown >= 0 ? shown : 0;  // Tab lands on the selected item
    ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(4, 1));
    ImGui::PushStyleVar(ImGuiStyleVar_ItemInnerSpacing, ImVec2(4, 0));
    for (int i = 0; i < texts.count; ++i) {
        const float squareSize = ImGui::GetFrameHeight();
        const float top =
            p.y + static_cast<float>(topMargin + i * itemHeight) +
            static_cast<float>(static_cast<int>((static_cast<float>(itemHeight) - squareSize) / 2));
        ImGui::SetCursorScreenPos(ImVec2(p.x + 8, top));
        ImGui::PushID(group * 16 + i);
        const bool clicked = ImGui::RadioButton(texts.items[i], shown == i);
        ImGui::PopID();
        // The circle's sunken rim.
        const ImVec2 min = ImGui::GetItemRectMin();
        const float radius = (squareSize - 1) * 0.5f;
        const ImVec2 centre(min.x + squareSize * 0.5f, min.y + squareSize * 0.5f);
        ImGui::GetWindowDrawList()->AddCircle(centre, radius, kShadow, 16);
        RecordItem(std::string(kRadioName[group]) + "." + std::to_string(i));
        if (clicked || (ImGui::IsItemFocused() && enterPressed_))
            SetRadioItem(form, kRadioGroupOf[group], i);
        if (i == stopItem) AfterTabStop(tabStop, true);
        if (ImGui::IsItemFocused()) {
            if (i != stopItem) focusedStop_ = tabStop;
            if (FocusVisible()) {
                const ImVec2 max = ImGui::GetItemRectMax();
                DottedRect(ImGui::GetWindowDrawList(), ImVec2(min.x + squareSize + 2, min.y),
                           ImVec2(max.x + 2, max.y));
            }
        }
    }
    ImGui::PopStyleVar(2);
}

void LauncherView::AfterTabStop(int order, bool enabled) {
    TabStopAt(order, enabled, ImGui::GetItemID());
}

// Registers control `id` as tab stop `order`; gives it the focus when a Tab asked for it.
void LauncherView::TabStopAt(int order, bool enabled, unsigned id) {
    ImGuiContext& g = *GImGui;
    stopIds_[order] = id;
    stopEnabled_[order] = enabled;
    if (enabled && focusRequest_ == order) {
        ImGui::SetFocusID(id, g.CurrentWindow);
        g.NavDisableHighlight = false;
        g.NavDisableMouseHover = true;
        focusRequest_ = -1;
    }
    if (g.NavId == id && id != 0) focusedStop_ = order;
}

// A pick-only list: "Button01" .. "Button10".
void LauncherView::PadBox(TForm1& form, int player, int button, int tabStop) {
    const bool enabled = form.controls.padBoxEnabled[player] != 0;
    int32_t& item = form.controls.padButton[player][button];
    const ImVec2 pos(kPadBoxLeft[player], kPadBoxTop[button]);
    ImGui::SetCursorScreenPos(pos);
    ImGui::SetNextItemWidth(kBoxWidth);
    ImGui::BeginDisabled(!enabled);
    if (!enabled) {
        ImGui::PushStyleColor(ImGuiCol_FrameBg, Colour(kFace));
        ImGui::PushStyleColor(ImGuiCol_Text, Colour(kGreyText));
    }
    const std::string name = "ComboBox" + std::to_string(player * 3 + button + 1);
    const char* preview = item >= 0 && item < kPadItemCount ? kPadItemTexts[item] : "";
    ImGui::PushStyleColor(ImGuiCol_Button, Colour(enabled ? kHighlight : kFace));
    ImGui::PushStyleColor(ImGuiCol_ButtonHovered, Colour(enabled ? kHighlight : kFace));
    // An open combo leaves its list window current: take the box's own facts first.
    const std::string label = "##" + name;
    const ImGuiID id = ImGui::GetID(label.c_str());
    const float listHeight = ListRowHeight() * kListRows + 1;
    ImGui::SetNextWindowSizeConstraints(ImVec2(kBoxWidth, listHeight),
                                        ImVec2(kBoxWidth, listHeight));
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(1, 1));
    const bool open = ImGui::BeginCombo(label.c_str(), preview);
    ImGui::PopStyleVar();
    if (!open) ImGui::PopStyleColor(2);
    const ImVec2 min = pos, max(pos.x + kBoxWidth, pos.y + kBoxHeight);
    const bool focused = GImGui->NavId == id;
    Record(name.c_str(), min, max);
    if (open) {
        ListRows(kPadItemTexts, kPadItemCount, item);
        ImGui::EndCombo();
        ImGui::PopStyleColor(2);
    }
    if (!enabled) ImGui::PopStyleColor(2);
    ImGui::EndDisabled();

    // Sunken field with a raised arrow button, like the classic drop-down list.
    ImDrawList* dl = ImGui::GetWindowDrawList();
    FieldBevel(dl, min, max);
    const ImVec2 arrowMin(max.x - 2 - 16, min.y + 2), arrowMax(max.x - 2, max.y - 2);
    dl->AddRectFilled(arrowMin, arrowMax, kFace);
    RaisedBevel(dl, arrowMin, arrowMax);
    Triangle(dl, ImVec2((arrowMin.x + arrowMax.x) / 2, (arrowMin.y + arrowMax.y) / 2),
             ImGuiDir_Down, enabled ? kBlack : kGreyText);
    TabStopAt(tabStop, enabled, id);
    if (focused && FocusVisible() && !open)
        DottedRect(dl, ImVec2(min.x + 3, min.y + 3), ImVec2(arrowMin.x - 1, max.y - 3));
}

// An editable drop-down list: the key's text can be typed or picked from the key list.
void LauncherView::KeyBox(TForm1& form, int player, int key, int tabStop) {
    int32_t& item = form.controls.keyItem[player][key];
    char* text = keyText_[player][key];
    if (!keyTextValid_ || keyTextItem_[player][key] != item) {
        SetKeyText(text, sizeof keyText_[player][key], item);
        keyTextItem_[player][key] = item;
    }
    const Place& group = kKeyGroup[player];
    const ImVec2 pos(group.x + kKeyBoxLeftInGroup, group.y + KeyTopInGroup(key));
    const std::string name = std::string(player == 0 ? "Key_P1_" : "Key_P2_") + kKeySuffix[key];
    const float arrowWidth = 16;

    // The edit part.
    ImGui::SetCursorScreenPos(pos);
    ImGui::SetNextItemWidth(kBoxWidth - arrowWidth - 2);
    if (focusRequest_ == tabStop) ImGui::SetKeyboardFocusHere();
    KeyStepData step{&item};
    ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(3, 4));
    const bool edited =
        ImGui::InputText(("##" + name).c_str(), text, sizeof keyText_[player][key],
                         ImGuiInputTextFlags_CallbackHistory, KeyTextCallback, &step);
    ImGui::PopStyleVar();
    const ImGuiID editId = ImGui::GetItemID();
    const bool editFocused = ImGui::IsItemFocused() || ImGui::IsItemActive();
    if (ImGui::IsItemActive()) textActive_ = true;  // typed keys are the box's
    if (edited) item = KeyItemOfText(text);
    if (ImGui::IsItemDeactivated() && item >= 0)
        SetKeyText(text, sizeof keyText_[player][key], item);
    keyTextItem_[player][key] = item;
    stopIds_[tabStop] = editId;
    stopEnabled_[tabStop] = true;
    if (focusRequest_ == tabStop) focusRequest_ = -1;  // taken by SetKeyboardFocusHere above
    if (editFocused) focusedStop_ = tabStop;

    // The arrow button opens the key list.
    const ImVec2 arrowMin(pos.x + kBoxWidth - arrowWidth - 2, pos.y + 2);
    const ImVec2 arrowMax(pos.x + kBoxWidth - 2, pos.y + kBoxHeight - 2);
    ImGui::SetCursorScreenPos(ImVec2(arrowMin.x, pos.y));
    ImGui::PushItemFlag(ImGuiItemFlags_NoNav, true);
    const std::string listId = "##list" + name;
    const bool arrowClicked =
        ImGui::InvisibleButton(("##arrow" + name).c_str(), ImVec2(arrowWidth + 2, kBoxHeight));
    const bool arrowHeld = ImGui::IsItemActive();
    RecordItem(name + ".arrow");
    ImGui::PopItemFlag();
    if (arrowClicked || (editFocused && openListRequest_)) {
        if (GImGui->ActiveId == editId) ImGui::ClearActiveID();
        ImGui::OpenPopup(listId.c_str());
    }

    ImDrawList* dl = ImGui::GetWindowDrawList();
    const ImVec2 boxMax(pos.x + kBoxWidth, pos.y + kBoxHeight);
    dl->AddRectFilled(arrowMin, arrowMax, kFace);
    if (arrowHeld) {
        dl->AddRect(arrowMin, arrowMax, kShadow);
    } else {
        RaisedBevel(dl, arrowMin, arrowMax);
    }
    Triangle(dl,
             ImVec2((arrowMin.x + arrowMax.x) / 2 + (arrowHeld ? 1.0f : 0.0f),
                    (arrowMin.y + arrowMax.y) / 2 + (arrowHeld ? 1.0f : 0.0f)),
             ImGuiDir_Down, kBlack);
    FieldBevel(dl, pos, boxMax);
    Record(name.c_str(), pos, boxMax);
    if (editFocused && FocusVisible() && GImGui->ActiveId != editId)
        DottedRect(dl, ImVec2(pos.x + 3, pos.y + 3), ImVec2(arrowMin.x - 1, boxMax.y - 3));

    // The key list: eight items tall, as wide as the box, under it.
    ImGui::SetNextWindowPos(ImVec2(pos.x, boxMax.y));
    ImGui::SetNextWindowSize(ImVec2(kBoxWidth, ListRowHeight() * kListRows + 1));
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(1, 1));
    const bool listOpen = ImGui::BeginPopup(listId.c_str());
    ImGui::PopStyleVar();
    if (listOpen) {
        if (ListRows(kKeyItemTexts, kKeyItemCount, item)) {
            SetKeyText(text, sizeof keyText_[player][key], item);
            keyTextItem_[player][key] = item;
        }
        ImGui::EndPopup();
    }
    if (player == 1 && key == 6) keyTextValid_ = true;
}

// ScrollBar1: a horizontal scroll bar from -39 to 60 with end buttons and a thumb.
void LauncherView::SpeedBar(TForm1& form, int tabStop) {
    ImGuiContext& g = *GImGui;
    ImGuiWindow* window = g.CurrentWindow;
    ImDrawList* dl = ImGui::GetWindowDrawList();
    const Place& b = kScrollBar1;
    const ImVec2 leftMin(b.x, b.y), leftMax(b.x + kArrowBox, b.y + b.h);
    const ImVec2 rightMin(b.x + b.w - kArrowBox, b.y), rightMax(b.x + b.w, b.y + b.h);

    // The end buttons step by one and repeat while held; they take no keyboard focus.
    ImGui::PushItemFlag(ImGuiItemFlags_NoNav, true);
    const ImGuiButtonFlags stepFlags =
        static_cast<ImGuiButtonFlags>(ImGuiButtonFlags_MouseButtonLeft) |
        static_cast<ImGuiButtonFlags>(ImGuiButtonFlags_PressedOnClick) |
        static_cast<ImGuiButtonFlags>(ImGuiButtonFlags_Repeat);
    ImGui::SetCursorScreenPos(leftMin);
    if (ImGui::InvisibleButton("##ScrollBar1Left", ImVec2(kArrowBox, b.h), stepFlags))
        SetSpeedPosition(form, form.controls.speed - 1);
    const bool leftHeld = ImGui::IsItemActive() && ImGui::IsItemHovered();
    RecordItem("ScrollBar1.left");
    ImGui::SetCursorScreenPos(rightMin);
    if (ImGui::InvisibleButton("##ScrollBar1Right", ImVec2(kArrowBox, b.h), stepFlags))
        SetSpeedPosition(form, form.controls.speed + 1);
    const bool rightHeld = ImGui::IsItemActive() && ImGui::IsItemHovered();
    RecordItem("ScrollBar1.right");
    ImGui::PopItemFlag();

    // The track: the thumb follows the mouse while dragged; a click puts it there.
    const ImRect track(ImVec2(leftMax.x, b.y), ImVec2(rightMin.x, b.y + b.h));
    const ImGuiID id = window->GetID("##ScrollBar1");
    ImGui::SetCursorScreenPos(track.Min);
    ImGui::ItemSize(track);
    ImGui::ItemAdd(track, id);
    const bool hovered = ImGui::ItemHoverable(track, id);
    if ((hovered && g.IO.MouseClicked[0]) || g.NavActivateId == id) {
        ImGui::SetActiveID(id, window);
        ImGui::SetFocusID(id, window);
        ImGui::FocusWindow(window);
        g.ActiveIdUsingNavDirMask |= (1 << ImGuiDir_Left) | (1 << ImGuiDir_Right);
    }
    int32_t value = form.controls.speed;
    const int32_t low = kSpeedMin, high = kSpeedMax;
    // The behaviour keeps 2 pixels free at both ends of its rectangle.
    const ImRect behaviourRect(ImVec2(track.Min.x - 2, track.Min.y),
                               ImVec2(track.Max.x + 2, track.Max.y));
    ImRect grab;
    ImGui::PushStyleVar(ImGuiStyleVar_GrabMinSize, kArrowBox);
    if (ImGui::SliderBehavior(behaviourRect, id, ImGuiDataType_S32, &value, &low, &high, "%d", 0,
                              &grab))
        SetSpeedPosition(form, value);
    ImGui::PopStyleVar();
    Record("ScrollBar1", leftMin, rightMax);

    // Tab stop and focus.
    TabStopAt(tabStop, true, id);
    const bool focused = g.NavId == id;
    speedBarFocused_ = focused;

    // Drawing: the track, the thumb where the position is, the two end buttons.
    dl->AddRectFilled(track.Min, track.Max, kTrack);
    const float span = track.GetWidth() - kArrowBox;
    const float thumbX =
        track.Min.x +
        static_cast<float>(std::lround(span * static_cast<float>(form.controls.speed - kSpeedMin) /
                                       static_cast<float>(kSpeedMax - kSpeedMin)));
    const ImVec2 thumbMin(thumbX, track.Min.y), thumbMax(thumbX + kArrowBox, track.Max.y);
    dl->AddRectFilled(thumbMin, thumbMax, kFace);
    RaisedBevel(dl, thumbMin, thumbMax);
    Record("ScrollBar1.thumb", thumbMin, thumbMax);
    if (focused && FocusVisible())
        DottedRect(dl, ImVec2(thumbMin.x + 2, thumbMin.y + 2),
                   ImVec2(thumbMax.x - 2, thumbMax.y - 2));
    const ImVec2 ends[2][2] = {{leftMin, leftMax}, {rightMin, rightMax}};
    for (int e = 0; e < 2; ++e) {
        const bool held = e == 0 ? leftHeld : rightHeld;
        dl->AddRectFilled(ends[e][0], ends[e][1], kFace);
        if (held) {
            dl->AddRect(ends[e][0], ends[e][1], kShadow);
        } else {
            RaisedBevel(dl, ends[e][0], ends[e][1]);
        }
        const ImVec2 centre((ends[e][0].x + ends[e][1].x) / 2 + (held ? 1.0f : 0.0f),
                            (ends[e][0].y + ends[e][1].y) / 2 + (held ? 1.0f : 0.0f));
        Triangle(dl, centre, e == 0 ? ImGuiDir_Left : ImGuiDir_Right, kBlack);
    }
}

bool LauncherView::PushButton(const char* name, const char* text, float x, float y, float w,
                              float h, int tabStop) {
    ImGui::SetCursorScreenPos(ImVec2(x, y));
    bool clicked = ImGui::Button((std::string(text) + "##" + name).c_str(), ImVec2(w, h));
    const bool focused = ImGui::IsItemFocused();
    if (focused && enterPressed_) clicked = true;
    const bool down = ImGui::IsItemActive() && ImGui::IsItemHovered();
    RecordItem(name);
    AfterTabStop(tabStop, true);
    ImDrawList* dl = ImGui::GetWindowDrawList();
    const ImVec2 min = ImGui::GetItemRectMin(), max = ImGui::GetItemRectMax();
    if (down) {
        PressedBevel(dl, min, max);
    } else {
        RaisedBevel(dl, min, max);
    }
    if (focused && FocusVisible())
        DottedRect(dl, ImVec2(min.x + 4, min.y + 4), ImVec2(max.x - 4, max.y - 4));
    return clicked;
}

}  // namespace shell
