#pragma once

#include <QDialog>
#include <cstdint>

#include "analysis/transfer.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace dlt::gui {

struct AppContext;

// "过滤设置": the range and options of a transfer to the generator. "确定"
// checks the range ("取值范围不能为空", "取值最小值不能大于最大值") and closes
// with OK; "取消" closes with cancel.
class Tf_filter_zbpxz : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_filter_zbpxz(AppContext& app, QWidget* parent = nullptr);

  // The range preset to the run chart's shown range, every option cleared.
  void Prepare(int32_t from, int32_t to);
  TransferOptions Options() const;

 private:
  void Confirm();

  AppContext& app_;
  QLineEdit* me_qzfwfrom = nullptr;
  QLineEdit* me_qzfwto = nullptr;
  QCheckBox* cb_sj = nullptr;
  QRadioButton* rb_s = nullptr;
  QRadioButton* rb_j = nullptr;
  QCheckBox* cb_jo = nullptr;
  QRadioButton* rb_js = nullptr;
  QRadioButton* rb_os = nullptr;
  QCheckBox* cb_zh = nullptr;
  QRadioButton* rb_zs = nullptr;
  QRadioButton* rb_hs = nullptr;
  QCheckBox* cb_rc = nullptr;
};

}  // namespace dlt::gui
