#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace dlt::gui {

struct AppContext;

// The notice popup: a borderless box at the bottom right of the screen, one
// button holding the notice text. It closes itself after eight seconds; a
// click closes it and opens the notice's download pages.
class Tf_informdownload : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_informdownload(AppContext& app, QWidget* parent = nullptr);

  // Chooses the text (this run's notice, or a stored one announcing a newer
  // version), sizes and places the box, shows it and starts the timer.
  void ShowNotice();
  // Shows a line of news of this run (what the start-up sync added): below
  // the notice while that is up, else alone; the eight seconds start again.
  void AddNote(const QString& line);
  QString NoticeText() const;
  QString Downloads() const { return downloads_; }

  static constexpr int kShowMs = 8000;

 private:
  void OpenDownloads();

  void Present(const QString& text);

  AppContext& app_;
  QPushButton* button_;
  QLabel* text_;
  QTimer timer_;
  QString downloads_;
};

}  // namespace dlt::gui
