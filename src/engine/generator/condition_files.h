#pragma once

#include <string>
#include <string_view>

#include "generator/condition_set.h"

namespace dlt {

// Condition files: "*.zh" holds the front set in 1200 records, "*.fh" the
// back set in 20 records. Every record is 8381 bytes, little-endian, no
// header:
//
//   offset  size  field
//        0   201  formula text in GBK, zero-terminated (custom indicators)
//      201     4  number of custom indicators (record 800)
//      205     4  enabled: -1 or 0
//      209     4  number of group members (self conditions, tail settings)
//      213   140  35 members (groups; pool/banker element n = n or 0; total
//                 tolerance bounds in elements 1 and 2; back limit in element 1)
//      353     4  number of values
//      357  8004  2001 values
//     8361     8  double: lower bound (35, 36), list count (951, 1151)
//     8369     8  double: upper bound (35, 36), distinct flag of a tail setting
//     8377     4  tolerant: -1 or 0
//
// Front records: 1..118 the conditions by number; 800 custom indicators
// (enabled, count); 801..900 the custom indicators; 940 pool; 941 bankers;
// 942..944 the three switches; 945 total tolerance; 951..1150 self
// conditions (951 also: enabled, count); 1151..1170 tail settings (1151
// also: enabled, count). Back records: 1..8 the conditions; 18 pool; 19
// bankers; 20 the tolerance limit.
//
// Every field that carries no meaning for its record (and every field of a
// disabled item but its enabled flag) is written as zero bytes, so one set
// always gives the same file.
namespace condition_file {
constexpr int kRecordSize = 8381;
constexpr int kFrontRecords = 1200;
constexpr int kBackRecords = 20;
constexpr int kFormulaOffset = 0;
constexpr int kFormulaSize = 201;
constexpr int kCustomCountOffset = 201;
constexpr int kEnabledOffset = 205;
constexpr int kMemberCountOffset = 209;
constexpr int kMembersOffset = 213;
constexpr int kMemberSlots = 35;
constexpr int kValueCountOffset = 353;
constexpr int kValuesOffset = 357;
constexpr int kLowerOffset = 8361;
constexpr int kUpperOffset = 8369;
constexpr int kTolerantOffset = 8377;

constexpr int kCustomRecord = 800;  // 801..900 the entries
constexpr int kPoolRecord = 940;
constexpr int kBankerRecord = 941;
constexpr int kNotHistoryRecord = 942;
constexpr int kNotEqualDistRecord = 943;
constexpr int kSpecNextRecord = 944;
constexpr int kToleranceRecord = 945;
constexpr int kSelfConditionRecord = 951;  // 951..1150
constexpr int kTailSettingRecord = 1151;   // 1151..1170
constexpr int kBackPoolRecord = 18;
constexpr int kBackBankerRecord = 19;
constexpr int kBackToleranceRecord = 20;
}  // namespace condition_file

// What a load did. On failure the zone that was being loaded is as after its
// reset (never half restored).
struct LoadReport {
  bool ok = false;      // restored
  bool reset = false;   // the zone was reset (false when nothing was touched)
  std::string message;  // on failure why; on success a notice worth showing, or empty
  int records = 0;      // whole records found in the file
};

// --- In memory ---

// The 1200 records of the front set. Fails (empty result, message) when an
// enabled 标准差 or 离散系数 has a blank bound: "标准差还未确定范围" /
// "离散系数还未确定范围".
std::string EncodeFrontSet(const ConditionSet& set, std::string* error = nullptr);
// The 20 records of the back set.
std::string EncodeBackSet(const BackConditionSet& set);

// Resets the front zone of `set` (重置), then restores it from `bytes`.
// A file of fewer than 1200 whole records restores what it holds; the
// missing records count as empty (and the result carries a notice). Bytes
// that are not whole records, more than 1200 records, or contents no saved
// set can have (counts out of range, a formula without its terminating zero
// or not GBK, more than five bankers, bounds outside 0..99, ...) fail with a
// message and leave the front zone reset, as does a back-zone file (20
// records that hold a back set). Reserved six-number records and record 37
// are ignored. The back zone is untouched. A custom indicator whose formula
// can never be computed is restored and named in the notice.
LoadReport DecodeFrontSet(std::string_view bytes, ConditionSet& set);
// Resets the back zone, then restores it from exactly 20 records; anything
// else (a front file among them) fails with a message and leaves the back
// zone reset.
LoadReport DecodeBackSet(std::string_view bytes, BackConditionSet& set);

// --- Files ---

// Appends `extension` (".zh", ".fh") unless the name already ends with it
// (any letter case).
std::string WithConditionExtension(std::string path, std::string_view extension);

// Writes the whole file beside its final name and renames it into place, so
// a failed save never destroys an older file. `path` is used as given.
bool SaveFrontSet(const ConditionSet& set, const std::string& path, std::string* error = nullptr);
bool SaveBackSet(const BackConditionSet& set, const std::string& path,
                 std::string* error = nullptr);

// Loads a file as DecodeFrontSet / DecodeBackSet do. A file that cannot be
// read fails with a message after the reset, as a corrupt one does.
LoadReport LoadFrontSet(const std::string& path, ConditionSet& set);
LoadReport LoadBackSet(const std::string& path, BackConditionSet& set);

}  // namespace dlt
