#include "gui/app/tdm.h"

#include "gui/history/draw_table_model.h"

namespace dlt::gui {

Tdm::Tdm(QObject* parent) : QObject(parent) {
  setObjectName("Tdm");
  ds_basedata = new DrawTableModel(this);
  ds_basedata->setObjectName("ds_basedata");
  // Draws added are a change of the rows as any other.
  connect(this, &Tdm::historyChanged, this, &Tdm::tableChanged);
}

Tdm::~Tdm() {
  Close();
}

void Tdm::Open(const std::string& path) {
  ds_basedata->SetTable(nullptr);
  t_basedata = std::make_unique<DrawTable>(path);
  ds_basedata->SetTable(t_basedata.get());
}

void Tdm::TableChanged() {
  ds_basedata->Refresh();
  emit tableChanged();
}

void Tdm::Close() {
  if (ds_basedata) ds_basedata->SetTable(nullptr);
  t_basedata.reset();
}

}  // namespace dlt::gui
