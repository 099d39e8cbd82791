#pragma once

#include <QDialog>
#include <QStringList>
#include <cstdint>
#include <string>
#include <vector>

class QCheckBox;
class QListWidget;

namespace dlt::gui {

struct AppContext;

// "形态取值": ticks the values of a combination shape for the generator.
// The caller fills the check list (one item per value, in value order, so
// an item's position is its value) and gives the shape key for "过滤助手";
// every showing starts with nothing ticked and "容错" off.
class Tf_xtqz : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_xtqz(AppContext& app, QWidget* parent = nullptr);

  void SetItems(const QStringList& items);
  void SetKey(const std::string& key) { key_ = key; }
  // The positions of the ticked items, ascending.
  std::vector<int32_t> CheckedValues() const;
  bool Tolerant() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void SetAll(int mode);  // 0 none, 1 all, 2 invert
  void FilterAssistant();

  AppContext& app_;
  std::string key_;
  QListWidget* cb_xtqz = nullptr;
  QCheckBox* cb_xtqz_rc = nullptr;
};

}  // namespace dlt::gui
