// The generator's value pickers and entry dialogs, driven as a user would.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "generator/combination.h"
#include "generator/judge_rules.h"
#include "gui/analysis/tf_zbpxz.h"
#include "gui/analysis/zbpxz_context.h"
#include "gui/app/app_context.h"
#include "gui/app/window_set.h"
#include "gui/generator/picker_study_aid.h"
#include "gui/generator/picker_tile.h"
#include "gui/generator/tf_fqfw.h"
#include "gui/generator/tf_fzsr.h"
#include "gui/generator/tf_getchoiceextend.h"
#include "gui/generator/tf_getchoiceextend_plus.h"
#include "gui/generator/tf_selfcond.h"
#include "gui/generator/tf_wsset.h"
#include "gui/generator/tf_xgzh.h"
#include "gui/generator/tf_zj1.h"
#include "gui/generator/value_pickers.h"
#include "gui_test_support.h"
#include "history/draw_table.h"
#include "history/history_contexts.h"
#include "indicators/catalogue.h"
#include "indicators/indicator.h"

using namespace dlt;
using namespace dlt::gui;
using namespace dlt::gui::test;

namespace {

void ClickTile(QWidget& parent, int value) {
  QTest::mouseClick(Child<PickerTile>(parent, qPrintable(QStringLiteral("tile_%1").arg(value))),
                    Qt::LeftButton);
}

void Check(QWidget& parent, const char* name, bool on = true) {
  Child<QAbstractButton>(parent, name)->setChecked(on);
}

void Type(QWidget& parent, const char* name, const QString& text) {
  Child<QLineEdit>(parent, name)->setText(text);
}

std::vector<int> Range(int from, int to, int step = 1) {
  std::vector<int> v;
  for (int i = from; i <= to; i += step) v.push_back(i);
  return v;
}

}  // namespace

class ZhDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void sumPickerShowsItsRangeTwentyTilesToARow();
  void pickValuesReturnsThePickedTilesAndCancelChangesNothing();
  void selectAllNoneAndInvertTwice();
  void theRuleGroupOnlyWithACurrentValue();
  void twoDrawMeanSelectsTheValuesWhoseMeanIsInBounds();
  void oddEvenPrimeAndRemainderRules();
  void blankBoundsStopTheRuleSelectionWithTheirMessage();
  void checkListEnablesOnlyItsRangeInTwentyColumns();
  void checkListTailAndLargeDivisorRules();
  void selfConditionClosingMessagesQuickChoiceAndEntry();
  void tailSettingClosingMessagesAndEntry();
  void studyAidFillsTestForAnIndicator();
  void studyAidForFormulaGroupsAndTails();
  void studyAidReportsABrokenFormula();
  void componentTableFollowsTheListInUse();
  void theLastComponentInUseStays();
  void zoneListingOfTheRangeOneToSixteen();
  void zoneListingOfOneChosenCount();
  void formulaAidListsAppendCodesAndLoadSavedFormulas();
  void editNumbersRoundTrip();
};

void ZhDialogsTest::sumPickerShowsItsRangeTwentyTilesToARow() {
  TestWorld world;
  auto app = world.MakeApp();
  auto* picker = app->Windows().Get<Tf_getchoiceextend>();
  picker->Prepare(40, 160, 100);
  int visible = 0;
  int rows = 0;
  for (int v = 0; v <= 180; ++v) {
    PickerTile* t = picker->Tile(v);
    QCOMPARE(t->isVisibleTo(picker), v >= 40 && v <= 160);
    if (!t->isVisibleTo(picker)) continue;
    ++visible;
    const int i = v - 40;
    QCOMPARE(t->pos(), QPoint(5 + (i % 20) * 30, 5 + (i / 20) * 30));
    QCOMPARE(t->size(), QSize(25, 25));
    rows = std::max(rows, i / 20 + 1);
  }
  QCOMPARE(visible, 121);
  QCOMPARE(rows, 7);
  // The first row is 40..59.
  QCOMPARE(picker->Tile(40)->pos().y(), picker->Tile(59)->pos().y());
  QVERIFY(picker->Tile(60)->pos().y() > picker->Tile(59)->pos().y());
  QCOMPARE(picker->Tile(60)->pos().x(), 5);
  QCOMPARE(picker->windowTitle(), QString("选择"));
  // The dialog ends below its rule group.
  auto* rules = Child(*picker, "gb_rules");
  QVERIFY(rules->geometry().top() > picker->Tile(160)->geometry().bottom());
  QVERIFY(picker->height() >= rules->geometry().bottom());
}

