#pragma once

#include <QLabel>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace dlt::gui {

// "119,797 注, 0.87 秒": a list's count with thousands separators and, when a
// run just made the list, how long it took in seconds.
QString ListStatusText(int64_t count, std::optional<int64_t> elapsedMicros = std::nullopt);

// "0次: 80,211  1次: 39,586": how many combinations a run kept with 0, 1, ...
// tolerated violations (empty for an empty histogram).
QString ViolationsText(const std::vector<int64_t>& violations);

// "占全部组合 0.369008": the part of all 324,632 combinations a run's
// conditions keep, the chance that a fair next draw passes them.
QString KeptShareText(int64_t accepted);

// The status line under each list of the generator window. Unlike the
// window caption, which every page rewrites, it always speaks of its own
// page's list.
class ZhStatusLine : public QLabel {
  Q_OBJECT
 public:
  ZhStatusLine(const char* name, QWidget* parent = nullptr);
  // With a run's violation histogram after the time when one is given,
  // and the part of all combinations its conditions keep.
  void Show(int64_t count, std::optional<int64_t> elapsedMicros = std::nullopt,
            const std::vector<int64_t>& violations = {},
            std::optional<int64_t> acceptedOfAll = std::nullopt);
};

}  // namespace dlt::gui
