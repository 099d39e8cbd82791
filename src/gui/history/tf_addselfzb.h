#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace dlt::gui {

struct AppContext;

// Entry of one custom indicator: a formula (Edit1) and its name (Edit2).
// The caller sets the caption and the edits, runs it and reads both.
class Tf_addselfzb : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_addselfzb(AppContext& app, QWidget* parent = nullptr);

  void SetFields(const QString& formula, const QString& name);
  QString Formula() const;
  QString Name() const;

 private:
  void Confirm();

  AppContext& app_;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QPushButton* aid_;
};

}  // namespace dlt::gui
