#include "qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

void QtClipboard::setText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}
