#pragma once

#include <QAbstractTableModel>
#include <QWidget>

#include "trend/pattern_codes.h"

class QButtonGroup;
class QCheckBox;
class QTableView;

namespace dlt {
class DrawTable;
}

namespace dlt::gui {

class ShellServices;

// "综合形态" as a table: one row per draw, oldest first: the issue, the
// numbers and the codes of the chosen property. Rows are computed when the
// view asks for them.
class PatternModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  PatternModel(const DrawTable& table, QObject* parent = nullptr);

  void Set(PatternProperty property, bool lastDigits);
  // The code of a code cell, -1 for the issue and number columns.
  int Code(const QModelIndex& index) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const DrawTable& table_;
  PatternProperty property_ = PatternProperty::BigSmall;
  bool lastDigits_ = true;
  int rows_ = 0;
};

// The page "综合形态" of Tf_moredb: the property radios, "尾号分析" and the
// grid sg_zhxt, which ends on its last row.
class PatternPage : public QWidget {
  Q_OBJECT
 public:
  PatternPage(const DrawTable& table, ShellServices& shell, QWidget* parent = nullptr);
  void Fill();
  PatternModel* Model() const { return model_; }

 private:
  PatternModel* model_ = nullptr;
  QTableView* grid_ = nullptr;
  QButtonGroup* property_ = nullptr;
  QCheckBox* lastDigits_ = nullptr;
};

}  // namespace dlt::gui
