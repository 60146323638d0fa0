// korvax-convert as a whole program, process start and file writing included, on
// the largest sample form and on a 10 MB text form made by repeating its
// components. Targets (against Free Pascal's Classes converter, run by hand):
// binary to text at least 4 times as fast, text to binary 1.5 times; peak memory
// on the 10 MB text form under 40 MB (the "peak RSS KB" counter).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "processrun.h"

namespace fs = std::filesystem;

namespace {

// korvax-convert IN -o OUT: its own peak memory in KB, -1 when it failed.
long Convert(const std::string& in, const std::string& out) {
  const TProcessRun run = RunProcess({KORVAX_CONVERT_EXE, in, "-o", out}, "/dev/null");
  return run.Succeeded ? run.PeakKiB : -1;
}

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Inputs {
  Inputs() {
    fs::create_directories(Dir);
    std::vector<fs::path> forms;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(KORVAX_SAMPLE_FORMS))
      if (entry.path().extension() == ".DFM") forms.push_back(entry.path());
    const fs::path largest = *std::max_element(forms.begin(), forms.end(), [](const fs::path& a, const fs::path& b) {
      return fs::file_size(a) < fs::file_size(b);
    });
    fs::copy_file(largest, File("sample.dfm"), fs::copy_options::overwrite_existing);
    Convert(File("sample.dfm"), File("sample.txt"));
    // The form with its components repeated until the text has 10 MB.
    const std::string text = ReadFile(File("sample.txt"));
    const size_t first = text.find("\r\n  object ") + 2;
    const size_t last = text.rfind("end\r\n");
    std::ofstream big(File("big.txt"), std::ios::binary);
    big << text.substr(0, first);
    for (size_t size = first; size < 10'000'000; size += last - first) big << text.substr(first, last - first);
    big << text.substr(last);
    big.close();
    Convert(File("big.txt"), File("big.dfm"));
  }
  ~Inputs() { fs::remove_all(Dir); }

  std::string File(const std::string& name) const { return (Dir / name).string(); }

  const fs::path Dir = fs::temp_directory_path() / "korvax-bench-convert";
};

const Inputs& TheInputs() {
  static const Inputs inputs;
  return inputs;
}

void RunConverter(benchmark::State& state, const std::string& input, const std::string& output) {
  const std::string in = TheInputs().File(input);
  const std::string out = TheInputs().File(output);
  long peak = 0;
  for (auto _ : state) {
    const long used = Convert(in, out);
    if (used < 0) state.SkipWithError("korvax-convert failed");
    peak = std::max(peak, used);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(in)));
  state.counters["peak RSS KB"] = static_cast<double>(peak);
}

void BM_SampleBinaryToText(benchmark::State& state) { RunConverter(state, "sample.dfm", "out.txt"); }
void BM_SampleTextToBinary(benchmark::State& state) { RunConverter(state, "sample.txt", "out.dfm"); }
void BM_10MBBinaryToText(benchmark::State& state) { RunConverter(state, "big.dfm", "out.txt"); }
void BM_10MBTextToBinary(benchmark::State& state) { RunConverter(state, "big.txt", "out.dfm"); }

}  // namespace

BENCHMARK(BM_SampleBinaryToText)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SampleTextToBinary)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_10MBBinaryToText)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_10MBTextToBinary)->Unit(benchmark::kMillisecond)->UseRealTime();
