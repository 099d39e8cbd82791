#include "gui/generator/zh_condition_text.h"

#include <QLineEdit>

#include "generator/value_list_text.h"

namespace dlt::gui {

QString ValuesText(const ValueSet& values) {
  QString text;
  for (int32_t v : values.Values()) text += QString::number(v) + QStringLiteral("  ");
  return text;
}

void ShowValueSet(QLineEdit* edit, const ValueSet& values) {
  edit->setText(ValuesText(values));
  edit->setCursorPosition(0);
  edit->setToolTip(values.Values().empty()
                       ? QString()
                       : QStringLiteral("%1个: %2")
                             .arg(values.Values().size())
                             .arg(QString::fromStdString(ValueListText(values))));
}

QString NumbersText(std::span<const int> numbers) {
  QString text;
  for (int n : numbers) text += QStringLiteral("%1  ").arg(n, 2, 10, QLatin1Char('0'));
  return text;
}

}  // namespace dlt::gui
