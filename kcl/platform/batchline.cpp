#include "kcl/platform/batchline.h"

#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool StartsWithCommand(std::string_view line, std::string_view command) {
  return line.size() >= command.size() && SameText(line.substr(0, command.size()), command) &&
         (line.size() == command.size() || IsBlank(line[command.size()]));
}

bool RunsNothing(std::string_view line) {
  return line.empty() || line.front() == ':' || StartsWithCommand(line, "rem") || SameText(line, "echo off") ||
         SameText(line, "echo on");
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class TLineParser {
public:
  TLineParser(std::string_view line, const std::vector<std::string>& params) : FLine(line), FParams(params) {}

  std::optional<TBatchCommand> Parse() {
    for (FPos = 0; FPos < FLine.size(); ++FPos) {
      const char c = FLine[FPos];
      if (c == '%') {
        Substitute();
      } else if (FQuoted) {
        if (c == '"') FQuoted = false;
        else FWord += c;
      } else if (IsBlank(c)) {
        FinishWord();
      } else if (c == '"') {
        FQuoted = FInWord = true;
        FPlain = false;
      } else if (c == '>' || c == '<') {
        if (!Redirect(c)) return std::nullopt;
      } else {
        FWord += c;
        FInWord = true;
      }
    }
    FinishWord();
    if (FPending) return std::nullopt;
    return std::move(FCommand);
  }

private:
  char Next(size_t ahead = 1) const { return FPos + ahead < FLine.size() ? FLine[FPos + ahead] : '\0'; }

  void Substitute() {
    size_t digitAt = Next() == '~' ? 2 : 1;
    if (Next() == '%') {
      FWord += '%';
      FInWord = true;
      ++FPos;
    } else if (IsDigit(Next(digitAt))) {
      const auto index = static_cast<size_t>(Next(digitAt) - '0');
      const std::string& value = index < FParams.size() ? FParams[index] : std::string();
      FWord += value;
      FInWord = FInWord || !value.empty();
      FPlain = false;
      FPos += digitAt;
    } else {
      FWord += '%';
      FInWord = true;
    }
  }

  // The word just ended becomes the file of the pending redirection, or a word.
  void FinishWord() {
    if (FInWord) {
      if (FPending) {
        FPending->File = std::move(FWord);
        FCommand.Redirections.push_back(std::move(*FPending));
        FPending.reset();
      } else {
        FCommand.Words.push_back(std::move(FWord));
      }
    }
    FWord.clear();
    FInWord = false;
    FPlain = true;
  }

  bool Redirect(char op) {
    TRedirection redirection;
    redirection.Fd = op == '<' ? 0 : 1;
    if (op == '>' && FInWord && FPlain && (FWord == "1" || FWord == "2")) {
      redirection.Fd = FWord[0] - '0';
      FWord.clear();
      FInWord = false;
    }
    FinishWord();
    if (FPending) return false;
    if (op == '>' && Next() == '&' && (Next(2) == '1' || Next(2) == '2')) {
      redirection.Kind = rkCopy;
      redirection.CopyOf = Next(2) - '0';
      FPos += 2;
      FCommand.Redirections.push_back(std::move(redirection));
      return true;
    }
    if (op == '<') {
      redirection.Kind = rkRead;
    } else if (Next() == '>') {
      redirection.Kind = rkAppend;
      ++FPos;
    }
    FPending = std::move(redirection);
    return true;
  }

  std::string_view FLine;
  const std::vector<std::string>& FParams;
  size_t FPos = 0;
  TBatchCommand FCommand;
  std::string FWord;
  bool FInWord = false;
  bool FQuoted = false;
  bool FPlain = true;  // the word so far is unquoted text of the line itself
  std::optional<TRedirection> FPending;
};

}  // namespace

std::optional<TBatchCommand> ParseBatchLine(std::string_view line, const std::vector<std::string>& params) {
  line = TrimBlanks(line);
  if (!line.empty() && line.front() == '@') line = TrimBlanks(line.substr(1));
  if (RunsNothing(line)) return std::nullopt;
  return TLineParser(line, params).Parse();
}

}  // namespace kcl
