#include "trend/matrix_layout.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <sstream>

#include "common/gbk_text.h"
#include "common/numbers.h"
#include "common/text.h"

namespace dlt {

std::vector<std::string> LayoutFileLines(std::span<const int> cells) {
  std::vector<std::string> lines(4);
  for (size_t i = 0; i < cells.size() && i < static_cast<size_t>(kMatrixCells); ++i)
    lines[i / 10] += TwoDigit(cells[i]) + "  ";
  return lines;
}

bool WriteLayoutFile(const std::string& path, std::span<const int> cells, std::string* error) {
  return WriteGbkLines(path, LayoutFileLines(cells), error);
}

std::optional<MatrixOrder> ReadLayoutFile(const std::string& path, std::string* error) {
  std::string readError;
  const auto lines = ReadTextLines(path, &readError);
  auto fail = [&](const std::string& why) -> std::optional<MatrixOrder> {
    if (error) *error = "无法读取行列式文件 " + path + ": " + why;
    return std::nullopt;
  };
  if (!lines) return fail(readError);
  MatrixOrder order{};
  bool any = false;
  for (size_t line = 0; line < 4 && line < lines->size(); ++line) {
    std::istringstream words((*lines)[line]);
    std::string word;
    for (size_t k = 0; k < 10 && words >> word; ++k) {
      const std::optional<int> value = IntegerOfText<int>(word);
      if (!value || *value < 0 || *value > kMatrixCells)
        return fail("\"" + word + "\"不是0到40之间的整数");
      order[line * 10 + k] = *value;
      any = true;
    }
  }
  if (!any) return fail("文件中没有号码");
  return order;
}

MatrixOrder RandomMatrixOrder(std::mt19937& random) {
  MatrixOrder order = DefaultGridLayout();
  std::shuffle(order.begin(), order.begin() + kFrontMax, random);
  return order;
}

const std::vector<LayoutType>& LayoutTypes() {
  static const std::vector<LayoutType> types = {{"6X6", 6, 6},  {"5X7", 5, 7}, {"7X5", 7, 5},
                                                {"4X9", 4, 9},  {"9X4", 9, 4}, {"3X12", 3, 12},
                                                {"12X3", 12, 3}};
  return types;
}

void LayoutDesign::Reset(int columns, int rows) {
  columns_ = std::max(columns, 1);
  rows_ = std::max(rows, 1);
  cells_.clear();
}

bool LayoutDesign::Used(int number) const {
  return std::find(cells_.begin(), cells_.end(), number) != cells_.end();
}

bool LayoutDesign::Place(int number) {
  if (number < 1 || number > kPaletteSize || Complete() || Used(number)) return false;
  cells_.push_back(number);
  return true;
}

std::optional<int> LayoutDesign::Undo() {
  if (cells_.empty()) return std::nullopt;
  const int number = cells_.back();
  cells_.pop_back();
  return number;
}

}  // namespace dlt
