#include "win32_platform.h"

#include "windows_api.h"

#include <commdlg.h>

#include <vector>

#include "framework/file_replace.h"
#include "framework/ini_file.h"
#include "main_window.h"
#include "wide_text.h"

Win32Platform::Win32Platform(MainWindow& window) : window_(window) {}

void Win32Platform::SetMenuEnabled(const std::string& item, bool enabled) {
    window_.SwitchMenuItem(item, enabled);
}

void Win32Platform::ProcessEvents() {
    if (exiting_) throw kv41::ProgramEnd{exitCode_};
    window_.PresentChanges();
    // A command given now waits for the game's next wait.
    kv41::CommandQueue& queue = window_.Queue();
    const bool wasAtWork = queue.AtWork();
    queue.SetAtWork(true);
    window_.Pump(MainWindow::PumpAll);
    queue.SetAtWork(wasAtWork);
}

// Sleeps until something arrives (input, the game timer, a paint) or maxMs have passed.
void Win32Platform::WaitForEvents(int maxMs) {
    if (exiting_) throw kv41::ProgramEnd{exitCode_};
    // The commands held while the game was at work are its input now; the wait looks again at
    // what they did.
    if (window_.RunHeldCommands()) return;
    window_.PresentChanges();
    if (window_.InputWaiting()) {
        window_.ClearInputWaiting();
        window_.Pump(MainWindow::PumpAll);
        return;
    }
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(std::max(0, maxMs)), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
    window_.Pump(MainWindow::PumpAll);
    window_.ClearInputWaiting();
}

void Win32Platform::Sleep(int ms) {
    ::Sleep(static_cast<DWORD>(std::max(0, ms)));
}

int Win32Platform::TimeOfDayMs() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return ((now.wHour * 60 + now.wMinute) * 60 + now.wSecond) * 1000 + now.wMilliseconds;
}

uint32_t Win32Platform::ClockSeed() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    // Milliseconds, as the other front ends seed from.
    const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return static_cast<uint32_t>((ticks / 10000) & 0xffffffffu);
}

void Win32Platform::SetTimerInterval(int ms) {
    if (ms > 0 && TickOverrideMs > 0) ms = TickOverrideMs;
    if (ms == timerMs_) return;
    timerMs_ = ms;
    window_.SetGameTimer(ms);
}

// Returns at once: the sound plays in the background after those queued before it.
void Win32Platform::QueueWave(const std::string& fileName, int silenceAfterMs) {
    if (TraceOutput && !fileName.empty()) Trace("sound: " + fileName);
    window_.Sounds().Queue(
        fileName.empty() ? std::string() : kv41::FileInDirectory(ProgramDirectory(), fileName),
        silenceAfterMs);
}

void Win32Platform::StopSounds() {
    window_.Sounds().Stop();
}

int Win32Platform::RunBox(const std::string& text, unsigned style, int helpContext) {
    window_.PresentChanges();
    window_.SetBoxHelp(helpContext);
    const int answer =
        MessageBoxW(window_.Handle(), ControlText(text).c_str(),
                    Wide(window_.Game().GameTitle.str()).c_str(), style | MB_HELP | MB_APPLMODAL);
    window_.SetBoxHelp(0);
    return answer;
}

void Win32Platform::ShowBox(const std::string& text, kv41::BoxType type, int helpContext) {
    if (type == kv41::BoxType::Error) Trace("kv41: " + text);
    const unsigned icon = type == kv41::BoxType::Error     ? MB_ICONERROR
                          : type == kv41::BoxType::Warning ? MB_ICONWARNING
                                                           : MB_ICONINFORMATION;
    RunBox(text, MB_OK | icon, helpContext);
}

// The first button answers Enter: Yes.
bool Win32Platform::AskYesNo(const std::string& text, int helpContext) {
    return RunBox(text, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1, helpContext) == IDYES;
}

void Win32Platform::ShowRatingDialog(const std::string& rating, const std::string& pointScore,
                                     const std::string& perCent) {
    window_.PresentChanges();
    window_.ShowRating(rating, pointScore, perCent);
}

void Win32Platform::Report(kv41::Output, const std::string& text) {
    if (TraceOutput) Trace(text);
}

void Win32Platform::Trace(const std::string& line) {
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error == nullptr || error == INVALID_HANDLE_VALUE) return;
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(error, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::string Win32Platform::ProgramDirectory() {
    static const std::string directory = [] {
        std::vector<wchar_t> path(MAX_PATH);
        for (;;) {
            const DWORD length =
                GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
            if (length < path.size()) {
                std::wstring full(path.data(), length);
                return Narrow(full.substr(0, full.find_last_of(L"\\/")));
            }
            path.resize(path.size() * 2);
        }
    }();
    return directory;
}

std::string Win32Platform::ProgramDate() {
    std::vector<wchar_t> path(MAX_PATH * 4);
    GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    WIN32_FILE_ATTRIBUTE_DATA data{};
    SYSTEMTIME utc{}, local{};
    if (!GetFileAttributesExW(path.data(), GetFileExInfoStandard, &data)) return {};
    FileTimeToSystemTime(&data.ftLastWriteTime, &utc);
    SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
    wchar_t date[64] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, date, 64);
    return Narrow(date);
}

