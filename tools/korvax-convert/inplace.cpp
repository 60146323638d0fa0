#include "inplace.h"

#include <cstdio>
#include <exception>
#include <stdexcept>

#include "formbytes.h"
#include "formfiles.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/streams.h"
#include "report.h"

namespace korvax::convert {

namespace {

enum class Outcome { Converted, AlreadyThere };

const char* KindName(FormKind kind) { return kind == FormKind::Text ? "text" : "binary"; }

Outcome ConvertFile(const std::string& path, FormKind target) {
  const std::string bytes = kcl::LoadBytesFromFile(path);
  const bool binary = IsBinaryForm(bytes);
  if (target == FormKind::Text) {
    if (!binary) {
      try {
        CheckText(bytes);
      } catch (const std::exception& e) {
        throw std::runtime_error(std::string("neither binary nor a valid text form: ") + e.what());
      }
      return Outcome::AlreadyThere;
    }
    kcl::SaveBytesToFile(path, BinaryToTextKeepingEverything(bytes));
    return Outcome::Converted;
  }
  if (binary) {
    BinaryToText(bytes);  // only to check it
    return Outcome::AlreadyThere;
  }
  kcl::SaveBytesToFile(path, kcl::ObjectTextToResource(bytes));
  return Outcome::Converted;
}

}  // namespace

bool ConvertInPlace(const std::vector<std::string>& paths, FormKind target) {
  const FormFiles found = CollectFormFiles(paths);
  int converted = 0, alreadyThere = 0, failed = 0;
  const auto fail = [&](const std::string& name, const char* reason) {
    ReportFailure(name, reason);
    ++failed;
  };
  for (const auto& [path, reason] : found.failures) fail(path, reason.c_str());
  for (const FormFile& file : found.files) {
    try {
      if (ConvertFile(file.path, target) == Outcome::Converted) {
        ++converted;
      } else {
        std::printf("%s: already %s, left as it is\n", file.name.c_str(), KindName(target));
        ++alreadyThere;
      }
    } catch (const std::exception& e) {
      fail(file.name, e.what());
    }
  }
  std::printf("%d converted to %s, %d already %s, %d failed\n", converted, KindName(target), alreadyThere,
               KindName(target), failed);
  return failed == 0;
}

}  // namespace korvax::convert
