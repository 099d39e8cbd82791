// History import in every layout the reader recognises: a file it accepts
// holds only valid draws, each once and in draw order; the export of those
// draws reads back as the same draws, and so do the same draws written in
// the other layouts users keep (joined fields, quotes, tabs, dates).
#include "common/numbers.h"
#include "fuzz_support.h"
#include "history/draw_text_io.h"

using namespace dlt;

namespace {

std::string Joined(const Draw& d, int from, int to, const std::string& sep) {
  std::string s;
  for (int k = from; k < to; ++k) {
    if (k > from) s += sep;
    s += TwoDigit(k < 5 ? d.front[k] : d.back[k - 5]);
  }
  return s;
}

// The same draws in the layouts of other programs, newest first in some.
std::vector<std::vector<std::string>> OtherLayouts(const std::vector<Draw>& draws) {
  std::vector<std::vector<std::string>> files(5);
  files[0].push_back("期号,开奖日期,前区号码,后区号码");
  files[1].push_back("期号,日期,号码,奖池");
  files[2].push_back("期号\t开奖日期\t红1\t红2\t红3\t红4\t红5\t蓝1\t蓝2\t奖池");
  for (const Draw& d : draws) {
    const std::string qs = std::to_string(d.qs);
    files[0].push_back(qs + ",2024-01-01,\"" + Joined(d, 0, 5, ",") + "\",\"" +
                       Joined(d, 5, 7, ",") + "\"");
    files[1].insert(files[1].begin() + 1, qs + ",2024-01-01," + Joined(d, 0, 5, ",") + "+" +
                                              Joined(d, 5, 7, ",") + ",1,000,000");
    files[2].push_back(qs + "\t2024-01-01\t" + Joined(d, 0, 7, "\t") + "\t10,000,000");
    files[3].insert(files[3].begin(), "2024-01-01(" + qs + ") " + Joined(d, 0, 7, " "));
    files[4].push_back(qs + "     2024/1/1    " + Joined(d, 0, 5, " ") + "        " +
                       Joined(d, 5, 7, " ") + "  \"" + Joined(d, 0, 5, "|") + "\"");
  }
  return files;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto lines = fuzz::FileLines(fuzz::AsText(data, size));
  if (!lines) return 0;
  const ParsedDraws parsed = ParseDrawLines(*lines);
  if (!parsed.ok()) {
    fuzz::Check(parsed.draws.empty(), "a refused file yields no draws");
    fuzz::Check(parsed.error.rfind("第", 0) == 0 || parsed.error == "文件中没有开奖数据",
                "a refusal names its line", parsed.error);
    return 0;
  }
  for (size_t i = 0; i < parsed.draws.size(); ++i) {
    const Draw& d = parsed.draws[i];
    const auto valid =
        ValidateDraw(d.qs, {d.front[0], d.front[1], d.front[2], d.front[3], d.front[4]},
                     {d.back[0], d.back[1]}, nullptr);
    fuzz::Check(valid && *valid == d, "an imported draw is valid and sorted", FormatDrawLine(d));
    fuzz::Check(i == 0 || parsed.draws[i - 1].qs < d.qs, "draws come once each in draw order",
                FormatDrawLine(d));
  }
  fuzz::Check(!DescribeLayout(parsed.layout).empty(), "an accepted file has a layout");
  const ParsedDraws again =
      ParseDrawLines(*fuzz::FileLines(fuzz::GbkFile(ExportLines(parsed.draws))));
  fuzz::Check(again.ok(), "an exported file imports", again.error);
  fuzz::Check(again.draws == parsed.draws, "an exported file imports as the same draws");
  for (const auto& file : OtherLayouts(parsed.draws)) {
    const ParsedDraws other = ParseDrawLines(file);
    fuzz::Check(other.ok(), "the draws in another layout import", other.error + "\n" + file[0]);
    fuzz::Check(other.draws == parsed.draws, "another layout imports as the same draws",
                DescribeLayout(other.layout));
  }
  return 0;
}

std::vector<dlt::fuzz::Seed> dlt::fuzz::Seeds() {
  const auto draws = MakeDemoDraws(12, 3);
  return {
      {"seed-export", WrittenBy([&](auto& p) { return ExportDraws(draws, p, nullptr); })},
      {"seed-csv", GbkFile({"期号,开奖日期,前区1,前区2,前区3,前区4,前区5,后区1,后区2",
                            "07001,2007-05-30,22,24,29,31,35,04,11",
                            "2007002,2007-06-01,03,05,12,18,22,05,11"})},
      {"seed-tab", "qs\tn1\tn2\tn3\tn4\tn5\tb1\tb2\n2009001\t3\t5\t12\t18\t22\t5\t11\n"},
      {"seed-stops-at-zero", GbkFile({"2009001 03 05 12 18 22 05 11", "0", "garbage"})},
      {"seed-two-digit-year", GbkFile({"09001 03 05 12 18 22 05 11 "})},
      {"seed-bad-number", GbkFile({"2009001 03 05 12 18 36 05 11"})},
      {"seed-repeat", GbkFile({"2009001 03 03 12 18 22 05 11"})},
      {"seed-short", GbkFile({"2009001 03 05 12"})},
      {"seed-negative", GbkFile({"-5 03 05 12 18 22 05 11"})},
      {"seed-reserved", GbkFile({"9999999 03 05 12 18 22 05 11"})},
      {"seed-csv-too-few", GbkFile({"qs,a,b", "2009001,1,2,3"})},
      {"seed-bom",
       "\xEF\xBB\xBF"
       "2009001 03 05 12 18 22 05 11\r\n"},
      {"seed-joined-plus", GbkFile({"期号,日期,号码,销售额,奖池",
                                    "07001,2007-05-30,22,24,29,31,35+04,11,17086781,89168335",
                                    "07002,2007-06-02,15,22,31,34,35+05,12,16832903,84592975"})},
      {"seed-quoted-zones", GbkFile({R"(2024001,2024-01-01,"01,04,17,20,22","04,10")",
                                     R"(2024002,2024-01-03,"02,05,17,20,22","03,10")"})},
      {"seed-one-field-bar", GbkFile({"期号,开奖号码", R"(2024001,"04,06,08,10,14|04,05")"})},
      {"seed-text-with-date", GbkFile({"07001     2007-05-30    22 24 29 31 35        04 11",
                                       "07002     2007-06-02    15 22 31 34 35        05 12"})},
      {"seed-date-then-number", GbkFile({"2013-04-06(13038) 01 19 24 25 26 07 09"})},
      {"seed-dropped-zero",
       GbkFile({"issue,date,r1,r2,r3,r4,r5,b1,b2", "9153,2009-12-30,1,2,3,4,5,6,7",
                "7001,2007-05-30,1,2,3,4,5,6,7"})},
      {"seed-tab-thousands",
       GbkFile({"期号\t日期\t红1\t红2\t红3\t红4\t红5\t蓝1\t蓝2\t奖池",
                "07001\t2007-05-30\t22\t24\t29\t31\t35\t04\t11\t10,000,000"})},
      {"seed-list-columns",
       GbkFile(
           {"期号,红球,蓝球,red_list,blue_list",
            R"(2024001,01 04 17 20 22,04 10,"['01', '04', '17', '20', '22']","['04', '10']")"})},
      {"seed-chinese-number",
       GbkFile({"# 说明", "期号 日期 号码", "第24001期 2024年1月1日 01,04,17,20,22|04,10"})},
      {"seed-ambiguous", GbkFile({"期号\t星期\t前区\t后区", "2024001\t5\t01 02 03 04 05\t06 07"})},
  };
}
