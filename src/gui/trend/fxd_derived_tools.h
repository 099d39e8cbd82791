#pragma once

#include <QString>

class QComboBox;
class QLineEdit;
class QWidget;

namespace dlt {
class DrawTable;
}

namespace dlt::gui {

struct AppContext;

// What the pages of user-built indicators share.

// Refills two range boxes with the issues of the history in order: the
// start on the first of the last 100 draws, the end on the last.
void FillIssueRange(const DrawTable& table, QComboBox* from, QComboBox* to);

// A formula edit and its twin on the other page: a change of either is
// copied into the other.
void LinkTwins(QLineEdit* a, QLineEdit* b);

// "指标剖析": the analysis launcher with the text and name, its range taken
// from the data.
void AnalyseText(AppContext& app, const QString& text, const QString& name);

// "转至过滤设置": the generator shown on its custom-indicator page with the
// list active and the formula typed in, for the user to pick the values.
void OpenCustomIndicatorEntry(AppContext& app, const QString& formula);

// Fills every item of a box 0..max as text.
void FillNumberItems(QComboBox* box, int max);

}  // namespace dlt::gui
