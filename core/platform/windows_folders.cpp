#ifdef _WIN32
#include "platform/windows_folders.h"

#include <windows.h>
// windows.h first: the shell's headers depend on its types.
#include <knownfolders.h>
#include <shlobj.h>

#include <filesystem>
#include <system_error>

namespace kv41 {

namespace {

std::string KnownFolder(const KNOWNFOLDERID& id) {
    PWSTR path = nullptr;
    std::string text;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path))) {
        text = Utf8FromWide(path);
    }
    CoTaskMemFree(path);
    return text;
}

}  // namespace

std::string Utf8FromWide(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.pop_back();  // the terminating zero
    return out;
}

std::wstring WideFromUtf8(const std::string& text) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    if (size <= 1) return {};
    std::wstring out(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, out.data(), size);
    out.pop_back();
    return out;
}

StandardPlaces KnownFolderPlaces() {
    StandardPlaces places;
    const std::string appData = KnownFolder(FOLDERID_RoamingAppData);
    if (!appData.empty()) places.Config = places.Data = appData + "\\KV41";
    places.Documents = KnownFolder(FOLDERID_Documents);
    return places;
}

std::vector<std::string> ProgramFilesFolders() {
    std::vector<std::string> folders;
    for (const KNOWNFOLDERID* id : {&FOLDERID_ProgramFiles, &FOLDERID_ProgramFilesX86}) {
        std::string folder = KnownFolder(*id);
        if (!folder.empty()) folders.push_back(folder);
    }
    return folders;
}

}  // namespace kv41
#endif
