#pragma once

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
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

// A combo box, an edit and a check box under the names the program knows
// them by.
inline QComboBox* NamedCombo(QWidget* parent, const QString& name) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  return c;
}

inline QLineEdit* NamedEdit(QWidget* parent, const QString& name, const QString& text = {}) {
  auto* e = new QLineEdit(text, parent);
  e->setObjectName(name);
  return e;
}

inline QCheckBox* NamedCheck(QWidget* parent, const QString& name, const QString& caption) {
  auto* c = new QCheckBox(caption, parent);
  c->setObjectName(name);
  return c;
}

// A dialog's row of "确定" (b_ok, the default) and "取消" (b_cancel, which
// closes it with Cancel) at the right. "确定" closes it with OK; a dialog that
// checks its fields first passes okAccepts = false and connects the returned
// button to its own check.
inline QPushButton* AddOkCancelRow(QDialog* dialog, QBoxLayout* layout, bool okAccepts = true) {
  auto* row = new QHBoxLayout;
  auto* ok = NamedButton(dialog, "b_ok", QStringLiteral("确定"));
  ok->setDefault(true);
  auto* cancel = NamedButton(dialog, "b_cancel", QStringLiteral("取消"));
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(cancel);
  layout->addLayout(row);
  if (okAccepts) QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  return ok;
}

}  // namespace dlt::gui
