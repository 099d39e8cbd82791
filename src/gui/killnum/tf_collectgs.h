#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace dlt::gui {

struct AppContext;

// "公式收集": a list of formulas the user keeps, saved to and loaded from
// formula set files.
class Tf_collectgs : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_collectgs(AppContext& app, QWidget* parent = nullptr);

  // What the banker and kill window's "收集当前公式" does: the formula goes
  // into the input field and "添加" runs.
  void Collect(const QString& formula);
  QStringList Formulas() const;

 private:
  void Add();
  void Modify();
  void Remove();
  void Clear();
  void Save();
  void Load();
  void ShowCount();

  AppContext& app_;
  QListWidget* l_gs = nullptr;
  QLineEdit* e_add = nullptr;
};

}  // namespace dlt::gui
