#pragma once
// The main window: status bar, start screen, panel and menus. It only delivers the player's
// input to the game; the game's loop and rules live in the core.
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QPushButton>
#include <memory>

#include "game_state.h"
#include "panel_widget.h"
#include "platform/platform.h"

class QtPlatform;
class QDialog;

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
    // Lays the window out for the current cell size.
    void LayoutForGrid();
    // Prepares the start screen, as at the window's first activation.
    void PrepareStart();
    // Starts a game without asking (tests and --new): shift and level as dialog positions.
    void StartGame(int shiftIndex, int difficultyIndex);
    bool InputWaiting() const { return inputWaiting_; }
    void ClearInputWaiting() { inputWaiting_ = false; }
    void NoteInput() { inputWaiting_ = true; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildStatusBar();
    void NewClick();
    void ResumeClick();
    // Runs a core operation that may end the program.
    template <typename F>
    void Guarded(F&& operation);

    std::unique_ptr<kv41::GameState> game_;
    std::unique_ptr<QtPlatform> host_;
    PanelWidget* panel_ = nullptr;
    QWidget* statusBar_ = nullptr;
    QLabel* speedCaption_ = nullptr;
    QLabel* speedValue_ = nullptr;
    QPushButton* slower_ = nullptr;
    QPushButton* faster_ = nullptr;
    QPushButton* fast_ = nullptr;
    QLabel* timeCaption_ = nullptr;
    QLabel* timeValue_ = nullptr;
    QLabel* pointsCaption_ = nullptr;
    QLabel* pointsValue_ = nullptr;
    QPushButton* newButton_ = nullptr;
    QPushButton* resumeButton_ = nullptr;
    QMap<QString, QAction*> actions_;
    QMap<QString, QDialog*> infoWindows_;
    bool inputWaiting_ = false;
};
