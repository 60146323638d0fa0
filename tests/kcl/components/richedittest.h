#pragma once
// A rich edit of 300 x 200 on a form, and loading data into it as its Lines do.
#include <gtest/gtest.h>

#include <string>

#include "kcl/classes/streams.h"
#include "kcl/components/richedit.h"
#include "support/testform.h"

namespace korvax::test {

class RichEditTest : public testing::Test {
protected:
  void SetUp() override {
    form = NewForm(400, 300);
    edit = new kcl::TRichEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(0, 0, 300, 200);
  }
  void Load(const std::string& data) const {
    kcl::TStringStream stream(data);
    edit->Lines()->LoadFromStream(stream);
  }

  FormPtr form;
  kcl::TRichEdit* edit = nullptr;
};

}  // namespace korvax::test
