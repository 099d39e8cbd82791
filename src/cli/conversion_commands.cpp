#include <CLI/CLI.hpp>
#include <charconv>

#include "cli/cli_context.h"
#include "cli/draw_range_args.h"
#include "common/numbers.h"
#include "common/text.h"
#include "history/draw_range.h"
#include "indicators/indicator.h"
#include "trend/conversion_kills.h"
#include "trend/key_series.h"
#include "trend/matrix_layout.h"
#include "trend/omission_grid.h"

namespace dlt::cli {
namespace {

struct ConvertOptions {
  std::string key;
  int32_t from = 0, to = 0;  // 0: the default range
  std::string kill;          // "A-B": kill numbers with conversions A..B
};

struct MatrixOptions {
  std::string size = "6x6";
  std::string order;
  int32_t draw = 0;  // 0: the last draw
};

// "A-B" with 1 <= A <= B <= 200.
std::pair<int, int> ParseConversionRange(const std::string& text) {
  const auto dash = text.find('-');
  const std::optional<int> a = IntegerOfText<int>(Trim(std::string_view(text).substr(0, dash)));
  const std::optional<int> b =
      dash == std::string::npos ? std::nullopt
                                : IntegerOfText<int>(Trim(std::string_view(text).substr(dash + 1)));
  if (!a || !b) throw CliError("转换表使用范围应写成如 1-30: " + text);
  if (*a < 1 || *b > kConversionCount || *a > *b)
    throw CliError("转换表使用范围必须在1到200之间且起点不大于终点: " + text);
  return {*a, *b};
}

// "CxR": columns then rows, at most 40 cells.
MatrixSize ParseMatrixSize(const std::string& text) {
  const auto x = text.find_first_of("xX");
  const auto whole = [&](const std::string& part) {
    int v = 0;
    const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), v);
    if (ec == std::errc::result_out_of_range) return kMatrixCells + 1;  // too many cells, below
    if (ec != std::errc() || end != part.data() + part.size() || part.empty() || v < 1)
      throw CliError("行列式大小应写成如 6x6 (列x行): " + text);
    return v;
  };
  if (x == std::string::npos) throw CliError("行列式大小应写成如 6x6 (列x行): " + text);
  const int columns = whole(text.substr(0, x));
  const int rows = whole(text.substr(x + 1));
  // Each side at most 40 first: their product then cannot overflow.
  if (columns > kMatrixCells || rows > kMatrixCells || columns * rows > kMatrixCells)
    throw CliError("行乘列不能大于40: " + text);
  return {columns, rows};
}

std::string NumberList(const std::vector<int>& numbers) {
  std::string s;
  for (int n : numbers) s += (s.empty() ? "" : " ") + std::to_string(n);
  return s;
}

void RunConvert(CliContext& ctx, const ConvertOptions& o) {
  if (!ResolveIndicator(o.key).ok()) throw CliError("未知的指标: " + o.key);
  auto table = ctx.OpenTable();
  if (table->Empty()) throw CliError("历史数据为空");
  const bool kill = !o.kill.empty();
  const auto [a, b] = kill ? ParseConversionRange(o.kill) : std::pair<int, int>{1, 1};
  const int count = table->RecordCount();
  // The kill page analyses the last 100 draws by default, the table shows them all.
  const DrawSpan span =
      SpanOfIssues(*table, o.from, o.to, kill ? DefaultGridStart(count) : 0, count - 1);
  const int first = span.first, last = span.last;
  const EvalEnv env;
  auto values = KeySeries(table->Draws(), env, o.key, first, last - first + 1);
  const ConversionTable conversions = ConversionTable::Build(std::move(*values));
  const auto& draws = table->Draws();
  if (!kill) {
    for (int i = 0; i < conversions.Rows(); ++i) {
      ctx.out << draws[static_cast<size_t>(first + i)].qs;
      for (int k = 0; k <= conversions.Conversions(); ++k) ctx.out << '\t' << conversions.At(k, i);
      ctx.out << '\n';
    }
    return;
  }
  const ConversionKills kills = ComputeKills(conversions, a, b);
  for (int i = 0; i < conversions.Rows(); ++i) {
    ctx.out << draws[static_cast<size_t>(first + i)].qs << '\t' << conversions.At(0, i) << '\t'
            << (i > 0 ? kills.predictions[static_cast<size_t>(i) - 1].kills : "") << '\t'
            << VerdictText(kills.verdicts[static_cast<size_t>(i)]) << '\n';
  }
  ctx.out << "预测期\t" << kills.predictions.back().kills << '\n';
  ctx.out << "正确率\t" << kills.RateText() << '\n';
}

void RunMatrix(CliContext& ctx, const MatrixOptions& o) {
  const MatrixSize size = ParseMatrixSize(o.size);
  MatrixOrder order = DefaultGridLayout();
  if (!o.order.empty()) {
    std::string error;
    const auto read = ReadLayoutFile(o.order, &error);
    if (!read) throw CliError(error);
    order = *read;
  }
  auto table = ctx.OpenTable();
  if (table->Empty()) throw CliError("历史数据为空");
  const int index = o.draw ? IndexOfDraw(*table, o.draw) : table->RecordCount() - 1;
  const MatrixMarks marks =
      MarksOf(table->Draws()[static_cast<size_t>(index)], MatrixContent::Front);
  for (int r = 1; r <= size.rows; ++r) {
    std::string line;
    for (int c = 1; c <= size.columns; ++c) {
      const int v = CellNumber(order, size, r, c);
      line += (c > 1 ? " " : "") + TwoDigit(v) + (marks[static_cast<size_t>(v)] ? "*" : " ");
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    ctx.out << line << '\n';
  }
  const EmptyLines empty = EmptyLinesOf(order, size, marks);
  ctx.out << "空行: " << NumberList(empty.rows) << '\n';
  ctx.out << "空列: " << NumberList(empty.columns) << '\n';
}

}  // namespace

void RegisterConversionCommands(CLI::App& app, CliContext& ctx) {
  auto c = std::make_shared<ConvertOptions>();
  auto* convert = app.add_subcommand(
      "convert", "the conversion table of an indicator, or its kill numbers with --kill");
  convert->add_option("KEY", c->key, "indicator key, such as z_num1 or xc51")->required();
  convert->add_option("--from", c->from,
                      "first draw QS (default: the first draw; with --kill the last 100 draws)");
  convert->add_option("--to", c->to, "last draw QS (default: the last draw)");
  convert->add_option("--kill", c->kill,
                      "kill numbers from the conversions A-B (1..200), such as 1-30");
  convert->callback([&ctx, c] { RunConvert(ctx, *c); });

  auto m = std::make_shared<MatrixOptions>();
  auto* matrix = app.add_subcommand("matrix", "the number matrix of one draw");
  matrix->add_option("--size", m->size, "columns x rows, at most 40 cells (default 6x6)");
  matrix->add_option("--order", m->order, "layout file (.hls) of the cell order");
  matrix->add_option("--draw", m->draw, "draw number QS (default: the last draw)");
  matrix->callback([&ctx, m] { RunMatrix(ctx, *m); });
}

}  // namespace dlt::cli
