#include "trend/number_matrix.h"

#include <algorithm>

#include "chart/chart_builder.h"
#include "common/numbers.h"

namespace dlt {
namespace {

constexpr ChartColour kPictureBackground{165, 97, 201};

bool IsMarked(const MatrixMarks& marks, int v) {
  return v >= 0 && v < static_cast<int>(marks.size()) && marks[static_cast<size_t>(v)];
}

void AddCell(ChartPanel& panel, double x, double y, double s, int number, bool marked, int sprite) {
  panel.items.push_back(ChartSprite{x, y, s, s, kMatrixPictureStrip, sprite});
  const ChartPoint centre{x + s / 2, y + s / 2};
  if (marked) panel.items.push_back(ChartDisc{centre, s / 2 - 2, colours::kRed, colours::kRed});
  AddText(panel, centre, TwoDigit(number), marked ? colours::kWhite : colours::kBlack,
          HAlign::Centre, VAlign::Centre);
}

}  // namespace

const std::vector<MatrixSize>& MatrixRadioSizes() {
  static const std::vector<MatrixSize> sizes = {{6, 6}, {5, 7},  {7, 5}, {4, 9},
                                                {9, 4}, {3, 12}, {12, 3}};
  return sizes;
}

MatrixSize FitCustomSize(int columns, int rows, std::string* message) {
  MatrixSize size{std::max(columns, 1), std::max(rows, 1)};
  if (size.Cells() > kMatrixCells) {
    if (message) *message = "行乘列不能大于40";
    size.columns = std::max(kMatrixCells / size.rows, 1);
    size.rows = std::min(size.rows, kMatrixCells);
  }
  return size;
}

MatrixMarks MarksOf(const Draw& draw, MatrixContent content) {
  MatrixMarks marks{};
  if (content != MatrixContent::Back)
    for (int n : draw.front) marks[n] = true;
  if (content != MatrixContent::Front)
    for (int n : draw.back) marks[n] = true;
  return marks;
}

EmptyLines EmptyLinesOf(const MatrixOrder& order, MatrixSize size, const MatrixMarks& marks) {
  auto marked = [&](int r, int c) { return IsMarked(marks, CellNumber(order, size, r, c)); };
  EmptyLines lines;
  for (int r = 1; r <= size.rows; ++r) {
    bool any = false;
    for (int c = 1; c <= size.columns && !any; ++c) any = marked(r, c);
    if (!any) lines.rows.push_back(r);
  }
  for (int c = 1; c <= size.columns; ++c) {
    bool any = false;
    for (int r = 1; r <= size.rows && !any; ++r) any = marked(r, c);
    if (!any) lines.columns.push_back(c);
  }
  return lines;
}

MatrixGeometry ComputeMatrixGeometry(int pictureWidth, int pictureHeight, MatrixSize size,
                                     int count, int perRow) {
  MatrixGeometry g;
  g.perRow = std::clamp(perRow, 1, std::max(count, 1));
  g.rows = std::max(count, 1) / g.perRow;
  g.hGap = 100 / g.perRow;
  g.vGap = 100 / g.rows;
  const int m = std::max(size.columns, 1), n = std::max(size.rows, 1);
  if (pictureWidth / (m * g.perRow) < pictureHeight / (g.rows * n)) {
    g.width = (pictureWidth - 100) / g.perRow;
    g.cell = g.width / m;
    g.height = g.cell * n;
  } else {
    g.height = (pictureHeight - 110) / g.rows;
    g.cell = g.height / n;
    g.width = g.cell * m;
  }
  // A picture too small for the matrices still gets cells a pixel wide.
  if (g.cell < 1) {
    g.cell = 1;
    g.width = std::max(g.width, m);
    g.height = std::max(g.height, n);
  }
  return g;
}

std::vector<MatrixEntry> MatrixPageEntries(std::span<const Draw> draws, int anchor, int count,
                                           MatrixContent content, const MatrixMarks& picks) {
  std::vector<MatrixEntry> entries;
  const int total = static_cast<int>(draws.size());
  int index = std::clamp(anchor, 0, total);
  for (int o = 0; o < count; ++o, ++index) {
    MatrixEntry e;
    if (index >= total) {
      e.picks = true;
      e.marks = picks;
      entries.push_back(e);
      break;
    }
    e.qs = draws[static_cast<size_t>(index)].qs;
    e.marks = MarksOf(draws[static_cast<size_t>(index)], content);
    entries.push_back(e);
  }
  return entries;
}

MatrixPicture MatrixChart(std::span<const Draw> draws, int anchor, const MatrixPictureSetup& setup,
                          int width, int height, const TextMetrics& metrics) {
  MatrixPicture picture;
  picture.chart.width = width;
  picture.chart.height = height;
  picture.chart.background = kPictureBackground;
  const MatrixSize size = setup.size;
  const MatrixGeometry g = ComputeMatrixGeometry(width, height, size, setup.count, setup.perRow);
  picture.geometry = g;
  ChartPanel panel;
  const double s = g.cell;
  const double labelWidth = metrics.Width("2007001期");
  const auto entries = MatrixPageEntries(draws, anchor, setup.count, setup.content, setup.picks);
  for (size_t i = 0; i < entries.size(); ++i) {
    const MatrixEntry& e = entries[i];
    const int o = static_cast<int>(i) + 1;
    const int x0 = g.X(o), y0 = g.Y(o);
    if (e.picks) picture.picksRect = PixelRect{x0, y0, x0 + g.width, y0 + g.height};
    auto cellX = [&](int c) { return x0 + (c - 1) * s; };
    auto cellY = [&](int r) { return y0 + (r - 1) * s; };
    for (int r = 1; r <= size.rows; ++r)
      for (int c = 1; c <= size.columns; ++c) {
        const int v = CellNumber(setup.order, size, r, c);
        AddCell(panel, cellX(c), cellY(r), s, v, IsMarked(e.marks, v), kMatrixPlainCellSprite);
      }
    const EmptyLines empty = EmptyLinesOf(setup.order, size, e.marks);
    for (int r : empty.rows)
      for (int c = 1; c <= size.columns; ++c)
        AddCell(panel, cellX(c), cellY(r), s, CellNumber(setup.order, size, r, c), false,
                kMatrixEmptyLineSprite);
    for (int c : empty.columns)
      for (int r = 1; r <= size.rows; ++r)
        AddCell(panel, cellX(c), cellY(r), s, CellNumber(setup.order, size, r, c), false,
                kMatrixEmptyLineSprite);
    const std::string label = e.picks               ? "选号区"
                              : e.qs == kForecastQs ? "预测区"
                                                    : std::to_string(e.qs) + "期";
    AddText(panel, {x0 + (g.width - labelWidth) / 2, y0 + g.height + 10.0}, label, colours::kWhite);
  }
  picture.chart.panels.push_back(std::move(panel));
  return picture;
}

std::optional<int> PickedNumberAt(const MatrixPicture& picture, const MatrixOrder& order,
                                  MatrixSize size, int x, int y) {
  if (!picture.picksRect || !picture.picksRect->Contains(x, y)) return std::nullopt;
  const int s = std::max(picture.geometry.cell, 1);
  const int column = (x - picture.picksRect->left) / s + 1;
  const int row = (y - picture.picksRect->top) / s + 1;
  // The rectangle may be a few pixels wider than the cells (and includes its
  // far edge): a click there is on no cell.
  if (column > size.columns || row > size.rows) return std::nullopt;
  return CellNumber(order, size, row, column);
}

std::vector<int> ChosenCellNumbers(const MatrixOrder& order, MatrixSize size,
                                   const std::vector<bool>& rowFlags,
                                   const std::vector<bool>& columnFlags) {
  std::vector<int> numbers;
  for (int r = 1; r <= size.rows && r <= static_cast<int>(rowFlags.size()); ++r)
    if (rowFlags[static_cast<size_t>(r - 1)])
      for (int c = 1; c <= size.columns; ++c) numbers.push_back(CellNumber(order, size, r, c));
  for (int c = 1; c <= size.columns && c <= static_cast<int>(columnFlags.size()); ++c)
    if (columnFlags[static_cast<size_t>(c - 1)])
      for (int r = 1; r <= size.rows; ++r) numbers.push_back(CellNumber(order, size, r, c));
  return numbers;
}

}  // namespace dlt
