#pragma once
// The status bar above the panel: points on the left, the speed and its buttons about the
// middle, the time on the right, laid out by the core for the panel's cell size.
#include "windows_api.h"

#include <functional>

#include "frontend/window_commands.h"
#include "model/status_bar_layout.h"
#include "platform/platform.h"

class StatusBar {
public:
    // Its buttons give their commands (Slower, Faster, Fast) to command.
    StatusBar(HWND parent, std::function<void(kv41::WindowCommand)> command);
    void Layout(int fontSize, int cellWidth, int cellHeight, int width);
    void SetTexts(const kv41::StatusTexts& status);
    HWND Handle() const { return window_; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);

    HWND window_ = nullptr;
    HWND slower_ = nullptr, faster_ = nullptr, fast_ = nullptr;
    std::function<void(kv41::WindowCommand)> command_;
    kv41::StatusTexts texts_;
    kv41::StatusBarPlaces places_{};
    int fontSize_ = 10;
};
