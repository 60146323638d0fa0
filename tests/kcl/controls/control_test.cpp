#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "kcl/classes/classbuilder.h"
#include "kcl/controls/form.h"
#include "kcl/controls/menus.h"
#include "kcl/controls/modal.h"
#include "kcl/controls/designer.h"
#include "support/formtext.h"
#include "support/testform.h"

using namespace kcl;
using korvax::test::FormPtr;

namespace {

// A windowless control, as labels and shapes are.
class TPlainGraphic : public TControl {
  KCL_CLASS(TPlainGraphic, TControl)
public:
  using TControl::TControl;
};

class TPlainWin : public TWinControl {
  KCL_CLASS(TPlainWin, TWinControl)
public:
  using TWinControl::TWinControl;
};

class TLayoutForm : public TForm {
  KCL_CLASS(TLayoutForm, TForm)
public:
  using TForm::TForm;
  TPlainWin* Panel1 = nullptr;
  int Clicks = 0;
  void FormClick(TObject*) { ++Clicks; }
};

class TRecordingDesigner : public TDesigner {
public:
  bool IsDesignMsg(TControl* sender, TMessage& message) override {
    if (message.Msg < WM_KEYDOWN) return false;
    Seen.push_back({sender, message.Msg, MouseX(message), MouseY(message)});
    return true;
  }
  void Modified() override {}
  void Notification(TComponent*, TOperation) override {}
  void PaintGrid() override {}
  void ValidateRename(TComponent*, const std::string&, const std::string&) override {}
  struct Seen_ {
    TControl* Sender;
    uint32_t Msg;
    int X, Y;
  };
  std::vector<Seen_> Seen;
};

TPlainWin* Child(TWinControl* parent, int l, int t, int w, int h, TAlign align = alNone) {
  auto* c = new TPlainWin(parent->Owner() ? parent->Owner() : parent);
  c->SetBounds(l, t, w, h);
  c->SetParent(parent);
  c->SetAlign(align);
  return c;
}

}  // namespace

KCL_CLASS_INFO(TPlainGraphic) {}
KCL_CLASS_INFO(TPlainWin) {
  cls.property("Align", &TPlainWin::Align, &TPlainWin::SetAlign).Default(alNone);
  cls.property("TabOrder", &TPlainWin::TabOrder, &TPlainWin::SetTabOrder).Default(-1);
}
KCL_CLASS_INFO(TLayoutForm) {
  cls.property("Caption", &TLayoutForm::Caption, &TLayoutForm::SetCaption, TCaptionType());
  cls.event("OnClick", &TLayoutForm::OnClick, TNotifyEventType());
  cls.field("Panel1", &TLayoutForm::Panel1);
  cls.method("FormClick", &TLayoutForm::FormClick);
}

TEST(Controls, FormClientAreaExcludesTheFrame) {
  FormPtr form(new TForm(nullptr));
  form->SetBounds(10, 20, 300, 200);
  EXPECT_EQ(form->ClientWidth(), 292);
  EXPECT_EQ(form->ClientHeight(), 173);
  form->SetBorderStyle(bsDialog);
  EXPECT_EQ(form->ClientWidth(), 294);
  form->SetClientHeight(100);
  EXPECT_EQ(form->Height(), 125);
  EXPECT_EQ(form->ClientOrigin(), (TPoint{13, 42}));
}

