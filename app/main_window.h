#pragma once
// The main window: status bar, start screen, panel and menus, and the information windows that
// the game opens. It draws the core's models and turns the player's events into the game's
// input; the game's loop, rules and texts live in the core.
#include <QAction>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMap>
#include <QPushButton>
#include <memory>
#include <optional>

#include "framework/options.h"
#include "frontend/menus.h"
#include "frontend/screen_fit.h"
#include "frontend/window_commands.h"
#include "game_state.h"
#include "panel_widget.h"
#include "platform/platform.h"
#include "platform_window.h"
#include "replay/replay_recorder.h"

class StatusBar;
class HelpWindow;
class InfoWindowDialog;

class MainWindow : public QMainWindow, public PlatformWindow, public kv41::FrontEndWindows {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;

    // What the platform asks of the window.
    kv41::GameState& Game() override { return *game_; }
    PanelWidget& Panel() override { return *panel_; }
    QWidget* DialogParent() override { return this; }
    void SetAtWork(bool atWork) override { commands_.SetAtWork(atWork); }
    bool AtWork() const override { return commands_.AtWork(); }
    bool RunHeldCommands() override;
    bool TakeInputWaiting() override;
    void NoteInput() override { inputWaiting_ = true; }
    void ShowModel() override;
    void LayoutForGrid() override { LayOut(true); }
    void SetGameCaption(const std::string& caption) override;
    void SetStatusTexts(const kv41::StatusTexts& status) override;
    void SetMenuSwitch(const std::string& item, bool enabled) override;
    void ShowInfo(const kv41::InfoWindow& window) override;
    void SetBoxHelp(int topic) override { boxHelp_ = topic; }

    // The windows of the front end's own that the game's commands open.
    std::optional<kv41::OptionValues> ChooseOptions() override;
    void OptionsTaken() override;
    void OpenHelp(int topic) override { ShowHelp(topic); }
    kv41::ReplayRecorder* SessionReplay() override { return recorder_.get(); }
    std::optional<int> ReviewShift(const kv41::ReviewModel& model) override;
    bool ReviewFromEnd() override;

    // Echo the layout of the grid on standard error, for tests that click cells (--trace).
    void SetTrace(bool trace) { trace_ = trace; }
    // A command of the window, as its menu items, keys and buttons give it.
    void Give(const kv41::Command& command);
    // Opens a help topic by number.
    void ShowHelp(int topic);
    void PlaceOnScreen();
    // Prepares the start screen, as at the window's first activation.
    void PrepareStart();
    // Starts a game without asking (tests and --new): shift and level as dialog positions.
    void StartGame(int shiftIndex, int difficultyIndex);
    // Resumes the position in this file without asking (a replay watched in the window).
    void ResumeGame(const std::string& file);
    // At the start: the shift the program did not live to finish, offered to the player.
    void OfferInterruptedShift();
    // The start screen's first button, for demonstrations.
    void NewClick();
    // Whether a session has drawn its panel: some pixel below the status bar is not black.
    bool PanelDrawn() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildStartScreen();
    void DrawStartScreen();
    void ComputeMaxFontSize();
    // Sizes the panel for its font; with sizeWindow the window too, unless it is enlarged.
    void LayOut(bool sizeWindow);
    // The window has been resized, maximised or made full screen: the panel takes the font
    // the core gives for it, centred in it.
    void FitPanelToWindow();
    bool Enlarged() const;
    QRect InfoWindowPlace(const QString& name, QSize frame);
    QMargins FrameMargins() const;
    void TraceLayout();
    void ResumeClick();
    void HideStartScreen();
    // Runs a core operation that may end the program.
    template <typename F>
    void Guarded(F&& operation);

    std::unique_ptr<kv41::GameState> game_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<kv41::ReplayRecorder> recorder_;
    kv41::CommandQueue commands_;
    kv41::MenuSwitches menuSwitches_;
    PanelWidget* panel_ = nullptr;
    StatusBar* statusBar_ = nullptr;
    QWidget* startButtons_ = nullptr;
    QWidget* board_ = nullptr;  // the status bar over the panel, centred in the window
    bool laying_ = false;       // the window is being sized to the panel
    bool fitDue_ = false;       // resized while the game was at work: fitted at its next wait
    kv41::WindowSizing sizedFor_;
    QElapsedTimer sizedAt_;  // when the game last sized the window to its panel
    QMap<kv41::WindowCommand, QAction*> actions_;
    QMap<QString, InfoWindowDialog*> infoWindows_;
    std::string caption_;
    bool inputWaiting_ = false;
    bool trace_ = false;
    int boxHelp_ = 0;
    QMargins placedWith_;  // the frame the window was last placed by
};
