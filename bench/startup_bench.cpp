// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

// Start-up figures of the real program on an X server without a window manager, watched
// from outside through the X events of the root window's children:
//   - process start to the splash window mapped, beside the time a minimal Qt program
//     needs to map a message box, measured alternately in the same run;
//   - the splash window destroyed to the composer window mapped;
//   - the program's peak resident memory.
// Usage: startup_bench path/to/quillmark path/to/minimal_message_box [runs]
#include <xcb/xcb.h>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

struct Connection {
  xcb_connection_t* x = nullptr;
  ~Connection() {
    if (x != nullptr) xcb_disconnect(x);
  }
};

// The next event on the root window, or nothing when none comes within the timeout.
std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> nextEvent(xcb_connection_t* x, Milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    if (xcb_generic_event_t* event = xcb_poll_for_event(x)) return {event, &std::free};
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return {nullptr, &std::free};
    pollfd descriptor{xcb_get_file_descriptor(x), POLLIN, 0};
    poll(&descriptor, 1, static_cast<int>(left));
  }
}

pid_t start(const std::string& program) {
  const pid_t pid = fork();
  if (pid == 0) {
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  if (pid < 0) throw std::runtime_error("fork failed");
  return pid;
}

// Ends the program and returns its peak resident memory in KiB.
long stop(pid_t pid) {
  kill(pid, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  return usage.ru_maxrss;
}

// Waits for the next top-level window event of `type` (map or destroy) for window `only`
// (any window when 0) other than `except`; returns the window and the time.
std::optional<std::pair<xcb_window_t, Clock::time_point>> waitFor(xcb_connection_t* x, uint8_t type, xcb_window_t only,
                                                                  xcb_window_t except) {
  for (;;) {
    auto event = nextEvent(x, Milliseconds(10000));
    if (!event) return std::nullopt;
    const uint8_t kind = event->response_type & 0x7f;
    if (kind != type) continue;
    xcb_window_t window = 0;
    if (kind == XCB_MAP_NOTIFY) window = reinterpret_cast<xcb_map_notify_event_t*>(event.get())->window;
    if (kind == XCB_DESTROY_NOTIFY) window = reinterpret_cast<xcb_destroy_notify_event_t*>(event.get())->window;
    if ((only == 0 || window == only) && window != except) return std::make_pair(window, Clock::now());
  }
}

struct ProgramRun {
  double splashMapped;
  double composerAfterSplash;
  long peakKiB;
};

ProgramRun runProgram(xcb_connection_t* x, const std::string& program) {
  const auto started = Clock::now();
  const pid_t pid = start(program);
  const auto splash = waitFor(x, XCB_MAP_NOTIFY, 0, 0);
  const auto gone = splash ? waitFor(x, XCB_DESTROY_NOTIFY, splash->first, 0) : std::nullopt;
  const auto composer = gone ? waitFor(x, XCB_MAP_NOTIFY, 0, splash->first) : std::nullopt;
  // Let the composer window draw itself before the memory is read.
  if (composer) nextEvent(x, Milliseconds(500));
  const long peak = stop(pid);
  if (!composer) throw std::runtime_error(program + ": the splash window and then the composer window were not seen");
  return {Milliseconds(splash->second - started).count(), Milliseconds(composer->second - gone->second).count(), peak};
}

double runMessageBox(xcb_connection_t* x, const std::string& program) {
  const auto started = Clock::now();
  const pid_t pid = start(program);
  const auto box = waitFor(x, XCB_MAP_NOTIFY, 0, 0);
  stop(pid);
  if (!box) throw std::runtime_error(program + ": no window was mapped");
  return Milliseconds(box->second - started).count();
}

template <typename T>
T median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s quillmark minimal_message_box [runs]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 9;
  Connection connection;
  connection.x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection.x)) {
    std::fprintf(stderr, "no X server (DISPLAY)\n");
    return 2;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection.x)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection.x, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection.x);

  std::vector<double> messageBox, splash, composer;
  std::vector<long> peak;
  try {
    // Alternating, so that both programs meet the same state of the machine.
    for (int run = 0; run < runs; ++run) {
      messageBox.push_back(runMessageBox(connection.x, argv[2]));
      const ProgramRun program = runProgram(connection.x, argv[1]);
      splash.push_back(program.splashMapped);
      composer.push_back(program.composerAfterSplash);
      peak.push_back(program.peakKiB);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  const double box = median(messageBox);
  const double first = median(splash);
  std::printf("medians of %d runs\n", runs);
  std::printf("  minimal message box mapped     %7.1f ms\n", box);
  std::printf("  splash window mapped           %7.1f ms  (%.2f x the message box; limit 1.2 x)\n", first, first / box);
  std::printf("  splash gone to composer mapped %7.1f ms  (limit 40 ms)\n", median(composer));
  std::printf("  peak resident memory           %7.1f MiB (limit 45 MiB)\n", median(peak) / 1024.0);
  return 0;
}