TEST(Controls, AlignLaysOutTopBottomLeftRightThenClient) {
  FormPtr form(new TForm(nullptr));
  form->SetBounds(0, 0, 208, 127);  // client 200 x 100
  TPlainWin* client = Child(form.get(), 0, 0, 10, 10, alClient);
  TPlainWin* right = Child(form.get(), 0, 0, 40, 10, alRight);
  TPlainWin* top2 = Child(form.get(), 0, 50, 10, 15, alTop);
  TPlainWin* top1 = Child(form.get(), 0, 5, 10, 30, alTop);
  TPlainWin* bottom = Child(form.get(), 0, 0, 10, 20, alBottom);
  TPlainWin* left = Child(form.get(), 0, 0, 50, 10, alLeft);
  // top2 was already in place at the top when top1 came: top1 goes below it.
  EXPECT_EQ(top2->BoundsRect(), Bounds(0, 0, 200, 15));
  EXPECT_EQ(top1->BoundsRect(), Bounds(0, 15, 200, 30));
  EXPECT_EQ(bottom->BoundsRect(), Bounds(0, 80, 200, 20));
  EXPECT_EQ(left->BoundsRect(), Bounds(0, 45, 50, 35));
  EXPECT_EQ(right->BoundsRect(), Bounds(160, 45, 40, 35));
  EXPECT_EQ(client->BoundsRect(), Bounds(50, 45, 110, 35));
  // The layout follows the parent's size, and hidden controls leave their place.
  form->SetClientWidth(300);
  EXPECT_EQ(client->Width(), 210);
  top2->SetVisible(false);
  EXPECT_EQ(top1->Top(), 0);
  EXPECT_EQ(client->Top(), 30);
}

