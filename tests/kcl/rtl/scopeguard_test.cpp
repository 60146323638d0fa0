#include "kcl/rtl/scopeguard.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using namespace kcl;

TEST(ScopeGuard, ExitRestoresOnEveryWayOutAndFailureOnlyOnExceptions) {
  int depth = 0;
  std::string log;
  const auto body = [&](bool fail) {
    ++depth;
    OnScopeExit restore([&] { --depth; });
    OnScopeFailure undo([&] { log += "undone;"; });
    if (fail) throw std::runtime_error("failed");
    log += "done;";
  };
  body(false);
  EXPECT_EQ(depth, 0);
  EXPECT_THROW(body(true), std::runtime_error);
  EXPECT_EQ(depth, 0);
  EXPECT_EQ(log, "done;undone;");
}

TEST(ScopeGuard, ARestoringFailurePassesOnUnlessAnotherExceptionIsUnderWay) {
  const auto restoreFails = [](bool bodyFails) {
    OnScopeExit restore([] { throw std::logic_error("restore failed"); });
    if (bodyFails) throw std::runtime_error("body failed");
  };
  EXPECT_THROW(restoreFails(false), std::logic_error);
  // The body's exception is the one that arrives; the program does not end.
  EXPECT_THROW(restoreFails(true), std::runtime_error);
}

TEST(ScopeGuard, AGuardInsideAHandlerJudgesItsOwnBlock) {
  bool undone = false;
  try {
    throw std::runtime_error("outer");
  } catch (const std::runtime_error&) {
    // An exception is being handled, but this block ends normally.
    OnScopeFailure undo([&] { undone = true; });
  }
  EXPECT_FALSE(undone);
}
