#pragma once
// The main window: status bar, start screen, panel and menus, and the windows and dialogs that
// the game opens. It only delivers the player's input to the game; the game's loop and rules
// live in the core.
#include <QAction>
#include <QMainWindow>
#include <QMap>
#include <QPushButton>
#include <memory>
#include <optional>

#include "framework/options.h"
#include "game_state.h"
#include "panel_widget.h"
#include "platform/platform.h"
#include "replay/replay_recorder.h"

class QtPlatform;
class StatusBar;
class HelpWindow;
class InfoWindowDialog;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;

    kv41::GameState& Game() { return *game_; }
    PanelWidget& Panel() { return *panel_; }
    QtPlatform& Host() { return *host_; }
    void SetStatusTexts(const kv41::StatusTexts& status);
    void SetMenuItemEnabled(const QString& item, bool enabled);
    void ShowInfo(const kv41::InfoWindow& window);
    std::optional<int> ChooseBellCode(int suggested, const QString& caption);
    void ShowRating(const QString& rating, const QString& pointScore, const QString& perCent);
    // Opens a help topic by number.
    void ShowHelp(int topic);
    // The topic that F1 opens while this window has the keyboard.
    static void SetHelpTopic(QWidget* window, int topic);
    // Sizes the panel for its font; with sizeWindow the window too, unless it is enlarged.
    void LayoutForGrid(bool sizeWindow = true);
    void PlaceOnScreen();
    // The caption the game sets; a paused game adds a word to it.
    void SetGameCaption(const QString& caption);
    void ShowCaption();
    // Prepares the start screen, as at the window's first activation.
    void PrepareStart();
    // Starts a game without asking (tests and --new): shift and level as dialog positions.
    void StartGame(int shiftIndex, int difficultyIndex);
    // Resumes the position in this file without asking (a replay watched in the window).
    void ResumeGame(const std::string& file);
    // At the start: the shift the program did not live to finish, offered to the player.
    void OfferInterruptedShift();
    // The session's replay, recorded as it is played.
    kv41::ReplayRecorder* Recorder() { return recorder_.get(); }
    // The start screen's buttons and the Options menu command, for demonstrations.
    void NewClick();
    void OptionsClick();
    // What the options window's OK does with the values chosen.
    void ApplyChosenOptions(const kv41::OptionValues& chosen);
    // Whether a session has drawn its panel: some pixel below the status bar is not black.
    bool PanelDrawn() const;
    bool InputWaiting() const { return inputWaiting_; }
    void ClearInputWaiting() { inputWaiting_ = false; }
    void NoteInput() { inputWaiting_ = true; }
    // The help topic of a message box being shown, else 0.
    void SetBoxHelp(int topic) { boxHelp_ = topic; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class ReviewWindows;
    void BuildMenus();
    void BuildStartScreen();
    void DrawStartScreen();
    void ComputeMaxFontSize();
    // The largest panel font whose panel fits the window's client area as it is now.
    int FontFittingWindow() const;
    // The window has been resized, maximised or made full screen: the panel takes the largest
    // font that fits it, centred in it.
    void FitPanelToWindow();
    bool Enlarged() const;
    QPoint InfoWindowPlace(const QString& name, QSize frame);
    QMargins FrameMargins() const;
    void TraceLayout();
    void ResumeClick();
    void SaveReplayAs();
    // A key typed at the window or given by the status bar's buttons, as the game takes it.
    void TypeKey(int key);
    void HideStartScreen();
    // Runs a core operation that may end the program.
    template <typename F>
    void Guarded(F&& operation);

    std::unique_ptr<kv41::GameState> game_;
    std::unique_ptr<QtPlatform> host_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<kv41::ReplayRecorder> recorder_;
    PanelWidget* panel_ = nullptr;
    StatusBar* statusBar_ = nullptr;
    QWidget* startButtons_ = nullptr;
    QWidget* board_ = nullptr;        // the status bar over the panel, centred in the window
    bool laying_ = false;             // the window is being sized to the panel
    std::pair<QSize, int> sizedFor_;  // the window's size when last sized for a font, and that font
    QMap<QString, QAction*> actions_;
    QMap<QString, InfoWindowDialog*> infoWindows_;
    QString caption_;
    bool inputWaiting_ = false;
    int boxHelp_ = 0;
    QMargins placedWith_;  // the frame the window was last placed by
};
