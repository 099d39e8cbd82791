#pragma once

#include <QAbstractTableModel>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTableView;

namespace dlt {
class ResultList;
}

namespace dlt::gui {

struct AppContext;
struct ZhSession;
struct ZhFrontDialogs;
class ZhStatusLine;

// The rows of the current page of the front result list: "第n条" and the
// five numbers, painted as the grid's cells (header, label column, numbers;
// a record that passed only by tolerance shows its label in red).
class ZhFrontGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit ZhFrontGridModel(const ResultList& list, QObject* parent = nullptr)
      : QAbstractTableModel(parent), list_(list) {}
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void Reload() {
    beginResetModel();
    endResetModel();
  }

 private:
  const ResultList& list_;
};

// The grid `sg_zqresult` with its page buttons, the editing buttons, the
// result files, the listing and the prediction area buttons.
class ZhFrontGrid : public QWidget {
  Q_OBJECT
 public:
  ZhFrontGrid(AppContext& app, ZhSession& session, ZhFrontDialogs& dialogs,
              QWidget* parent = nullptr);

  // Shows the current page again (after every change of list or page) and
  // sets the window caption.
  void ShowPage();
  // The list was just made by a run that took `elapsedMicros`: shows page
  // and status line with the time and, when given, how many combinations
  // were kept with 0, 1, ... tolerated violations.
  // `acceptedOfAll`: what a whole enumeration accepted, for the part of all
  // combinations the conditions keep.
  void ShowRunResult(int64_t elapsedMicros, std::vector<int64_t> violations = {},
                     std::optional<int64_t> acceptedOfAll = std::nullopt);
  // The list was changed by other means than a run (a batch, a load, an
  // edit): the status line keeps the count alone.
  void ShowChangedList();
  // The record number of the selected row, 0 when none is selected.
  int SelectedRecord() const;
  QTableView* Grid() const { return sg_zqresult; }

 signals:
  // The list was replaced from a file (continue filtering may follow).
  void listLoaded();
  void captionChanged(const QString& caption);

 private:
  void DeleteRecord();
  void EditRecord();
  void AppendRecord();
  void SaveList();
  void LoadList();
  void PrintList();
  void AddToForecast();
  void ClearForecastRecord();
  void Inform(const QString& text);
  void TablesChanged();

  AppContext& app_;
  ZhSession& session_;
  ZhFrontDialogs& dialogs_;
  ZhFrontGridModel* model_ = nullptr;
  QTableView* sg_zqresult = nullptr;
  QLabel* l_zh_pageinfo = nullptr;
  ZhStatusLine* l_zq_status = nullptr;
  std::optional<int64_t> runMicros_;         // the run that made the list shown
  std::vector<int64_t> runViolations_;       // its violation histogram, empty when not shown
  std::optional<int64_t> runAcceptedOfAll_;  // what its enumeration accepted
};

}  // namespace dlt::gui
