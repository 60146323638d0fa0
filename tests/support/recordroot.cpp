#include "support/recordroot.h"

#include <gtest/gtest.h>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/objecttext.h"
#include "support/formrecords.h"
#include "support/formtext.h"
#include "support/samplefiles.h"

namespace korvax::test {

using namespace kcl;

void TRecordRoot::GetChildren(const TGetChildProc& proc, TComponent*) {
  for (int i = 0; i < ComponentCount(); ++i)
    if (TComponent* parent = Components(i)->GetParentComponent(); !parent || parent == this) proc(Components(i));
}

RecordRootPtr NewRecordRoot(const std::string& name) {
  RegisterClass(&TRecordRoot::StaticClass());
  RecordRootPtr root(new TRecordRoot(nullptr));
  if (!name.empty()) root->SetName(name);
  return root;
}

namespace {

std::string NoBounds(const std::string& indent) {
  return indent + "Left = 0\n" + indent + "Top = 0\n" + indent + "Width = 0\n" + indent + "Height = 0\n";
}

}  // namespace

std::string RecordRootText(const std::string& records) {
  return "object Root: TRecordRoot\n" + NoBounds("  ") + records + "end\n";
}

RecordRootPtr ReadDesignedRoot(const std::string& text) {
  RecordRootPtr root = NewRecordRoot();
  ReadText(root.get(), text);
  root->SetDesigning(true);
  return root;
}

void ExpectRecordRoundTrips(const std::string& text, const std::string& name, const std::string& record) {
  RecordRootPtr root = ReadDesignedRoot(text);
  const std::string written = WriteBinary(root.get());
  EXPECT_EQ(RecordOf(ObjectBinaryToText(written), name), record);
  EXPECT_EQ(written, ObjectTextToBinary(text));
}

void ExpectSampleRecordRoundTrips(const std::string& file, const std::string& name,
                                  const std::vector<std::string>& referred) {
  SCOPED_TRACE(file + " " + name);
  const std::string record = SampleRecord(file, name);
  std::string records;
  const size_t tabOrder = record.find("\n  TabOrder = ");
  const int before = tabOrder == std::string::npos ? 0 : std::stoi(record.substr(tabOrder + 14));
  for (int i = 0; i < before; ++i)
    records += "  object Filler" + std::to_string(i) + ": TRecordRoot\n" + NoBounds("    ") + "  end\n";
  for (const std::string& other : referred) records += Indented(SampleRecord(file, other));
  ExpectRecordRoundTrips(RecordRootText(records + Indented(record)), name, record);
}

KCL_CLASS_INFO(TRecordRoot) {}

}  // namespace korvax::test
