// The DDE components: what they publish, links that fail as without the
// service, references between them, and their forms.
#include "kcl/components/dde.h"

#include <gtest/gtest.h>

#include "kcl/classes/objecttext.h"
#include "kcl/components/morectrls.h"
#include "support/propnames.h"
#include "support/sampleform.h"

using namespace kcl;
using namespace korvax::test;

TEST(Dde, PublishWhatDelphi3Publishes) {
  const std::string component = "Name Tag ";
  EXPECT_EQ(DeclaredPropNames(&TDdeClientConv::StaticClass()),
            component + "ServiceApplication DdeService DdeTopic ConnectMode FormatChars OnClose OnOpen");
  EXPECT_EQ(DeclaredPropNames(&TDdeClientItem::StaticClass()), component + "Lines DdeConv DdeItem OnChange");
  EXPECT_EQ(DeclaredPropNames(&TDdeServerConv::StaticClass()), component + "OnOpen OnClose OnExecuteMacro");
  EXPECT_EQ(DeclaredPropNames(&TDdeServerItem::StaticClass()), component + "Lines ServerConv OnChange OnPokeData");
}

// Nothing answers: every request fails without an exception, and the
// conversation never opens.
TEST(Dde, LinksFailAsWithoutTheService) {
  FormPtr form = NewForm();
  auto* conv = Create<TDdeClientConv>(form.get(), nullptr, "DdeClientConv1");
  int opened = 0;
  conv->OnOpen.SetHandler([&](TObject*) { ++opened; });
  EXPECT_FALSE(conv->SetLink("Excel", "Sheet1"));
  EXPECT_EQ(conv->DdeService(), "Excel");
  EXPECT_EQ(conv->DdeTopic(), "Sheet1");
  EXPECT_FALSE(conv->OpenLink());
  EXPECT_FALSE(conv->Connected());
  EXPECT_FALSE(conv->PasteLink());
  EXPECT_FALSE(conv->StartAdvise());
  EXPECT_EQ(conv->RequestData("R1C1"), "");
  EXPECT_FALSE(conv->PokeData("R1C1", "5"));
  TStringList macro;
  macro.Add("[FileOpen(\"a.xls\")]");
  EXPECT_FALSE(conv->ExecuteMacroLines(macro, true));
  EXPECT_FALSE(conv->PokeDataLines("R1C1", macro));
  conv->CloseLink();
  EXPECT_EQ(opened, 0);
}

TEST(Dde, ItemsLetGoOfConversationsThatGo) {
  FormPtr form = NewForm();
  auto* conv = Create<TDdeClientConv>(form.get(), nullptr, "DdeClientConv1");
  auto* item = Create<TDdeClientItem>(form.get(), nullptr, "DdeClientItem1");
  auto* server = Create<TDdeServerConv>(form.get(), nullptr, "DdeServerConv1");
  auto* offered = Create<TDdeServerItem>(form.get(), nullptr, "DdeServerItem1");
  item->SetDdeConv(conv);
  offered->SetServerConv(server);
  int changes = 0;
  offered->OnChange.SetHandler([&](TObject* sender) {
    EXPECT_EQ(sender, offered);
    ++changes;
  });
  offered->Lines()->SetText("1\n2\n");
  EXPECT_EQ(changes, 1);
  conv->Free();
  server->Free();
  EXPECT_EQ(item->DdeConv(), nullptr);
  EXPECT_EQ(offered->ServerConv(), nullptr);
}

// Service and topic are written twice, as properties and as the LinkInfo lines,
// which follow them when they change.
TEST(Dde, FormsComeBackByteForByte) {
  RegisterMoreControls();
  const std::string text = SampleFormText("dde.txt");
  FormPtr form = ShowSampleForm(text);
  auto* excel = dynamic_cast<TDdeClientConv*>(form->FindComponent("ExcelConv"));
  auto* word = dynamic_cast<TDdeClientConv*>(form->FindComponent("WordConv"));
  auto* price = dynamic_cast<TDdeClientItem*>(form->FindComponent("PriceItem"));
  auto* balance = dynamic_cast<TDdeServerItem*>(form->FindComponent("BalanceItem"));
  ASSERT_NE(excel, nullptr);
  ASSERT_NE(word, nullptr);
  ASSERT_NE(price, nullptr);
  ASSERT_NE(balance, nullptr);
  EXPECT_EQ(excel->ConnectMode(), ddeManual);
  EXPECT_TRUE(excel->FormatChars());
  EXPECT_EQ(word->ServiceApplication(), "WINWORD");
  EXPECT_FALSE(word->Connected());  // automatic, and no one answers
  EXPECT_EQ(price->DdeConv(), excel);
  EXPECT_EQ(price->DdeItem(), "R1C1");
  EXPECT_EQ(balance->ServerConv(), form->FindComponent("LedgerServer"));
  EXPECT_EQ(balance->Lines()->CommaText(), "1200.50,EUR");
  ExpectWrittenAsRead(form.get(), text);

  word->SetDdeTopic("Document1");
  EXPECT_NE(WriteText(form.get()).find("    DdeTopic = 'Document1'\r\n    Left = 80\r\n    Top = 8\r\n"
                                       "    LinkInfo = (\r\n      'Service WinWord'\r\n      'Topic Document1')\r\n"),
            std::string::npos);
  word->SetDdeService("");
  word->SetDdeTopic("");
  EXPECT_EQ(ComponentText(form.get(), word).find("LinkInfo"), std::string::npos);

  // A LinkInfo line names the service or topic by its first letter.
  FormPtr copy(new TForm(nullptr));
  ReadText(copy.get(), "object Form2: TForm\n  object Conv: TDdeClientConv\n"
                       "    LinkInfo = (\n      'Service Prog'\n      'TopicOnly')\n  end\nend\n");
  auto* read = static_cast<TDdeClientConv*>(copy->FindComponent("Conv"));
  EXPECT_EQ(read->DdeService(), "Prog");
  EXPECT_EQ(read->DdeTopic(), "TopicOnly");
}
