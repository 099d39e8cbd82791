#pragma once

#include <QDialog>
#include <QString>
#include <array>

namespace dlt::gui {

class MaskedEdit;

struct AppContext;

// "修改组号": five front edits me_red1..me_red5 and the back pair me_red6,
// me_blue, each a two-digit masked edit.
class Tf_xgzh : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_xgzh(AppContext& app, QWidget* parent = nullptr);

  void SetTexts(const std::array<QString, 7>& texts);
  // The texts of the seven edits, blanks of the mask left out.
  std::array<QString, 7> Texts() const;

 private:
  AppContext& app_;
  std::array<MaskedEdit*, 7> edits_{};
};

}  // namespace dlt::gui
