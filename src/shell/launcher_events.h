// The launcher's control events and the way a control takes a new value: a radio group or
// the speed bar that is given a value different from the one it shows runs its change
// event, whether the player clicked it or the settings file set it.
#pragma once

#include <cstdint>

#include "shell/form.h"

namespace shell {

enum class RadioGroup {
    kDisplayMode,  // RadioGroup1, 2 items
    kControl1,     // RadioGroup2, 2 items, event RadioGroup2Click
    kControl2,     // RadioGroup3, 2 items, event RadioGroup3Click
    kDifficulty,   // RadioGroup4, 5 items
    kMusicMode,    // RadioGroup5, 3 items
};

// The item shown by a radio group (-1 when none is selected).
int32_t RadioItem(const TForm1& form, RadioGroup group);

// Selects an item: below -1 becomes -1 (nothing selected), beyond the last item the last
// item. A different item than before runs the group's change event.
void SetRadioItem(TForm1& form, RadioGroup group, int32_t item);

// Moves the speed bar: clamped into -39..60; a different position runs ScrollBar1Change.
void SetSpeedPosition(TForm1& form, int32_t position);

// A combo box given an index outside its list of `count` items selects nothing (-1).
int32_t ComboItemOrNone(int32_t item, int32_t count);

// GroupBox5's caption: "ゲームスピード補正＝" and the bar's position.
void ShowSpeedCaption(TForm1& form);

// Player 1's control method changed: the pad button boxes ComboBox1..3 are enabled for
// "GamePad" and disabled for "Keyboard"; the key boxes stay enabled either way.
void RadioGroup2Click(TForm1& form);
// The same for player 2 and ComboBox4..6.
void RadioGroup3Click(TForm1& form);
// The speed bar moved: the caption follows it.
void ScrollBar1Change(TForm1& form);
// "スピード初期化": the speed bar back to 0.
void Button5Click(TForm1& form);

}  // namespace shell
