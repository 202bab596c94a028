// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/picture/picture_converter.h"

#include "picture_helper/picture_protocol.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QTimer>

#include <csignal>
#include <cstring>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

Q_LOGGING_CATEGORY(pictureLog, "quillmark.picture", QtCriticalMsg)

constexpr int helperMilliseconds = 2000;
// Helpers started ahead: enough that one has finished setting itself up when
// the selection changes as fast as the keyboard repeats.
constexpr std::size_t spareCount = 3;
constexpr qsizetype maxErrorBytes = 4096;

// The helper stands beside the program's executable: the build copies it there,
// and installed both are in the program's own libexec folder.
QString helperPath() {
  const QFileInfo helper(QCoreApplication::applicationDirPath() + u"/quillmark-metafile"_s);
  return helper.isFile() && helper.isExecutable() ? helper.absoluteFilePath() : QString();
}

// Ends the helper and anything it started: it leads its own process group.
void killGroup(QProcess& helper) {
  if (helper.processId() > 0) ::kill(-pid_t(helper.processId()), SIGKILL);
  helper.kill();
}

// The reply's header, when the reply holds one.
std::optional<PictureReplyHeader> headerOf(const QByteArray& output) {
  if (output.size() < qsizetype(sizeof(PictureReplyHeader))) return std::nullopt;
  PictureReplyHeader header;
  std::memcpy(&header, output.constData(), sizeof header);
  return header;
}

// Why the header cannot be taken for a raster of at most `box`; empty when it can.
QString headerFault(const PictureReplyHeader& header, QSize box) {
  if (header.magic != pictureReplyMagic) return u"the reply is not a picture"_s;
  if (header.status != PictureStatus::Drawn)
    return u"the helper did not draw the picture (status %1)"_s.arg(int(header.status));
  const QSize natural(header.naturalWidth, header.naturalHeight);
  const QSize raster(header.rasterWidth, header.rasterHeight);
  if (natural.isEmpty() || natural.width() > maxPictureSide || natural.height() > maxPictureSide)
    return u"natural size %1x%2 out of bounds"_s.arg(natural.width()).arg(natural.height());
  if (raster.isEmpty() || raster.width() > box.width() || raster.height() > box.height())
    return u"raster %1x%2 larger than the %3x%4 asked for"_s.arg(raster.width())
        .arg(raster.height())
        .arg(box.width())
        .arg(box.height());
  return {};
}

qsizetype replyBytes(const PictureReplyHeader& header) {
  return qsizetype(sizeof header) + qsizetype(header.rasterWidth) * header.rasterHeight * 4;
}

}  // namespace

PictureConverter::PictureConverter() : deadline_(new QTimer(this)) {
  deadline_->setSingleShot(true);
  connect(deadline_, &QTimer::timeout, this, [this] { finish(u"no answer within %1 ms"_s.arg(helperMilliseconds)); });
  startSpares();
}

PictureConverter::~PictureConverter() {
  cancel();
  for (const std::unique_ptr<QProcess>& spare : spares_) {
    killGroup(*spare);
    spare->waitForFinished();
  }
}

void PictureConverter::startSpares() {
  const QString program = helperPath();
  if (program.isEmpty()) return;
  if (spares_.size() >= spareCount) return;
  auto spare = std::make_unique<QProcess>();
  spare->setChildProcessModifier([] { ::setpgid(0, 0); });
  spare->start(program, {});
  spares_.push_back(std::move(spare));
  // One start (a fork of the program) per pass of the event loop, so that
  // the program's thread is never held by several at once.
  if (spares_.size() < spareCount) QTimer::singleShot(0, this, &PictureConverter::startSpares);
}

