#include "main_window.h"

#include <windowsx.h>

#include <algorithm>
#include <cwctype>

#include "framework/file_replace.h"
#include "framework/program_files.h"
#include "framework/text_grid.h"
#include "framework/window_places.h"
#include "frontend/dialogs.h"
#include "frontend/game_windows.h"
#include "frontend/help_topics.h"
#include "frontend/screen_fit.h"
#include "game_dialogs.h"
#include "help_file.h"
#include "panel/key_map.h"
#include "panel/panel_drawing.h"
#include "session/main_loop.h"
#include "session/new_game.h"
#include "session/position_file.h"
#include "session/window_input.h"
#include "ui_fonts.h"
#include "wide_text.h"

namespace {

constexpr const wchar_t* ClassName = L"KV41Main";
constexpr DWORD WindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr UINT_PTR GameTimerId = 1;
constexpr int FirstMenuId = 1000;
constexpr int NewButtonId = 1, ResumeButtonId = 2;
constexpr UINT StartMessage = WM_APP + 1;

COLORREF Colour(kv41::Rgb c) {
    return RGB(c.Red, c.Green, c.Blue);
}

// An item's text with its shortcut key shown at the right, as menus show accelerators.
std::wstring ItemText(const kv41::MenuItem& item) {
    std::wstring text = Wide(item.Text);
    if (item.Shortcut != 0) text += L"\t" + std::wstring(1, static_cast<wchar_t>(item.Shortcut));
    return text;
}

// The game's code for a key that types no character: Enter, Esc, Backspace, F2 to F12 with or
// without Shift (F1 is the help's); 0 for any other.
int GameKey(WPARAM key) {
    switch (key) {
    case VK_RETURN: return kv41::KeyEnter;
    case VK_ESCAPE: return kv41::KeyEscape;
    case VK_BACK: return kv41::KeyBackspace;
    default: break;
    }
    if (key < VK_F2 || key > VK_F12) return 0;
    const int shift = GetKeyState(VK_SHIFT) < 0 ? kv41::KeyShift : 0;
    return shift + kv41::FunctionKey(static_cast<int>(key - VK_F1) + 1);
}

// Bit 30 of a key message: the key was already down (auto-repeat).
bool Repeated(LPARAM lParam) {
    return (lParam & (1L << 30)) != 0;
}

}  // namespace

