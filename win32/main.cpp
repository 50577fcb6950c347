// kv41.exe: the desktop program on the Windows API.
//
// Options for tests and demonstrations:
//   --new SHIFT LEVEL   start a new game at once (1 Night .. 5 Marathon, 1 Very easy .. 5 Very
//                       hard)
//   --tick-ms N         real milliseconds per simulation step (default: the game's speed)
//   --exit-after MS     end the program after MS milliseconds
//   --self-check        at the end, fail (exit code 3) unless the panel shows a drawing
//   --trace             print the messages of play, and where the window and its grid lie, on
//                       standard error
#include "windows_api.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "framework/file_replace.h"
#include "framework/program_files.h"
#include "help_file.h"
#include "main_window.h"
#include "wide_text.h"

namespace {

constexpr int SelfCheckFailed = 3;
constexpr int BadArguments = 2;

Win32Platform* exitHost = nullptr;

void CALLBACK ExitNow(HWND, UINT, UINT_PTR, DWORD) {
    if (exitHost) exitHost->RequestExit(0);
}

void Complain(const std::string& text) {
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    const std::string line = "kv41: " + text + "\n";
    DWORD written = 0;
    if (error && error != INVALID_HANDLE_VALUE) {
        WriteFile(error, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }
}

// The panel font, registered for this program alone for as long as it runs.
class PrivateFont {
public:
    explicit PrivateFont(std::wstring file) : file_(std::move(file)) {
        added_ = AddFontResourceExW(file_.c_str(), FR_PRIVATE, nullptr) > 0;
    }
    ~PrivateFont() {
        if (added_) RemoveFontResourceExW(file_.c_str(), FR_PRIVATE, nullptr);
    }

private:
    std::wstring file_;
    bool added_ = false;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(Narrow(argv[i]));
    LocalFree(argv);
    int newShift = 0, newLevel = 0, exitAfter = 0, tickMs = 0;
    bool trace = false, selfCheck = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--new" && i + 2 < args.size()) {
            newShift = std::atoi(args[++i].c_str());
            newLevel = std::atoi(args[++i].c_str());
        } else if (a == "--exit-after" && i + 1 < args.size()) {
            exitAfter = std::atoi(args[++i].c_str());
        } else if (a == "--tick-ms" && i + 1 < args.size()) {
            tickMs = std::atoi(args[++i].c_str());
        } else if (a == "--self-check") {
            selfCheck = true;
        } else if (a == "--trace") {
            trace = true;
        } else {
            Complain("unknown option " + a);
            return BadArguments;
        }
    }
    if (newShift < 0 || newShift > 5 || newLevel < 0 || newLevel > 5 ||
        (newShift > 0) != (newLevel > 0)) {
        Complain("--new takes a shift 1..5 and a level 1..5");
        return BadArguments;
    }

    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    int result = 0;
    {
        MainWindow window;
        Win32Platform& host = window.Host();
        host.TraceOutput = trace;
        host.TickOverrideMs = tickMs;
        const PrivateFont font(
            Wide(kv41::FileInDirectory(host.ProgramDirectory(), kv41::FontFileName)));
        // The help and the font must stand beside the program; without them it ends at once.
        try {
            kv41::CheckProgramFiles(window.Game());
        } catch (const kv41::ProgramEnd& end) {
            return end.ExitCode;
        }
        exitHost = &host;
        if (exitAfter > 0) SetTimer(nullptr, 0, static_cast<UINT>(exitAfter), ExitNow);
        window.PrepareStart();
        result = window.Run(newShift, newLevel);
        exitHost = nullptr;
        CloseHelp();
        if (selfCheck && !window.PanelDrawn()) {
            Complain("self-check failed: the panel shows nothing");
            result = SelfCheckFailed;
        }
    }
    CoUninitialize();
    return result;
}
