// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

// "&Test" from the call of showPreview to its dialog being visible (its first
// paint), for every kind, beside a bare Qt program that shows the same Qt
// dialog. Runs on the offscreen platform with a private CUPS server for the
// printer kinds; the file dialogs open a folder of 50 files.
#include "tests/support/private_cups_server.h"
#include "ui/preview/show_preview.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>

#include <chrono>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

using Clock = std::chrono::steady_clock;

// Notes when the first dialog window paints and then closes it.
class FirstPaintClock : public QObject {
 public:
  FirstPaintClock() { qApp->installEventFilter(this); }
  ~FirstPaintClock() override { qApp->removeEventFilter(this); }

  bool seen() const { return seen_; }
  Clock::time_point paintedAt() const { return paintedAt_; }

  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!seen_ && event->type() == QEvent::Paint && dialog && dialog->isWindow()) {
      seen_ = true;
      paintedAt_ = Clock::now();
      QMetaObject::invokeMethod(
          dialog, [dialog] { dialog->done(QDialog::Rejected); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  bool seen_ = false;
  Clock::time_point paintedAt_;
};

void measure(benchmark::State& state, const std::function<void()>& show) {
  for (auto _ : state) {
    FirstPaintClock clock;
    const Clock::time_point start = Clock::now();
    show();
    if (!clock.seen()) {
      state.SkipWithError("no dialog became visible");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(clock.paintedAt() - start).count());
    QCoreApplication::processEvents();
  }
}

ComposerSettings commonDialog(DialogKind kind) {
  ComposerSettings settings = defaults();
  settings.activeCreator = CreatorKind::CommonDialog;
  settings.commonDialog.activeDialog = kind;
  if (isFileDialog(kind)) {
    FileDialogSettings& file = fileDialogSettings(settings.commonDialog, kind);
    file.title = "Open report";
    file.filters[0] = {"Text files", "*.txt"};
    file.filters[1] = {"All files", "*.*"};
  }
  return settings;
}

// The main window that is open in both programs; it owns the message boxes.
QWidget* composerWindow = nullptr;

void preview(benchmark::State& state, const ComposerSettings& settings) {
  measure(state, [&] { showPreview(settings, composerWindow); });
}

void Preview_MessageBox(benchmark::State& state) {
  ComposerSettings settings = defaults();
  settings.messageBox.caption = "Confirm";
  settings.messageBox.text = "Save changes?\r\nQuit now?";
  settings.messageBox.buttons = ButtonChoice::No_YesNoCancel;
  preview(state, settings);
}

void Bare_MessageBox(benchmark::State& state) {
  measure(state, [] {
    QMessageBox box(QMessageBox::Information, u"Confirm"_s, u"Save changes?\nQuit now?"_s,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, composerWindow);
    box.setDefaultButton(QMessageBox::No);
    box.exec();
  });
}

void Preview_InputBox(benchmark::State& state) {
  ComposerSettings settings = defaults();
  settings.activeCreator = CreatorKind::InputBox;
  settings.inputBox = {"Login", "Your name:", "Guest", "Result"};
  preview(state, settings);
}

void Bare_InputBox(benchmark::State& state) {
  measure(state, [] {
    QDialog box;
    QFont font(u"Liberation Sans"_s);
    font.setPixelSize(11);
    box.setFont(font);
    box.setWindowTitle(u"Login"_s);
    auto* label = new QLabel(u"Your name:"_s, &box);
    auto* edit = new QLineEdit(u"Guest"_s, &box);
    auto* ok = new QPushButton(u"OK"_s, &box);
    auto* cancel = new QPushButton(u"Cancel"_s, &box);
    label->setBuddy(edit);
    label->setGeometry(12, 12, 55, 14);
    edit->setGeometry(12, 29, 246, 22);
    edit->setMaxLength(255);
    edit->selectAll();
    edit->setFocus();
    ok->setGeometry(57, 62, 75, 21);
    ok->setDefault(true);
    cancel->setGeometry(138, 62, 75, 21);
    box.setFixedSize(270, 95);
    box.exec();
  });
}

void Preview_Open(benchmark::State& state) { preview(state, commonDialog(DialogKind::Open)); }
void Preview_Save(benchmark::State& state) { preview(state, commonDialog(DialogKind::Save)); }
void Preview_OpenPicture(benchmark::State& state) { preview(state, commonDialog(DialogKind::OpenPicture)); }
void Preview_SavePicture(benchmark::State& state) { preview(state, commonDialog(DialogKind::SavePicture)); }

void bareFileDialog(benchmark::State& state, QFileDialog::AcceptMode mode) {
  measure(state, [mode] {
    QFileDialog dialog(nullptr, u"Open report"_s, QDir::currentPath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setNameFilters({u"Text files (*.txt)"_s, u"All files (*)"_s});
    dialog.exec();
  });
}

void Bare_Open(benchmark::State& state) { bareFileDialog(state, QFileDialog::AcceptOpen); }
void Bare_Save(benchmark::State& state) { bareFileDialog(state, QFileDialog::AcceptSave); }

void previewFont(benchmark::State& state, FontDevice device) {
  ComposerSettings settings = commonDialog(DialogKind::Font);
  settings.commonDialog.fontDevice = device;
  preview(state, settings);
}

// The printer-font kinds ask CUPS whether the current printer is still there.
void Preview_Font_AllFonts(benchmark::State& state) { previewFont(state, FontDevice::AllFonts); }
void Preview_Font_ScreenFontsOnly(benchmark::State& state) { previewFont(state, FontDevice::ScreenFontsOnly); }

void bareFontDialog(benchmark::State& state, bool askPrinters) {
  measure(state, [askPrinters] {
    if (askPrinters) benchmark::DoNotOptimize(QPrinterInfo::availablePrinterNames());
    QFontDialog dialog;
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setCurrentFont(QFont(u"Liberation Sans"_s, 8));
    dialog.exec();
  });
}

void Bare_Font(benchmark::State& state) { bareFontDialog(state, false); }
void Bare_Font_AfterAskingForPrinters(benchmark::State& state) { bareFontDialog(state, true); }

// By default the part that defines custom colours is hidden; full open shows
// all of Qt's colour dialog.
void Preview_Color(benchmark::State& state) { preview(state, commonDialog(DialogKind::Color)); }

void Preview_Color_FullOpen(benchmark::State& state) {
  ComposerSettings settings = commonDialog(DialogKind::Color);
  settings.commonDialog.allowCustomColors = true;
  settings.commonDialog.showCustomColors = true;
  preview(state, settings);
}

void Bare_Color(benchmark::State& state) {
  measure(state, [] {
    QColorDialog dialog;
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.exec();
  });
}

void Preview_Print(benchmark::State& state) { preview(state, commonDialog(DialogKind::Print)); }

void Bare_Print(benchmark::State& state) {
  measure(state, [] {
    QPrinter printer;
    QPrintDialog dialog(&printer);
    dialog.exec();
  });
}

}  // namespace

#define PREVIEW_BENCHMARK(name) BENCHMARK(name)->UseManualTime()->Unit(benchmark::kMillisecond)

PREVIEW_BENCHMARK(Preview_MessageBox);
PREVIEW_BENCHMARK(Bare_MessageBox);
PREVIEW_BENCHMARK(Preview_InputBox);
PREVIEW_BENCHMARK(Bare_InputBox);
PREVIEW_BENCHMARK(Preview_Open);
PREVIEW_BENCHMARK(Preview_OpenPicture);
PREVIEW_BENCHMARK(Bare_Open);
PREVIEW_BENCHMARK(Preview_Save);
PREVIEW_BENCHMARK(Preview_SavePicture);
PREVIEW_BENCHMARK(Bare_Save);
PREVIEW_BENCHMARK(Preview_Font_AllFonts);
PREVIEW_BENCHMARK(Bare_Font_AfterAskingForPrinters);
PREVIEW_BENCHMARK(Preview_Font_ScreenFontsOnly);
PREVIEW_BENCHMARK(Bare_Font);
PREVIEW_BENCHMARK(Preview_Color);
PREVIEW_BENCHMARK(Preview_Color_FullOpen);
PREVIEW_BENCHMARK(Bare_Color);
PREVIEW_BENCHMARK(Preview_Print);
PREVIEW_BENCHMARK(Bare_Print);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  PrivateCupsServer cups;
  if (!cups.error().isEmpty() || !cups.addQueue(u"QuillmarkBench"_s) || !cups.setDefault(u"QuillmarkBench"_s)) {
    qWarning("private CUPS server: %s", qPrintable(cups.error()));
    return 1;
  }
  QTemporaryDir folder;
  for (int i = 0; i < 50; ++i) QFile(folder.filePath(QStringLiteral("file%1.txt").arg(i))).open(QIODevice::WriteOnly);
  QDir::setCurrent(folder.path());
  QWidget composer;
  composer.show();
  composerWindow = &composer;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
