#pragma once

#include <QWidget>

class QTabWidget;

namespace dlt::gui {

struct AppContext;
class AssociationPage;
class PairsPage;
class PatternPage;

// "更多图表": three tables over the history in the page control pc_moredb:
// "综合形态" (each draw's numbers coded by a property), "关联分析" (the draws
// that meet chosen conditions beside the draws after them) and "相生相克"
// (how often every two front numbers came together). Each page fills when
// shown and on every change of its options.
class Tf_moredb : public QWidget {
  Q_OBJECT
 public:
  explicit Tf_moredb(AppContext& app, QWidget* parent = nullptr);

  QTabWidget* Pages() const { return pc_moredb; }
  PatternPage* Patterns() const { return patterns_; }
  AssociationPage* Associations() const { return association_; }
  PairsPage* Pairs() const { return pairs_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void FillCurrentPage();

  AppContext& app_;
  QTabWidget* pc_moredb = nullptr;
  PatternPage* patterns_ = nullptr;
  AssociationPage* association_ = nullptr;
  PairsPage* pairs_ = nullptr;
};

}  // namespace dlt::gui
