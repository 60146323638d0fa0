// korvax-highlight as a whole program: 10 MB of real Pascal (the sample units,
// CR LF, one after another until 10 MB) to an RTF file, timed from start to exit
// with its peak memory; beside it the same input through pygmentize (Debian's
// python3-pygments, when installed) with its Delphi lexer and RTF formatter, and
// at the end how many times faster korvax-highlight is.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "processrun.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr size_t WantedSize = 10'000'000;
const fs::path Pygmentize = "/usr/bin/pygmentize";

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Line ends as the units had them on Windows.
std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

// A folder of its own with the input, removed when the program ends.
class TWorkDir {
public:
  TWorkDir() : FPath(fs::temp_directory_path() / ("korvax-bench-highlight-" + std::to_string(::getpid()))) {
    fs::create_directories(FPath);
    std::vector<fs::path> units;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(KORVAX_SAMPLE_FORMS "/delphi3-samples", ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
      if (it->is_regular_file() && it->path().extension() == ".PAS") units.push_back(it->path());
    std::sort(units.begin(), units.end());
    // Written a unit at a time: a program started from here has this process's peak
    // memory as the floor of its own, so this process never holds the whole input.
    std::ofstream input(Input(), std::ios::binary);
    while (!units.empty() && FInputSize < WantedSize)
      for (const fs::path& unit : units) {
        const std::string text = WithCrLf(ReadFile(unit));
        input << text;
        FInputSize += text.size();
        if (FInputSize >= WantedSize) break;
      }
  }
  ~TWorkDir() {
    std::error_code ec;
    fs::remove_all(FPath, ec);
  }

  fs::path Input() const { return FPath / "units.pas"; }
  fs::path Output() const { return FPath / "units.rtf"; }
  size_t InputSize() const { return FInputSize; }

private:
  fs::path FPath;
  size_t FInputSize = 0;
};

const TWorkDir& Work() {
  static const TWorkDir work;
  return work;
}

// What each program took on average and its peak memory, for the summary at the end.
struct TSummary {
  double MeanSeconds = 0;
  long PeakKiB = 0;
};

std::map<std::string, TSummary>& Summaries() {
  static std::map<std::string, TSummary> summaries;
  return summaries;
}

// Each run writes a new output file, as a first run would.
void TimeProgram(benchmark::State& state, const std::string& name, const std::vector<std::string>& args,
                 const fs::path& stdoutFile) {
  if (Work().InputSize() == 0) {
    state.SkipWithError("the sample units are missing");
    return;
  }
  double total = 0;
  long peakKiB = 0;
  for (auto _ : state) {
    std::error_code ec;
    fs::remove(Work().Output(), ec);
    const TProcessRun run = RunProcess(args, stdoutFile);
    if (!run.Succeeded) {
      state.SkipWithError((name + " failed").c_str());
      return;
    }
    state.SetIterationTime(run.Seconds);
    total += run.Seconds;
    peakKiB = std::max(peakKiB, run.PeakKiB);
  }
  const auto size = static_cast<int64_t>(Work().InputSize());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * size);
  state.counters["peak_MB"] = static_cast<double>(peakKiB) / 1024.0;
  state.SetLabel(std::to_string(size / 1000) + " kB in");
  Summaries()[name] = {total / static_cast<double>(state.iterations()), peakKiB};
}

void BM_KorvaxHighlight(benchmark::State& state) {
  TimeProgram(state, "korvax-highlight", {KORVAX_HIGHLIGHT_EXE, Work().Input().string()}, Work().Output());
}
BENCHMARK(BM_KorvaxHighlight)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

void BM_Pygmentize(benchmark::State& state) {
  if (!fs::exists(Pygmentize)) {
    state.SkipWithError("pygmentize is not installed (apt-get install python3-pygments)");
    return;
  }
  TimeProgram(state, "pygmentize",
              {Pygmentize.string(), "-l", "delphi", "-f", "rtf", "-o", Work().Output().string(), Work().Input().string()},
              "/dev/null");
}
BENCHMARK(BM_Pygmentize)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  const double megabytes = static_cast<double>(Work().InputSize()) / 1e6;
  for (const auto& [name, summary] : Summaries())
    std::printf("%s: %.0f ms, %.1f MB/s, peak %.1f MB\n", name.c_str(), summary.MeanSeconds * 1e3,
                megabytes / summary.MeanSeconds, static_cast<double>(summary.PeakKiB) / 1024.0);
  rusage self{};
  ::getrusage(RUSAGE_SELF, &self);
  std::printf("(peak memories count from this process's own, %.1f MB)\n", static_cast<double>(self.ru_maxrss) / 1024.0);
  if (Summaries().count("korvax-highlight") && Summaries().count("pygmentize"))
    std::printf("korvax-highlight is %.0f times as fast as pygmentize on the same %.1f MB\n",
                Summaries().at("pygmentize").MeanSeconds / Summaries().at("korvax-highlight").MeanSeconds, megabytes);
  return 0;
}
