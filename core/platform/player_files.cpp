#include "platform/player_files.h"

#include <cctype>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/windows_folders.h"

namespace kv41 {

namespace {

namespace fs = std::filesystem;

constexpr const char* AppFolder = "kv41";

[[maybe_unused]] std::string Environment(const char* name) {  // not on Windows
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

void MakeDirectory(const std::string& directory) {
    std::error_code error;
    if (!directory.empty()) fs::create_directories(directory, error);
}

}  // namespace

bool DirectoryWritable(const std::string& directory) {
    std::error_code error;
    if (directory.empty() || !fs::is_directory(directory, error)) return false;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path probe = fs::path(directory) / (".kv41-probe-" + std::to_string(stamp));
    bool created = false;
    {
        std::ofstream out(probe);
        created = static_cast<bool>(out);
    }
    if (created) fs::remove(probe, error);
    return created;
}

bool KeepFilesBesideProgram(const std::string& programDirectory, bool writable) {
    if (!writable) return false;
    std::error_code error;
    fs::path path = fs::weakly_canonical(programDirectory, error);
    if (error) path = programDirectory;
#ifdef _WIN32
    // Program Files, which an administrator (and any program under Wine) can write too.
    auto folded = [](const fs::path& p) {
        std::string text = p.generic_string();
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (!text.empty() && text.back() == '/') text.pop_back();
        return text;
    };
    const std::string text = folded(path);
    for (const std::string& folder : ProgramFilesFolders()) {
        const std::string root = folded(fs::path(folder));
        if (text == root || text.rfind(root + "/", 0) == 0) return false;
    }
    return true;
#else
    const std::string text = path.generic_string();
    return text != "/usr" && text.rfind("/usr/", 0) != 0;
#endif
}

PlayerDirectories ChoosePlayerDirectories(const std::string& programDirectory, bool writable,
                                          const StandardPlaces& places) {
    if (KeepFilesBesideProgram(programDirectory, writable)) {
        return {programDirectory, programDirectory, programDirectory};
    }
    MakeDirectory(places.Config);
    MakeDirectory(places.Data);
    return {places.Config, places.Data, places.Documents};
}

StandardPlaces FreedesktopPlaces() {
#ifdef _WIN32
    // Windows has no freedesktop.org places: the player's own are its known folders.
    return KnownFolderPlaces();
#else
    const fs::path home = Environment("HOME");
    auto base = [&home](const char* variable, const fs::path& fallback) {
        const std::string set = Environment(variable);
        // The specification ignores relative paths in these variables.
        return (set.empty() || set.front() != '/') ? home / fallback : fs::path(set);
    };
    StandardPlaces places;
    places.Config = (base("XDG_CONFIG_HOME", ".config") / AppFolder).string();
    places.Data = (base("XDG_DATA_HOME", fs::path(".local") / "share") / AppFolder).string();
    std::string documents = Environment("XDG_DOCUMENTS_DIR");
    std::error_code error;
    if (documents.empty() || documents.front() != '/') {
        documents = fs::is_directory(home / "Documents", error) ? (home / "Documents").string()
                                                                : home.string();
    }
    places.Documents = documents;
    return places;
#endif
}

}  // namespace kv41
