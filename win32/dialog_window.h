#pragma once
// A window of the game's own (a dialog or an information window) put together from the system's
// controls at places in pixels. A modal one disables its owner and runs its own message loop
// until a button ends it; the game's timer and paints go on meanwhile.
#include "windows_api.h"

#include <functional>
#include <string>
#include <vector>

class DialogWindow {
public:
    // The client area's size; the window is placed with MoveTo or CentreOn.
    DialogWindow(HWND owner, const std::string& caption, int clientWidth, int clientHeight,
                 bool closable);
    ~DialogWindow();
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    HWND Handle() const { return window_; }
    HWND Add(const wchar_t* type, const std::string& text, DWORD style, RECT place, HFONT font,
             int id = 0);
    HWND Label(const std::string& text, RECT place, HFONT font, COLORREF colour = 0);
    HWND Button(const std::string& text, RECT place, HFONT font, int id, bool isDefault);
    // Called for a button or list notification: id and notification code.
    std::function<void(int, int)> OnCommand;
    // Called when the player has moved the window: its frame's new top left corner.
    std::function<void(int, int)> OnMoved;
    // The F1 topic while this window has the keyboard.
    void SetHelpTopic(int topic);
    // Where the frame's top left corner goes; the frame's size for a client area this size.
    void MoveTo(int left, int top);
    SIZE FrameSize() const;
    // The frame to this height, shorter than its content: the window then scrolls it.
    void ShortenTo(int frameHeight);
    void CentreOn(HWND other);
    // Shows it modal and waits until End is called; gives End's value.
    int RunModal(HWND focus);
    void End(int result);
    // Shows it without taking the keyboard from the owner.
    void ShowModeless();

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND owner_ = nullptr;
    HWND window_ = nullptr;
    bool closable_ = true;
    bool done_ = false;
    POINT placedAt_{};       // where the game last put the frame's top left corner
    int contentHeight_ = 0;  // the client area's height as made, when the window is shorter
    int scrolled_ = 0;
    void ScrollTo(int position);
    int result_ = IDCANCEL;
    HWND focus_ = nullptr;  // the control that has the keyboard while the window is active
    std::vector<std::pair<HWND, COLORREF>> colours_;
};

// The F1 topic set on a window (0 when none).
int HelpTopicOf(HWND window);
// The owner's message loop hands keys to the focused dialog's navigation (Tab, Enter, Esc).
bool DialogMessage(MSG& message);
