#include "status_bar.h"

#include <algorithm>

#include "ui_fonts.h"
#include "wide_text.h"

namespace {

constexpr const wchar_t* ClassName = L"KV41StatusBar";
constexpr int SlowerId = 1, FasterId = 2, FastId = 3;

void Place(HWND control, const kv41::BarBox& box, HFONT font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    MoveWindow(control, box.Left, box.Top, box.Width, box.Height, TRUE);
}

}  // namespace

StatusBar::StatusBar(HWND parent, std::function<void(kv41::WindowCommand)> command)
    : command_(std::move(command)) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    static const bool registered = [instance] {
        WNDCLASSW type{};
        type.lpfnWndProc = Proc;
        type.hInstance = instance;
        type.hCursor = LoadCursor(nullptr, IDC_ARROW);
        type.lpszClassName = ClassName;
        return RegisterClassW(&type) != 0;
    }();
    (void)registered;
    window_ = CreateWindowExW(0, ClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 10,
                              10, parent, nullptr, instance, this);
    auto button = [this, instance](const wchar_t* text, int id) {
        return CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 10,
                               10, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               instance, nullptr);
    };
    slower_ = button(Wide(kv41::SlowerCaption).c_str(), SlowerId);
    faster_ = button(Wide(kv41::FasterCaption).c_str(), FasterId);
    fast_ = button(Wide(kv41::FastCaption).c_str(), FastId);
    texts_.Time = kv41::InitialTime;
    texts_.Speed = kv41::InitialSpeed;
    texts_.Fast = kv41::FastCaption;
    texts_.PointsCaption = kv41::InitialPointsCaption;
    texts_.PointsValue = kv41::InitialPoints;
}

void StatusBar::Layout(int fontSize, int cellWidth, int cellHeight, int width) {
    fontSize_ = fontSize;
    MoveWindow(window_, 0, 0, width, 2 * cellHeight, TRUE);
    places_ = kv41::LayOutStatusBar(cellWidth, cellHeight, width);
    const HFONT large = SansFont(std::max(5, fontSize));
    Place(slower_, places_.Slower, large);
    Place(faster_, places_.Faster, large);
    Place(fast_, places_.Fast, large);
    InvalidateRect(window_, nullptr, TRUE);
}

void StatusBar::SetTexts(const kv41::StatusTexts& status) {
    const bool same = status.Time == texts_.Time && status.Speed == texts_.Speed &&
                      status.Fast == texts_.Fast && status.PointsCaption == texts_.PointsCaption &&
                      status.PointsValue == texts_.PointsValue &&
                      status.Signalman == texts_.Signalman;
    if (same) return;
    if (status.Fast != texts_.Fast) SetWindowTextW(fast_, Wide(status.Fast).c_str());
    texts_ = status;
    // Painted now, not left pending: a pending paint would wake the game's wait at once.
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void StatusBar::Paint(HDC dc) {
    RECT all;
    GetClientRect(window_, &all);
    HBRUSH grey = CreateSolidBrush(RGB(192, 192, 192));
    FillRect(dc, &all, grey);
    DeleteObject(grey);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    auto text = [dc](const std::string& words, const kv41::BarBox& box, HFONT font, UINT align) {
        RECT area{box.Left, box.Top, box.Right(), box.Top + box.Height};
        HGDIOBJ old = SelectObject(dc, font);
        ::DrawTextW(dc, Wide(words).c_str(), -1, &area, align | DT_NOPREFIX);
        SelectObject(dc, old);
    };
    const UINT line = DT_SINGLELINE | DT_VCENTER;
    const HFONT small = SansFont(std::max(5, fontSize_ - 2));
    // The numbers change every minute: a fixed-width face keeps them from jumping about.
    const HFONT numbers = TypewriterFont(std::max(5, fontSize_ - 2));
    text(texts_.Signalman, places_.Signalman, SansFont(std::max(5, fontSize_ - 3)), DT_WORDBREAK);
    text(texts_.PointsCaption, places_.PointsCaption, small, line | DT_LEFT);
    text(texts_.PointsValue, places_.PointsValue, numbers, line | DT_LEFT);
    text(texts_.Time, places_.TimeValue, TypewriterFont(fontSize_), line | DT_LEFT);
    text(kv41::TimeCaption, places_.TimeCaption, small, line | DT_RIGHT);
    text(kv41::SpeedCaption, places_.SpeedCaption, small, line | DT_RIGHT);
    text(texts_.Speed, places_.SpeedValue, numbers, line | DT_LEFT);
}

LRESULT CALLBACK StatusBar::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* bar = reinterpret_cast<StatusBar*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (bar) bar->Paint(dc);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_COMMAND:
        if (bar && HIWORD(wParam) == BN_CLICKED) {
            // The buttons leave the keyboard with the main window, where the keys are typed.
            SetFocus(GetParent(window));
            switch (LOWORD(wParam)) {
            case SlowerId: bar->command_(kv41::WindowCommand::Slower); break;
            case FasterId: bar->command_(kv41::WindowCommand::Faster); break;
            case FastId: bar->command_(kv41::WindowCommand::Fast); break;
            default: break;
            }
        }
        return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}