void ZhDialogsTest::pickValuesReturnsThePickedTilesAndCancelChangesNothing() {
  TestWorld world;
  auto app = world.MakeApp();
  AppContext& ctx = app->Context();
  PickRequest request;
  request.first = 0;
  request.last = 35;
  request.current = 12;
  request.selected = {3, 7, 99};
  QColor before, after;
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    auto& picker = static_cast<Tf_getchoiceextend&>(d);
    QCOMPARE(picker.SelectedValues(), (std::vector<int>{3, 7}));
    before = picker.Tile(20)->palette().color(QPalette::Window);
    ClickTile(d, 20);
    after = picker.Tile(20)->palette().color(QPalette::Window);
    ClickTile(d, 7);  // a second click deselects
    Click(d, "b_ok");
  });
  auto picked = PickValues(ctx, nullptr, request);
  QVERIFY(picked.has_value());
  QCOMPARE(*picked, (std::vector<int>{3, 20}));
  QCOMPARE(before, QColor(53, 191, 202));
  QCOMPARE(after, QColor(227, 28, 199));

  // 取消, and a run without a handler, change nothing for the caller.
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    ClickTile(d, 1);
    Click(d, "b_cancel");
  });
  QVERIFY(!PickValues(ctx, nullptr, request).has_value());
  // The next opening starts from the caller's values again (重置 first).
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    QCOMPARE(static_cast<Tf_getchoiceextend&>(d).SelectedValues(), (std::vector<int>{3, 7}));
    Click(d, "b_ok");
  });
  QCOMPARE(*PickValues(ctx, nullptr, request), (std::vector<int>{3, 7}));
}

void ZhDialogsTest::selectAllNoneAndInvertTwice() {
  TestWorld world;
  auto app = world.MakeApp();
  auto* picker = app->Windows().Get<Tf_getchoiceextend>();
  picker->Prepare(0, 12, 5);
  picker->Begin({1, 4, 9});
  picker->show();
  Click(*picker, "b_inverse");
  QCOMPARE(picker->SelectedValues(), (std::vector<int>{0, 2, 3, 5, 6, 7, 8, 10, 11, 12}));
  Click(*picker, "b_inverse");
  QCOMPARE(picker->SelectedValues(), (std::vector<int>{1, 4, 9}));
  Click(*picker, "b_selall");
  QCOMPARE(picker->SelectedValues(), Range(0, 12));
  QVERIFY(!picker->Tile(13)->Selected());  // outside the range: untouched
  Click(*picker, "b_selnone");
  QVERIFY(picker->SelectedValues().empty());
  picker->Begin({2});
  Check(*picker, "cb_jo");
  Click(*picker, "b_reset");
  QVERIFY(picker->SelectedValues().empty());
  QVERIFY(!Child<QCheckBox>(*picker, "cb_jo")->isChecked());
  picker->hide();
}

void ZhDialogsTest::theRuleGroupOnlyWithACurrentValue() {
  TestWorld world;
  auto app = world.MakeApp();
  auto* picker = app->Windows().Get<Tf_getchoiceextend>();
  picker->Prepare(0, 5, std::nullopt);
  QVERIFY(!Child(*picker, "gb_rules")->isVisibleTo(picker));
  const int shortHeight = picker->height();
  picker->Prepare(0, 5, 3);
  QVERIFY(Child(*picker, "gb_rules")->isVisibleTo(picker));
  QVERIFY(picker->height() > shortHeight);
  // Checking a bounded rule enables its edits and empties the upper one.
  picker->Begin({});
  auto* to = Child<QLineEdit>(*picker, "me_changeto");
  QVERIFY(!to->isEnabled());
  to->setText("12");
  Check(*picker, "cb_change");
  QVERIFY(to->isEnabled());
  QVERIFY(to->text().trimmed().isEmpty());
  Check(*picker, "cb_change", false);
  QVERIFY(!to->isEnabled());
  // Checking 奇偶 selects its first radio button.
  Check(*picker, "cb_jo");
  QVERIFY(Child<QRadioButton>(*picker, "rb_odd")->isChecked());
  QVERIFY(Child<QRadioButton>(*picker, "rb_even")->isEnabled());
}

void ZhDialogsTest::twoDrawMeanSelectsTheValuesWhoseMeanIsInBounds() {
  TestWorld world;
  auto app = world.MakeApp();
  auto* picker = app->Windows().Get<Tf_getchoiceextend>();
  picker->Prepare(0, 30, 10);
  picker->Begin({0, 1});
  picker->show();
  Check(*picker, "cb_twojz");
  Type(*picker, "me_twojzfrom", "12");
  Type(*picker, "me_twojzto", "13");
  Click(*picker, "b_choose");
  QCOMPARE(picker->SelectedValues(), (std::vector<int>{14, 15, 16}));
  // Half steps: 12.5 alone is 15.
  Type(*picker, "me_twojzfrom", "12.5");
  Type(*picker, "me_twojzto", "12.5");
  Click(*picker, "b_choose");
  QCOMPARE(picker->SelectedValues(), (std::vector<int>{15}));
  QVERIFY(world.shell.messages.isEmpty());
  picker->hide();
}

