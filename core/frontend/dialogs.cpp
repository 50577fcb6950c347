#include "frontend/dialogs.h"

#include "debrief/debrief_text.h"
#include "frontend/help_topics.h"
#include "game_state.h"
#include "replay/program_version.h"
#include "session/new_game.h"

namespace kv41 {

namespace {

constexpr const char* BoxName = "Tarrock Junction Signal Box Summer 1954";
constexpr int LearningShift = 3;  // the shift offered first
// The texts beside the picture start here.
constexpr int TextColumn = 20;

}  // namespace

NewGameWindow OpenNewGameWindow(GameState& g) {
    NewGameWindow w;
    w.Caption = "TOLA select shift";
    w.Cells = {68, 19};
    w.Name = {BoxName, {TextColumn, 1, 0, 0}};
    w.Hint = {
        "You are the signalman for one shift.\nChoose the shift and how strict the "
        "timekeeping is,\nthen press OK.",
        {TextColumn, 4, 0, 0}};
    w.Levels.Title = "Select difficulty level";
    for (std::string_view level : DifficultyNames) w.Levels.Items.emplace_back(level);
    w.Levels.Place = {2, 10, 17, 8};
    w.Shifts.Title = "Select shift";
    for (const ShiftRow& shift : Shifts) w.Shifts.Items.emplace_back(shift.DialogLine);
    w.Shifts.Chosen = LearningShift;
    w.Shifts.FixedPitch = true;
    w.Shifts.Place = {TextColumn, 10, 35, 8};
    w.Ok = {"OK", {58, 13, 7, 2}};
    w.Cancel = {"Cancel", {58, 16, 7, 2}};
    w.HelpTopic = HelpTopic::NewGame;
    g.HelpContext = w.HelpTopic;
    return w;
}

EndWindow EndWindowOf(const std::string& rating, const std::string& pointScore,
                      const std::string& perCent) {
    EndWindow w;
    w.Caption = "TOLA end of session";
    w.Cells = {58, 17};
    w.Name = {BoxName, {TextColumn, 1, w.Cells.Width - TextColumn - 1, 1}};
    w.Lines = {{rating, {2, 10, 0, 0}}, {pointScore, {2, 12, 0, 0}}, {perCent, {2, 14, 0, 0}}};
    w.Ok = {"OK", {27, 4, 9, 3}};
    w.Review = {ReviewWindow::EndButton, {39, 4, 11, 3}};
    w.HelpTopic = HelpTopic::Rating;
    return w;
}

std::string AboutText(const GameState& g) {
    return g.GameTitle.str() + "\r\nCompiled " + g.ProgramDate.str() + "\r\nVersion " +
           ProgramVersion();
}

std::string ShownCaption(const std::string& caption, bool paused) {
    return paused ? caption + "     (Paused)" : caption;
}

StartScreenLayout StartScreenOf() {
    StartScreenLayout s;
    s.Title = "Tarrock Junction";
    s.TitleColour = {255, 255, 128};
    s.TitleRow = 6;
    s.Lines = {
        "Signal Box  -  Summer 1954",
        "",
        "Work the levers, the bells and the block instruments of a country junction",
        "for one shift of the weekday timetable.",
        "",
        "F1 gives help on whatever is in front of you.",
    };
    s.LinesColour = {192, 192, 192};
    s.LinesGapRows = 1;
    s.LinePitchHalves = 3;
    s.Buttons = {"Start New Game", "Resume Saved Game"};
    s.ButtonsTopFifths = 3;
    return s;
}

}  // namespace kv41
