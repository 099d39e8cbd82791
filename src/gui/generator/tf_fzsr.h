#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QTabWidget;

namespace dlt::gui {

struct AppContext;

// "辅助输入": the formula edit e_fzsr and lists of indicator codes,
// operators and functions and the saved custom indicators; a double-click
// on a line appends its code to the formula.
class Tf_fzsr : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_fzsr(AppContext& app, QWidget* parent = nullptr);

  // What showing the dialog does: an empty formula and lb_save read again
  // from save/selfzb.txt.
  void Begin();
  QString Formula() const;

  // The code of a list line: the text before its first blank.
  static QString CodeOfLine(const QString& line);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QListWidget* AddList(const char* name, const QString& title, const QStringList& lines);
  void AppendCode(QListWidget* list);

  AppContext& app_;
  QLineEdit* formula_ = nullptr;
  QListWidget* saved_ = nullptr;
  QList<QListWidget*> lists_;
  QTabWidget* pages_ = nullptr;
};

// The fixed lines of the aid's lists, by list name (lb_cg, lb_hzxl,
// lb_zfxl, ListBox1, ListBox6, ListBox7): code, blanks, explanation.
QStringList FormulaAidLines(const QString& listName);

}  // namespace dlt::gui
