#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

namespace dlt::gui {

struct WebFetchOptions {
  int timeoutMs = 15000;
  qint64 maxBytes = 16 * 1024 * 1024;
  // Redirects only to the same host (never down from https to http);
  // otherwise any redirect that does not lower the security.
  bool sameHostOnly = false;
  // Asked while the request runs; true ends it as cancelled.
  std::function<bool()> cancelled;
};

struct WebFetchResult {
  enum class Failure { None, Cancelled, TimedOut, TooLarge, RedirectRefused, Network };
  std::optional<QByteArray> body;
  Failure failure = Failure::None;
  QString error;  // the reason in words, for every failure
};

// One GET with Qt Network, on whatever thread calls it (it runs its own
// event loop there). An answer of status 400 or above is a failure.
WebFetchResult FetchUrl(const QUrl& url, const WebFetchOptions& options);

}  // namespace dlt::gui
