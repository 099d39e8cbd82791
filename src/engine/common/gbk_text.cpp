#include "common/gbk_text.h"

#include <iconv.h>

#include <cerrno>

#include "common/file_io.h"

namespace dlt {
namespace {

std::optional<std::string> Convert(const char* to, const char* from, std::string_view in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  out.resize(in.size() * 2 + 16);
  char* inptr = const_cast<char*>(in.data());
  size_t inleft = in.size();
  char* outptr = out.data();
  size_t outleft = out.size();
  bool ok = true;
  while (inleft > 0) {
    if (iconv(cd, &inptr, &inleft, &outptr, &outleft) == static_cast<size_t>(-1)) {
      if (errno == E2BIG) {
        const size_t used = out.size() - outleft;
        out.resize(out.size() * 2);
        outptr = out.data() + used;
        outleft = out.size() - used;
        continue;
      }
      ok = false;
      break;
    }
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - outleft);
  return out;
}

}  // namespace

bool IsValidUtf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    size_t extra;
    if (c < 0x80)
      extra = 0;
    else if ((c >> 5) == 0x6)
      extra = 1;
    else if ((c >> 4) == 0xE)
      extra = 2;
    else if ((c >> 3) == 0x1E)
      extra = 3;
    else
      return false;
    if (i + extra >= s.size() && extra > 0) return false;
    for (size_t k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) return false;
    i += extra + 1;
  }
  return true;
}

std::string CutText(std::string_view utf8, size_t maxChars) {
  size_t chars = 0;
  for (size_t i = 0; i < utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;  // inside a character
    if (chars++ == maxChars) return std::string(utf8.substr(0, i)) + "...";
  }
  return std::string(utf8);
}

std::optional<std::string> Utf8ToGbk(std::string_view utf8) {
  return Convert("GBK", "UTF-8", utf8);
}

std::optional<std::string> GbkToUtf8(std::string_view gbk) {
  return Convert("UTF-8", "GBK", gbk);
}

bool WriteGbkText(const std::string& path, std::string_view utf8, std::string* error) {
  auto gbk = Utf8ToGbk(utf8);
  if (!gbk) {
    if (error) *error = "文本含有无法用GBK编码的字符";
    return false;
  }
  // Readers take bytes that are valid UTF-8 as UTF-8. The rare GBK text whose
  // bytes are valid UTF-8 too (or begin like its mark) would come back as
  // other text, so it is written as UTF-8 with the mark instead.
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  if ((gbk->starts_with(kMark) || IsValidUtf8(*gbk)) && DecodeFileText(*gbk) != utf8)
    return WriteFileAtomically(path, std::string(kMark) + std::string(utf8), error);
  return WriteFileAtomically(path, *gbk, error);
}

bool WriteGbkLines(const std::string& path, const std::vector<std::string>& lines,
                   std::string* error) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return WriteGbkText(path, text, error);
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path, std::string* error) {
  auto bytes = ReadRegularFile(path, kMaxTextFileBytes, error);
  if (!bytes) return std::nullopt;
  auto text = DecodeFileText(std::move(*bytes));
  if (!text) {
    if (error) *error = "文件不是GBK编码的文本: " + path;
    return std::nullopt;
  }
  return SplitLines(*text);
}

std::optional<std::string> DecodeFileText(std::string raw) {
  if (raw.size() >= 3 && raw.compare(0, 3, "\xEF\xBB\xBF") == 0) raw.erase(0, 3);
  if (IsValidUtf8(raw)) return raw;
  return GbkToUtf8(raw);
}

}  // namespace dlt
