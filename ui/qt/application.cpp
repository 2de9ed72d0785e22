#include "ui/qt/application.h"

#include <QApplication>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

// The resources are linked from a static library, so they are registered by hand.
static void InitResources() { Q_INIT_RESOURCE(selbrin); }

namespace selbrin::ui {

QIcon ApplicationIcon() {
  InitResources();
  // Only the 32 x 32 image: the window system gets every size the icon holds,
  // decoded, when the window is shown, and a 256 x 256 rendering costs more
  // start-up time and memory than the rest of the window's extras together.
  // Desktops that draw the program big take the larger icons installed with
  // its desktop entry. The reader is told the format, as otherwise it loads
  // every image format plugin (GIF, ICO, JPEG) to ask whether it knows the file.
  QImageReader reader(QStringLiteral(":/icons/selbrin-32.png"), "png");
  reader.setAutoDetectImageFormat(false);
  return QIcon(QPixmap::fromImage(reader.read()));
}

QTranslator* LoadQtTranslation(QApplication& app) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(QLocale(QLocale::Turkish), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return nullptr;
  }
  QApplication::installTranslator(translator);
  return translator;
}

void PrepareApplication(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("Selbrin"));
  QApplication::setApplicationVersion(QStringLiteral(SELBRIN_VERSION_TEXT));
  QApplication::setDesktopFileName(QString::fromLatin1(kAppId));
  app.setWindowIcon(ApplicationIcon());
  LoadQtTranslation(app);
}

}  // namespace selbrin::ui
