#include "gui/app/startup_steps.h"

#include <QFile>
#include <QUrl>

#include "generator/condition_files.h"
#include "gui/app/app_context.h"
#include "gui/app/shell_services.h"
#include "gui/app/tdm.h"
#include "history/draw_table.h"
#include "history/notice_page.h"
#include "indicators/coldhot.h"

namespace dlt::gui {

void LoadSprites(AppContext& app) {
  QStringList missing;
  for (int i = 0; i < 4; ++i) {
    const QString name = QStringLiteral("pic/pic%1.bmp").arg(i + 1);
    if (!app.sprites[i].load(QString::fromStdString(app.folder.Path(name.toStdString()))))
      missing << name;
  }
  if (!missing.isEmpty())
    app.shell.Inform(nullptr,
                     QStringLiteral("缺少图片文件：") + missing.join(QStringLiteral("、")));
}

void PrepareHistory(AppContext& app) {
  DrawTable& table = app.Table();
  table.DeleteForecast();
  TakeLatestDraw(app);
  table.Last();
  table.MoveBy(-10);
}

void TakeLatestDraw(AppContext& app) {
  const DrawTable& table = app.Table();
  const int last = table.LastRealIndex();
  if (last < 0) return;
  app.latestDraw = table.Draws()[last];
  ClassifyNumbers(table.Draws(), app.latestDraw.qs, app.env.coldHot, app.coldHot);
}

CloseStepReport CloseDown(AppContext& app, const ConditionSet* generatorSet) {
  CloseStepReport r;
  if (generatorSet) {
    std::string error;
    r.conditionSetSaved = SaveFrontSet(*generatorSet, app.folder.Path("exitset.zh"), &error);
    if (!r.conditionSetSaved) r.error = QString::fromStdString(error);
  }
  for (int d = 0; d <= 4; ++d) {
    const QString snapshot =
        QString::fromStdString(app.folder.Path("hfset" + std::to_string(d) + ".zh"));
    if (QFile::exists(snapshot) && QFile::remove(snapshot)) ++r.snapshotsDeleted;
  }
  if (app.dm) app.dm->Close();
  // Addresses come from a page off the net: only web pages are opened.
  if (app.noticeFetched && app.notice.OpensPages()) {
    for (const std::string& address : SafeDownloadAddresses(app.notice.downloads)) {
      const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
      if (url.isValid() && app.shell.OpenUrl(url)) r.opened << url.toString();
    }
  }
  return r;
}

}  // namespace dlt::gui
