#include "gui/app/masked_edit.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <algorithm>
#include <vector>

namespace dlt::gui {
namespace {

// Which display positions of a mask take input; the mask's meta characters
// (case switches, escapes, the blank after ';') occupy none.
std::vector<bool> EditablePositions(const QString& inputMask) {
  static const QString kEditable = QStringLiteral("AaNnXx90DdHhBb#");
  const QString mask = inputMask.section(QLatin1Char(';'), 0, 0);
  std::vector<bool> editable;
  for (qsizetype i = 0; i < mask.size(); ++i) {
    const QChar c = mask[i];
    if (c == u'<' || c == u'>' || c == u'!') continue;
    if (c == u'\\') {
      ++i;  // an escaped literal
      editable.push_back(false);
      continue;
    }
    editable.push_back(kEditable.contains(c));
  }
  return editable;
}

QChar BlankOf(const QString& inputMask) {
  const qsizetype semicolon = inputMask.lastIndexOf(QLatin1Char(';'));
  if (semicolon < 0 || semicolon + 1 >= inputMask.size()) return QLatin1Char(' ');
  return inputMask[semicolon + 1];
}

}  // namespace

MaskedEdit::MaskedEdit(const QString& inputMask, QWidget* parent) : QLineEdit(parent) {
  setInputMask(inputMask);
}

int MaskedEdit::DigitPositions() const {
  const std::vector<bool> editable = EditablePositions(inputMask());
  return static_cast<int>(std::count(editable.begin(), editable.end(), true));
}

void MaskedEdit::SetNumber(int value) {
  const int width = DigitPositions();
  setText(width == 2 ? QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'))
                     : QString::number(value));
}

void MaskedEdit::SetNumberText(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  if (ok)
    SetNumber(value);
  else
    setText(text.trimmed());
}

int MaskedEdit::FirstFreePosition() const {
  const std::vector<bool> editable = EditablePositions(inputMask());
  const QChar blank = BlankOf(inputMask());
  const QString shown = displayText();
  for (qsizetype i = 0; i < shown.size() && i < static_cast<qsizetype>(editable.size()); ++i)
    if (editable[static_cast<size_t>(i)] && shown[i] == blank) return static_cast<int>(i);
  return -1;
}

void MaskedEdit::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  // A click on the typed part keeps its place there, for correcting a digit.
  const int free = FirstFreePosition();
  if (!hasSelectedText() && free >= 0 && cursorPosition() > free) setCursorPosition(free);
}

void MaskedEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // A click places the cursor itself, in mousePressEvent.
  if (event->reason() == Qt::MouseFocusReason) return;
  const int free = FirstFreePosition();
  if (free >= 0) setCursorPosition(free);
}

}  // namespace dlt::gui
