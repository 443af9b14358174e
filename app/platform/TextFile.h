#pragma once
#include <string>
#include <string_view>

namespace platform {

enum class ReadOutcome { Read, Missing, Failed };

// Reads the whole file into text. Missing only when the file does not exist; any other error
// (no permission, a folder, an I/O error) is Failed, so a writer never mistakes an unreadable
// file for an empty one.
[[nodiscard]] ReadOutcome ReadTextFile(const std::string& path, std::string& text);

// Replaces the file's content as one step: the text goes to a new file beside it, which is
// flushed and then renamed over the old one. On failure the old file is left as it was.
// An existing file keeps its permission bits.
[[nodiscard]] bool ReplaceTextFile(const std::string& path, std::string_view text);

}  // namespace platform
