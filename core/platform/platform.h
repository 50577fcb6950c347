#pragma once
// Everything the game needs from the machine it runs on. The desktop program implements it
// with Qt; the console and the tests use the headless implementation. The core never waits,
// draws, plays or asks by any other way.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/player_files.h"

namespace kv41 {

struct Rgb {
    uint8_t Red = 0, Green = 0, Blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class BoxType { Error, Warning, Information };

// What the player sees or hears, as the text console reports it line by line.
enum class Output {
    Error,
    Notice,
    Bonus,
    Call,
    Line,
    Ring,
    Ask,
    Box,
    Sound,
    Rating,
    Signalman  // a move of the automatic signalman: the console command that gives it, " - ", why
};

struct FileChoice {
    bool Save = false;        // a save dialog, else an open dialog
    std::string Title;        // e.g. "Save your position"
    std::string DefaultName;  // e.g. "KV41"
    std::string DefaultExt;   // e.g. "sav"
    std::string Filter;       // e.g. "Saved positions|*.sav|All|*.*"
    std::string InitialDir;   // empty: the platform's choice
};

// A snapshot of an information window: caption, label texts, memo lines.
struct InfoWindow {
    std::string Name;  // "held", "register", "wtt", "approaching", "messages"
    std::string Caption;
    std::vector<std::string> Heads;
    std::vector<std::string> Lines;
    // How many of the lines each of the window's memos holds, in order.
    std::vector<int> Panes;
    int HelpContext = 0;

    // Closes the memo being filled: the lines added since the last one belong to it.
    void EndPane() {
        int before = 0;
        for (int n : Panes) before += n;
        Panes.push_back(static_cast<int>(Lines.size()) - before);
    }
};

struct StatusTexts {
    std::string Time, Speed, Fast, PointsCaption, PointsValue;
    std::string Signalman;  // "Automatic signalman" while he works the box, else empty
};

class Platform {
public:
    virtual ~Platform() = default;

    // --- Time and events -------------------------------------------------------------------
    // Deliver whatever input has arrived to the game's handlers, without waiting. The game
    // calls it while it pauses in the middle of its work (a message held on the line, a bell
    // played): a command that acts on the game at once (a menu item, a speed key) is held until
    // the next WaitForEvents, since the game takes input only in its waits, where the console
    // and a replay give it too.
    virtual void ProcessEvents() = 0;
    // Wait at most maxMs for input, then deliver it as ProcessEvents does.
    virtual void WaitForEvents(int maxMs) = 0;
    // Sleep without handling events.
    virtual void Sleep(int ms) = 0;
    // Milliseconds since midnight.
    virtual int TimeOfDayMs() = 0;
    // A seed for the game's random generator "from the clock" (a fixed one when scripted).
    virtual uint32_t ClockSeed() = 0;
    // Game timer: interval in ms, 0 stops it. Each expiry calls the game's timer handler.
    virtual void SetTimerInterval(int ms) = 0;

    // --- Sound ------------------------------------------------------------------------------
    // Sounds play in the background, one after another in the order they were queued, while the
    // game and its input go on: nothing the player does waits for a bell to finish.
    // Queues a wave file from the program directory (an empty name: silence only) to start when
    // everything queued before it has played, followed by silenceAfterMs of silence before the
    // next; returns at once. The length of a sound is its file's (WaveLengthMs), whatever the
    // audio system reports, so that the groups of a bell code keep their rhythm. A file that is
    // missing or cannot be played is skipped.
    virtual void QueueWave(const std::string& fileName, int silenceAfterMs) = 0;
    // Silences the sound playing and drops everything queued (sound switched off).
    virtual void StopSounds() = 0;

    // --- Boxes and questions ----------------------------------------------------------------
    virtual void ShowBox(const std::string& text, BoxType type, int helpContext) = 0;
    // The box of an error, notice or bonus shown with "Wait on error": the message itself has
    // already gone to the transcript under its own kind.
    virtual void ShowMessageBox(const std::string& text, BoxType type, int helpContext) {
        ShowBox(text, type, helpContext);
    }
    // The end-of-session dialog; its three texts have already gone to the transcript.
    virtual void ShowRatingDialog(const std::string& rating, const std::string& pointScore,
                                  const std::string& perCent) {
        ShowBox(rating + "\r\n" + pointScore + "\r\n" + perCent, BoxType::Information, 0);
    }
    virtual bool AskYesNo(const std::string& text, int helpContext) = 0;
    // A line of the transcript of play (messages, calls, rings...). Drawing front ends may
    // ignore it: they show the same things on the panel.
    virtual void Report(Output kind, const std::string& text) = 0;

    // --- Program ----------------------------------------------------------------------------
    virtual std::string ProgramDirectory() = 0;
    // The standard places of the player's files on this machine.
    virtual StandardPlaces StandardDirectories() { return FreedesktopPlaces(); }
    // Where the player's files go: beside the program when its directory can be written, else
    // the standard places. The one rule for every file the player keeps.
    PlayerDirectories PlayerFiles() {
        const std::string directory = ProgramDirectory();
        return ChoosePlayerDirectories(directory, DirectoryWritable(directory),
                                       StandardDirectories());
    }
    virtual std::string ProgramDate() = 0;  // short date of the program file
    // Ask the platform to end the program once control returns to it.
    virtual void Terminate() = 0;

    // --- Panel canvas (pixels of the client area; text in the panel font) -------------------
    // Width of "W" and height of "W" in the panel font at this point size (0 if lost).
    virtual void FontMetrics(int pointSize, int& cellWidth, int& textHeight) = 0;
    virtual void DrawText(int x, int y, std::string_view text, Rgb fg, Rgb bg) = 0;
    virtual void FillRect(int x1, int y1, int x2, int y2, Rgb colour) = 0;
    virtual void DrawLine(int x1, int y1, int x2, int y2, Rgb colour, int width) = 0;
    virtual void DrawEllipse(int x1, int y1, int x2, int y2, Rgb pen, Rgb fill) = 0;
    virtual void DrawPie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, Rgb pen,
                         Rgb fill) = 0;
    // Text in the panel font at another point size, each character advancing by that size's
    // width of "W", with no background, its top-left corner at (x, y). False when the front
    // end cannot (the caller then writes the text in cells).
    virtual bool DrawLabel(int /*x*/, int /*y*/, std::string_view /*text*/, int /*pointSize*/,
                           Rgb /*colour*/) {
        return false;
    }
    // The panel is complete for now: show it.
    virtual void Present() = 0;

    // --- Main window ------------------------------------------------------------------------
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetStatus(const StatusTexts& status) = 0;
    virtual void SetMenuEnabled(const std::string& item, bool enabled) = 0;
    virtual void ShowInfoWindow(const InfoWindow& window) = 0;

    // --- Choices that the player makes in the platform's dialogs ----------------------------
    virtual std::optional<std::string> ChooseFile(const FileChoice& choice) = 0;
    // The bell code list window for a box: the code chosen with OK, or none if cancelled.
    virtual std::optional<int> ChooseBellCode(int box, int suggested) = 0;

    // --- Settings (INI files) ---------------------------------------------------------------
    virtual std::string ReadSetting(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& fallback) = 0;
    virtual bool WriteSetting(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& value) = 0;
};

// Thrown to leave the game at once (a fatal error, the end of the console's input); caught by
// the front end's entry point.
struct ProgramEnd {
    int ExitCode = 0;
};

}  // namespace kv41