void ZhDialogsTest::oddEvenPrimeAndRemainderRules() {
  TestWorld world;
  auto app = world.MakeApp();
  auto* picker = app->Windows().Get<Tf_getchoiceextend>();
  picker->Prepare(0, 20, 7);
  picker->Begin({});
  picker->show();
  Check(*picker, "cb_zh");
  Click(*picker, "b_choose");
  // 1 counts as prime, 0 does not.
  QCOMPARE(picker->SelectedValues(), (std::vector<int>{1, 2, 3, 5, 7, 11, 13, 17, 19}));
  Check(*picker, "rb_composite");
  Click(*picker, "b_choose");
  QCOMPARE(picker->SelectedValues(), (std::vector<int>{0, 4, 6, 8, 9, 10, 12, 14, 15, 16, 18, 20}));
  Check(*picker, "cb_jo");
  Check(*picker, "rb_even");
  Click(*picker, "b_choose");
  QCOMPARE(picker->SelectedValues(), (std::vector<int>{0, 4, 6, 8, 10, 12, 14, 16, 18, 20}));
  // A checked remainder group with nothing ticked selects nothing.
  Check(*picker, "cb_ys3");
  Click(*picker, "b_choose");
  QVERIFY(picker->SelectedValues().empty());
  Check(*picker, "cb_ys3_0");
  Click(*picker, "b_choose");
  QCOMPARE(picker->SelectedValues(), (std::vector<int>{0, 6, 12, 18}));
  // Change: |v - 7| from 2 to 3 among the even composites divisible by three.
  Check(*picker, "cb_ys3", false);
  Check(*picker, "cb_change");
  Type(*picker, "me_changefrom", "2");
  Type(*picker, "me_changeto", "3");
  Click(*picker, "b_choose");
  QCOMPARE(picker->SelectedValues(), (std::vector<int>{4, 10}));
  Check(*picker, "cb_change", false);
  Check(*picker, "cb_qzfw");
  Type(*picker, "me_qzfwfrom", "10");
  Type(*picker, "me_qzfwto", "16");
  Click(*picker, "b_choose");
  QCOMPARE(picker->SelectedValues(), (std::vector<int>{10, 12, 14, 16}));
  QVERIFY(world.shell.messages.isEmpty());
  picker->hide();
}

void ZhDialogsTest::blankBoundsStopTheRuleSelectionWithTheirMessage() {
  TestWorld world;
  auto app = world.MakeApp();
  auto* picker = app->Windows().Get<Tf_getchoiceextend>();
  picker->Prepare(0, 10, 4);
  struct Case {
    const char* box;
    const char* from;
    QString message;
  };
  const Case cases[] = {{"cb_change", "me_changefrom", "变化量未输入数据"},
                        {"cb_qzfw", "me_qzfwfrom", "取值范围未输入数据"},
                        {"cb_twojz", "me_twojzfrom", "二期均值未输入数据"}};
  for (const Case& c : cases) {
    world.shell.dialogHandlers.push_back([&](QDialog& d) {
      Check(d, "cb_jo");  // odd numbers, a rule before the failing one
      Check(d, c.box);
      Type(d, c.from, "1");  // the upper bound stays blank
      Click(d, "b_choose");
      QCOMPARE(world.shell.messages.back(), c.message);
      QVERIFY(d.isVisible());  // the dialog stays open
      // What the rules before the failing one selected is kept.
      QCOMPARE(static_cast<Tf_getchoiceextend&>(d).SelectedValues(),
               (std::vector<int>{1, 3, 5, 7, 9}));
      Click(d, "b_ok");
    });
    PickRequest r;
    r.first = 0;
    r.last = 10;
    r.current = 4;
    const auto picked = PickValues(app->Context(), nullptr, r);
    QCOMPARE(*picked, (std::vector<int>{1, 3, 5, 7, 9}));
  }
  QCOMPARE(world.shell.messages.size(), 3);
}

void ZhDialogsTest::checkListEnablesOnlyItsRangeInTwentyColumns() {
  TestWorld world;
  auto app = world.MakeApp();
  PickRequest request;
  request.first = 0;
  request.last = 700;
  request.current = 30;
  request.checkList = true;
  request.selected = {5, 700, 701};
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    auto& picker = static_cast<Tf_getchoiceextend_plus&>(d);
    QListWidget* list = Child<QListWidget>(d, "CheckListBox1");
    QCOMPARE(list->count(), 2001);
    QCOMPARE(list->item(2000)->text(), QString("2000"));
    int enabled = 0;
    for (int v = 0; v <= 2000; ++v)
      if (list->item(v)->flags() & Qt::ItemIsEnabled) ++enabled;
    QCOMPARE(enabled, 701);
    QVERIFY(list->item(700)->flags() & Qt::ItemIsEnabled);
    QVERIFY(!(list->item(701)->flags() & Qt::ItemIsEnabled));
    QCOMPARE(list->item(701)->checkState(), Qt::Unchecked);
    // 20 to a row.
    list->scrollToTop();
    QCOMPARE(list->visualItemRect(list->item(19)).top(), list->visualItemRect(list->item(0)).top());
    QVERIFY(list->visualItemRect(list->item(20)).top() > list->visualItemRect(list->item(0)).top());
    QCOMPARE(list->visualItemRect(list->item(20)).left(),
             list->visualItemRect(list->item(0)).left());
    QCOMPARE(picker.SelectedValues(), (std::vector<int>{5, 700}));
    Click(d, "b_inverse");
    QCOMPARE(static_cast<int>(picker.SelectedValues().size()), 699);
    Click(d, "b_selnone");
    list->item(640)->setCheckState(Qt::Checked);
    Click(d, "b_ok");
  });
  const auto picked = PickValues(app->Context(), nullptr, request);
  QCOMPARE(*picked, (std::vector<int>{640}));

  // A range wider than the 181 tiles goes to the check list as well.
  PickRequest wide;
  wide.first = 0;
  wide.last = 1000;
  wide.selected = {999};
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    QCOMPARE(d.objectName(), QString("Tf_getchoiceextend_plus"));
    QListWidget* list = Child<QListWidget>(d, "CheckListBox1");
    QVERIFY(list->item(1000)->flags() & Qt::ItemIsEnabled);
    list->item(200)->setCheckState(Qt::Checked);
    Click(d, "b_ok");
  });
  QCOMPARE(*PickValues(app->Context(), nullptr, wide), (std::vector<int>{200, 999}));
}

