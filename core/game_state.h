#pragma once
// The whole game: every table and value of the railway, the timetable, the session, scoring,
// the controls and the panel, as plain fields, so that a test or the console can hold a fresh
// game and look at any of it. Operations are plain functions taking it first.
#include "controls/block_state.h"
#include "controls/controls_state.h"
#include "framework/framework_state.h"
#include "input/input_watcher.h"
#include "input/player_input.h"
#include "model/railway_tables.h"
#include "model/random.h"
#include "model/train_tables.h"
#include "panel/panel_state.h"
#include "running/movement_state.h"
#include "running/running_state.h"
#include "session/session_state.h"
#include "signalman/signalman_state.h"
#include "windows/windows_state.h"

namespace kv41 {

class Platform;
class ScoreWatch;

struct GameState : RailwayTables,
                   TrainTables,
                   SessionState,
                   RunningState,
                   MovementState,
                   ControlsState,
                   BlockState,
                   FrameworkState,
                   PanelState,
                   SignalmanState,
                   WindowsState {
    RandomGenerator Random;
    Platform* Host = nullptr;          // the front end's window, sounds, files and clock
    PlayerInputs Inputs;               // scripted input, taken by the waits as the window's is
    InputWatcher* Recorder = nullptr;  // told of every input taken, when one records
    ScoreWatch* Scores = nullptr;      // told of every point given or taken, when one listens
};

}  // namespace kv41
