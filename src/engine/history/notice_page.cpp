#include "history/notice_page.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <unordered_set>

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

namespace {

// The entry whose key ends just before `body` (the text after the key).
NoticeEntry EntryAt(std::string_view body, int n) {
  NoticeEntry e;
  e.found = true;
  body = body.substr(0, 21);
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

constexpr size_t kKeyDigits = 7;

}  // namespace

NoticeEntry FindNoticeEntry(std::string_view section, int n) {
  const std::string key = EntryKey(n);
  const size_t p = section.find(key);
  if (p == std::string_view::npos) return {};
  return EntryAt(section.substr(p + key.size()), n);
}

std::vector<NoticeEntry> NoticeEntries(std::string_view section) {
  // A key is seven digits and a colon, so every colon ends at most one key:
  // one pass over the colons finds where each key first stands. Entry n
  // needs the keys 1..n, so numbers above the count of colons never matter.
  const size_t colons = static_cast<size_t>(std::count(section.begin(), section.end(), ':'));
  std::vector<size_t> firstKey(colons + 1, std::string_view::npos);
  for (size_t c = section.find(':'); c != std::string_view::npos; c = section.find(':', c + 1)) {
    if (c < kKeyDigits) continue;
    const std::string_view digits = section.substr(c - kKeyDigits, kKeyDigits);
    if (!std::all_of(digits.begin(), digits.end(), IsDigit)) continue;
    const auto n = static_cast<size_t>(DigitsValue(digits));
    if (n < firstKey.size() && firstKey[n] == std::string_view::npos) firstKey[n] = c + 1;
  }
  std::vector<NoticeEntry> entries;
  for (size_t n = 1; n < firstKey.size() && firstKey[n] != std::string_view::npos; ++n)
    entries.push_back(EntryAt(section.substr(firstKey[n]), static_cast<int>(n)));
  return entries;
}

NoticeDrawPlan PlanNoticeDraws(std::string_view page, const StoredDrawLookup& stored) {
  NoticeDrawPlan plan;
  NoticeUpdateResult& r = plan.counts;
  const auto section = NoticeDrawSection(page);
  if (!section) return plan;

  std::unordered_set<int32_t> planned;
  // Entries up to `passUntil` follow a stored entry 1 and are expected to
  // be stored already. The walk ends at the first missing key, inside that
  // stretch too, so what a page adds never depends on an earlier update.
  int passUntil = 0;
  int n = 0;
  for (const NoticeEntry& e : NoticeEntries(*section)) {
    ++n;
    if (!e.draw) {
      ++r.invalid;
      continue;
    }
    const int32_t qs = e.draw->qs;
    if (planned.count(qs) > 0) {
      ++(n <= passUntil ? r.passedOver : r.existing);
      continue;
    }
    const int index = stored.indexOf(qs);
    if (index >= 0) {
      if (n <= passUntil) {
        ++r.passedOver;
      } else {
        ++r.existing;
        if (n == 1) passUntil = n + stored.lastRealIndex - index;
      }
      continue;
    }
    plan.fresh.push_back(*e.draw);
    planned.insert(qs);
    if (n <= passUntil) ++r.gapsFilled;
  }
  return plan;
}

NoticeUpdateResult ApplyNoticeDraws(DrawTable& table, std::string_view page) {
  const NoticeDrawPlan plan = PlanNoticeDraws(
      page, {[&table](int32_t qs) { return table.IndexOf(qs); }, table.LastRealIndex()});
  NoticeUpdateResult r = plan.counts;
  if (!plan.fresh.empty()) {
    CursorGuard keep(table);
    r.added = table.ApplyImport(plan.fresh, /*overwrite=*/false);
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

std::string NoticeShownText(std::string_view text, size_t maxChars) {
  size_t chars = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    // A character starts at every byte that is not a continuation byte.
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (chars++ == maxChars) return std::string(text.substr(0, i)) + "……";
  }
  return std::string(text);
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