void ZhDialogsTest::checkListTailAndLargeDivisorRules() {
  TestWorld world;
  auto app = world.MakeApp();
  auto* picker = app->Windows().Get<Tf_getchoiceextend_plus>();
  picker->Prepare(0, 100, 50);
  picker->show();
  Check(*picker, "cb_ws");
  QCOMPARE(Child<QLineEdit>(*picker, "e_ws")->text(), QString("0 1 2 3 4 5 6 7 8 9"));
  Type(*picker, "e_ws", "3 8");
  Check(*picker, "cb_ys7");
  Check(*picker, "cb_ys7_1");
  Click(*picker, "b_choose");
  // Tails 3 or 8 and remainder 1 by 7.
  QCOMPARE(picker->SelectedValues(), (std::vector<int>{8, 43, 78}));
  // Three-digit change bounds and four-digit range bounds.
  Click(*picker, "b_reset");
  Check(*picker, "cb_change");
  Type(*picker, "me_changefrom", "45");
  Type(*picker, "me_changeto", "200");
  Check(*picker, "cb_qzfw");
  Type(*picker, "me_qzfwfrom", "0");
  Type(*picker, "me_qzfwto", "1000");
  Click(*picker, "b_choose");
  QCOMPARE(picker->SelectedValues(), (std::vector<int>{0, 1, 2, 3, 4, 5, 95, 96, 97, 98, 99, 100}));
  QVERIFY(world.shell.messages.isEmpty());
  Check(*picker, "cb_twojz");
  Click(*picker, "b_choose");
  QCOMPARE(world.shell.messages.back(), QString("二期均值未输入数据"));
  picker->hide();
}

void ZhDialogsTest::selfConditionClosingMessagesQuickChoiceAndEntry() {
  TestWorld world;
  auto app = world.MakeApp();
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    QCOMPARE(d.windowTitle(), QString("自设条件"));
    QVERIFY(!Child<QCheckBox>(d, "cb_selfcondrc")->isChecked());
    Click(d, "b_ok");
    QCOMPARE(world.shell.messages.back(), QString("未选择号码组应出现的次数"));
    // The count picker: range 0..5, its answer shown with two blanks each.
    world.shell.dialogHandlers.push_back([&](QDialog& picker) {
      auto& p = static_cast<Tf_getchoiceextend&>(picker);
      QCOMPARE(p.First(), 0);
      QCOMPARE(p.Last(), 5);
      ClickTile(picker, 1);
      ClickTile(picker, 2);
      Click(picker, "b_ok");
    });
    Click(d, "b_choosegs");
    QCOMPARE(Child<QLineEdit>(d, "e_choosegs")->text(), QString("1  2  "));
    Click(d, "b_ok");
    QCOMPARE(world.shell.messages.back(), QString("未选择号码"));
    QVERIFY(d.isVisible());
    auto* quick = Child<QComboBox>(d, "cb_quickchoose");
    QCOMPARE(quick->count(), 12);
    QCOMPARE(quick->itemText(0), QString("除三余零数"));
    QCOMPARE(quick->itemText(11), QString("除五余四数"));
    Check(d, "cb_1");
    emit quick->activated(0);  // 除三余零数 clears the boxes first
    Check(d, "cb_selfcondrc");
    Click(d, "b_ok");
  });
  const auto entry = EnterSelfCondition(app->Context(), nullptr);
  QVERIFY(entry.has_value());
  QCOMPARE(entry->numbers, Range(3, 33, 3));
  QCOMPARE(entry->counts.Values(), (std::vector<int32_t>{1, 2}));
  QVERIFY(entry->tolerant);
  QCOMPARE(world.shell.messages.size(), 2);

  // The next showing starts empty; 全选, another quick choice, cancel.
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    auto& dialog = static_cast<Tf_selfcond&>(d);
    QVERIFY(dialog.Numbers().empty());
    QVERIFY(dialog.Counts().empty());
    QVERIFY(Child<QLineEdit>(d, "e_choosegs")->text().isEmpty());
    QVERIFY(!Child<QCheckBox>(d, "cb_selfcondrc")->isChecked());
    Click(d, "b_selall");
    QCOMPARE(dialog.Numbers(), Range(1, 35));
    emit Child<QComboBox>(d, "cb_quickchoose")->activated(8);  // 除五余一数
    QCOMPARE(dialog.Numbers(), Range(1, 31, 5));
    Click(d, "b_reset");
    QVERIFY(dialog.Numbers().empty());
    d.reject();
  });
  QVERIFY(!EnterSelfCondition(app->Context(), nullptr).has_value());
}

