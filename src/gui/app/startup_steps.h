#pragma once

#include <QString>
#include <QStringList>

namespace dlt {
class ConditionSet;
}

namespace dlt::gui {

struct AppContext;

// Loads pic/pic1.bmp .. pic/pic4.bmp of the data folder; a missing picture
// is reported once and painted as nothing.
void LoadSprites(AppContext& app);

// The history part of the main window's first show: the forecast record
// left by an earlier run is deleted, the latest draw taken, the numbers
// classified cold/warm/hot at it, and the cursor put ten draws before the
// last (at the first when there are fewer).
void PrepareHistory(AppContext& app);
// The latest draw taken from the last real draw and the numbers classified
// cold/warm/hot at it (after start-up too, when draws arrive later).
void TakeLatestDraw(AppContext& app);

struct CloseStepReport {
  bool conditionSetSaved = false;
  int snapshotsDeleted = 0;
  QStringList opened;  // download addresses handed to the desktop
  QString error;
};

// The close step: the generator's condition set to exitset.zh (when there is
// a generator window), hfset0.zh .. hfset4.zh deleted, the table closed, and,
// when the notice asked for it, its web addresses opened.
CloseStepReport CloseDown(AppContext& app, const ConditionSet* generatorSet);

}  // namespace dlt::gui
