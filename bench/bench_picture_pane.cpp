// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

// The picture pane from a newly selected file to its label set and its paint
// box painted, for a 1024 x 768 bitmap and for metafiles of
// 1,000 records, all drawn in the picture helper process, on the offscreen
// platform.
// Between two changes the program is idle for as long as the keyboard's
// repeat takes, the fastest a user changes the selection; the picture helper
// for the next change is started in that time.
#include "ui/preview/picture/picture_pane.h"
#include "ui/windowing/qt_dialog_state.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

QTemporaryDir* folder = nullptr;

void selectionChange(benchmark::State& state, const QString& name, const QString& label) {
  // The file dialog keeps nothing of its own, on disk or for the next run, as in a preview.
  const QtDialogStateGuard noDialogState;
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  attachPicturePane(dialog);
  dialog.show();
  QCoreApplication::processEvents();  // lays the pane out
  auto* box = dialog.findChild<QWidget*>(u"PaintBox"_s);
  if (box->size().isEmpty()) state.SkipWithError("the paint box has no size");
  auto* pictureLabel = dialog.findChild<QLabel*>(u"PictureLabel"_s);
  auto* pane = static_cast<PicturePane*>(dialog.findChild<QWidget*>(u"PicturePanel"_s));
  const QString path = folder->filePath(name);
  // The longest the program's own thread is busy at once: a selection, one
  // pass of the event loop, a repaint.
  qint64 longestStall = 0;
  const auto timed = [&](const auto& work) {
    QElapsedTimer clock;
    clock.start();
    work();
    longestStall = std::max(longestStall, clock.nsecsElapsed());
  };
  for (auto _ : state) {
    // The helper's answer arrives through the event loop.
    timed([&] { pane->showFile(path); });
    QDeadlineTimer deadline(2000);
    while (pictureLabel->text() != label && !deadline.hasExpired()) {
      timed([] { QCoreApplication::processEvents(); });
      QThread::usleep(100);
    }
    timed([&] { box->repaint(); });
    state.PauseTiming();
    if (pictureLabel->text() != label) state.SkipWithError("the picture was not loaded");
    pane->showFile(QString());  // the next change loads the file again
    // Idle between two selections, as long as the keyboard's repeat takes.
    QCoreApplication::processEvents();
    QThread::msleep(30);
    state.ResumeTiming();
  }
  state.counters["longest_stall_ms"] = double(longestStall) / 1e6;
}

void Bitmap_1024x768(benchmark::State& state) { selectionChange(state, u"large.bmp"_s, u" (1024x768)"_s); }
void Wmf_1000Records(benchmark::State& state) { selectionChange(state, u"records1000.wmf"_s, u" (192x96)"_s); }
void Emf_1000Records(benchmark::State& state) { selectionChange(state, u"records1000.emf"_s, u" (227x113)"_s); }

}  // namespace

BENCHMARK(Bitmap_1024x768)->Unit(benchmark::kMillisecond);
BENCHMARK(Wmf_1000Records)->Unit(benchmark::kMillisecond);
BENCHMARK(Emf_1000Records)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QTemporaryDir temporary;
  folder = &temporary;
  QImage large(1024, 768, QImage::Format_RGB32);
  large.fill(Qt::darkCyan);
  if (!large.save(temporary.filePath(u"large.bmp"_s), "BMP")) return 1;
  for (const QString& name : {u"records1000.wmf"_s, u"records1000.emf"_s})
    if (!QFile::copy(QStringLiteral(PICTURES_DIR "/") + name, temporary.filePath(name))) return 1;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
