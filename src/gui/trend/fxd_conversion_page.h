#pragma once

#include <optional>

#include "generator/kill_transfer.h"
#include "gui/trend/fxd_context.h"

class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;

namespace dlt::gui {

class FrozenTableView;

class ConversionTableModel;
class KillTableModel;
struct ConversionRows;

// "转换法杀号": the inner pages "转换法杀号" (kill numbers over a range of
// draws, scored) and "转换表" (the conversion table of the whole history
// with export, analysis hand-off and leading values).
class ConversionPage : public FxdPage {
  Q_OBJECT
 public:
  explicit ConversionPage(FxdContext& fxd, QWidget* parent = nullptr);

  void Fill() override;
  // Refills the two analysis boxes from the whole history: the last 100 draws.
  void FillIssueLists();

  const ConversionTableModel& Table() const { return *tableModel_; }
  const KillTableModel& Kills() const { return *killModel_; }

 signals:
  // The kill table was computed again ("刷新").
  void killsComputed();

 private:
  QWidget* BuildKillPage();
  QWidget* BuildTablePage();
  // The rows of an indicator over draws first .. first + count - 1.
  ConversionRows RowsFor(int entry, int first, int count) const;
  // The analysis range of the kill page: first index and count (0 when none).
  std::pair<int, int> KillRange() const;
  void BuildHiddenTable();
  void ComputeKills();
  void SetKillColumnWidths();
  void BuildTable();
  void ExportColumn();
  void AnalyseColumn();
  void CalculateLeadingValues();
  // "预测转至过滤": the kills of "预测期" into the generator's conditions.
  void SendKillsToFilter();

  FxdContext& fxd_;
  QTabWidget* pc_zhb = nullptr;
  // Kill page.
  QComboBox* cb_zhb1sh_zb = nullptr;
  QComboBox* cb_zhb1sh_param1 = nullptr;
  QComboBox* cb_zhb1sh_param2 = nullptr;
  QComboBox* cb_zhb1sh_qsfrom = nullptr;
  QComboBox* cb_zhb1sh_qsto = nullptr;
  QComboBox* cb_zhb1sh_shwidth = nullptr;
  QPushButton* Button55 = nullptr;
  QProgressBar* pb_zhb1sh = nullptr;
  FrozenTableView* sg_shaccozhb1 = nullptr;
  QTableView* sg_zhb1sh = nullptr;  // the hidden conversion table of the kill range
  ConversionTableModel* hiddenModel_ = nullptr;
  KillTableModel* killModel_ = nullptr;
  // What the last kill computation hands to the generator.
  std::optional<KillTransfer> killTransfer_;
  // Table page.
  QComboBox* cb_zhb1_zb = nullptr;
  QComboBox* cb_zhb1_dc = nullptr;
  QLineEdit* e_zhb1_ycqqz = nullptr;
  QLineEdit* e_zhb1_zbqz = nullptr;
  QTableView* sg_zhb1 = nullptr;
  ConversionTableModel* tableModel_ = nullptr;
};

}  // namespace dlt::gui
