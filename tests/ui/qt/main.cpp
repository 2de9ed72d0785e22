// Runs every window test class in one process, on the offscreen platform.
#include <QApplication>
#include <QTest>

#include "tests/ui/qt/support.h"

int main(int argc, char** argv) {
  selbrin::ui::QuietenOffscreenPlatform();
  QApplication app(argc, argv);
  QApplication::setAttribute(Qt::AA_Use96Dpi, true);
  int failed = 0;
  for (const auto& make : selbrin::ui::TestClasses()) {
    std::unique_ptr<QObject> tests = make();
    failed += QTest::qExec(tests.get(), argc, argv);
  }
  return failed == 0 ? 0 : 1;
}
