#include "history/prize_table.h"

#include <gtest/gtest.h>

#include "history/settings_file.h"
#include "support/test_support.h"

namespace dlt {
namespace {

struct YuanCase {
  const char* text;
  bool ok;
  std::optional<int64_t> fen;
};

TEST(PrizeSettings, AmountsAreTypedInYuan) {
  const YuanCase cases[] = {
      {"10000", true, 1000000}, {"2.5", true, 250},       {"2.50", true, 250},  {" 3 ", true, 300},
      {"0", true, 0},           {"", true, std::nullopt}, {"2.555", false, {}}, {"abc", false, {}},
      {"-5", false, {}},        {"-1", false, {}},        {"---", false, {}},   {"1e3", false, {}},
  };
  for (const YuanCase& c : cases) {
    std::optional<int64_t> fen = 12345;
    std::string error;
    EXPECT_EQ(ReadYuanText(c.text, &fen, &error), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(fen, c.fen) << c.text;
    } else {
      EXPECT_FALSE(error.empty()) << c.text;
    }
  }
  std::string error;
  EXPECT_FALSE(ReadTicketPrice("0", &error));
  EXPECT_EQ(error, "每注金额必须大于0");
  EXPECT_FALSE(ReadTicketPrice("", &error));
  EXPECT_EQ(ReadTicketPrice("2", &error), 200);
}

TEST(PrizeSettings, TheSettingsFileGivesThePricesAndEachValueFallsBackAlone) {
  test::TempDir dir;
  const std::string ini = dir.file("dlt.ini");
  EXPECT_EQ(ReadPrizeTable(ini), PrizeTable::Defaults()) << "no file: the defaults";
  test::WriteBytes(ini,
                   "[software]\ndltsettings\\ticketprice=x\ndltsettings\\prize1=5000000\n"
                   "dltsettings\\prize3=\ndltsettings\\prize4=1.5\ndltsettings\\prize6=abc\n");
  PrizeTable expected = PrizeTable::Defaults();
  expected.fixedFen[1] = 500000000;
  expected.fixedFen[3] = std::nullopt;  // an empty value floats
  expected.fixedFen[4] = 150;
  EXPECT_EQ(ReadPrizeTable(ini), expected);
  EXPECT_EQ(PrizeTable::Defaults().ticketPriceFen, 200);
  EXPECT_EQ(PrizeTable::Defaults().fixedFen[8], 500);
  EXPECT_EQ(PrizeTable::Defaults().fixedFen[2], std::nullopt);
}

}  // namespace
}  // namespace dlt
