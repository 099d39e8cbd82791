// The files of the kill-number window: scheme files (one formula per slot),
// custom kill sets (*.scs) and formula set files, all read from the same
// bytes. Whatever a reader accepts must save and read back as itself; a
// refused file says why.
#include "fuzz_support.h"
#include "killnum/scheme_files.h"

namespace {

using namespace dlt;

const fuzz::ScratchFolder& TheScratch() {
  static const fuzz::ScratchFolder scratch("kill");
  return scratch;
}

// Saves what was loaded and loads it again; a save may refuse text that has
// no GBK form (a UTF-8 file can hold it), and then it says why.
template <typename T, typename Load, typename Save>
void CheckRoundTrip(const T& loaded, Load load, Save save, const char* what) {
  const std::string path = TheScratch().Path("saved.txt");
  std::string error;
  if (!save(path, loaded, &error)) {
    fuzz::Check(!error.empty(), "a refused save says why", what);
    return;
  }
  const auto again = load(path, &error);
  fuzz::Check(again.has_value(), "a saved file reads back", error);
  fuzz::Check(*again == loaded, "a saved file reads back as itself", what);
}

void CheckSchemes(const std::string& input, int slots) {
  std::string error;
  const auto book = LoadSchemeFile(input, slots, &error);
  if (!book) {
    fuzz::Check(!error.empty(), "a refused scheme file says why");
    return;
  }
  fuzz::Check(book->Lines().size() == static_cast<size_t>(slots * kSchemeCount),
              "a scheme file fills every slot");
  CheckRoundTrip(
      book->Lines(),
      [slots](const std::string& p, std::string* e) -> std::optional<std::vector<std::string>> {
        auto b = LoadSchemeFile(p, slots, e);
        if (!b) return std::nullopt;
        return b->Lines();
      },
      [slots](const std::string& p, const std::vector<std::string>& lines, std::string* e) {
        SchemeBook b(slots);
        b.Assign(lines);
        return SaveSchemeFile(p, b, e);
      },
      "scheme file");
}

struct KillSetImage {
  std::string indicator;
  int32_t from, to;
  std::vector<std::string> lines;
  bool operator==(const KillSetImage&) const = default;
};

std::optional<KillSetImage> LoadImage(const std::string& path, std::string* error) {
  const auto set = LoadCustomKillSet(path, error);
  if (!set) return std::nullopt;
  return KillSetImage{set->indicator, set->from, set->to, set->book.Lines()};
}

bool SaveImage(const std::string& path, const KillSetImage& image, std::string* error) {
  CustomKillSet set;
  set.indicator = image.indicator;
  set.from = image.from;
  set.to = image.to;
  set.book.Assign(image.lines);
  return SaveCustomKillSet(path, set, error);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input = TheScratch().Write(fuzz::AsText(data, size));
  for (const SchemeLayout& layout : {LayoutOf(KillKind::FrontKill), LayoutOf(KillKind::BackBanker)})
    CheckSchemes(input, layout.slotCount);

  std::string error;
  if (const auto image = LoadImage(input, &error)) {
    const KillValueRange allowed = KillableValues(image->indicator);
    fuzz::Check(image->from <= image->to && image->from >= allowed.lo && image->to <= allowed.hi,
                "a custom kill set's range is in order and within its indicator's values");
    CheckRoundTrip(*image, &LoadImage, &SaveImage, "custom kill set");
  } else
    fuzz::Check(!error.empty(), "a refused custom kill set says why");

  if (const auto formulas = LoadFormulaSet(input, &error)) {
    for (const std::string& f : *formulas) fuzz::Check(!f.empty(), "a formula set has no blanks");
    CheckRoundTrip(
        *formulas, &LoadFormulaSet,
        [](const std::string& p, const std::vector<std::string>& f, std::string* e) {
          return SaveFormulaSet(p, f, e);
        },
        "formula set");
  } else {
    fuzz::Check(!error.empty(), "a refused formula set says why");
  }
  return 0;
}

std::vector<dlt::fuzz::Seed> dlt::fuzz::Seeds() {
  SchemeBook schemes(LayoutOf(KillKind::BackBanker).slotCount);
  const std::vector<std::string> formulas = {"[-1]z_hw", "([-1]z_num1+[-2]z_num2)%10",
                                             "(3*[-1]b_num1+7)%12+1", "中文"};
  schemes.Fill(2, formulas);
  CustomKillSet set;
  set.indicator = "(z_hz+z_num1)%10";
  set.from = 0;
  set.to = 12;
  set.book.Fill(1, formulas);
  return {
      {"seed-schemes", WrittenBy([&](auto& p) { return SaveSchemeFile(p, schemes, nullptr); })},
      {"seed-custom-set", WrittenBy([&](auto& p) { return SaveCustomKillSet(p, set, nullptr); })},
      {"seed-formula-set",
       WrittenBy([&](auto& p) { return SaveFormulaSet(p, formulas, nullptr); })},
      {"seed-blank-lines-lf", "\n  [-1]z_hw  \n\n\t(z_hz)%3\n"},
      {"seed-range-not-a-number", GbkFile({"z_hw", "0", "九"})},
      {"seed-range-reversed", GbkFile({"z_hw", "9", "0"})},
      {"seed-range-past-the-indicator", GbkFile({"z_hw", "2147483640", "2147483647"})},
      {"seed-no-indicator", GbkFile({"  ", "0", "9", "[-1]z_hw"})},
      {"seed-not-gbk", "z_hw\r\n0\r\n9\r\n\xff\xff\r\n"},
      {"seed-utf8-beyond-gbk", "z_hw\r\n0\r\n9\r\n\xF0\x9F\x98\x80\r\n"},
  };
}
