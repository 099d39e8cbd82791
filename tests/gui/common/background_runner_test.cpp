// The background runner: its completion reaches a living owner only, a
// cancel reaches the work, progress and errors come through. The work and
// the test meet at semaphores, never at a clock.
#include "gui/common/background_runner.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <stdexcept>
#include <thread>

#include "gui_test_support.h"

using namespace dlt::gui;

class BackgroundRunnerTest : public QObject {
  Q_OBJECT
 private slots:
  void theResultReachesTheOwner();
  void theCompletionDiesWithItsOwner();
  void cancelReachesTheWork();
  void progressArrivesWhileTheWorkRuns();
  void anErrorOfTheWorkIsReported();
  void oneJobAtATime();
  void waitingRunsTickAndEnd();
};

namespace {

// Runs until the control is cancelled (bounded: a broken cancel ends the
// loop instead of hanging the test, and the test then fails).
bool SpinUntilCancelled(const TaskControl& control) {
  for (long round = 0; round < 2'000'000'000L; ++round) {
    if (control.Cancelled()) return true;
    std::this_thread::yield();
  }
  return false;
}

}  // namespace

void BackgroundRunnerTest::theResultReachesTheOwner() {
  QObject owner;
  auto* runner = new BackgroundRunner(&owner);
  QSignalSpy finished(runner, &BackgroundRunner::finished);
  std::optional<int> got;
  TaskOutcome outcome;
  QVERIFY(runner->Start<int>([](TaskControl&) { return 6 * 7; },
                             [&](std::optional<int> value, const TaskOutcome& o) {
                               got = value;
                               outcome = o;
                             }));
  QVERIFY(runner->Running());
  QVERIFY(finished.wait(60000));
  QCOMPARE(got, std::optional<int>(42));
  QVERIFY(outcome.ok());
  QVERIFY(!runner->Running());
}

void BackgroundRunnerTest::theCompletionDiesWithItsOwner() {
  auto owner = std::make_unique<QObject>();
  auto* runner = new BackgroundRunner(owner.get());
  auto called = std::make_shared<int>(0);
  auto sawCancel = std::make_shared<bool>(false);
  QSemaphore started;
  runner->Start(
      [&started, sawCancel](TaskControl& c) {
        started.release();
        *sawCancel = SpinUntilCancelled(c);
      },
      [called](const TaskOutcome&) { ++*called; });
  started.acquire();
  // The owner goes while the work runs: the work is told to stop and
  // waited for, and its completion never runs, even once events are delivered.
  owner.reset();
  QVERIFY(*sawCancel);
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
  QCOMPARE(*called, 0);
}

void BackgroundRunnerTest::cancelReachesTheWork() {
  QObject owner;
  auto* runner = new BackgroundRunner(&owner);
  QSemaphore started;
  bool sawCancel = false;
  std::optional<TaskOutcome> outcome;
  runner->Start(
      [&](TaskControl& c) {
        started.release();
        sawCancel = SpinUntilCancelled(c) && c.CancelFlag().load();
      },
      [&](const TaskOutcome& o) { outcome = o; });
  started.acquire();
  runner->Cancel();
  runner->Finish();
  QVERIFY(sawCancel);
  QVERIFY(outcome.has_value());
  QVERIFY(outcome->cancelled);
  QVERIFY(!outcome->ok());
  QVERIFY(!runner->Running());
}

void BackgroundRunnerTest::progressArrivesWhileTheWorkRuns() {
  QObject owner;
  auto* runner = new BackgroundRunner(&owner);
  QSemaphore reported;
  QSemaphore proceed;
  int ticks = 0;
  int lastDone = -1;
  runner->SetTick(1, [&](const TaskControl& c) {
    ++ticks;
    lastDone = c.Done();
  });
  runner->Start(
      [&](TaskControl& c) {
        c.SetTotal(5);
        c.SetDone(3);
        reported.release();
        proceed.acquire();
        c.SetDone(5);
      },
      [](const TaskOutcome&) {});
  reported.acquire();
  QCOMPARE(runner->Control().Total(), 5);
  QCOMPARE(runner->Control().Done(), 3);
  // The tick shows the work's progress on the owner's thread while it runs.
  QTRY_VERIFY_WITH_TIMEOUT(ticks > 0, 60000);
  QCOMPARE(lastDone, 3);
  proceed.release();
  runner->Finish();
  // And once more at the end, with the final count.
  QCOMPARE(lastDone, 5);
}

void BackgroundRunnerTest::anErrorOfTheWorkIsReported() {
  QObject owner;
  auto* runner = new BackgroundRunner(&owner);
  std::optional<TaskOutcome> outcome;
  bool hadValue = true;
  runner->Start<int>([](TaskControl&) -> int { throw std::runtime_error("磁盘已满"); },
                     [&](std::optional<int> value, const TaskOutcome& o) {
                       hadValue = value.has_value();
                       outcome = o;
                     });
  runner->Finish();
  QVERIFY(outcome.has_value());
  QCOMPARE(outcome->error, QString("磁盘已满"));
  QVERIFY(!outcome->cancelled);
  QVERIFY(!hadValue);
}

void BackgroundRunnerTest::oneJobAtATime() {
  QObject owner;
  auto* runner = new BackgroundRunner(&owner);
  QSemaphore started;
  int completions = 0;
  runner->Start(
      [&](TaskControl& c) {
        started.release();
        SpinUntilCancelled(c);
      },
      [&](const TaskOutcome&) { ++completions; });
  started.acquire();
  bool secondRan = false;
  QVERIFY(!runner->Start([&](TaskControl&) { secondRan = true; },
                         [&](const TaskOutcome&) { ++completions; }));
  runner->Cancel();
  runner->Finish();
  QVERIFY(!secondRan);
  QCOMPARE(completions, 1);
  // A finished runner takes the next job, with a fresh control.
  bool thirdSawCancel = true;
  QVERIFY(runner->Start([&](TaskControl& c) { thirdSawCancel = c.Cancelled(); },
                        [&](const TaskOutcome&) { ++completions; }));
  runner->Finish();
  QVERIFY(!thirdSawCancel);
  QCOMPARE(completions, 2);
}

void BackgroundRunnerTest::waitingRunsTickAndEnd() {
  BackgroundRunner runner(nullptr);
  QVERIFY(!LongTaskRunning());
  bool runningInside = false;
  int lastTotal = 0;
  const TaskOutcome outcome = runner.RunAndWait([](TaskControl& c) { c.SetTotal(9); },
                                                [&](const TaskControl& c) {
                                                  runningInside = LongTaskRunning();
                                                  lastTotal = c.Total();
                                                });
  QVERIFY(outcome.ok());
  QVERIFY(runningInside);
  QCOMPARE(lastTotal, 9);
  QVERIFY(!LongTaskRunning());
}

DLT_GUI_TEST(BackgroundRunnerTest);
#include "background_runner_test.moc"
