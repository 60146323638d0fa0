#include <gtest/gtest.h>

#include "kcl/classes/placeholder.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/valuebytes.h"
#include "kcl/classes/testclasses.h"
#include "kcl/classes/writer.h"
#include "kcl/rtl/exceptions.h"
#include "support/formtext.h"

using namespace kcl;
using namespace testing_classes;
using korvax::test::WriteBinary;

namespace {

// Short string as the stream holds names: a length byte and the bytes.
std::string S(const std::string& s) { return std::string(1, static_cast<char>(s.size())) + s; }
std::string Int8(int v) { return std::string("\x02", 1) + static_cast<char>(v); }
const std::string End(1, '\0');

std::unique_ptr<TTestForm, TObjectFree> NewForm() {
  RegisterTestClasses();
  return std::unique_ptr<TTestForm, TObjectFree>(new TTestForm(nullptr));
}

// Reads bytes into a fresh form; the error message, or "" when it read.
std::string ReadInto(TTestForm* form, const std::string& bytes, TReaderError onError = nullptr) {
  TStringStream stream(bytes);
  TReader reader(stream);
  reader.OnError = std::move(onError);
  try {
    reader.ReadRootComponent(form);
  } catch (const Exception& e) {
    return e.Message();
  }
  return "";
}

// A form with a property of every kind, nested controls, a non-visual component,
// a forward reference, a collection, binary data and an event.
std::unique_ptr<TTestForm, TObjectFree> RichForm() {
  auto form = NewForm();
  form->SetName("Form1");
  form->SetCaption("Caf\xe9 'quoted'");
  auto* timer = new TTestTimer(form.get());
  timer->SetName("Timer1");
  timer->SetInterval(250);
  auto* panel = new TTestControl(form.get());
  panel->SetName("Panel1");
  panel->SetParent(form.get());
  panel->SetAlign(taClient);
  panel->Font()->SetStyle({tsBold, tsStrikeOut});
  panel->Font()->SetColor(0xFF);
  auto* button = new TTestControl(form.get());
  button->SetName("Button1");
  button->SetParent(panel);
  button->SetLeft(-300);
  button->SetTop(70000);
  button->SetRatio(1.25);
  button->SetLetter('Z');
  button->SetVisible(false);
  button->SetColor(0x123);
  button->Data = std::string("\x00\x01\xff", 3);
  button->OnClick.SetMethod({form->MethodAddress("Button1Click"), form.get()});
  auto* item = static_cast<TTestItem*>(button->Items()->Add());
  item->SetCaption("first");
  static_cast<TTestItem*>(button->Items()->Add())->SetWidth(7);
  button->Lines()->SetText("one\r\n\r\nthree\r\n");
  auto* hidden = new TTestHidden(form.get());
  hidden->SetName("Hidden1");
  hidden->SetParent(form.get());
  hidden->SetVisible(true);
  panel->SetBuddy(hidden);  // refers to a component written after it
  return form;
}

}  // namespace

TEST(Filer, WritesOnlyStoredNonDefaultValuesInDeclarationOrder) {
  auto form = NewForm();
  form->SetName("Form1");
  const std::string expected = "TPF0" + S("TTestForm") + S("Form1") +             //
                               S("Left") + Int8(0) + S("Top") + Int8(0) +          // no default: always written
                               S("Font.Color") + Int8(0) + S("Font.Name") + "\x06" + S("Sans") +
                               S("Font.Size") + Int8(8) + S("Font.Style") + "\x0b" + End +  //
                               S("Items") + "\x0e" + End +                          // a collection always is
                               // an empty string list is not written at all
                               End + End;
  EXPECT_EQ(WriteBinary(form.get()), expected);
}

