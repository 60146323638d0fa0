#pragma once
// TRichEditStrings: a rich edit's Lines. Each paragraph is a line, without its
// break; an empty paragraph that ends the text is not a line (the text ends with a
// line break). Changes go through the control, as the program's edits.
#include "kcl/classes/stringlist.h"

namespace kcl {

class TRichEdit;

class TRichEditStrings : public TStrings {
  KCL_CLASS(TRichEditStrings, TStrings)
public:
  explicit TRichEditStrings(TRichEdit* richEdit) : FRichEdit(richEdit) {}

  void Put(int index, const std::string& s) override;
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override;
  std::string Text() const override;
  void SetText(std::string_view text) override;
  // RTF (unless the control's PlainText) or Windows-1252 text.
  void LoadFromStream(TStream& stream) override;
  // The plain text, every line followed by CR LF; formatting is not written.
  void SaveToStream(TStream& stream) const override;

protected:
  std::string Get(int index) const override;
  int GetCount() const override;

private:
  void CheckIndex(int index, int count) const;

  TRichEdit* FRichEdit;
};

}  // namespace kcl
