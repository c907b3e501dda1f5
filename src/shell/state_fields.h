// The game state field by field: which fields of two states differ, by name, for the sync
// test's report and a network game's desync dump.
#pragma once

#include <string>
#include <vector>

#include "shell/game_state.h"

namespace shell {

// "name value" of every field of a that differs from b, e.g.
// "fighter[1].tables[0][15][1].duration 12 (13)": a's value, b's in brackets. At most
// `limit` lines; a last line says how many more differ.
std::vector<std::string> StateDifferences(const GameState& a, const GameState& b, size_t limit);

// Every field of the state, one "name value" line each, motion tables included.
std::vector<std::string> StateFields(const GameState& state);

}  // namespace shell