TEST(Filer, ValuesUseTheirValueTypes) {
  auto form = NewForm();
  form->SetName("F");
  form->SetLeft(-129);      // vaInt16
  form->SetTop(40000);      // vaInt32
  form->SetColor(0xFF0000);  // has an identifier
  form->SetLetter('q');
  form->SetCaption(std::string(300, 'x'));  // vaLString
  form->SetVisible(false);
  const std::string bytes = WriteBinary(form.get());
  EXPECT_NE(bytes.find(S("Left") + "\x03\x7f\xff"), std::string::npos);
  EXPECT_NE(bytes.find(S("Top") + std::string("\x04\x40\x9c\x00\x00", 5)), std::string::npos);
  EXPECT_NE(bytes.find(S("Color") + "\x07" + S("clBlue")), std::string::npos);
  EXPECT_NE(bytes.find(S("Letter") + "\x06" + S("q")), std::string::npos);
  EXPECT_NE(bytes.find(S("Caption") + std::string("\x0c\x2c\x01\x00\x00", 5) + std::string(300, 'x')),
            std::string::npos);
  EXPECT_NE(bytes.find(S("Visible") + "\x08"), std::string::npos);
}

TEST(Filer, NonVisualComponentsKeepTheirDesignPosition) {
  auto form = NewForm();
  form->SetName("F");
  auto* timer = new TTestTimer(form.get());
  timer->SetName("T");
  timer->SetDesignInfo(40 | (300 << 16));
  const std::string bytes = WriteBinary(form.get());
  EXPECT_NE(bytes.find(S("T") + S("Left") + Int8(40) + S("Top") + "\x03\x2c\x01" + End), std::string::npos);
  auto copy = NewForm();
  ASSERT_EQ(ReadInto(copy.get(), bytes), "");
  EXPECT_EQ(copy->FindComponent("T")->DesignInfo(), 40 | (300 << 16));
  // A control's own Left and Top are its published properties, not design info.
  EXPECT_EQ(WriteBinary(copy.get()), bytes);
}

TEST(Filer, StringListsStreamAsAListOfStrings) {
  auto form = NewForm();
  form->SetName("F");
  form->Lines()->SetText("a\r\n\r\n");
  const std::string bytes = WriteBinary(form.get());
  EXPECT_NE(bytes.find(S("Lines.Strings") + "\x01\x06" + S("a") + "\x06" + S("") + End), std::string::npos);
}

TEST(Filer, RoundTripRebuildsTheTreeAndWritesTheSameBytes) {
  auto original = RichForm();
  const std::string bytes = WriteBinary(original.get());

  auto copy = NewForm();
  ASSERT_EQ(ReadInto(copy.get(), bytes), "");
  EXPECT_EQ(WriteBinary(copy.get()), bytes);

  EXPECT_EQ(copy->Name(), "Form1");
  EXPECT_EQ(copy->Caption(), "Caf\xe9 'quoted'");
  ASSERT_EQ(copy->ComponentCount(), 4);
  auto* panel = dynamic_cast<TTestControl*>(copy->FindComponent("Panel1"));
  auto* button = dynamic_cast<TTestControl*>(copy->FindComponent("Button1"));
  ASSERT_TRUE(panel && button);
  EXPECT_EQ(copy->Button1, button);  // published field bound by name
  EXPECT_EQ(button->Parent(), panel);
  EXPECT_EQ(panel->Buddy(), copy->FindComponent("Hidden1"));  // forward reference fixed up
  EXPECT_EQ(panel->Font()->Style(), (TTestStyles{tsBold, tsStrikeOut}));
  EXPECT_EQ(button->Left(), -300);
  EXPECT_EQ(button->Ratio(), 1.25);
  EXPECT_EQ(button->Data, std::string("\x00\x01\xff", 3));
  ASSERT_EQ(button->Items()->Count(), 2);
  EXPECT_EQ(static_cast<TTestItem*>(button->Items()->Items(1))->Width(), 7);
  EXPECT_EQ(dynamic_cast<TTestTimer*>(copy->FindComponent("Timer1"))->Interval(), 250);
  EXPECT_EQ(button->Lines()->Text(), "one\r\n\r\nthree\r\n");
  // Every component was told once that loading ended, and none is still loading.
  EXPECT_EQ(button->LoadedCalls, 1);
  EXPECT_EQ(copy->LoadedCalls, 1);
  EXPECT_FALSE(button->IsLoading());
  EXPECT_FALSE(button->ComponentState().Contains(csReading));
  // The event was bound to the form's method of that name.
  button->OnClick(button);
  ASSERT_EQ(copy->Clicks.size(), 1u);
}

