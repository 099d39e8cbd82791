#include "common/text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace dlt {
namespace {

TEST(Text, TrimTakesSpacesAndEveryControlCharacterAroundTheText) {
  struct Case {
    std::string text, trimmed;
  };
  const Case cases[] = {
      {"", ""},
      {" \t\r\n", ""},
      {"  z_hz  ", "z_hz"},
      {"\tz_hz+1\r\n", "z_hz+1"},
      {std::string("\0\x01z_hz\x1f\v\f", 9), "z_hz"},
      {" a b ", "a b"},                                            // blanks inside stay
      {"\xe3\x80\x80z\xe3\x80\x80", "\xe3\x80\x80z\xe3\x80\x80"},  // the full-width space is text
      {"\xa1\xa1", "\xa1\xa1"},                                    // so is its GBK form
      {"_5_", "_5_"},
      {"\x7f", "\x7f"},
  };
  for (const Case& c : cases) EXPECT_EQ(Trim(c.text), c.trimmed) << c.text;
}

TEST(Text, TrimMaskedEditTakesThePlaceholdersToo) {
  EXPECT_EQ(TrimMaskedEdit("__2009001 _"), "2009001");
  EXPECT_EQ(TrimMaskedEdit(" 1_2 "), "1_2");
  EXPECT_EQ(TrimMaskedEdit("____"), "");
  EXPECT_EQ(TrimMaskedEdit("\t-\r"), "-");
}

TEST(Text, IntegerOfTextTakesTheWholeTextOrNothing) {
  struct Case {
    const char* text;
    std::optional<int32_t> value;
  };
  const Case cases[] = {
      {"0", 0},
      {"42", 42},
      {"-7", -7},
      {"007", 7},
      {"2147483647", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},  // beyond 32 bits
      {"", std::nullopt},
      {"-", std::nullopt},
      {"+5", std::nullopt},
      {" 5", std::nullopt},  // the caller trims
      {"5 ", std::nullopt},
      {"5x", std::nullopt},
      {"1.5", std::nullopt},
      {"0x10", std::nullopt},
      {"\xef\xbc\x95", std::nullopt},  // a full-width digit
  };
  for (const Case& c : cases) EXPECT_EQ(IntegerOfText<int32_t>(c.text), c.value) << c.text;
  EXPECT_EQ(IntegerOfText<int64_t>("2147483648"), int64_t{2147483648});
  EXPECT_EQ(IntegerOfText<int8_t>("128"), std::nullopt);
  EXPECT_EQ(IntegerOfText<int>(Trim(" 12\r\n")), 12);
}

TEST(Text, ChineseNumeralsUpToNinetyNine) {
  struct Case {
    int n;
    const char* text;
  };
  const Case cases[] = {{1, "一"},    {2, "二"},    {9, "九"},      {10, "十"},   {11, "十一"},
                        {15, "十五"}, {20, "二十"}, {21, "二十一"}, {40, "四十"}, {99, "九十九"},
                        {0, "0"},     {100, "100"}, {-3, "-3"}};
  for (const Case& c : cases) EXPECT_EQ(ChineseNumeral(c.n), c.text) << c.n;
}

}  // namespace
}  // namespace dlt
