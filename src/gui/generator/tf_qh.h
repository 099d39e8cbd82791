#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

class QComboBox;

namespace dlt::gui {

struct AppContext;

// "选择期号": the past draw the check report judges the conditions on.
class Tf_qh : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_qh(AppContext& app, QWidget* parent = nullptr);

  // Lists every real draw number of the table in table order, the newest
  // selected (before showing).
  void Prepare();
  // The chosen draw number; nullopt when the table has none.
  std::optional<int32_t> ChosenDraw() const;

 private:
  AppContext& app_;
  QComboBox* cb_qh = nullptr;
};

}  // namespace dlt::gui
