#include "gui/generator/zh_front_settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QVBoxLayout>

#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"
#include "gui/generator/zh_condition_text.h"
#include "gui/generator/zh_front_dialogs.h"
#include "gui/generator/zh_session.h"

namespace dlt::gui {
namespace {

// A memo tall enough for `lines` lines of numbers: the pool's 35 numbers
// take four, so none hides behind a scroll bar.
QPlainTextEdit* MakeMemo(const char* name, QWidget* parent, int lines) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(name);
  memo->setReadOnly(true);
  const int margins = 2 * (memo->frameWidth() + int(memo->document()->documentMargin()));
  memo->setFixedHeight(lines * memo->fontMetrics().lineSpacing() + margins + 2);
  return memo;
}

}  // namespace

ZhFrontSettings::ZhFrontSettings(AppContext& app, ZhSession& session, ZhFrontDialogs& dialogs,
                                 QWidget* parent)
    : QWidget(parent), app_(app), session_(session), dialogs_(dialogs) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);

  auto* numbers = new QGridLayout;
  auto* poolButton = new QPushButton(QStringLiteral("主区可选号码"), this);
  poolButton->setObjectName("b_zqkxhm");
  auto* bankerButton = new QPushButton(QStringLiteral("主区胆码"), this);
  bankerButton->setObjectName("b_zqdm");
  m_zqkxhm = MakeMemo("m_zqkxhm", this, 4);
  m_zqdm = MakeMemo("m_zqdm", this, 2);
  numbers->addWidget(poolButton, 0, 0);
  numbers->addWidget(m_zqkxhm, 0, 1);
  numbers->addWidget(bankerButton, 1, 0);
  numbers->addWidget(m_zqdm, 1, 1);
  layout->addLayout(numbers);
  connect(poolButton, &QPushButton::clicked, this, &ZhFrontSettings::PickPool);
  connect(bankerButton, &QPushButton::clicked, this, &ZhFrontSettings::PickBankers);
  // A click on a memo does what its button does.
  m_zqkxhm->viewport()->installEventFilter(this);
  m_zqdm->viewport()->installEventFilter(this);

  auto* switches = new QGroupBox(this);
  auto* sv = new QVBoxLayout(switches);
  cb_nothistory = new QCheckBox(QStringLiteral("不与历史五个主号完全相同"), switches);
  cb_nothistory->setObjectName("cb_nothistory");
  cb_notequaldist = new QCheckBox(QStringLiteral("去除等间距组合"), switches);
  cb_notequaldist->setObjectName("cb_notequaldist");
  cb_specnext =
      new QCheckBox(QStringLiteral("去除特殊连号(全是连号或存在一组四个以上连号)"), switches);
  cb_specnext->setObjectName("cb_specnext");
  sv->addWidget(cb_nothistory);
  sv->addWidget(cb_notequaldist);
  sv->addWidget(cb_specnext);
  auto* tolerance = new QHBoxLayout;
  cb_rcnumlimit = new QCheckBox(QStringLiteral("总容错"), switches);
  cb_rcnumlimit->setObjectName("cb_rcnumlimit");
  combo_rcnum_from = new QComboBox(switches);
  combo_rcnum_from->setObjectName("combo_rcnum_from");
  combo_rcnum_to = new QComboBox(switches);
  combo_rcnum_to->setObjectName("combo_rcnum_to");
  for (int i = 0; i <= ConditionSet::kMaxTotalTolerance; ++i) {
    combo_rcnum_from->addItem(QString::number(i));
    combo_rcnum_to->addItem(QString::number(i));
  }
  tolerance->addWidget(cb_rcnumlimit);
  tolerance->addWidget(combo_rcnum_from);
  tolerance->addWidget(new QLabel(QStringLiteral("至"), switches));
  tolerance->addWidget(combo_rcnum_to);
  tolerance->addStretch(1);
  sv->addLayout(tolerance);
  layout->addWidget(switches);

  auto* reset = new QPushButton(QStringLiteral("重置"), this);
  reset->setObjectName("Button6");
  layout->addWidget(reset);

  connect(cb_nothistory, &QCheckBox::clicked, this,
          [this](bool on) { session_.set.Switches().notHistory = on; });
  connect(cb_notequaldist, &QCheckBox::clicked, this,
          [this](bool on) { session_.set.Switches().notEqualDist = on; });
  connect(cb_specnext, &QCheckBox::clicked, this,
          [this](bool on) { session_.set.Switches().specNext = on; });
  connect(cb_rcnumlimit, &QCheckBox::clicked, this, &ZhFrontSettings::ToleranceEdited);
  connect(combo_rcnum_from, &QComboBox::currentIndexChanged, this,
          &ZhFrontSettings::ToleranceEdited);
  connect(combo_rcnum_to, &QComboBox::currentIndexChanged, this, &ZhFrontSettings::ToleranceEdited);
  connect(reset, &QPushButton::clicked, this, [this] {
    session_.set.ResetFront();
    emit frontReset();
  });
  Refresh();
}

void ZhFrontSettings::Refresh() {
  const ConditionSet& set = session_.set;
  m_zqkxhm->setPlainText(NumbersText(set.PoolNumbers()));
  m_zqdm->setPlainText(NumbersText(set.BankerNumbers()));
  cb_nothistory->setChecked(set.Switches().notHistory);
  cb_notequaldist->setChecked(set.Switches().notEqualDist);
  cb_specnext->setChecked(set.Switches().specNext);
  const TotalTolerance& t = set.Tolerance();
  const QSignalBlocker blockFrom(combo_rcnum_from);
  const QSignalBlocker blockTo(combo_rcnum_to);
  cb_rcnumlimit->setChecked(t.enabled);
  combo_rcnum_from->setCurrentIndex(t.from);
  combo_rcnum_to->setCurrentIndex(t.to);
  combo_rcnum_from->setEnabled(t.enabled);
  combo_rcnum_to->setEnabled(t.enabled);
}

bool ZhFrontSettings::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    if (watched == m_zqkxhm->viewport()) {
      PickPool();
      return true;
    }
    if (watched == m_zqdm->viewport()) {
      PickBankers();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void ZhFrontSettings::PickPool() {
  PickRequest request;
  request.first = 1;
  request.last = kFrontMax;
  request.current = 0;
  request.owner = -2;
  request.selected = session_.set.PoolNumbers();
  const auto picked = dialogs_.pick(this, request);
  if (!picked) return;
  std::string error;
  if (!session_.set.SetPool(*picked, &error))
    app_.shell.Inform(this, QString::fromStdString(error));
  Refresh();
}

void ZhFrontSettings::PickBankers() {
  PickRequest request;
  request.first = 1;
  request.last = kFrontMax;
  request.current = 0;
  request.owner = -1;
  request.selected = session_.set.BankerNumbers();
  const auto picked = dialogs_.pick(this, request);
  if (!picked) return;
  std::string error;
  // More than five bankers: the message, and every banker is cleared.
  if (!session_.set.SetBankers(*picked, &error))
    app_.shell.Inform(this, QString::fromStdString(error));
  Refresh();
}

void ZhFrontSettings::ToleranceEdited() {
  TotalTolerance t;
  t.enabled = cb_rcnumlimit->isChecked();
  t.from = combo_rcnum_from->currentIndex();
  t.to = combo_rcnum_to->currentIndex();
  std::string error;
  if (!session_.set.SetTolerance(t, &error)) app_.shell.Inform(this, QString::fromStdString(error));
  Refresh();
}

}  // namespace dlt::gui
