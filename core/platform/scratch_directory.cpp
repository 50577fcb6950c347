#include "platform/scratch_directory.h"

#include <atomic>
#include <chrono>
#include <filesystem>

namespace kv41 {

ScratchDirectory::ScratchDirectory() {
    static std::atomic<unsigned> made{0};
    std::error_code error;
    const auto base = std::filesystem::temp_directory_path(error);
    if (error) return;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto dir = base / ("kv41-scratch-" + std::to_string(stamp) + "-" +
                           std::to_string(made.fetch_add(1)));
        if (std::filesystem::create_directory(dir, error) && !error) {
            path_ = dir.string();
            return;
        }
    }
}

ScratchDirectory::~ScratchDirectory() {
    if (path_.empty()) return;
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

}  // namespace kv41
