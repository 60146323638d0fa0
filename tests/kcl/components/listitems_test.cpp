// A list view's items in the framework's binary layout, and data that does
// not hold together refused.
#include <gtest/gtest.h>

#include <string>

#include "kcl/classes/streams.h"
#include "kcl/components/listview.h"
#include "kcl/rtl/exceptions.h"

using namespace kcl;
using namespace std::string_literals;

namespace {

std::string Written(const TListItems& items) {
  TMemoryStream stream;
  items.WriteData(stream);
  return std::string(stream.View());
}

void ReadInto(TListItems& items, const std::string& bytes) {
  TStringStream stream(bytes);
  items.ReadData(stream);
}

}  // namespace

TEST(ListViewItems, StreamInTheFrameworksBinaryLayout) {
  TListView list(nullptr);
  TListItem* item = list.Items()->Add();
  item->SetCaption("A");
  item->SubItems()->Add("b");
  int data = 7;
  item->SetData(&data);  // a pointer of this run is never written
  const std::string expected = "\x20\0\0\0\x01\0\0\0"s                         // size, count
                               "\0\0\0\0\0\0\0\0\xff\xff\xff\xff\x01\0\0\0\0\0\0\0"s  // indexes, sub-items, data
                               "\x01" "A" "\x01" "b"s;
  ASSERT_EQ(expected.size(), 0x20u);
  EXPECT_EQ(Written(*list.Items()), expected);

  TListView copy(nullptr);
  ReadInto(*copy.Items(), expected);
  ASSERT_EQ(copy.Items()->Count(), 1);
  EXPECT_EQ(copy.Items()->Item(0)->Caption(), "A");
  EXPECT_EQ(copy.Items()->Item(0)->SubItems()->Strings(0), "b");
  EXPECT_EQ(copy.Items()->Item(0)->OverlayIndex(), -1);
  EXPECT_EQ(copy.Items()->Item(0)->Data(), nullptr);

  // A caption longer than a short string holds is cut at 255 bytes.
  item->SetCaption(std::string(300, 'x'));
  ReadInto(*copy.Items(), Written(*list.Items()));
  EXPECT_EQ(copy.Items()->Item(0)->Caption(), std::string(255, 'x'));
}

TEST(ListViewItems, DataThatDoesNotHoldTogetherIsRefused) {
  TListView list(nullptr);
  list.Items()->Add()->SetCaption("kept?");
  const std::string good = "\x20\0\0\0\x01\0\0\0"s "\0\0\0\0\0\0\0\0\xff\xff\xff\xff\x01\0\0\0\0\0\0\0"s "\x01" "A" "\x01" "b"s;
  std::string wrongSize = good;
  wrongSize[0] = 0x30;
  std::string hugeCount = good;
  hugeCount[7] = 0x7f;
  std::string hugeSubItems = good;
  hugeSubItems[23] = 0x40;
  std::string lostString = good;
  lostString[30] = 0x10;  // the sub-item runs past the end
  for (const std::string& bad : {good.substr(0, 6), wrongSize, hugeCount, hugeSubItems, lostString}) {
    EXPECT_THROW(ReadInto(*list.Items(), bad), EReadError);
  }
}
