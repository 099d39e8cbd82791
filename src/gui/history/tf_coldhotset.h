#pragma once

#include <QDialog>
#include <optional>

#include "common/coldhot_input.h"

class QLineEdit;

namespace dlt::gui {

struct AppContext;

// The cold/hot dialog: the window of recent draws and the two thresholds
// of one zone. "确定" checks the three values first.
class Tf_coldhotset : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_coldhotset(AppContext& app, QWidget* parent = nullptr);

  void SetValues(int window, int cold, int hot);
  // The checked values after "确定".
  std::optional<ColdHotInput> Values() const { return values_; }

 private:
  void Confirm();

  AppContext& app_;
  QLineEdit* e_qsfield;
  QLineEdit* e_cold;
  QLineEdit* e_hot;
  std::optional<ColdHotInput> values_;
};

enum class ColdHotZone { Front, Back };

// The statistics area's "主区冷热号设置 " / "副区冷热号设置 ": runs the
// dialog; on OK stores the values, classifies the numbers again at the last
// draw (or at `endQs`) and rewrites every draw's summary texts. True when
// the settings changed.
bool EditColdHotSettings(AppContext& app, ColdHotZone zone, std::optional<int32_t> endQs = {});

}  // namespace dlt::gui
