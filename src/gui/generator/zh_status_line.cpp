#include "gui/generator/zh_status_line.h"

#include <QStringList>

#include "common/chance_figures.h"
#include "generator/combination.h"

namespace dlt::gui {

namespace {

QString GroupedDigits(int64_t count) {
  QString digits = QString::number(count);
  for (qsizetype at = digits.size() - 3; at > (count < 0 ? 1 : 0); at -= 3)
    digits.insert(at, QLatin1Char(','));
  return digits;
}

}  // namespace

QString ViolationsText(const std::vector<int64_t>& violations) {
  QStringList parts;
  for (size_t k = 0; k < violations.size(); ++k)
    parts << QStringLiteral("%1次: %2").arg(k).arg(GroupedDigits(violations[k]));
  return parts.join(QStringLiteral("  "));
}

QString KeptShareText(int64_t accepted) {
  return QStringLiteral("占全部组合 ") +
         QString::fromStdString(
             ProbabilityText(static_cast<double>(accepted) / static_cast<double>(kAllCombos)));
}

QString ListStatusText(int64_t count, std::optional<int64_t> elapsedMicros) {
  QString text = GroupedDigits(count) + QStringLiteral(" 注");
  if (elapsedMicros) {
    // A hundredth of a second is as fine as a user reads; faster runs say so.
    const double seconds = static_cast<double>(*elapsedMicros) / 1e6;
    text += seconds < 0.005 ? QStringLiteral(", < 0.01 秒")
                            : QStringLiteral(", %1 秒").arg(seconds, 0, 'f', 2);
  }
  return text;
}

ZhStatusLine::ZhStatusLine(const char* name, QWidget* parent) : QLabel(parent) {
  setObjectName(name);
  QFont bold = font();
  bold.setBold(true);
  setFont(bold);
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  Show(0);
}

void ZhStatusLine::Show(int64_t count, std::optional<int64_t> elapsedMicros,
                        const std::vector<int64_t>& violations,
                        std::optional<int64_t> acceptedOfAll) {
  QString text = ListStatusText(count, elapsedMicros);
  if (!violations.empty()) text += QStringLiteral("   ") + ViolationsText(violations);
  if (acceptedOfAll) text += QStringLiteral("   ") + KeptShareText(*acceptedOfAll);
  setText(text);
}

}  // namespace dlt::gui