void ZhDialogsTest::tailSettingClosingMessagesAndEntry() {
  TestWorld world;
  auto app = world.MakeApp();
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    QCOMPARE(d.windowTitle(), QString("尾数设置"));
    QVERIFY(Child<QCheckBox>(d, "cb_onlyone")->isChecked());
    Click(d, "b_ok");
    QCOMPARE(world.shell.messages.back(), QString("未选择号码"));
    auto* digits = Child<QListWidget>(d, "cb1");
    QCOMPARE(digits->count(), 10);
    digits->item(3)->setCheckState(Qt::Checked);
    digits->item(5)->setCheckState(Qt::Checked);
    Click(d, "b_ok");
    QCOMPARE(world.shell.messages.back(), QString("未选择尾号组应出现的次数"));
    world.shell.dialogHandlers.push_back([&](QDialog& picker) {
      auto& p = static_cast<Tf_getchoiceextend&>(picker);
      QCOMPARE(p.Last(), 5);
      ClickTile(picker, 2);
      Click(picker, "b_ok");
    });
    Click(d, "b_choosegs");
    QCOMPARE(Child<QLineEdit>(d, "e_choosegs")->text(), QString("2  "));
    Check(d, "cb_onlyone", false);
    Check(d, "cb_selfcond_ws_rc");
    Click(d, "b_ok");
  });
  const auto entry = EnterTailSetting(app->Context(), nullptr);
  QVERIFY(entry.has_value());
  QCOMPARE(entry->digits, (std::vector<int>{3, 5}));
  QCOMPARE(entry->counts.Values(), (std::vector<int32_t>{2}));
  QVERIFY(entry->tolerant);
  QVERIFY(!entry->distinct);

  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    auto& dialog = static_cast<Tf_wsset&>(d);
    QVERIFY(dialog.Digits().empty());
    QVERIFY(dialog.Counts().empty());
    QVERIFY(!dialog.Tolerant());
    Click(d, "b_selall");
    QCOMPARE(dialog.Digits(), Range(0, 9));
    d.reject();
  });
  QVERIFY(!EnterTailSetting(app->Context(), nullptr).has_value());
}

void ZhDialogsTest::studyAidFillsTestForAnIndicator() {
  TestWorld world;
  world.SeedDraws(History(80));
  auto app = world.MakeApp();
  AppContext& ctx = app->Context();
  DrawTable& table = ctx.Table();
  QCOMPARE(table.RecordCount(), 80);
  PickRequest request;
  request.first = 40;
  request.last = 160;
  request.current = 90;
  request.study.kind = StudySubject::Kind::kIndicator;
  request.study.key = "z_hz";
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    Click(d, "b_filterzs");
    d.reject();
  });
  PickValues(ctx, nullptr, request);

  const EvalContext base = TableContext(table, &ctx.env);
  for (int i = 0; i < 80; ++i) {
    int sum = 0;
    for (int n : table.Draws()[i].front) sum += n;
    QCOMPARE(table.Scratch(ScratchField::Test, i), sum);
    QCOMPARE(table.Scratch(ScratchField::Test, i), IndicatorValue(base.At(i), "z_hz"));
  }
  auto* analysis = app->Windows().Get<Tf_zbpxz>();
  QVERIFY(analysis->isVisible());
  const tsetaccostr* row = FindCatalogueRow("z_hz");
  QCOMPARE(analysis->windowTitle(), QString::fromStdString(row->label) + "（过滤助手）");
  QCOMPARE(analysis->Context().from, row->min);
  QCOMPARE(analysis->Context().to, row->max);
  QCOMPARE(table.Position(), 80 - 1 - 36);
  QCOMPARE(analysis->windowModality(), Qt::ApplicationModal);
  analysis->hide();
  // Modal for that one showing only: the toolbar shows it plainly afterwards.
  QCOMPARE(analysis->windowModality(), Qt::NonModal);
}

void ZhDialogsTest::studyAidForFormulaGroupsAndTails() {
  TestWorld world;
  world.SeedDraws(History(50, 9));
  auto app = world.MakeApp();
  AppContext& ctx = app->Context();
  DrawTable& table = ctx.Table();

  StudySubject formula;
  formula.kind = StudySubject::Kind::kFormula;
  formula.formula = "z_num1%3";
  StudySeries s = ComputeStudySeries(table, ctx.env, formula);
  QVERIFY(s.ok());
  QCOMPARE(s.caption, std::string("z_num1%3（过滤助手）"));
  int lo = 99, hi = -1;
  for (int i = 0; i < 50; ++i) {
    const int v = table.Draws()[i].front[0] % 3;
    QCOMPARE(s.values[i], v);
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
  QCOMPARE(s.from, lo);
  QCOMPARE(s.to, hi == lo ? lo + 4 : hi);
  // Equal smallest and largest: the range is widened by four.
  formula.formula = "7";
  s = ComputeStudySeries(table, ctx.env, formula);
  QCOMPARE(s.from, 7);
  QCOMPARE(s.to, 11);

  // A number group from the self-condition dialog.
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    for (const char* box : {"cb_1", "cb_2", "cb_3", "cb_4", "cb_5", "cb_35"}) Check(d, box);
    Click(d, "b_filterzs");
    d.reject();
  });
  EnterSelfCondition(ctx, nullptr);
  const std::vector<int> group{1, 2, 3, 4, 5, 35};
  for (int i = 0; i < 50; ++i) {
    int hits = 0;
    for (int n : table.Draws()[i].front)
      if (n <= 5 || n == 35) ++hits;
    QCOMPARE(table.Scratch(ScratchField::Test, i), hits);
  }
  auto* analysis = app->Windows().Get<Tf_zbpxz>();
  QCOMPARE(analysis->windowTitle(),
           QString("号码组：1,2,3,4,5,35 的出现奖号个数走势图（过滤助手）"));
  analysis->hide();

  // A tail group from the tail dialog, with and without the distinct box.
  for (bool distinct : {true, false}) {
    world.shell.dialogHandlers.push_back([&](QDialog& d) {
      auto* digits = Child<QListWidget>(d, "cb1");
      digits->item(3)->setCheckState(Qt::Checked);
      digits->item(0)->setCheckState(Qt::Checked);
      Check(d, "cb_onlyone", distinct);
      Click(d, "b_filterzs");
      d.reject();
    });
    EnterTailSetting(ctx, nullptr);
    for (int i = 0; i < 50; ++i) {
      const auto& f = table.Draws()[i].front;
      int count = 0;
      bool seen0 = false, seen3 = false;
      for (int n : f) {
        if (n % 10 == 0 || n % 10 == 3) ++count;
        seen0 |= n % 10 == 0;
        seen3 |= n % 10 == 3;
      }
      QCOMPARE(table.Scratch(ScratchField::Test, i), distinct ? int(seen0) + int(seen3) : count);
    }
    QCOMPARE(analysis->windowTitle(), QString("尾号组：0,3 的出现个数走势图（过滤助手）") +
                                          (distinct ? QString("(相同尾数仅计算一次)") : QString()));
    analysis->hide();
  }
  QVERIFY(world.shell.messages.isEmpty());
}

