#include "ui/application.h"

#include <QApplication>

// The resources are linked from a static library, so they are registered by hand.
static void InitResources() { Q_INIT_RESOURCE(selbrin); }

namespace selbrin::ui {

QIcon ApplicationIcon() {
  InitResources();
  QIcon icon;
  // Sizes given, so the images are read only when a size is first drawn.
  icon.addFile(QStringLiteral(":/icons/selbrin-32.png"), QSize(32, 32));
  icon.addFile(QStringLiteral(":/icons/selbrin-256.png"), QSize(256, 256));
  return icon;
}

void PrepareApplication(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("Selbrin"));
  QApplication::setApplicationVersion(QStringLiteral(SELBRIN_VERSION_TEXT));
  QApplication::setDesktopFileName(QString::fromLatin1(kAppId));
  app.setWindowIcon(ApplicationIcon());
}

}  // namespace selbrin::ui
