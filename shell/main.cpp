#include "fmMainUn.h"
#include "platform_choice.h"

#include <QApplication>
#include <QStyleFactory>

// Starts the program: the composer window is the main window, and closing it ends the run.
int main(int argc, char* argv[]) {
  choosePlatform();
  QApplication application(argc, argv);
  // The windows are laid out at fixed pixel positions; Fusion's metrics are the ones
  // they were fitted to, whatever style the desktop would pick.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  TfmMain fmMain;
  fmMain.show();
  return QApplication::exec();
}
