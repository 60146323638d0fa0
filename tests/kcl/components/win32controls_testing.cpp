#include "win32controls_testing.h"

#include <gtest/gtest.h>

#include "kcl/classes/objecttext.h"
#include "kcl/classes/streams.h"
#include "kcl/components/commctrls2.h"
#include "kcl/components/gridcontrols.h"
#include "kcl/components/stdctrls.h"

namespace win32controls_test {

using namespace kcl;

void RegisterClassesForTests() {
  comctrls_test::RegisterTestClasses();
  RegisterStandardControls();
  RegisterGrids();
  RegisterWin32Controls();
}

namespace {
std::string Indented(const std::string& record) {
  std::string indented;
  for (size_t at = 0; at < record.size();) {
    const size_t eol = record.find('\n', at);
    indented += "  " + record.substr(at, eol + 1 - at);
    at = eol + 1;
  }
  return indented;
}
}  // namespace

void ExpectSampleRecordRoundTrips(const std::string& file, const std::string& name,
                                  const std::vector<std::string>& referred) {
  SCOPED_TRACE(file + " " + name);
  RegisterClassesForTests();
  const std::string record = comctrls_test::SampleRecord(file, name);
  auto bounds = [](const std::string& indent) {
    return indent + "Left = 0\n" + indent + "Top = 0\n" + indent + "Width = 0\n" + indent + "Height = 0\n";
  };
  std::string text = "object Root: TRecordRoot\n" + bounds("  ");
  // Windowed controls before it keep the record's place in the tab order.
  const size_t tabOrder = record.find("\n  TabOrder = ");
  const int before = tabOrder == std::string::npos ? 0 : std::stoi(record.substr(tabOrder + 14));
  for (int i = 0; i < before; ++i)
    text += "  object Filler" + std::to_string(i) + ": TRecordRoot\n" + bounds("    ") + "  end\n";
  for (const std::string& other : referred) text += Indented(comctrls_test::SampleRecord(file, other));
  text += Indented(record) + "end\n";
  RootPtr root(new comctrls_test::TRecordRoot(nullptr));
  comctrls_test::ReadText(root.get(), text);
  root->SetDesigning(true);
  TMemoryStream written;
  written.WriteComponent(root.get());
  EXPECT_EQ(comctrls_test::RecordOf(ObjectBinaryToText(written.View()), name), record);
  EXPECT_EQ(std::string(written.View()), ObjectTextToBinary(text));
}

}  // namespace win32controls_test
