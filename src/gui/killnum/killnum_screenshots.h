#pragma once

#include <QString>

class QWidget;

namespace dlt::gui {

struct AppContext;

// The pictures of the banker and kill window for `make screenshots`: the
// front kill tab after an analysis with the prediction row clicked
// (tdsh.png), the formula search after a search (searchgs.png) and the
// scheme optimisation after a generation (scfa.png).
void TakeKillnumPictures(AppContext& app, const QString& dir,
                         void (*save)(QWidget*, const QString&, const QString&),
                         void (*settle)(int));

}  // namespace dlt::gui
