#pragma once

#include <QColor>
#include <QString>

namespace dlt::gui {

// The colours the program's grids paint with, named for what they mark.
namespace grid_colour {
inline const QColor kHeader(255, 203, 179);       // header rows and columns
inline const QColor kIssueFill(172, 253, 186);    // the issue column of the data grids
inline const QColor kCorrectFill(139, 248, 145);  // a conversion that came true
inline const QColor kGroupFirst(255, 219, 247);   // value columns of an odd group
inline const QColor kGroupSecond(231, 239, 255);  // value columns of an even group
inline const QColor kSummaryOdd(176, 240, 182);   // statistic rows, alternating
inline const QColor kSummaryEven(236, 176, 240);
inline const QColor kOmissionText(53, 96, 142);     // an omission count
inline const QColor kHitText(252, 254, 216);        // the number on a hit's marker
inline const QColor kBackNumberText(223, 95, 245);  // back numbers and labels
inline const QColor kDrawText(0, 128, 0);           // the drawn numbers
inline const QColor kBackDisc(190, 39, 35);         // a back number's hit
inline const QColor kGridLine(192, 192, 192);
}  // namespace grid_colour

// A style sheet giving a view's headers the header colour.
QString GridHeaderStyle();

}  // namespace dlt::gui
