// Condition files (.zh front, .fh back). A file is up to 1200 records of
// 8381 bytes, mostly zeros, so the input describes it sparsely (see
// SparseFile): small inputs reach every record. Every file is decoded as a
// front and as a back set; a set that loads must save and load back to
// itself, byte for byte.
#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "fuzz_support.h"
#include "generator/condition_files.h"

namespace {

using namespace dlt;
using namespace dlt::condition_file;

constexpr size_t kMaxRecords = kFrontRecords + 1;  // one past the largest good file
constexpr size_t kHeaderSize = 4;
constexpr size_t kPatchHead = 5;

size_t U16(std::string_view in, size_t at) {
  return static_cast<uint8_t>(in[at]) | static_cast<size_t>(static_cast<uint8_t>(in[at + 1])) << 8;
}

void Put16(std::string& out, size_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}

// The file an input stands for:
//   u16 whole records (modulo 1202), u16 bytes after them (modulo 8381),
//   then patches to the end: u16 record (0-based, modulo 1201), u16 offset
//   in it (modulo 8381), u8 length, that many bytes.
// Every byte not patched is zero; a patch past the end of the file is cut.
// An input shorter than the header is the file itself.
//
// Files of ten megabytes made afresh for every input would take most of the
// time, so one zeroed buffer is kept: the file is its tail, where a read
// past the end still leaves the allocation, and the patches are undone after.
class SparseFile {
 public:
  std::string_view Expand(std::string_view in) {
    Undo();
    if (in.size() < kHeaderSize) return Place(in.size(), in);
    const size_t records = U16(in, 0) % (kMaxRecords + 1);
    const size_t extra = U16(in, 2) % kRecordSize;
    const std::string_view file = Place(records * kRecordSize + extra, {});
    for (size_t at = kHeaderSize; at + kPatchHead <= in.size();) {
      const size_t start = U16(in, at) % kMaxRecords * kRecordSize + U16(in, at + 2) % kRecordSize;
      const size_t length =
          std::min<size_t>(static_cast<uint8_t>(in[at + 4]), in.size() - at - kPatchHead);
      at += kPatchHead;
      if (start < file.size()) Write(start, in.substr(at, std::min(length, file.size() - start)));
      at += length;
    }
    return file;
  }

 private:
  static constexpr size_t kCapacity = kMaxRecords * kRecordSize + kRecordSize - 1;

  std::string_view Place(size_t size, std::string_view bytes) {
    if (size > kCapacity) fuzz::Fail("a file larger than the buffer");
    begin_ = kCapacity - size;
    Write(0, bytes);
    return {buffer_.get() + begin_, size};
  }
  void Write(size_t at, std::string_view bytes) {
    std::copy(bytes.begin(), bytes.end(), buffer_.get() + begin_ + at);
    written_.push_back({begin_ + at, bytes.size()});
  }
  void Undo() {
    for (const auto& [at, length] : written_) std::fill_n(buffer_.get() + at, length, '\0');
    written_.clear();
  }

