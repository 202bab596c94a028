// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "clipboard_keeper/keeper_launch.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace {

// The keeper's environment: what it needs to reach the display, nothing else.
std::vector<std::string> displayEnvironment() {
  std::vector<std::string> environment;
  for (const char* name : {"DISPLAY", "XAUTHORITY"})
    if (const char* value = std::getenv(name)) environment.push_back(std::string(name) + '=' + value);
  return environment;
}

pid_t spawnKeeper(const std::string& program, int socket) {
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_adddup2(&files, socket, STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&files, socket, STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&files, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addclosefrom_np(&files, STDERR_FILENO + 1);
  posix_spawn_file_actions_addchdir_np(&files, "/");
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none;
  sigset_t all;
  sigemptyset(&none);
  sigfillset(&all);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &all);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  std::vector<std::string> environment = displayEnvironment();
  std::vector<char*> envp;
  for (std::string& variable : environment) envp.push_back(variable.data());
  envp.push_back(nullptr);
  std::string path = program;
  char* argv[] = {path.data(), nullptr};
  pid_t pid = -1;
  if (posix_spawn(&pid, path.c_str(), &files, &attributes, argv, envp.data()) != 0) pid = -1;
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&files);
  return pid;
}

bool sendBytes(int socket, std::string_view text) {
  while (!text.empty()) {
    const ssize_t sent = send(socket, text.data(), text.size(), MSG_NOSIGNAL);
    if (sent < 0 && errno == EINTR) continue;
    if (sent <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

bool sendAll(int socket, std::string_view text) {
  const std::uint64_t size = text.size();
  return sendBytes(socket, {reinterpret_cast<const char*>(&size), sizeof size}) && sendBytes(socket, text) &&
         shutdown(socket, SHUT_WR) == 0;
}

bool readyWithin(int socket, std::chrono::milliseconds timeout) {
  pollfd readable{socket, POLLIN, 0};
  int polled;
  do polled = poll(&readable, 1, static_cast<int>(timeout.count()));
  while (polled < 0 && errno == EINTR);
  char answer = 0;
  return polled == 1 && read(socket, &answer, 1) == 1 && answer == clipboardKeeperReady;
}

}  // namespace

bool startClipboardKeeper(const std::string& program, std::string_view text, std::chrono::milliseconds timeout) {
  int ends[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return false;
  const pid_t keeper = spawnKeeper(program, ends[1]);
  close(ends[1]);
  const bool ready = keeper > 0 && sendAll(ends[0], text) && readyWithin(ends[0], timeout);
  close(ends[0]);
  if (keeper > 0 && !ready) {
    kill(keeper, SIGKILL);
    waitpid(keeper, nullptr, 0);
  }
  return ready;
}
