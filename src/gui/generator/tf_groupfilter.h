#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;

namespace dlt::gui {

struct AppContext;

// "批量过滤": the condition files a batch runs, in order. The list stays
// between uses, so a batch can be run again with the same files.
class Tf_groupfilter : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_groupfilter(AppContext& app, QWidget* parent = nullptr);

  std::vector<std::string> Paths() const;

 private:
  void AddFile();
  void DeleteFile();

  AppContext& app_;
  QListWidget* lb_cond = nullptr;
};

}  // namespace dlt::gui
