#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kcl/classes/testclasses.h"
#include "kcl/rtl/exceptions.h"

using namespace kcl;
using namespace testing_classes;

namespace {

// Counts how many of its kind are alive, to see what an owner frees.
class TCounted : public TComponent {
public:
  explicit TCounted(TComponent* owner) : TComponent(owner) { ++Alive; }
  ~TCounted() override { --Alive; }
  static inline int Alive = 0;
};

std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& e) {
    return e.Message();
  }
  return "(no exception)";
}

}  // namespace

TEST(Component, NamesAreValidatedAndUniqueWithinTheOwnerIgnoringCase) {
  TTestForm form(nullptr);
  auto* a = new TTestControl(&form);
  auto* b = new TTestControl(&form);
  a->SetName("Button1");
  EXPECT_EQ(MessageOf([&] { b->SetName("BUTTON1"); }), "A component named BUTTON1 already exists");
  EXPECT_EQ(MessageOf([&] { b->SetName("1abc"); }), "'1abc' is not a valid component name");
  EXPECT_EQ(MessageOf([&] { b->SetName("a b"); }), "'a b' is not a valid component name");
  EXPECT_EQ(b->Name(), "");
  a->SetName("button1");  // only the case changes: allowed
  EXPECT_EQ(a->Name(), "button1");
  b->SetName("Button2");
  EXPECT_EQ(form.FindComponent("BUTTON2"), b);
  EXPECT_EQ(form.FindComponent(""), nullptr);
  EXPECT_EQ(form.FindComponent("Nothing"), nullptr);
  // A component without owner may take any valid name.
  TTestControl lone(nullptr);
  lone.SetName("Button2");
  EXPECT_EQ(lone.Name(), "Button2");
}

// An owner of many components finds them through an index that follows every
// arrival, departure and new name.
TEST(Component, AnOwnerOfManyFindsThemByNameAsTheyComeGoAndAreRenamed) {
  TTestForm form(nullptr);
  std::vector<TComponent*> owned;
  for (int i = 1; i <= 200; ++i) {
    owned.push_back(new TCounted(&form));
    owned.back()->SetName("Thing" + std::to_string(i));
  }
  EXPECT_EQ(form.FindComponent("thing150"), owned[149]);
  owned[149]->SetName("Renamed");
  EXPECT_EQ(form.FindComponent("Thing150"), nullptr);
  EXPECT_EQ(form.FindComponent("RENAMED"), owned[149]);
  EXPECT_EQ(MessageOf([&] { owned[0]->SetName("renamed"); }), "A component named renamed already exists");
  auto* late = new TCounted(&form);
  late->SetName("Thing150");
  EXPECT_EQ(form.FindComponent("Thing150"), late);
  owned[9]->Free();
  EXPECT_EQ(form.FindComponent("Thing10"), nullptr);
  EXPECT_EQ(form.FindComponent("Thing11"), owned[10]);
  form.RemoveComponent(owned[10]);
  EXPECT_EQ(form.FindComponent("Thing11"), nullptr);
  owned[10]->Free();
}

TEST(Component, OwnerKeepsOrderAndFreesWhatItOwns) {
  TCounted::Alive = 0;
  auto* owner = new TComponent(nullptr);
  auto* first = new TCounted(owner);
  auto* second = new TCounted(owner);
  new TCounted(second);  // owned in turn
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->Components(0), first);
  EXPECT_EQ(second->ComponentIndex(), 1);
  second->SetComponentIndex(0);
  EXPECT_EQ(owner->Components(0), second);
  EXPECT_THROW(owner->Components(2), EListError);

  first->Free();
  EXPECT_EQ(owner->ComponentCount(), 1);
  EXPECT_EQ(TCounted::Alive, 2);
  owner->Free();
  EXPECT_EQ(TCounted::Alive, 0);
}

TEST(Component, NotificationsReachOwnerSiblingsAndFreeNotifiers) {
  TTestForm form(nullptr);
  auto* target = new TTestControl(&form);
  auto* watcher = new TTestControl(&form);
  watcher->SetBuddy(target);
  target->Free();  // a sibling hears of it through the owner
  EXPECT_EQ(watcher->Buddy(), nullptr);

  TTestForm other(nullptr);
  auto* far = new TTestControl(&other);
  watcher->SetBuddy(far);  // another owner: through FreeNotification
  far->Free();
  EXPECT_EQ(watcher->Buddy(), nullptr);

  // Deleting directly (not through Free) still leaves the owner cleanly.
  auto* direct = new TTestControl(&form);
  delete direct;
  EXPECT_EQ(form.ComponentCount(), 1);
}

