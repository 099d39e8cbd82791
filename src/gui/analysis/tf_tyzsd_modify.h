#pragma once

#include <QDialog>
#include <QStringList>
#include <array>

class QLineEdit;

namespace dlt::gui {

struct AppContext;

// "田野走势图修改": the group texts of one field chart, one edit per group
// (e_tyd_1 .. e_tyd_10, "第一行：" .. "第十行："). "确认修改" closes with OK,
// "取消" with cancel; the caller stores the texts.
class Tf_tyzsd_modify : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_tyzsd_modify(AppContext& app, QWidget* parent = nullptr);

  // The texts of the chart's groups; the edits past them are disabled.
  void SetTexts(const QStringList& texts);
  // The texts of the enabled edits, trimmed.
  QStringList Texts() const;

 private:
  AppContext& app_;
  std::array<QLineEdit*, 10> edits_{};
};

}  // namespace dlt::gui
