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

#include <sys/socket.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

Q_LOGGING_CATEGORY(pictureLog, "quillmark.picture", QtCriticalMsg)

constexpr int helperMilliseconds = 2000;
// Helpers kept ready: the one that drew last, and one to take over at once
// when a newer selection kills the helper at work.
constexpr std::size_t spareCount = 2;
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

// Why a helper that has ended did so.
QString howItEnded(const QProcess& helper) {
  if (helper.error() == QProcess::FailedToStart) return u"the helper could not be started"_s;
  if (helper.exitStatus() != QProcess::NormalExit) return u"the helper was ended by a signal"_s;
  return u"the helper exited with status %1"_s.arg(helper.exitCode());
}

}  // namespace

PictureConverter::PictureConverter() : deadline_(new QTimer(this)) {
  deadline_->setSingleShot(true);
  connect(deadline_, &QTimer::timeout, this, [this] { finish(u"no answer within %1 ms"_s.arg(helperMilliseconds)); });
  startSpares();
}

PictureConverter::~PictureConverter() {
  cancel();
  for (Helper& helper : ready_) retire(std::move(helper.process));
  // Every helper has been killed: each is reaped here.
  for (QProcess* helper : findChildren<QProcess*>()) helper->waitForFinished();
}

void PictureConverter::startSpares() {
  const QString program = helperPath();
  if (program.isEmpty()) return;
  if (ready_.size() >= spareCount) return;
  int sockets[2];
  if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, sockets) != 0) return;
  auto requests = std::make_unique<const FileDescriptor>(sockets[0]);
  const FileDescriptor helperEnd(sockets[1]);
  auto spare = std::make_unique<QProcess>();
  // The helper's input is its end of the socket; it leads a process group of
  // its own.
  spare->setStandardInputFile(QProcess::nullDevice());
  spare->setChildProcessModifier([input = helperEnd.get()] {
    ::dup2(input, STDIN_FILENO);
    ::setpgid(0, 0);
  });
  spare->start(program, {});
  ready_.push_back({std::move(spare), std::move(requests)});
  // One start (a fork of the program) per pass of the event loop, so that
  // the program's thread is never held by several at once.
  if (ready_.size() < spareCount) QTimer::singleShot(0, this, &PictureConverter::startSpares);
}

std::optional<PictureConverter::Helper> PictureConverter::readyHelper() {
  if (ready_.empty()) startSpares();
  while (!ready_.empty()) {
    Helper helper = std::move(ready_.front());
    ready_.pop_front();
    if (helper.process->state() != QProcess::NotRunning) return helper;
    const QByteArray errors = helper.process->readAllStandardError().left(maxErrorBytes);
    qCWarning(pictureLog).noquote() << "a ready picture helper ended:" << howItEnded(*helper.process)
                                    << QString::fromLocal8Bit(errors);
    if (ready_.empty()) startSpares();
  }
  return std::nullopt;
}

void PictureConverter::convert(const PictureFile& file, int dotsPerInch, QSize box, bool stretch, Done done) {
  cancel();
  busy_ = readyHelper();
  if (!busy_) {
    qCWarning(pictureLog) << "the picture helper quillmark-metafile is missing beside the program";
    done(std::nullopt);
    return;
  }
  output_.clear();
  errors_.clear();
  file_ = file;
  box_ = box.expandedTo(QSize(1, 1));
  done_ = std::move(done);
  QProcess& helper = *busy_->process;
  connect(&helper, &QProcess::readyReadStandardOutput, this, &PictureConverter::readOutput);
  connect(&helper, &QProcess::readyReadStandardError, this, &PictureConverter::readErrors);
  connect(&helper, &QProcess::finished, this, &PictureConverter::helperEnded);
  connect(&helper, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) helperEnded();
  });
  deadline_->start(helperMilliseconds);
  const PictureRequest request{file.kind.toStdString(), dotsPerInch, box_.width(), box_.height(), stretch};
  if (!sendRequest(busy_->requests->get(), request, file.file->get())) {
    finish(u"the helper could not be sent the request"_s);
    return;
  }
  // What the helper has already written (its warnings while it set itself
  // up) belongs to this conversion's log.
  readErrors();
}

void PictureConverter::cancel() {
  deadline_->stop();
  done_ = nullptr;
  if (busy_) retire(std::move(busy_->process));
  busy_.reset();
}

void PictureConverter::retire(std::unique_ptr<QProcess> helper) {
  helper->disconnect(this);
  killGroup(*helper);
  // Reaped once it has ended, without waiting for it here.
  QProcess* ended = helper.release();
  ended->setParent(this);
  connect(ended, &QProcess::finished, ended, &QObject::deleteLater);
  if (ended->state() == QProcess::NotRunning) ended->deleteLater();
}

void PictureConverter::readOutput() {
  output_ += busy_->process->readAllStandardOutput();
  const std::optional<PictureReplyHeader> header = headerOf(output_);
  if (!header) return;
  if (const QString fault = headerFault(*header, box_); !fault.isEmpty())
    finish(fault);
  else if (output_.size() > replyBytes(*header))
    finish(u"the helper wrote more than its header announced"_s);
  else if (output_.size() == replyBytes(*header))
    finish({});
}

void PictureConverter::helperEnded() {
  // What it wrote before it ended may complete its answer.
  readOutput();
  if (busy_) finish(howItEnded(*busy_->process));
}

void PictureConverter::readErrors() {
  const QByteArray text = busy_->process->readAllStandardError();
  errors_ += text.left(maxErrorBytes - errors_.size());
}

void PictureConverter::finish(const QString& failure) {
  if (!busy_) return;
  readErrors();
  if (!errors_.isEmpty())
    qCWarning(pictureLog).noquote() << "the picture helper's error output:" << QString::fromLocal8Bit(errors_);
  std::optional<Picture> picture;
  if (failure.isEmpty()) {
    // The pixels are copied out of the reply into an image of the size the
    // header gave, which was checked against the box asked for.
    const std::optional<PictureReplyHeader> header = headerOf(output_);
    QImage raster(header->rasterWidth, header->rasterHeight, QImage::Format_ARGB32_Premultiplied);
    const char* pixels = output_.constData() + sizeof(PictureReplyHeader);
    for (int row = 0; row < raster.height(); ++row)
      std::memcpy(raster.scanLine(row), pixels + qsizetype(row) * raster.width() * 4, raster.width() * 4);
    picture.emplace(file_, QSize(header->naturalWidth, header->naturalHeight), std::move(raster));
  } else {
    qCWarning(pictureLog).noquote() << "a" << file_.kind << "picture cannot be shown:" << failure;
  }
  // A helper that drew the picture stays ready for the next one; one that
  // failed is not trusted with another.
  if (picture && ++busy_->answered < maxPicturesPerHelper) {
    busy_->process->disconnect(this);
    ready_.push_front(std::move(*busy_));
    busy_.reset();
  }
  Done done = std::move(done_);
  output_.clear();
  cancel();
  if (done) done(std::move(picture));
  // Helpers let go are replaced once the picture is shown, so that their
  // start does not compete with the conversion for the processor.
  QTimer::singleShot(0, this, &PictureConverter::startSpares);
}