void ZhDialogsTest::studyAidReportsABrokenFormula() {
  TestWorld world;
  world.SeedDraws(History(20));
  auto app = world.MakeApp();
  AppContext& ctx = app->Context();
  for (int i = 0; i < 20; ++i) ctx.Table().SetScratch(ScratchField::Test, i, 77);
  PickRequest request;
  request.first = 0;
  request.last = 100;
  request.current = 3;
  request.study.kind = StudySubject::Kind::kFormula;
  request.study.formula = "z_hz+";
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    Click(d, "b_filterzs");
    d.reject();
  });
  PickValues(ctx, nullptr, request);
  QCOMPARE(world.shell.messages.size(), 1);
  QVERIFY(world.shell.messages[0].startsWith("公式有误:"));
  QVERIFY(world.shell.messages[0].size() > QString("公式有误:").size());
  QVERIFY(!app->Windows().Get<Tf_zbpxz>()->isVisible());
  // Nothing was handed over: the scratch values are as they were.
  for (int i = 0; i < 20; ++i) QCOMPARE(ctx.Table().Scratch(ScratchField::Test, i), 77);
  // Without a subject the button is disabled.
  auto* picker = app->Windows().Get<Tf_getchoiceextend>();
  picker->SetStudySubject({});
  QVERIFY(!Child<QPushButton>(*picker, "b_filterzs")->isEnabled());
}

void ZhDialogsTest::componentTableFollowsTheListInUse() {
  TestWorld world;
  auto app = world.MakeApp();
  AppContext& ctx = app->Context();
  auto* dialog = app->Windows().Get<Tf_zj1>();
  QCOMPARE(dialog->windowTitle(), QString("组件"));
  auto* usable = Child<QListWidget>(*dialog, "lb_usable");
  QCOMPARE(usable->count(), 22);
  QCOMPARE(usable->item(0)->text(), QString("五区"));
  QCOMPARE(usable->item(10)->text(), QString("十五区"));
  QCOMPARE(usable->item(11)->text(), QString("除五余数"));
  QCOMPARE(usable->item(21)->text(), QString("除十五余数"));

  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    QCOMPARE(Child<QListWidget>(d, "lb_using")->currentRow(), 0);
    QCOMPARE(usable->currentRow(), 0);
    Click(d, "b_left");  // "五区" joins the end
    QCOMPARE(usable->currentRow(), 0);
    QCOMPARE(usable->item(0)->text(), QString("六区"));
    Click(d, "b_close");
  });
  QCOMPARE(ctx.shell.ExecDialog(*dialog), int(QDialog::Accepted));
  const tzbpxz_zj1& t = ctx.shapeClasses;
  QCOMPARE(t.count, 9);
  const struct {
    const char* name;
    int classes, first;
  } expected[] = {{"尾号", 10, 1},     {"奇偶", 2, 11},     {"质合", 2, 13},
                  {"小大", 2, 15},     {"三区", 3, 17},     {"四区", 4, 20},
                  {"除三余数", 3, 24}, {"除四余数", 4, 27}, {"五区", 5, 31}};
  for (int r = 1; r <= 9; ++r) {
    QCOMPARE(QString::fromStdString(t.rows[r].name), QString(expected[r - 1].name));
    QCOMPARE(t.rows[r].classes, expected[r - 1].classes);
    QCOMPARE(t.rows[r].firstColumn, expected[r - 1].first);
  }
  // The first eight rows are the start-up table.
  const tzbpxz_zj1 start = DefaultShapeClassTable();
  QCOMPARE(start.count, 8);
  for (int r = 1; r <= 8; ++r) {
    QCOMPARE(t.rows[r].name, start.rows[r].name);
    QCOMPARE(t.rows[r].firstColumn, start.rows[r].firstColumn);
  }
  QCOMPARE(Tf_zj1::ClassesOf("除十五余数"), 15);
  QCOMPARE(Tf_zj1::ClassesOf("十二区"), 12);
  QCOMPARE(Tf_zj1::ClassesOf("尾号"), 10);

  // Closing the window otherwise leaves the table as it was.
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    Click(d, "b_right");
    d.reject();
  });
  ctx.shell.ExecDialog(*dialog);
  QCOMPARE(ctx.shapeClasses.count, 9);
}