TEST(Filer, ReadingErrorsNameTheComponentAndProperty) {
  const std::string head = "TPF0" + S("TTestForm") + S("Form1");
  auto form = NewForm();
  EXPECT_EQ(ReadInto(form.get(), head + S("Align") + Int8(3) + End + End),
            "Error reading Form1.Align: Invalid property value");
  form = NewForm();
  EXPECT_EQ(ReadInto(form.get(), head + S("OnClick") + "\x07" + S("NoSuchMethod") + End + End),
            "Error reading Form1.OnClick: Invalid property value");
  form = NewForm();
  EXPECT_EQ(ReadInto(form.get(), head + S("Left") + "\x06" + S("x") + End + End),
            "Error reading Form1.Left: Invalid property value");
}

// A component of a class the program does not have is kept as read: its class
// name, every property's bytes and its children, known or not, where they stood.
TEST(Filer, UnknownClassesArePlaceholdersThatWriteBackTheirRecords) {
  // What a test control always writes.
  const std::string control = S("Left") + Int8(0) + S("Top") + Int8(0) + S("Font.Color") + Int8(0) + S("Font.Name") +
                              "\x06" + S("Sans") + S("Font.Size") + Int8(8) + S("Font.Style") + "\x0B" + End +
                              S("Items") + "\x0E" + End;
  const std::string bogus = S("TBogus") + S("Bogus1") + S("Left") + Int8(3) + S("Top") + "\x03" + "\x2C\x01" +
                            S("Shade") + "\x07" + S("clRed") + End +                     //
                            S("TTestControl") + S("Inner1") + control + End + End +      // a known child
                            S("TBogusToo") + S("Inner2") + S("Zap") + "\x08" + End + End + End;
  const std::string panel = S("TTestControl") + S("Panel1") + control + End +              //
                            S("TTestControl") + S("Child1") + control + End + End +      //
                            S("TBogusField") + S("Panel1X") + End + End +                // unknown in a known one
                            S("TTestControl") + S("Child2") + control + End + End + End;
  const std::string bytes = "TPF0" + S("TTestForm") + S("Form1") + control + End + S("TTestTimer") + S("Timer1") +
                            End + End + bogus + S("TTestTimer") + S("Timer2") + End + End + panel + End;
  auto form = NewForm();
  ASSERT_EQ(ReadInto(form.get(), bytes), "");
  auto* placeholder = dynamic_cast<TPlaceholderComponent*>(form->FindComponent("Bogus1"));
  ASSERT_NE(placeholder, nullptr);
  EXPECT_EQ(placeholder->ClassName(), "TBogus");
  EXPECT_EQ(form->FindComponent("Inner2")->ClassName(), "TBogusToo");
  EXPECT_EQ(placeholder->DesignInfo(), 3 | (300 << 16));
  ASSERT_EQ(placeholder->Properties().size(), 3u);
  EXPECT_EQ(placeholder->Properties()[2].Name, "Shade");
  EXPECT_EQ(placeholder->Integer("Top"), 300);
  EXPECT_EQ(placeholder->Integer("Shade"), std::nullopt);
  EXPECT_EQ(placeholder->RecordChildren().size(), 2u);
  EXPECT_EQ(WriteBinary(form.get()), bytes);

  // A class name long enough to look like a prefix keeps the prefix it came with.
  const std::string longName(240, 'T');
  const std::string prefixed = "TPF0" + S("TTestForm") + S("Form1") + control + End + "\xF0" + S(longName) +
                               S("Long1") + End + End + End;
  auto other = NewForm();
  ASSERT_EQ(ReadInto(other.get(), prefixed), "");
  EXPECT_EQ(WriteBinary(other.get()), prefixed);

  // Moved in the designer, it is written at its new place; a child deleted goes.
  placeholder->SetDesignInfo(4 | (300 << 16));
  form->FindComponent("Inner1")->Free();
  std::string expected = bytes;
  expected.replace(expected.find(S("Left") + Int8(3)), 7, S("Left") + Int8(4));
  const std::string inner1 = S("TTestControl") + S("Inner1") + control + End + End;
  expected.erase(expected.find(inner1), inner1.size());
  EXPECT_EQ(WriteBinary(form.get()), expected);
}

