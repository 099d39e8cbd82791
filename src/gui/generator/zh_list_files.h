#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace dlt::gui {

struct AppContext;

// An engine step on one of the generator's lists that may refuse: false
// with the reason in `error`, and then it has changed nothing.
using ListStep = std::function<bool(std::string* error)>;
using ListFileStep = std::function<bool(const std::string& path, std::string* error)>;

// Runs `step`; a refusal is shown in a message box. True when done.
bool RunListStep(AppContext& app, QWidget* parent, const ListStep& step);

// "保存组号" / "载入组号" of a list: the file dialog (opening in the data
// folder, result files "*.txt"), then the engine's save or load. True when
// a file was chosen and the step done; a cancelled dialog does nothing.
bool SaveListFile(AppContext& app, QWidget* parent, const QString& title, const ListFileStep& save);
bool LoadListFile(AppContext& app, QWidget* parent, const QString& title, const ListFileStep& load);

}  // namespace dlt::gui
