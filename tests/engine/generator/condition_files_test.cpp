#include "generator/condition_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "common/gbk_text.h"
#include "support/test_support.h"

namespace dlt {
namespace {

constexpr size_t kRecord = 8381;

ValueSet Values(std::vector<int32_t> v) {
  return *ValueSet::From(std::move(v));
}

// Bytes at a field of record r (1-based), as lower-case hex pairs.
std::string Hex(const std::string& file, int r, size_t offset, size_t length) {
  std::string out;
  char buf[4];
  for (size_t i = 0; i < length; ++i) {
    std::snprintf(buf, sizeof buf, "%02x",
                  static_cast<unsigned char>(file.at((r - 1) * kRecord + offset + i)));
    if (!out.empty()) out += ' ';
    out += buf;
  }
  return out;
}

size_t NonZeroBytes(const std::string& bytes) {
  return static_cast<size_t>(
      std::count_if(bytes.begin(), bytes.end(), [](char c) { return c != 0; }));
}

// A set that touches every part of a front file.
ConditionSet RichSet() {
  ConditionSet set;
  set.SetEnabled(1, true);
  set.SetValues(1, Values({2, 3}));
  set.SetTolerant(1, true);
  set.SetEnabled(25, true);
  set.SetValues(25, *ValueSet::Range(80, 120));
  set.SetEnabled(116, true);
  set.SetValues(116, *ValueSet::Range(0, 700));
  set.SetEnabled(14, true);  // enabled with an empty set
  set.SetEnabled(35, true);
  set.SetRangeBounds(35, 1, 2);
  set.SetEnabled(36, true);
  set.SetRangeBounds(36, 10, 60);
  set.SetTolerant(36, true);
  std::vector<int> pool = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30};
  std::vector<int> bankers = {7};
  set.SetPool(pool);
  set.SetBankers(bankers);
  set.Switches() = {true, false, true};
  set.SetTolerance({true, 2, 3});
  set.AddCustomIndicator({"z_hz", Values({5, 7, -2}), false});
  std::string chinese;
  for (int i = 0; i < 100; ++i) chinese += "中";  // 200 bytes of GBK
  set.AddCustomIndicator({chinese, Values({1}), true});
  set.AddCustomIndicator({std::string(200, 'a'), Values({}), false});
  set.AddSelfCondition({{1, 2, 3}, Values({0, 1}), true});
  set.AddSelfCondition({{35}, Values({1}), false});
  set.AddTailSetting({{3, 5}, Values({2}), false, true});
  set.AddTailSetting({{0}, Values({0, 1}), true, false});
  return set;
}

// The set as the reset before a load leaves it (the shape switches stay).
ConditionSet ResetOf(ConditionSet set) {
  set.ResetFront();
  return set;
}

TEST(ConditionFiles, FreshSetLayout) {
  std::string error;
  const std::string bytes = EncodeFrontSet(ConditionSet(), &error);
  ASSERT_EQ(bytes.size(), 1200u * 8381u);
  // Pool: element n of record 940 holds n.
  EXPECT_EQ(Hex(bytes, 940, 209, 4), "00 00 00 00");
  EXPECT_EQ(Hex(bytes, 940, 213, 8), "01 00 00 00 02 00 00 00");
  EXPECT_EQ(Hex(bytes, 940, 349, 4), "23 00 00 00");
  // 去除等间距组合 and 去除特殊连号 on, 不与历史 off.
  EXPECT_EQ(Hex(bytes, 942, 205, 4), "00 00 00 00");
  EXPECT_EQ(Hex(bytes, 943, 205, 4), "ff ff ff ff");
  EXPECT_EQ(Hex(bytes, 944, 205, 4), "ff ff ff ff");
  // Total tolerance off, bounds 0 and 3 always written.
  EXPECT_EQ(Hex(bytes, 945, 205, 12), "00 00 00 00 00 00 00 00 00 00 00 00");
  EXPECT_EQ(Hex(bytes, 945, 217, 4), "03 00 00 00");
  // Nothing else: 35 pool bytes, 2 x 4 switch bytes and the 3.
  EXPECT_EQ(NonZeroBytes(bytes), 35u + 8u + 1u);
}

TEST(ConditionFiles, RichSetLayout) {
  std::string error;
  const std::string b = EncodeFrontSet(RichSet(), &error);
  ASSERT_EQ(b.size(), 1200u * 8381u) << error;
  // 大数个数: enabled, two values 2 and 3, tolerant.
  EXPECT_EQ(Hex(b, 1, 205, 4), "ff ff ff ff");
  EXPECT_EQ(Hex(b, 1, 353, 12), "02 00 00 00 02 00 00 00 03 00 00 00");
  EXPECT_EQ(Hex(b, 1, 369, 4), "00 00 00 00");
  EXPECT_EQ(Hex(b, 1, 8377, 4), "ff ff ff ff");
  // 和值 80..120: 41 values, the last at 357 + 40 * 4.
  EXPECT_EQ(Hex(b, 25, 353, 8), "29 00 00 00 50 00 00 00");
  EXPECT_EQ(Hex(b, 25, 517, 4), "78 00 00 00");
  EXPECT_EQ(Hex(b, 25, 8377, 4), "00 00 00 00");
  // 和值遗漏 0..700: 701 values, 700 = 0x2bc.
  EXPECT_EQ(Hex(b, 116, 353, 4), "bd 02 00 00");
  EXPECT_EQ(Hex(b, 116, 357 + 700 * 4, 4), "bc 02 00 00");
  // Enabled with an empty set.
  EXPECT_EQ(Hex(b, 14, 205, 8), "ff ff ff ff 00 00 00 00");
  EXPECT_EQ(Hex(b, 14, 353, 4), "00 00 00 00");
  // 标准差 1..2 as doubles, not tolerant; 离散系数 10..60 tolerant.
  EXPECT_EQ(Hex(b, 35, 8361, 8), "00 00 00 00 00 00 f0 3f");
  EXPECT_EQ(Hex(b, 35, 8369, 8), "00 00 00 00 00 00 00 40");
  EXPECT_EQ(Hex(b, 35, 8377, 4), "00 00 00 00");
  EXPECT_EQ(Hex(b, 36, 8361, 8), "00 00 00 00 00 00 24 40");
  EXPECT_EQ(Hex(b, 36, 8369, 8), "00 00 00 00 00 00 4e 40");
  EXPECT_EQ(Hex(b, 36, 8377, 4), "ff ff ff ff");
  EXPECT_EQ(Hex(b, 35, 353, 4), "00 00 00 00");
  // Custom indicators: record 800 enabled with 3 entries.
  EXPECT_EQ(Hex(b, 800, 201, 8), "03 00 00 00 ff ff ff ff");
  EXPECT_EQ(Hex(b, 801, 0, 5), "7a 5f 68 7a 00");  // "z_hz" + NUL
  EXPECT_EQ(Hex(b, 801, 353, 16), "03 00 00 00 fe ff ff ff 05 00 00 00 07 00 00 00");
  EXPECT_EQ(Hex(b, 801, 205, 4), "00 00 00 00");
  EXPECT_EQ(Hex(b, 802, 0, 4), "d6 d0 d6 d0");  // 中 in GBK
  EXPECT_EQ(Hex(b, 802, 198, 3), "d6 d0 00");
  EXPECT_EQ(Hex(b, 802, 8377, 4), "ff ff ff ff");
  EXPECT_EQ(Hex(b, 803, 199, 2), "61 00");
  EXPECT_EQ(Hex(b, 804, 0, 1), "00");
  // Pool: 11 is out, 10 and 20 in; banker 7.
  EXPECT_EQ(Hex(b, 940, 213 + 9 * 4, 8), "0a 00 00 00 00 00 00 00");
  EXPECT_EQ(Hex(b, 940, 213 + 19 * 4, 4), "14 00 00 00");
  EXPECT_EQ(Hex(b, 941, 213 + 6 * 4, 4), "07 00 00 00");
  EXPECT_EQ(Hex(b, 941, 213, 4), "00 00 00 00");
  // Switches and the total tolerance.
  EXPECT_EQ(Hex(b, 942, 205, 4), "ff ff ff ff");
  EXPECT_EQ(Hex(b, 943, 205, 4), "00 00 00 00");
  EXPECT_EQ(Hex(b, 945, 205, 4), "ff ff ff ff");
  EXPECT_EQ(Hex(b, 945, 213, 8), "02 00 00 00 03 00 00 00");
  // Self conditions: 951 carries the master box, the count 2.0 and entry 1.
  EXPECT_EQ(Hex(b, 951, 205, 20), "ff ff ff ff 03 00 00 00 01 00 00 00 02 00 00 00 03 00 00 00");
  EXPECT_EQ(Hex(b, 951, 8361, 8), "00 00 00 00 00 00 00 40");
  EXPECT_EQ(Hex(b, 951, 353, 12), "02 00 00 00 00 00 00 00 01 00 00 00");
  EXPECT_EQ(Hex(b, 951, 8377, 4), "ff ff ff ff");
  EXPECT_EQ(Hex(b, 952, 205, 12), "00 00 00 00 01 00 00 00 23 00 00 00");
  EXPECT_EQ(Hex(b, 952, 8361, 8), "00 00 00 00 00 00 00 00");
  EXPECT_EQ(Hex(b, 953, 209, 4), "00 00 00 00");
  // Tail settings: distinct flag 1.0 / 0.0 at 8369.
  EXPECT_EQ(Hex(b, 1151, 205, 16), "ff ff ff ff 02 00 00 00 03 00 00 00 05 00 00 00");
  EXPECT_EQ(Hex(b, 1151, 8361, 16), "00 00 00 00 00 00 00 40 00 00 00 00 00 00 f0 3f");
  EXPECT_EQ(Hex(b, 1152, 8369, 12), "00 00 00 00 00 00 00 00 ff ff ff ff");
  EXPECT_EQ(Hex(b, 1152, 353, 12), "02 00 00 00 00 00 00 00 01 00 00 00");
  // Unused records stay zero.
  EXPECT_EQ(NonZeroBytes(b.substr(1170 * kRecord)), 0u);
  EXPECT_EQ(NonZeroBytes(b.substr(36 * kRecord, kRecord)), 0u);  // record 37
}

TEST(ConditionFiles, RoundTripReproducesTheSet) {
  test::TempDir dir;
  const ConditionSet original = RichSet();
  ASSERT_EQ(original.CustomIndicators().size(), 3u);
  ASSERT_EQ(original.TailSettings().size(), 2u);
  const std::string path = dir.file("all.zh");
  std::string error;
  ASSERT_TRUE(SaveFrontSet(original, path, &error)) << error;

  ConditionSet loaded;
  ASSERT_TRUE(loaded.Back().SetEnabled(3, true));  // the back zone is not part of a .zh
  const LoadReport report = LoadFrontSet(path, loaded);
  ASSERT_TRUE(report.ok) << report.message;
  // Formulas that can never be computed load, and are named.
  EXPECT_EQ(report.message, "自定义指标第2条 " + CutText(loaded.CustomIndicators()[1].formula) +
                                " 公式有误:公式不能以此字符开头\n自定义指标第3条 " +
                                std::string(40, 'a') + "... 公式有误:" + std::string(40, 'a') +
                                "...指标不存在");
  EXPECT_EQ(report.records, 1200);
  EXPECT_TRUE(loaded.Back().Condition(3).enabled);
  loaded.Back() = original.Back();
  EXPECT_EQ(loaded, original);
  EXPECT_EQ(loaded.CustomIndicators()[1].formula.size(), 300u);  // 100 x 中 in UTF-8

  // Saving the loaded set gives the same bytes.
  ASSERT_TRUE(SaveFrontSet(loaded, dir.file("again.zh")));
  EXPECT_EQ(test::ReadBytes(dir.file("again.zh")), test::ReadBytes(path));
}

TEST(ConditionFiles, TwoSavesOfOneSetAreIdentical) {
  test::TempDir dir;
  ConditionSet set = RichSet();
  ASSERT_TRUE(SaveFrontSet(set, dir.file("a.zh")));
  // Values and entries that came and went leave no trace.
  set.SetEnabled(50, true);
  set.SetValues(50, Values({1, 2, 3}));
  set.SetTolerant(50, true);
  set.SetEnabled(50, false);
  ASSERT_TRUE(SaveFrontSet(set, dir.file("b.zh")));
  EXPECT_EQ(test::ReadBytes(dir.file("a.zh")), test::ReadBytes(dir.file("b.zh")));
}

TEST(ConditionFiles, LoadResetsFirst) {
  test::TempDir dir;
  ConditionSet empty;
  empty.Switches().notEqualDist = false;
  ASSERT_TRUE(SaveFrontSet(empty, dir.file("empty.zh")));
  ConditionSet set = RichSet();
  ASSERT_TRUE(LoadFrontSet(dir.file("empty.zh"), set).ok);
  EXPECT_EQ(set, empty);
}

TEST(ConditionFiles, ShortFileLoadsWhatItHasAndClearsTheRest) {
  test::TempDir dir;
  std::string bytes = EncodeFrontSet(RichSet());
  bytes.resize(100 * kRecord);  // conditions 1..100 only
  test::WriteBytes(dir.file("short.zh"), bytes);

  ConditionSet set = RichSet();  // everything set before: nothing of it may survive
  const LoadReport report = LoadFrontSet(dir.file("short.zh"), set);
  ASSERT_TRUE(report.ok) << report.message;
  EXPECT_EQ(report.records, 100);
  EXPECT_EQ(report.message, "条件文件只有100条记录(应为1200条)，缺少的条件按未设置处理");
  EXPECT_TRUE(set.Indicator(1).Applies());
  EXPECT_TRUE(set.Indicator(25).Applies());
  EXPECT_EQ(set.Range(36).to, 60);
  EXPECT_FALSE(set.IsEnabled(116));
  EXPECT_FALSE(set.CustomIndicatorsEnabled());
  EXPECT_TRUE(set.CustomIndicators().empty());
  EXPECT_TRUE(set.SelfConditions().empty());
  EXPECT_TRUE(set.TailSettings().empty());
  EXPECT_EQ(set.PoolNumbers().size(), 35u);  // as after the reset, not an empty pool
  EXPECT_TRUE(set.BankerNumbers().empty());
  EXPECT_FALSE(set.Switches().notHistory);
  EXPECT_FALSE(set.Tolerance().enabled);
}

TEST(ConditionFiles, ShortFileCutInsideAListIsCorrupt) {
  std::string bytes = EncodeFrontSet(RichSet());
  bytes.resize(951 * kRecord);  // self condition 2 is missing
  ConditionSet set = RichSet();
  const LoadReport report = DecodeFrontSet(bytes, set);
  EXPECT_FALSE(report.ok);
  EXPECT_EQ(report.message, "条件文件已损坏(第952条记录: 记录缺失)");
  EXPECT_EQ(set, ResetOf(RichSet()));
}

// Rewrites a 32-bit field of record r.
void Poke(std::string& bytes, int r, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[(r - 1) * kRecord + offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

TEST(ConditionFiles, CorruptFilesLeaveTheResetSet) {
  const std::string good = EncodeFrontSet(RichSet());
  auto expectCorrupt = [](std::string bytes, const std::string& message) {
    ConditionSet set = RichSet();
    const LoadReport report = DecodeFrontSet(bytes, set);
    EXPECT_FALSE(report.ok);
    EXPECT_TRUE(report.reset);
    EXPECT_EQ(report.message, message);
    EXPECT_EQ(set, ResetOf(RichSet()));
  };
  expectCorrupt(good.substr(0, good.size() - 1), "条件文件已损坏(长度不是8381字节的整数倍)");
  expectCorrupt("", "条件文件是空的");
  expectCorrupt(good + std::string(kRecord, '\0'), "不是主区条件文件(记录多于1200条)");

  std::string bytes = good;
  Poke(bytes, 25, 353, 2002);
  expectCorrupt(bytes, "条件文件已损坏(第25条记录: 取值个数2002)");

  bytes = good;
  Poke(bytes, 25, 353, 0xFFFFFFFF);
  expectCorrupt(bytes, "条件文件已损坏(第25条记录: 取值个数-1)");

  bytes = good;  // a formula filling all 201 bytes has no terminating zero
  std::fill_n(bytes.begin() + 800 * kRecord, 201, 'x');
  expectCorrupt(bytes, "条件文件已损坏(第801条记录: 公式没有结束符)");

  bytes = good;
  Poke(bytes, 800, 201, 101);
  expectCorrupt(bytes, "条件文件已损坏(第800条记录: 自定义指标个数101)");

  bytes = good;
  for (int n = 1; n <= 6; ++n) Poke(bytes, 941, 213 + 4 * (n - 1), n);
  expectCorrupt(bytes, "条件文件已损坏(第941条记录: 主区胆码多于5个)");

  bytes = good;
  Poke(bytes, 951, 209, 36);
  expectCorrupt(bytes, "条件文件已损坏(第951条记录: 组成员个数36)");

  bytes = good;
  Poke(bytes, 952, 213, 36);  // member 36
  expectCorrupt(bytes, "条件文件已损坏(第952条记录: 号码组必须是1到35之间互不相同的号码)");

  bytes = good;
  Poke(bytes, 35, 8365, 0x40590000);  // lower bound 100.0
  expectCorrupt(bytes, "条件文件已损坏(第35条记录: 范围不在0到99之间)");

  bytes = good;
  Poke(bytes, 945, 217, 101);
  expectCorrupt(bytes, "条件文件已损坏(第945条记录: 总容错不在0到100之间)");
}

TEST(ConditionFiles, FieldsWithoutMeaningAreIgnored) {
  std::string bytes = EncodeFrontSet(ConditionSet());
  // A disabled condition holding older data, a reserved six-number record
  // switched on, 37 filled, and a disabled total tolerance with odd bounds.
  Poke(bytes, 2, 353, 99999);
  Poke(bytes, 2, 8377, 0xFFFFFFFF);
  Poke(bytes, 28, 205, 0xFFFFFFFF);
  Poke(bytes, 28, 353, 1);
  Poke(bytes, 37, 205, 0xFFFFFFFF);
  Poke(bytes, 945, 213, 500);
  Poke(bytes, 950, 205, 0xFFFFFFFF);
  ConditionSet set;
  const LoadReport report = DecodeFrontSet(bytes, set);
  ASSERT_TRUE(report.ok) << report.message;
  EXPECT_EQ(set, ConditionSet());
}

TEST(ConditionFiles, BoundsAreRoundedHalfToEven) {
  std::string bytes = EncodeFrontSet(RichSet());
  Poke(bytes, 35, 8361, 0);
  Poke(bytes, 35, 8365, 0x40040000);  // 2.5
  Poke(bytes, 35, 8369, 0);
  Poke(bytes, 35, 8373, 0x400C0000);  // 3.5
  ConditionSet set;
  ASSERT_TRUE(DecodeFrontSet(bytes, set).ok);
  EXPECT_EQ(set.Range(35).from, 2);
  EXPECT_EQ(set.Range(35).to, 4);
}

TEST(ConditionFiles, BlankBoundIsNotSaved) {
  test::TempDir dir;
  const std::string path = dir.file("keep.zh");
  ASSERT_TRUE(SaveFrontSet(RichSet(), path));
  const std::string before = test::ReadBytes(path);
  ConditionSet set;
  set.SetEnabled(36, true);
  set.SetRangeBounds(36, 5, std::nullopt);
  std::string error;
  EXPECT_FALSE(SaveFrontSet(set, path, &error));
  EXPECT_EQ(error, "离散系数还未确定范围");
  EXPECT_EQ(test::ReadBytes(path), before);  // the old file is intact
  set.SetEnabled(36, false);
  set.SetEnabled(35, true);
  EXPECT_FALSE(SaveFrontSet(set, path, &error));
  EXPECT_EQ(error, "标准差还未确定范围");
}

TEST(ConditionFiles, UnreadableFile) {
  test::TempDir dir;
  ConditionSet set = RichSet();
  const LoadReport report = LoadFrontSet(dir.file("missing.zh"), set);
  EXPECT_FALSE(report.ok);
  EXPECT_EQ(report.message, "无法读取文件: " + dir.file("missing.zh"));
  EXPECT_EQ(set, ResetOf(RichSet()));
  std::string error;
  EXPECT_FALSE(SaveFrontSet(set, dir.file("no/such/dir/x.zh"), &error));
  EXPECT_EQ(error, "无法写入文件: " + dir.file("no/such/dir/x.zh") + " (文件夹不存在)");
}

TEST(ConditionFiles, Extensions) {
  EXPECT_EQ(WithConditionExtension("save/a", ".zh"), "save/a.zh");
  EXPECT_EQ(WithConditionExtension("save/a.zh", ".zh"), "save/a.zh");
  EXPECT_EQ(WithConditionExtension("save/A.ZH", ".zh"), "save/A.ZH");
  EXPECT_EQ(WithConditionExtension("my.zhong", ".zh"), "my.zhong.zh");
  EXPECT_EQ(WithConditionExtension("b", ".fh"), "b.fh");
}

BackConditionSet RichBackSet() {
  BackConditionSet back;
  back.SetEnabled(1, true);
  back.SetValues(1, Values({1, 2, 3}));
  back.SetEnabled(8, true);
  back.SetValues(8, *ValueSet::Range(0, 145));
  back.SetTolerant(8, true);
  std::vector<int> pool = {1, 2, 3, 4, 5, 6, 12};
  std::vector<int> bankers = {12};
  back.SetPool(pool);
  back.SetBankers(bankers);
  back.SetTolerance({true, 2});
  return back;
}

TEST(BackConditionFiles, LayoutAndRoundTrip) {
  const std::string b = EncodeBackSet(RichBackSet());
  ASSERT_EQ(b.size(), 20u * 8381u);
  EXPECT_EQ(Hex(b, 1, 205, 4), "ff ff ff ff");
  EXPECT_EQ(Hex(b, 1, 353, 16), "03 00 00 00 01 00 00 00 02 00 00 00 03 00 00 00");
  EXPECT_EQ(Hex(b, 8, 353, 4), "92 00 00 00");
  EXPECT_EQ(Hex(b, 8, 8377, 4), "ff ff ff ff");
  EXPECT_EQ(Hex(b, 18, 213 + 6 * 4, 24),
            "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 0c 00 00 00");
  EXPECT_EQ(Hex(b, 19, 213 + 11 * 4, 4), "0c 00 00 00");
  EXPECT_EQ(Hex(b, 20, 205, 12), "ff ff ff ff 00 00 00 00 02 00 00 00");
  EXPECT_EQ(NonZeroBytes(b.substr(8 * kRecord, 9 * kRecord)), 0u);  // records 9..17

  test::TempDir dir;
  ASSERT_TRUE(SaveBackSet(RichBackSet(), dir.file("b.fh")));
  ConditionSet set;
  ASSERT_TRUE(set.SetEnabled(1, true));  // the front zone is not part of a .fh
  const LoadReport report = LoadBackSet(dir.file("b.fh"), set.Back());
  ASSERT_TRUE(report.ok) << report.message;
  EXPECT_EQ(set.Back(), RichBackSet());
  EXPECT_TRUE(set.IsEnabled(1));
}

// The back set as its reset leaves it (the limit keeps its value).
BackConditionSet ResetBack() {
  BackConditionSet back = RichBackSet();
  back.Reset();
  return back;
}

// A back file given for a front one, or the other way round, is refused by
// what it holds, not filtered as a broken set.
TEST(BackConditionFiles, TheOtherZonesFileIsRefused) {
  test::TempDir dir;
  ASSERT_TRUE(SaveBackSet(RichBackSet(), dir.file("b.fh")));
  ASSERT_TRUE(SaveFrontSet(RichSet(), dir.file("f.zh")));
  ConditionSet front = RichSet();
  LoadReport report = LoadFrontSet(dir.file("b.fh"), front);
  EXPECT_FALSE(report.ok);
  EXPECT_EQ(report.message, "这是副区条件文件(*.fh), 不是主区条件文件(*.zh)");
  BackConditionSet back = RichBackSet();
  report = LoadBackSet(dir.file("f.zh"), back);
  EXPECT_FALSE(report.ok);
  EXPECT_EQ(report.message, "这是主区条件文件(*.zh), 不是副区条件文件(*.fh)");
  EXPECT_EQ(back, ResetBack());
}

TEST(BackConditionFiles, NineteenRecordsAreRefused) {
  std::string bytes = EncodeBackSet(RichBackSet());
  bytes.resize(19 * kRecord);
  BackConditionSet back = RichBackSet();
  const LoadReport report = DecodeBackSet(bytes, back);
  EXPECT_FALSE(report.ok);
  EXPECT_EQ(report.message, "副区条件文件不完整(只有19条记录，应为20条)");
  EXPECT_EQ(back, ResetBack());

  bytes = EncodeBackSet(RichBackSet()) + "x";
  back = RichBackSet();
  EXPECT_FALSE(DecodeBackSet(bytes, back).ok);
  EXPECT_EQ(back, ResetBack());

  bytes = EncodeBackSet(RichBackSet());
  Poke(bytes, 19, 213, 1);
  Poke(bytes, 19, 217, 2);
  back = RichBackSet();
  const LoadReport three = DecodeBackSet(bytes, back);
  EXPECT_EQ(three.message, "条件文件已损坏(第19条记录: 副区胆码多于2个)");
  EXPECT_EQ(back, ResetBack());
}

}  // namespace
}  // namespace dlt
