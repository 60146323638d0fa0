#pragma once
// Events: a method identity (TMethod) that the designer and the streaming system see,
// and the C++ handler that the running program calls. Binding a TMethod whose code
// is a published method of the matching signature makes the handler call it.
#include <functional>

#include "kcl/classes/typinfo.h"

namespace kcl {

template <class Sig>
class TEvent;

template <class R, class... Args>
class TEvent<R(Args...)> {
public:
  using Handler = std::function<R(Args...)>;
  // The stored form of a published method that fits this event.
  using Thunk = std::function<R(TObject* self, Args...)>;

  const TMethod& Method() const { return FMethod; }
  void SetMethod(const TMethod& method) {
    FMethod = method;
    FHandler = nullptr;
    if (method.Code && method.Data && method.Code->Signature && *method.Code->Signature == typeid(Thunk)) {
      const auto* thunk = static_cast<const Thunk*>(method.Code->Thunk.get());
      TObject* self = method.Data;
      FHandler = [thunk, self](Args... args) -> R { return (*thunk)(self, std::forward<Args>(args)...); };
    }
  }
  // A handler without a method identity (never streamed).
  void SetHandler(Handler handler) {
    FMethod = {};
    FHandler = std::move(handler);
  }
  explicit operator bool() const { return static_cast<bool>(FHandler); }
  bool Assigned() const { return static_cast<bool>(FHandler) || FMethod.Code != nullptr; }
  R operator()(Args... args) const {
    if constexpr (std::is_void_v<R>) {
      if (FHandler) FHandler(std::forward<Args>(args)...);
    } else {
      return FHandler ? FHandler(std::forward<Args>(args)...) : R{};
    }
  }

private:
  TMethod FMethod;
  Handler FHandler;
};

using TNotifyEvent = TEvent<void(TObject*)>;
const TTypeInfo* TNotifyEventType();

}  // namespace kcl
