// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "metafile_converter.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

namespace {

constexpr int helperMilliseconds = 2000;
constexpr qint64 maxDrawingBytes = 64 * 1024 * 1024;

// The helper stands beside the program's executable: the build copies it there,
// and installed both are in the program's own libexec folder.
QString helperPath() {
  const QFileInfo helper(QCoreApplication::applicationDirPath() + QStringLiteral("/quillmark-metafile"));
  return helper.isFile() && helper.isExecutable() ? helper.absoluteFilePath() : QString();
}

// The helper's output: "width height" in 0.01 mm on the first line, then the SVG.
std::optional<MetafileDrawing> parseOutput(const QByteArray& output) {
  const qsizetype lineEnd = output.indexOf('\n');
  if (lineEnd < 0) return std::nullopt;
  const QList<QByteArray> numbers = output.left(lineEnd).split(' ');
  if (numbers.size() != 2) return std::nullopt;
  bool widthOk = false;
  bool heightOk = false;
  const QSize frame(numbers[0].toInt(&widthOk), numbers[1].toInt(&heightOk));
  if (!widthOk || !heightOk || frame.isEmpty()) return std::nullopt;
  return MetafileDrawing{output.mid(lineEnd + 1), frame};
}

// Everything the helper writes until it ends; nothing when it outlives the
// deadline or writes too much, in which case it is killed.
std::optional<QByteArray> outputOf(QProcess& helper) {
  const QDeadlineTimer deadline(helperMilliseconds);
  QByteArray output;
  while (helper.state() != QProcess::NotRunning && !deadline.hasExpired() && output.size() <= maxDrawingBytes) {
    helper.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
    output += helper.readAllStandardOutput();
  }
  if (helper.state() != QProcess::NotRunning) {
    helper.kill();
    helper.waitForFinished();
    return std::nullopt;
  }
  output += helper.readAllStandardOutput();
  if (helper.exitStatus() != QProcess::NormalExit || helper.exitCode() != 0) return std::nullopt;
  return output;
}

}  // namespace

MetafileConverter::MetafileConverter() { startSpare(); }

MetafileConverter::~MetafileConverter() {
  if (spare_) {
    spare_->kill();
    spare_->waitForFinished();
  }
}

void MetafileConverter::startSpare() {
  const QString program = helperPath();
  if (program.isEmpty()) return;
  spare_ = std::make_unique<QProcess>();
  spare_->setStandardErrorFile(QProcess::nullDevice());
  spare_->start(program, {});
}

std::optional<MetafileDrawing> MetafileConverter::convert(const QByteArray& file, const QString& format) {
  if (!spare_) startSpare();
  if (!spare_) return std::nullopt;
  const std::unique_ptr<QProcess> helper = std::move(spare_);
  QTimer::singleShot(0, this, [this] {
    if (!spare_) startSpare();
  });
  if (!helper->waitForStarted(helperMilliseconds)) return std::nullopt;
  // The helper reads the format on a line of its own, then the file.
  helper->write(format.toLatin1() + '\n');
  helper->write(file);
  helper->closeWriteChannel();
  const std::optional<QByteArray> output = outputOf(*helper);
  if (!output) return std::nullopt;
  return parseOutput(*output);
}
