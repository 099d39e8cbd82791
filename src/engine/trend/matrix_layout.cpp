#include "trend/matrix_layout.h"

#include <algorithm>
#include <array>
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

std::optional<MatrixOrder> ParseLayoutLines(const std::vector<std::string>& lines,
                                            std::string* why) {
  const auto refuse = [&](int line, const std::string& text) -> std::optional<MatrixOrder> {
    if (why) *why = "第" + std::to_string(line + 1) + "行" + text;
    return std::nullopt;
  };
  MatrixOrder order{};
  std::array<int, kMatrixCells + 1> lineOf{};  // where each number stands, 0: not yet
  int cells = 0, numbers = 0;
  int shortLine = -1;  // a line of fewer than ten numbers: no number may follow it
  bool emptyCell = false;
  for (size_t line = 0; line < lines.size(); ++line) {
    std::istringstream words(lines[line]);
    std::string word;
    int onLine = 0;
    while (words >> word) {
      const int l = static_cast<int>(line);
      if (shortLine >= 0 || line >= 4)
        return refuse(l, shortLine >= 0 ? "多余: 第" + std::to_string(shortLine + 1) +
                                              "行不足10个号码, 只有最后一行可以不足"
                                        : "多余: 行列式文件只有四行");
      if (onLine == 10) return refuse(l, "的号码超过10个");
      const std::optional<int> parsed = IntegerOfText<int>(word);
      if (!parsed || *parsed < 0 || *parsed > kMatrixCells)
        return refuse(l, "的\"" + word + "\"不是0到40之间的整数");
      const int value = *parsed;
      if (value == 0) {
        emptyCell = true;
      } else if (emptyCell) {
        return refuse(l, "的" + TwoDigit(value) + "在空格子00之后: 00只能在最后");
      } else if (lineOf[value] != 0) {
        return refuse(l, "的" + TwoDigit(value) + "重复: 第" + std::to_string(lineOf[value]) +
                             "行已有" + TwoDigit(value));
      } else {
        lineOf[value] = l + 1;
        ++numbers;
      }
      order[static_cast<size_t>(cells++)] = value;
      ++onLine;
    }
    if (onLine < 10 && shortLine < 0) shortLine = static_cast<int>(line);
  }
  if (numbers == 0) {
    if (why) *why = "文件中没有号码";
    return std::nullopt;
  }
  if (numbers < kMinLayoutNumbers) {
    if (why)
      *why = "只有" + std::to_string(numbers) + "个号码, 行列式至少要有" +
             std::to_string(kMinLayoutNumbers) + "个";
    return std::nullopt;
  }
  return order;
}

std::optional<MatrixOrder> ReadLayoutFile(const std::string& path, std::string* error) {
  std::string why;
  const auto lines = ReadTextLines(path, &why);
  std::optional<MatrixOrder> order;
  if (lines) order = ParseLayoutLines(*lines, &why);
  if (!order && error) *error = "无法读取行列式文件 " + path + ": " + why;
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
