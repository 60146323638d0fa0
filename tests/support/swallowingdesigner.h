#pragma once
// A form designer that takes every key and mouse message of the designed form,
// as the environment's designer does.
#include <string>

#include "kcl/controls/designer.h"

namespace korvax::test {

class TSwallowingDesigner : public kcl::TDesigner {
public:
  bool IsDesignMsg(kcl::TControl*, kcl::TMessage& message) override { return message.Msg >= kcl::WM_KEYDOWN; }
  void Modified() override {}
  void Notification(kcl::TComponent*, kcl::TOperation) override {}
  void PaintGrid() override {}
  void ValidateRename(kcl::TComponent*, const std::string&, const std::string&) override {}
};

}  // namespace korvax::test
