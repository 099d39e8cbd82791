#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dlt {

// Text files are kept in GBK with CR LF line ends; inside the program text is UTF-8.

// UTF-8 to GBK; nullopt when a character has no GBK form.
std::optional<std::string> Utf8ToGbk(std::string_view utf8);
// GBK to UTF-8; nullopt for bytes that are not GBK.
std::optional<std::string> GbkToUtf8(std::string_view gbk);

// Writes every line followed by CR LF, converted to GBK, through
// WriteFileAtomically. Returns false and sets `error` when the file cannot
// be written or a line has no GBK form; the old file is then untouched.
bool WriteGbkLines(const std::string& path, const std::vector<std::string>& lines,
                   std::string* error = nullptr);

// Writes UTF-8 text converted to GBK as it is (the caller puts in the CR LF).
bool WriteGbkText(const std::string& path, std::string_view utf8, std::string* error = nullptr);

// Reads a GBK (or plain ASCII/UTF-8) text file into UTF-8 lines without their
// CR LF / LF ends. A file that is valid UTF-8 is taken as UTF-8, so files
// made by other tools load too. Only regular files up to kMaxTextFileBytes
// are read (ReadRegularFile).
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path,
                                                      std::string* error = nullptr);

// The bytes of a text file as UTF-8 text: a leading UTF-8 byte-order mark
// dropped, valid UTF-8 taken as it is, anything else read as GBK; nullopt
// when it is neither.
std::optional<std::string> DecodeFileText(std::string raw);

// Splits text at LF, dropping a CR before it; a final empty piece is dropped.
std::vector<std::string> SplitLines(std::string_view text);

bool IsValidUtf8(std::string_view s);

// Text echoed in a message: the first `maxChars` characters of UTF-8 text,
// followed by "..." when there was more (never a character cut in half).
std::string CutText(std::string_view utf8, size_t maxChars = 40);

}  // namespace dlt
