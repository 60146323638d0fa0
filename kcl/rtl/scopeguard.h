#pragma once
// Restoring on the way out of a block, however it is left:
//   ++FUpdating;
//   OnScopeExit restore([&] { --FUpdating; });
// OnScopeFailure runs only when the block is left by an exception. An exception
// from the restoring function itself passes on, except while another one is
// already on its way (it would end the program).
#include <exception>
#include <utility>

namespace kcl {

template <class F, bool OnlyOnFailure>
class TScopeGuard {
public:
  explicit TScopeGuard(F restore) : FRestore(std::move(restore)) {}
  TScopeGuard(const TScopeGuard&) = delete;
  TScopeGuard& operator=(const TScopeGuard&) = delete;
  ~TScopeGuard() noexcept(false) {
    const bool failing = std::uncaught_exceptions() > FExceptions;
    if (!failing) {
      if (!OnlyOnFailure) FRestore();
      return;
    }
    try {
      FRestore();
    } catch (...) {
    }
  }

private:
  F FRestore;
  int FExceptions = std::uncaught_exceptions();
};

template <class F>
class OnScopeExit : public TScopeGuard<F, false> {
public:
  explicit OnScopeExit(F restore) : TScopeGuard<F, false>(std::move(restore)) {}
};

template <class F>
class OnScopeFailure : public TScopeGuard<F, true> {
public:
  explicit OnScopeFailure(F restore) : TScopeGuard<F, true>(std::move(restore)) {}
};

}  // namespace kcl
