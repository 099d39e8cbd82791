#include "gui/app/app_context.h"

#include "gui/app/tdm.h"

namespace dlt::gui {

DrawTable& AppContext::Table() const {
  return *dm->t_basedata;
}

}  // namespace dlt::gui
