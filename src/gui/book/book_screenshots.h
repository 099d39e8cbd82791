#pragma once

#include <QString>

class QWidget;

namespace dlt::gui {

struct AppContext;

// The picture of 我的投注 for `make screenshots` (wdtz.png): an empty book
// is first given a few entries of random tickets for the last stored
// draws, graded as they are added, and one for the draw to come.
void TakeBookPicture(AppContext& app, const QString& dir,
                     void (*save)(QWidget*, const QString&, const QString&), void (*settle)(int));

}  // namespace dlt::gui
