#pragma once
// Form text in and out for the data-access and data-control tests, and the
// records of the sample form files (header only: both test programs use it).
#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kcl/classes/component.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/streams.h"
#include "kcl/classes/typinfo.h"
#include "kcl/rtl/sysutils.h"
#include "support/testfiles.h"

namespace dbtest {

// Reads binary form data into root; the handlers the forms name stand for
// methods their units would have.
inline void ReadBinary(kcl::TComponent* root, const std::string& binary) {
  kcl::TStringStream stream(binary);
  kcl::TReader reader(stream);
  static std::map<std::string, std::unique_ptr<kcl::TMethodEntry>> methods;
  reader.OnFindMethod = [](kcl::TReader&, const std::string& name) {
    auto& entry = methods[name];
    if (!entry) entry = std::make_unique<kcl::TMethodEntry>(kcl::TMethodEntry{name, nullptr, nullptr});
    return entry.get();
  };
  reader.ReadRootComponent(root);
}

inline std::string WriteBinary(kcl::TComponent* root) {
  kcl::TMemoryStream stream;
  stream.WriteComponent(root);
  return std::string(stream.View());
}

inline std::string WriteText(kcl::TComponent* root) { return kcl::ObjectBinaryToText(WriteBinary(root)); }

inline std::string SampleDir() { return std::string(KORVAX_SAMPLE_FORMS) + "/delphi3-samples"; }

// Every sample form file, by its path under the samples' directory.
inline std::vector<std::string> SampleFiles() {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(SampleDir()))
    if (entry.path().extension() == ".DFM") files.push_back(entry.path().lexically_relative(SampleDir()).string());
  std::sort(files.begin(), files.end());
  return files;
}

inline std::string SampleText(const std::string& file) {
  kcl::TStringStream resource(korvax::test::ReadFileBytes(SampleDir() + "/" + file));
  kcl::TStringStream text;
  kcl::ObjectResourceToText(resource, text);
  return text.DataString();
}

// The records at the given depth (1: the form's own components; 0: any depth,
// moved to depth 1) whose class is one of classNames, each with the lines inside
// it, as they stand in the text.
inline std::vector<std::string> RecordsOf(const std::string& formText, const std::set<std::string>& classNames,
                                          int depth = 1) {
  std::vector<std::string> records;
  std::istringstream lines(formText);
  std::string line, current, indent;
  bool inside = false;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t at = line.find_first_not_of(' ');
    if (!inside && at != std::string::npos && line.compare(at, 7, "object ") == 0 &&
        (depth == 0 || at == static_cast<size_t>(depth) * 2)) {
      const size_t colon = line.find(": ");
      inside = colon != std::string::npos && classNames.contains(line.substr(colon + 2));
      indent = line.substr(0, at);
    }
    if (!inside) continue;
    current += "  " + line.substr(std::min(indent.size(), line.size())) + "\r\n";
    if (line == indent + "end") {
      records.push_back(current);
      current.clear();
      inside = false;
    }
  }
  return records;
}

// Expects the class to publish the words of declared (ancestors' properties
// first) in that order, and GetPropList to sort them by name without regard to case.
inline void ExpectPublished(kcl::TClass cls, const std::string& declared) {
  std::istringstream in(declared);
  std::vector<std::string> expected, names, sorted;
  for (std::string word; in >> word;) expected.push_back(word);
  for (kcl::PPropInfo p : kcl::GetPropInfos(cls)) names.push_back(p->Name);
  EXPECT_EQ(names, expected);
  std::sort(expected.begin(), expected.end(),
            [](const std::string& a, const std::string& b) { return kcl::CompareText(a, b) < 0; });
  for (kcl::PPropInfo p : kcl::GetPropList(cls, kcl::tkAny)) sorted.push_back(p->Name);
  EXPECT_EQ(sorted, expected);
}

}  // namespace dbtest
