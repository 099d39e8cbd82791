#include "history/settings_file.h"

#include <charconv>
#include <cstdlib>
#include <map>

#include "common/coldhot_input.h"
#include "common/gbk_text.h"
#include "common/text.h"
#include "history/results_sync.h"

namespace dlt {
namespace {

// The values of section [software] by key ("dltsettings\qs").
std::map<std::string, std::string, std::less<>> SoftwareSection(const std::string& path) {
  std::map<std::string, std::string, std::less<>> values;
  const auto lines = ReadTextLines(path);
  if (!lines) return values;
  bool inSection = false;
  for (const std::string& raw : *lines) {
    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      inSection = line == "[software]";
      continue;
    }
    const size_t eq = line.find('=');
    if (!inSection || eq == std::string_view::npos) continue;
    std::string_view value = Trim(line.substr(eq + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    values.insert_or_assign(std::string(Trim(line.substr(0, eq))), std::string(value));
  }
  return values;
}

}  // namespace

std::string DefaultSettingsPath() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
    return std::string(xdg) + "/dlt/dlt.ini";
  const char* home = std::getenv("HOME");
  return std::string(home ? home : ".") + "/.config/dlt/dlt.ini";
}

bool InColdHotRange(int value, bool window) {
  return window ? value >= kColdHotWindowMin && value <= kColdHotWindowMax
                : value >= kColdHotThresholdMin && value <= kColdHotThresholdMax;
}

ColdHotSettings ReadColdHotSettings(const std::string& path, std::string* error) {
  const auto values = SoftwareSection(path);
  const auto read = [&](const char* name, int& into, bool window) {
    const auto it = values.find(std::string("dltsettings\\") + name);
    if (it == values.end()) return;
    const std::string& text = it->second;
    const std::optional<int> parsed = IntegerOfText<int>(text);
    if (!parsed) return;
    if (InColdHotRange(*parsed, window)) {
      into = *parsed;
    } else if (error && error->empty()) {
      *error = "设置文件 " + path + " 中的" + name + "=" + text + "不在" +
               (window ? "1到255" : "0到255") + "之间";
    }
  };
  ColdHotSettings s;
  read("qs", s.qs, true);
  read("coldcs", s.coldcs, false);
  read("hotcs", s.hotcs, false);
  read("f_qs", s.f_qs, true);
  read("f_coldcs", s.f_coldcs, false);
  read("f_hotcs", s.f_hotcs, false);
  return s;
}

std::string ReadSyncUrl(const std::string& path) {
  const auto values = SoftwareSection(path);
  const auto it = values.find("dltsettings\\syncurl");
  if (it == values.end() || it->second.empty()) return std::string(kDefaultSyncUrl);
  return it->second;
}

}  // namespace dlt

namespace dlt {

PrizeTable ReadPrizeTable(const std::string& path) {
  const auto values = SoftwareSection(path);
  PrizeTable t = PrizeTable::Defaults();
  const auto find = [&](std::string_view name) -> const std::string* {
    const auto it = values.find("dltsettings\\" + std::string(name));
    return it == values.end() ? nullptr : &it->second;
  };
  if (const std::string* price = find(kTicketPriceSetting))
    if (const auto fen = ReadTicketPrice(*price, nullptr)) t.ticketPriceFen = *fen;
  for (int level = 1; level <= 8; ++level) {
    const std::string* text = find(PrizeSetting(level));
    std::optional<int64_t> fen;
    if (text && ReadYuanText(*text, &fen, nullptr)) t.fixedFen[static_cast<size_t>(level)] = fen;
  }
  return t;
}

}  // namespace dlt
