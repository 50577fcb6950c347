#include "framework/file_replace.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace kv41 {

bool WriteFileWhole(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    bool written = static_cast<bool>(out);
    out.close();
    return written && !out.fail();
}

namespace {

namespace fs = std::filesystem;

bool HasWriteBit(fs::perms perms) {
    return (perms & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) !=
           fs::perms::none;
}

// Whether the file at path, which exists, may be written over. A file marked read-only is
// refused even where the system would let this user write it (the superuser may write
// anything): the player marked it so to keep it.
bool MayOverwrite(const std::string& path, const fs::file_status& status) {
    if (!fs::is_regular_file(status) || !HasWriteBit(status.permissions())) return false;
    // Opened for appending and closed at once, the file is not changed at all.
    std::ofstream probe(path, std::ios::binary | std::ios::app);
    return static_cast<bool>(probe);
}

// The same for the folder in which the file is to be made.
bool FolderWritable(const std::string& path) {
    fs::path folder = fs::path(path).parent_path();
    if (folder.empty()) folder = ".";
    std::error_code error;
    fs::file_status status = fs::status(folder, error);
    return !error && fs::is_directory(status) && HasWriteBit(status.permissions());
}

}  // namespace

bool ReplaceFile(const std::string& path, const std::string& text, const FileWriter& writer) {
    std::error_code error;
    const fs::file_status old = fs::status(path, error);
    const bool replacing = !error && fs::exists(old);
    if (replacing && !MayOverwrite(path, old)) return false;
    if (!FolderWritable(path)) return false;
    // Named afresh each time, so that two programs saving the same file at once never write
    // into one another's temporary file.
    std::string temporary = path + ".kv41new" + std::to_string(std::random_device{}() % 1000000);
    std::error_code ignored;
    if (!writer(temporary, text)) {
        fs::remove(temporary, ignored);
        return false;
    }
    // The new file keeps the old one's permissions, not those a fresh file gets.
    if (replacing) fs::permissions(temporary, old.permissions(), ignored);
    fs::rename(temporary, path, error);
    if (error) {
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

std::string DirectoryOf(const std::string& fileName) {
    return std::filesystem::path(fileName).parent_path().string();
}

std::string FileInDirectory(const std::string& directory, const std::string& name) {
    if (directory.empty()) return name;
    return (std::filesystem::path(directory) / name).string();
}

}  // namespace kv41
