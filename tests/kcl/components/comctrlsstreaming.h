#pragma once
// Helpers for the common controls' tests: a streaming root that does not align
// what it holds, form text in and out, records of the sample forms, and a designer.
#include <string>

#include "kcl/controls/wincontrol.h"
#include "kcl/controls/designer.h"

namespace comctrls_test {

// A streaming root that holds controls without aligning them: they keep the
// bounds they were read with, and their tab order.
class TRecordRoot : public kcl::TWinControl {
  KCL_CLASS(TRecordRoot, kcl::TWinControl)
public:
  explicit TRecordRoot(kcl::TComponent* owner) : TWinControl(owner) { DisableAlign(); }
  void GetChildren(const kcl::TGetChildProc& proc, kcl::TComponent* root) override;
};

// Stands for the image lists the sample forms' list views name.
class TImageListStandIn : public kcl::TComponent {
  KCL_CLASS(TImageListStandIn, kcl::TComponent)
public:
  using TComponent::TComponent;
};

// Takes every input of a designed form, as the form designer does.
class TSwallowingDesigner : public kcl::TDesigner {
public:
  bool IsDesignMsg(kcl::TControl*, kcl::TMessage& message) override { return message.Msg >= kcl::WM_KEYDOWN; }
  void Modified() override {}
  void Notification(kcl::TComponent*, kcl::TOperation) override {}
  void PaintGrid() override {}
  void ValidateRename(kcl::TComponent*, const std::string&, const std::string&) override {}
};

void RegisterTestClasses();
// The root and what it owns as form text, lines ending in LF.
std::string WriteText(kcl::TComponent* root);
// Reads form text into root.
void ReadText(kcl::TComponent* root, const std::string& text);
// The record of the named component in a sample form file, as text, indented to
// the top level: "object Name: TClass" up to its "end".
std::string SampleRecord(const std::string& relativePath, const std::string& name);
// The record of the named component in form text, indented to the top level.
std::string RecordOf(const std::string& formText, const std::string& name);

}  // namespace comctrls_test
