#pragma once
// One line of a batch file, read the way the command interpreter reads it for the
// commands the environment writes: a program, its arguments, and redirections.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kcl {

enum TRedirectionKind { rkRead, rkWrite, rkAppend, rkCopy };

// "<file" (Fd 0), ">file", "1>file", "2>file" (rkWrite), ">>file" (rkAppend), and
// "2>&1", "1>&2" (rkCopy: Fd becomes a copy of CopyOf). The file "nul" is nothing.
struct TRedirection {
  int Fd = 1;
  TRedirectionKind Kind = rkWrite;
  std::string File;
  int CopyOf = -1;
};

struct TBatchCommand {
  std::vector<std::string> Words;  // the program and its arguments
  std::vector<TRedirection> Redirections;
};

// The command of line, with %0..%9 (and %~0..%~9) replaced by params[0..9] (params[0]:
// the batch file as called; a missing one is empty) and %% by %. A parameter's text
// is always taken literally: blanks, quotes and ">" in it never split a word or
// redirect. nullopt for lines that run nothing (blank, "echo off", "rem", labels)
// and for a redirection that lacks its file.
std::optional<TBatchCommand> ParseBatchLine(std::string_view line, const std::vector<std::string>& params);

}  // namespace kcl