void PictureConverter::convert(const PictureFile& file, int dotsPerInch, QSize box, bool stretch, Done done) {
  cancel();
  if (spares_.empty()) startSpares();
  if (spares_.empty()) {
    qCWarning(pictureLog) << "the picture helper quillmark-metafile is missing beside the program";
    done(std::nullopt);
    return;
  }
  // The one started first is the likeliest to be ready.
  helper_ = std::move(spares_.front());
  spares_.pop_front();
  output_.clear();
  errors_.clear();
  file_ = file;
  box_ = box.expandedTo(QSize(1, 1));
  done_ = std::move(done);
  QProcess& helper = *helper_;
  connect(&helper, &QProcess::readyReadStandardOutput, this, &PictureConverter::readOutput);
  connect(&helper, &QProcess::readyReadStandardError, this, [this, &helper] { readErrors(helper); });
  connect(&helper, &QProcess::finished, this, [this] { finish({}); });
  connect(&helper, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) finish(u"the helper could not be started"_s);
  });
  const PictureRequest request{file.kind.toStdString(), dotsPerInch, box_.width(), box_.height(), stretch};
  helper.write(QByteArray::fromStdString(requestLine(request)));
  helper.write(file.bytes);
  helper.closeWriteChannel();
  deadline_->start(helperMilliseconds);
}

void PictureConverter::cancel() {
  deadline_->stop();
  done_ = nullptr;
  if (!helper_) return;
  helper_->disconnect(this);
  killGroup(*helper_);
  // Reaped once it has ended, without waiting for it here.
  QProcess* helper = helper_.release();
  helper->setParent(this);
  connect(helper, &QProcess::finished, helper, &QObject::deleteLater);
  if (helper->state() == QProcess::NotRunning) helper->deleteLater();
}

void PictureConverter::readOutput() {
  output_ += helper_->readAllStandardOutput();
  const std::optional<PictureReplyHeader> header = headerOf(output_);
  if (!header) return;
  const QString fault = headerFault(*header, box_);
  if (!fault.isEmpty() && header->status == PictureStatus::Drawn)
    finish(fault);
  else if (output_.size() > replyBytes(*header))
    finish(u"the helper wrote more than its header announced"_s);
  else if (fault.isEmpty() && output_.size() == replyBytes(*header))
    finish({});  // the whole raster is here: no need to wait for the helper's exit
}

void PictureConverter::readErrors(QProcess& helper) {
  const QByteArray text = helper.readAllStandardError();
  errors_ += text.left(maxErrorBytes - errors_.size());
}

void PictureConverter::finish(QString failure) {
  if (!helper_) return;
  QProcess& helper = *helper_;
  if (helper.state() == QProcess::NotRunning) {
    output_ += helper.readAllStandardOutput();
    readErrors(helper);
  }
  const std::optional<PictureReplyHeader> header = headerOf(output_);
  if (failure.isEmpty() && helper.state() == QProcess::NotRunning) {
    if (helper.exitStatus() != QProcess::NormalExit)
      failure = u"the helper was ended by a signal"_s;
    else if (helper.exitCode() != 0)
      failure = u"the helper exited with status %1"_s.arg(helper.exitCode());
    else if (!header)
      failure = u"the reply is cut short"_s;
    else if (failure = headerFault(*header, box_); failure.isEmpty() && output_.size() != replyBytes(*header))
      failure = u"the reply's raster is cut short"_s;
  }
  if (!errors_.isEmpty())
    qCWarning(pictureLog).noquote() << "the picture helper's error output:" << QString::fromLocal8Bit(errors_);
  std::optional<Picture> picture;
  if (failure.isEmpty()) {
    // The pixels are copied out of the reply into an image of the size the
    // header gave, which was checked against the box asked for.
    QImage raster(header->rasterWidth, header->rasterHeight, QImage::Format_ARGB32_Premultiplied);
    const char* pixels = output_.constData() + sizeof(PictureReplyHeader);
    for (int row = 0; row < raster.height(); ++row)
      std::memcpy(raster.scanLine(row), pixels + qsizetype(row) * raster.width() * 4, raster.width() * 4);
    picture.emplace(file_, QSize(header->naturalWidth, header->naturalHeight), std::move(raster));
  } else {
    qCWarning(pictureLog).noquote() << "a" << file_.kind << "picture cannot be shown:" << failure;
  }
  Done done = std::move(done_);
  output_.clear();
  cancel();
  if (done) done(std::move(picture));
  // The helpers used are replaced once the picture is shown, so that their
  // start does not compete with the conversion for the processor.
  QTimer::singleShot(0, this, &PictureConverter::startSpares);
}
