// The context menu of a right press on a design control.
#include <QMenu>
#include <QTest>
#include <utility>

#include "ide/designer/componentclipboard.h"
#include "ide/designer/formfiles.h"
#include "ide/designer/proxydesigner.h"
#include "kcl/components/stdctrls.h"
#include "kcl/controls/menus.h"
#include "kcl/desktop/clipboard.h"
#include "support/designform.h"

using namespace kcl;
using namespace korvax::designer;

namespace {

class ContextMenus : public korvax::test::DesignFormTest {
protected:
  void SetUp() override {
    DesignFormTest::SetUp();
    for (int i = 0; i < Clipboard().FormatCount(); ++i)
      if (const auto bytes = Clipboard().GetBuffer(Clipboard().Formats(i)))
        FClipboard.emplace_back(Clipboard().Formats(i), *bytes);
    Clipboard().SetAsText("no components");
  }
  void TearDown() override {
    Clipboard().Clear();
    Clipboard().Open();
    for (const auto& [format, bytes] : FClipboard) Clipboard().SetBuffer(format, bytes);
    Clipboard().Close();
    DesignFormTest::TearDown();
  }

  TControl* PlaceButton(int left, int top) {
    return static_cast<TControl*>(Designer()->CreateComponent(&TButton::StaticClass(), Form.get(), left, top, 0, 0));
  }
  void RightClick(TControl* on, int x, int y) {
    QCoreApplication::sendPostedEvents();
    const auto [widget, at] = PeerOf(on, x, y);
    QTest::mousePress(widget, Qt::RightButton, Qt::NoModifier, at);
    QTest::mouseRelease(widget, Qt::RightButton, Qt::NoModifier, at);
  }
  TMenuItem* Item(const char* name) const {
    return dynamic_cast<TMenuItem*>(Designer()->ContextMenu()->FindComponent(name));
  }
  // "Caption name" of every item, "(off)" after a disabled one.
  std::vector<std::string> Items() const {
    std::vector<std::string> items;
    TMenuItem* root = Designer()->ContextMenu()->Items();
    for (int i = 0; i < root->Count(); ++i) {
      const TMenuItem* item = root->Items(i);
      items.push_back(item->Caption() + " " + item->Name() + (item->Enabled() ? "" : " (off)"));
    }
    return items;
  }

private:
  std::vector<std::pair<uint32_t, std::string>> FClipboard;
};

TEST_F(ContextMenus, ARightPressOnAControlShowsTheMenuBuiltAnewLeavingTheSelection) {
  TControl* a = PlaceButton(10, 10);
  TControl* b = PlaceButton(100, 10);
  Press(a, 3, 3);
  Release(a, 3, 3);
  RightClick(Form.get(), 200, 150);
  EXPECT_EQ(Designer()->ContextMenu(), nullptr);  // the bare form has none

  const size_t edits = Log.Edits.size();
  RightClick(b, 5, 6);
  TPopupMenu* menu = Designer()->ContextMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->Name(), "ProxyPopupMenu1");
  EXPECT_EQ(menu->Owner(), Form.get());
  EXPECT_EQ(Items(), (std::vector<std::string>{"Cut pmCut", "Copy pmCopy", "Paste pmPaste (off)", "Delete pmDelete",
                                               "- pmSepa1", "Bring to Front pmFront", "Send to Back pmBack",
                                               "- pmSepa2", "Align... pmAlign", "Size... pmSize", "Scale... pmScale",
                                               "View as Text pmViewAsText"}));
  EXPECT_TRUE(menu->Menu()->isVisible());
  const TPoint at = b->ClientToScreen({5, 6});
  EXPECT_EQ(menu->Menu()->pos(), QPoint(at.X, at.Y));
  EXPECT_EQ(Designer()->Selection, std::vector<TControl*>{a});
  EXPECT_EQ(Form->CurrentControl, a);
  // The designer's own: never written, listed or given a field line.
  EXPECT_EQ(FormText(*Form).find("PopupMenu"), std::string::npos);
  EXPECT_EQ(Designer()->ComponentListEntries(),
            (std::vector<std::string>{"Form1:TForm", "Button1:TButton", "Button2:TButton"}));
  EXPECT_EQ(Log.Edits.size(), edits);

  Item("pmCopy")->Click();
  EXPECT_TRUE(ClipboardHasComponents());
  RightClick(a, 5, 5);
  EXPECT_EQ(Form->ComponentCount(), 3);  // the menu before is gone
  EXPECT_TRUE(Item("pmPaste")->Enabled());
  Item("pmPaste")->Click();
  EXPECT_EQ(Log.Edits.back().Kind, TDesignEditKind::Paste);
  EXPECT_NE(Form->FindComponent("Button3"), nullptr);
}

TEST_F(ContextMenus, ItemsActOnTheSelectionAndTheCurrentControlAndAskForTheDialogs) {
  TControl* a = PlaceButton(10, 10);
  TControl* b = PlaceButton(20, 20);
  Press(a, 3, 3);
  Release(a, 3, 3);
  RightClick(a, 5, 5);
  Log.Edits.clear();
  Item("pmFront")->Click();
  EXPECT_EQ(Form->Controls().back(), a);
  Item("pmBack")->Click();
  EXPECT_EQ(Form->Controls().front(), a);
  for (const char* name : {"pmAlign", "pmSize", "pmScale", "pmViewAsText"}) Item(name)->Click();
  EXPECT_EQ(Log.Commands, (std::vector<TDesignCommand>{TDesignCommand::Align, TDesignCommand::Size,
                                                       TDesignCommand::Scale, TDesignCommand::ViewAsText}));
  Item("pmDelete")->Click();
  EXPECT_EQ(Form->FindComponent("Button1"), nullptr);
  EXPECT_EQ(Designer()->Selection, std::vector<TControl*>{b});  // the one added last that is left
  Item("pmCut")->Click();
  EXPECT_EQ(Form->FindComponent("Button2"), nullptr);
  EXPECT_TRUE(ClipboardHasComponents());
  std::vector<TDesignEditKind> kinds;
  for (const TDesignEdit& edit : Log.Edits) kinds.push_back(edit.Kind);
  EXPECT_EQ(kinds, (std::vector<TDesignEditKind>{TDesignEditKind::ZOrder, TDesignEditKind::ZOrder,
                                                 TDesignEditKind::Delete, TDesignEditKind::Delete}));
}

}  // namespace
