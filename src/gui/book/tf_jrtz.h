#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace dlt::gui {

// "加入投注记录": the name of a new entry of the ticket book and the draw
// its tickets are for.
class Tf_jrtz : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_jrtz(QWidget* parent = nullptr);

  // Fills the edits for a new entry: the name, the draw proposed (0: none)
  // and what the tickets cost.
  void Prepare(const QString& name, int32_t draw, const QString& summary);
  QString Name() const;
  QString DrawText() const;

 private:
  QLineEdit* e_name;
  QLineEdit* e_qs;
  QLabel* l_summary;
};

}  // namespace dlt::gui
