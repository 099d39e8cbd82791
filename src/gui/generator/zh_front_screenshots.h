#pragma once

#include <QString>

class QWidget;

namespace dlt::gui {

struct AppContext;

// The pictures of the generator window for `make screenshots`: its three
// pages after a filter (zh_front.png, zh_back.png, zh_match.png), the
// backtest of the set (zh_backtest.png), the value picker (zh_picker.png)
// and the list report of the set (zh_report.png).
void TakeGeneratorPictures(AppContext& app, const QString& dir,
                           void (*save)(QWidget*, const QString&, const QString&),
                           void (*settle)(int));

}  // namespace dlt::gui
