// History import, the program's own text layout and CSV: a file the parser
// accepts holds only valid draws, and exporting them gives a file that
// imports as the same draws.
#include "fuzz_support.h"
#include "history/draw_text_io.h"

using namespace dlt;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto lines = fuzz::FileLines(fuzz::AsText(data, size));
  if (!lines) return 0;
  const ParsedDraws parsed = ParseDrawLines(*lines);
  if (!parsed.ok()) {
    fuzz::Check(parsed.draws.empty(), "a refused file yields no draws");
    return 0;
  }
  for (const Draw& d : parsed.draws) {
    const auto valid =
        ValidateDraw(d.qs, {d.front[0], d.front[1], d.front[2], d.front[3], d.front[4]},
                     {d.back[0], d.back[1]}, nullptr);
    fuzz::Check(valid && *valid == d, "an imported draw is valid and sorted", FormatDrawLine(d));
  }
  const ParsedDraws again =
      ParseDrawLines(*fuzz::FileLines(fuzz::GbkFile(ExportLines(parsed.draws))));
  fuzz::Check(again.ok(), "an exported file imports", again.error);
  fuzz::Check(again.draws == parsed.draws, "an exported file imports as the same draws");
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
  };
}
