#include "gui/trend/indicator_choice.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "gui/generator/value_pickers.h"

namespace dlt::gui {

std::optional<std::string> ChooseIndicator(AppContext& app, QWidget* parent) {
  auto* chooser =
      app.windows ? qobject_cast<QDialog*>(app.windows->Find("Tf_selfsh_set")) : nullptr;
  auto* catalogue = chooser ? chooser->findChild<QAbstractButton*>("rb_xtzb") : nullptr;
  auto* keys = chooser ? chooser->findChild<QComboBox*>("cb_gszb") : nullptr;
  auto* formula = chooser ? chooser->findChild<QLineEdit*>("e_selfzb") : nullptr;
  if (!catalogue || !keys || !formula) return EnterFormula(app, parent);

  const QString caption = chooser->windowTitle();
  chooser->setWindowTitle(QStringLiteral("选择指标"));
  const int result = app.shell.ExecDialog(*chooser);
  chooser->setWindowTitle(caption);
  if (result != QDialog::Accepted) return std::nullopt;
  const QString text =
      catalogue->isChecked() ? keys->currentText().section(' ', 0, 0) : formula->text().trimmed();
  return text.toStdString();
}

}  // namespace dlt::gui
