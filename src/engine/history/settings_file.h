#pragma once

#include <string>

#include "history/prize_table.h"
#include "indicators/eval_context.h"

namespace dlt {

// The settings file of the desktop program, read where the command line
// needs the same values: an INI file whose section [software] holds the
// values as "dltsettings\qs=30".

// The user's own settings file: $XDG_CONFIG_HOME/dlt/dlt.ini, else
// ~/.config/dlt/dlt.ini (where the desktop program keeps it).
std::string DefaultSettingsPath();

// The six cold/hot windows and thresholds of the file; a missing file, or
// a value that is absent or not an integer, gives the default the desktop
// program would write for it.
ColdHotSettings ReadColdHotSettings(const std::string& path);

// The address of the history service (`syncurl`); the operator's own when
// the file has none or an empty one.
std::string ReadSyncUrl(const std::string& path);

// The ticket price and the fixed prizes of the ticket book (`ticketprice`,
// `prize1` .. `prize8`, in 元; an empty prize is a floating tier). An absent
// or unreadable value gives its default.
PrizeTable ReadPrizeTable(const std::string& path);

}  // namespace dlt
