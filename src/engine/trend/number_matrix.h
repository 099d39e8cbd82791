#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "chart/chart_panel.h"
#include "common/draw.h"
#include "indicators/eval_context.h"

namespace dlt {

// The matrix cells are sprites of the picture strip pic3: a plain cell, and
// a cell of a row or column without a drawn number.
inline constexpr int kMatrixPictureStrip = 3;
inline constexpr int kMatrixPlainCellSprite = 4;
inline constexpr int kMatrixEmptyLineSprite = 0;

// The number matrix ("行列式"): the numbers laid out in m columns and n rows
// by a 40-cell order; cell (r, c), both from 1, is (r - 1) · m + c. The
// order is the same kind of value as the number grid layout the grid keys
// read, so a filter can hand it over as it is.
using MatrixOrder = GridLayout;
constexpr int kMatrixCells = 40;

struct MatrixSize {
  int columns = 6;
  int rows = 6;
  int Cells() const { return columns * rows; }
  bool operator==(const MatrixSize&) const = default;
};

// The radio sizes of "行X列" in order: "6 X 6", "5 X 7", "7 X5", "4 X9",
// "9 X4", "3X12", "12X3" (columns first).
const std::vector<MatrixSize>& MatrixRadioSizes();

// The custom size of the two boxes: with more than 40 cells the message is
// "行乘列不能大于40" and the columns become 40 / rows. Columns and rows
// below 1 count as 1.
MatrixSize FitCustomSize(int columns, int rows, std::string* message = nullptr);

// The number in cell (row, column), both from 1.
inline int CellNumber(const MatrixOrder& order, MatrixSize size, int row, int column) {
  return order[static_cast<size_t>((row - 1) * size.columns + column - 1)];
}

// The marked numbers of one matrix: flags of the numbers 1..50 (element 0
// unused). Order cells hold 0..40, so every cell has a flag.
using MatrixMarks = std::array<bool, 51>;

// What a matrix marks of a draw: "主号", "副号" or "主副号都显示".
enum class MatrixContent { Front, Back, Both };
MatrixMarks MarksOf(const Draw& draw, MatrixContent content);

// Rows and columns (from 1) none of whose cells holds a marked number.
struct EmptyLines {
  std::vector<int> rows;
  std::vector<int> columns;
  bool operator==(const EmptyLines&) const = default;
};
EmptyLines EmptyLinesOf(const MatrixOrder& order, MatrixSize size, const MatrixMarks& marks);

// Where K matrices go on a picture: P per row in R = K / P rows, gaps of
// 100 / P and 100 / R pixels, square cells of side s fitted to the width or
// to the height, whichever is tighter. Fewer matrices than P make one row of
// K matrices. Matrices beyond R · P continue in one more row.
struct MatrixGeometry {
  int perRow = 1;  // P
  int rows = 1;    // R
  int hGap = 0, vGap = 0;
  int cell = 1;               // s
  int width = 0, height = 0;  // of one matrix
  // Top left corner of matrix o (from 1).
  int X(int o) const { return ((o - 1) % perRow) * (width + hGap); }
  int Y(int o) const { return ((o - 1) / perRow) * (height + vGap); }
};
MatrixGeometry ComputeMatrixGeometry(int pictureWidth, int pictureHeight, MatrixSize size,
                                     int count, int perRow);

// One matrix of a page: a draw, or the picks matrix "选号区" after the last draw.
struct MatrixEntry {
  int32_t qs = 0;
  bool picks = false;
  MatrixMarks marks{};
};

// The K matrices from the anchor: draws in order; when the history ends
// first, the picks matrix (marked with the picks) follows the last draw and
// nothing after it.
std::vector<MatrixEntry> MatrixPageEntries(std::span<const Draw> draws, int anchor, int count,
                                           MatrixContent content, const MatrixMarks& picks);

struct MatrixPictureSetup {
  MatrixOrder order = DefaultGridLayout();
  MatrixSize size;
  int count = 12;  // K, "显示行列式个数"
  int perRow = 6;  // P, "每排行列式个数"
  MatrixContent content = MatrixContent::Front;
  MatrixMarks picks{};
};

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
  bool operator==(const PixelRect&) const = default;
};

// The page as drawn: the chart, its geometry and, when the picks matrix is
// on it, its rectangle.
struct MatrixPicture {
  Chart chart;
  MatrixGeometry geometry;
  std::optional<PixelRect> picksRect;
};

// The picture background, cells (sprite 4 of the picture strip), marked
// numbers on red discs, empty rows and then empty columns drawn again with
// sprite 0, and the label under each matrix ("选号区", "预测区" or the issue
// followed by "期").
MatrixPicture MatrixChart(std::span<const Draw> draws, int anchor, const MatrixPictureSetup& setup,
                          int width, int height, const TextMetrics& metrics);

// The number of the picks matrix's cell under (x, y); nullopt outside its
// drawn cells.
std::optional<int> PickedNumberAt(const MatrixPicture& picture, const MatrixOrder& order,
                                  MatrixSize size, int x, int y);

// The numbers of the chosen rows (all their cells) and then of the chosen
// columns, in the order on screen; only the first `rows` row flags and the
// first `columns` column flags count.
std::vector<int> ChosenCellNumbers(const MatrixOrder& order, MatrixSize size,
                                   const std::vector<bool>& rowFlags,
                                   const std::vector<bool>& columnFlags);

}  // namespace dlt
