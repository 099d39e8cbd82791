// Indicator mosaic files (*.zbz): one "key name" line per column, a line
// beginning with a blank a separator, at most 50. A file that is taken
// saves and reads back as itself, and its columns compute on a small
// history (a key the catalogue does not know shows -999); a refused file
// says why.
#include "fuzz_support.h"
#include "history/draw_text_io.h"
#include "trend/mosaic.h"

namespace {

using namespace dlt;

const fuzz::ScratchFolder& TheScratch() {
  static const fuzz::ScratchFolder scratch("mosaic");
  return scratch;
}

const std::vector<Draw>& Known() {
  static const std::vector<Draw> draws = MakeDemoDraws(6, 5);
  return draws;
}

void CheckColumns(const std::vector<std::string>& lines, std::string_view input) {
  std::vector<MosaicEntry> entries;
  for (const std::string& line : lines) {
    const MosaicEntry e = ParseMosaicLine(line);
    fuzz::Check(e.separator == (!line.empty() && line.front() == ' '),
                "a separator is a line beginning with a blank", input);
    fuzz::Check(e.separator || e.key.find(' ') == std::string::npos, "a key holds no blank", input);
    entries.push_back(e);
  }
  const EvalEnv env;
  const auto rows = MosaicTable(Known(), &env, entries, 0, 3);
  fuzz::Check(rows.size() == 3, "every asked row is there", input);
  for (const MosaicRow& row : rows) {
    fuzz::Check(row.cells.size() == entries.size(), "one cell per column", input);
    for (size_t c = 0; c < entries.size(); ++c)
      fuzz::Check(!entries[c].separator || row.cells[c].empty(), "a separator shows nothing",
                  input);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input = fuzz::AsText(data, size);
  const std::string path = TheScratch().Write(input, "input.zbz");
  std::string error;
  const auto lines = LoadMosaicFile(path, &error);
  if (!lines) {
    fuzz::Check(!error.empty(), "a refused mosaic file says why", input);
    return 0;
  }
  fuzz::Check(lines->size() <= kMosaicMaxEntries, "a mosaic holds 50 columns at most", input);
  CheckColumns(*lines, input);
  const std::string saved = TheScratch().Path("saved.zbz");
  if (!SaveMosaicFile(saved, *lines, &error)) {
    fuzz::Check(!error.empty(), "a refused save says why", input);
    return 0;
  }
  const auto again = LoadMosaicFile(saved, &error);
  fuzz::Check(again && *again == *lines, "a saved mosaic reads back as itself", input);
  return 0;
}

std::vector<dlt::fuzz::Seed> dlt::fuzz::Seeds() {
  const std::vector<std::string> lines = {"z_hz 和值", "z_num1 主号一",     " ---",
                                          "xc51 极差", "c_lwr_30_0_2 冷码", "getylz(z_hz) 和值遗漏",
                                          "foo"};
  std::vector<std::string> many(51, "z_ac AC值");
  return {
      {"seed-columns", WrittenBy([&](auto& p) { return SaveMosaicFile(p, lines, nullptr); })},
      {"seed-too-many", GbkFile(many)},
      {"seed-blank-lines", "\r\n \r\nz_hz\r\n\t\r\n"},
      {"seed-not-gbk", "z_hz \xff\xfe\r\n"},
  };
}
