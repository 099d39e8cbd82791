#pragma once

#include <QObject>
#include <memory>

#include "history/draw_table.h"

namespace dlt::gui {

class DrawTableModel;

// The data module: the shared draw table `t_basedata` and the model
// `ds_basedata` that the data-update window's grid shows.
class Tdm : public QObject {
  Q_OBJECT
 public:
  explicit Tdm(QObject* parent = nullptr);
  ~Tdm() override;

  // Opens (creating when absent) the table file; throws DbError.
  void Open(const std::string& path);
  void Close();
  bool IsOpen() const { return t_basedata != nullptr; }

  std::unique_ptr<DrawTable> t_basedata;
  DrawTableModel* ds_basedata = nullptr;

 signals:
  // The numbers were classified cold/warm/hot again.
  void coldHotChanged();
  // Draws were added while windows may be showing the history (the
  // background sync at start).
  void historyChanged();
};

}  // namespace dlt::gui
