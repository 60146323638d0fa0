// What every editor shares: the instances it edits, the designer it tells, and
// a refusal that leaves every instance as it was.
#include "editortest.h"

#include "kcl/components/stdbuttons.h"
#include "samplekinds.h"

using namespace kcl;
using namespace korvax::test;

using PropertyEditorBase = PropertyEditorTest;

TEST_F(PropertyEditorBase, AStringSetOnSeveralInstancesIsUndoneWhenOneRefusesIt) {
  auto* button1 = Place<TButton>(Form.get(), "Button1");
  auto* button2 = Place<TButton>(Form.get(), "Button2", 8, 40);
  auto caption = EditorOfAll({button1, button2}, "Caption");
  EXPECT_EQ(caption->ClassName(), "TStringProperty");
  EXPECT_FALSE(caption->AllEqual());
  caption->SetValue("OK");
  EXPECT_TRUE(caption->AllEqual());
  EXPECT_EQ(button2->Caption(), "OK");

  // Component names are unique: the second button refuses the first's new name.
  auto name = EditorOfAll({button1, button2}, "Name");
  ExpectRefused<EComponentError>(*name, "Okay");
  EXPECT_EQ(button1->Name(), "Button1");
  EXPECT_EQ(button2->Name(), "Button2");
  EXPECT_EQ(Designer.ModifiedCount, 1);
}

TEST_F(PropertyEditorBase, RevertAndThePrivateDirectoryGoToTheDesigner) {
  auto* button1 = Place<TButton>(Form.get(), "Button1");
  auto* button2 = Place<TButton>(Form.get(), "Button2", 8, 40);
  auto width = EditorOfAll({button1, button2}, "Width");
  width->Revert();
  ASSERT_EQ(Designer.Reverted.size(), 2u);
  EXPECT_EQ(Designer.Reverted[1].first, button2);
  EXPECT_EQ(Designer.Reverted[1].second, GetPropInfo(button2, "Width"));
  EXPECT_EQ(width->GetPrivateDirectory(), "/private/");

  // Without a designer an editor still edits.
  auto alone = CreatePropertyEditor(nullptr, button1, GetPropInfo(button1, "Width"));
  alone->SetValue("33");
  EXPECT_EQ(button1->Width(), 33);
  EXPECT_EQ(alone->GetPrivateDirectory(), "");
}

TEST_F(PropertyEditorBase, EntriesOutsideTheEditorOrNotFilledRaise) {
  TIntegerProperty editor(&Designer, 2);
  EXPECT_FALSE(editor.ValueAvailable());
  EXPECT_THROW(editor.GetComponent(2), EListError);
  EXPECT_THROW(editor.SetPropEntry(-1, nullptr, nullptr), EListError);
  auto* button = Place<TButton>(Form.get(), "Button1");
  const int width = button->Width();
  editor.SetPropEntry(0, button, GetPropInfo(button, "Width"));
  EXPECT_THROW(editor.SetValue("10"), EPropertyError);
  EXPECT_EQ(button->Width(), width);
  EXPECT_THROW((TPropertyEditor{&Designer, 0}), EListError);
}

TEST_F(PropertyEditorBase, AnEditorWithoutTextTakesBackOnlyWhatItShows) {
  TSampleKinds sample;
  auto letter = CreatePropertyEditor(&Designer, &sample, GetPropInfo(&sample, "Letter"));
  EXPECT_EQ(letter->GetAttributes(), AttributeBit(paRevertable));
  EXPECT_EQ(letter->GetValue(), "(Unknown)");
  letter->SetValue("(Unknown)");
  ExpectRefused<EPropertyError>(*letter, "B", msg::InvalidPropertyValue);
  EXPECT_EQ(sample.Letter(), 'A');
}
