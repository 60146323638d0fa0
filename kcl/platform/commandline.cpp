#include "kcl/platform/commandline.h"

#include "kcl/platform/winerror.h"

namespace kcl {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (const char c : commandLine) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if (IsBlank(c) && !quoted) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

TCommandLine ParseCommandLine(std::string_view commandLine) {
  const std::vector<std::string> words = SplitCommandLine(commandLine);
  TCommandLine result;
  if (words.empty()) {
    result.Program.Error = ERROR_FILE_NOT_FOUND;
    return result;
  }
  const bool quotedName = commandLine[commandLine.find_first_not_of(" \t")] == '"';
  std::string name = words[0];
  result = {FindProgram(name), name, {}};
  size_t used = 1;
  for (size_t count = 2; !quotedName && result.Program.Path.empty() && count <= words.size(); ++count) {
    name += ' ' + words[count - 1];
    TProgramFile program = FindProgram(name);
    if (!program.Path.empty()) {
      result = {std::move(program), name, {}};
      used = count;
    }
  }
  result.Arguments.assign(words.begin() + static_cast<std::ptrdiff_t>(used), words.end());
  return result;
}

}  // namespace kcl
