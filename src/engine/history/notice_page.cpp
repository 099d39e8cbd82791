#include "history/notice_page.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "common/text.h"
#include "history/draw_table.h"

namespace dlt {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int DigitsValue(std::string_view s) {
  int v = 0;
  for (char c : s) v = v * 10 + (c - '0');
  return v;
}

// The leading decimal digits of the text, 0 when there are none.
int LeadingNumber(std::string_view s) {
  s = Trim(s);
  size_t n = 0;
  while (n < s.size() && n < 9 && IsDigit(s[n])) ++n;
  return DigitsValue(s.substr(0, n));
}

std::string EntryKey(int n) {
  char key[16];
  std::snprintf(key, sizeof key, "%07d:", n);
  return key;
}

}  // namespace

std::string TextBetween(std::string_view page, std::string_view start, std::string_view end) {
  const size_t s = page.find(start);
  if (s == std::string_view::npos) return {};
  const size_t from = s + start.size();
  const size_t e = page.find(end, from);
  if (e == std::string_view::npos) return {};
  return std::string(page.substr(from, e - from));
}

NoticeValues ParseNoticeValues(std::string_view page, int version) {
  const std::string v = std::to_string(version);
  NoticeValues out;
  out.openPages = TextBetween(page, "打开网页:", ":打开网页");
  out.updateAtStart = TextBetween(page, "启动时更新:", ":启动时更新");
  out.inform = TextBetween(page, v + "提示:", ":" + v + "提示") +
               TextBetween(page, "公共提示:", ":公共提示");
  out.downloads = TextBetween(page, v + "下载地址:", ":" + v + "下载地址");
  // The version is the four characters after its marker; anything that is
  // not a number there counts as no announcement.
  constexpr std::string_view kVersionMarker = "新版本号:";
  if (const size_t p = page.find(kVersionMarker); p != std::string_view::npos)
    out.newVersion = LeadingNumber(page.substr(p + kVersionMarker.size(), 4));
  return out;
}

std::optional<std::string_view> NoticeDrawSection(std::string_view page) {
  constexpr std::string_view kMarker = "中奖数据";
  const size_t p = page.find(kMarker);
  if (p == std::string_view::npos) return std::nullopt;
  return page.substr(p + kMarker.size());
}

NoticeEntry FindNoticeEntry(std::string_view section, int n) {
  NoticeEntry e;
  const std::string key = EntryKey(n);
  const size_t p = section.find(key);
  if (p == std::string_view::npos) return e;
  e.found = true;
  const std::string_view body = section.substr(p + key.size(), 21);
  if (body.size() < 21 || !std::all_of(body.begin(), body.end(), IsDigit)) {
    e.error = "第" + std::to_string(n) + "条数据格式不对";
    return e;
  }
  std::array<int64_t, 5> front{};
  std::array<int64_t, 2> back{};
  for (int i = 0; i < 5; ++i) front[i] = DigitsValue(body.substr(7 + 2 * i, 2));
  for (int i = 0; i < 2; ++i) back[i] = DigitsValue(body.substr(17 + 2 * i, 2));
  std::string why;
  e.draw = ValidateDraw(DigitsValue(body.substr(0, 7)), front, back, &why);
  if (!e.draw) e.error = "第" + std::to_string(n) + "条数据: " + why;
  return e;
}

NoticeUpdateResult ApplyNoticeDraws(DrawTable& table, std::string_view page) {
  NoticeUpdateResult r;
  const auto section = NoticeDrawSection(page);
  if (!section) return r;

  // New draws are gathered first and stored in one transaction.
  std::vector<Draw> fresh;
  auto known = [&](int32_t qs) {
    return table.IndexOf(qs) >= 0 ||
           std::any_of(fresh.begin(), fresh.end(), [qs](const Draw& d) { return d.qs == qs; });
  };

  // Entries up to `passUntil` follow a stored entry 1 and are expected to
  // be stored already. The walk ends at the first missing key, inside that
  // stretch too, so what a page adds never depends on an earlier update.
  int passUntil = 0;
  for (int n = 1;; ++n) {
    const NoticeEntry e = FindNoticeEntry(*section, n);
    if (!e.found) break;
    if (!e.draw) {
      ++r.invalid;
      continue;
    }
    if (n <= passUntil) {
      if (known(e.draw->qs)) {
        ++r.passedOver;
      } else {
        fresh.push_back(*e.draw);
        ++r.gapsFilled;
      }
      continue;
    }
    const int stored = table.IndexOf(e.draw->qs);
    if (n == 1 && stored >= 0) {
      ++r.existing;
      passUntil = n + table.LastRealIndex() - stored;
      continue;
    }
    if (known(e.draw->qs)) {
      ++r.existing;
    } else {
      fresh.push_back(*e.draw);
    }
  }
  if (!fresh.empty()) {
    CursorGuard keep(table);
    r.added = table.ApplyImport(fresh, /*overwrite=*/false);
  }
  return r;
}

std::vector<std::string> SplitDownloadList(std::string_view list) {
  std::vector<std::string> out;
  size_t from = 0;
  for (size_t p = list.find('$'); p != std::string_view::npos; p = list.find('$', from)) {
    const std::string_view piece = Trim(list.substr(from, p - from));
    if (!piece.empty()) out.emplace_back(piece);
    from = p + 1;
  }
  return out;
}

bool IsSafeWebAddress(std::string_view address) {
  std::string lower(address.substr(0, 8));
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  size_t rest;
  if (lower.rfind("http://", 0) == 0)
    rest = 7;
  else if (lower.rfind("https://", 0) == 0)
    rest = 8;
  else
    return false;
  for (char c : address) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f || c == ' ' || c == '"' || c == '\'' || c == '\\' || c == '<' ||
        c == '>' || c == '`')
      return false;
  }
  const std::string_view hostPart = address.substr(rest);
  const size_t hostEnd = hostPart.find_first_of("/?#");
  const std::string_view host = hostPart.substr(0, hostEnd);
  return !host.empty() && host.front() != '@' && host.front() != ':';
}

std::vector<std::string> SafeDownloadAddresses(std::string_view list) {
  std::vector<std::string> out;
  for (auto& a : SplitDownloadList(list))
    if (IsSafeWebAddress(a)) out.push_back(std::move(a));
  return out;
}

NoticePopup ChooseNoticePopup(const NoticeValues& thisRun, std::optional<int> storedNewVersion,
                              const std::string& storedInform, const std::string& storedDownloads,
                              int version) {
  NoticePopup p{thisRun.inform, thisRun.downloads};
  if (storedNewVersion && version < *storedNewVersion) {
    p.text = storedInform;
    p.downloads = storedDownloads;
  }
  if (p.text.empty()) p.text = "欢迎使用。";
  return p;
}

}  // namespace dlt
