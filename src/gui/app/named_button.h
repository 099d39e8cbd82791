#pragma once

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>
#include <QString>

namespace dlt::gui {

// A push button under the name the program knows it by. It never becomes a
// dialog's default by taking focus: Enter presses only the button a dialog
// names as its default.
inline QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

// A dialog's row of "确定" (b_ok, the default) and "取消" (b_cancel) at
// the right, closing it with OK or Cancel.
inline void AddOkCancelRow(QDialog* dialog, QBoxLayout* layout) {
  auto* row = new QHBoxLayout;
  auto* ok = NamedButton(dialog, "b_ok", QStringLiteral("确定"));
  ok->setDefault(true);
  auto* cancel = NamedButton(dialog, "b_cancel", QStringLiteral("取消"));
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(cancel);
  layout->addLayout(row);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

}  // namespace dlt::gui