void ZhDialogsTest::theLastComponentInUseStays() {
  TestWorld world;
  auto app = world.MakeApp();
  auto* dialog = app->Windows().Get<Tf_zj1>();
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    auto* in = Child<QListWidget>(d, "lb_using");
    auto* out = Child<QListWidget>(d, "lb_usable");
    for (int i = 0; i < 7; ++i) Click(d, "b_right");
    QCOMPARE(in->count(), 1);
    QCOMPARE(in->item(0)->text(), QString("除四余数"));
    QCOMPARE(out->count(), 29);
    QCOMPARE(out->item(22)->text(), QString("尾号"));  // moved ones go to the end
    Click(d, "b_right");
    QCOMPARE(in->count(), 1);
    QCOMPARE(out->count(), 29);
    // "<<" with the usable list emptied does nothing either.
    while (out->count() > 0) Click(d, "b_left");
    QCOMPARE(in->count(), 30);
    Click(d, "b_left");
    QCOMPARE(in->count(), 30);
    Click(d, "b_close");
  });
  app->Context().shell.ExecDialog(*dialog);
  const tzbpxz_zj1& t = app->Context().shapeClasses;
  QCOMPARE(t.count, 30);
  int column = 1;
  for (int r = 1; r <= t.count; ++r) {
    QCOMPARE(t.rows[r].firstColumn, column);
    QVERIFY(t.rows[r].classes >= 2);
    column += t.rows[r].classes;
  }
}

void ZhDialogsTest::zoneListingOfTheRangeOneToSixteen() {
  TestWorld world;
  auto app = world.MakeApp();
  auto* dialog = app->Windows().Get<Tf_fqfw>();
  QCOMPARE(Child<QLineEdit>(*dialog, "me_zbqzfrom")->text().trimmed(), QString("1"));
  QCOMPARE(Child<QLineEdit>(*dialog, "me_zbqzto")->text().trimmed(), QString("16"));
  QCOMPARE(Child<QComboBox>(*dialog, "cb_zd_fq")->currentText(), QString("20"));
  QCOMPARE(Child<QComboBox>(*dialog, "cb_zd_fq")->count(), 999);
  dialog->SetRange(1, 16);
  QStringList lines;
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    QVERIFY(Child<QRadioButton>(d, "rb_regu_fq")->isChecked());
    lines = static_cast<Tf_fqfw&>(d).Listing().split('\n');
    Click(d, "b_close");
  });
  QCOMPARE(app->Context().shell.ExecDialog(*dialog), int(QDialog::Accepted));
  QVERIFY(lines.size() >= 6);
  QCOMPARE(lines[0], QString("(2分区的分区设定)"));
  QCOMPARE(lines[1], QString("第1分区<1..8>;  第2分区<9..16>;  "));
  QCOMPARE(lines[2], QString(""));
  QCOMPARE(lines[3], QString("(3分区的分区设定)"));
  QCOMPARE(lines[4], QString("第1分区<1..5>;  第2分区<6..10>;  第3分区<11..16>;  "));
  QCOMPARE(lines.count(QString("(15分区的分区设定)")), 1);
  QCOMPARE(dialog->From(), 1);
  QCOMPARE(dialog->To(), 16);
  // More zones than values: leading zones end below their start, as the bounds give them.
  const QString twenty = Tf_fqfw::ZoneListing(20, 1, 16);
  QVERIFY(twenty.contains("第1分区<1..0>;  "));
  QVERIFY(twenty.contains("第20分区<16..16>;  "));
}

void ZhDialogsTest::zoneListingOfOneChosenCount() {
  TestWorld world;
  auto app = world.MakeApp();
  auto* dialog = app->Windows().Get<Tf_fqfw>();
  dialog->SetRange(10, 40);
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    Check(d, "rb_zd_fq");
    Child<QComboBox>(d, "cb_zd_fq")->setCurrentText("4");
    Type(d, "me_zbqzfrom", "0");
    Type(d, "me_zbqzto", "7");
    Click(d, "b_apply");
    QCOMPARE(static_cast<Tf_fqfw&>(d).Listing(),
             QString("(4分区的分区设定)\n第1分区<0..1>;  第2分区<2..3>;  第3分区<4..5>;  "
                     "第4分区<6..7>;  \n\n"));
    // A blank or reversed range is refused and the applied one stays.
    Type(d, "me_zbqzto", "");
    Click(d, "b_apply");
    QCOMPARE(world.shell.messages.back(), QString("取值范围未输入数据"));
    Type(d, "me_zbqzfrom", "9");
    Type(d, "me_zbqzto", "3");
    Click(d, "b_apply");
    QCOMPARE(world.shell.messages.size(), 2);
    Click(d, "b_close");
  });
  app->Context().shell.ExecDialog(*dialog);
  QCOMPARE(dialog->From(), 0);
  QCOMPARE(dialog->To(), 7);
  // The caller's own range comes back when the user applies nothing.
  dialog->SetRange(5, 25);
  world.shell.dialogHandlers.push_back([&](QDialog& d) { Click(d, "b_close"); });
  app->Context().shell.ExecDialog(*dialog);
  QCOMPARE(dialog->From(), 5);
  QCOMPARE(dialog->To(), 25);
}

