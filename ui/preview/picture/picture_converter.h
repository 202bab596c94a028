// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "ui/preview/picture/picture.h"

#include <QObject>
#include <QSize>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class QProcess;
class QTimer;

// Has pictures decoded and drawn by the picture helper process, one process
// per picture, and receives only pixels: a fixed header, checked against
// hard ceilings before anything is allocated, and the raster. Nothing waits:
// the reply is read as it comes, and the result handed to a callback. A newer
// conversion ends the older one; a helper that takes longer than two seconds
// or writes more than its header announces is killed with its process group.
// The next helpers are started ahead, once the program is idle again, so
// that a conversion does not wait for a process to start and set itself up. Failures are logged
// under the "quillmark.picture" category (off by default), with what the
// helper wrote to its error output.
class PictureConverter : public QObject {
 public:
  using Done = std::function<void(std::optional<Picture>)>;

  PictureConverter();
  ~PictureConverter() override;

  // Draws `file` at `dotsPerInch` for `box`, fitted as the pane shows it or
  // stretched over it; `done` receives the picture, or nothing when it
  // cannot be shown. Ends the conversion under way, whose callback is then
  // never called.
  void convert(const PictureFile& file, int dotsPerInch, QSize box, bool stretch, Done done);
  // Ends the conversion under way, if any.
  void cancel();

 private:
  void startSpares();
  void readOutput();
  void readErrors(QProcess& helper);
  // Hands the result to the callback, or logs `failure` (or what the helper's
  // exit or reply shows) and hands nothing.
  void finish(QString failure);

  std::deque<std::unique_ptr<QProcess>> spares_;
  std::unique_ptr<QProcess> helper_;
  QTimer* deadline_;
  QByteArray output_;
  QByteArray errors_;
  PictureFile file_;
  QSize box_;
  Done done_;
};
