// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

class QProcess;

// A metafile drawn as SVG, with its frame's size in 0.01 mm.
struct MetafileDrawing {
  QByteArray svg;
  QSize frame;
};

// Converts metafiles in the metafile helper process, one process per file.
// The helper runs with limits on its memory and processor time and is killed
// when it takes longer than two seconds or writes more than the pane takes, so
// a hostile or broken file can neither crash, hang nor exhaust the program.
// The next helper is started ahead, once the program is idle again, so that a
// conversion does not wait for a process to start.
class MetafileConverter : public QObject {
 public:
  MetafileConverter();
  ~MetafileConverter() override;

  // The WMF (`format` "wmf") or EMF ("emf") metafile `file` as SVG; nothing
  // when the helper is missing, fails or is killed.
  std::optional<MetafileDrawing> convert(const QByteArray& file, const QString& format);

 private:
  void startSpare();

  std::unique_ptr<QProcess> spare_;
};