// The whole stream is refused when a record is damaged, but what was read before
// it stays.
TEST(Filer, ADamagedRecordStopsReadingButKeepsWhatWasRead) {
  const std::string bytes = "TPF0" + S("TTestForm") + S("Form1") + End +                      //
                            S("TTestTimer") + S("Timer1") + End + End +                        //
                            S("TBogus") + S("Bogus1") + S("Left") + "\x7F" + End + End +        //
                            S("TTestTimer") + S("Timer2") + End + End + End;
  auto form = NewForm();
  EXPECT_EQ(ReadInto(form.get(), bytes), "Invalid stream format: value type 127 of property Left is unknown");
  ASSERT_EQ(form->ComponentCount(), 1);
  EXPECT_EQ(form->Components(0)->Name(), "Timer1");
  EXPECT_FALSE(form->Components(0)->IsLoading());
}

TEST(Filer, ErrorHandlerMaySkipABadPropertyAndGoOn) {
  const std::string bytes = "TPF0" + S("TTestForm") + S("Form1") + S("Align") + Int8(3) + S("Left") +
                            Int8(5) + End + End;
  auto form = NewForm();
  std::vector<std::string> seen;
  EXPECT_EQ(ReadInto(form.get(), bytes, [&](TReader&, const std::string& m) { return seen.push_back(m), true; }), "");
  EXPECT_EQ(seen, std::vector<std::string>{"Error reading Form1.Align: Invalid property value"});
  EXPECT_EQ(form->Left(), 5);
}

// A later version's property or a third party's is kept where it stood and
// written back: the form comes back byte for byte.
TEST(Filer, UnknownPropertiesAreKeptInTheirPlaces) {
  const std::string bytes = "TPF0" + S("TTestForm") + S("Form1") +           //
                            S("OldCreateOrder") + "\x08" +                   // before the first known one
                            S("Left") + Int8(5) +                            //
                            S("Mystery") + "\x06" + S("kept") +              // between two known ones
                            S("Top") + Int8(7) +                             //
                            S("Caption") + "\x06" + S("Hi") +                //
                            S("Font.Bogus") + Int8(1) +                      // of a sub-object
                            S("Font.Color") + Int8(0) + S("Font.Name") + "\x06" + S("Sans") +
                            S("Font.Size") + Int8(8) + S("Font.Style") + "\x0B" + End +  //
                            S("Items") + "\x0E" + End +                      //
                            S("Trailer") + "\x01" + "\x07" + S("a") + End +  // a list, after the last
                            End + End;
  auto form = NewForm();
  ASSERT_EQ(ReadInto(form.get(), bytes), "");
  EXPECT_EQ(form->Left(), 5);
  EXPECT_EQ(form->Top(), 7);
  EXPECT_EQ(WriteBinary(form.get()), bytes);
}

