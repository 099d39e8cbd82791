// The draw-data list of a notice page at the size of a large page: its
// entries are found in one pass (the same ones the entry-by-entry search
// finds), every entry asks the table at most once, and applying the page
// writes each row once. A page near the size limit runs in well under the
// fuzzer's time limit only when all of this is linear.
//
// The input describes the page: byte 0 sets the table (low four bits: how
// many thousand of the first draws are stored), bytes 1-2 the number of
// entries, and each further byte, used in turn, shapes one entry (low three
// bits: a plain entry, a number skipped, a draw repeated, bad digits, noise
// between entries, two keys swapped, an older draw, a stray key).
#include <algorithm>

#include "fuzz_support.h"
#include "history/draw_table.h"
#include "history/draw_text_io.h"
#include "history/notice_page.h"

namespace {

using namespace dlt;

constexpr int kMaxEntries = 36000;  // past the page limit at 29 bytes each

const std::vector<Draw>& Known() {
  static const std::vector<Draw> draws = MakeDemoDraws(kMaxEntries + 2, 9);
  return draws;
}

std::string BuildPage(const uint8_t* data, size_t size) {
  const int entries = std::min<int>(data[1] | data[2] << 8, kMaxEntries);
  const uint8_t* shape = data + 3;
  const size_t shapes = size - 3;
  std::string page = "公共提示:数据:公共提示 中奖数据\n";
  int n = 1;
  for (int i = 0; i < entries && page.size() <= kMaxNoticePageBytes; ++i) {
    const uint8_t op = shapes ? shape[static_cast<size_t>(i) % shapes] : 0;
    const Draw& d = Known()[static_cast<size_t>(i)];
    switch (op & 7) {
      case 1:  // a number left out: the walk ends there
        ++n;
        break;
      case 2:  // the same draw again under the next number
        page += fuzz::NoticeEntryLine(n++, Known()[static_cast<size_t>(std::max(i - 1, 0))]);
        break;
      case 3:  // digits that are no draw
        page += fuzz::NoticeEntryLine(n++, d).replace(12, 3, "x9z");
        break;
      case 4:  // text between entries
        page += "<tr><td>" + std::string(op >> 3, '9') + "</td></tr>";
        break;
      case 5:  // the next key first
        page += fuzz::NoticeEntryLine(n + 1, Known()[static_cast<size_t>(i + 1)]);
        page += fuzz::NoticeEntryLine(n, d);
        n += 2;
        ++i;
        break;
      case 6:  // an older draw in the middle
        page += fuzz::NoticeEntryLine(n++, Known()[static_cast<size_t>(i / 2)]);
        break;
      case 7:  // a key inside the digits of another
        page += std::to_string(op) + fuzz::NoticeEntryLine(n, d);
        ++n;
        break;
      default:
        page += fuzz::NoticeEntryLine(n++, d);
    }
  }
  return page;
}

// The entries as the search for each key in turn finds them.
std::vector<NoticeEntry> EntriesOneByOne(std::string_view section) {
  std::vector<NoticeEntry> entries;
  for (int n = 1;; ++n) {
    NoticeEntry e = FindNoticeEntry(section, n);
    if (!e.found) return entries;
    entries.push_back(std::move(e));
  }
}

bool SameEntries(const std::vector<NoticeEntry>& a, const std::vector<NoticeEntry>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const NoticeEntry& x, const NoticeEntry& y) {
                      return x.found == y.found && x.draw == y.draw && x.error == y.error;
                    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const std::string page = BuildPage(data, size);
  const std::string_view detail(page.data(), std::min<size_t>(page.size(), 300));
  const auto section = NoticeDrawSection(page);
  fuzz::Check(section.has_value(), "the page has its draw data", detail);
  const std::vector<NoticeEntry> entries = NoticeEntries(*section);
  // The reference search is quadratic: compared on pages it finishes quickly.
  if (section->size() <= 16384)
    fuzz::Check(SameEntries(entries, EntriesOneByOne(*section)),
                "one pass finds the entries the search finds", detail);

  DrawTable table(":memory:");
  const int stored = 1000 * (data[0] & 0x0F);
  table.ApplyImport({Known().begin(), Known().begin() + stored}, false);
  int64_t lookups = 0;
  const NoticeDrawPlan plan = PlanNoticeDraws(page, {[&](int32_t qs) {
                                                       ++lookups;
                                                       return table.IndexOf(qs);
                                                     },
                                                     table.LastRealIndex()});
  fuzz::Check(lookups <= static_cast<int64_t>(entries.size()), "each entry asks the table once",
              detail);

  const int before = table.RecordCount();
  const int64_t written = table.RowsWritten();
  const NoticeUpdateResult r = ApplyNoticeDraws(table, page);
  fuzz::Check(r.added == static_cast<int>(plan.fresh.size()), "the plan's draws are added", detail);
  fuzz::Check(table.RecordCount() == before + r.added, "every added draw is counted", detail);
  fuzz::Check(table.RowsWritten() - written <= table.RecordCount(), "each row is written once",
              detail);
  fuzz::Check(ApplyNoticeDraws(table, page).added == 0, "a page applied again adds nothing",
              detail);
  return 0;
}

std::vector<dlt::fuzz::Seed> dlt::fuzz::Seeds() {
  const auto page = [](uint8_t table, int entries, std::string shapes) {
    std::string bytes(1, static_cast<char>(table));
    bytes += static_cast<char>(entries & 0xFF);
    bytes += static_cast<char>(entries >> 8);
    return bytes + shapes;
  };
  return {
      {"seed-full-page", page(0, 36000, "")},
      {"seed-half-stored", page(0x05, 12000, "")},
      {"seed-every-shape", page(0x01, 4000, std::string("\x00\x02\x03\x04\x05\x06\x07\x0c", 8))},
      {"seed-small-mixed", page(0x00, 40, std::string("\x00\x05\x02\x03\x00\x24\x06\x07", 8))},
      {"seed-gap-ends-it", page(0x00, 300, std::string(120, '\x00') + '\x01')},
  };
}
