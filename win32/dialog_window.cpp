#include "dialog_window.h"

#include <algorithm>

#include "framework/window_places.h"
#include "wide_text.h"

namespace {

constexpr const wchar_t* ClassName = L"KV41Dialog";
constexpr const wchar_t* HelpProperty = L"KV41HelpTopic";
constexpr UINT_PTR MovedTimer = 1;
// No WS_CLIPCHILDREN: a group box paints no ground of its own, the window paints it.
constexpr DWORD FixedFrame = WS_POPUP | WS_CAPTION | WS_SYSMENU;

}  // namespace

DialogWindow::DialogWindow(HWND owner, const std::string& caption, int clientWidth,
                           int clientHeight, bool closable)
    : owner_(owner), closable_(closable) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    static const bool registered = [instance] {
        WNDCLASSW type{};
        type.lpfnWndProc = Proc;
        type.hInstance = instance;
        type.hCursor = LoadCursor(nullptr, IDC_ARROW);
        type.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        type.lpszClassName = ClassName;
        return RegisterClassW(&type) != 0;
    }();
    (void)registered;
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, FixedFrame, FALSE, WS_EX_DLGMODALFRAME);
    window_ =
        CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, ClassName, Wide(caption).c_str(),
                        FixedFrame, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                        frame.bottom - frame.top, owner, nullptr, instance, this);
    if (!closable) EnableMenuItem(GetSystemMenu(window_, FALSE), SC_CLOSE, MF_GRAYED);
}

DialogWindow::~DialogWindow() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        RemovePropW(window_, HelpProperty);
        DestroyWindow(window_);
    }
}

HWND DialogWindow::Add(const wchar_t* type, const std::string& text, DWORD style, RECT place,
                       HFONT font, int id) {
    HWND control = CreateWindowExW(
        0, type, ControlText(text).c_str(), WS_CHILD | WS_VISIBLE | style, place.left, place.top,
        place.right - place.left, place.bottom - place.top, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

HWND DialogWindow::Label(const std::string& text, RECT place, HFONT font, COLORREF colour) {
    HWND label = Add(L"STATIC", text, SS_LEFTNOWORDWRAP | SS_NOPREFIX, place, font);
    if (colour != 0) colours_.emplace_back(label, colour);
    return label;
}

HWND DialogWindow::Button(const std::string& text, RECT place, HFONT font, int id, bool isDefault) {
    return Add(L"BUTTON", text, WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), place,
               font, id);
}

void DialogWindow::SetHelpTopic(int topic) {
    SetPropW(window_, HelpProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(topic)));
}

int HelpTopicOf(HWND window) {
    return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropW(window, HelpProperty)));
}

