#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace dlt {

// No text file of the program comes near this; a larger one (or a device
// that never ends) is refused before it can fill the memory.
inline constexpr size_t kMaxTextFileBytes = size_t{64} << 20;

// The whole content of a regular file of at most `maxBytes` bytes. A
// folder, a device or a pipe, a missing file and a larger file are refused
// with a message naming the path.
std::optional<std::string> ReadRegularFile(const std::string& path, size_t maxBytes,
                                           std::string* error = nullptr);

// Every file the program writes goes through here: the bytes go to a
// temporary file beside `path`, which replaces `path` only once it is
// complete, so a failed write (a full disk) leaves the old file as it was.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);

}  // namespace dlt
