#include "common/json_reader.h"

#include <gtest/gtest.h>

namespace dlt {
namespace {

using Kind = JsonValue::Kind;
using namespace std::string_view_literals;

TEST(JsonReader, ReadsEveryKindOfValue) {
  std::string error;
  const auto v = ParseJson(
      R"( {"s":"a\"b\\c\/\n\u00e9\u4E2D\ud83d\ude00","n":-12.5e+3,"i":0,"t":true,"f":false,)"
      R"("z":null,"a":[1,[],{}],"o":{"k":"v"}} )",
      &error);
  ASSERT_TRUE(v) << error;
  ASSERT_TRUE(v->Is(Kind::Object));
  EXPECT_EQ(v->keys, (std::vector<std::string>{"s", "n", "i", "t", "f", "z", "a", "o"}));
  EXPECT_EQ(v->Member("s")->text, "a\"b\\c/\n\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80");
  EXPECT_EQ(v->Member("n")->kind, Kind::Number);
  EXPECT_EQ(v->Member("n")->text, "-12.5e+3");
  EXPECT_TRUE(v->Member("t")->boolean);
  EXPECT_FALSE(v->Member("f")->boolean);
  EXPECT_EQ(v->Member("z")->kind, Kind::Null);
  EXPECT_EQ(v->Member("a")->items.size(), 3u);
  EXPECT_EQ(v->Member("a")->items[1].kind, Kind::Array);
  EXPECT_EQ(v->Member("a")->items[2].kind, Kind::Object);
  EXPECT_EQ(v->Member("o")->Member("k")->text, "v");
  EXPECT_EQ(v->Member("missing"), nullptr);
  EXPECT_EQ(v->Member("a")->Member("k"), nullptr) << "an array has no members";
}

TEST(JsonReader, RefusesWhatTheStandardDoesNotAllow) {
  struct Case {
    std::string_view text;
    const char* why;
  };
  const Case cases[] = {
      {""sv, "内容不完整"},
      {"   "sv, "内容不完整"},
      {"{\"a\":1,}"sv, "成员名应是带引号的文本"},
      {"[1,]"sv, "无法识别的值"},
      {"[1 2]"sv, "数组中应为逗号或]"},
      {"{'a':1}"sv, "成员名应是带引号的文本"},
      {"{\"a\" 1}"sv, "成员名后应为冒号"},
      {"{\"a\":1 \"b\":2}"sv, "对象中应为逗号或}"},
      {"{\"a\":1,\"a\":2}"sv, "成员名重复"},
      {"01"sv, "数字不能以0开头"},
      {"-"sv, "数字不完整"},
      {"1."sv, "数字不完整"},
      {".5"sv, "无法识别的值"},
      {"1e"sv, "数字不完整"},
      {"+1"sv, "无法识别的值"},
      {"NaN"sv, "无法识别的值"},
      {"tru"sv, "无法识别的值"},
      {"nulls"sv, "值后面还有多余的内容"},
      {"{} {}"sv, "值后面还有多余的内容"},
      {"\"abc"sv, "文本没有结束的引号"},
      {"\"a\tb\""sv, "文本中有控制字符"},
      {"\"\\x\""sv, "无效的转义字符"},
      {"\"\\u12G4\""sv, "四位十六进制数"},
      {"\"\\udc00\""sv, "单独的低位代理字符"},
      {"\"\\ud800\""sv, "缺少低位代理字符"},
      {"\"\\ud800\\u0041\""sv, "缺少低位代理字符"},
      {"\"\xff\""sv, "不是有效的UTF-8"},
      {"\"\xe4\xb8\""sv, "不是有效的UTF-8"},
      {"// note\n1"sv, "无法识别的值"},
      {"[1]\x00"sv, "值后面还有多余的内容"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(ParseJson(c.text, &error)) << c.text;
    EXPECT_NE(error.find(c.why), std::string::npos) << c.text << " gave " << error;
    EXPECT_EQ(error.rfind("JSON格式错误(第", 0), 0u) << error;
  }
}

TEST(JsonReader, NamesTheBytePositionOfTheFault) {
  std::string error;
  EXPECT_FALSE(ParseJson("{\"a\":[1,2,x]}", &error));
  EXPECT_EQ(error, "JSON格式错误(第11个字节): 无法识别的值");
}

TEST(JsonReader, LimitsNestingAndValues) {
  std::string error;
  const std::string deep64 = std::string(64, '[') + std::string(64, ']');
  EXPECT_TRUE(ParseJson(deep64, &error)) << error;
  const std::string deep65 = std::string(65, '[') + std::string(65, ']');
  EXPECT_FALSE(ParseJson(deep65, &error));
  EXPECT_NE(error.find("嵌套过深"), std::string::npos);
  // Far deeper than the stack could take by recursion: refused at the limit.
  EXPECT_FALSE(ParseJson(std::string(1000000, '['), &error));
  EXPECT_NE(error.find("嵌套过深"), std::string::npos);

  std::string many = "[0";
  for (int i = 0; i < 10; ++i) many += ",0";
  many += "]";  // the array and its 11 numbers: 12 values
  EXPECT_TRUE(ParseJson(many, &error, {64, 12})) << error;
  EXPECT_FALSE(ParseJson(many, &error, {64, 11}));
  EXPECT_NE(error.find("值的数目过多"), std::string::npos);
}

TEST(JsonReader, IntegersAreWholeNumbersInRange) {
  struct Case {
    const char* text;
    std::optional<int64_t> value;
  };
  const Case cases[] = {
      {"0", 0},
      {"-7", -7},
      {"9223372036854775807", INT64_MAX},
      {"9223372036854775808", std::nullopt},
      {"1.0", std::nullopt},
      {"1e2", std::nullopt},
      {"\"12\"", std::nullopt},
      {"true", std::nullopt},
  };
  for (const Case& c : cases) {
    std::string error;
    const auto v = ParseJson(c.text, &error);
    ASSERT_TRUE(v) << error;
    EXPECT_EQ(JsonInteger(*v), c.value) << c.text;
  }
}

}  // namespace
}  // namespace dlt
