// Reads arbitrary bytes as a component stream into a form, and as clipboard
// records. Whatever reads without error must write back and read again; from then
// on writing and reading must be stable. (The first write may drop what the input
// placed where nothing streams it, such as a control under a non-visual component.)
#include <cstdint>
#include <cstdlib>
#include <string>

#include "kcl/classes/reader.h"
#include "kcl/classes/testclasses.h"
#include "kcl/rtl/exceptions.h"

using namespace kcl;
using namespace testing_classes;

namespace {

std::string WriteForm(TTestForm* form) {
  TMemoryStream out;
  out.WriteComponent(form);
  return std::string(out.View());
}

void ReadAsForm(const std::string& bytes) {
  std::unique_ptr<TTestForm, TObjectFree> form(new TTestForm(nullptr));
  try {
    TStringStream in(bytes);
    in.ReadComponent(form.get());
  } catch (const Exception&) {
    return;
  }
  auto reread = [](const std::string& bytes) {
    std::unique_ptr<TTestForm, TObjectFree> again(new TTestForm(nullptr));
    TStringStream in(bytes);
    in.ReadComponent(again.get());
    return WriteForm(again.get());
  };
  const std::string second = reread(WriteForm(form.get()));
  if (reread(second) != second) std::abort();
}

void ReadAsRecords(const std::string& bytes) {
  std::unique_ptr<TTestForm, TObjectFree> form(new TTestForm(nullptr));
  try {
    TStringStream in(bytes);
    TReader reader(in);
    int n = 0;
    reader.OnSetName = [&n](TReader&, TComponent*, std::string& name) { name = "C" + std::to_string(++n); };
    reader.ReadComponents(form.get(), form.get(), nullptr);
  } catch (const Exception&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  RegisterTestClasses();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  ReadAsForm(bytes);
  ReadAsRecords(bytes);
  return 0;
}
