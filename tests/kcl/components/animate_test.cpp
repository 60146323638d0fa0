#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>

#include "kcl/components/animate.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(CommonControls, AnimationRunsOnlyWhileActiveAndNotDesigned) {
  FormPtr form(new TForm(nullptr));
  auto* animate = Create<TAnimate>(form.get(), form.get(), "Animate1");
  animate->SetCommonAVI(TCommonAVI::aviFindFile);
  EXPECT_TRUE(animate->Open());
  EXPECT_EQ(animate->BoundsRect(), Bounds(0, 0, animate->FrameWidth(), animate->FrameHeight()));  // AutoSize
  EXPECT_FALSE(animate->Playing());
  std::vector<std::string> log;
  animate->OnStart.SetHandler([&](TObject*) { log.push_back("start"); });
  animate->OnStop.SetHandler([&](TObject*) { log.push_back("stop"); });
  animate->SetDesigning(true);
  animate->SetActive(true);
  EXPECT_TRUE(animate->Active());
  EXPECT_FALSE(animate->Playing());  // a designed form shows it standing still
  animate->SetDesigning(false);
  EXPECT_TRUE(animate->Playing());
  animate->SetActive(false);
  EXPECT_FALSE(animate->Playing());
  EXPECT_EQ(log, (std::vector<std::string>{"stop"}));
  // Frames 2..4 once: the timer stops by itself after the last.
  animate->Play(2, 4, 1);
  std::vector<int> frames;
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        frames.push_back(animate->CurrentFrame());
        return !animate->Playing();
      },
      5000));
  EXPECT_EQ(frames.front(), 2);
  EXPECT_EQ(*std::max_element(frames.begin(), frames.end()), 4);
  EXPECT_FALSE(animate->Active());
  EXPECT_EQ(log, (std::vector<std::string>{"stop", "start", "stop"}));
}