SIZE DialogWindow::FrameSize() const {
    RECT frame;
    GetWindowRect(window_, &frame);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void DialogWindow::MoveTo(int left, int top) {
    placedAt_ = POINT{left, top};
    SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogWindow::ShortenTo(int frameHeight) {
    RECT client;
    GetClientRect(window_, &client);
    contentHeight_ = client.bottom;
    SetWindowLongPtrW(window_, GWL_STYLE, GetWindowLongPtrW(window_, GWL_STYLE) | WS_VSCROLL);
    const SIZE size = FrameSize();
    SetWindowPos(window_, nullptr, 0, 0, size.cx + GetSystemMetrics(SM_CXVSCROLL), frameHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    GetClientRect(window_, &client);
    SCROLLINFO info{sizeof info,
                    SIF_RANGE | SIF_PAGE | SIF_POS,
                    0,
                    contentHeight_ - 1,
                    static_cast<UINT>(client.bottom),
                    0,
                    0};
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
}

void DialogWindow::ScrollTo(int position) {
    RECT client;
    GetClientRect(window_, &client);
    position = std::max(0, std::min(position, contentHeight_ - static_cast<int>(client.bottom)));
    if (position == scrolled_) return;
    ScrollWindowEx(window_, 0, scrolled_ - position, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    scrolled_ = position;
    SetScrollPos(window_, SB_VERT, position, TRUE);
}

void DialogWindow::CentreOn(HWND other) {
    RECT area;
    if (!other || !GetWindowRect(other, &area)) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    const SIZE size = FrameSize();
    MoveTo(area.left + (area.right - area.left - size.cx) / 2,
           area.top + (area.bottom - area.top - size.cy) / 2);
}

int DialogWindow::RunModal(HWND focus) {
    done_ = false;
    EnableWindow(owner_, FALSE);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    focus_ = focus;
    SetFocus(focus ? focus : window_);
    MSG message;
    while (!done_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: the quit goes on to the outer loop.
            PostQuitMessage(got == 0 ? static_cast<int>(message.wParam) : 1);
            break;
        }
        if (IsDialogMessageW(window_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    EnableWindow(owner_, TRUE);
    ShowWindow(window_, SW_HIDE);
    SetActiveWindow(owner_);
    return result_;
}

void DialogWindow::End(int result) {
    result_ = result;
    done_ = true;
}

void DialogWindow::ShowModeless() {
    ShowWindow(window_, SW_SHOWNOACTIVATE);
}

bool DialogMessage(MSG& message) {
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    wchar_t type[32] = {};
    if (!root || !GetClassNameW(root, type, 32) || lstrcmpW(type, ClassName) != 0) return false;
    return IsDialogMessageW(root, &message) != FALSE;
}

LRESULT CALLBACK DialogWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* dialog = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!dialog) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_COMMAND:
        if (dialog->OnCommand) dialog->OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    // The control that had the keyboard has it again when the window is active again (after
    // the help, for one), as in the system's own dialogs.
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(window, focus)) dialog->focus_ = focus;
        } else if (dialog->focus_ && IsWindow(dialog->focus_)) {
            SetFocus(dialog->focus_);
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_VSCROLL: {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        GetScrollInfo(window, SB_VERT, &info);
        const int line = 20;
        int to = dialog->scrolled_;
        switch (LOWORD(wParam)) {
        case SB_LINEUP: to -= line; break;
        case SB_LINEDOWN: to += line; break;
        case SB_PAGEUP: to -= static_cast<int>(info.nPage); break;
        case SB_PAGEDOWN: to += static_cast<int>(info.nPage); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: to = info.nTrackPos; break;
        default: break;
        }
        dialog->ScrollTo(to);
        return 0;
    }
    case WM_MOUSEWHEEL:
        if (dialog->contentHeight_ == 0) return DefWindowProcW(window, message, wParam, lParam);
        dialog->ScrollTo(dialog->scrolled_ - GET_WHEEL_DELTA_WPARAM(wParam) / 2);
        return 0;
    // A move settles a moment after the last one (under Wine the window manager moves it with
    // no size-move loop). Where it settles where the game put it, it is no move of the player's:
    // under Wine the window manager's news of the place, as the window is shown, is such a move.
    case WM_MOVE:
        if (dialog->OnMoved && IsWindowVisible(window))
            SetTimer(window, MovedTimer, kv41::WindowSettleMs, nullptr);
        return 0;
    case WM_TIMER: {
        if (wParam != MovedTimer) return DefWindowProcW(window, message, wParam, lParam);
        KillTimer(window, MovedTimer);
        RECT frame;
        GetWindowRect(window, &frame);
        const bool placed = frame.left == dialog->placedAt_.x && frame.top == dialog->placedAt_.y;
        if (dialog->OnMoved && !placed) dialog->OnMoved(frame.left, frame.top);
        return 0;
    }
    case WM_CLOSE:
        if (dialog->closable_ && dialog->OnCommand) dialog->OnCommand(IDCANCEL, BN_CLICKED);
        return 0;
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        const HWND control = reinterpret_cast<HWND>(lParam);
        SetBkMode(dc, TRANSPARENT);
        for (const auto& [label, colour] : dialog->colours_) {
            if (label == control) SetTextColor(dc, colour);
        }
        // Read-only edits keep a white ground, as the memos of a text window do.
        wchar_t type[16] = {};
        GetClassNameW(control, type, 16);
        if (lstrcmpiW(type, L"EDIT") == 0) {
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}
