#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <optional>

#include "history/notice_page.h"

namespace dlt::gui {

struct AppContext;
class Tf_showpic;

constexpr int kNoticeTimeoutMs = 15000;

// One GET of a web page. nullopt with the reason on any failure: a network
// error, the time-out, a cancel from the message box, an address that is
// not http(s).
std::optional<QByteArray> FetchPage(const QUrl& url, int timeoutMs, QString* error,
                                    Tf_showpic* cancelBox = nullptr);

// The page as text: UTF-8 when it is valid UTF-8, GBK otherwise.
std::string DecodePage(const QByteArray& bytes);

struct OnlineUpdateResult {
  bool ok = false;
  QString error;
  NoticeUpdateResult draws;
};

// The online update: fetches the notice page from the `noticeurl` setting,
// stores its notice values in the settings, shows the notice popup and
// appends the new draws. Nothing is changed when the page cannot be had.
OnlineUpdateResult OnlineUpdate(AppContext& app, Tf_showpic* cancelBox = nullptr);

// The message "在线更新" shows for a result.
QString OnlineUpdateReport(const OnlineUpdateResult& r);

}  // namespace dlt::gui
