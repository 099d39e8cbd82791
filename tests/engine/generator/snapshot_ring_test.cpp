#include "generator/snapshot_ring.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "generator/condition_store.h"
#include "support/test_support.h"

namespace dlt {
namespace {

using test::FrontNumber;

std::tuple<int, int, int> State(const SnapshotRing& ring) {
  return {ring.Head(), ring.Current(), ring.Count()};
}

TEST(SnapshotRing, PushesAroundTheRing) {
  SnapshotRing ring;
  EXPECT_EQ(State(ring), std::make_tuple(-1, -1, 0));
  EXPECT_FALSE(ring.CanStepBack());
  const std::tuple<int, int, int> expected[] = {{0, 0, 0}, {0, 1, 1}, {0, 2, 2}, {0, 3, 3},
                                                {0, 4, 4}, {1, 0, 4}, {2, 1, 4}};
  for (const auto& state : expected) {
    ring.Push();
    EXPECT_EQ(State(ring), state);
  }
}

TEST(SnapshotRing, StepsBackAtMostFourTimes) {
  SnapshotRing ring;
  for (int i = 0; i < 6; ++i) ring.Push();  // current 0, count 4
  const int slots[] = {4, 3, 2, 1};
  for (int slot : slots) {
    ASSERT_TRUE(ring.StepBack());
    EXPECT_EQ(ring.Current(), slot);
  }
  const SnapshotRing before = ring;
  EXPECT_FALSE(ring.StepBack());
  EXPECT_EQ(ring, before);
}

TEST(SnapshotRing, PushedLeavesTheRingAlone) {
  SnapshotRing ring;
  ring.Push();
  const SnapshotRing next = ring.Pushed();
  EXPECT_EQ(State(ring), std::make_tuple(0, 0, 0));
  EXPECT_EQ(State(next), std::make_tuple(0, 1, 1));
}

// A set that tells which run recorded it: 和值 holds the run number.
ConditionSet RunSet(int run) {
  ConditionSet set;
  set.SetEnabled(FrontNumber("hmhz"), true);
  set.SetValues(FrontNumber("hmhz"), *ValueSet::From({run}));
  return set;
}

int RunOf(const ConditionSet& set) {
  const auto& values = set.Indicator(FrontNumber("hmhz")).values;
  return values.Size() == 1 ? values.Values()[0] : -1;
}

TEST(ConditionStore, SixRunsAndFiveStepsBack) {
  test::TempDir dir;
  const DataFolder folder(dir.path());
  SnapshotRing ring;
  std::string error;
  for (int run = 1; run <= 6; ++run)
    ASSERT_TRUE(RecordSnapshot(folder, ring, RunSet(run), &error)) << error;
  for (int k = 0; k < 5; ++k)
    EXPECT_TRUE(std::filesystem::exists(dir.file("hfset" + std::to_string(k) + ".zh")));
  ConditionSet slot0;
  ASSERT_TRUE(LoadFrontSet(dir.file("hfset0.zh"), slot0).ok);
  EXPECT_EQ(RunOf(slot0), 6);  // the sixth run went round into slot 0

  ConditionSet set = RunSet(6);
  for (int expectedRun : {5, 4, 3, 2}) {
    const LoadReport report = StepBackSnapshot(folder, ring, set);
    ASSERT_TRUE(report.ok) << report.message;
    EXPECT_EQ(RunOf(set), expectedRun);
  }
  const LoadReport fifth = StepBackSnapshot(folder, ring, set);
  EXPECT_FALSE(fifth.ok);
  EXPECT_FALSE(fifth.reset);
  EXPECT_EQ(fifth.message, "没有过滤条件可供恢复");
  EXPECT_EQ(RunOf(set), 2);  // unchanged
}

TEST(ConditionStore, MissingSnapshotStillStepsBack) {
  test::TempDir dir;
  const DataFolder folder(dir.path());
  SnapshotRing ring;
  ASSERT_TRUE(RecordSnapshot(folder, ring, RunSet(1)));
  ASSERT_TRUE(RecordSnapshot(folder, ring, RunSet(2)));
  DeleteSnapshots(folder);
  EXPECT_FALSE(std::filesystem::exists(dir.file("hfset0.zh")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("hfset1.zh")));
  ConditionSet set = RunSet(2);
  const LoadReport report = StepBackSnapshot(folder, ring, set);
  EXPECT_FALSE(report.ok);
  EXPECT_EQ(report.message, "恢复上一次过滤条件的相关文件不存在");
  EXPECT_EQ(ring.Count(), 0);
  EXPECT_EQ(ring.Current(), 0);
  EXPECT_EQ(RunOf(set), 2);
}

TEST(ConditionStore, FailedSnapshotLeavesTheRing) {
  test::TempDir dir;
  const DataFolder folder(dir.path() + "/not-a-folder");
  test::WriteBytes(dir.path() + "/not-a-folder", "x");  // a file where the folder should be
  SnapshotRing ring;
  std::string error;
  EXPECT_FALSE(RecordSnapshot(folder, ring, RunSet(1), &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ring, SnapshotRing());

  // A set with a blank bound cannot be recorded either.
  const DataFolder good(dir.path());
  ConditionSet blank;
  blank.SetEnabled(FrontNumber("bzc"), true);
  EXPECT_FALSE(RecordSnapshot(good, ring, blank, &error));
  EXPECT_EQ(error, "标准差还未确定范围");
  EXPECT_EQ(ring, SnapshotRing());
}

TEST(ConditionStore, StandardSet) {
  test::TempDir dir;
  const DataFolder folder(dir.path());
  ConditionSet set = RunSet(7);
  const LoadReport missing = LoadStandardSet(folder, set);
  EXPECT_FALSE(missing.ok);
  EXPECT_FALSE(missing.reset);
  EXPECT_EQ(missing.message,
            "常规过滤条件的文件不存在，请先设置好常用的过滤条件，再覆盖常规过滤条件");
  EXPECT_EQ(RunOf(set), 7);

  std::string error;
  ASSERT_TRUE(SaveStandardSet(folder, set, &error)) << error;  // creates save/
  EXPECT_TRUE(std::filesystem::exists(dir.file("save/cgset.zh")));
  ConditionSet loaded;
  ASSERT_TRUE(LoadStandardSet(folder, loaded).ok);
  EXPECT_EQ(loaded, set);
}

TEST(ConditionStore, ExitSet) {
  test::TempDir dir;
  const DataFolder folder(dir.path());
  ConditionSet set = RunSet(9);
  const LoadReport missing = LoadExitSet(folder, set);
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.message, "你是第一次使用，上次退出前的过滤条件的文件并不存在");
  ASSERT_TRUE(SaveExitSet(folder, set));
  EXPECT_EQ(ExitSetPath(folder), dir.file("exitset.zh"));
  ConditionSet loaded;
  ASSERT_TRUE(LoadExitSet(folder, loaded).ok);
  EXPECT_EQ(RunOf(loaded), 9);
}

}  // namespace
}  // namespace dlt
