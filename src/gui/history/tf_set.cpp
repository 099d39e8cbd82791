#include "gui/history/tf_set.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/app/app_context.h"
#include "gui/app/app_settings.h"
#include "gui/app/below_toolbar.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"
#include "gui/app/window_set.h"
#include "gui/book/prize_table_page.h"
#include "gui/history/tf_addselfzb.h"
#include "history/custom_indicator_list.h"
#include "history/notice_page.h"
#include "indicators/reference_texts.h"

namespace dlt::gui {
namespace {

QString Joined(const std::vector<std::string>& lines) {
  QStringList out;
  for (const auto& l : lines) out << QString::fromStdString(l);
  return out.join('\n');
}

QPlainTextEdit* ReferenceText(QWidget* parent, const char* name) {
  auto* t = new QPlainTextEdit(parent);
  t->setObjectName(name);
  t->setReadOnly(true);
  t->setLineWrapMode(QPlainTextEdit::NoWrap);
  return t;
}

}  // namespace

Tf_set::Tf_set(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("Tf_set");
  setWindowTitle(QStringLiteral("设置"));
  resize(760, 480);
  OpenBelowToolbar(*this, size(), app, /*everyShow=*/true);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("pc_set");

  auto* listPage = new QWidget;
  listPage->setObjectName("ts_selfzb");
  lb_selfzb = new QListWidget(listPage);
  lb_selfzb->setObjectName("lb_selfzb");
  auto* add = new QPushButton(QStringLiteral("添加"), listPage);
  add->setObjectName("b_add");
  auto* del = new QPushButton(QStringLiteral("删除"), listPage);
  del->setObjectName("b_delete");
  auto* modify = new QPushButton(QStringLiteral("修改"), listPage);
  modify->setObjectName("b_modify");
  auto* listButtons = new QHBoxLayout;
  listButtons->addStretch();
  listButtons->addWidget(add);
  listButtons->addWidget(del);
  listButtons->addWidget(modify);
  auto* listLayout = new QVBoxLayout(listPage);
  listLayout->addWidget(new QLabel(QStringLiteral("已存入的自定义指标："), listPage));
  listLayout->addWidget(lb_selfzb);
  listLayout->addLayout(listButtons);
  tabs_->addTab(listPage, QStringLiteral("自定义指标设置"));

  auto* zonePage = new QWidget;
  zonePage->setObjectName("ts_zone");
  m_zone = ReferenceText(zonePage, "m_zone");
  auto* refresh = new QPushButton(QStringLiteral("刷新"), zonePage);
  refresh->setObjectName("b_refresh");
  auto* zoneLayout = new QVBoxLayout(zonePage);
  zoneLayout->addWidget(m_zone);
  zoneLayout->addWidget(refresh, 0, Qt::AlignRight);
  tabs_->addTab(zonePage, QStringLiteral("分区说明"));

  auto* shapePage = new QWidget;
  shapePage->setObjectName("ts_shape");
  m_shape = ReferenceText(shapePage, "m_shape");
  auto* shapeLayout = new QVBoxLayout(shapePage);
  shapeLayout->addWidget(m_shape);
  tabs_->addTab(shapePage, QStringLiteral("形态取值说明"));

  // The address of the notice page read by 在线更新 and at every start.
  auto* noticePage = new QWidget;
  noticePage->setObjectName("ts_notice");
  e_noticeurl = new QLineEdit(noticePage);
  e_noticeurl->setObjectName("e_noticeurl");
  e_noticeurl->setPlaceholderText(QStringLiteral("https://"));
  auto* saveNotice = NamedButton(noticePage, "b_savenoticeurl", QStringLiteral("保存"));
  auto* urlRow = new QHBoxLayout;
  urlRow->addWidget(new QLabel(QStringLiteral("公告页地址："), noticePage));
  urlRow->addWidget(e_noticeurl, 1);
  urlRow->addWidget(saveNotice);
  auto* noticeLayout = new QVBoxLayout(noticePage);
  noticeLayout->addLayout(urlRow);
  noticeLayout->addWidget(new QLabel(
      QStringLiteral("以 http:// 或 https:// 开头的网址。留空则不联网更新。"), noticePage));
  // The history service read by 同步开奖数据, and whether the start reads it too.
  e_syncurl = new QLineEdit(noticePage);
  e_syncurl->setObjectName("e_syncurl");
  auto* saveSync = NamedButton(noticePage, "b_savesyncurl", QStringLiteral("保存"));
  auto* syncRow = new QHBoxLayout;
  syncRow->addWidget(new QLabel(QStringLiteral("开奖数据服务地址："), noticePage));
  syncRow->addWidget(e_syncurl, 1);
  syncRow->addWidget(saveSync);
  noticeLayout->addSpacing(16);
  noticeLayout->addLayout(syncRow);
  noticeLayout->addWidget(new QLabel(QStringLiteral("“同步开奖数据”从这个地址读取开奖号码和奖金，"
                                                    "以 http:// 或 https:// 开头。"
                                                    "留空则恢复为体彩官方的开奖历史服务。"),
                                     noticePage));
  cb_syncatstart = new QCheckBox(
      QStringLiteral("启动时同步开奖数据（在后台进行，完成后提示新增的期数）"), noticePage);
  cb_syncatstart->setObjectName("cb_syncatstart");
  noticeLayout->addWidget(cb_syncatstart);
  noticeLayout->addStretch(1);
  tabs_->addTab(noticePage, QStringLiteral("在线更新"));
  tabs_->addTab(new PrizeTablePage(app_), QStringLiteral("奖金设置"));
  connect(saveNotice, &QPushButton::clicked, this, &Tf_set::SaveNoticeUrl);
  connect(saveSync, &QPushButton::clicked, this, &Tf_set::SaveSyncUrl);
  connect(cb_syncatstart, &QCheckBox::toggled, this,
          [this](bool on) { app_.settings.SetSyncAtStart(on); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);

  connect(add, &QPushButton::clicked, this, &Tf_set::AddIndicator);
  connect(del, &QPushButton::clicked, this, &Tf_set::DeleteIndicator);
  connect(modify, &QPushButton::clicked, this, &Tf_set::ModifyIndicator);
  connect(refresh, &QPushButton::clicked, this, &Tf_set::RefreshZoneText);
}

QString Tf_set::ListPath() const {
  return QString::fromStdString(app_.folder.Path("save/selfzb.txt"));
}

void Tf_set::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  tabs_->setCurrentIndex(0);
  LoadList();
  RefreshZoneText();
  m_shape->setPlainText(Joined(ShapeTextLines()));
  e_noticeurl->setText(app_.settings.NoticeUrl());
  e_syncurl->setText(app_.settings.SyncUrl());
  const QSignalBlocker quiet(cb_syncatstart);
  cb_syncatstart->setChecked(app_.settings.SyncAtStart());
}

std::optional<QString> Tf_set::CheckedAddress(QLineEdit* edit, const QString& what) {
  const QString address = edit->text().trimmed();
  if (!address.isEmpty() && !IsSafeWebAddress(address.toStdString())) {
    app_.shell.Inform(this, what + QStringLiteral("必须是以http://或https://开头的网址"));
    return std::nullopt;
  }
  return address;
}

bool Tf_set::SaveNoticeUrl() {
  const auto address = CheckedAddress(e_noticeurl, QStringLiteral("公告页地址"));
  if (!address) return false;
  app_.settings.SetNoticeUrl(*address);
  e_noticeurl->setText(*address);
  return true;
}

bool Tf_set::SaveSyncUrl() {
  const auto address = CheckedAddress(e_syncurl, QStringLiteral("开奖数据服务地址"));
  if (!address) return false;
  app_.settings.SetSyncUrl(*address);
  e_syncurl->setText(app_.settings.SyncUrl());
  return true;
}

void Tf_set::LoadList() {
  lb_selfzb->clear();
  std::string error;
  const auto lines = LoadCustomIndicatorLines(ListPath().toStdString(), &error);
  if (!lines) {
    app_.shell.Inform(this, QString::fromStdString(error));
    return;
  }
  for (const auto& l : *lines) lb_selfzb->addItem(QString::fromStdString(l));
}

bool Tf_set::SaveList() {
  std::vector<std::string> lines;
  for (int i = 0; i < lb_selfzb->count(); ++i)
    lines.push_back(lb_selfzb->item(i)->text().toStdString());
  std::string error;
  if (!SaveCustomIndicatorLines(ListPath().toStdString(), lines, &error)) {
    app_.shell.Inform(this, QString::fromStdString(error));
    return false;
  }
  return true;
}

void Tf_set::AddIndicator() {
  auto* dialog = app_.windows->Get<Tf_addselfzb>();
  dialog->SetFields({}, {});
  dialog->setWindowTitle(QStringLiteral("添加自定义指标"));
  if (app_.shell.ExecDialog(*dialog) != QDialog::Accepted) return;
  lb_selfzb->addItem(QString::fromStdString(
      CustomIndicatorLine(dialog->Formula().toStdString(), dialog->Name().toStdString())));
  if (!SaveList()) delete lb_selfzb->takeItem(lb_selfzb->count() - 1);
}

void Tf_set::DeleteIndicator() {
  QListWidgetItem* item = lb_selfzb->currentItem();
  if (!item || !item->isSelected()) {
    app_.shell.Inform(this, QStringLiteral("请先选择你要删除的指标"));
    return;
  }
  const int row = lb_selfzb->row(item);
  QListWidgetItem* taken = lb_selfzb->takeItem(row);
  if (!SaveList())
    lb_selfzb->insertItem(row, taken);
  else
    delete taken;
}

void Tf_set::ModifyIndicator() {
  QListWidgetItem* item = lb_selfzb->currentItem();
  if (!item || !item->isSelected()) {
    app_.shell.Inform(this, QStringLiteral("请先选择你要修改的指标"));
    return;
  }
  const CustomIndicatorEntry parts = SplitCustomIndicatorLine(item->text().toStdString());
  auto* dialog = app_.windows->Get<Tf_addselfzb>();
  dialog->SetFields(QString::fromStdString(parts.formula), QString::fromStdString(parts.name));
  dialog->setWindowTitle(QStringLiteral("修改自定义指标"));
  if (app_.shell.ExecDialog(*dialog) != QDialog::Accepted) return;
  const QString before = item->text();
  item->setText(QString::fromStdString(
      CustomIndicatorLine(dialog->Formula().toStdString(), dialog->Name().toStdString())));
  if (!SaveList()) item->setText(before);
}

void Tf_set::RefreshZoneText() {
  m_zone->setPlainText(Joined(ZoneTextLines()));
}

}  // namespace dlt::gui
