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

// Has pictures decoded and drawn by picture helper processes, and receives
// only pixels: a fixed header, checked against hard ceilings before anything
// is allocated, and the raster. Nothing waits: the reply is read as it comes,
// and the result handed to a callback. A helper that answered well draws the
// next picture too (up to its share), with its memory already in place; a
// newer conversion ends the one under way by killing its helper, and a helper
// that takes longer than two seconds, writes more than its header announces
// or fails a picture is killed with its process group. Spare helpers are
// started ahead, once the program is idle again, so that a conversion does
// not wait for a process to start and set itself up. Failures are logged
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
  struct Helper {
    std::unique_ptr<QProcess> process;
    // The program's end of the socket the helper receives its requests on.
    std::unique_ptr<const FileDescriptor> requests;
    int answered = 0;
  };

  void startSpares();
  // The first ready helper still running; the ended ones are dropped, and
  // why they ended logged.
  std::optional<Helper> readyHelper();
  void readOutput();
  void helperEnded();
  void readErrors();
  // Hands the result to the callback, or logs `failure` and hands nothing.
  void finish(const QString& failure);
  // Kills the helper and its process group, and lets it go once it has ended.
  void retire(std::unique_ptr<QProcess> helper);

  // Ready helpers, the one that drew last first.
  std::deque<Helper> ready_;
  std::optional<Helper> busy_;
  QTimer* deadline_;
  QByteArray output_;
  QByteArray errors_;
  PictureFile file_;
  QSize box_;
  Done done_;
};