TEST(Component, PublishedFieldFollowsTheComponentOfThatName) {
  TTestForm form(nullptr);
  auto* button = new TTestControl(&form);
  EXPECT_EQ(form.Button1, nullptr);
  button->SetName("Button1");
  EXPECT_EQ(form.Button1, button);
  button->SetName("Other");
  EXPECT_EQ(form.Button1, nullptr);
  button->SetName("button1");
  EXPECT_EQ(form.Button1, button);
  button->Free();
  EXPECT_EQ(form.Button1, nullptr);
}

TEST(Component, DesignStateReachesEverythingOwnedIncludingLaterArrivals) {
  TTestForm form(nullptr);
  auto* before = new TTestControl(&form);
  form.SetDesigning(true);
  auto* after = new TTestControl(&form);
  EXPECT_TRUE(form.IsDesigning());
  EXPECT_TRUE(before->ComponentState().Contains(csDesigning));
  EXPECT_TRUE(after->IsDesigning());
  form.SetDesigning(false);
  EXPECT_FALSE(after->IsDesigning());
}

TEST(Component, EventsCallPublishedMethodsBoundByIdentity) {
  TTestForm form(nullptr);
  TTestControl button(nullptr);
  const TMethodEntry* click = form.MethodAddress("button1click");
  ASSERT_NE(click, nullptr);
  EXPECT_EQ(form.MethodName(click), "Button1Click");
  button.OnClick.SetMethod({click, &form});
  button.OnClick(&button);
  ASSERT_EQ(form.Clicks.size(), 1u);
  EXPECT_EQ(form.Clicks[0], &button);

  // A method of another signature gives an identity but no handler.
  button.OnClick.SetMethod({form.MethodAddress("FormMouseMove"), &form});
  EXPECT_TRUE(button.OnClick.Assigned());
  EXPECT_FALSE(static_cast<bool>(button.OnClick));
  button.OnClick(&button);
  EXPECT_EQ(form.Clicks.size(), 1u);

  button.OnMouseMove.SetMethod({form.MethodAddress("FormMouseMove"), &form});
  button.OnMouseMove(&button, 3, 4);
  EXPECT_EQ(form.LastX, 3);
  EXPECT_EQ(form.LastY, 4);
}

TEST(Collection, ItemsAreOwnedIndexedAndAssigned) {
  TTestControl control(nullptr);
  TTestItems& items = *control.Items();
  auto* a = static_cast<TTestItem*>(items.Add());
  auto* b = static_cast<TTestItem*>(items.Add());
  a->SetCaption("a");
  b->SetCaption("b");
  EXPECT_EQ(b->Index(), 1);
  EXPECT_NE(a->ID(), b->ID());
  b->SetIndex(0);
  EXPECT_EQ(items.Items(0), b);
  EXPECT_EQ(items.FindItemID(a->ID()), a);
  EXPECT_EQ(items.PropName(), "Items");

  TTestControl copy(nullptr);
  copy.Items()->Assign(&items);
  ASSERT_EQ(copy.Items()->Count(), 2);
  EXPECT_EQ(static_cast<TTestItem*>(copy.Items()->Items(0))->Caption(), "b");

  const int updates = items.Updates;
  items.BeginUpdate();
  items.Add();
  items.Delete(0);
  EXPECT_EQ(items.Updates, updates);
  items.EndUpdate();
  EXPECT_EQ(items.Updates, updates + 1);
  EXPECT_EQ(items.Count(), 2);
  EXPECT_THROW(items.Items(5), EListError);
  delete items.Items(0);  // an item deleted directly leaves its collection
  EXPECT_EQ(items.Count(), 1);
}

TEST(Persistent, AssignBetweenUnrelatedClassesIsRefused) {
  TTestFont font;
  TTestItems items(nullptr);
  EXPECT_EQ(MessageOf([&] { font.Assign(&items); }), "Cannot assign a TTestItems to a TTestFont");
  EXPECT_EQ(MessageOf([&] { font.Assign(nullptr); }), "Cannot assign a nil to a TTestFont");
}
