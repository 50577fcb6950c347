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

bool ReplaceFile(const std::string& path, const std::string& text, const FileWriter& writer) {
    namespace fs = std::filesystem;
    // Named afresh each time, so that two programs saving the same file at once never write
    // into one another's temporary file.
    std::string temporary = path + ".kv41new" + std::to_string(std::random_device{}() % 1000000);
    std::error_code ignored;
    if (!writer(temporary, text)) {
        fs::remove(temporary, ignored);
        return false;
    }
    std::error_code error;
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
