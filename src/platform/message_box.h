// Message boxes: in a window a box with an OK button; in headless runs and tests the text
// goes to standard error instead (a box would wait for a click for ever).
#pragma once

namespace platform {

// Shows caption and text, or prints them to standard error when boxes are off.
void ShowMessage(const char* caption, const char* text);

// Boxes are off until the window host turns them on.
void EnableMessageBoxes(bool on);

}  // namespace platform