  std::unique_ptr<char[]> buffer_{new char[kCapacity]()};
  size_t begin_ = 0;
  std::vector<std::pair<size_t, size_t>> written_;
};

// The input that stands for a whole file: a patch per run of bytes that
// holds no two zeros in a row, within one record.
std::string SparseInputOf(const std::string& file) {
  std::string in;
  Put16(in, file.size() / kRecordSize);
  Put16(in, file.size() % kRecordSize);
  const auto zeroPair = [&](size_t p) {
    return file[p] == '\0' && (p + 1 == file.size() || file[p + 1] == '\0');
  };
  for (size_t p = 0; p < file.size();) {
    if (file[p] == '\0') {
      ++p;
      continue;
    }
    size_t end = p;
    while (end < file.size() && end - p < 255 && end / kRecordSize == p / kRecordSize &&
           !zeroPair(end))
      ++end;
    Put16(in, p / kRecordSize);
    Put16(in, p % kRecordSize);
    in += static_cast<char>(end - p);
    in.append(file, p, end - p);
    p = end;
  }
  return in;
}

std::string InputOf(const std::string& file) {
  std::string in = SparseInputOf(file);
  static SparseFile sparse;
  fuzz::Check(sparse.Expand(in) == file, "a seed stands for its file");
  return in;
}

template <typename Set>
void CheckRoundTrip(std::string_view file, LoadReport (*decode)(std::string_view, Set&),
                    std::string (*encode)(const Set&), const char* zone) {
  Set first;
  const LoadReport loaded = decode(file, first);
  if (!loaded.ok) {
    fuzz::Check(!loaded.message.empty(), "a refused file says why", zone);
    fuzz::Check(first == Set(), "a refused file leaves the zone reset", zone);
    return;
  }
  // Saving writes ten megabytes, most of the time spent here; most inputs
  // differ only in bytes a load ignores, so a set just checked is passed.
  static std::vector<Set> recent;
  if (std::find(recent.begin(), recent.end(), first) != recent.end()) return;
  const std::string saved = encode(first);
  if (saved.empty()) return;  // a set the window refuses to save too
  Set second;
  const LoadReport reloaded = decode(saved, second);
  fuzz::Check(reloaded.ok, "a saved set loads", reloaded.message);
  // Equal sets save equal bytes, so this also holds the file to one form.
  fuzz::Check(second == first, "a saved set loads as itself", zone);
  constexpr size_t kRecent = 64;
  if (recent.size() == kRecent) recent.erase(recent.begin());
  recent.push_back(std::move(first));
}

std::string EncodeFront(const ConditionSet& set) {
  return EncodeFrontSet(set);
}

ValueSet Values(std::vector<int32_t> v) {
  return *ValueSet::From(std::move(v));
}

ConditionSet RichFrontSet() {
  ConditionSet set;
  set.SetEnabled(1, true);
  set.SetValues(1, Values({2, 3}));
  set.SetTolerant(1, true);
  set.SetEnabled(25, true);
  set.SetValues(25, *ValueSet::Range(80, 120));
  set.SetEnabled(14, true);
  set.SetEnabled(35, true);
  set.SetRangeBounds(35, 1, 2);
  set.SetEnabled(36, true);
  set.SetRangeBounds(36, 10, 60);
  set.SetTolerant(36, true);
  const std::vector<int> pool = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30};
  const std::vector<int> bankers = {7};
  set.SetPool(pool);
  set.SetBankers(bankers);
  set.Switches() = {true, false, true};
  set.SetTolerance({true, 2, 3});
  set.AddCustomIndicator({"(z_hz+z_num1)%10", Values({5, 7, -2}), false});
  set.AddCustomIndicator({"中文公式", Values({1}), true});
  set.AddSelfCondition({{1, 2, 3}, Values({0, 1}), true});
  set.AddSelfCondition({{35}, Values({1}), false});
  set.AddTailSetting({{3, 5}, Values({2}), false, true});
  set.AddTailSetting({{0}, Values({0, 1}), true, false});
  return set;
}

BackConditionSet RichBackSet() {
  BackConditionSet set;
  set.SetEnabled(1, true);
  set.SetValues(1, Values({3, 4, 5}));
  set.SetTolerant(1, true);
  set.SetEnabled(8, true);
  set.SetValues(8, Values({0}));
  const std::vector<int> pool = {1, 2, 5, 9, 12};
  const std::vector<int> bankers = {5};
  set.SetPool(pool);
  set.SetBankers(bankers);
  set.SetTolerance({true, 1});
  return set;
}

void PutInt(std::string& file, int record, int offset, int32_t value) {
  const auto u = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i)
    file[static_cast<size_t>(record - 1) * kRecordSize + offset + i] =
        static_cast<char>((u >> (8 * i)) & 0xFF);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static SparseFile sparse;
  const std::string_view file = sparse.Expand(fuzz::AsText(data, size));
  CheckRoundTrip<ConditionSet>(file, &DecodeFrontSet, &EncodeFront, "front");
  CheckRoundTrip<BackConditionSet>(file, &DecodeBackSet, &EncodeBackSet, "back");
  return 0;
}

std::vector<dlt::fuzz::Seed> dlt::fuzz::Seeds() {
  const std::string rich = EncodeFrontSet(RichFrontSet());
  const std::string back = EncodeBackSet(RichBackSet());
  std::vector<Seed> seeds = {
      {"seed-fresh-front", InputOf(EncodeFrontSet(ConditionSet()))},
      {"seed-rich-front", InputOf(rich)},
      {"seed-fresh-back", InputOf(EncodeBackSet(BackConditionSet()))},
      {"seed-rich-back", InputOf(back)},
      {"seed-short-front", InputOf(rich.substr(0, 120 * kRecordSize))},
  };
  std::string broken = rich;
  PutInt(broken, 25, kValueCountOffset, 5000);
  seeds.push_back({"seed-bad-value-count", InputOf(broken)});
  broken = rich;
  std::fill_n(broken.begin() + (kCustomRecord + 1 - 1) * kRecordSize, kFormulaSize, 'a');
  seeds.push_back({"seed-formula-without-end", InputOf(broken)});
  broken = rich;
  for (int n = 1; n <= 6; ++n) PutInt(broken, kBankerRecord, kMembersOffset + 4 * (n - 1), n);
  seeds.push_back({"seed-six-bankers", InputOf(broken)});
  seeds.push_back({"seed-torn-record", InputOf(back.substr(0, back.size() - 10))});
  return seeds;
}
