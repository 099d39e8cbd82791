#pragma once

#include <QSettings>
#include <QString>
#include <memory>
#include <optional>

#include "history/notice_page.h"
#include "history/prize_table.h"
#include "indicators/eval_context.h"

namespace dlt::gui {

// The program's settings: an INI file (by default under the user's config
// folder) with the values under the group "software/dltsettings".
class AppSettings {
 public:
  // An empty path means the user's own settings file.
  explicit AppSettings(const QString& iniPath = {});

  QString FilePath() const;

  // The six window and threshold values; absent ones are written with their
  // defaults first.
  ColdHotSettings ReadColdHot();
  void WriteFrontColdHot(int window, int cold, int hot);
  void WriteBackColdHot(int window, int cold, int hot);

  // Address of the notice page; empty means no download is tried.
  QString NoticeUrl() const;
  void SetNoticeUrl(const QString& url);

  // Address of the history service "同步开奖数据" reads; the operator's own
  // when the setting is absent or empty.
  QString SyncUrl() const;
  void SetSyncUrl(const QString& url);
  // Whether the start-up runs the sync after the notice page.
  bool SyncAtStart() const;
  void SetSyncAtStart(bool on);

  // The ticket book's ticket price and fixed prizes (`ticketprice`,
  // `prize1` .. `prize8` in 元; an empty prize floats). Absent or unreadable
  // values give their defaults.
  PrizeTable ReadPrizeTable() const;
  void WritePrizeTable(const PrizeTable& table);

  // What the online update stores.
  void WriteNotice(const NoticeValues& notice);
  QString Inform() const;
  std::optional<int> NewVersion() const;
  QString Downloads() const;
  QString ReadIeOnRun() const;

  void Sync();

 private:
  QVariant Value(const QString& name) const;
  void SetValue(const QString& name, const QVariant& v);
  int IntOrDefault(const QString& name, int fallback);

  std::unique_ptr<QSettings> settings_;
};

}  // namespace dlt::gui
