#include "gui/trend/fxd_mosaic_page.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "chart/tcoordinate.h"
#include "gui/app/app_context.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "gui/trend/fxd_derived_tools.h"
#include "gui/trend/text_grid.h"
#include "gui/trend/tf_zbzh_set.h"
#include "history/draw_table.h"
#include "trend/mosaic.h"

namespace dlt::gui {
namespace {

constexpr auto kFilter = "指标组合格式文件(*.zbz)";

std::vector<std::string> StdLines(const QStringList& lines) {
  std::vector<std::string> out;
  for (const QString& l : lines) out.push_back(l.toStdString());
  return out;
}

}  // namespace

MosaicPage::MosaicPage(FxdContext& fxd, QWidget* parent) : FxdPage(parent), fxd_(fxd) {
  auto* layout = new QVBoxLayout(this);
  model_ = new TextGridModel(this);
  grid_ = MakeTextGrid(this, fxd_.app.shell, "sg_zbzhdb", model_, new TextGridDelegate(true, this));
  layout->addWidget(grid_, 1);

  auto* row = new QHBoxLayout;
  from_ = new QComboBox(this);
  from_->setObjectName("cb_zbzh_from");
  to_ = new QComboBox(this);
  to_->setObjectName("cb_zbzh_to");
  row->addWidget(from_);
  row->addWidget(new QLabel(QStringLiteral("<=分析区域<="), this));
  row->addWidget(to_);
  row->addWidget(new QLabel(QStringLiteral("单元格宽度"), this));
  width_ = new QComboBox(this);
  width_->setObjectName("cb_zbzhdb_cellwidth");
  for (int w = 10; w <= 100; w += 5) width_->addItem(QString::number(w));
  for (int w = 110; w <= 200; w += 10) width_->addItem(QString::number(w));
  width_->setCurrentText(QStringLiteral("100"));
  row->addWidget(width_);
  const struct {
    const char* name;
    const char* caption;
    void (MosaicPage::*action)();
  } buttons[] = {{"b_zbzhdb_refresh", "刷新", &MosaicPage::Fill},
                 {"b_saveas", "创建", &MosaicPage::Create},
                 {"b_load", "载入", &MosaicPage::Load},
                 {"b_zbzhdb_set", "修改", &MosaicPage::Modify},
                 {"b_mr", "将当前组合设为默认    ", &MosaicPage::MakeDefault}};
  for (const auto& b : buttons) {
    auto* button = NamedButton(this, b.name, QString::fromUtf8(b.caption));
    connect(button, &QPushButton::clicked, this, b.action);
    row->addWidget(button);
  }
  row->addStretch(1);
  layout->addLayout(row);
  connect(width_, &QComboBox::currentIndexChanged, this, [this] { Fill(); });

  defaultFile_ = QString::fromStdString(fxd_.app.folder.Path("database/zbzh.zbz"));
  if (QFileInfo::exists(defaultFile_)) {
    std::string error;
    if (auto lines = LoadMosaicFile(defaultFile_.toStdString(), &error))
      for (const std::string& l : *lines) entries_ << QString::fromStdString(l);
  }
  FormShow();
}

void MosaicPage::FormShow() {
  FillIssueRange(fxd_.Table(), from_, to_);
}

void MosaicPage::Fill() {
  std::vector<MosaicEntry> entries;
  QStringList header{QStringLiteral("期数"), QStringLiteral("开奖号")};
  for (const QString& line : entries_) {
    entries.push_back(ParseMosaicLine(line.toStdString()));
    header << QString::fromStdString(entries.back().header);
  }
  std::vector<QStringList> rows;
  const auto& draws = fxd_.Table().Draws();
  int first = -1;
  const QString start = from_->currentText().trimmed();
  for (size_t i = 0; i < draws.size() && first < 0; ++i)
    if (QString::number(draws[i].qs) == start) first = static_cast<int>(i);
  const int count = std::abs(to_->currentIndex() - from_->currentIndex()) + 1;
  for (const MosaicRow& r : MosaicTable(draws, &fxd_.app.env, entries, first, count)) {
    QStringList cells{QString::fromStdString(IssueText(r.qs)), QString::fromStdString(r.numbers)};
    for (const std::string& c : r.cells) cells << QString::fromStdString(c);
    rows.push_back(cells);
  }
  model_->SetRows(header, std::move(rows));
  const QFontMetrics fm = grid_->fontMetrics();
  grid_->setColumnWidth(0, fm.horizontalAdvance(QStringLiteral(" 2009001 ")) + 8);
  grid_->setColumnWidth(1, fm.horizontalAdvance(QStringLiteral("01 02 03 04 05 06 07 |08 ")));
  const int cell = width_->currentText().toInt();
  for (int c = 2; c < header.size(); ++c) grid_->setColumnWidth(c, cell);
  grid_->SetFrozenColumns(2);
  SelectLastRow(grid_, 2);
}

bool MosaicPage::Write(const QString& path, const QStringList& lines) {
  std::string error;
  if (SaveMosaicFile(path.toStdString(), StdLines(lines), &error)) return true;
  fxd_.app.shell.Inform(this, QString::fromStdString(error));
  return false;
}

bool MosaicPage::Take(const QStringList& lines) {
  if (lines.size() > static_cast<int>(kMosaicMaxEntries)) {
    fxd_.app.shell.Inform(this, QString::fromUtf8(kMosaicTooLong));
    return false;
  }
  entries_ = lines;
  return true;
}

void MosaicPage::Create() {
  AppContext& app = fxd_.app;
  const QString chosen = app.shell.SaveFileName(this, QStringLiteral("保存指标组合"),
                                                QString::fromStdString(app.folder.SaveDir()),
                                                QString::fromUtf8(kFilter));
  if (chosen.isEmpty()) return;
  const QString path = QString::fromStdString(MosaicFileName(chosen.toStdString()));
  auto* dialog = app.windows ? app.windows->Get<Tf_zbzh_set>() : nullptr;
  if (!dialog) return;
  dialog->Prepare({}, false);
  if (app.shell.ExecDialog(*dialog) != QDialog::Accepted) return;
  const QStringList lines = dialog->Lines();
  if (lines.size() > static_cast<int>(kMosaicMaxEntries)) {
    app.shell.Inform(this, QString::fromUtf8(kMosaicTooLong));
    return;
  }
  if (!Write(path, lines)) return;
  Take(lines);
  Fill();
}

void MosaicPage::Load() {
  AppContext& app = fxd_.app;
  const QString path = app.shell.OpenFileName(this, QStringLiteral("载入指标组合"),
                                              QString::fromStdString(app.folder.SaveDir()),
                                              QString::fromUtf8(kFilter));
  if (path.isEmpty()) return;
  std::string error;
  const auto lines = LoadMosaicFile(path.toStdString(), &error);
  if (!lines) {
    app.shell.Inform(this, QString::fromStdString(error));
    return;
  }
  QStringList taken;
  for (const std::string& l : *lines) taken << QString::fromStdString(l);
  Take(taken);
  Fill();
}

void MosaicPage::Modify() {
  AppContext& app = fxd_.app;
  auto* dialog = app.windows ? app.windows->Get<Tf_zbzh_set>() : nullptr;
  if (!dialog) return;
  dialog->Prepare(entries_, true);
  if (app.shell.ExecDialog(*dialog) == QDialog::Accepted) {
    const QStringList lines = dialog->Lines();
    if (lines.size() > static_cast<int>(kMosaicMaxEntries)) {
      app.shell.Inform(this, QString::fromUtf8(kMosaicTooLong));
      return;
    }
    if (!Write(defaultFile_, lines)) return;
    Take(lines);
  }
  Fill();
}

void MosaicPage::MakeDefault() {
  Write(defaultFile_, entries_);
}

}  // namespace dlt::gui
