// korvax-formcheck FILE...: loads each form file as the designer does, writes it
// back and says whether the bytes are the same.
#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "formcheck.h"
#include "ide/designer/catalogue.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: korvax-formcheck FILE...\n");
    return 2;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  korvax::designer::RegisterCatalogueClasses();
  int loaded = 0, identical = 0;
  for (int i = 1; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    korvax::formcheck::TFormCheckResult result;
    if (!in) {
      result.Error = "Cannot open file " + std::string(argv[i]);
    } else {
      const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      const std::string directory = std::filesystem::path(argv[i]).parent_path().string();
      result = korvax::formcheck::CheckForm(bytes, [&directory](const std::string& form) {
        return korvax::formcheck::AncestorInDirectory(directory.empty() ? "." : directory, form);
      });
    }
    loaded += result.Loaded;
    identical += result.Identical;
    std::printf("%s\n", korvax::formcheck::ResultLine(argv[i], result).c_str());
  }
  const int files = argc - 1;
  std::printf("%d files: %d loaded, %d identical\n", files, loaded, identical);
  return identical == files ? 0 : 1;
}
