#pragma once

#include <QStringList>

#include "gui/trend/fxd_context.h"

class QComboBox;

namespace dlt::gui {

class FrozenTableView;
class TextGridModel;

// "指标拼图": a table of indicator columns the user composes. The entries
// (one line each: key and header, or a separator) are read from the default
// mosaic file database/zbzh.zbz when the window is made, and kept in
// mosaic files by "创建", "载入", "修改" and "将当前组合设为默认    ".
class MosaicPage : public FxdPage {
  Q_OBJECT
 public:
  explicit MosaicPage(FxdContext& fxd, QWidget* parent = nullptr);

  void Fill() override;
  void FormShow() override;
  const QStringList& Entries() const { return entries_; }
  const TextGridModel& Model() const { return *model_; }
  QString DefaultFile() const { return defaultFile_; }
  // Shows these entries without writing any file.
  void ShowEntries(const QStringList& lines) {
    if (Take(lines)) Fill();
  }

 private:
  void Create();
  void Load();
  void Modify();
  void MakeDefault();
  // Writes the lines to the file; false after the message when it fails.
  bool Write(const QString& path, const QStringList& lines);
  // Takes the lines as the entries; a list longer than 50 is refused.
  bool Take(const QStringList& lines);

  FxdContext& fxd_;
  QString defaultFile_;
  QStringList entries_;
  QComboBox* from_ = nullptr;
  QComboBox* to_ = nullptr;
  QComboBox* width_ = nullptr;
  TextGridModel* model_ = nullptr;
  FrozenTableView* grid_ = nullptr;
};

}  // namespace dlt::gui
