#pragma once
// A whole program run by a benchmark: its time and its own peak memory. A started
// program's peak counts from what the benchmark process holds then, so a
// benchmark never holds a large input itself.
#include <filesystem>
#include <string>
#include <vector>

struct TProcessRun {
  bool Succeeded = false;
  double Seconds = 0;
  long PeakKiB = 0;
};

// Runs args[0] with the rest of args, standard output to stdoutFile, and waits for it.
TProcessRun RunProcess(const std::vector<std::string>& args, const std::filesystem::path& stdoutFile);
