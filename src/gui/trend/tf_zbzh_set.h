#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;

namespace dlt::gui {

struct AppContext;

// "指标组合设置": edits the entry lines of the indicator mosaic. A line is
// the code, a blank and the column name; an empty code makes a separator
// column (the line then begins with a blank).
class Tf_zbzh_set : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_zbzh_set(AppContext& app, QWidget* parent = nullptr);

  // The caller's preparation: the lines, the first selected when asked,
  // and both edits emptied.
  void Prepare(const QStringList& lines, bool selectFirst);
  QStringList Lines() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QString TypedLine() const;
  bool Full();
  void Add();
  void Insert();
  void Delete();

  AppContext& app_;
  QLineEdit* e_zbcode = nullptr;
  QLineEdit* e_zbmm = nullptr;
  QListWidget* lb_zbzh_set = nullptr;
};

}  // namespace dlt::gui
