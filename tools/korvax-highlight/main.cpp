// korvax-highlight: a Pascal unit as an RTF document, or with --html as an HTML
// page, coloured as the compiler's editor colours it (Wine's registry, else black).
// The RTF goes out in chunks while it is written; the page is built whole.
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "fileio.h"
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

void HighlightAsRtf(const std::string& fileName) {
  TPasRtfWriter writer;
  writer.ReadHighlightSettings(3);
  const korvax::highlight::TSourceFile source(fileName);
  korvax::highlight::TStdOutStream out;
  try {
    writer.Write(source.Text(), out);
  } catch (...) {
    out.TakeBack();
    throw;
  }
}

std::string HighlightAsHtml(const std::string& fileName) {
  THtmlWriter writer(ReadPasHighlightSettings(3, kcl::WineUserRegistryFile()));
  TPasScanner().Scan(korvax::highlight::TSourceFile(fileName).Text(), writer);
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
