#pragma once
// Writing a whole file so that a failure never destroys what was there before: the text goes
// to a temporary file beside the target, which replaces the target only once it is complete.
#include <functional>
#include <string>

namespace kv41 {

// Writes text to the file at path and reports whether every byte reached it. The default
// writes through a file stream; tests pass one that fails part-way.
using FileWriter = std::function<bool(const std::string& path, const std::string& text)>;

bool WriteFileWhole(const std::string& path, const std::string& text);

// Writes text to a temporary file beside path with writer, then renames it over path, which
// keeps its permissions. A path that may not be written (a read-only file, a folder missing or
// read-only) is refused before anything is written. On any failure the temporary file is
// removed and path is left untouched.
bool ReplaceFile(const std::string& path, const std::string& text,
                 const FileWriter& writer = WriteFileWhole);

// The directory part of a file name ("" when it has none).
std::string DirectoryOf(const std::string& fileName);
// A file name in a directory ("" meaning the current one).
std::string FileInDirectory(const std::string& directory, const std::string& name);

}  // namespace kv41
