#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace dlt::gui {

// The pictures of the main toolbar, drawn by the program itself; `button`
// is the button's name ("b_tjq", "b_zh", ...).
QIcon ToolbarIcon(const QString& button);

// The splash picture, 400 by 295 pixels.
QPixmap SplashPicture();

}  // namespace dlt::gui
