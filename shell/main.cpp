// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "shell/AboutUn.h"
#include "shell/SplashUn.h"
#include "shell/clipboard_after_exit.h"
#include "shell/command_line.h"
#include "shell/platform_choice.h"
#include "shell/session_bus.h"
#include "ui/fmMainUn.h"

#include <QApplication>
#include <QStyleFactory>
#include <QThread>
#include <cstdio>
#include <memory>

namespace {

// Reads the command line and prints what it asks for. Qt's -platform and -display are
// passed on through the environment, where the platform choice looks for them as Qt does.
CommandLineAnswer answerArguments(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const CommandLineAnswer answer = answerCommandLine(arguments);
  if (answer.exitStatus) std::fputs(answer.text.toLocal8Bit().constData(), *answer.exitStatus == 0 ? stdout : stderr);
  if (!answer.platform.isEmpty()) qputenv("QT_QPA_PLATFORM", answer.platform);
  if (!answer.display.isEmpty()) qputenv("DISPLAY", answer.display);
  return answer;
}

}  // namespace

// Starts the program: the composer window is created first and is the main window, then
// the splash window and the About box, which copies the splash window's pictures. The
// splash window stays on the screen for three seconds, during which the program answers
// nothing, and is gone before the composer window appears. Closing the composer window
// ends the run; the code last copied stays on the clipboard. The command line is answered
// first, without a display.
int main(int argc, char* argv[]) {
  const CommandLineAnswer commandLine = answerArguments(argc, argv);
  if (commandLine.exitStatus) return *commandLine.exitStatus;
  PlatformChoice platform;
  if (!platform.displayAnswers()) {
    // Qt would abort with a core dump; a user started from a text console or a
    // broken session gets one line instead.
    std::fputs("quillmark: cannot connect to an X11 or Wayland display\n", stderr);
    return 1;
  }
  keepSessionBusFromAutolaunching();
  QApplication application(argc, argv);
  platform.release();
  // The window class that docks match with the desktop entry ("quillmark", "Quillmark"
  // on X11); never a display name, which Qt would append to every window title.
  QApplication::setApplicationName(QStringLiteral("Quillmark"));
  QApplication::setDesktopFileName(QStringLiteral("org.example.quillmark"));
  // The windows are laid out at fixed pixel positions; Fusion's metrics are the ones
  // they were fitted to, whatever style the desktop would pick. A style the user names
  // with -style is kept.
  if (!commandLine.styleChosen) QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  TfmMain fmMain;
  QApplication::setWindowIcon(fmMain.windowIcon());
  auto fmSplash = std::make_unique<TfmSplash>();
  TfmAbout fmAbout(*fmSplash, &fmMain);
  fmMain.setAboutBox(&fmAbout);
  showFullyDrawn(*fmSplash);
  QThread::msleep(3000);
  fmSplash.reset();
  fmMain.show();
  const int status = QApplication::exec();
  keepClipboardAfterExit();
  return status;
}
