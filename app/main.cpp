// Selbrin: the form is the program. Create it (which loads its lists), show it,
// and run until "Çıkış" or the window's close button ends it.
#include <QApplication>

#include "form/form1.h"
#include "ui/qt/application.h"
#include "ui/qt/form_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  selbrin::ui::PrepareApplication(app);
  selbrin::Form1 form;
  selbrin::ui::Form1Window window(form);
  window.show();
  return QApplication::exec();
}
