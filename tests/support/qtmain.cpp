// The test program of the Qt-based tests: one QApplication for all of them, on
// the offscreen platform unless another is asked for, with the fonts of the
// project's own font configuration (text metrics decide many sizes).
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("FONTCONFIG_FILE", KORVAX_FONTS_CONF, 1);
  if (!getenv("XDG_RUNTIME_DIR")) {
    // Qt wants a private runtime directory; a CI shell has none.
    char dir[] = "/tmp/kcl-runtime-XXXXXX";
    if (mkdtemp(dir)) setenv("XDG_RUNTIME_DIR", dir, 1);
  }
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
