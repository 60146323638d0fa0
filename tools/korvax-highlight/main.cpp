// korvax-highlight: a Pascal unit as an RTF document, or with --html as an HTML
// page, coloured as the compiler's editor colours it (Wine's registry, else black).
// The RTF goes out in chunks while it is written; the page is built whole.
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "ide/editor/pas_to_rtf.h"
#include "kcl/rtl/sysutils.h"
#include "kcl/system/registry.h"

using namespace korvax::editor;

namespace {

constexpr std::string_view Usage = "usage: korvax-highlight [--html] FILE\n";
constexpr std::string_view CannotWrite = "korvax-highlight: cannot write the output\n";

struct TOptions {
  bool Html = false;
  std::string FileName;
};

std::optional<TOptions> ParseArguments(int argc, char** argv) {
  TOptions options;
  bool haveFile = false;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!optionsEnded && arg == "--html") {
      options.Html = true;
    } else if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if ((!optionsEnded && arg.starts_with('-')) || haveFile) {
      return std::nullopt;
    } else {
      options.FileName = arg;
      haveFile = true;
    }
  }
  if (!haveFile) return std::nullopt;
  return options;
}

void AppendHtmlEscaped(std::string& out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '&': out += "&amp;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += c;
    }
  }
}

std::string CssStyle(const TPasTokenStyle& style) {
  char color[8];
  std::snprintf(color, sizeof color, "#%02X%02X%02X", style.Color & 0xFF, (style.Color >> 8) & 0xFF,
                (style.Color >> 16) & 0xFF);
  std::string css = std::string("color:") + color;
  if (style.Bold) css += ";font-weight:bold";
  if (style.Italic) css += ";font-style:italic";
  if (style.Underline) css += ";text-decoration:underline";
  return css;
}

// The tokens as spans inside a <pre>, where line breaks stay as they are.
class THtmlWriter final : public TPasTokenSink {
public:
  explicit THtmlWriter(const TPasHighlightSettings& settings) {
    for (size_t kind = 0; kind < PasTokenKindCount; ++kind)
      if (settings[kind].HasStyle) FSpanStart[kind] = "<span style=\"" + CssStyle(settings[kind]) + "\">";
  }

  void Token(TPasTokenKind kind, std::string_view text) override {
    if (FSpanStart[kind].empty()) return AppendHtmlEscaped(FBody, text);
    FBody += FSpanStart[kind];
    AppendHtmlEscaped(FBody, text);
    FBody += "</span>";
  }

  std::string Page(std::string_view title) const {
    std::string page = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"windows-1252\">\n<title>";
    AppendHtmlEscaped(page, title);
    // The parser drops one line break right after <pre>: this one, not the text's.
    page += "</title>\n</head>\n<body>\n<pre style=\"font-family:'Courier New',monospace;font-size:10pt\">\n";
    page += FBody;
    page += "</pre>\n</body>\n</html>\n";
    return page;
  }

private:
  std::array<std::string, PasTokenKindCount> FSpanStart;
  std::string FBody;
};

// Standard output as a stream that writes each chunk straight to the descriptor.
class TStdOutStream final : public kcl::TStream {
public:
  int64_t Read(void*, int64_t) override { return 0; }

  int64_t Write(const void* buffer, int64_t count) override {
    const auto* bytes = static_cast<const char*>(buffer);
    int64_t written = 0;
    while (written < count) {
      const ssize_t n = ::write(STDOUT_FILENO, bytes + written, static_cast<size_t>(count - written));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      written += n;
    }
    FWritten += written;
    return written;
  }

  // Only tells how much was written.
  int64_t Seek(int64_t, kcl::TSeekOrigin) override { return FWritten; }

private:
  int64_t FWritten = 0;
};

// Where standard output began when it is a regular file, so that a failed
// conversion can take back the part of the document it wrote.
std::optional<off_t> RegularFileStart() {
  struct stat info {};
  if (::fstat(STDOUT_FILENO, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  const off_t start = ::lseek(STDOUT_FILENO, 0, SEEK_CUR);
  if (start < 0) return std::nullopt;
  return start;
}

void HighlightAsRtf(const std::string& fileName) {
  TPasRtfWriter writer;
  writer.ReadHighlightSettings(3);
  const std::string text = kcl::LoadBytesFromFile(fileName);
  const std::optional<off_t> start = RegularFileStart();
  TStdOutStream out;
  try {
    writer.Write(text, out);
  } catch (...) {
    if (start && ::ftruncate(STDOUT_FILENO, *start) == 0) ::lseek(STDOUT_FILENO, *start, SEEK_SET);
    throw;
  }
}

std::string HighlightAsHtml(const std::string& fileName) {
  THtmlWriter writer(ReadPasHighlightSettings(3, kcl::WineUserRegistryFile()));
  TPasScanner().Scan(kcl::LoadBytesFromFile(fileName), writer);
  return writer.Page(kcl::ExtractFileName(fileName));
}

}  // namespace

int main(int argc, char** argv) {
  const auto options = ParseArguments(argc, argv);
  if (!options) {
    std::fputs(Usage.data(), stderr);
    return 2;
  }
  std::string html;
  try {
    if (kcl::DirectoryExists(options->FileName))
      throw kcl::EFOpenError(kcl::Format(kcl::msg::FOpenError, {options->FileName}));
    if (options->Html) html = HighlightAsHtml(options->FileName);
    else HighlightAsRtf(options->FileName);
  } catch (const EPasConversionError& e) {
    std::fprintf(stderr, "korvax-highlight: %s: %s\n", options->FileName.c_str(), e.what());
    return 1;
  } catch (const kcl::EWriteError&) {
    std::fputs(CannotWrite.data(), stderr);
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "korvax-highlight: %s\n", e.what());
    return 1;
  }
  if (std::fwrite(html.data(), 1, html.size(), stdout) != html.size() || std::fflush(stdout) != 0) {
    std::fputs(CannotWrite.data(), stderr);
    return 1;
  }
  return 0;
}