MainWindow::MainWindow() : game_(std::make_unique<kv41::GameState>()) {
    host_ = std::make_unique<Win32Platform>(*this);
    game_->Host = host_.get();
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW type{};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = Proc;
    type.hInstance = instance;
    type.hCursor = LoadCursor(nullptr, IDC_ARROW);
    type.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    type.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    type.lpszClassName = ClassName;
    RegisterClassExW(&type);
    window_ = CreateWindowExW(0, ClassName, L"Getting ready", WindowStyle, CW_USEDEFAULT,
                              CW_USEDEFAULT, 800, 600, nullptr, nullptr, instance, this);
    BuildMenus();
    sounds_ = std::make_unique<WavePlayer>(window_);
    statusBar_ = std::make_unique<StatusBar>(
        window_, [this](kv41::WindowCommand command) { Give(kv41::Command{command}); });
    const kv41::StartScreenLayout start = kv41::StartScreenOf();
    auto button = [this, instance](const std::string& text, int id, DWORD style) {
        return CreateWindowExW(
            0, L"BUTTON", Wide(text).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 0, 0, 10,
            10, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    };
    newButton_ = button(start.Buttons.at(0), NewButtonId, BS_DEFPUSHBUTTON);
    resumeButton_ = button(start.Buttons.at(1), ResumeButtonId, BS_PUSHBUTTON);
}

MainWindow::~MainWindow() {
    infoWindows_.clear();
    if (sounds_) sounds_->Stop();
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    game_->Host = nullptr;
}

template <typename F>
void MainWindow::Guarded(F&& operation) {
    try {
        operation();
    } catch (const kv41::ProgramEnd& end) {
        host_->RequestExit(end.ExitCode);
    }
}

// The menus as the core describes them; each item's id stands for its command.
void MainWindow::BuildMenus() {
    shownMenu_ = kv41::MainMenu(*game_, menuSwitches_);
    menuBar_ = CreateMenu();
    int id = FirstMenuId;
    for (const kv41::MenuBarEntry& entry : shownMenu_) {
        if (entry.Items.empty()) {
            menuCommands_[id] = entry.Command;
            AppendMenuW(menuBar_, MF_STRING | (entry.Enabled ? 0 : MF_GRAYED), id++,
                        Wide(entry.Title).c_str());
            continue;
        }
        HMENU popup = CreatePopupMenu();
        for (const kv41::MenuItem& item : entry.Items) {
            if (item.Command == kv41::WindowCommand::None) {
                AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            menuCommands_[id] = item.Command;
            AppendMenuW(
                popup, MF_STRING | (item.Enabled ? 0 : MF_GRAYED) | (item.Checked ? MF_CHECKED : 0),
                id++, ItemText(item).c_str());
        }
        AppendMenuW(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                    Wide(entry.Title).c_str());
    }
    SetMenu(window_, menuBar_);
}

void MainWindow::SwitchMenuItem(const std::string& item, bool enabled) {
    if (kv41::RecordMenuSwitch(menuSwitches_, item, enabled) && menuBar_ != nullptr) SyncMenus();
}

// The check marks and enabled states brought up to date from the game as it stands; only what
// changed is touched.
void MainWindow::SyncMenus() {
    const std::vector<kv41::MenuBarEntry> now = kv41::MainMenu(*game_, menuSwitches_);
    bool barChanged = false;
    int id = FirstMenuId;
    for (std::size_t e = 0; e < now.size() && e < shownMenu_.size(); ++e) {
        const kv41::MenuBarEntry& entry = now[e];
        if (entry.Items.empty()) {
            if (entry.Enabled != shownMenu_[e].Enabled) {
                EnableMenuItem(menuBar_, static_cast<UINT>(id),
                               entry.Enabled ? MF_ENABLED : MF_GRAYED);
                barChanged = true;
            }
            ++id;
            continue;
        }
        for (std::size_t i = 0; i < entry.Items.size() && i < shownMenu_[e].Items.size(); ++i) {
            const kv41::MenuItem& item = entry.Items[i];
            if (item.Command == kv41::WindowCommand::None) continue;
            const kv41::MenuItem& was = shownMenu_[e].Items[i];
            if (item.Enabled != was.Enabled) {
                EnableMenuItem(menuBar_, static_cast<UINT>(id),
                               item.Enabled ? MF_ENABLED : MF_GRAYED);
            }
            if (item.Checked != was.Checked) {
                CheckMenuItem(menuBar_, static_cast<UINT>(id),
                              item.Checked ? MF_CHECKED : MF_UNCHECKED);
            }
            ++id;
        }
    }
    shownMenu_ = now;
    if (barChanged) DrawMenuBar(window_);
}

void MainWindow::Give(const kv41::Command& command) {
    Guarded([&] { queue_.Give(*game_, command, *this); });
    NoteInput();
}

bool MainWindow::RunHeldCommands() {
    bool ran = false;
    Guarded([&] { ran = queue_.RunHeld(*game_, *this); });
    std::vector<int> keys;
    keys.swap(heldKeys_);
    for (int key : keys) GiveKey(key);
    return ran || !keys.empty();
}

// A key of the game's own, taken at its next wait as the window's commands are.
void MainWindow::GiveKey(int key) {
    if (queue_.AtWork()) {
        heldKeys_.push_back(key);
        return;
    }
    Guarded([&] { kv41::OnKey(*game_, key); });
    NoteInput();
}

// A key typed at the window: a menu item's own key gives the item, any other the game's key.
void MainWindow::TypeKey(wchar_t key) {
    if (key >= 127 || key <= 32) return;
    for (const kv41::MenuBarEntry& entry : shownMenu_) {
        for (const kv41::MenuItem& item : entry.Items) {
            if (item.Shortcut != 0 && item.Enabled &&
                std::towupper(key) == static_cast<wchar_t>(item.Shortcut)) {
                Give(kv41::Command{item.Command});
                return;
            }
        }
    }
    Give(kv41::Command::Typed(static_cast<char>(key)));
}

void MainWindow::Pump(PumpMode mode) {
    SyncMenus();
    MSG message;
    for (;;) {
        const BOOL got =
            mode == PumpAll
                ? PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)
                : PeekMessageW(&message, nullptr, 0, 0,
                               PM_REMOVE | PM_QS_PAINT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE);
        if (!got) break;
        if (message.message == WM_QUIT) {
            host_->RequestExit(static_cast<int>(message.wParam));
            break;
        }
        Dispatch(message);
    }
    SyncMenus();
}

void MainWindow::Dispatch(MSG& message) {
    // A key typed in an information window is the game's, as if typed at the panel.
    if (message.message == WM_CHAR && GetAncestor(message.hwnd, GA_ROOT) != window_) {
        for (auto& [name, info] : infoWindows_) {
            if (!info->IsWindow(GetAncestor(message.hwnd, GA_ROOT))) continue;
            if (message.wParam != VK_ESCAPE) {
                TypeKey(static_cast<wchar_t>(message.wParam));
                return;
            }
        }
    }
    // Enter on the start screen presses the button that has the keyboard, else the first.
    if (onStartScreen_ && message.message == WM_KEYDOWN && message.wParam == VK_RETURN &&
        GetAncestor(message.hwnd, GA_ROOT) == window_) {
        startRequest_ = GetFocus() == resumeButton_ ? ResumeButtonId : NewButtonId;
        return;
    }
    // Enter, Esc, Backspace and the function keys are the game's own keys on the main window;
    // F10 would otherwise open the menu bar.
    const bool keyDown = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    if (keyDown && !onStartScreen_ && game_->SessionRunning &&
        GetAncestor(message.hwnd, GA_ROOT) == window_) {
        if (const int key = GameKey(message.wParam); key != 0) {
            if (!Repeated(message.lParam)) GiveKey(key);
            return;
        }
    }
    if (DialogMessage(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void MainWindow::PresentChanges() {
    canvas_.Present(window_, 0);
}

void MainWindow::SetGameTimer(int ms) {
    if (ms <= 0) {
        KillTimer(window_, GameTimerId);
    } else {
        SetTimer(window_, GameTimerId, static_cast<UINT>(ms), nullptr);
    }
}

// The largest panel font for which the whole window, frame, caption and menu bar included,
// fits the screen's work area.
void MainWindow::ComputeMaxFontSize() {
    auto& g = *game_;
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WindowStyle, TRUE, 0);
    const kv41::Margins chrome{-frame.left, -frame.top, frame.right, frame.bottom};
    const int fitted = kv41::LargestFittingFontSize(
        {work.right - work.left, work.bottom - work.top}, chrome, [this](int pointSize) {
            int width = 0, height = 0;
            canvas_.Metrics(pointSize, width, height);
            return kv41::CellSize{width, height + 1};
        });
    g.FontSize = fitted;
    g.MaxFontSize = fitted;
}

void MainWindow::LayoutForGrid() {
    const auto& g = *game_;
    const int width = kv41::PanelWidth(g);
    const int height = kv41::PanelHeight(g);
    RECT client;
    GetClientRect(window_, &client);
    if (canvas_.Width() == width && canvas_.Height() == height && client.right == width &&
        client.bottom == height) {
        return;
    }
    canvas_.Resize(width, height);
    statusBar_->Layout(g.FontSize, g.CellWidth, g.CellHeight, width);
    if (onStartScreen_) {
        const kv41::StartScreenLayout start = kv41::StartScreenOf();
        const HFONT font = SansFont(std::max(8, g.FontSize + 3));
        // Both as wide as the wider caption needs.
        int buttonWidth = 0;
        HDC screen = GetDC(window_);
        HGDIOBJ old = SelectObject(screen, font);
        for (const std::string& caption : start.Buttons) {
            SIZE extent{};
            const std::wstring text = Wide(caption);
            GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &extent);
            buttonWidth = std::max(buttonWidth, static_cast<int>(extent.cx));
        }
        SelectObject(screen, old);
        ReleaseDC(window_, screen);
        buttonWidth += 4 * FontCell(font).cx;
        const int buttonHeight = FontCell(font).cy * 2 + 8;
        const int gap = 40;
        const int panelHeight = height - g.StatusHeight;
        const int top = g.StatusHeight + panelHeight * start.ButtonsTopFifths / 5;
        const int left = (width - 2 * buttonWidth - gap) / 2;
        int x = left;
        for (HWND button : {newButton_, resumeButton_}) {
            SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
            MoveWindow(button, x, top, buttonWidth, buttonHeight, TRUE);
            x += buttonWidth + gap;
        }
    }
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, WindowStyle, TRUE, 0);
    const kv41::Size size{frame.right - frame.left, frame.bottom - frame.top};
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const kv41::Rect placed = kv41::CentredOnScreen(
        {work.left, work.top, work.right - work.left, work.bottom - work.top}, size);
    SetWindowPos(window_, nullptr, placed.Left, placed.Top, size.Width, size.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps takes more room: the client area is made the panel's size again.
    GetClientRect(window_, &client);
    if (client.bottom != height || client.right != width) {
        SetWindowPos(window_, nullptr, 0, 0, size.Width + width - client.right,
                     size.Height + height - client.bottom,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
    if (onStartScreen_) DrawStartScreen();
    TraceLayout();
}

void MainWindow::TraceLayout() {
    if (!host_->TraceOutput || !IsWindowVisible(window_)) return;
    const auto& g = *game_;
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    host_->Trace("layout: window " + std::to_string(reinterpret_cast<std::uintptr_t>(window_)) +
                 " panel " + std::to_string(origin.x) + ',' + std::to_string(origin.y) + " cell " +
                 std::to_string(g.CellWidth) + 'x' + std::to_string(g.CellHeight));
}

void MainWindow::SetGameCaption(const std::string& caption) {
    caption_ = caption;
    ShowCaption();
}

void MainWindow::ShowCaption() {
    SetWindowTextW(window_, Wide(kv41::ShownCaption(caption_, game_->Paused)).c_str());
}

void MainWindow::SetStatusTexts(const kv41::StatusTexts& status) {
    statusBar_->SetTexts(status);
}

void MainWindow::ShowInfo(const kv41::InfoWindow& info) {
    std::unique_ptr<InfoWindow>& window = infoWindows_[info.Name];
    if (!window) {
        window = std::make_unique<InfoWindow>(window_);
        window->PlaceFor = [this](const std::string& name, SIZE frame) {
            RECT work, main;
            SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
            GetWindowRect(window_, &main);
            // The panel starts below the status bar.
            POINT panelTop{0, game_->StatusHeight};
            ClientToScreen(window_, &panelTop);
            const kv41::Rect box = kv41::InfoWindowPlace(
                *game_, name, {work.left, work.top, work.right - work.left, work.bottom - work.top},
                {main.left, main.top, main.right - main.left, main.bottom - main.top}, panelTop.y,
                {frame.cx, frame.cy});
            return RECT{box.Left, box.Top, box.Left + box.Width, box.Top + box.Height};
        };
        window->LeftAt = [this](const std::string& name, int left, int top) {
            kv41::RememberWindowPlace(*game_, name, left, top);
        };
    }
    window->Show(info, kv41::InfoWindowFontSize(*game_, info.Name));
}

std::optional<int> MainWindow::ChooseBellCode(int box, int suggested) {
    return RunBellListDialog(window_, kv41::OpenBellList(*game_, box, suggested));
}

void MainWindow::ShowRating(const std::string& rating, const std::string& pointScore,
                            const std::string& perCent) {
    RunEndDialog(window_, kv41::EndWindowOf(rating, pointScore, perCent));
}

void MainWindow::ShowHelp(int topic) {
    host_->Trace("help: " + std::to_string(topic));
    OpenHelpTopic(window_, kv41::FileInDirectory(host_->ProgramDirectory(), kv41::HelpFileName),
                  topic);
}

std::optional<kv41::OptionValues> MainWindow::ChooseOptions() {
    return RunOptionsDialog(window_, kv41::OptionsWindowOf(*game_), kv41::CurrentOptions(*game_));
}

// New font sizes: the window is laid out again and the open information windows take theirs.
void MainWindow::OptionsTaken() {
    LayoutForGrid();
    for (auto& [name, window] : infoWindows_) {
        window->Restyle(kv41::InfoWindowFontSize(*game_, name));
    }
}

void MainWindow::PrepareStart() {
    auto& g = *game_;
    // The first activation: from now on closing the window is a question during a session.
    g.FirstActivation = false;
    ComputeMaxFontSize();
    Guarded([this] {
        kv41::PrepareStartScreen(*game_);
        // Every session is recorded beside the autosave, the file rewritten as it starts.
        recorder_ = std::make_unique<kv41::ReplayRecorder>(
            kv41::FileInDirectory(game_->DataDirectory, game_->ShortName.str() + " replay.kv41"));
        game_->Recorder = recorder_.get();
        LayoutForGrid();
        SetGameCaption(game_->GameTitle.str());
        DrawStartScreen();
    });
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    SetFocus(newButton_);
    TraceLayout();
}

// The start screen: the box's name over the two ways in.
void MainWindow::DrawStartScreen() {
    const auto& g = *game_;
    const kv41::StartScreenLayout start = kv41::StartScreenOf();
    HDC dc = canvas_.Dc();
    const int width = canvas_.Width();
    RECT all{0, g.StatusHeight, width, canvas_.Height()};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    const int top = g.StatusHeight + g.CellHeight * start.TitleRow;
    HGDIOBJ old = SelectObject(dc, SerifFont(g.FontSize * 2, true));
    SetTextColor(dc, Colour(start.TitleColour));
    const int titleHeight = FontCell(SerifFont(g.FontSize * 2, true)).cy;
    RECT title{0, top, width, top + titleHeight};
    DrawTextW(dc, Wide(start.Title).c_str(), -1, &title, DT_CENTER | DT_TOP | DT_NOPREFIX);
    SelectObject(dc, TypewriterFont(g.FontSize + 2));
    SetTextColor(dc, Colour(start.LinesColour));
    const int linesTop = top + titleHeight + g.CellHeight * start.LinesGapRows;
    for (std::size_t i = 0; i < start.Lines.size(); ++i) {
        const int y = linesTop + static_cast<int>(i) * g.CellHeight * start.LinePitchHalves / 2;
        RECT line{0, y, width, y + g.CellHeight * 2};
        DrawTextW(dc, Wide(start.Lines[i]).c_str(), -1, &line, DT_CENTER | DT_TOP | DT_NOPREFIX);
    }
    SelectObject(dc, old);
    canvas_.Touch(all);
    PresentChanges();
}

void MainWindow::HideStartScreen() {
    onStartScreen_ = false;
    ShowWindow(newButton_, SW_HIDE);
    ShowWindow(resumeButton_, SW_HIDE);
    // The title goes: from now on the panel shows only what the game draws.
    const auto& g = *game_;
    canvas_.Fill(0, g.StatusHeight, canvas_.Width(), canvas_.Height(), kv41::Rgb{0, 0, 0});
    PresentChanges();
    SetFocus(window_);
}

void MainWindow::NewClick() {
    const std::optional<NewGameChoice> choice =
        RunNewGameDialog(window_, kv41::OpenNewGameWindow(*game_));
    // Cancel, Esc or the close button: back to the start screen, nothing started.
    if (!choice) return;
    HideStartScreen();
    Guarded([&] { kv41::StartNewGame(*game_, choice->Shift, choice->Level); });
}

// The start screen stays as it was until a position has been loaded: a cancelled or failed
// load leaves it to the player again.
void MainWindow::ResumeClick() {
    Guarded([this] {
        if (!kv41::LoadPositionDialog(*game_)) return;
        HideStartScreen();
        kv41::RunSession(*game_);
    });
}

int MainWindow::Run(int newShift, int newLevel) {
    if (newShift > 0) {
        HideStartScreen();
        Guarded([&] {
            kv41::SetUpNewGame(*game_, newShift - 1, newLevel - 1);
            kv41::RunSession(*game_);
        });
    }
    MSG message;
    while (!host_->Exiting()) {
        if (startRequest_ != 0) {
            const int request = startRequest_;
            startRequest_ = 0;
            if (request == NewButtonId) NewClick();
            if (request == ResumeButtonId) ResumeClick();
            continue;
        }
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            host_->RequestExit(got == 0 ? static_cast<int>(message.wParam) : 1);
            break;
        }
        Dispatch(message);
        SyncMenus();
    }
    return host_->ExitCode();
}

bool MainWindow::PanelDrawn() const {
    const auto& g = *game_;
    if (!g.SessionRunning && !g.SessionOver) return false;
    for (int y = g.StatusHeight; y < canvas_.Height(); y += 2) {
        for (int x = 0; x < canvas_.Width(); x += 2) {
            if (canvas_.Pixel(x, y) != 0) return true;
        }
    }
    return false;
}

LRESULT CALLBACK MainWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->window_) return DefWindowProcW(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    auto& g = *game_;
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        canvas_.Paint(dc, paint.rcPaint, 0);
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: {
        // The core counts pixels from the top of the client area, status bar included, as
        // this window does.
        const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
        if (!onStartScreen_ && y >= g.StatusHeight) {
            Guarded([&] { kv41::OnMouseDown(g, x, y); });
            NoteInput();
        }
        SetFocus(window_);
        return 0;
    }
    case WM_CHAR:
        // A key held down is one press: a bell plunger is tapped by pressing its key again.
        if (!Repeated(lParam) && game_->SessionRunning) TypeKey(static_cast<wchar_t>(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == GameTimerId) {
            kv41::OnTimer(g);
            NoteInput();
        } else if (wParam == WavePlayer::TimerId) {
            sounds_->Next();
        }
        return 0;
    case WM_INITMENUPOPUP: SyncMenus(); return 0;
    // The window manager may place the window again once it has framed it.
    case WM_MOVE: TraceLayout(); return 0;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (lParam == 0) {
            if (auto it = menuCommands_.find(id); it != menuCommands_.end()) {
                Give(kv41::Command{it->second});
                ShowCaption();
            }
            return 0;
        }
        // The start screen's buttons start the session from the program's own loop, not from
        // inside the button's click.
        if (HIWORD(wParam) == BN_CLICKED && (id == NewButtonId || id == ResumeButtonId)) {
            startRequest_ = id;
            PostMessageW(window_, StartMessage, 0, 0);
        }
        return 0;
    }
    case StartMessage: return 0;
    // F1 opens the help topic of the window that has the keyboard: its own, else that of a
    // message box being shown, else the game's topic of the moment. The system sends F1 as
    // WM_HELP up from the window that has the keyboard to its owner, this window.
    case WM_HELP:
        ShowHelp(kv41::HelpTopicInForce(g, HelpTopicOf(GetActiveWindow()), boxHelp_));
        return TRUE;
    // Closing the window during a session is the quit question; on the start screen it ends
    // the program.
    case WM_CLOSE:
        if (!kv41::MayCloseWindow(g)) {
            NoteInput();
            return 0;
        }
        host_->RequestExit(0);
        return 0;
    default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}
