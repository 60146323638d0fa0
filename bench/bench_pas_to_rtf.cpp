// Pascal to RTF throughput on real sources: the Free Pascal sources installed on
// this machine (used only as input text), else generated Pascal text.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ide/editor/pas_to_rtf.h"
#include "kcl/classes/streams.h"
#include "kcl/rtl/exceptions.h"

using namespace korvax::editor;

namespace {

constexpr size_t CorpusLimit = 48u << 20;

bool Converts(const std::string& text) {
  TPasConversion conversion;
  conversion.ReadHighlightSettings(3, "");
  conversion.WriteString(text);
  try {
    conversion.ConvertToRtf();
    return true;
  } catch (const kcl::Exception&) {
    return false;
  }
}

std::vector<std::filesystem::path> PascalFiles() {
  std::vector<std::filesystem::path> files;
  for (const char* root : {"/usr/share/fpcsrc", "/usr/local/share/fpcsrc", "/usr/lib/fpc/src"}) {
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
      const auto ext = it->path().extension();
      if (it->is_regular_file(ec) && (ext == ".pp" || ext == ".pas")) files.push_back(it->path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Whole files that convert without error and hold no NUL, up to CorpusLimit bytes.
std::vector<std::string> InstalledSources() {
  std::vector<std::string> texts;
  size_t size = 0;
  for (const auto& file : PascalFiles()) {
    std::string text;
    try {
      text = kcl::LoadBytesFromFile(file.string());
    } catch (const kcl::Exception&) {
      continue;
    }
    if (text.empty() || text.find('\0') != std::string::npos || !Converts(text)) continue;
    size += text.size();
    texts.push_back(std::move(text));
    if (size >= CorpusLimit) break;
  }
  return texts;
}

std::vector<std::string> GeneratedSources() {
  const std::string unit =
      "unit Generated;\r\n\r\ninterface\r\n\r\nuses Windows, SysUtils, Classes;\r\n\r\n"
      "type\r\n  TThing = class(TComponent)\r\n  private\r\n    FCount: Integer; { the count }\r\n"
      "  published\r\n    property Count: Integer read FCount write FCount default 0;\r\n  end;\r\n\r\n"
      "implementation\r\n\r\n(* Adds the values,\r\n   one by one. *)\r\nfunction Sum(const A: array of Integer): Int64;\r\n"
      "var\r\n  I: Integer;\r\nbegin\r\n  Result := 0; // start\r\n  for I := Low(A) to High(A) do\r\n"
      "    Inc(Result, A[I] * $FF + 1.5e3);\r\n  if Result > 10 then\r\n    WriteLn('Sum: ', Result, #13#10);\r\n"
      "end;\r\n\r\nend.\r\n";
  std::string text;
  while (text.size() < 64 * 1024) text += unit;
  return std::vector<std::string>(CorpusLimit / text.size(), text);
}

// The installed sources when there are enough of them, else generated ones.
const std::vector<std::string>& Sources() {
  static const std::vector<std::string> sources = [] {
    std::vector<std::string> installed = InstalledSources();
    size_t size = 0;
    for (const std::string& text : installed) size += text.size();
    return size >= (1u << 20) ? installed : GeneratedSources();
  }();
  return sources;
}

const std::string& ConcatenatedSources() {
  static const std::string corpus = [] {
    std::string text;
    for (const std::string& source : Sources()) text += source;
    return text;
  }();
  return corpus;
}

// Converts text, timing the conversion alone.
void TimeConversion(benchmark::State& state, const std::string& text) {
  state.PauseTiming();
  TPasConversion conversion;
  conversion.ReadHighlightSettings(3, "");
  conversion.WriteString(text);
  state.ResumeTiming();
  benchmark::DoNotOptimize(conversion.ConvertToRtf());
}

void Convert(benchmark::State& state, const std::string& text) {
  for (auto _ : state) TimeConversion(state, text);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

void BM_ConvertPascalSources(benchmark::State& state) {
  state.SetLabel(std::to_string(ConcatenatedSources().size() >> 20) + " MiB in one text");
  Convert(state, ConcatenatedSources());
}

// One converter a file, as the editor uses it.
void BM_ConvertPascalFilesOneByOne(benchmark::State& state) {
  int64_t size = 0;
  for (const std::string& text : Sources()) size += static_cast<int64_t>(text.size());
  for (auto _ : state)
    for (const std::string& text : Sources()) TimeConversion(state, text);
  state.SetLabel(std::to_string(Sources().size()) + " files");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * size);
}

// One line of 16 MiB and one comment of 16 MiB: time must stay linear.
void BM_ConvertOneLongLine(benchmark::State& state) {
  std::string line;
  while (line.size() < (16u << 20)) line += "Total:=Total+Values[Index]*2;";
  Convert(state, line);
}

void BM_ConvertOneLongComment(benchmark::State& state) {
  Convert(state, "{" + std::string(16u << 20, 'x') + "}");
}

}  // namespace

BENCHMARK(BM_ConvertPascalSources)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertPascalFilesOneByOne)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertOneLongLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertOneLongComment)->Unit(benchmark::kMillisecond);
