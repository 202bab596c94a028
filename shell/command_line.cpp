// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "shell/command_line.h"

#include <QCommandLineParser>

namespace {

// The options that Qt's application object takes out of the arguments on Linux (X11 and
// Wayland), each also written with two dashes; those in the first list take a value.
const char* const qtOptionsWithValue[] = {"platform",
                                          "platformpluginpath",
                                          "platformtheme",
                                          "plugin",
                                          "qwindowgeometry",
                                          "geometry",
                                          "qwindowicon",
                                          "icon",
                                          "qwindowtitle",
                                          "title",
                                          "session",
                                          "style",
                                          "stylesheet",
                                          "display",
                                          "name",
                                          "visual",
                                          "qmljsdebugger"};
const char* const qtFlags[] = {"reverse", "testability", "widgetcount", "nograb", "dograb"};

void addQtOptions(QCommandLineParser& parser) {
  const auto hidden = [](QCommandLineOption option) {
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
  };
  for (const char* name : qtOptionsWithValue)
    parser.addOption(hidden(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value"))));
  for (const char* name : qtFlags) parser.addOption(hidden(QCommandLineOption(QString::fromLatin1(name))));
}

QString usage(const QCommandLineParser& parser) {
  // Without an application object Qt cannot name the program itself.
  return parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("quillmark"));
}

}  // namespace

CommandLineAnswer answerCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  // Qt's options are written with one dash: "-platform", not "-p -l -a ...".
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(
      QStringLiteral("Composes a message box, an input box or a common dialog and copies the Object Pascal code\n"
                     "that shows it. Qt's own options, such as -platform, -display and -style, are taken too."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Displays this help and ends."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Displays the version and ends."));
  parser.addOption(help);
  parser.addOption(version);
  addQtOptions(parser);

  CommandLineAnswer answer;
  QString fault;
  if (!parser.parse(arguments))
    fault = parser.errorText();
  else if (!parser.positionalArguments().isEmpty())
    fault = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
  if (!fault.isEmpty()) {
    answer.exitStatus = 2;
    answer.text = QStringLiteral("quillmark: ") + fault + QLatin1Char('\n') + usage(parser);
  } else if (parser.isSet(help)) {
    answer.exitStatus = 0;
    answer.text = usage(parser);
  } else if (parser.isSet(version)) {
    answer.exitStatus = 0;
    answer.text = QStringLiteral("quillmark " QUILLMARK_VERSION "\n");
  }
  answer.platform = parser.value(QStringLiteral("platform")).toLocal8Bit();
  answer.display = parser.value(QStringLiteral("display")).toLocal8Bit();
  answer.styleChosen = parser.isSet(QStringLiteral("style"));
  return answer;
}
