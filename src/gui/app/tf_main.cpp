#include "gui/app/tf_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include "common/numbers.h"
#include "gui/app/app_context.h"
#include "gui/app/app_settings.h"
#include "gui/app/below_toolbar.h"
#include "gui/app/shell_services.h"
#include "gui/app/startup_steps.h"
#include "gui/app/tdm.h"
#include "gui/app/text_file_viewer.h"
#include "gui/app/tf_showpic.h"
#include "gui/app/toolbar_icons.h"
#include "gui/app/window_set.h"
#include "gui/generator/tf_zh.h"
#include "gui/generator/zh_session.h"
#include "gui/history/online_update.h"
#include "gui/history/service_sync.h"
#include "gui/history/tf_informdownload.h"
#include "history/notice_page.h"

namespace dlt::gui {
namespace {

struct ToolbarButton {
  const char* name;
  const char* caption;
};
constexpr ToolbarButton kButtons[] = {
    {"b_tjq", "统计区"},     {"b_zh", "超强组号"},     {"b_wdtz", "我的投注"},
    {"b_fxd", "走势分析"},   {"b_moredb", "更多图表"}, {"b_zbpx", "指标剖析"},
    {"b_gxsjq", "数据更新"}, {"b_set", "设置"},        {"b_tdsh", "提胆杀号"},
    {"b_help", "帮助"},      {"b_exit", "退出"}};

constexpr int kMainHeight = 33;

}  // namespace

Tf_main::Tf_main(AppContext& app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      app_(app) {
  setObjectName("Tf_main");
  setWindowTitle(QStringLiteral("大乐透析星台"));
  KeepFrameOnScreen(*this);
  // Feature windows open below this window's frame; a guarded pointer, as
  // they may outlive it at the end of the run.
  app_.hooks.toolbar = [self = QPointer<Tf_main>(this)]() -> const QWidget* { return self.data(); };
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  for (const ToolbarButton& button : kButtons) {
    auto* b = new QToolButton(this);
    b->setObjectName(button.name);
    b->setText(QString::fromUtf8(button.caption));
    b->setIcon(ToolbarIcon(button.name));
    b->setIconSize(QSize(24, 24));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    row->addWidget(b);
    buttons_.push_back(b);
  }
  row->addStretch();
  connect(Button("b_tjq"), &QToolButton::clicked, this, [this] { ShowFeature("Tf_tjq", true); });
  connect(Button("b_zh"), &QToolButton::clicked, this, [this] { ShowFeature("Tf_zh", true); });
  connect(Button("b_wdtz"), &QToolButton::clicked, this, [this] { ShowFeature("Tf_wdtz", false); });
  connect(Button("b_fxd"), &QToolButton::clicked, this, [this] { ShowFeature("Tf_fxd", true); });
  connect(Button("b_moredb"), &QToolButton::clicked, this,
          [this] { ShowFeature("Tf_moredb", true); });
  connect(Button("b_zbpx"), &QToolButton::clicked, this, [this] { ShowFeature("Tf_zbpx", true); });
  connect(Button("b_gxsjq"), &QToolButton::clicked, this, [this] { ShowDataUpdate(); });
  connect(Button("b_set"), &QToolButton::clicked, this, [this] { ShowFeature("Tf_set", false); });
  connect(Button("b_tdsh"), &QToolButton::clicked, this, [this] { ShowFeature("Tf_tdsh", true); });
  connect(Button("b_help"), &QToolButton::clicked, this, [this] { ShowHelp(); });
  connect(Button("b_exit"), &QToolButton::clicked, this, [this] { close(); });
  startupSync_ = new StartupSync(app_, this);
  RunCreationStep();
}

QToolButton* Tf_main::Button(const QString& name) const {
  for (QToolButton* b : buttons_)
    if (b->objectName() == name) return b;
  return nullptr;
}

void Tf_main::RunCreationStep() {
  app_.shapeClasses = DefaultShapeClassTable();
  LoadSprites(app_);
  app_.dm->Open(app_.folder.TablePath());
  CheckStoredRows();
  OpenBook();
  for (int k = 2; k <= 15; ++k) app_.zoneTables[k] = ZoneBounds(k, 1, 35);
  app_.env.coldHot = app_.settings.ReadColdHot();
  move(0, 0);
  if (const QScreen* s = QApplication::primaryScreen()) app_.screen = s->geometry().size();
  resize(std::max(app_.screen.width(), 400), kMainHeight);
}

void Tf_main::CheckStoredRows() {
  DrawTable& table = app_.Table();
  if (table.BadRows().empty()) return;
  // Rows edited outside the program: nothing may compute on them. The user
  // deletes them here (and enters the right numbers in 数据更新) or mends
  // them with the command line before the next start.
  const QString message = QString::fromStdString(table.BadRowsMessage());
  if (!app_.shell.Confirm(nullptr,
                          message + QStringLiteral("\n\n这些记录不能使用。删除它们后继续吗？"
                                                   "（删除后可在“数据更新”中重新添加正确的号码；"
                                                   "选“否”将退出程序）")))
    throw DbError(message.toStdString() +
                  "\n请改正(dlt history add 期数 号码)或删除(dlt history delete 期数)"
                  "这些记录后再启动程序");
  const std::vector<BadRow> bad = table.BadRows();
  for (const BadRow& row : bad) table.DeleteDraw(row.qs);
}

void Tf_main::OpenBook() {
  // A damaged book is never emptied or replaced: the program runs without
  // it and says so, and the file waits to be mended or moved away.
  if (!app_.dm->OpenBook(app_.folder.BookPath()))
    app_.shell.Inform(nullptr, app_.dm->BookProblem() +
                                   QStringLiteral("\n\n本次运行中“我的投注”不可用, 文件保持原样; "
                                                  "请修复或移走该文件后重新启动程序。"));
}

void Tf_main::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (showStepStarted_) return;
  showStepStarted_ = true;
  // The show step opens other windows and waits for the network: it runs
  // once the main window is on screen.
  QTimer::singleShot(0, this, [this] { RunShowStep(); });
}

void Tf_main::RunShowStep() {
  app_.env.layout = DefaultGridLayout();
  auto* box = app_.windows->Get<Tf_showpic>();
  box->ShowProgress(QStringLiteral("请稍候，正在更新数据."), /*cancellable=*/true);
  // Any failure at start-up is silent: the program goes on with its history.
  const OnlineUpdateResult update = OnlineUpdate(app_, box);
  if (auto* popup = app_.windows->Get<Tf_informdownload>(); popup && !popup->isVisible())
    popup->ShowNotice();
  box->HideBox();
  LayOutButtons();
  PrepareHistory(app_);
  if (app_.screen.width() < 1024)
    app_.shell.Inform(this, QStringLiteral("请将分辨率调至1024*768以上，否则某些页面不能完全显示"));
  showStepDone_ = true;
  ShowFeature("Tf_fxd", true);
  // After the notice page: the program is usable while the service is read.
  if (app_.settings.SyncAtStart()) startupSync_->Start();
  emit showStepFinished();
}

void Tf_main::LayOutButtons() {
  move(0, 0);
  // The whole toolbar, its frame too, on the screen.
  const int width = app_.screen.width() - FrameWidth(*this);
  const int each = width / static_cast<int>(buttons_.size());
  for (QToolButton* b : buttons_) b->setFixedSize(each, kMainHeight);
  layout()->activate();  // the window's minimum width follows the new button widths
  resize(width, kMainHeight);
}

void Tf_main::ShowFeature(const char* className, bool closeUpdateWindow) {
  if (closeUpdateWindow) {
    if (QWidget* update = app_.windows->Find("Tf_gxsjq"); update && update->isVisible())
      update->close();
  }
  if (QWidget* w = app_.windows->Find(className)) {
    w->show();
    w->raise();
    w->activateWindow();
  }
}

void Tf_main::ShowDataUpdate() {
  // The update window changes the history under the windows that hold the
  // shared cursor: they are closed first.
  for (const char* name :
       {"Tf_zh", "Tf_fxd", "Tf_zbpxz", "Tf_tdsh", "Tf_tjq", "Tf_moredb", "Tf_bluefxd"})
    if (QWidget* w = app_.windows->Find(name); w && w->isVisible()) w->close();
  ShowFeature("Tf_gxsjq", false);
}

void Tf_main::ShowHelp() {
  // The help is the page help.htm of the data folder, seeded at start.
  const QString page = QString::fromStdString(app_.folder.Path("help.htm"));
  if (QFile::exists(page))
    OpenDocument(app_.shell, this, page);
  else
    app_.shell.Inform(this, QStringLiteral("帮助文件丢失"));
}

void Tf_main::RunCloseStep() {
  if (closeStepDone_) return;
  closeStepDone_ = true;
  // The generator's conditions of this run become the next run's exitset.zh.
  auto* generator = app_.windows ? app_.windows->Get<Tf_zh>() : nullptr;
  const CloseStepReport report = CloseDown(app_, generator ? &generator->Session().set : nullptr);
  if (!report.error.isEmpty()) app_.shell.Inform(this, report.error);
}

void Tf_main::closeEvent(QCloseEvent* e) {
  RunCloseStep();
  e->accept();
  app_.windows->CloseAll();
  QCoreApplication::quit();
}

}  // namespace dlt::gui
