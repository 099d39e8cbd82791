#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <vector>

#include "gui/generator/value_pickers.h"

class QPushButton;

namespace dlt::gui {

struct AppContext;
class PickerRuleGroup;
class PickerTile;

// The value picker "选择": 181 value tiles 0..180, of which the offered
// range is shown 20 per row; the colour of a tile is its selection.
class Tf_getchoiceextend : public QDialog {
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
  void SetOwner(int owner) { owner_ = owner; }
  int Owner() const { return owner_; }
  void SetStudySubject(const StudySubject& subject);
  // What the dialog does when it is shown: 重置, then the caller's values selected.
  void Begin(const std::vector<int>& selected);

  int First() const { return first_; }
  int Last() const { return last_; }
  int Current() const { return current_; }
  // The selected values of the range, ascending.
  std::vector<int> SelectedValues() const;
  PickerTile* Tile(int value) const;

 public slots:
  void SelectAll() { SetAll(true); }
  void SelectNone() { SetAll(false); }
  void Invert();
  void ResetSelection();
  void ChooseByRules();
  void Study();

 private:
  void SetAll(bool selected);
  QPushButton* AddButton(const char* name, const QString& caption);

  AppContext& app_;
  std::array<PickerTile*, kTileCount> tiles_{};
  PickerRuleGroup* rules_ = nullptr;
  QWidget* buttons_ = nullptr;
  QPushButton* study_ = nullptr;
  int first_ = 0;
  int last_ = 0;
  int current_ = 0;
  int owner_ = 0;
  StudySubject subject_;
};

}  // namespace dlt::gui
