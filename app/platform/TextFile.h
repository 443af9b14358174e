#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The program's own text files (ZEL, CSV, INI, EEP, XEP): bounded reads of regular files and
// whole-file replacement. Every file is picked by a user, so nothing here trusts its kind or
// size.
namespace platform {

enum class ReadOutcome { Read, Missing, NotAFile, TooLarge, Failed };

// Reads the whole file into text when it is a regular file of at most maxBytes bytes.
// Missing only when the file does not exist; NotAFile for a folder, FIFO, device or socket
// (checked before it is opened, so nothing blocks); TooLarge when it holds more than maxBytes
// (no more than maxBytes + 1 bytes are read). Any other error is Failed, with errno telling why,
// so a writer never mistakes an unreadable file for an empty one. text is empty unless Read.
[[nodiscard]] ReadOutcome ReadTextFile(const std::string& path, std::size_t maxBytes,
                                       std::string& text);

// Why a read gave no text, for a message ("the file does not exist." ...). Call it right after
// the read: Failed is told from errno.
std::string DescribeReadFailure(ReadOutcome outcome, std::size_t maxBytes);

// Replaces the file's content as one step: the text goes to a new file with a short name in the
// same folder, which is flushed and then renamed over the old one. On failure the old file is
// left as it was and errno tells why. A symbolic link is followed: the file it names is
// replaced, the link stays. An existing file keeps its permission bits; one that has no write
// bit at all counts as read-only also for root (EACCES), and one that is no regular file is
// never replaced (EISDIR for a folder, EPERM otherwise).
[[nodiscard]] bool ReplaceTextFile(const std::string& path, std::string_view text);

// ReplaceTextFile, with a description of a failure that names the file and why.
[[nodiscard]] std::optional<std::string> WriteTextFile(const std::string& path,
                                                       std::string_view text);

// The system error in the user's language where the program knows it ("Permission denied").
std::string SystemErrorText(int error);

// A bad value as a message quotes it: at most a short, printable excerpt (bytes outside
// printable ASCII shown as '?', a long value cut with "...").
std::string MessageExcerpt(std::string_view value);

}  // namespace platform
