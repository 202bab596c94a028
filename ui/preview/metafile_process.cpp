#include "metafile_process.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>

namespace {

constexpr int helperMilliseconds = 2000;
constexpr qint64 maxDrawingBytes = 64 * 1024 * 1024;

// Beside the program's executable (the build tree), or in the installed
// libexec folder relative to it.
QString helperPath() {
  const QString folder = QCoreApplication::applicationDirPath();
  for (const QString& candidate : {folder + QStringLiteral("/quillmark-metafile"),
                                   folder + QStringLiteral("/" QUILLMARK_METAFILE_HELPER_FROM_BIN)}) {
    const QFileInfo helper(candidate);
    if (helper.isFile() && helper.isExecutable()) return helper.absoluteFilePath();
  }
  return {};
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

}  // namespace

std::optional<MetafileDrawing> convertMetafile(const QByteArray& file, const QString& format) {
  const QString program = helperPath();
  if (program.isEmpty()) return std::nullopt;
  QProcess helper;
  helper.setStandardErrorFile(QProcess::nullDevice());
  helper.start(program, {format});
  if (!helper.waitForStarted(helperMilliseconds)) return std::nullopt;
  helper.write(file);
  helper.closeWriteChannel();
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
  return parseOutput(output);
}
