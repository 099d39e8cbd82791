#include "generator/condition_files.h"

#include <bit>
#include <cmath>
#include <cstdio>

#include "common/file_io.h"
#include "common/gbk_text.h"
#include "formula/formula_check.h"

namespace dlt {
namespace {

using namespace condition_file;

constexpr int32_t kTrue = -1;

// One record being written; every byte starts as zero.
class RecordWriter {
 public:
  explicit RecordWriter(char* record) : p_(record) {}

  void Int(int offset, int32_t value) {
    const auto u = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) p_[offset + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
  }
  void Flag(int offset, bool value) { Int(offset, value ? kTrue : 0); }
  void Double(int offset, double value) {
    const auto u = std::bit_cast<uint64_t>(value);
    for (int i = 0; i < 8; ++i) p_[offset + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
  }
  void Member(int element, int32_t value) { Int(kMembersOffset + 4 * (element - 1), value); }
  void Members(const std::vector<int>& members) {
    Int(kMemberCountOffset, static_cast<int32_t>(members.size()));
    for (size_t i = 0; i < members.size(); ++i) Member(static_cast<int>(i) + 1, members[i]);
  }
  void Values(const ValueSet& values) {
    Int(kValueCountOffset, values.Size());
    for (int i = 0; i < values.Size(); ++i) Int(kValuesOffset + 4 * i, values.Values()[i]);
  }
  void Text(const std::string& gbk) {  // at most 200 bytes, checked by the set
    for (size_t i = 0; i < gbk.size(); ++i) p_[kFormulaOffset + i] = gbk[i];
  }

 private:
  char* p_;
};

// One record being read. A record past the end of a short file reads as zeros.
class RecordReader {
 public:
  explicit RecordReader(const char* record) : p_(record) {}

  int32_t Int(int offset) const {
    if (!p_) return 0;
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
      u |= static_cast<uint32_t>(static_cast<uint8_t>(p_[offset + i])) << (8 * i);
    return static_cast<int32_t>(u);
  }
  bool Flag(int offset) const { return Int(offset) != 0; }
  double Double(int offset) const {
    if (!p_) return 0.0;
    uint64_t u = 0;
    for (int i = 0; i < 8; ++i)
      u |= static_cast<uint64_t>(static_cast<uint8_t>(p_[offset + i])) << (8 * i);
    return std::bit_cast<double>(u);
  }
  int32_t Member(int element) const { return Int(kMembersOffset + 4 * (element - 1)); }
  // The zero-terminated text field, or nullopt when no zero ends it.
  std::optional<std::string_view> Text() const {
    if (!p_) return std::string_view();
    const std::string_view field(p_ + kFormulaOffset, kFormulaSize);
    const size_t end = field.find('\0');
    if (end == std::string_view::npos) return std::nullopt;
    return field.substr(0, end);
  }

 private:
  const char* p_;
};

// A restore in progress: records by number and the first fault met.
class Restore {
 public:
  Restore(std::string_view bytes, int records) : bytes_(bytes), records_(records) {}

  RecordReader Record(int r) const {
    return RecordReader(r <= records_ ? bytes_.data() + static_cast<size_t>(r - 1) * kRecordSize
                                      : nullptr);
  }
  // A record past the end of a short file: its item stays as after the reset.
  bool Has(int r) const { return r <= records_; }
  // An entry of a list whose head record is present must be there too.
  bool Require(int r) { return Has(r) || Fail(r, ": 记录缺失"); }
  bool Failed() const { return !error_.empty(); }
  const std::string& Error() const { return error_; }
  bool Fail(int record, const std::string& what) {
    if (error_.empty())
      error_ = "条件文件已损坏(第" + std::to_string(record) + "条记录" + what + ")";
    return false;
  }

  std::optional<ValueSet> Values(int r) {
    const RecordReader rec = Record(r);
    const int32_t count = rec.Int(kValueCountOffset);
    if (count < 0 || count > ValueSet::kCapacity) {
      Fail(r, ": 取值个数" + std::to_string(count));
      return std::nullopt;
    }
    std::vector<int32_t> values(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) values[i] = rec.Int(kValuesOffset + 4 * i);
    return ValueSet::From(std::move(values));
  }

  std::optional<std::vector<int>> Members(int r, int maxCount) {
    const RecordReader rec = Record(r);
    const int32_t count = rec.Int(kMemberCountOffset);
    if (count < 0 || count > maxCount) {
      Fail(r, ": 组成员个数" + std::to_string(count));
      return std::nullopt;
    }
    std::vector<int> members;
    for (int i = 1; i <= count; ++i) members.push_back(rec.Member(i));
    return members;
  }

