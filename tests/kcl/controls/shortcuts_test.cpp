#include <gtest/gtest.h>

#include <QKeySequence>

#include "kcl/controls/keys.h"
#include "kcl/controls/shortcuts.h"

using namespace kcl;

TEST(ShortCuts, TextsBothWays) {
  const struct {
    TShortCut ShortCut;
    const char* Text;
  } table[] = {
      {static_cast<TShortCut>(scCtrl | 'S'), "Ctrl+S"},
      {static_cast<TShortCut>(scShift | scCtrl | (VK_F1 + 8)), "Shift+Ctrl+F9"},
      {VK_F1 + 8, "F9"},
      {VK_DELETE, "Del"},
      {VK_INSERT, "Ins"},
      {static_cast<TShortCut>(scAlt | VK_BACK), "Alt+BkSp"},
      {static_cast<TShortCut>(scCtrl | VK_RETURN), "Ctrl+Enter"},
      {32883, "Alt+F4"},
      {113, "F2"},
      {189, "-"},
      {static_cast<TShortCut>(scShift | VK_ESCAPE), "Shift+Esc"},
      {static_cast<TShortCut>(scCtrl | 0x60), "Ctrl+Num 0"},
      {static_cast<TShortCut>(scShift | scCtrl | scAlt | VK_PRIOR), "Shift+Ctrl+Alt+PgUp"},
      {static_cast<TShortCut>(scCtrl | '1'), "Ctrl+1"},
  };
  for (const auto& row : table) {
    EXPECT_EQ(ShortCutToText(row.ShortCut), row.Text);
    EXPECT_EQ(TextToShortCut(row.Text), row.ShortCut) << row.Text;
  }
  EXPECT_EQ(TextToShortCut("ctrl+s"), scCtrl | 'S');
  EXPECT_EQ(TextToShortCut("Alt+X"), 32856);
  for (const char* unknown : {"", "Ctrl+", "Ctrl+Foo", "Hyper+S", "S+"})
    EXPECT_EQ(TextToShortCut(unknown), 0) << unknown;
  EXPECT_EQ(ShortCutToText(0), "");
  EXPECT_EQ(ShortCutToText(scCtrl | 0x07), "");

  EXPECT_EQ(ShortCut('S', {ssCtrl, ssShift}), scCtrl | scShift | 'S');
  EXPECT_EQ(ShortCut(0x1FF, {ssCtrl}), scNone);
  Word key = 0;
  TShiftState shift;
  ShortCutToKey(scAlt | scShift | VK_F1, key, shift);
  EXPECT_EQ(key, VK_F1);
  EXPECT_EQ(shift, (TShiftState{ssAlt, ssShift}));
  EXPECT_EQ(ShortCutToKeySequence(scCtrl | 'S'), QKeySequence("Ctrl+S"));
  EXPECT_EQ(ShortCutToKeySequence(32883), QKeySequence("Alt+F4"));
}
