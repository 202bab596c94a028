// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/copy_to_clipboard.h"

#include <benchmark/benchmark.h>

namespace {

void generateAndJoin(benchmark::State& state, const ComposerSettings& settings) {
  for (auto _ : state) {
    std::string text = generateActiveBlock(settings).text();
    benchmark::DoNotOptimize(text);
  }
}

void DefaultMessageBox(benchmark::State& state) { generateAndJoin(state, defaults()); }

void DefaultInputBox(benchmark::State& state) {
  ComposerSettings settings = defaults();
  settings.activeCreator = CreatorKind::InputBox;
  generateAndJoin(state, settings);
}

void DefaultCommonDialog(benchmark::State& state) {
  ComposerSettings settings = defaults();
  settings.activeCreator = CreatorKind::CommonDialog;
  generateAndJoin(state, settings);
}

// A message of state.range(0) lines of about 100 bytes: 10,000 lines is about 1 MiB.
void LongMessage(benchmark::State& state) {
  ComposerSettings settings = defaults();
  settings.messageBox.lines.assign(static_cast<std::size_t>(state.range(0)), std::string(100, 'x'));
  generateAndJoin(state, settings);
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(state.iterations() * state.range(0) * 100);
}

}  // namespace

BENCHMARK(DefaultMessageBox)->Unit(benchmark::kNanosecond);
BENCHMARK(DefaultInputBox)->Unit(benchmark::kNanosecond);
BENCHMARK(DefaultCommonDialog)->Unit(benchmark::kNanosecond);
BENCHMARK(LongMessage)->Arg(10000)->Arg(40000)->Arg(160000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

BENCHMARK_MAIN();
