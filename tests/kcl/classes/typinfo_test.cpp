#include <gtest/gtest.h>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/testclasses.h"
#include "kcl/classes/typinfo.h"
#include "kcl/rtl/exceptions.h"

using namespace kcl;
using namespace testing_classes;

namespace {

std::vector<std::string> Names(const TPropList& list) {
  std::vector<std::string> names;
  for (PPropInfo p : list) names.push_back(p->Name);
  return names;
}

// A property stored as a predicate on the instance says.
class TStoredProbe : public TPersistent {
  KCL_CLASS(TStoredProbe, TPersistent)
public:
  int Value() const { return FValue; }
  void SetValue(int v) { FValue = v; }
  bool Keep = false;

private:
  int FValue = 5;
};

KCL_CLASS_INFO(TStoredProbe) {
  cls.property("Value", &TStoredProbe::Value, &TStoredProbe::SetValue).Stored([](const TObject* o) {
    return static_cast<const TStoredProbe*>(o)->Keep;
  });
}

// A base that declares what its descendants publish by name, as the framework's
// controls do with their standard properties and events.
class TDeclaringBase : public TComponent {
  KCL_CLASS(TDeclaringBase, TComponent)
public:
  using TComponent::TComponent;
  int Width() const { return FWidth; }
  void SetWidth(int v) { FWidth = v; }
  std::string Caption() const { return FCaption; }
  void SetCaption(const std::string& v) { FCaption = v; }
  bool ParentCaption() const { return FParentCaption; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v) { FEnabled = v; }
  TNotifyEvent OnClick;
  bool FParentCaption = false;

private:
  int FWidth = 0;
  std::string FCaption;
  bool FEnabled = true;
};

KCL_CLASS_INFO(TDeclaringBase) {
  using T = TDeclaringBase;
  cls.property("Width", &T::Width, &T::SetWidth);
  auto declared = cls.unpublished();
  declared.property("Caption", &T::Caption, &T::SetCaption).Stored([](const TObject* o) {
    return !static_cast<const T*>(o)->ParentCaption();
  });
  declared.property("Enabled", &T::Enabled, &T::SetEnabled).Default(true);
  declared.event("OnClick", &T::OnClick, TNotifyEventType());
}

class TPublishingChild : public TDeclaringBase {
  KCL_CLASS(TPublishingChild, TDeclaringBase)
public:
  using TDeclaringBase::TDeclaringBase;
  int Tab() const { return FTab; }
  void SetTab(int v) { FTab = v; }

private:
  int FTab = 0;
};

KCL_CLASS_INFO(TPublishingChild) {
  cls.publish({"OnClick", "Enabled"});
  cls.property("Tab", &TPublishingChild::Tab, &TPublishingChild::SetTab);
  cls.publish({"Caption"});
}

// Publishes a name that no ancestor declares.
class TMisspeltChild : public TDeclaringBase {
  KCL_CLASS(TMisspeltChild, TDeclaringBase)
public:
  using TDeclaringBase::TDeclaringBase;
};

KCL_CLASS_INFO(TMisspeltChild) { cls.publish({"Enabled", "Captoin"}); }

}  // namespace

TEST(TypInfo, PropListIsSortedByNameIgnoringCaseAndFilteredByKind) {
  TClass cls = &TTestControl::StaticClass();
  EXPECT_EQ(Names(GetPropList(cls, tkProperties)),
            (std::vector<std::string>{"Align", "Buddy", "Caption", "Color", "Font", "Items", "Left", "Letter", "Lines",
                                      "Name", "Ratio", "Tag", "Top", "Visible"}));
  EXPECT_EQ(Names(GetPropList(cls, tkMethods)), (std::vector<std::string>{"OnClick", "OnMouseMove"}));
  EXPECT_EQ(GetPropCount(cls, KindBit(tkEnumeration)), 2);  // Align, Visible
  // Declaration order, ancestors first, is what the writer follows.
  EXPECT_EQ(Names(GetPropInfos(cls)).front(), "Name");
  EXPECT_EQ(Names(GetPropInfos(cls))[2], "Left");
}

