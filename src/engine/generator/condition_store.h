#pragma once

#include <string>

#include "common/data_folder.h"
#include "generator/condition_files.h"
#include "generator/snapshot_ring.h"

namespace dlt {

// The condition files kept at fixed places in the data folder: the standard
// set "save/cgset.zh" (常规过滤条件), the set in force at the last exit
// "exitset.zh", and the snapshot ring "hfset0.zh" .. "hfset4.zh".
// Loads follow LoadFrontSet; a missing file leaves the set untouched and
// gives the window's message.

std::string StandardSetPath(const DataFolder& folder);         // <root>/save/cgset.zh
std::string ExitSetPath(const DataFolder& folder);             // <root>/exitset.zh
std::string SnapshotPath(const DataFolder& folder, int slot);  // <root>/hfset<slot>.zh

// 载入常规过滤条件. Missing:
// "常规过滤条件的文件不存在，请先设置好常用的过滤条件，再覆盖常规过滤条件".
LoadReport LoadStandardSet(const DataFolder& folder, ConditionSet& set);
// 覆盖常规过滤条件: saves without asking (creates save/ when missing).
bool SaveStandardSet(const DataFolder& folder, const ConditionSet& set,
                     std::string* error = nullptr);

// 载入上次退出前的过滤条件. Missing: "你是第一次使用，上次退出前的过滤条件的文件并不存在".
LoadReport LoadExitSet(const DataFolder& folder, ConditionSet& set);
// On closing the program.
bool SaveExitSet(const DataFolder& folder, const ConditionSet& set, std::string* error = nullptr);

// After Filter and Continue filtering: saves the set into the slot the ring
// pushes to, and moves the ring on only when the file is written (a failed
// save must not leave the ring pointing at an older run's file).
bool RecordSnapshot(const DataFolder& folder, SnapshotRing& ring, const ConditionSet& set,
                    std::string* error = nullptr);

// 恢复上一次过滤条件: with nothing to step back to, "没有过滤条件可供恢复"
// and the ring is unchanged; otherwise the ring steps back and the slot's
// file is loaded, or, when it is missing, "恢复上一次过滤条件的相关文件不存在"
// (the ring has stepped back all the same; the set is untouched).
LoadReport StepBackSnapshot(const DataFolder& folder, SnapshotRing& ring, ConditionSet& set);

// On closing the program: removes the five snapshot files where they exist.
void DeleteSnapshots(const DataFolder& folder);

}  // namespace dlt
