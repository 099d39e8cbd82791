#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QRadioButton;
class QTabWidget;

namespace dlt::gui {

struct AppContext;
struct IndicatorRequest;

// "指标剖析": chooses an indicator from the catalogue lists or types a
// formula, and its value range; "开始剖析" fills the series of every draw
// and opens Tf_zbpxz on it.
class Tf_zbpx : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_zbpx(AppContext& app, QWidget* parent = nullptr);

  // "开始剖析": false when nothing was opened (a formula error, an empty
  // history), the user told why.
  bool Start();
  // Another window's "指标剖析": the request's key, label and range go into
  // the controls (the range left empty when taken from the values) and the
  // analysis starts as above.
  bool Start(const IndicatorRequest& request);

 protected:
  // lb_save is read again from save/selfzb.txt at every show.
  void showEvent(QShowEvent* event) override;

 private:
  QListWidget* AddList(const char* name, const QString& title, const QStringList& lines);
  void TakeListEntry(QListWidget* list);

  AppContext& app_;
  QRadioButton* rb_yyzb = nullptr;
  QRadioButton* rb_selfzb = nullptr;
  QLineEdit* e_yyzb = nullptr;
  QLineEdit* e_selfzb = nullptr;
  QLineEdit* e_zbmm = nullptr;
  QLineEdit* me_zbqzfrom = nullptr;
  QLineEdit* me_zbqzto = nullptr;
  QTabWidget* pages_ = nullptr;
  QListWidget* lb_save = nullptr;
};

}  // namespace dlt::gui
