#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QTextBrowser;

namespace dlt::gui {

class ShellServices;

// A read-only window showing one file of the program (a report, a listing,
// the help page) when the desktop has no program to open it with: the text
// (GBK or UTF-8; a web page rendered), its path and a button that opens the
// folder it is in.
class TextFileViewer : public QWidget {
  Q_OBJECT
 public:
  TextFileViewer(ShellServices& shell, QWidget* parent = nullptr);

  // Reads the file again; false with the reason when it cannot be read.
  bool Load(const QString& path, QString* error);
  QString Path() const { return path_; }
  // The text as shown (a web page as its plain text).
  QString ShownText() const;

 private:
  void OpenFolder();

  ShellServices& shell_;
  QString path_;
  QLabel* l_path = nullptr;
  QPlainTextEdit* m_text = nullptr;
  QTextBrowser* m_html = nullptr;
};

// Opens a file of the program with the desktop's default program; when the
// desktop cannot, shows it in a TextFileViewer over `parent`'s window (one
// viewer per file, shown again with the file's new content).
void OpenDocument(ShellServices& shell, QWidget* parent, const QString& path);

}  // namespace dlt::gui
