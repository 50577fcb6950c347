#pragma once
// Scripted input delivered: the waits take the next queued event (GameState::Inputs) here and
// hand it to the same handlers as the window's mouse presses, keys, timer and menu commands;
// and the player's inputs by name, as the console's commands and the automatic signalman give
// them, put into that queue.
#include <string>
#include <vector>

#include "input/player_input.h"

namespace kv41 {

struct GameState;

// Takes the next scripted event, if any, and delivers it; false when none is queued.
bool TakeScriptedInput(GameState& g);

// Carries out a menu command of the window (an input of kind Fast..Quit) as its menu item or
// button would. False where the game did not take it up: the command is not offered now, an
// unknown option or rule book, no file dialog came.
bool RunMenuCommand(GameState& g, const PlayerInput& input);

// The player's inputs by name, as the console's commands give them: a lever moved (its click
// and the confirming click; a spare one or a gap gets the first only), a bell code chosen in a
// box's list, a code tapped on its plunger with these pauses (ms) and then ended by a click on
// nothing, unless the next click is to end it, and a box's commutator turned.
void QueueLever(GameState& g, int lever);
void QueueBell(GameState& g, int box, int code);
void QueueTap(GameState& g, int box, const std::vector<int>& gaps, bool endedByNextClick);
// False for a box without a commutator.
bool QueueInstrument(GameState& g, int box);

// Runs a command that asks for a file (Save As, Restart, Resume) with this file chosen; false
// when no file dialog came.
bool WithFileChosen(GameState& g, const std::string& file, void (*command)(GameState&));

}  // namespace kv41
