#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

namespace dlt::gui {

struct AppContext;

// "交集统计": two read-only texts, the prediction's numbers with the
// formulas that name them ("按数字序：") and every formula's value
// ("按公式序："), filled by the caller; "返回" closes it.
class Tf_resultjq : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_resultjq(AppContext& app, QWidget* parent = nullptr);

  void SetTexts(const QStringList& byNumber, const QStringList& byFormula);

 private:
  AppContext& app_;
  QPlainTextEdit* m_bynumber = nullptr;
  QPlainTextEdit* m_byformula = nullptr;
};

}  // namespace dlt::gui
