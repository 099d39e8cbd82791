#include "gui/book/prize_table_page.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "generator/prizes.h"
#include "gui/app/app_context.h"
#include "gui/app/app_settings.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/app/utf8_text.h"
#include "history/prize_amounts.h"

namespace dlt::gui {

PrizeTablePage::PrizeTablePage(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("ts_prizes");
  auto* form = new QFormLayout;
  e_ticketprice = new QLineEdit(this);
  e_ticketprice->setObjectName("e_ticketprice");
  form->addRow(QStringLiteral("每注金额(元)"), e_ticketprice);
  for (int level = 1; level <= 8; ++level) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("e_prize%1").arg(level));
    edit->setPlaceholderText(QStringLiteral("浮动"));
    form->addRow(Q(PrizeText(level)) + QStringLiteral("(元)"), edit);
    e_prize[static_cast<size_t>(level)] = edit;
  }
  auto* save = NamedButton(this, "b_saveprizes", QStringLiteral("保存"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(
      new QLabel(QStringLiteral("“我的投注”按这里的每注金额计算投入，按固定奖金计算中奖金额。"
                                "留空的奖级为浮动奖金，取该期同步得到的奖金或手工输入的奖金；"
                                "奖金未知的中奖注数只显示、不计入金额。"),
                 this));
  layout->addWidget(save, 0, Qt::AlignRight);
  layout->addStretch(1);
  connect(save, &QPushButton::clicked, this, &PrizeTablePage::Save);
}

void PrizeTablePage::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  Load();
}

void PrizeTablePage::Load() {
  const PrizeTable t = app_.settings.ReadPrizeTable();
  e_ticketprice->setText(Q(FormatFen(t.ticketPriceFen)));
  for (int level = 1; level <= 8; ++level) {
    const auto& fen = t.fixedFen[static_cast<size_t>(level)];
    e_prize[static_cast<size_t>(level)]->setText(fen ? Q(FormatFen(*fen)) : QString());
  }
}

bool PrizeTablePage::Save() {
  PrizeTable t;
  std::string error;
  const auto price = ReadTicketPrice(e_ticketprice->text().toStdString(), &error);
  if (!price) {
    app_.shell.Inform(this, QStringLiteral("每注金额: ") + Q(error));
    return false;
  }
  t.ticketPriceFen = *price;
  for (int level = 1; level <= 8; ++level) {
    const QString text = e_prize[static_cast<size_t>(level)]->text();
    if (!ReadYuanText(text.toStdString(), &t.fixedFen[static_cast<size_t>(level)], &error)) {
      app_.shell.Inform(this, Q(PrizeText(level)) + QStringLiteral(": ") + Q(error));
      return false;
    }
  }
  app_.settings.WritePrizeTable(t);
  return true;
}

}  // namespace dlt::gui
