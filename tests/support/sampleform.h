#pragma once
// The hand-made form files of tests/data/forms/samples: read into a form of the
// file's own class, shown offscreen, and expected to write their bytes back.
#include <gtest/gtest.h>

#include <QApplication>
#include <string>

#include "kcl/classes/objecttext.h"
#include "support/formtext.h"
#include "support/testfiles.h"
#include "support/testform.h"

namespace korvax::test {

// The file's text, lines ending in CR LF.
inline std::string SampleFormText(const std::string& name) {
  return ReadFileBytes(std::string(KORVAX_TEST_DATA) + "/forms/samples/" + name);
}

// A form of the class the text's first line names ("object Form1: TForm1") that
// has read the text and shows.
inline FormPtr ShowSampleForm(const std::string& text) {
  const size_t colon = text.find(": ");
  const std::string className = text.substr(colon + 2, text.find('\r') - colon - 2);
  FormPtr form(new kcl::TForm(nullptr));
  form->SetClassType(kcl::TClassInfo::CreateRuntimeClass(className, &kcl::TForm::StaticClass()));
  ReadText(form.get(), text);
  form->Show();
  QApplication::processEvents();
  return form;
}

// The form writes text back, as binary and as text; hidden first, as showing it
// made it Visible.
inline void ExpectWrittenAsRead(kcl::TForm* form, const std::string& text) {
  form->Hide();
  EXPECT_EQ(WriteBinary(form), kcl::ObjectTextToBinary(text));
  EXPECT_EQ(WriteText(form), text);
}

}  // namespace korvax::test
