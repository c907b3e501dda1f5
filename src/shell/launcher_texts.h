// Every text the launcher shows: captions, items, labels and buttons, as the player reads
// them. The view draws them; the font is built to hold every character of every one.
#pragma once

#include <cstdint>
#include <vector>

namespace shell {

constexpr int kKeyItemCount = 43;  // items of a key box
constexpr int kPadItemCount = 10;  // items of a pad button box
constexpr int kDifficultyItemCount = 5;
constexpr int32_t kSpeedMin = -39;
constexpr int32_t kSpeedMax = 60;

// The key list of every key box: mouse buttons, arrows, letters, keypad digits.
extern const char* const kKeyItemTexts[kKeyItemCount];
// "Button01" .. "Button10".
extern const char* const kPadItemTexts[kPadItemCount];

// RadioGroup1: display mode.
extern const char* const kDisplayModeCaption;
extern const char* const kDisplayModeItems[2];
// RadioGroup2 / RadioGroup3: control method of player 1 / player 2.
extern const char* const kControlCaption[2];
extern const char* const kControlItems[2];
// RadioGroup4: difficulty, the five weight classes.
extern const char* const kDifficultyCaption;
extern const char* const kDifficultyItems[kDifficultyItemCount];
// RadioGroup5: music mode.
extern const char* const kMusicCaption;
extern const char* const kMusicItems[3];

// GroupBox1 / GroupBox2: pad buttons; GroupBox3 / GroupBox4: keys.
extern const char* const kPadGroupCaption[2];
extern const char* const kPadLabels[3];
extern const char* const kKeyGroupCaption[2];
extern const char* const kKeyLabels[7];

// GroupBox5: speed correction.
extern const char* const kSpeedCaptionBeforeLoad;  // until the settings are read
extern const char* const kSpeedCaptionPrefix;      // followed by the bar's position
extern const char* const kSpeedFastLabel;
extern const char* const kSpeedSlowLabel;
extern const char* const kSpeedResetButton;

extern const char* const kModeButtons[4];
// The training room's button.
extern const char* const kTrainingButtonText;
// The network panel under the mode buttons.
extern const char* const kNetPanelLabel;
extern const char* const kNetAddressCaption;
extern const char* const kNetHostText;
extern const char* const kNetJoinText;
// The window's size (by scale 0 = the largest that fits, 1..3) and full screen's scaling.
extern const char* const kWindowScaleTexts[4];
extern const char* const kSharpTexts[2];
extern const char* const kVersionLabel;
extern const char* const kWindowCaption;

// Every text above, plus the characters a speed caption can add (digits and minus sign).
std::vector<const char*> AllLauncherTexts();

}  // namespace shell
