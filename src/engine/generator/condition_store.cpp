#include "generator/condition_store.h"

#include <filesystem>
#include <system_error>

namespace dlt {
namespace {

bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

LoadReport LoadIfPresent(const std::string& path, const char* missingMessage, ConditionSet& set) {
  if (!Exists(path)) {
    LoadReport report;
    report.message = missingMessage;
    return report;
  }
  return LoadFrontSet(path, set);
}

}  // namespace

std::string StandardSetPath(const DataFolder& folder) {
  return folder.Path("save/cgset.zh");
}
std::string ExitSetPath(const DataFolder& folder) {
  return folder.Path("exitset.zh");
}
std::string SnapshotPath(const DataFolder& folder, int slot) {
  return folder.Path("hfset" + std::to_string(slot) + ".zh");
}

LoadReport LoadStandardSet(const DataFolder& folder, ConditionSet& set) {
  return LoadIfPresent(StandardSetPath(folder),
                       "常规过滤条件的文件不存在，请先设置好常用的过滤条件，再覆盖常规过滤条件",
                       set);
}

bool SaveStandardSet(const DataFolder& folder, const ConditionSet& set, std::string* error) {
  std::error_code ec;
  std::filesystem::create_directories(folder.SaveDir(), ec);
  return SaveFrontSet(set, StandardSetPath(folder), error);
}

LoadReport LoadExitSet(const DataFolder& folder, ConditionSet& set) {
  return LoadIfPresent(ExitSetPath(folder), "你是第一次使用，上次退出前的过滤条件的文件并不存在",
                       set);
}

bool SaveExitSet(const DataFolder& folder, const ConditionSet& set, std::string* error) {
  return SaveFrontSet(set, ExitSetPath(folder), error);
}

bool RecordSnapshot(const DataFolder& folder, SnapshotRing& ring, const ConditionSet& set,
                    std::string* error) {
  const SnapshotRing next = ring.Pushed();
  if (!SaveFrontSet(set, SnapshotPath(folder, next.Current()), error)) return false;
  ring = next;
  return true;
}

LoadReport StepBackSnapshot(const DataFolder& folder, SnapshotRing& ring, ConditionSet& set) {
  if (!ring.StepBack()) {
    LoadReport report;
    report.message = "没有过滤条件可供恢复";
    return report;
  }
  return LoadIfPresent(SnapshotPath(folder, ring.Current()), "恢复上一次过滤条件的相关文件不存在",
                       set);
}

void DeleteSnapshots(const DataFolder& folder) {
  for (int slot = 0; slot < SnapshotRing::kSlots; ++slot) {
    std::error_code ec;
    std::filesystem::remove(SnapshotPath(folder, slot), ec);
  }
}

}  // namespace dlt
