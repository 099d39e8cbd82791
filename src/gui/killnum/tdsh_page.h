#pragma once

#include <QWidget>
#include <optional>

#include "killnum/kill_analysis.h"
#include "killnum/scheme_files.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace dlt::gui {

struct AppContext;
class KillGridModel;
class Tf_tdsh;

// Names and captions of one tab of the banker and kill window.
struct TdshTabSetup {
  KillKind kind;
  const char* stem;        // hmsh: ts_hmsh, cb_hmsh_fa, e_hmsh, sg_hmsh, ...
  const char* caption;     // 主区杀号
  const char* slotPicker;  // cb_hmsh_shgs or cb_hmtd_tdgs
  const char* aidButton;   // Button2 ...
};

// One tab: the ten schemes of a kind, the formula edit, the start draw, the
// analysis grid with its memo, and the tools that search, optimise, export
// and hand the prediction on to the generator.
class TdshPage : public QWidget {
  Q_OBJECT
 public:
  TdshPage(AppContext& app, Tf_tdsh& window, const TdshTabSetup& setup, QWidget* parent = nullptr);

  KillKind Kind() const { return setup_.kind; }
  const SchemeBook& Book() const;
  int Scheme() const;  // 1..10
  int Count() const;   // formulas in use
  int Slot() const;    // the slot in the edit
  std::vector<std::string> Formulas() const;
  const std::optional<KillAnalysis>& Analysis() const { return analysis_; }
  // The custom tab's set (its indicator, range and schemes).
  const CustomKillSet& CustomSet() const { return custom_; }

  // The history was read again: the start draw goes back to its default and
  // the analysis is due.
  void HistoryChanged();
  bool AnalysisDue() const { return due_; }
  // Evaluates the scheme over the rows from the start draw and shows them.
  void RunAnalysis();
  // Writes texts into slots 1.. of the current scheme (in memory, as the
  // import does) and shows the analysis.
  void FillScheme(const std::vector<std::string>& texts);

 private:
  void Build();
  QWidget* BuildTools();
  QWidget* BuildCustomRow();
  // A button named by a pattern such as "b_%1_modify" with the tab's stem.
  QPushButton* Button(const char* pattern, const QString& caption);
  SchemeBook& MutableBook();
  std::string BookPath() const;
  bool SaveBook();

  void SchemeChosen();
  void CountChosen();
  void ShowSlot();
  void RowClicked(int row);
  void OpenFormulaAid();
  void ConfirmEdit();
  void CollectFormula();
  void ImportFormulas();
  void LoadCustomSet();
  void NewCustomSet();
  void ShowCustomSet();

  // The tools (tdsh_page_tools.cpp).
  void OpenSearch(bool better);
  void OpenOptimisation();
  void ShowIntersection();
  void ExportGrid();
  void SortByRate();
  void ShowByFrequency();
  void SendToFilter();

  AppContext& app_;
  Tf_tdsh& window_;
  const TdshTabSetup setup_;
  SchemeBook book_;
  CustomKillSet custom_;
  QString customPath_;  // the .scs file the custom set came from
  std::optional<KillAnalysis> analysis_;
  bool due_ = true;

  QComboBox* fa_ = nullptr;     // cb_<stem>_fa
  QComboBox* count_ = nullptr;  // cb_<stem>_gsgs
  QComboBox* slot_ = nullptr;   // cb_<stem>_shgs / _tdgs
  QComboBox* start_ = nullptr;  // cb_<stem>_qsq
  QLineEdit* edit_ = nullptr;   // e_<stem>
  QLineEdit* e_selfsh_zb = nullptr;
  QLineEdit* e_qzfrom = nullptr;
  QLineEdit* e_qzto = nullptr;
  QTableView* grid_ = nullptr;  // sg_<stem>
  KillGridModel* model_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;  // m_<stem>_hm
  QProgressBar* progress_ = nullptr;
};

}  // namespace dlt::gui
