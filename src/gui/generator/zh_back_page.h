#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace dlt::gui {

struct AppContext;
struct ZhSession;
class Tf_zh;
class ZhRecordModel;
class ZhStatusLine;

// The tab sheet "副区过滤" of the generator window: the eight back
// conditions, the back pool and bankers, the back filter and the back list.
// Every control writes straight into the session's condition set.
class ZhBackPage : public QWidget {
  Q_OBJECT
 public:
  ZhBackPage(AppContext& app, ZhSession& session, Tf_zh& window, QWidget* parent = nullptr);

  // Shows the back set of the session in the controls (after a load or a
  // reset made elsewhere).
  void ShowConditions();
  // Shows the back list in sg_fqresult, its status line (with the time of
  // the run that made it) and its caption.
  void ShowList(std::optional<int64_t> elapsedMicros = std::nullopt);
  QTableView* Grid() const { return sg_fqresult; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct ConditionWidgets {
    int number = 0;
    QCheckBox* enabled = nullptr;
    QLineEdit* values = nullptr;
    QPushButton* pick = nullptr;
    QCheckBox* tolerant = nullptr;
  };

  QWidget* BuildConditions();
  QWidget* BuildList();
  void ShowCondition(const ConditionWidgets& w);
  void ShowNumbers();

  void ToggleCondition(const ConditionWidgets& w, bool checked);
  void PickConditionValues(const ConditionWidgets& w);
  void ToleranceChanged();
  void PickPool();
  void PickBankers();
  void Reset();
  void Filter();
  void SaveSet();
  void LoadSet();

  // Record number of the grid's selected row; 0 when none is.
  int SelectedRecord() const;
  void DeletePair();
  void EditPair();
  void AppendPair();
  void SavePairs();
  void LoadPairs();
  void PairToForecast();
  void ClearForecast();

  AppContext& app_;
  ZhSession& session_;
  Tf_zh& window_;

  std::vector<ConditionWidgets> conditions_;
  QCheckBox* cb_f_rcnumlimit = nullptr;
  QComboBox* combo_f_rcnum = nullptr;
  QPlainTextEdit* m_fqkxhm = nullptr;
  QPlainTextEdit* m_fqdm = nullptr;
  QTableView* sg_fqresult = nullptr;
  ZhStatusLine* l_fq_status = nullptr;
  ZhRecordModel* model_ = nullptr;
};

}  // namespace dlt::gui