TEST(TypInfo, TypeDataDescribesEveryKind) {
  TClass cls = &TTestControl::StaticClass();
  const TTypeInfo* align = GetPropInfo(cls, "align")->PropType;
  EXPECT_EQ(align->Kind, tkEnumeration);
  EXPECT_EQ(align->Name, "TTestAlign");
  EXPECT_EQ(GetEnumName(align, 2), "taBottom");
  EXPECT_EQ(GetEnumName(align, 9), "");
  EXPECT_EQ(GetEnumValue(align, "TACLIENT"), 3);
  EXPECT_EQ(GetEnumValue(align, "taLeft"), -1);
  EXPECT_EQ(GetTypeData(align)->MaxValue, 3);

  EXPECT_EQ(GetPropInfo(cls, "Visible")->PropType->Name, "Boolean");
  EXPECT_EQ(GetPropInfo(cls, "Letter")->PropType->Kind, tkChar);
  EXPECT_EQ(GetPropInfo(cls, "Ratio")->PropType->Kind, tkFloat);
  EXPECT_EQ(GetPropInfo(cls, "Caption")->PropType->Kind, tkLString);
  EXPECT_EQ(GetPropInfo(cls, "Color")->PropType->Name, "TTestColor");

  const TTypeInfo* style = GetPropInfo(&TTestFont::StaticClass(), "Style")->PropType;
  EXPECT_EQ(style->Kind, tkSet);
  EXPECT_EQ(style->Name, "TTestStyles");
  EXPECT_EQ(GetTypeData(style)->CompType->Name, "TTestStyle");

  const TTypeInfo* font = GetPropInfo(cls, "Font")->PropType;
  EXPECT_EQ(font->Kind, tkClass);
  EXPECT_EQ(GetTypeData(font)->ClassType, &TTestFont::StaticClass());
  EXPECT_EQ(GetTypeData(font)->ParentInfo()->Name, "TPersistent");
  EXPECT_EQ(GetTypeData(font)->PropCount(), 4);

  const TTypeData* move = GetTypeData(GetPropInfo(cls, "OnMouseMove")->PropType);
  EXPECT_EQ(move->MethodKind, mkProcedure);
  ASSERT_EQ(move->Params.size(), 3u);
  EXPECT_EQ(move->Params[1].ParamName, "X");
  EXPECT_EQ(move->Params[1].TypeName, "Integer");
}

TEST(TypInfo, AccessorsReadAndWriteInstances) {
  TTestControl c(nullptr);
  TClass cls = c.ClassType();
  SetOrdProp(&c, GetPropInfo(cls, "Left"), 42);
  SetOrdProp(&c, GetPropInfo(cls, "Align"), taClient);
  SetOrdProp(&c, GetPropInfo(cls, "Visible"), 0);
  SetStrProp(&c, GetPropInfo(cls, "Caption"), "caf\xe9");
  SetFloatProp(&c, GetPropInfo(cls, "Ratio"), 2.5);
  EXPECT_EQ(c.Left(), 42);
  EXPECT_EQ(c.Align(), taClient);
  EXPECT_FALSE(c.Visible());
  EXPECT_EQ(c.Caption(), "caf\xe9");
  EXPECT_EQ(GetFloatProp(&c, GetPropInfo(cls, "Ratio")), 2.5);
  EXPECT_EQ(GetObjectProp(&c, GetPropInfo(cls, "Font")), c.Font());

  c.Font()->SetStyle({tsBold, tsUnderline});
  EXPECT_EQ(GetOrdProp(c.Font(), GetPropInfo(c.Font(), "Style")), 0b101);

  // A component of the wrong class cannot be put into a typed property.
  TTestTimer timer(nullptr);
  EXPECT_THROW(SetObjectProp(&c, GetPropInfo(cls, "Buddy"), &timer), EPropertyError);
  // Name is read-write but not stored; Tag has its default.
  EXPECT_FALSE(IsStoredProp(&c, GetPropInfo(cls, "Name")));
  EXPECT_EQ(GetPropInfo(cls, "Tag")->Default, 0);
}

TEST(TypInfo, RepublishedPropertyKeepsItsPlaceWithANewDefault) {
  TClass hidden = &TTestHidden::StaticClass();
  PPropInfo visible = GetPropInfo(hidden, "Visible");
  EXPECT_EQ(visible->Default, 0);
  EXPECT_EQ(GetPropInfo(&TTestControl::StaticClass(), "Visible")->Default, 1);
  EXPECT_EQ(Names(GetPropInfos(hidden)), Names(GetPropInfos(&TTestControl::StaticClass())));
}

