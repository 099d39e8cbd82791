#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <vector>

namespace dlt::gui::bench {

// Lets the program do everything a user action queued: posted events,
// zero-time timers, layout and the paint of every window it exposed.
void Settle();

// Milliseconds from the start of `action` until the program has settled.
double TimeSettled(const std::function<void()>& action);

// The figures of one measured step, taken several times.
struct Sample {
  QString name;
  std::vector<double> ms;

  double Worst() const;
  double Median() const;
};

// One figure of the report: the worst of its samples against a target.
struct Figure {
  QString name;
  double targetMs = 0;
  std::vector<Sample> samples;

  // The sample with the worst time (null when there is none).
  const Sample* WorstSample() const;
  bool Met() const;
};

// The report as text: each figure with its worst step and, when asked,
// every step's median and worst.
QStringList ReportLines(const std::vector<Figure>& figures, bool detail);

}  // namespace dlt::gui::bench