// Another version orders properties its own way and writes some that equal
// their defaults: the properties come back as the stream held them, and one set
// after reading follows the property written before it.
TEST(Filer, PropertiesComeBackInTheOrderReadWithTheDefaultsTheStreamHeld) {
  const std::string top = S("Top") + Int8(7);
  const std::string bytes = "TPF0" + S("TTestForm") + S("Form1") + top + S("Left") + Int8(5) +
                            S("Visible") + "\x09" +                                // at its default
                            S("Font.Style") + "\x0B" + End + S("Font.Name") + "\x06" + S("Sans") +
                            S("Font.Color") + Int8(0) + S("Font.Size") + Int8(8) +  //
                            S("Constraints.MinWidth") + Int8(20) +                  // a sub-object not published
                            S("Items") + "\x0E" + "\x01" + S("Width") + Int8(50) + S("Caption") + "\x06" + S("a") +
                            End + End + End + End;
  auto form = NewForm();
  ASSERT_EQ(ReadInto(form.get(), bytes), "");
  EXPECT_EQ(form->Left(), 5);
  EXPECT_EQ(form->Items()->Count(), 1);
  EXPECT_EQ(WriteBinary(form.get()), bytes);

  form->SetCaption("Hi");
  form->SetVisible(false);
  std::string expected = bytes;
  expected.insert(expected.find(top) + top.size(), S("Caption") + "\x06" + S("Hi"));
  expected.replace(expected.find(S("Visible") + "\x09"), 9, S("Visible") + "\x08");
  EXPECT_EQ(WriteBinary(form.get()), expected);

  // A form made here is written in declaration order, its defaults left out.
  auto made = NewForm();
  made->SetName("Form1");
  made->SetTop(7);
  made->SetLeft(5);
  const std::string fresh = WriteBinary(made.get());
  EXPECT_LT(fresh.find(S("Left")), fresh.find(S("Top")));
  EXPECT_EQ(fresh.find(S("Visible")), std::string::npos);
}

// A later version's name for a value (an alignment, a colour, a style this one
// lacks) leaves the property as it was and is kept; it is written back while the
// property keeps that value, and gives way to a value set since.
TEST(Filer, ValuesNamedByLaterVersionsAreKeptUntilTheirPropertyChanges) {
  const std::string align = S("Align") + "\x07" + S("taCustom");
  const std::string bytes = "TPF0" + S("TTestForm") + S("Form1") + S("Left") + Int8(5) + S("Top") + Int8(0) + align +
                            S("Color") + "\x07" + S("clCream") +  //
                            S("Font.Color") + Int8(0) + S("Font.Name") + "\x06" + S("Sans") + S("Font.Size") + Int8(8) +
                            S("Font.Style") + "\x0B" + S("tsBold") + S("tsShadow") + End +  //
                            S("Items") + "\x0E" + End + End + End;
  auto form = NewForm();
  ASSERT_EQ(ReadInto(form.get(), bytes), "");
  EXPECT_EQ(form->Align(), taNone);
  EXPECT_EQ(form->Font()->FontName(), "Sans");
  EXPECT_EQ(WriteBinary(form.get()), bytes);

  form->SetAlign(taClient);
  std::string expected = bytes;
  expected.replace(expected.find(align), align.size(), S("Align") + "\x07" + S("taClient"));
  EXPECT_EQ(WriteBinary(form.get()), expected);
}

// Values a later version wrote in its own types are read, and written back in
// those types while they keep their values.
TEST(Filer, LaterVersionsValueTypesAreReadAndWrittenBackAsTheyWere) {
  const auto length = [](uint32_t n) { return std::string(reinterpret_cast<const char*>(&n), 4); };
  const std::string caption = S("Caption") + "\x14" + length(9) + "Caf\xC3\xA9 \xE2\x82\xAC";  // UTF-8
  const std::string bytes = "TPF0" + S("TTestForm") + S("Form1") +                                     //
                            S("Left") + "\x13" + Int64Bytes(5) + S("Top") + Int8(0) + caption +        //
                            S("Ratio") + "\x0F" + SingleBytes(1.5) +                                   //
                            S("Font.Color") + Int8(0) + S("Font.Name") + "\x12" + length(4) + std::string("S\0a\0n\0s\0", 8) +
                            S("Font.Size") + Int8(8) + S("Font.Style") + "\x0B" + End +               //
                            S("Items") + "\x0E" + End + S("Stamp") + "\x11" + DoubleBytes(45000.25) + End + End;
  auto form = NewForm();
  ASSERT_EQ(ReadInto(form.get(), bytes), "");
  EXPECT_EQ(form->Left(), 5);
  EXPECT_EQ(form->Caption(), "Caf\xE9 \x80");
  EXPECT_EQ(form->Ratio(), 1.5);
  EXPECT_EQ(form->Font()->FontName(), "Sans");
  EXPECT_EQ(WriteBinary(form.get()), bytes);

  // A changed value is written as Delphi 3 writes it; the others stay as read.
  form->SetCaption("New");
  std::string expected = bytes;
  expected.replace(expected.find(caption), caption.size(), S("Caption") + "\x06" + S("New"));
  EXPECT_EQ(WriteBinary(form.get()), expected);

  // A type the property cannot take is named in the error.
  std::string wrong = bytes;
  wrong.replace(wrong.find(S("Top") + Int8(0)), 5, S("Top") + "\x12" + length(1) + std::string("1\0", 2));
  EXPECT_EQ(ReadInto(NewForm().get(), wrong), "Error reading Form1.Top: Invalid property value: vaWString cannot be an integer");
}

