#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "kcl/components/timer.h"

using namespace kcl;

TEST(MoreControlsInput, TimersFireAtRunTimeButNeverInDesignState) {
  std::unique_ptr<TTimer, TObjectFree> runningTimer(new TTimer(nullptr)), designedTimer(new TTimer(nullptr));
  TTimer& running = *runningTimer;
  TTimer& designed = *designedTimer;
  int ticks = 0, designTicks = 0;
  running.OnTimer.SetHandler([&](TObject*) { ++ticks; });
  designed.OnTimer.SetHandler([&](TObject*) { ++designTicks; });
  designed.SetDesigning(true);
  running.SetInterval(10);
  designed.SetInterval(10);
  EXPECT_TRUE(running.Running());
  EXPECT_FALSE(designed.Running());
  QTRY_VERIFY_WITH_TIMEOUT(ticks >= 2, 2000);
  EXPECT_EQ(designTicks, 0);
  running.SetEnabled(false);
  EXPECT_FALSE(running.Running());
  const int stopped = ticks;
  QTest::qWait(50);
  EXPECT_EQ(ticks, stopped);
  running.SetEnabled(true);
  running.SetInterval(0);  // no interval, no timer
  EXPECT_FALSE(running.Running());
}