TEST(Controls, PeersFollowTheParentsFontAndColourUnlessTheyHaveTheirOwn) {
  FormPtr form(new TForm(nullptr));
  form->SetBounds(0, 0, 208, 127);
  form->HandleNeeded();
  TPlainWin* panel = Child(form.get(), 0, 0, 100, 50);
  TPlainWin* inherits = Child(panel, 0, 0, 10, 10);
  TPlainWin* own = Child(panel, 20, 0, 10, 10);
  // Its own font and colour start as the parent's: later changes of the parent's
  // must still pass it by.
  own->SetParentFont(false);
  own->SetParentColor(false);
  panel->Font()->SetName("Courier New");
  panel->Font()->SetColor(clRed);
  panel->SetColor(clYellow);
  EXPECT_EQ(inherits->Widget()->font().family(), "Courier New");
  EXPECT_EQ(inherits->Widget()->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_EQ(inherits->Widget()->palette().color(QPalette::Window), QColor(Qt::yellow));
  EXPECT_NE(own->Widget()->font().family(), "Courier New");
  EXPECT_NE(own->Widget()->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_NE(own->Widget()->palette().color(QPalette::Window), QColor(Qt::yellow));
  // A control placed now starts with the parent's look.
  TPlainWin* late = Child(panel, 40, 0, 10, 10);
  EXPECT_EQ(late->Widget()->font().family(), "Courier New");
  EXPECT_EQ(late->Widget()->palette().color(QPalette::Window), QColor(Qt::yellow));
}

TEST(Controls, ChildrenStreamWindowlessFirstThenWindowedInZOrder) {
  FormPtr form(new TForm(nullptr));
  TPlainWin* a = Child(form.get(), 0, 0, 10, 10);
  auto* g = new TPlainGraphic(form.get());
  g->SetParent(form.get());
  TPlainWin* b = Child(form.get(), 0, 0, 10, 10);
  std::vector<TComponent*> order;
  form->GetChildren([&](TComponent* c) { order.push_back(c); }, form.get());
  EXPECT_EQ(order, (std::vector<TComponent*>{g, a, b}));
  a->BringToFront();
  EXPECT_EQ(form->Controls(2), a);
  EXPECT_EQ(b->TabOrder(), 1);
  b->SetTabOrder(0);
  EXPECT_EQ(a->TabOrder(), 1);
  // Freeing the parent frees the children, whoever owns them.
  TPlainWin* inner = Child(b, 0, 0, 5, 5);
  EXPECT_EQ(inner->Parent(), b);
  const int before = form->ComponentCount();
  b->Free();
  EXPECT_EQ(form->ComponentCount(), before - 2);
}

// Children are written in creation order, whatever their tab order: one read
// early may name a place that only a later sibling makes.
TEST(Controls, ReadChildrenTakeTheTabOrderTheFormFileGives) {
  RegisterClass(&TPlainWin::StaticClass());
  const auto tabOrders = [](const std::string& children) {
    FormPtr form(new TForm(nullptr));
    korvax::test::ReadText(form.get(), "object Form1: TForm\n" + children + "end\n");
    std::string orders;
    for (const char* name : {"A", "B", "C"})
      orders += std::to_string(static_cast<TWinControl*>(form->FindComponent(name))->TabOrder());
    return orders;
  };
  const auto child = [](const std::string& name, const std::string& props) {
    return "  object " + name + ": TPlainWin\n" + props + "  end\n";
  };
  EXPECT_EQ(tabOrders(child("A", "    TabOrder = 2\n") + child("B", "    TabOrder = 1\n") +
                      child("C", "    TabOrder = 0\n")),
            "210");
  EXPECT_EQ(tabOrders(child("A", "    TabOrder = 1\n") + child("B", "    TabOrder = 2\n") +
                      child("C", "    TabOrder = 0\n")),
            "120");
  // One without a tab order, or with one past the end, keeps the place it came to.
  EXPECT_EQ(tabOrders(child("A", "    TabOrder = 1\n") + child("B", "") + child("C", "    TabOrder = 0\n")),
            "120");
  EXPECT_EQ(tabOrders(child("A", "    TabOrder = 7\n") + child("B", "    TabOrder = 0\n") +
                      child("C", "    TabOrder = 1\n")),
            "201");
}

TEST(Controls, MouseInputReachesEventsWithClientCoordinates) {
  FormPtr form(new TForm(nullptr));
  form->SetBounds(0, 0, 300, 200);
  TPlainWin* panel = Child(form.get(), 20, 30, 100, 50);
  form->Show();
  std::vector<std::string> log;
  panel->OnMouseDown.SetHandler([&](TObject*, TMouseButton b, TShiftState s, int x, int y) {
    log.push_back("down " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y) +
                  (s.Contains(ssShift) ? " shift" : ""));
  });
  panel->OnMouseUp.SetHandler([&](TObject*, TMouseButton, TShiftState, int x, int y) {
    log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
  });
  QTest::mouseClick(panel->Widget(), Qt::LeftButton, Qt::ShiftModifier, QPoint(7, 9));
  EXPECT_EQ(log, (std::vector<std::string>{"down 0 7,9 shift", "up 7,9"}));
  // Standard events can be switched off, as the designer does for placed controls.
  panel->SetControlStyle(panel->ControlStyle() + TControlStyle{csNoStdEvents});
  QTest::mouseClick(panel->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
  EXPECT_EQ(log.size(), 2u);
}

TEST(Controls, DesignStateRoutesInputToTheFormsDesigner) {
  FormPtr form(new TForm(nullptr));
  form->SetBounds(0, 0, 300, 200);
  TRecordingDesigner designer;
  form->SetDesigner(&designer);
  TPlainWin* panel = Child(form.get(), 20, 30, 100, 50);
  panel->SetVisible(false);
  panel->SetDesigning(true);
  form->Show();
  EXPECT_TRUE(panel->Widget()->isVisible());  // invisible controls show while designed
  int downs = 0;
  panel->OnMouseDown.SetHandler([&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; });
  QTest::mouseClick(panel->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(4, 6));
  QTest::keyClick(panel->Widget(), Qt::Key_Delete);
  EXPECT_EQ(downs, 0);  // consumed by the designer
  ASSERT_EQ(designer.Seen.size(), 4u);
  EXPECT_EQ(designer.Seen[0].Msg, static_cast<uint32_t>(WM_LBUTTONDOWN));
  EXPECT_EQ(designer.Seen[0].Sender, panel);
  EXPECT_EQ(designer.Seen[0].X, 4);
  EXPECT_EQ(designer.Seen[0].Y, 6);
  EXPECT_EQ(designer.Seen[1].Msg, static_cast<uint32_t>(WM_LBUTTONUP));
  EXPECT_EQ(designer.Seen[2].Msg, static_cast<uint32_t>(WM_KEYDOWN));
  EXPECT_EQ(designer.Seen[3].Msg, static_cast<uint32_t>(WM_KEYUP));
  form->SetDesigner(nullptr);
}

TEST(Controls, PostedKeysArriveAfterTheCurrentHandler) {
  FormPtr form(new TForm(nullptr));
  TPlainWin* target = Child(form.get(), 0, 0, 50, 20);
  TPlainWin* source = Child(form.get(), 60, 0, 50, 20);
  std::vector<Word> keys;
  target->OnKeyDown.SetHandler([&](TObject*, Word& key, TShiftState) { keys.push_back(key); });
  bool seenInHandler = true;
  source->OnClick.SetHandler([&](TObject*) {
    target->PostMessage(WM_KEYDOWN, 'A', 0);
    seenInHandler = !keys.empty();
  });
  source->Click();
  EXPECT_FALSE(seenInHandler);
  QCoreApplication::processEvents();
  EXPECT_EQ(keys, std::vector<Word>{'A'});
}

TEST(Controls, ShowModalReturnsTheResultTheHookGives) {
  FormPtr form(new TForm(nullptr));
  SetModalHook([](TCustomForm& f) { f.SetModalResult(mrOk); });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_FALSE(form->Showing());
  SetModalHook([](TCustomForm&) {});
  EXPECT_EQ(form->ShowModal(), mrCancel);
  SetModalHook(nullptr);
}

TEST(Controls, FormBuildsItselfFromATextLayout) {
  RegisterClass(&TPlainWin::StaticClass());
  std::unique_ptr<TLayoutForm, TObjectFree> form(new TLayoutForm(nullptr));
  bool created = false;
  form->OnCreate.SetHandler([&](TObject*) { created = form->Panel1 != nullptr; });
  form->LoadFromLayout(
      "object MainForm: TLayoutForm\r\n"
      "  Left = 10\r\n  Top = 20\r\n  Width = 300\r\n  Height = 200\r\n"
      "  Caption = 'Main'\r\n  OnClick = FormClick\r\n"
      "  object Panel1: TPlainWin\r\n    Left = 0\r\n    Top = 0\r\n    Width = 10\r\n    Height = 40\r\n"
      "    Align = alTop\r\n  end\r\nend\r\n");
  EXPECT_TRUE(created);
  EXPECT_EQ(form->Name(), "MainForm");
  EXPECT_EQ(form->Window()->windowTitle(), "Main");
  ASSERT_NE(form->Panel1, nullptr);
  EXPECT_EQ(form->Panel1->Parent(), form.get());
  EXPECT_EQ(form->Panel1->Width(), form->ClientWidth());  // aligned once loading ended
  form->Click();
  EXPECT_EQ(form->Clicks, 1);
}

TEST(Controls, AMenuBarTakesItsRoomFromTheClientArea) {
  FormPtr form(new TForm(nullptr));
  form->SetBounds(0, 0, 435, 300);
  auto* menu = new TMainMenu(form.get());
  auto* item = new TMenuItem(form.get());
  item->SetCaption("&File");
  menu->Items()->Add(item);
  TPlainWin* client = Child(form.get(), 0, 0, 10, 10, alClient);
  form->SetMenu(menu);
  EXPECT_EQ(form->Height(), 300);
  EXPECT_EQ(form->ClientHeight(), 254);  // 300 - 2 x 4 frame - 19 caption - 19 menu
  EXPECT_EQ(client->Height(), 254);
  // The form writes its menu and other non-visual components after its controls.
  std::vector<TComponent*> order;
  form->GetChildren([&](TComponent* c) { order.push_back(c); }, form.get());
  EXPECT_EQ(order, (std::vector<TComponent*>{client, menu}));
  menu->Free();
  EXPECT_EQ(form->Menu(), nullptr);
  EXPECT_EQ(form->ClientHeight(), 273);
}
