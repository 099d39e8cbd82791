#include "gui/history/import_preview_dialog.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "gui/app/named_button.h"
#include "gui/app/utf8_text.h"

namespace dlt::gui {

ImportPreviewDialog::ImportPreviewDialog(const QString& title,
                                         const std::vector<std::string>& lines, QWidget* parent)
    : QDialog(parent) {
  setObjectName("ImportPreviewDialog");
  setWindowTitle(title);
  m_preview = new QPlainTextEdit(this);
  m_preview->setObjectName("m_preview");
  m_preview->setReadOnly(true);
  m_preview->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  QStringList text;
  for (const std::string& line : lines) text << Q(line);
  m_preview->setPlainText(text.join('\n'));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_preview, 1);
  AddOkCancelRow(this, layout);
  resize(720, 320);
}

QString ImportPreviewDialog::Text() const {
  return m_preview->toPlainText();
}

}  // namespace dlt::gui
