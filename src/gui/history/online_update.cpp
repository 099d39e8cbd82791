#include "gui/history/online_update.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "common/gbk_text.h"
#include "gui/app/app_context.h"
#include "gui/app/app_settings.h"
#include "gui/app/tf_showpic.h"
#include "gui/app/window_set.h"
#include "gui/history/tf_informdownload.h"
#include "history/draw_table.h"
#include "history/notice_page.h"

namespace dlt::gui {

std::optional<QByteArray> FetchPage(const QUrl& url, int timeoutMs, QString* error,
                                    Tf_showpic* cancelBox) {
  auto fail = [&](const QString& why) -> std::optional<QByteArray> {
    if (error) *error = why;
    return std::nullopt;
  };
  const QString scheme = url.scheme().toLower();
  if (!url.isValid() || (scheme != "http" && scheme != "https") || url.host().isEmpty())
    return fail(QStringLiteral("公告页地址不是http或https网址: %1").arg(url.toString()));

  QNetworkAccessManager manager;
  QNetworkRequest request(url);
  request.setTransferTimeout(timeoutMs);
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                       QNetworkRequest::NoLessSafeRedirectPolicy);
  QNetworkReply* reply = manager.get(request);
  QEventLoop loop;
  bool tooLarge = false;
  QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
  QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64) {
    if (received > static_cast<qint64>(kMaxNoticePageBytes)) {
      tooLarge = true;
      reply->abort();
    }
  });
  QMetaObject::Connection cancel;
  if (cancelBox)
    cancel =
        QObject::connect(cancelBox, &Tf_showpic::cancelRequested, reply, &QNetworkReply::abort);
  if (!reply->isFinished()) loop.exec();
  QObject::disconnect(cancel);

  std::optional<QByteArray> page;
  if (tooLarge) {
    fail(QStringLiteral("公告页过大"));
  } else if (reply->error() == QNetworkReply::OperationCanceledError) {
    fail(cancelBox && cancelBox->CancelRequested() ? QStringLiteral("已取消")
                                                   : QStringLiteral("连接超时"));
  } else if (reply->error() != QNetworkReply::NoError) {
    fail(reply->errorString());
  } else {
    page = reply->readAll();
    // A reply that ended before its progress was told is measured here.
    if (page->size() > static_cast<qsizetype>(kMaxNoticePageBytes)) {
      page.reset();
      fail(QStringLiteral("公告页过大"));
    }
  }
  delete reply;
  return page;
}

std::string DecodePage(const QByteArray& bytes) {
  const std::string_view raw(bytes.constData(), static_cast<size_t>(bytes.size()));
  if (IsValidUtf8(raw)) return std::string(raw);
  if (auto utf8 = GbkToUtf8(raw)) return *utf8;
  return QString::fromLatin1(bytes).toStdString();
}

OnlineUpdateResult OnlineUpdate(AppContext& app, Tf_showpic* cancelBox) {
  OnlineUpdateResult r;
  const QString address = app.settings.NoticeUrl();
  if (address.isEmpty()) {
    r.error = QStringLiteral("未设置公告页地址（设置项 noticeurl）");
    return r;
  }
  const auto bytes = FetchPage(QUrl(address), kNoticeTimeoutMs, &r.error, cancelBox);
  if (!bytes) return r;
  const std::string page = DecodePage(*bytes);

  app.notice = ParseNoticeValues(page);
  app.noticeFetched = true;
  app.settings.WriteNotice(app.notice);
  if (auto* popup = app.windows ? app.windows->Get<Tf_informdownload>() : nullptr)
    popup->ShowNotice();

  try {
    r.draws = ApplyNoticeDraws(app.Table(), page);
  } catch (const std::exception& e) {
    r.error = QString::fromStdString(e.what());
    return r;
  }
  r.ok = true;
  return r;
}

QString OnlineUpdateReport(const OnlineUpdateResult& r) {
  if (!r.ok) return QStringLiteral("在线更新失败：") + r.error;
  QString text = QStringLiteral("在线更新完成，新增%1期开奖数据").arg(r.draws.added);
  if (r.draws.invalid > 0)
    text += QStringLiteral("；%1条数据格式有误，已跳过").arg(r.draws.invalid);
  return text;
}

}  // namespace dlt::gui
