// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/fmMainUn.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Construction, show and the first paint of the window.
void ConstructAndShow(benchmark::State& state) {
  for (auto _ : state) {
    auto window = std::make_unique<TfmMain>();
    window->show();
    QCoreApplication::processEvents();
    state.PauseTiming();
    window.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}

void ReadSettings(benchmark::State& state) {
  TfmMain window;
  window.show();
  QCoreApplication::processEvents();
  for (auto _ : state) benchmark::DoNotOptimize(window.readSettings());
}

// A message of words that the text box wraps, `length` characters long.
QString wrappedMessage(qsizetype length) {
  QString message;
  while (message.size() < length) message += QStringLiteral("word ");
  message.truncate(length);
  return message;
}

// 1,000 hard lines of text with non-ASCII letters and tabs, filled up to 100,000 characters.
QString thousandLines() {
  QString message;
  for (int line = 0; line < 1000; ++line) message += QStringLiteral("Zeile %1 mit Grüßen und\tTab \n").arg(line, 4);
  return message + QString(100000 - message.size(), QLatin1Char('x'));
}

// Clicks on "&Copy", each until the clipboard holds the text, with `message` in the text box.
void copyClicks(benchmark::State& state, const QString& message) {
  TfmMain window;
  window.show();
  window.findChild<QPlainTextEdit*>(u"meMessageBoxText"_s)->setPlainText(message);
  QCoreApplication::processEvents();
  auto* copy = window.findChild<QPushButton*>(u"sbCopy"_s);
  for (auto _ : state) {
    QGuiApplication::clipboard()->clear();
    copy->click();
    if (QGuiApplication::clipboard()->text().isEmpty()) state.SkipWithError("Copy left the clipboard empty");
  }
}

// state.range(0) characters of wrapped message text (0 for the defaults).
void CopyClick(benchmark::State& state) { copyClicks(state, wrappedMessage(state.range(0))); }

void CopyClickThousandLines(benchmark::State& state) { copyClicks(state, thousandLines()); }

}  // namespace

BENCHMARK(ConstructAndShow)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadSettings)->Unit(benchmark::kMicrosecond);
BENCHMARK(CopyClick)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(CopyClickThousandLines)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
