// The notice page, as the online update reads it: its values, the download
// addresses it may open, and its draw entries applied to a small table.
// Only web addresses pass, the table stays a valid history, and the same
// page applied again adds nothing.
//
// The first input byte sets up the table (low four bits: how many of twelve
// draws are stored; 0x10: draw 5 is left out; 0x20: a forecast record);
// the rest is the page.
#include <algorithm>
#include <cctype>

#include "common/gbk_text.h"
#include "fuzz_support.h"
#include "history/draw_table.h"
#include "history/draw_text_io.h"
#include "history/notice_page.h"

namespace {

using namespace dlt;

const std::vector<Draw>& Known() {
  static const std::vector<Draw> draws = MakeDemoDraws(12, 3);
  return draws;
}

// The page as text, decoded as the update decodes it: UTF-8, else GBK, else
// every byte as one Latin-1 character.
std::string PageText(std::string_view bytes) {
  if (auto text = DecodeFileText(std::string(bytes))) return *text;
  std::string out;
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | c >> 6);
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

void CheckAddresses(const std::string& list) {
  for (const std::string& a : SafeDownloadAddresses(list)) {
    std::string head = a.substr(0, 8);
    std::transform(head.begin(), head.end(), head.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    fuzz::Check(head.rfind("http://", 0) == 0 || head.rfind("https://", 0) == 0,
                "only web addresses are opened", a);
    fuzz::Check(std::none_of(a.begin(), a.end(),
                             [](unsigned char c) { return c <= ' ' || c == '"' || c == 0x7f; }),
                "an opened address has no blanks, quotes or control characters", a);
  }
}

void CheckTable(const DrawTable& table, const std::string& page) {
  const auto& draws = table.Draws();
  for (size_t i = 0; i < draws.size(); ++i) {
    const Draw& d = draws[i];
    fuzz::Check(i == 0 || draws[i - 1].qs < d.qs, "the table stays ordered by draw number", page);
    if (d.qs == kForecastQs) continue;
    const auto valid =
        ValidateDraw(d.qs, {d.front[0], d.front[1], d.front[2], d.front[3], d.front[4]},
                     {d.back[0], d.back[1]}, nullptr);
    fuzz::Check(valid && *valid == d, "only valid draws are stored", page);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string page = PageText(fuzz::AsText(data + 1, size - 1));

  const NoticeValues values = ParseNoticeValues(page);
  CheckAddresses(values.downloads);
  ChooseNoticePopup(values, values.newVersion, values.inform, values.downloads);

  DrawTable table(":memory:");
  std::vector<Draw> stored(Known().begin(), Known().begin() + (data[0] & 0x0F) % 13);
  if ((data[0] & 0x10) && stored.size() > 4) stored.erase(stored.begin() + 4);
  {
    WriteBatch batch(table);
    table.ApplyImport(stored, false);
  }
  if (data[0] & 0x20) table.WriteForecast(Known()[11]);

  const int before = table.RecordCount();
  const NoticeUpdateResult r = ApplyNoticeDraws(table, page);
  fuzz::Check(table.RecordCount() == before + r.added, "every added draw is counted", page);
  CheckTable(table, page);
  fuzz::Check(ApplyNoticeDraws(table, page).added == 0, "a page applied again adds nothing", page);
  return 0;
}

std::vector<dlt::fuzz::Seed> dlt::fuzz::Seeds() {
  const auto& k = Known();
  std::string entries, fromThird;
  for (int i = 0; i < 12; ++i) entries += fuzz::NoticeEntryLine(i + 1, k[i]);
  for (int i = 2; i < 12; ++i) fromThird += fuzz::NoticeEntryLine(i - 1, k[i]);
  const std::string values =
      "<html>打开网页:是:打开网页 启动时更新:否:启动时更新\n"
      "18提示:新版已发布。:18提示 公共提示:数据仅供参考:公共提示\n"
      "18下载地址:http://a.example/x$https://b.example/y$file:///etc/passwd$:18下载地址 "
      "新版本号:19\n";
  std::string broken =
      "中奖数据\n" + fuzz::NoticeEntryLine(1, k[0]) + fuzz::NoticeEntryLine(2, k[1]);
  broken += "0000003:2009xx10305121822051\n0000004:200900103051218360511\n";
  broken += fuzz::NoticeEntryLine(6, k[5]);
  return {
      {"seed-empty-table", std::string(1, '\x00') + values + "中奖数据\n" + entries},
      {"seed-skip-ahead", std::string(1, '\x08') + "中奖数据\n" + fromThird},
      {"seed-gap", std::string(1, '\x18') + "中奖数据\n" + entries},
      {"seed-forecast", std::string(1, '\x24') + "中奖数据\n" + entries},
      {"seed-broken-entries", std::string(1, '\x02') + broken},
      {"seed-gbk", std::string(1, '\x00') + *Utf8ToGbk(values)},
      {"seed-no-section", std::string(1, '\x05') + values + entries},
  };
}
