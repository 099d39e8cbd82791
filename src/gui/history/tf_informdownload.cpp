#include "gui/history/tf_informdownload.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/app/app_context.h"
#include "gui/app/app_settings.h"
#include "gui/app/shell_services.h"

namespace dlt::gui {
namespace {

constexpr int kButtonWidth = 300;

}  // namespace

Tf_informdownload::Tf_informdownload(AppContext& app, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), app_(app) {
  setObjectName("Tf_informdownload");
  setWindowTitle(QStringLiteral("提示"));
  button_ = new QPushButton(this);
  button_->setObjectName("b_inform");
  button_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  text_ = new QLabel(button_);
  text_->setWordWrap(true);
  text_->setAlignment(Qt::AlignCenter);
  text_->setAttribute(Qt::WA_TransparentForMouseEvents);
  auto* inner = new QVBoxLayout(button_);
  inner->setContentsMargins(8, 4, 8, 4);
  inner->addWidget(text_);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(button_);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &QWidget::close);
  connect(button_, &QPushButton::clicked, this, [this] {
    close();
    OpenDownloads();
  });
}

void Tf_informdownload::ShowNotice() {
  const NoticeValues thisRun = app_.noticeFetched ? app_.notice : NoticeValues{};
  const NoticePopup p =
      ChooseNoticePopup(thisRun, app_.settings.NewVersion(), app_.settings.Inform().toStdString(),
                        app_.settings.Downloads().toStdString());
  downloads_ = QString::fromStdString(p.downloads);
  Present(QString::fromStdString(p.text));
}

void Tf_informdownload::AddNote(const QString& line) {
  if (isVisible()) {
    Present(text_->text() + "\n" + line);
    return;
  }
  downloads_.clear();  // the note alone opens no page
  Present(line);
}

void Tf_informdownload::Present(const QString& text) {
  text_->setText(text);
  // As many lines as the text needs at this width, plus room around it.
  const QFontMetrics fm(text_->font());
  const int lines = fm.horizontalAdvance(text) / kButtonWidth + 4;
  resize(kButtonWidth, lines * fm.height());
  move(app_.screen.width() - width(), app_.screen.height() - height() - 30);
  show();
  raise();
  timer_.start(kShowMs);
}

QString Tf_informdownload::NoticeText() const {
  return text_->text();
}

void Tf_informdownload::OpenDownloads() {
  for (const std::string& address : SafeDownloadAddresses(downloads_.toStdString())) {
    const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
    if (url.isValid()) app_.shell.OpenUrl(url);
  }
}

}  // namespace dlt::gui
