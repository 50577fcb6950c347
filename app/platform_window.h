#pragma once
// What the Qt platform needs of the window it draws in and delivers the player's input to. The
// main window implements it; the platform knows nothing else of the window.
#include <QWidget>
#include <string>

#include "platform/platform.h"

class PanelWidget;

namespace kv41 {
struct GameState;
}

class PlatformWindow {
public:
    virtual ~PlatformWindow() = default;

    virtual kv41::GameState& Game() = 0;
    virtual PanelWidget& Panel() = 0;
    // The window that the platform's boxes and dialogs stay with.
    virtual QWidget* DialogParent() = 0;

    // The game is at work while this is true: the window's commands are held until its next wait.
    virtual void SetAtWork(bool atWork) = 0;
    virtual bool AtWork() const = 0;
    // Carries out the commands held while the game was at work; false when there were none.
    virtual bool RunHeldCommands() = 0;
    // Whether the window has given the game input since the platform last asked: the next wait
    // then only looks at the events, without sleeping.
    virtual bool TakeInputWaiting() = 0;
    virtual void NoteInput() = 0;

    // Shows the game as it stands where the window shows it by itself: the menus' check marks
    // and enabled items, and the caption.
    virtual void ShowModel() = 0;
    // Lays the window out for the current cell size, if it changed.
    virtual void LayoutForGrid() = 0;
    virtual void SetGameCaption(const std::string& caption) = 0;
    virtual void SetStatusTexts(const kv41::StatusTexts& status) = 0;
    // One of the menu items the game switches on and off as it goes (frontend/menus.h).
    virtual void SetMenuSwitch(const std::string& item, bool enabled) = 0;
    virtual void ShowInfo(const kv41::InfoWindow& window) = 0;
    // The end of session's Review: the shift explained; true when the player went back into it.
    virtual bool ReviewFromEnd() = 0;
    // The help topic of a message box being shown, else 0.
    virtual void SetBoxHelp(int topic) = 0;
};
