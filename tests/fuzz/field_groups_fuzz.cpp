// The group texts of "田野走势图" (database/tyzsd<N>.txt): ten blocks of N
// group lines. The first input byte sets N (2..10), the rest is the file.
// What loads has N groups in each of the ten charts, places every value in
// the first group whose text holds it, and saves and reads back as itself;
// a refused file says why.
#include "analysis/field_groups.h"
#include "common/numbers.h"
#include "fuzz_support.h"

namespace {

using namespace dlt;

const fuzz::ScratchFolder& TheScratch() {
  static const fuzz::ScratchFolder scratch("groups");
  return scratch;
}

void CheckGroups(const FieldGroups& groups, int count, std::string_view input) {
  for (const auto& chart : groups) {
    fuzz::Check(chart.size() == static_cast<size_t>(count), "every chart has N groups", input);
    for (const int32_t v : {0, 1, 7, 10, 35, 99, 100, 1234, 65535}) {
      const int g = FieldGroupOf(chart, v);
      fuzz::Check(g >= -1 && g < count, "a value falls in one of the groups or none", input);
      for (int j = 0; j < (g < 0 ? count : g); ++j)
        fuzz::Check(chart[static_cast<size_t>(j)].find(TwoDigit(v)) == std::string::npos,
                    "a value goes to the first group that holds it", input);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int count = kMinFieldGroups + data[0] % (kMaxFieldGroups - kMinFieldGroups + 1);
  const std::string_view input = fuzz::AsText(data + 1, size - 1);
  const std::string path =
      TheScratch().Write(input, "database/tyzsd" + std::to_string(count) + ".txt");
  std::string error;
  const auto groups = LoadFieldGroups(path, count, &error);
  if (!groups) {
    fuzz::Check(!error.empty(), "a refused group file says why", input);
    return 0;
  }
  CheckGroups(*groups, count, input);
  const std::string saved = TheScratch().Path("saved.txt");
  if (!SaveFieldGroups(saved, *groups, &error)) {
    fuzz::Check(!error.empty(), "a refused save says why", input);
    return 0;
  }
  const auto again = LoadFieldGroups(saved, count, &error);
  fuzz::Check(again && *again == *groups, "saved groups read back as themselves", input);
  return 0;
}

std::vector<dlt::fuzz::Seed> dlt::fuzz::Seeds() {
  FieldGroups four;
  for (auto& chart : four) chart = {"01 02 03", "04 05 06 07", "08 09", "10 11 12 13 14 15"};
  const std::string written = WrittenBy([&](auto& p) { return SaveFieldGroups(p, four, nullptr); });
  return {
      {"seed-four-groups", std::string(1, '\x02') + written},
      {"seed-short-file", std::string(1, '\x08') + "01 02\r\n03\r\n"},
      {"seed-empty", std::string(1, '\x00')},
      {"seed-not-gbk", std::string(1, '\x03') + "01 \xff\r\n"},
      {"seed-lines-beyond", std::string(1, '\x00') + GbkFile(std::vector<std::string>(45, "01"))},
  };
}
