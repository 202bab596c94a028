// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "shell/clipboard_after_exit.h"

#include "clipboard_keeper/keeper_launch.h"
#include "clipboard_keeper/x11_selections.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLoggingCategory>

using namespace Qt::StringLiterals;

namespace {

Q_LOGGING_CATEGORY(clipboardLog, "quillmark.clipboard")

constexpr std::chrono::seconds keeperStartTimeout{5};

}  // namespace

void keepClipboardAfterExit() {
  if (QGuiApplication::platformName() != "xcb"_L1) return;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
  QClipboard* clipboard = QGuiApplication::clipboard();
  // Qt may not have heard yet that another client took the clipboard; the display knows.
  if (!connection || !clipboard->ownsClipboard() || !connectionOwnsClipboard(connection)) return;
  if (clipboardManagerRuns(connection)) return;
  const QString keeper = QCoreApplication::applicationDirPath() + u"/quillmark-clipboard-keeper"_s;
  const QByteArray text = clipboard->text().toUtf8();
  if (!startClipboardKeeper(QFile::encodeName(keeper).toStdString(), text.toStdString(), keeperStartTimeout))
    qCWarning(clipboardLog) << "the clipboard keeper" << keeper << "did not take the clipboard;"
                            << "the copied text ends with the program";
}
