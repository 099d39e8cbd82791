#pragma once

#include <optional>
#include <string>
#include <vector>

#include "gui/common/paging_bar.h"
#include "gui/trend/fxd_context.h"
#include "trend/derived_keys.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QVBoxLayout;

namespace dlt::gui {

class ChartView;

// The names of a chart page of user-built indicators.
struct DerivedChartNames {
  const char* picture;
  const char* periodBox;
  PagingNames paging;
  const char* analysisButton;
  const char* transferButton;
  const char* transferCaption;
};

// A paged value-and-amplitude chart of a text the page builds (a key or a
// formula), over the range its values take: the picture above, the page's
// own options in a group box below, then the period box, paging,
// "指标剖析" and the transfer button. A text that cannot be charted is
// refused with a message and the chart stays as it was.
class DerivedChartPage : public FxdPage {
  Q_OBJECT
 public:
  DerivedChartPage(FxdContext& fxd, const DerivedChartNames& names, QWidget* parent = nullptr);

  void Fill() override { Redraw(); }
  // Builds the text again and charts it; false (after a message) when it
  // cannot be charted.
  bool Redraw();
  ChartView* Picture() const { return picture_; }
  // The text of the chart shown.
  const std::string& ShownText() const { return shown_; }

 protected:
  // The page's text; nullopt after a message when it cannot be built.
  virtual std::optional<std::string> BuildText() = 0;
  virtual void Analyse() = 0;
  virtual void Transfer() = 0;
  int Period() const;

  FxdContext& fxd_;
  QGroupBox* box_ = nullptr;
  QVBoxLayout* options_ = nullptr;  // the page's own controls go here

 private:
  ChartView* picture_ = nullptr;
  QComboBox* period_ = nullptr;
  std::string shown_;
};

// "扩展系列一" (the ten families) and "扩展系列二" (同位遗传): one radio per
// family with its style and parameter boxes; the key is charted.
class DerivedSeriesPage : public DerivedChartPage {
  Q_OBJECT
 public:
  DerivedSeriesPage(FxdContext& fxd, const DerivedChartNames& names,
                    std::vector<const DerivedFamily*> families, int checked,
                    QWidget* parent = nullptr);

  void FormShow() override;
  // The key of the checked family from its boxes.
  std::string Key() const;

 protected:
  std::optional<std::string> BuildText() override;
  void Analyse() override;
  void Transfer() override;

 private:
  struct Family {
    const DerivedFamily* family;
    QComboBox* style = nullptr;
    std::vector<QComboBox*> params;
  };
  std::vector<Family> families_;
  QButtonGroup* radios_ = nullptr;
};

DerivedSeriesPage* MakeExtendPage(FxdContext& fxd);   // "扩展系列一"
DerivedSeriesPage* MakeExtend2Page(FxdContext& fxd);  // "扩展系列二"

}  // namespace dlt::gui
