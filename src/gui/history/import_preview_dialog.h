#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace dlt::gui {

// Shows what an import of a file would do (the layout found, the draws, what
// is added or replaced, the draws that differ from the stored ones) and asks
// before anything is stored: "确定" imports, "取消" leaves the history as it is.
class ImportPreviewDialog : public QDialog {
  Q_OBJECT
 public:
  ImportPreviewDialog(const QString& title, const std::vector<std::string>& lines,
                      QWidget* parent = nullptr);

  QString Text() const;

 private:
  QPlainTextEdit* m_preview;
};

}  // namespace dlt::gui
