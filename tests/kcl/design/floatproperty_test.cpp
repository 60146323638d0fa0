// Floating-point properties: the general format of their precision, and the C
// locale's notation read back.
#include "editortest.h"

#include "kcl/components/datetimepicker.h"
#include "samplekinds.h"

using namespace kcl;
using namespace korvax::test;

using FloatProperty = PropertyEditorTest;

TEST_F(FloatProperty, DoublesShowFifteenDigitsInTheShorterNotation) {
  auto* picker = Place<TDateTimePicker>(Form.get(), "DateTimePicker1");
  auto maxDate = EditorOf(picker, "MaxDate");
  EXPECT_EQ(maxDate->ClassName(), "TFloatProperty");
  const std::pair<const char*, const char*> shown[] = {
      {"1.5", "1.5"}, {" -0.25 ", "-0.25"}, {"100", "100"}, {"0.0001", "0.0001"}, {"1e-5", "1E-5"},
      {"123456789012345678", "1.23456789012346E17"}, {"999999999999999", "999999999999999"},
      {"0.1", "0.1"}, {"2.5E+3", "2500"}, {"0", "0"}};
  for (const auto& [text, value] : shown) {
    maxDate->SetValue(text);
    EXPECT_EQ(maxDate->GetValue(), value) << text;
  }
  maxDate->SetValue("1.5");
  EXPECT_EQ(picker->MaxDate(), 1.5);
  for (const char* text : {"1,5", "abc", "", "1e", ".", "inf", "nan", "0x10", "1e400"})
    ExpectRefused<EConvertError>(*maxDate, text, Format(msg::InvalidFloat, {text}));
}

TEST_F(FloatProperty, SinglesShowSevenDigits) {
  TSampleKinds sample;
  auto ratio = CreatePropertyEditor(&Designer, &sample, GetPropInfo(&sample, "Ratio"));
  ratio->SetValue("0.1");
  EXPECT_EQ(sample.Ratio(), 0.1f);
  EXPECT_EQ(ratio->GetValue(), "0.1");
  ratio->SetValue("12345678");
  EXPECT_EQ(ratio->GetValue(), "1.234568E7");
  ExpectRefused<EConvertError>(*ratio, "1e39");
}
