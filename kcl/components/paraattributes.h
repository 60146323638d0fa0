#pragma once
// TParaAttributes: the paragraph formatting of the paragraphs a rich edit's
// selection touches (read from the first of them). Indents are in points.
#include "kcl/classes/persistent.h"
#include "kcl/components/edittypes.h"

namespace kcl {

class TRichEdit;

class TParaAttributes : public TPersistent {
  KCL_CLASS(TParaAttributes, TPersistent)
public:
  explicit TParaAttributes(TRichEdit* richEdit) : FRichEdit(richEdit) {}
  void Assign(const TPersistent* source) override;

  TAlignment Alignment() const;
  void SetAlignment(TAlignment value);
  int FirstIndent() const;
  void SetFirstIndent(int value);
  int LeftIndent() const;
  void SetLeftIndent(int value);
  int RightIndent() const;
  void SetRightIndent(int value);

private:
  TRichEdit* FRichEdit;
};

}  // namespace kcl