  // A list count stored as a double: a whole number 0..max.
  std::optional<int> ListCount(int r, int max) {
    const double d = Record(r).Double(kLowerOffset);
    if (!(d >= 0 && d <= max) || d != std::floor(d)) {
      Fail(r, ": 条目个数不正确");
      return std::nullopt;
    }
    return static_cast<int>(d);
  }

 private:
  std::string_view bytes_;
  int records_;
  std::string error_;
};

// Bounds of a range condition, rounded half to even as the edits show them.
std::optional<int32_t> StoredBound(double d) {
  if (!std::isfinite(d)) return std::nullopt;
  const double r = std::nearbyint(d);
  if (r < 0 || r > ConditionSet::kMaxRangeBound) return std::nullopt;
  return static_cast<int32_t>(r);
}

void WriteIndicator(RecordWriter w, const IndicatorCondition& c) {
  if (!c.enabled) return;
  w.Flag(kEnabledOffset, true);
  w.Values(c.values);
  w.Flag(kTolerantOffset, c.tolerant);
}

char* RecordAt(std::string& bytes, int r) {
  return bytes.data() + static_cast<size_t>(r - 1) * kRecordSize;
}

// Restores indicator record r (= the condition number) through the set's own
// setters, front or back.
template <typename Set>
bool RestoreIndicator(Restore& in, Set& set, int r) {
  const RecordReader rec = in.Record(r);
  if (!rec.Flag(kEnabledOffset)) return true;
  auto values = in.Values(r);
  if (!values) return false;
  std::string error;
  if (!set.SetEnabled(r, true, &error) || !set.SetValues(r, std::move(*values), &error) ||
      !set.SetTolerant(r, rec.Flag(kTolerantOffset), &error))
    return in.Fail(r, ": " + error);
  return true;
}

bool RestoreFront(Restore& in, ConditionSet& set) {
  std::string error;
  for (const FrontCondition& info : FrontConditions()) {
    const int r = info.number;
    if (!info.Selectable()) continue;  // reserved six-number records stay disabled
    if (info.IsRange()) {
      const RecordReader rec = in.Record(r);
      if (!rec.Flag(kEnabledOffset)) continue;
      const auto from = StoredBound(rec.Double(kLowerOffset));
      const auto to = StoredBound(rec.Double(kUpperOffset));
      if (!from || !to) return in.Fail(r, ": 范围不在0到99之间");
      set.SetEnabled(r, true);
      set.SetRangeBounds(r, from, to);
      set.SetTolerant(r, rec.Flag(kTolerantOffset));
      continue;
    }
    if (!RestoreIndicator(in, set, r)) return false;
  }

  if (in.Record(kCustomRecord).Flag(kEnabledOffset)) {
    set.SetCustomIndicatorsEnabled(true);
    const int32_t count = in.Record(kCustomRecord).Int(kCustomCountOffset);
    if (count < 0 || count > ConditionSet::kMaxCustomIndicators)
      return in.Fail(kCustomRecord, ": 自定义指标个数" + std::to_string(count));
    for (int k = 1; k <= count; ++k) {
      const int r = kCustomRecord + k;
      if (!in.Require(r)) return false;
      const auto gbk = in.Record(r).Text();
      if (!gbk) return in.Fail(r, ": 公式没有结束符");
      const auto formula = GbkToUtf8(*gbk);
      if (!formula) return in.Fail(r, ": 公式不是GBK文本");
      auto values = in.Values(r);
      if (!values) return false;
      CustomIndicator entry{*formula, std::move(*values), in.Record(r).Flag(kTolerantOffset)};
      if (!set.AddCustomIndicator(std::move(entry), &error)) return in.Fail(r, ": " + error);
    }
  }

  if (in.Has(kPoolRecord)) {
    std::vector<int> pool;
    for (int n = 1; n <= kFrontMax; ++n)
      if (in.Record(kPoolRecord).Member(n) != 0) pool.push_back(n);
    set.SetPool(pool);
  }
  if (in.Has(kBankerRecord)) {
    std::vector<int> bankers;
    for (int n = 1; n <= kFrontMax; ++n)
      if (in.Record(kBankerRecord).Member(n) == n) bankers.push_back(n);
    if (bankers.size() > static_cast<size_t>(ConditionSet::kMaxFrontBankers))
      return in.Fail(kBankerRecord, ": 主区胆码多于5个");
    set.SetBankers(bankers);
  }

  if (in.Has(kNotHistoryRecord))
    set.Switches().notHistory = in.Record(kNotHistoryRecord).Flag(kEnabledOffset);
  if (in.Has(kNotEqualDistRecord))
    set.Switches().notEqualDist = in.Record(kNotEqualDistRecord).Flag(kEnabledOffset);
  if (in.Has(kSpecNextRecord))
    set.Switches().specNext = in.Record(kSpecNextRecord).Flag(kEnabledOffset);

  if (in.Has(kToleranceRecord)) {
    const RecordReader rec = in.Record(kToleranceRecord);
    TotalTolerance t{rec.Flag(kEnabledOffset), rec.Member(1), rec.Member(2)};
    // The bounds are always written; when the box is off, bounds out of range are ignored.
    if (!set.SetTolerance(t)) {
      if (t.enabled) return in.Fail(kToleranceRecord, ": 总容错不在0到100之间");
      set.SetTolerance({false, set.Tolerance().from, set.Tolerance().to});
    }
  }

  if (in.Record(kSelfConditionRecord).Flag(kEnabledOffset)) {
    set.SetSelfConditionsEnabled(true);
    const auto count = in.ListCount(kSelfConditionRecord, ConditionSet::kMaxSelfConditions);
    if (!count) return false;
    for (int k = 0; k < *count; ++k) {
      const int r = kSelfConditionRecord + k;
      if (!in.Require(r)) return false;
      auto members = in.Members(r, kFrontMax);
      if (!members) return false;
      auto counts = in.Values(r);
      if (!counts) return false;
      SelfCondition entry{std::move(*members), std::move(*counts),
                          in.Record(r).Flag(kTolerantOffset)};
      if (!set.AddSelfCondition(std::move(entry), &error)) return in.Fail(r, ": " + error);
    }
  }

  if (in.Record(kTailSettingRecord).Flag(kEnabledOffset)) {
    set.SetTailSettingsEnabled(true);
    const auto count = in.ListCount(kTailSettingRecord, ConditionSet::kMaxTailSettings);
    if (!count) return false;
    for (int k = 0; k < *count; ++k) {
      const int r = kTailSettingRecord + k;
      if (!in.Require(r)) return false;
      auto digits = in.Members(r, 10);
      if (!digits) return false;
      auto counts = in.Values(r);
      if (!counts) return false;
      TailSetting entry{std::move(*digits), std::move(*counts), in.Record(r).Flag(kTolerantOffset),
                        in.Record(r).Double(kUpperOffset) == 1.0};
      if (!set.AddTailSetting(std::move(entry), &error)) return in.Fail(r, ": " + error);
    }
  }
  return true;
}

bool RestoreBack(Restore& in, BackConditionSet& set) {
  for (const BackCondition& info : BackConditions())
    if (!RestoreIndicator(in, set, info.number)) return false;

  std::vector<int> pool, bankers;
  for (int n = 1; n <= kBackMax; ++n) {
    if (in.Record(kBackPoolRecord).Member(n) != 0) pool.push_back(n);
    if (in.Record(kBackBankerRecord).Member(n) == n) bankers.push_back(n);
  }
  set.SetPool(pool);
  if (bankers.size() > static_cast<size_t>(BackConditionSet::kMaxBankers))
    return in.Fail(kBackBankerRecord, ": 副区胆码多于2个");
  set.SetBankers(bankers);

  const RecordReader rec = in.Record(kBackToleranceRecord);
  BackTolerance t{rec.Flag(kEnabledOffset), rec.Member(1)};
  if (!set.SetTolerance(t)) {
    if (t.enabled) return in.Fail(kBackToleranceRecord, ": 容错条件数不在1到15之间");
    set.SetTolerance({false, set.Tolerance().limit});
  }
  return true;
}

}  // namespace

std::string EncodeFrontSet(const ConditionSet& set, std::string* error) {
  std::string bytes(static_cast<size_t>(kFrontRecords) * kRecordSize, '\0');
  auto record = [&](int r) { return RecordWriter(RecordAt(bytes, r)); };

  for (const FrontCondition& info : FrontConditions()) {
    const int r = info.number;
    if (info.IsRange()) {
      const RangeCondition& range = set.Range(r);
      if (!range.enabled) continue;
      if (!range.HasBounds()) {
        if (error) *error = r == kStdDevCondition ? "标准差还未确定范围" : "离散系数还未确定范围";
        return {};
      }
      RecordWriter w = record(r);
      w.Flag(kEnabledOffset, true);
      w.Double(kLowerOffset, *range.from);
      w.Double(kUpperOffset, *range.to);
      w.Flag(kTolerantOffset, range.tolerant);
    } else if (info.Selectable()) {
      WriteIndicator(record(r), set.Indicator(r));
    }
  }

  record(kCustomRecord).Flag(kEnabledOffset, set.CustomIndicatorsEnabled());
  record(kCustomRecord)
      .Int(kCustomCountOffset, static_cast<int32_t>(set.CustomIndicators().size()));
  for (size_t k = 0; k < set.CustomIndicators().size(); ++k) {
    const CustomIndicator& entry = set.CustomIndicators()[k];
    RecordWriter w = record(kCustomRecord + 1 + static_cast<int>(k));
    w.Text(Utf8ToGbk(entry.formula).value_or(std::string()));
    w.Values(entry.values);
    w.Flag(kTolerantOffset, entry.tolerant);
  }

  for (int n = 1; n <= kFrontMax; ++n) {
    if (set.InPool(n)) record(kPoolRecord).Member(n, n);
    if (set.IsBanker(n)) record(kBankerRecord).Member(n, n);
  }
  record(kNotHistoryRecord).Flag(kEnabledOffset, set.Switches().notHistory);
  record(kNotEqualDistRecord).Flag(kEnabledOffset, set.Switches().notEqualDist);
  record(kSpecNextRecord).Flag(kEnabledOffset, set.Switches().specNext);
  record(kToleranceRecord).Flag(kEnabledOffset, set.Tolerance().enabled);
  record(kToleranceRecord).Member(1, set.Tolerance().from);
  record(kToleranceRecord).Member(2, set.Tolerance().to);

  record(kSelfConditionRecord).Flag(kEnabledOffset, set.SelfConditionsEnabled());
  record(kSelfConditionRecord)
      .Double(kLowerOffset, static_cast<double>(set.SelfConditions().size()));
  for (size_t k = 0; k < set.SelfConditions().size(); ++k) {
    const SelfCondition& entry = set.SelfConditions()[k];
    RecordWriter w = record(kSelfConditionRecord + static_cast<int>(k));
    w.Members(entry.numbers);
    w.Values(entry.counts);
    w.Flag(kTolerantOffset, entry.tolerant);
  }

  record(kTailSettingRecord).Flag(kEnabledOffset, set.TailSettingsEnabled());
  record(kTailSettingRecord).Double(kLowerOffset, static_cast<double>(set.TailSettings().size()));
  for (size_t k = 0; k < set.TailSettings().size(); ++k) {
    const TailSetting& entry = set.TailSettings()[k];
    RecordWriter w = record(kTailSettingRecord + static_cast<int>(k));
    w.Members(entry.digits);
    w.Values(entry.counts);
    w.Flag(kTolerantOffset, entry.tolerant);
    w.Double(kUpperOffset, entry.distinct ? 1.0 : 0.0);
  }
  return bytes;
}

std::string EncodeBackSet(const BackConditionSet& set) {
  std::string bytes(static_cast<size_t>(kBackRecords) * kRecordSize, '\0');
  auto record = [&](int r) { return RecordWriter(RecordAt(bytes, r)); };
  for (const BackCondition& info : BackConditions())
    WriteIndicator(record(info.number), set.Condition(info.number));
  for (int n = 1; n <= kBackMax; ++n) {
    if (set.InPool(n)) record(kBackPoolRecord).Member(n, n);
    if (set.IsBanker(n)) record(kBackBankerRecord).Member(n, n);
  }
  record(kBackToleranceRecord).Flag(kEnabledOffset, set.Tolerance().enabled);
  record(kBackToleranceRecord).Member(1, set.Tolerance().limit);
  return bytes;
}

LoadReport DecodeFrontSet(std::string_view bytes, ConditionSet& set) {
  LoadReport report;
  set.ResetFront();
  report.reset = true;
  if (bytes.size() % kRecordSize != 0) {
    report.message = "条件文件已损坏(长度不是" + std::to_string(kRecordSize) + "字节的整数倍)";
    return report;
  }
  report.records = static_cast<int>(bytes.size() / kRecordSize);
  if (report.records > kFrontRecords) {
    report.message = "不是主区条件文件(记录多于1200条)";
    return report;
  }
  if (report.records == 0) {
    report.message = "条件文件是空的";
    return report;
  }
  // A back-zone file is as long as 20 front records: judged by what it
  // holds, not by its name, it would otherwise filter as a broken front set.
  if (report.records == kBackRecords) {
    BackConditionSet back;
    if (DecodeBackSet(bytes, back).ok) {
      report.message = "这是副区条件文件(*.fh), 不是主区条件文件(*.zh)";
      return report;
    }
  }
  ConditionSet loaded = set;
  Restore in(bytes, report.records);
  if (!RestoreFront(in, loaded)) {
    report.message = in.Error();
    return report;
  }
  set = std::move(loaded);
  report.ok = true;
  std::vector<std::string> notices;
  if (report.records < kFrontRecords)
    notices.push_back("条件文件只有" + std::to_string(report.records) +
                      "条记录(应为1200条)，缺少的条件按未设置处理");
  // A formula that cannot be computed is kept (the user may mend it), but
  // said: the filter would pass over it without a word.
  const auto& entries = set.CustomIndicators();
  for (size_t k = 0; k < entries.size(); ++k)
    if (auto problem = CheckFormula(entries[k].formula))
      notices.push_back("自定义指标第" + std::to_string(k + 1) + "条 " +
                        CutText(entries[k].formula) + " " + *problem);
  for (const std::string& notice : notices)
    report.message += (report.message.empty() ? "" : "\n") + notice;
  return report;
}

LoadReport DecodeBackSet(std::string_view bytes, BackConditionSet& set) {
  LoadReport report;
  set.Reset();
  report.reset = true;
  report.records = static_cast<int>(bytes.size() / kRecordSize);
  if (bytes.size() % kRecordSize == 0 && report.records > kBackRecords &&
      report.records <= kFrontRecords) {
    report.message = "这是主区条件文件(*.zh), 不是副区条件文件(*.fh)";
    return report;
  }
  if (bytes.size() != static_cast<size_t>(kBackRecords) * kRecordSize) {
    report.message =
        bytes.size() % kRecordSize == 0 && report.records < kBackRecords
            ? "副区条件文件不完整(只有" + std::to_string(report.records) + "条记录，应为20条)"
            : "不是副区条件文件(长度应为" + std::to_string(kBackRecords * kRecordSize) + "字节)";
    return report;
  }
  BackConditionSet loaded = set;
  Restore in(bytes, report.records);
  if (!RestoreBack(in, loaded)) {
    report.message = in.Error();
    return report;
  }
  set = std::move(loaded);
  report.ok = true;
  return report;
}

std::string WithConditionExtension(std::string path, std::string_view extension) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  bool endsWith = path.size() >= extension.size();
  for (size_t i = 0; endsWith && i < extension.size(); ++i)
    endsWith = lower(path[path.size() - extension.size() + i]) == lower(extension[i]);
  if (!endsWith) path += extension;
  return path;
}

bool SaveFrontSet(const ConditionSet& set, const std::string& path, std::string* error) {
  std::string encodeError;
  const std::string bytes = EncodeFrontSet(set, &encodeError);
  if (bytes.empty()) {
    if (error) *error = encodeError;
    return false;
  }
  return WriteFileAtomically(path, bytes, error);
}

bool SaveBackSet(const BackConditionSet& set, const std::string& path, std::string* error) {
  return WriteFileAtomically(path, EncodeBackSet(set), error);
}

LoadReport LoadFrontSet(const std::string& path, ConditionSet& set) {
  std::string error;
  const auto bytes =
      ReadRegularFile(path, static_cast<size_t>(kFrontRecords) * kRecordSize, &error);
  if (!bytes) {
    set.ResetFront();
    LoadReport report;
    report.reset = true;
    report.message = error;
    return report;
  }
  return DecodeFrontSet(*bytes, set);
}

LoadReport LoadBackSet(const std::string& path, BackConditionSet& set) {
  std::string error;
  // Read as far as a front file goes, so that one is named as such.
  const auto bytes =
      ReadRegularFile(path, static_cast<size_t>(kFrontRecords) * kRecordSize, &error);
  if (!bytes) {
    set.Reset();
    LoadReport report;
    report.reset = true;
    report.message = error;
    return report;
  }
  return DecodeBackSet(*bytes, set);
}

}  // namespace dlt
