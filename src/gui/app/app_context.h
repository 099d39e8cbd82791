#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "common/data_folder.h"
#include "common/draw.h"
#include "common/shape_class_table.h"
#include "history/notice_page.h"
#include "indicators/coldhot.h"
#include "indicators/eval_context.h"

class QWidget;

namespace dlt {
class DrawTable;
}

namespace dlt::gui {

class AppSettings;
class ShellServices;
class Tdm;
class WindowSet;

// What other windows lend the shell. Each is empty until the window that
// provides it is built; the shell then skips that part of its work.
struct ShellHooks {
  // The formula input aid: the formula typed there, or nullopt on cancel.
  std::function<std::optional<QString>(QWidget* parent)> formulaInputAid;
  // The toolbar window: feature windows open below its frame.
  std::function<const QWidget*()> toolbar;
};

// The state the whole program shares for its run.
struct AppContext {
  AppContext(DataFolder f, AppSettings& s, ShellServices& sh)
      : folder(std::move(f)), settings(s), shell(sh) {}

  DrawTable& Table() const;

  DataFolder folder;
  AppSettings& settings;
  ShellServices& shell;
  Tdm* dm = nullptr;
  WindowSet* windows = nullptr;

  EvalEnv env;  // cold/hot settings and the number grid layout
  tzbpxz_zj1 shapeClasses;
  std::array<std::vector<int>, 16> zoneTables;  // ZoneBounds(k, 1, 35) for k = 2..15
  std::array<QPixmap, 4> sprites;               // pic/pic1.bmp .. pic/pic4.bmp
  QSize screen;
  Draw latestDraw;
  ColdHotLists coldHot;
  NoticeValues notice;  // what this run's online update found
  bool noticeFetched = false;
  ShellHooks hooks;
};

}  // namespace dlt::gui
