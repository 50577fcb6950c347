#include "help_file.h"

#include <htmlhelp.h>

#include "wide_text.h"

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

// The viewer's library is loaded on the first F1, not at start-up.
HtmlHelpFunction Viewer() {
    static const HtmlHelpFunction viewer = [] {
        HMODULE library = LoadLibraryW(L"hhctrl.ocx");
        return library ? reinterpret_cast<HtmlHelpFunction>(
                             reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpW")))
                       : nullptr;
    }();
    return viewer;
}

bool helpOpened = false;

}  // namespace

void OpenHelpTopic(HWND owner, const std::string& helpFile, int topic) {
    const HtmlHelpFunction viewer = Viewer();
    if (!viewer) return;
    helpOpened = true;
    const std::wstring file = Wide(helpFile);
    // A topic the file does not map opens the help at its start rather than not at all.
    if (topic <= 0 ||
        !viewer(owner, file.c_str(), HH_HELP_CONTEXT, static_cast<DWORD_PTR>(topic))) {
        viewer(owner, file.c_str(), HH_DISPLAY_TOPIC, 0);
    }
}

void CloseHelp() {
    if (!helpOpened) return;
    helpOpened = false;
    if (const HtmlHelpFunction viewer = Viewer()) viewer(nullptr, nullptr, HH_CLOSE_ALL, 0);
}
