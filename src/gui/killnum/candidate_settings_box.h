#pragma once

#include <QString>
#include <QWidget>
#include <optional>

#include "killnum/candidate_tester.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;

namespace dlt::gui {

// The settings that the formula search and the scheme optimisation share:
// the indicator, K, the value range, the target rate, the draws tested,
// "加速" and the seed. Each window adds its own rows below.
class CandidateSettingsBox : public QWidget {
  Q_OBJECT
 public:
  // `targetFrom` / `targetTo` name the two target edits; `targetCaption`
  // is the label between them.
  CandidateSettingsBox(const char* targetFrom, const char* targetTo, const QString& targetCaption,
                       QWidget* parent = nullptr);

  QGridLayout* Grid() const { return grid_; }
  int NextRow() const;

  // Lists the draws of `history` in both range pickers and selects the range;
  // -1 selects the default start or the last real draw.
  void ShowRange(const KillHistory& history, int start, int end);
  void SetTargetFrom(double rate);

  struct Values {
    CandidateSetup setup;
    double targetFrom = 0;
    double targetTo = 0;
    uint64_t seed = 0;
  };
  // The values, or nullopt with the reason in `error`.
  std::optional<Values> Read(const KillHistory& history, QString* error) const;

  // The values copied into a run's settings (the formula search's or the
  // scheme optimisation's) for that kind of kill; nullopt with the reason in
  // `error`.
  template <class RunSettings>
  std::optional<RunSettings> ReadInto(const KillHistory& history, KillKind kind,
                                      const QString& customIndicator, QString* error) const {
    const std::optional<Values> v = Read(history, error);
    if (!v) return std::nullopt;
    RunSettings s;
    s.setup = v->setup;
    s.setup.kind = kind;
    s.setup.customIndicator = customIndicator.toStdString();
    s.targetFrom = v->targetFrom;
    s.targetTo = v->targetTo;
    s.seed = v->seed;
    return s;
  }

 private:
  QGridLayout* grid_ = nullptr;
  QComboBox* cb_gszb = nullptr;
  QLineEdit* e_hsqs = nullptr;
  QLineEdit* e_qzfrom = nullptr;
  QLineEdit* e_qzto = nullptr;
  QLineEdit* targetFrom_ = nullptr;
  QLineEdit* targetTo_ = nullptr;
  QComboBox* cb_ssfw_from = nullptr;
  QComboBox* cb_ssfw_to = nullptr;
  QCheckBox* cb_quick = nullptr;
  QLineEdit* e_seed = nullptr;
};

}  // namespace dlt::gui
