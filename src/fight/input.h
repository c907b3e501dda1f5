// Turning the keyboard or a game pad into one command per player and frame, and the
// mapping from the launcher's key and pad choices to key codes and button bits.
//
// Reading a player: call ReadPad when input.padPresent is 1, else ReadKeyboard with the
// player's number. Neither clears the command; ClearCommand (player_input.h) does, and the
// fighter update consumes it. Both read the frame's input record (frame_input.h), never a
// device.
#pragma once

#include <cstdint>

#include "fight/frame_input.h"
#include "fight/player_input.h"
#include "platform/devices.h"

namespace fight {

constexpr int kKeyItems = 43;  // items of a key combo box in the launcher

// The virtual-key code of a key combo box item: 0..2 the left, right and middle mouse
// buttons (1, 2, 4), 3..6 the arrows left, up, right, down (37..40), 7..32 the letters A..Z
// (65..90), 33..42 the numeric keypad 0..9 (96..105). Any other item, including no
// selection (-1), gives 0, a key that is never down.
uint8_t KeyCodeForItem(int item);

// The button bit of a pad combo box item ("Button01" is item 0): 2 to the power item.
// No selection (-1), any other negative item and items above 31 give 0, which never
// matches a button.
uint32_t PadMaskForItem(int item);

// Edge detector over a hold counter: a released button zeroes the counter and gives 0; a
// held one counts the frames and gives 1 on the first frame only. The counter stops
// counting at the largest int32 instead of wrapping.
int32_t PressedEdge(bool down, int32_t& counter);

// Reads the keyboard for player 1 or 2 (player 1 stands left, so its LEFT key is back;
// any number but 1 reads with player 2's sense). Copies the frame's key snapshot into
// input.keyState, then builds the command from input.keyCode: LEFT, RIGHT, UP (first frame
// only), DOWN, the LA / RA press edges, then G or the button combinations, each later rule
// overriding an earlier one. The command is written only when something calls for it;
// otherwise it keeps its value.
void ReadKeyboard(PlayerInput& input, int player, const FrameInput& frame);

// Reads joystick input.joystickId from the frame (a joystick beyond the frame's pads never
// answers). A failed read changes nothing (command included).
// Otherwise the stick (the vertical direction wins over the horizontal one; forward is
// right for joystick 0 and left for any other) and the buttons selected by padMaskG /
// padMaskLA / padMaskRA build the command, with the same button rules as the keyboard.
void ReadPad(PlayerInput& input, const FrameInput& frame);

// Opens joystick `joystick` for this player from its reads: the position, and the
// capabilities (null when that read failed; the caller reads them only after a position
// read that answered). When both answered: stores the position in padPos, the stick centre (xMin +
// xMax) / 2, the joystick number and deadZone, sets padPresent and returns true. Otherwise sets
// padPresent to 0, leaves everything else alone and returns false (the player falls back
// to the keyboard).
//
// deadZone is the half-width of the stick's neutral band. The game keeps it in
// key_sikii.ini, section "player1_ctrl_mode", key "key_dis" (1800 when missing), for both
// players; fight code does no file I/O, so the caller reads it (platform::ReadPadDeadZone)
// and passes it in.
bool OpenPad(PlayerInput& input, const PadRead& position, const platform::JoyCaps* caps,
             uint32_t joystick, int32_t deadZone);

}  // namespace fight
