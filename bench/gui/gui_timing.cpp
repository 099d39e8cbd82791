#include "gui_timing.h"

#include <QApplication>
#include <algorithm>

namespace dlt::gui::bench {

void Settle() {
  // Twice: a paint can post a layout request or a zero-time timer of its own.
  for (int i = 0; i < 2; ++i) {
    QCoreApplication::sendPostedEvents();
    QApplication::processEvents(QEventLoop::AllEvents);
  }
}

double TimeSettled(const std::function<void()>& action) {
  const auto start = std::chrono::steady_clock::now();
  action();
  Settle();
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  return took.count();
}

double Sample::Worst() const {
  return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end());
}

double Sample::Median() const {
  if (ms.empty()) return 0;
  std::vector<double> sorted = ms;
  std::sort(sorted.begin(), sorted.end());
  return sorted[sorted.size() / 2];
}

const Sample* Figure::WorstSample() const {
  const Sample* worst = nullptr;
  for (const Sample& s : samples)
    if (!worst || s.Worst() > worst->Worst()) worst = &s;
  return worst;
}

bool Figure::Met() const {
  const Sample* worst = WorstSample();
  return worst && worst->Worst() <= targetMs;
}

namespace {

QString Ms(double ms, int width = 0) {
  return QStringLiteral("%1").arg(ms, width, 'f', 1);
}

}  // namespace

// One pass of arg() each: a formula's "%5" in a step name stays as it is.
QStringList ReportLines(const std::vector<Figure>& figures, bool detail) {
  QStringList lines;
  for (const Figure& f : figures) {
    const Sample* worst = f.WorstSample();
    if (!worst) continue;
    lines << QStringLiteral("%1: worst %2 ms (%3), target %4 ms: %5")
                 .arg(f.name, Ms(worst->Worst()), worst->name, Ms(f.targetMs),
                      f.Met() ? QStringLiteral("met") : QStringLiteral("SLOWER"));
    if (!detail) continue;
    for (const Sample& s : f.samples)
      lines << QStringLiteral("    %1  median %2 ms  worst %3 ms  (%4 runs)")
                   .arg(s.name.leftJustified(28), Ms(s.Median(), 7), Ms(s.Worst(), 7),
                        QString::number(s.ms.size()));
  }
  return lines;
}

}  // namespace dlt::gui::bench