void Win32Platform::Terminate() {
    RequestExit(0);
}

void Win32Platform::RequestExit(int exitCode) {
    if (exiting_) return;
    exiting_ = true;
    exitCode_ = exitCode;
    PostQuitMessage(exitCode);
}

void Win32Platform::FontMetrics(int pointSize, int& cellWidth, int& textHeight) {
    window_.Canvas().Metrics(pointSize, cellWidth, textHeight);
    window_.Canvas().SetTextSize(pointSize);
}

void Win32Platform::DrawText(int x, int y, std::string_view text, kv41::Rgb fg, kv41::Rgb bg) {
    const auto& g = window_.Game();
    window_.Canvas().Text(x, y, g.CellWidth, g.CellHeight, text, fg, bg);
}

bool Win32Platform::DrawLabel(int x, int y, std::string_view text, int pointSize,
                              kv41::Rgb colour) {
    window_.Canvas().Label(x, y, text, pointSize, colour);
    return true;
}

void Win32Platform::FillRect(int x1, int y1, int x2, int y2, kv41::Rgb colour) {
    window_.Canvas().Fill(x1, y1, x2, y2, colour);
}

void Win32Platform::DrawLine(int x1, int y1, int x2, int y2, kv41::Rgb colour, int width) {
    window_.Canvas().Line(x1, y1, x2, y2, colour, width);
}

void Win32Platform::DrawEllipse(int x1, int y1, int x2, int y2, kv41::Rgb pen, kv41::Rgb fill) {
    window_.Canvas().Ellipse(x1, y1, x2, y2, pen, fill);
}

void Win32Platform::DrawPie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                            kv41::Rgb pen, kv41::Rgb fill) {
    window_.Canvas().Pie(x1, y1, x2, y2, x3, y3, x4, y4, pen, fill);
}

void Win32Platform::Present() {
    // A font size taken from the settings or the options changes the panel's size.
    window_.LayoutForGrid();
    const auto& g = window_.Game();
    if (TraceOutput && g.CellWidth != tracedCellWidth_) {
        tracedCellWidth_ = g.CellWidth;
        Trace("grid: " + std::to_string(g.CellWidth) + ' ' + std::to_string(g.CellHeight) + ' ' +
              std::to_string(g.StatusHeight));
    }
    window_.PresentChanges();
}

void Win32Platform::SetCaption(const std::string& caption) {
    window_.SetGameCaption(caption);
}

void Win32Platform::SetStatus(const kv41::StatusTexts& status) {
    window_.SetStatusTexts(status);
    // The trace notes each new minute of the clock, so that a watcher knows how far play is.
    const std::string minute = status.Time.substr(0, 6);
    if (TraceOutput && minute != tracedMinute_) Trace("time: " + minute);
    tracedMinute_ = minute;
}

void Win32Platform::ShowInfoWindow(const kv41::InfoWindow& window) {
    window_.ShowInfo(window);
}

std::optional<std::string> Win32Platform::ChooseFile(const kv41::FileChoice& choice) {
    // "Saved positions|*.sav|All|*.*" is the common dialog's filter with NULs for the bars.
    std::wstring filter = Wide(choice.Filter);
    for (wchar_t& c : filter) {
        if (c == L'|') c = L'\0';
    }
    filter.append(2, L'\0');
    std::vector<wchar_t> file(32768, L'\0');
    if (!choice.DefaultName.empty()) {
        const std::wstring name = Wide(choice.DefaultName + "." + choice.DefaultExt);
        name.copy(file.data(), std::min(name.size(), file.size() - 1));
    }
    const std::wstring title = Wide(choice.Title);
    const std::wstring start = Wide(choice.InitialDir);
    const std::wstring ext = Wide(choice.DefaultExt);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = window_.Handle();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrInitialDir = start.empty() ? nullptr : start.c_str();
    dialog.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_HIDEREADONLY |
                   (choice.Save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST);
    window_.PresentChanges();
    const BOOL chosen = choice.Save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen) return std::nullopt;
    return Narrow(file.data());
}

std::optional<int> Win32Platform::ChooseBellCode(int box, int suggested) {
    window_.PresentChanges();
    return window_.ChooseBellCode(box, suggested);
}

// The settings file is read and written by the game's own INI access, the same as the other
// front ends', so that its keys keep the order the game writes them in.
std::string Win32Platform::ReadSetting(const std::string& file, const std::string& section,
                                       const std::string& key, const std::string& fallback) {
    return kv41::ReadIniValue(SettingsFilePath(file), section, key, fallback);
}

bool Win32Platform::WriteSetting(const std::string& file, const std::string& section,
                                 const std::string& key, const std::string& value) {
    return kv41::WriteIniValue(SettingsFilePath(file), section, key, value);
}

std::string Win32Platform::SettingsFilePath(const std::string& file) {
    return kv41::DirectoryOf(file).empty() ? kv41::FileInDirectory(ProgramDirectory(), file) : file;
}
