#include "gui/killnum/tf_resultjq.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

#include "gui/app/named_button.h"

namespace dlt::gui {

Tf_resultjq::Tf_resultjq(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("Tf_resultjq");
  setWindowTitle(QStringLiteral("交集统计"));
  resize(640, 420);
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("按数字序："), this), 0, 0);
  layout->addWidget(new QLabel(QStringLiteral("按公式序："), this), 0, 1);
  m_bynumber = new QPlainTextEdit(this);
  m_bynumber->setObjectName("m_bynumber");
  m_byformula = new QPlainTextEdit(this);
  m_byformula->setObjectName("m_byformula");
  for (QPlainTextEdit* m : {m_bynumber, m_byformula}) m->setReadOnly(true);
  layout->addWidget(m_bynumber, 1, 0);
  layout->addWidget(m_byformula, 1, 1);
  auto* back = NamedButton(this, "b_return", QStringLiteral("返回"));
  layout->addWidget(back, 2, 1, Qt::AlignRight);
  connect(back, &QPushButton::clicked, this, &QDialog::accept);
}

void Tf_resultjq::SetTexts(const QStringList& byNumber, const QStringList& byFormula) {
  m_bynumber->setPlainText(byNumber.join('\n'));
  m_byformula->setPlainText(byFormula.join('\n'));
}

}  // namespace dlt::gui