TEST(Filer, ComponentRecordsReadIntoAnotherOwnerWithNewNames) {
  auto source = RichForm();
  TMemoryStream clip;
  {
    TWriter writer(clip);
    writer.SetRoot(source.get());
    for (const char* name : {"Button1", "Timer1"}) {
      writer.WriteSignature();
      writer.WriteComponent(source->FindComponent(name));
    }
    writer.WriteListEnd();
  }
  auto target = NewForm();
  new TTestControl(target.get());
  target->Components(0)->SetName("Button1");
  clip.SetPosition(0);
  TReader reader(clip);
  int counter = 0;
  reader.OnSetName = [&](TReader&, TComponent* c, std::string& name) {
    name = c->ClassName().substr(5) + std::to_string(++counter + 1);
  };
  std::vector<TComponent*> read;
  reader.ReadComponents(target.get(), target.get(), [&](TComponent* c) { read.push_back(c); });
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0]->Name(), "Control2");
  EXPECT_EQ(read[1]->Name(), "Timer3");
  EXPECT_EQ(read[0]->Owner(), target.get());
  EXPECT_EQ(static_cast<TTestControl*>(read[0])->Parent(), target.get());
  EXPECT_EQ(static_cast<TTestControl*>(read[0])->Left(), -300);
}

TEST(Filer, ResourceFormCarriesTheUpperCasedNameAndLength) {
  auto form = RichForm();
  TMemoryStream stream;
  stream.WriteComponentRes("Unit1.dfm", form.get());
  const std::string bytes(stream.View());
  const std::string header = std::string("\xff\x0a\x00", 3) + "UNIT1.DFM" + std::string("\x00\x30\x10", 3);
  ASSERT_EQ(bytes.substr(0, header.size()), header);
  const std::string data = WriteBinary(form.get());
  const auto length = static_cast<uint32_t>(data.size());
  EXPECT_EQ(bytes.substr(header.size(), 4), std::string(reinterpret_cast<const char*>(&length), 4));
  EXPECT_EQ(bytes.substr(header.size() + 4), data);

  auto copy = NewForm();
  stream.SetPosition(0);
  stream.ReadComponentRes(copy.get());
  EXPECT_EQ(WriteBinary(copy.get()), data);
}

TEST(Filer, DamagedStreamsFailCleanly) {
  const std::string bytes = WriteBinary(RichForm().get());
  // Every truncation is an error, never a crash or a half-made component left behind.
  for (size_t n = 0; n < bytes.size(); ++n) {
    TStringStream stream(bytes.substr(0, n));
    EXPECT_THROW(stream.ReadComponent(nullptr), Exception) << "prefix " << n;
  }
  // Deeply nested lists and absurd lengths are refused without exhausting anything.
  const std::string head = "TPF0" + S("TTestForm") + S("Form1");
  auto form = NewForm();
  EXPECT_NE(ReadInto(form.get(), head + S("Caption") + std::string(100000, '\x01')), "");
  form = NewForm();
  EXPECT_NE(ReadInto(form.get(), head + S("Caption") + std::string("\x0c\xff\xff\xff\x7f", 5) + "abc"), "");
  form = NewForm();
  EXPECT_EQ(ReadInto(form.get(), "TPF1" + S("TTestForm")), "Invalid stream format");
  form = NewForm();
  EXPECT_NE(ReadInto(form.get(), head + S("Left") + "\x63"), "");  // no such value type
}
