#pragma once

#include <optional>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "trend/number_matrix.h"

namespace dlt {

// Layout files ("*.hls"): four lines, line k holding the numbers of cells
// 10(k - 1) + 1 .. 10k that exist, each written with two digits and
// followed by two blanks, CR LF line ends.
std::vector<std::string> LayoutFileLines(std::span<const int> cells);
bool WriteLayoutFile(const std::string& path, std::span<const int> cells,
                     std::string* error = nullptr);

// A layout as its file holds it: line k has the numbers of cells
// 10(k - 1) + 1 .. 10k, ten to a line with only the last line shorter, at
// most four lines (blank lines after them are fine). The numbers are 1..40,
// each at most once, 35 of them at least (the smallest grid of the design);
// "00" stands for an empty cell and only after the last number. Cells past
// the last number read as 0. Anything else is refused with a message that
// names the line.
std::optional<MatrixOrder> ParseLayoutLines(const std::vector<std::string>& lines,
                                            std::string* why = nullptr);
constexpr int kMinLayoutNumbers = 35;

// Reads a layout file into a 40-cell order as ParseLayoutLines reads its
// lines; a file that cannot be read or is refused gives a message naming it.
std::optional<MatrixOrder> ReadLayoutFile(const std::string& path, std::string* error = nullptr);

// "产生随机顺序": the numbers 1..35 shuffled into cells 1..35; cells 36..40
// keep 36..40.
MatrixOrder RandomMatrixOrder(std::mt19937& random);

// The grid types of the layout design, "6X6" first: columns then rows.
struct LayoutType {
  const char* name;
  int columns;
  int rows;
};
const std::vector<LayoutType>& LayoutTypes();

// The layout design: the numbers 1..40 placed one by one into the cells of a
// grid of 35 or 36 cells, row by row.
class LayoutDesign {
 public:
  static constexpr int kPaletteSize = 40;

  explicit LayoutDesign(int columns = 6, int rows = 6) { Reset(columns, rows); }

  // Empty grid of the type, every palette number free.
  void Reset(int columns, int rows);
  // Places a free number into the next cell; false for a used number, a
  // number outside 1..40 or a full grid.
  bool Place(int number);
  // Empties the last filled cell; its number (nullopt when the grid is empty).
  std::optional<int> Undo();

  int Columns() const { return columns_; }
  int Rows() const { return rows_; }
  int CellCount() const { return columns_ * rows_; }
  int Filled() const { return static_cast<int>(cells_.size()); }
  bool Complete() const { return Filled() == CellCount(); }
  bool Used(int number) const;
  // The numbers placed so far, cell 1 first.
  const std::vector<int>& Cells() const { return cells_; }

 private:
  int columns_ = 6, rows_ = 6;
  std::vector<int> cells_;
};

}  // namespace dlt