void ZhDialogsTest::formulaAidListsAppendCodesAndLoadSavedFormulas() {
  TestWorld world;
  auto app = world.MakeApp();
  AppContext& ctx = app->Context();
  QFile file(QString::fromStdString(ctx.folder.Path("save/selfzb.txt")));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("z_hz%7        \xba\xcd\xd6\xb5\xc6\xdf\r\n");  // 和值七 in GBK
  file.close();

  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    QCOMPARE(d.windowTitle(), QString("辅助输入"));
    auto* common = Child<QListWidget>(d, "lb_cg");
    QVERIFY(common->count() > 20);
    QVERIFY(Tf_fzsr::CodeOfLine(common->item(0)->text()) == "z_num1");
    QVERIFY(common->item(0)->text().contains("主号一") ||
            common->item(0)->text().contains(
                QString::fromStdString(FindCatalogueRow("z_num1")->label)));
    for (const char* name : {"lb_hzxl", "lb_zfxl", "ListBox1", "ListBox6", "ListBox7"})
      QVERIFY2(Child<QListWidget>(d, name)->count() > 0, name);
    QVERIFY(!Child<QListWidget>(d, "ListBox1")
                 ->findItems("getylz(z_hz)", Qt::MatchStartsWith)
                 .isEmpty());
    auto* saved = Child<QListWidget>(d, "lb_save");
    QCOMPARE(saved->count(), 1);
    QVERIFY(saved->item(0)->text().startsWith("z_hz%7"));
    QVERIFY(saved->item(0)->text().endsWith("和值七"));

    // Double-clicks append codes.
    auto dbl = [](QListWidget* list, int row) {
      const QRect r = list->visualItemRect(list->item(row));
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
    };
    auto* pages = Child<QTabWidget>(d, "PageControl1");
    auto* lines = Child<QListWidget>(d, "ListBox6");
    pages->setCurrentWidget(lines);
    dbl(lines, 0);
    auto* ops = Child<QListWidget>(d, "ListBox7");
    pages->setCurrentWidget(ops);
    dbl(ops, 0);  // +
    pages->setCurrentWidget(saved);
    dbl(saved, 0);
    QCOMPARE(Child<QLineEdit>(d, "e_fzsr")->text(),
             Tf_fzsr::CodeOfLine(lines->item(0)->text()) + "+z_hz%7");
    // A double-click with no line selected.
    saved->setCurrentItem(nullptr);
    QTest::mouseDClick(saved->viewport(), Qt::LeftButton, {},
                       saved->viewport()->rect().bottomRight() - QPoint(3, 3));
    QCOMPARE(world.shell.messages.back(), QString("请在列表框中双击你要输入的内容"));
    Click(d, "b_ok");
  });
  const auto formula = EnterFormula(ctx, nullptr);
  QVERIFY(formula.has_value());
  QVERIFY(formula->ends_with("+z_hz%7"));

  // Other windows reach the aid through the shell's hook; it opens empty.
  QVERIFY(static_cast<bool>(ctx.hooks.formulaInputAid));
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    QVERIFY(Child<QLineEdit>(d, "e_fzsr")->text().isEmpty());
    Type(d, "e_fzsr", " z_num1+1 ");
    Click(d, "b_ok");
  });
  QCOMPARE(*ctx.hooks.formulaInputAid(nullptr), QString("z_num1+1"));
  world.shell.dialogHandlers.push_back([&](QDialog& d) { Click(d, "b_cancel"); });
  QVERIFY(!ctx.hooks.formulaInputAid(nullptr).has_value());
}

void ZhDialogsTest::editNumbersRoundTrip() {
  TestWorld world;
  auto app = world.MakeApp();
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    QCOMPARE(d.windowTitle(), QString("修改组号"));
    QCOMPARE(Child<QLineEdit>(d, "me_red1")->text(), QString("01"));
    QCOMPARE(Child<QLineEdit>(d, "me_blue")->text(), QString("12"));
    QVERIFY(Child<QLineEdit>(d, "me_red6")->text().isEmpty());
    Type(d, "me_red2", "33");
    Type(d, "me_red6", "7");
    Click(d, "b_ok");
  });
  const auto result = EditNumbers(app->Context(), nullptr, {"1", "2", "3", "4", "5", "", "12"});
  QVERIFY(result.has_value());
  const std::array<std::string, 7> expected{"01", "33", "03", "04", "05", "7", "12"};
  QCOMPARE(*result, expected);
  world.shell.dialogHandlers.push_back([&](QDialog& d) {
    Type(d, "me_red1", "9");
    Click(d, "b_cancel");
  });
  QVERIFY(!EditNumbers(app->Context(), nullptr, {}).has_value());
}

DLT_GUI_TEST(ZhDialogsTest);
#include "zh_dialogs_test.moc"
