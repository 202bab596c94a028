#include "picture_loader.h"

#include "regular_file.h"

#include <QFileInfo>

namespace {

// No picture file the pane shows comes near this; larger files are not read.
constexpr qint64 maxPictureFileBytes = 64 * 1024 * 1024;

}  // namespace

std::optional<Picture> loadPicture(const QString& path, int dotsPerInch) {
  Q_UNUSED(dotsPerInch);
  const QString extension = QFileInfo(path).suffix().toLower();
  const char* imageFormat = extension == u"bmp" ? "bmp" : extension == u"ico" ? "ico" : nullptr;
  if (!imageFormat) return std::nullopt;
  const std::optional<QByteArray> bytes = readRegularFile(path, maxPictureFileBytes);
  if (!bytes) return std::nullopt;
  return Picture::fromImage(*bytes, imageFormat);
}
