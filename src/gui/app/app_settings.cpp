#include "gui/app/app_settings.h"

#include "history/prize_amounts.h"
#include "history/results_sync.h"

namespace dlt::gui {
namespace {

const QString kGroup = QStringLiteral("software/dltsettings");

}  // namespace

AppSettings::AppSettings(const QString& iniPath) {
  if (iniPath.isEmpty())
    settings_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("dlt"), QStringLiteral("dlt"));
  else
    settings_ = std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
}

QString AppSettings::FilePath() const {
  return settings_->fileName();
}

QVariant AppSettings::Value(const QString& name) const {
  return settings_->value(kGroup + "/" + name);
}

void AppSettings::SetValue(const QString& name, const QVariant& v) {
  settings_->setValue(kGroup + "/" + name, v);
}

int AppSettings::IntOrDefault(const QString& name, int fallback) {
  const QVariant v = Value(name);
  bool ok = false;
  const int n = v.toInt(&ok);
  if (v.isValid() && ok) return n;
  // Absent or unreadable: the default is written so the file shows it.
  SetValue(name, fallback);
  return fallback;
}

ColdHotSettings AppSettings::ReadColdHot() {
  ColdHotSettings s;
  s.qs = IntOrDefault("qs", 30);
  s.coldcs = IntOrDefault("coldcs", 2);
  s.hotcs = IntOrDefault("hotcs", 8);
  s.f_qs = IntOrDefault("f_qs", 30);
  s.f_coldcs = IntOrDefault("f_coldcs", 2);
  s.f_hotcs = IntOrDefault("f_hotcs", 8);
  if (!Value("noticeurl").isValid()) SetValue("noticeurl", QString());
  if (!Value("syncurl").isValid()) SetValue("syncurl", SyncUrl());
  if (!Value("syncatstart").isValid()) SetValue("syncatstart", false);
  settings_->sync();
  return s;
}

void AppSettings::WriteFrontColdHot(int window, int cold, int hot) {
  SetValue("qs", window);
  SetValue("coldcs", cold);
  SetValue("hotcs", hot);
  settings_->sync();
}

void AppSettings::WriteBackColdHot(int window, int cold, int hot) {
  SetValue("f_qs", window);
  SetValue("f_coldcs", cold);
  SetValue("f_hotcs", hot);
  settings_->sync();
}

QString AppSettings::NoticeUrl() const {
  return Value("noticeurl").toString().trimmed();
}

void AppSettings::SetNoticeUrl(const QString& url) {
  SetValue("noticeurl", url);
  settings_->sync();
}

QString AppSettings::SyncUrl() const {
  const QString url = Value("syncurl").toString().trimmed();
  return url.isEmpty() ? QString::fromUtf8(kDefaultSyncUrl.data(), kDefaultSyncUrl.size()) : url;
}

void AppSettings::SetSyncUrl(const QString& url) {
  SetValue("syncurl", url);
  settings_->sync();
}

bool AppSettings::SyncAtStart() const {
  return Value("syncatstart").toBool();
}

void AppSettings::SetSyncAtStart(bool on) {
  SetValue("syncatstart", on);
  settings_->sync();
}

PrizeTable AppSettings::ReadPrizeTable() const {
  PrizeTable t = PrizeTable::Defaults();
  const QString price = Value(QString::fromUtf8(kTicketPriceSetting.data(),
                                                static_cast<qsizetype>(kTicketPriceSetting.size())))
                            .toString();
  if (const auto fen = ReadTicketPrice(price.toStdString(), nullptr)) t.ticketPriceFen = *fen;
  for (int level = 1; level <= 8; ++level) {
    const QVariant v = Value(QString::fromStdString(PrizeSetting(level)));
    std::optional<int64_t> fen;
    if (v.isValid() && ReadYuanText(v.toString().toStdString(), &fen, nullptr))
      t.fixedFen[static_cast<size_t>(level)] = fen;
  }
  return t;
}

void AppSettings::WritePrizeTable(const PrizeTable& t) {
  SetValue(QString::fromUtf8(kTicketPriceSetting.data(),
                             static_cast<qsizetype>(kTicketPriceSetting.size())),
           QString::fromStdString(FormatFen(t.ticketPriceFen)));
  for (int level = 1; level <= 8; ++level) {
    const auto& fen = t.fixedFen[static_cast<size_t>(level)];
    SetValue(QString::fromStdString(PrizeSetting(level)),
             fen ? QString::fromStdString(FormatFen(*fen)) : QString());
  }
  settings_->sync();
}

void AppSettings::WriteNotice(const NoticeValues& notice) {
  SetValue("inform", QString::fromStdString(notice.inform));
  SetValue("newbbh", notice.newVersion);
  SetValue("readieonrun", QString::fromStdString(notice.updateAtStart));
  SetValue("downloadie", QString::fromStdString(notice.downloads));
  settings_->sync();
}

QString AppSettings::Inform() const {
  return Value("inform").toString();
}

std::optional<int> AppSettings::NewVersion() const {
  bool ok = false;
  const int v = Value("newbbh").toInt(&ok);
  if (!ok) return std::nullopt;
  return v;
}

QString AppSettings::Downloads() const {
  return Value("downloadie").toString();
}

QString AppSettings::ReadIeOnRun() const {
  return Value("readieonrun").toString();
}

void AppSettings::Sync() {
  settings_->sync();
}

}  // namespace dlt::gui
