#include "support/samplefiles.h"

#include <algorithm>
#include <filesystem>

#include "kcl/classes/objecttext.h"
#include "kcl/classes/streams.h"
#include "support/formrecords.h"
#include "support/testfiles.h"

namespace korvax::test {

namespace {

const std::string& SampleDir() {
  static const std::string dir = std::string(KORVAX_SAMPLE_FORMS) + "/delphi3-samples";
  return dir;
}

}  // namespace

std::string SamplePath(const std::string& file) { return SampleDir() + "/" + file; }

std::vector<std::string> SampleFiles() {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(SampleDir()))
    if (entry.path().extension() == ".DFM") files.push_back(entry.path().lexically_relative(SampleDir()).string());
  std::sort(files.begin(), files.end());
  return files;
}

std::string SampleText(const std::string& file) {
  kcl::TStringStream resource(ReadFileBytes(SamplePath(file)));
  kcl::TStringStream text;
  kcl::ObjectResourceToText(resource, text);
  return text.DataString();
}

std::string SampleRecord(const std::string& file, const std::string& name) {
  return RecordOf(SampleText(file), name);
}

}  // namespace korvax::test
