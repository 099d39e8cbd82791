#pragma once

#include <QDialog>
#include <array>
#include <string>

class QLineEdit;

namespace dlt::gui {

class MaskedEdit;

struct AppContext;

// "对奖": the draw a prize check grades against. Typing a draw number of
// the history fills the seven numbers; they can also be typed directly.
class Tf_checkreward : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_checkreward(AppContext& app, QWidget* parent = nullptr);

  // Empties every edit and puts the focus on the draw number (before showing).
  void Prepare();
  // The trimmed texts of me_hm1..me_hm7.
  std::array<std::string, 7> NumberTexts() const;

 private:
  void DrawNumberChanged(const QString& text);

  AppContext& app_;
  QLineEdit* me_qs = nullptr;
  std::array<MaskedEdit*, 7> me_hm{};
};

}  // namespace dlt::gui