TEST(TypInfo, RuntimeClassTakesParentsPropertiesUnderANewName) {
  TClass design = TClassInfo::CreateRuntimeClass("TForm1", &TTestForm::StaticClass());
  EXPECT_EQ(design->ClassName(), "TForm1");
  EXPECT_TRUE(design->InheritsFrom(&TTestControl::StaticClass()));
  EXPECT_TRUE(design->InheritsFrom("ttestform"));
  EXPECT_EQ(GetPropCount(design, tkProperties), GetPropCount(&TTestForm::StaticClass(), tkProperties));

  TTestForm form(nullptr);
  form.SetClassType(design);
  EXPECT_EQ(form.ClassName(), "TForm1");
  EXPECT_NE(GetPropInfo(&form, "Caption"), nullptr);
  std::unique_ptr<TObject> made(design->NewInstance(nullptr));
  EXPECT_NE(dynamic_cast<TTestForm*>(made.get()), nullptr);
}

TEST(TypInfo, ClassRegistryFindsByNameIgnoringCase) {
  RegisterTestClasses();
  RegisterTestClasses();  // twice is harmless
  EXPECT_EQ(FindClass("ttestcontrol"), &TTestControl::StaticClass());
  EXPECT_EQ(GetClass("TNoSuchThing"), nullptr);
  try {
    FindClass("TNoSuchThing");
    FAIL();
  } catch (const EClassNotFound& e) {
    EXPECT_STREQ(e.what(), "Class TNoSuchThing not found");
  }
}

TEST(TypInfo, StoredTakesAPredicateOnTheInstance) {
  TStoredProbe probe;
  PPropInfo prop = GetPropInfo(&probe, "Value");
  ASSERT_NE(prop, nullptr);
  EXPECT_FALSE(IsStoredProp(&probe, prop));
  probe.Keep = true;
  EXPECT_TRUE(IsStoredProp(&probe, prop));
}

TEST(TypInfo, DeclaredPropertiesArePublishedByNameInTheDescendantsOrder) {
  TClass base = &TDeclaringBase::StaticClass();
  EXPECT_EQ(Names(GetPropInfos(base)), (std::vector<std::string>{"Name", "Tag", "Width"}));
  EXPECT_EQ(GetPropInfo(base, "Caption"), nullptr);

  TClass child = &TPublishingChild::StaticClass();
  EXPECT_EQ(Names(GetPropInfos(child)),
            (std::vector<std::string>{"Name", "Tag", "Width", "OnClick", "Enabled", "Tab", "Caption"}));
  // The declaration's type, default and stored rule come along.
  EXPECT_EQ(GetPropInfo(child, "Enabled")->Default, 1);
  EXPECT_EQ(GetPropInfo(child, "OnClick")->PropType, TNotifyEventType());
  TPublishingChild c(nullptr);
  SetStrProp(&c, GetPropInfo(child, "Caption"), "OK");
  EXPECT_EQ(c.Caption(), "OK");
  EXPECT_TRUE(IsStoredProp(&c, GetPropInfo(child, "Caption")));
  c.FParentCaption = true;
  EXPECT_FALSE(IsStoredProp(&c, GetPropInfo(child, "Caption")));
}

TEST(TypInfo, PublishingANameNoAncestorDeclaresFailsWhenTheClassDescribesItself) {
  try {
    TMisspeltChild::StaticClass();
    FAIL() << "a misspelt name was published";
  } catch (const std::logic_error& e) {
    EXPECT_NE(std::string(e.what()).find("Captoin"), std::string::npos) << e.what();
  }
}

TEST(TypInfo, ClassRegistryRefusesAnotherClassOfATakenName) {
  RegisterTestClasses();
  TClass impostor = TClassInfo::CreateRuntimeClass("TTestControl", &TTestControl::StaticClass());
  try {
    RegisterClass(impostor);
    FAIL() << "a second class was registered under a taken name";
  } catch (const EFilerError& e) {
    EXPECT_STREQ(e.what(), "A class named TTestControl already exists");
  }
  EXPECT_EQ(FindClass("TTestControl"), &TTestControl::StaticClass());
  RegisterClass(&TTestControl::StaticClass());  // the same class again is harmless
  EXPECT_EQ(FindClass("TTestControl"), &TTestControl::StaticClass());
}
