#include "gui/generator/tf_qh.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>

#include "gui/app/app_context.h"
#include "history/draw_table.h"

namespace dlt::gui {

Tf_qh::Tf_qh(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_qh");
  setWindowTitle(QStringLiteral("选择期号"));
  auto* layout = new QHBoxLayout(this);
  cb_qh = new QComboBox(this);
  cb_qh->setObjectName("cb_qh");
  cb_qh->setMinimumWidth(120);
  auto* b_ok = new QPushButton(QStringLiteral("确定"), this);
  b_ok->setObjectName("b_ok");
  layout->addWidget(cb_qh);
  layout->addWidget(b_ok);
  connect(b_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void Tf_qh::Prepare() {
  cb_qh->clear();
  const DrawTable& table = app_.Table();
  // The forecast record is no past draw: the list stops before it.
  const int last = table.LastRealIndex();
  for (int i = 0; i <= last; ++i) cb_qh->addItem(QString::number(table.Draws()[i].qs));
  cb_qh->setCurrentIndex(last);
}

std::optional<int32_t> Tf_qh::ChosenDraw() const {
  bool ok = false;
  const int qs = cb_qh->currentText().trimmed().toInt(&ok);
  if (!ok) return std::nullopt;
  return qs;
}

}  // namespace dlt::gui
