#pragma once
// The clock, the shift and the flags of the one session that a program run plays.
#include "model/table.h"

namespace kv41 {

struct SessionState {
    // Clock and speed.
    int32_t ClockNow = -240;
    int32_t MinuteTick = 9;   // tenths of the current minute still to run
    int32_t TickSeconds = 6;  // real seconds per step
    bool FastMode = false;
    bool TimerDue = false;
    int32_t QuietTicks = 20;  // steps with nothing for the player before fast running starts
    bool SpeedUpNoticeShown = false;
    bool FastAsked = false;     // the player asked for fast running: told if it is refused
    bool BoxTakenBack = false;  // a click has just taken the box back from the signalman

    uint32_t StartSeed = 0;  // the seed the start screen gave the random generator

    // Score.
    int32_t Points = 0;
    int32_t OpeningPoints = 0;

    // The shift as chosen.
    int32_t Difficulty = 5;
    BoundedText<10> DifficultyName{"Very easy"};
    int32_t ShiftNumber = 0;
    BoundedText<10> ShiftName{};
    int32_t ShiftStart = 0;
    int32_t ShiftEnd = 0;
    int32_t ShiftTarget = 0;

    // Main window flags and the input the window's handlers leave for the loop.
    bool FirstActivation = true;
    bool StartScreen = false;
    bool SessionRunning = false;
    bool SessionOver = false;
    bool InputBlocked = false;
    bool AppActive = false;
    bool PaintEnabled = false;
    bool FullRedraw = false;
    bool Resizing = false;
    bool Paused = false;  // the Pause menu item is checked
    bool EndRequested = false;
    // The player went back into the shift from the review of its rating: the session's loop
    // runs again instead of the program ending.
    bool PlayOnAfterRating = false;
    bool QuitConfirmed = false;
    bool AwaitingAction = false;
    bool ClickPending = false;
    int32_t ClickColumn = 0;
    int32_t ClickRow = 0;
    int32_t ClickTime = 0;
    int32_t ActionCode = 0;
    bool KeyActionPending = false;
    BoundedText<39> GameTitle{};
    int32_t RememberedTop = 0;
    int32_t RememberedLeft = 0;
    int32_t FontSize = 10;
    int32_t MaxFontSize = 10;
    int32_t HelpContext = 0;
    int32_t TimerIntervalMs = 0;  // 0 while the game timer is stopped
};

}  // namespace kv41
