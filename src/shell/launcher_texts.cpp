// The launcher's texts.
#include "shell/launcher_texts.h"

namespace shell {

const char* const kKeyItemTexts[kKeyItemCount] = {
    "左クリック", "右クリック", "中央クリック",
    "←",          "↑",          "→",
    "↓",          "A",          "B",
    "C",          "D",          "E",
    "F",          "G",          "H",
    "I",          "J",          "K",
    "L",          "M",          "N",
    "O",          "P",          "Q",
    "R",          "S",          "T",
    "U",          "V",          "W",
    "X",          "Y",          "Z",
    "n0",         "n1",         "n2",
    "n3",         "n4",         "n5",
    "n6",         "n7",         "n8",
    "n9",
};

const char* const kPadItemTexts[kPadItemCount] = {
    "Button01", "Button02", "Button03", "Button04", "Button05",
    "Button06", "Button07", "Button08", "Button09", "Button10",
};

const char* const kDisplayModeCaption = "表示モード";
const char* const kDisplayModeItems[2] = {"Full Screen Mode", "Window Mode"};
// Player 1's caption has a full-width space, player 2's an ordinary one.
const char* const kControlCaption[2] = {"1P　操作方法", "2P 操作方法"};
const char* const kControlItems[2] = {"GamePad", "Keyboard"};
const char* const kDifficultyCaption = "ゲーム難易度";
const char* const kDifficultyItems[kDifficultyItemCount] = {
    "フライ級（相手体力・攻撃力標準）",    "バンタム級（相手体力・攻撃力Lv2）",
    "フェザー級（相手体力・攻撃力Lv3）",   "ライト級（相手体力・攻撃力Lv4）",
    "ウェルター級（相手体力・攻撃力Lv5）",
};
const char* const kMusicCaption = "音楽再生方式（WMP再生ができない時に設定）";
const char* const kMusicItems[3] = {"WMP再生", "MIDI再生", "無音（他のプレイヤーを使用する場合）"};

// Player 1's pad caption has two spaces.
const char* const kPadGroupCaption[2] = {"1P  ゲームパッドボタン配置", "2P ゲームパッドボタン配置"};
const char* const kPadLabels[3] = {"Gボタン", "LAボタン", "RAボタン"};
const char* const kKeyGroupCaption[2] = {"1P キーボード操作", "2P キーボード操作"};
const char* const kKeyLabels[7] = {"十字(←)", "十字(↑)",  "十字(→)", "十字(↓)",
                                   "Gボタン", "LAボタン", "RAボタン"};

const char* const kSpeedCaptionBeforeLoad = "スピード補正=0";
const char* const kSpeedCaptionPrefix = "ゲームスピード補正＝";
const char* const kSpeedFastLabel = "速";
const char* const kSpeedSlowLabel = "遅";
const char* const kSpeedResetButton = "スピード初期化";

const char* const kModeButtons[4] = {"Single Mode (Free)", "VS Mode", "Single Mode (Tournament)",
                                     "View Mode(CPU VS CPU)"};
const char* const kTrainingButtonText = "Training";
const char* const kNetPanelLabel = "Online VS  Port";
const char* const kNetAddressCaption = "Address";
const char* const kNetHostText = "Host";
const char* const kNetJoinText = "Join";
const char* const kWindowScaleTexts[4] = {"Window: fit", "Window: x1", "Window: x2", "Window: x3"};
const char* const kSharpTexts[2] = {"Full screen: smooth", "Full screen: sharp"};
const char* const kVersionLabel = "Ver.1.22 (2008.03.20)";
const char* const kWindowCaption = "TOVUKA02";

std::vector<const char*> AllLauncherTexts() {
    std::vector<const char*> all = {kTrainingButtonText, kNetPanelLabel, kNetAddressCaption,
                                    kNetHostText,        kNetJoinText,   kSharpTexts[0],
                                    kSharpTexts[1]};
    for (const char* t : kWindowScaleTexts)
        all.push_back(t);
    for (const char* t : kKeyItemTexts)
        all.push_back(t);
    for (const char* t : kPadItemTexts)
        all.push_back(t);
    all.push_back(kDisplayModeCaption);
    for (const char* t : kDisplayModeItems)
        all.push_back(t);
    for (const char* t : kControlCaption)
        all.push_back(t);
    for (const char* t : kControlItems)
        all.push_back(t);
    all.push_back(kDifficultyCaption);
    for (const char* t : kDifficultyItems)
        all.push_back(t);
    all.push_back(kMusicCaption);
    for (const char* t : kMusicItems)
        all.push_back(t);
    for (const char* t : kPadGroupCaption)
        all.push_back(t);
    for (const char* t : kPadLabels)
        all.push_back(t);
    for (const char* t : kKeyGroupCaption)
        all.push_back(t);
    for (const char* t : kKeyLabels)
        all.push_back(t);
    all.push_back(kSpeedCaptionBeforeLoad);
    all.push_back(kSpeedCaptionPrefix);
    all.push_back("-0123456789");  // what follows the prefix
    all.push_back(kSpeedFastLabel);
    all.push_back(kSpeedSlowLabel);
    all.push_back(kSpeedResetButton);
    for (const char* t : kModeButtons)
        all.push_back(t);
    all.push_back(kVersionLabel);
    all.push_back(kWindowCaption);
    return all;
}

}  // namespace shell
