#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/draw.h"

namespace dlt {

class DrawTable;

// This release's version number; it selects the version-specific sections
// of the notice page.
constexpr int kProgramVersion = 18;

// The largest notice page the update reads. A page listing every draw since
// 2007 with its notices takes under 100 KB; ten times that is still one.
constexpr size_t kMaxNoticePageBytes = size_t{1} << 20;

// The text between the end of `start` and the next `end` after it; empty
// when either marker is missing.
std::string TextBetween(std::string_view page, std::string_view start, std::string_view end);

// The values the notice page announces, each between its markers.
struct NoticeValues {
  std::string openPages;      // "打开网页:" .. ":打开网页"
  std::string updateAtStart;  // "启动时更新:" .. ":启动时更新"
  std::string inform;         // version notice followed by the public notice
  std::string downloads;      // addresses, each ended by "$"
  int newVersion = 0;         // the four characters after "新版本号:"

  // Only the exact answer "是" asks for the download pages to be opened.
  bool OpensPages() const { return openPages == "是"; }
};
NoticeValues ParseNoticeValues(std::string_view page, int version = kProgramVersion);

// One draw-data entry: the key "0000001:" (entry number in seven digits and
// a colon), seven digits of the draw number and seven two-digit numbers.
struct NoticeEntry {
  bool found = false;        // the key is on the page
  std::optional<Draw> draw;  // set when the 21 digits make a valid draw
  std::string error;         // why the entry was refused
};
// Entry n of the draw-data section (the text after "中奖数据").
NoticeEntry FindNoticeEntry(std::string_view section, int n);
// Entries 1, 2, ... of the section up to the first number whose key is
// missing, each as FindNoticeEntry finds it, read in one pass over the text.
std::vector<NoticeEntry> NoticeEntries(std::string_view section);
// The draw-data section, or nullopt when the page has no "中奖数据".
std::optional<std::string_view> NoticeDrawSection(std::string_view page);

struct NoticeUpdateResult {
  int added = 0;       // new draws appended to the table
  int existing = 0;    // entries whose draw was already stored
  int passedOver = 0;  // entries the skip-ahead took as present (and were)
  int invalid = 0;     // entries with a malformed or invalid draw
  int gapsFilled = 0;  // entries the skip-ahead passed over that were missing
};

// What the walk over the entries asks of the stored history: the table
// index of a draw (-1 when it is not stored) and the index of the last real
// draw. Every entry asks at most once.
struct StoredDrawLookup {
  std::function<int(int32_t qs)> indexOf;
  int lastRealIndex = -1;
};

// The draws a page adds, in page order, and the counts of the walk.
struct NoticeDrawPlan {
  std::vector<Draw> fresh;
  NoticeUpdateResult counts;  // `added` stays 0: the table says how many it took
};

// When entry 1 is already stored, the entries up to the last stored draw are
// taken as present and the walk goes on after them; any of those that is in
// fact missing is still added, so a gap in the table is filled rather than
// kept. The walk ends at the first entry number missing from the page,
// passing over or not.
NoticeDrawPlan PlanNoticeDraws(std::string_view page, const StoredDrawLookup& stored);

// Appends the page's new draws to the table, in one transaction.
NoticeUpdateResult ApplyNoticeDraws(DrawTable& table, std::string_view page);

// The download list split at "$": every non-empty piece before a "$".
std::vector<std::string> SplitDownloadList(std::string_view list);
// Only plain web addresses may be opened from a page fetched off the net:
// "http://" or "https://" with a host, no blanks, control characters or
// quotes. Files, programs and other schemes are refused.
bool IsSafeWebAddress(std::string_view address);
std::vector<std::string> SafeDownloadAddresses(std::string_view list);

// What the notice popup shows: this run's notice, unless the stored notice
// announces a newer version than this one, then the stored notice and
// download list. An empty text becomes "欢迎使用。".
struct NoticePopup {
  std::string text;
  std::string downloads;
};
// The popup shows at most this many characters of a notice: a real notice is
// a few lines, and a page that sends more never gets a window past the screen.
constexpr size_t kNoticeShownChars = 600;
// The text cut after `maxChars` characters (UTF-8, never inside one),
// "……" marking the cut.
std::string NoticeShownText(std::string_view text, size_t maxChars = kNoticeShownChars);

NoticePopup ChooseNoticePopup(const NoticeValues& thisRun, std::optional<int> storedNewVersion,
                              const std::string& storedInform, const std::string& storedDownloads,
                              int version = kProgramVersion);

}  // namespace dlt
