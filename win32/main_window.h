#pragma once
// The main window: menu bar, status bar, the start screen and the panel, and the windows and
// dialogs that the game opens. It only delivers the player's input to the game; the game's loop,
// rules, texts and layouts live in the core.
#include "windows_api.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frontend/menus.h"
#include "frontend/window_commands.h"
#include "game_state.h"
#include "info_window.h"
#include "panel_canvas.h"
#include "replay/replay_recorder.h"
#include "status_bar.h"
#include "wave_player.h"
#include "win32_platform.h"

class MainWindow : public kv41::FrontEndWindows {
public:
    enum PumpMode { PumpAll, PumpNoInput };

    MainWindow();
    ~MainWindow() override;

    kv41::GameState& Game() { return *game_; }
    Win32Platform& Host() { return *host_; }
    PanelCanvas& Canvas() { return canvas_; }
    WavePlayer& Sounds() { return *sounds_; }
    HWND Handle() const { return window_; }
    kv41::CommandQueue& Queue() { return queue_; }

    // Delivers the messages that have arrived, without waiting; PumpNoInput leaves the player's
    // input queued (while a sound plays).
    void Pump(PumpMode mode);
    // At the game's wait: carries out the commands held while it was at work.
    bool RunHeldCommands();
    // Puts what the game has drawn on the screen now.
    void PresentChanges();
    bool InputWaiting() const { return inputWaiting_; }
    void ClearInputWaiting() { inputWaiting_ = false; }
    void NoteInput() { inputWaiting_ = true; }
    void SetGameTimer(int ms);
    // The help topic of a message box being shown, else 0.
    void SetBoxHelp(int topic) { boxHelp_ = topic; }
    // Lays the window out for the current cell size, if it changed.
    void LayoutForGrid();
    void SetGameCaption(const std::string& caption);
    void SetStatusTexts(const kv41::StatusTexts& status);
    void ShowInfo(const kv41::InfoWindow& window);
    std::optional<int> ChooseBellCode(int box, int suggested);
    void ShowRating(const std::string& rating, const std::string& pointScore,
                    const std::string& perCent);
    void ShowHelp(int topic);

    // What the game asks of the front end's own windows.
    std::optional<kv41::OptionValues> ChooseOptions() override;
    void OptionsTaken() override;
    void OpenHelp(int topic) override { ShowHelp(topic); }

    // The first activation: fonts measured, the start screen prepared and the window shown.
    void PrepareStart();
    // The program's own loop until it ends; a shift given starts a new game at once (tests).
    int Run(int newShift, int newLevel);
    // Whether a session has drawn its panel: some pixel below the status bar is not black.
    bool PanelDrawn() const;
    // For a test driving the program from outside: where the window and its grid are.
    void TraceLayout();
    // One of the game's switches of a menu item, kept for the menus the core describes.
    void SwitchMenuItem(const std::string& item, bool enabled);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Dispatch(MSG& message);
    void BuildMenus();
    void SyncMenus();
    void Give(const kv41::Command& command);
    void TypeKey(wchar_t key);
    void GiveKey(int key);
    void ComputeMaxFontSize();
    void DrawStartScreen();
    void HideStartScreen();
    void NewClick();
    void ResumeClick();
    void ShowCaption();
    // Runs a core operation that may end the program.
    template <typename F>
    void Guarded(F&& operation);

    std::unique_ptr<kv41::GameState> game_;
    std::unique_ptr<Win32Platform> host_;
    std::unique_ptr<kv41::ReplayRecorder> recorder_;
    PanelCanvas canvas_;
    kv41::CommandQueue queue_;
    HWND window_ = nullptr;
    std::unique_ptr<StatusBar> statusBar_;
    std::unique_ptr<WavePlayer> sounds_;
    HWND newButton_ = nullptr, resumeButton_ = nullptr;
    HMENU menuBar_ = nullptr;
    // The menu as last shown, and which command each item's id gives.
    std::vector<kv41::MenuBarEntry> shownMenu_;
    kv41::MenuSwitches menuSwitches_;
    std::map<int, kv41::WindowCommand> menuCommands_;
    std::map<std::string, std::unique_ptr<InfoWindow>> infoWindows_;
    std::string caption_;
    bool inputWaiting_ = false;
    int boxHelp_ = 0;
    std::vector<int> heldKeys_;  // the game's own keys given while it was at work
    int startRequest_ = 0;       // 1 new game, 2 resume: taken by the program's loop
    bool onStartScreen_ = true;
};
