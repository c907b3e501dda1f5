// The launcher's control events.
#include "shell/launcher_events.h"

#include <cstdio>

#include "shell/launcher_texts.h"

namespace shell {

namespace {

// The item field of a radio group and its number of items.
template <class Controls>
auto* ItemOf(Controls& c, RadioGroup group) {
    switch (group) {
        case RadioGroup::kDisplayMode: return &c.displayMode;
        case RadioGroup::kControl1: return &c.controlMethod[0];
        case RadioGroup::kControl2: return &c.controlMethod[1];
        case RadioGroup::kDifficulty: return &c.difficulty;
        case RadioGroup::kMusicMode: return &c.musicMode;
    }
    return &c.displayMode;
}

int32_t ItemCount(RadioGroup group) {
    switch (group) {
        case RadioGroup::kDifficulty: return kDifficultyItemCount;
        case RadioGroup::kMusicMode: return 3;
        default: return 2;
    }
}

void EnablePadBoxes(TForm1& form, int player) {
    form.controls.padBoxEnabled[player] = form.controls.controlMethod[player] != 0 ? 0 : 1;
}

}  // namespace

int32_t RadioItem(const TForm1& form, RadioGroup group) {
    return *ItemOf(form.controls, group);
}

void SetRadioItem(TForm1& form, RadioGroup group, int32_t item) {
    int32_t* shown = ItemOf(form.controls, group);
    if (item < -1) item = -1;
    if (item > ItemCount(group) - 1) item = ItemCount(group) - 1;
    if (*shown == item) return;
    *shown = item;
    if (group == RadioGroup::kControl1) RadioGroup2Click(form);
    if (group == RadioGroup::kControl2) RadioGroup3Click(form);
}

void SetSpeedPosition(TForm1& form, int32_t position) {
    if (position < kSpeedMin) position = kSpeedMin;
    if (position > kSpeedMax) position = kSpeedMax;
    if (form.controls.speed == position) return;
    form.controls.speed = position;
    ScrollBar1Change(form);
}

int32_t ComboItemOrNone(int32_t item, int32_t count) {
    return item >= 0 && item < count ? item : -1;
}

void ShowSpeedCaption(TForm1& form) {
    std::snprintf(form.controls.speedCaption, sizeof form.controls.speedCaption, "%s%d",
                  kSpeedCaptionPrefix, form.controls.speed);
}

void RadioGroup2Click(TForm1& form) {
    EnablePadBoxes(form, 0);
}

void RadioGroup3Click(TForm1& form) {
    EnablePadBoxes(form, 1);
}

void ScrollBar1Change(TForm1& form) {
    ShowSpeedCaption(form);
}

void Button5Click(TForm1& form) {
    SetSpeedPosition(form, 0);
}

}  // namespace shell
