#include "gui/history/online_update.h"

#include "common/gbk_text.h"
#include "gui/app/app_context.h"
#include "gui/app/app_settings.h"
#include "gui/app/tf_showpic.h"
#include "gui/app/window_set.h"
#include "gui/history/tf_informdownload.h"
#include "gui/history/web_fetch.h"
#include "history/draw_table.h"

namespace dlt::gui {
namespace {

// A notice page is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxPageBytes = 16 * 1024 * 1024;

}  // namespace

std::optional<QByteArray> FetchPage(const QUrl& url, int timeoutMs, QString* error,
                                    Tf_showpic* cancelBox) {
  const QString scheme = url.scheme().toLower();
  if (!url.isValid() || (scheme != "http" && scheme != "https") || url.host().isEmpty()) {
    if (error) *error = QStringLiteral("公告页地址不是http或https网址: %1").arg(url.toString());
    return std::nullopt;
  }
  WebFetchOptions options;
  options.timeoutMs = timeoutMs;
  options.maxBytes = kMaxPageBytes;
  if (cancelBox) options.cancelled = [cancelBox] { return cancelBox->CancelRequested(); };
  WebFetchResult r = FetchUrl(url, options);
  if (error && !r.body) {
    *error =
        r.failure == WebFetchResult::Failure::TooLarge ? QStringLiteral("公告页过大") : r.error;
  }
  return std::move(r.body);
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
