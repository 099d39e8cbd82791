// Number grid layout files (*.hls) as the matrix page reads them. A layout
// that is taken holds 35 to 40 of the numbers 1..40, each once, with empty
// cells only after the last number, and writes and reads back as itself; a
// refused one says why.
#include <algorithm>
#include <array>

#include "fuzz_support.h"
#include "trend/matrix_layout.h"

namespace {

using namespace dlt;

void CheckLayout(const MatrixOrder& order, std::string_view input) {
  std::array<bool, kMatrixCells + 1> seen{};
  int numbers = 0;
  bool empty = false;
  for (const int v : order) {
    fuzz::Check(v >= 0 && v <= kMatrixCells, "a cell holds 0..40", input);
    if (v == 0) {
      empty = true;
      continue;
    }
    fuzz::Check(!empty, "no number follows an empty cell", input);
    fuzz::Check(!seen[static_cast<size_t>(v)], "every number stands once", input);
    seen[static_cast<size_t>(v)] = true;
    ++numbers;
  }
  fuzz::Check(numbers >= kMinLayoutNumbers, "a layout holds 35 numbers at least", input);
  const auto again = ParseLayoutLines(LayoutFileLines(order));
  fuzz::Check(again && *again == order, "a layout written reads back as itself", input);
}

std::string Lines(const std::vector<int>& cells) {
  std::string text;
  for (const std::string& line : LayoutFileLines(cells)) text += line + "\r\n";
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input = fuzz::AsText(data, size);
  const auto lines = fuzz::FileLines(input);
  if (!lines) return 0;
  std::string why;
  if (const auto order = ParseLayoutLines(*lines, &why))
    CheckLayout(*order, input);
  else
    fuzz::Check(!why.empty(), "a refused layout says why", input);
  return 0;
}

std::vector<dlt::fuzz::Seed> dlt::fuzz::Seeds() {
  std::vector<int> plain(40), five(35), six(36);
  for (int i = 0; i < 40; ++i) plain[static_cast<size_t>(i)] = i + 1;
  for (int i = 0; i < 35; ++i) five[static_cast<size_t>(i)] = 35 - i;
  for (int i = 0; i < 36; ++i) six[static_cast<size_t>(i)] = i + 5;
  std::vector<int> trailing(five.begin(), five.end());
  trailing.resize(40, 0);
  std::string copies;
  for (int i = 0; i < 10; ++i) copies += "01  ";
  return {
      {"seed-plain", Lines(plain)},
      {"seed-five-by-seven", Lines(five)},
      {"seed-six-by-six", Lines(six)},
      {"seed-empty-cells-at-the-end", Lines(trailing)},
      {"seed-ten-copies", copies + "\r\n"},
      {"seed-thirteen-on-a-line", "01 02 03 04 05 06 07 08 09 10 11 12 13\r\n"},
      {"seed-one-per-line", "01\r\n02\r\n03\r\n04\r\n05\r\n06\r\n"},
      {"seed-letters", "01  02  x3\r\n"},
      {"seed-lf-blank-tail", Lines(plain) + "\n\n   \n"},
  };
}
