#include "gui/app/text_file_viewer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "common/gbk_text.h"
#include "gui/app/named_button.h"
#include "gui/app/shell_services.h"

namespace dlt::gui {
namespace {

bool IsWebPage(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  return suffix == QLatin1String("htm") || suffix == QLatin1String("html");
}

}  // namespace

TextFileViewer::TextFileViewer(ShellServices& shell, QWidget* parent)
    : QWidget(parent, Qt::Window), shell_(shell) {
  setObjectName("TextFileViewer");
  setAttribute(Qt::WA_DeleteOnClose);
  resize(760, 560);
  auto* layout = new QVBoxLayout(this);
  l_path = new QLabel(this);
  l_path->setObjectName("l_path");
  l_path->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(l_path);

  // Reports line their columns up with blanks: a fixed-pitch font keeps them.
  m_text = new QPlainTextEdit(this);
  m_text->setObjectName("m_text");
  m_text->setReadOnly(true);
  m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  layout->addWidget(m_text, 1);
  m_html = new QTextBrowser(this);
  m_html->setObjectName("m_html");
  m_html->setOpenLinks(true);
  m_html->hide();
  layout->addWidget(m_html, 1);

  auto* buttons = new QHBoxLayout;
  auto* openFolder = NamedButton(this, "b_openfolder", QStringLiteral("打开所在文件夹"));
  auto* close = NamedButton(this, "b_close", QStringLiteral("关闭"));
  buttons->addWidget(openFolder);
  buttons->addStretch(1);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(openFolder, &QPushButton::clicked, this, &TextFileViewer::OpenFolder);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
}

bool TextFileViewer::Load(const QString& path, QString* error) {
  std::string why;
  const auto lines = ReadTextLines(QFile::encodeName(path).toStdString(), &why);
  if (!lines) {
    if (error) *error = QString::fromStdString(why);
    return false;
  }
  QString text;
  for (const std::string& line : *lines) text += QString::fromStdString(line) + QLatin1Char('\n');
  path_ = path;
  setWindowTitle(QFileInfo(path).fileName());
  l_path->setText(QDir::toNativeSeparators(path));
  const bool web = IsWebPage(path);
  m_text->setVisible(!web);
  m_html->setVisible(web);
  if (web) {
    m_html->setSearchPaths({QFileInfo(path).absolutePath()});
    m_html->setHtml(text);
    m_text->clear();
  } else {
    m_text->setPlainText(text);
    m_html->clear();
  }
  return true;
}

QString TextFileViewer::ShownText() const {
  return m_html->isVisibleTo(this) ? m_html->toPlainText() : m_text->toPlainText();
}

void TextFileViewer::OpenFolder() {
  const QString folder = QFileInfo(path_).absolutePath();
  if (!shell_.OpenUrl(QUrl::fromLocalFile(folder)))
    shell_.Inform(this, QStringLiteral("无法打开文件夹：") + QDir::toNativeSeparators(folder));
}

void OpenDocument(ShellServices& shell, QWidget* parent, const QString& path) {
  if (shell.OpenUrl(QUrl::fromLocalFile(path))) return;
  TextFileViewer* viewer = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* v = qobject_cast<TextFileViewer*>(w);
    if (v && v->Path() == path) viewer = v;
  }
  if (!viewer) viewer = new TextFileViewer(shell, parent ? parent->window() : nullptr);
  QString error;
  if (!viewer->Load(path, &error)) {
    if (viewer->Path().isEmpty()) viewer->deleteLater();
    shell.Inform(parent, error);
    return;
  }
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
}

}  // namespace dlt::gui
