// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "fmMainUn.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <memory>

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

// A click on "&Copy" until the clipboard holds the text; state.range(0) characters of
// message text (0 for the defaults).
void CopyClick(benchmark::State& state) {
  TfmMain window;
  window.show();
  window.findChild<QPlainTextEdit*>("meMessageBoxText")->setPlainText(wrappedMessage(state.range(0)));
  QCoreApplication::processEvents();
  auto* copy = window.findChild<QPushButton*>("sbCopy");
  for (auto _ : state) {
    QGuiApplication::clipboard()->clear();
    copy->click();
    if (QGuiApplication::clipboard()->text().isEmpty()) state.SkipWithError("Copy left the clipboard empty");
  }
}

}  // namespace

BENCHMARK(ConstructAndShow)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadSettings)->Unit(benchmark::kMicrosecond);
BENCHMARK(CopyClick)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
