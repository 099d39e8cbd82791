#include "gui/history/web_fetch.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <memory>

#include "history/results_sync.h"

namespace dlt::gui {
namespace {

// How often a running request asks whether it was cancelled.
constexpr int kCancelPollMs = 50;

}  // namespace

WebFetchResult FetchUrl(const QUrl& url, const WebFetchOptions& options) {
  using Failure = WebFetchResult::Failure;
  WebFetchResult r;
  QNetworkAccessManager manager;
  QNetworkRequest request(url);
  request.setTransferTimeout(options.timeoutMs);
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                       options.sameHostOnly ? QNetworkRequest::UserVerifiedRedirectPolicy
                                            : QNetworkRequest::NoLessSafeRedirectPolicy);
  if (options.sameHostOnly) request.setMaximumRedirectsAllowed(kMaxSyncRedirects);
  std::unique_ptr<QNetworkReply> reply(manager.get(request));
  QEventLoop loop;
  Failure stopped = Failure::None;
  QString refusedTarget;
  auto stop = [&](Failure why) {
    if (stopped == Failure::None) stopped = why;
    reply->abort();
  };
  QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
  // Each hop is checked against the address it leaves (the reply's own may
  // already name the target).
  QUrl current = url;
  if (options.sameHostOnly) {
    QObject::connect(reply.get(), &QNetworkReply::redirected, &loop, [&](const QUrl& target) {
      if (RedirectAllowed(current.toString().toStdString(), target.toString().toStdString())) {
        current = target;
        emit reply->redirectAllowed();
      } else {
        refusedTarget = target.toString();
        stop(Failure::RedirectRefused);
      }
    });
  }
  auto checkSize = [&](qint64 bytes) {
    if (bytes > options.maxBytes) stop(Failure::TooLarge);
  };
  QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid()) checkSize(length.toLongLong());
  });
  QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &loop,
                   [&](qint64 received, qint64) { checkSize(received); });
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (options.cancelled && options.cancelled()) stop(Failure::Cancelled);
  });
  QTimer overall;
  overall.setSingleShot(true);
  QObject::connect(&overall, &QTimer::timeout, &loop, [&] { stop(Failure::TimedOut); });
  if (options.cancelled) poll.start(kCancelPollMs);
  overall.start(options.timeoutMs);
  if (!reply->isFinished()) loop.exec();

  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  r.failure = stopped;
  if (stopped == Failure::None && reply->error() == QNetworkReply::OperationCanceledError)
    r.failure = Failure::TimedOut;  // the transfer time-out aborts the reply itself
  switch (r.failure) {
    case Failure::Cancelled:
      r.error = QStringLiteral("已取消");
      break;
    case Failure::TimedOut:
      r.error = QStringLiteral("连接超时");
      break;
    case Failure::TooLarge:
      r.error = QStringLiteral("服务器的回答过大(超过%1 MB)").arg(options.maxBytes / (1024 * 1024));
      break;
    case Failure::RedirectRefused:
      r.error = QString::fromStdString(RedirectRefusedMessage(refusedTarget.toStdString()));
      break;
    case Failure::Network:
    case Failure::None:
      if (status >= 400) {
        r.failure = Failure::Network;
        r.error = QStringLiteral("服务器返回错误: HTTP %1").arg(status);
      } else if (reply->error() != QNetworkReply::NoError) {
        r.failure = Failure::Network;
        r.error = reply->errorString();
      } else {
        r.body = reply->readAll();
      }
      break;
  }
  return r;
}

}  // namespace dlt::gui
