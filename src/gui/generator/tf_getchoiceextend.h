#pragma once

#include <array>
#include <optional>
#include <vector>

#include "gui/generator/picker_dialog.h"

namespace dlt::gui {

struct AppContext;
class PickerTile;

// The value picker "选择": 181 value tiles 0..180, of which the offered
// range is shown 20 per row; the colour of a tile is its selection.
class Tf_getchoiceextend : public ValuePickerDialog {
  Q_OBJECT
 public:
  static constexpr int kTileCount = 181;
  static constexpr int kTilesPerRow = 20;
  static constexpr int kTileStep = 30;
  static constexpr int kTileOrigin = 5;

  explicit Tf_getchoiceextend(AppContext& app, QWidget* parent = nullptr);

  // Shows the tiles of first..last (clamped to 0..180); with a current
  // value the rule group is shown below them, without one it is hidden.
  void Prepare(int first, int last, std::optional<int> current);
  // What the dialog does when it is shown: 重置, then the caller's values selected.
  void Begin(const std::vector<int>& selected);
  PickerTile* Tile(int value) const;

 protected:
  bool IsSelected(int value) const override;
  void SetSelected(int value, bool selected) override;

 private:
  std::array<PickerTile*, kTileCount> tiles_{};
  QWidget* buttons_ = nullptr;
};

}  // namespace dlt::gui
