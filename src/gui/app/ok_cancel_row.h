#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace dlt::gui {

// The row "确定" (the default, `b_ok`) and "取消" (`b_cancel`, which rejects
// the dialog) at the bottom right of a dialog. What "确定" does is the
// dialog's own: it connects `ok`.
struct OkCancelRow {
  QHBoxLayout* row;
  QPushButton* ok;
  QPushButton* cancel;
};

inline OkCancelRow MakeOkCancelRow(QDialog* dialog) {
  OkCancelRow r;
  r.ok = new QPushButton(QStringLiteral("确定"), dialog);
  r.ok->setObjectName("b_ok");
  r.ok->setDefault(true);
  r.cancel = new QPushButton(QStringLiteral("取消"), dialog);
  r.cancel->setObjectName("b_cancel");
  r.row = new QHBoxLayout;
  r.row->addStretch();
  r.row->addWidget(r.ok);
  r.row->addWidget(r.cancel);
  QObject::connect(r.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  return r;
}

}  // namespace dlt::gui
