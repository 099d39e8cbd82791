#pragma once

#include "generator/kill_transfer.h"

class QWidget;

namespace dlt::gui {

struct AppContext;

// "预测转至过滤": the prediction goes into the conditions of 超强组号, which
// shows them and comes to the front; a refusal is told (parented to
// `parent`) and leaves the window where it is. False when nothing was handed.
bool SendKillsToGenerator(AppContext& app, QWidget* parent, const KillTransfer& transfer);

}  // namespace dlt::gui
