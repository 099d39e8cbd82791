#pragma once

#include <QLineEdit>
#include <QString>

namespace dlt::gui {

// Every masked edit of the program ("期数", "主号", value ranges, the prize
// dialog, counts). A click or focus never leaves the cursor beyond the first
// free position, so digits typed after a click into the blanks fill the
// field from its first free place instead of landing shifted or nowhere.
class MaskedEdit : public QLineEdit {
  Q_OBJECT
 public:
  MaskedEdit(const QString& inputMask, QWidget* parent = nullptr);

  // Shows a number: two-digit fields keep their leading zero ("08"), wider
  // ones show it plainly from their left end.
  void SetNumber(int value);
  // Text handed in by a caller: a number is shown as SetNumber does, any
  // other text as it is.
  void SetNumberText(const QString& text);

  // The first position of the display that waits for input; -1 when the
  // field is full.
  int FirstFreePosition() const;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  int DigitPositions() const;
};

}  // namespace dlt::gui
