#include "gui/trend/item_groups_view.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "indicators/catalogue.h"

namespace dlt::gui {

ItemGroupsView::ItemGroupsView(int columns, QWidget* parent) : QWidget(parent), columns_(columns) {
  grid_ = new QGridLayout(this);
}

QGroupBox* ItemGroupsView::GroupBox(const std::string& id) const {
  const auto it = boxes_.find(id);
  return it == boxes_.end() ? nullptr : it->second;
}

void ItemGroupsView::Build(const std::vector<ItemGroup>& groups) {
  int place = 0;
  for (const ItemGroup& g : groups) {
    auto* box = new QGroupBox(QString::fromStdString(g.title), this);
    box->setObjectName(QString::fromStdString("gb_" + g.id));
    auto* rows = new QGridLayout(box);
    rows->setColumnStretch(4, 1);
    // The remainder rows are wider: their texts are longer.
    const bool remainders = g.id.find("ys") != std::string::npos;
    for (size_t r = 0; r < g.lines.size(); ++r) {
      const QString name = QStringLiteral("l_%1_%2").arg(QString::fromStdString(g.id)).arg(r + 1);
      Row row{new QLabel(box), new QLabel(box), new QLabel(box), new QLabel(box)};
      row.chance->setObjectName(name + "_qw");
      row.chance->hide();
      row.text->setObjectName(name);
      row.text->setMinimumWidth(remainders ? 105 : 95);
      row.percent->setObjectName(name + "_bfb");
      row.percent->setMinimumWidth(48);
      row.bar->setObjectName(name + "_bar");
      row.bar->setFixedHeight(12);
      row.bar->setAutoFillBackground(true);
      QPalette p = row.bar->palette();
      p.setColor(QPalette::Window, r % 2 ? QColor(0, 128, 255) : QColor(255, 64, 64));
      row.bar->setPalette(p);
      rows->addWidget(row.text, static_cast<int>(r), 0);
      rows->addWidget(row.percent, static_cast<int>(r), 1);
      rows->addWidget(row.bar, static_cast<int>(r), 2, Qt::AlignLeft | Qt::AlignVCenter);
      rows->addWidget(row.chance, static_cast<int>(r), 3);
      rows_[g.id].push_back(row);
    }
    auto* fit = new QLabel(box);
    fit->setObjectName(QString::fromStdString("l_" + g.id + "_fit"));
    fit->setWordWrap(true);
    fit->hide();
    rows->addWidget(fit, static_cast<int>(g.lines.size()), 0, 1, 5);
    fits_[g.id] = fit;
    order_.push_back(g.id);
    boxes_[g.id] = box;
    grid_->addWidget(box, place / columns_, place % columns_, Qt::AlignTop);
    ++place;
  }
  grid_->setRowStretch(grid_->rowCount(), 1);
}

// The box's context menu offers the indicator analysis of each quantity
// the group tallies; the remainder group's change with its divisor.
void ItemGroupsView::OfferAnalyses(const ItemGroup& g) {
  QGroupBox* box = GroupBox(g.id);
  if (!box || offered_[g.id] == g.indicators) return;
  offered_[g.id] = g.indicators;
  for (QAction* a : box->actions()) {
    box->removeAction(a);
    delete a;
  }
  box->setContextMenuPolicy(g.indicators.empty() ? Qt::DefaultContextMenu : Qt::ActionsContextMenu);
  for (const std::string& key : g.indicators) {
    const tsetaccostr* row = FindCatalogueRow(key);
    const QString label = QString::fromStdString(row ? row->label : key);
    auto* action = new QAction(QStringLiteral("指标剖析：") + label, box);
    action->setObjectName(QString::fromStdString("n_zbpx_" + key));
    connect(action, &QAction::triggered, this, [this, key] { emit analyseRequested(key); });
    box->addAction(action);
  }
}

void ItemGroupsView::SetGroups(const std::vector<ItemGroup>& groups) {
  if (boxes_.empty()) Build(groups);
  for (const ItemGroup& g : groups) {
    OfferAnalyses(g);
    auto it = rows_.find(g.id);
    if (it == rows_.end()) continue;
    for (size_t r = 0; r < g.lines.size() && r < it->second.size(); ++r) {
      const ItemLine& line = g.lines[r];
      const Row& row = it->second[r];
      row.text->setText(QString::fromStdString(line.text));
      row.percent->setText(QString::fromStdString(line.percent));
      row.bar->setFixedWidth(std::max(line.bar, 0));
      row.bar->setVisible(line.bar >= 0 && !line.hidden);
      row.text->setVisible(!line.hidden);
      row.percent->setVisible(!line.hidden);
    }
  }
}

void ItemGroupsView::SetChances(const std::vector<ItemGroupChance>& chances) {
  for (size_t k = 0; k < order_.size(); ++k) {
    const ItemGroupChance* chance = k < chances.size() ? &chances[k] : nullptr;
    const std::vector<Row>& rows = rows_[order_[k]];
    for (size_t r = 0; r < rows.size(); ++r) {
      const bool shown = chance && r < chance->lines.size() && !chance->lines[r].empty() &&
                         !rows[r].text->isHidden();
      rows[r].chance->setText(shown ? QString::fromStdString(chance->lines[r]) : QString());
      rows[r].chance->setVisible(shown);
    }
    QLabel* fit = fits_[order_[k]];
    fit->setText(chance ? QString::fromStdString(chance->fit) : QString());
    fit->setVisible(chance && !chance->fit.empty());
  }
}

}  // namespace dlt::gui
