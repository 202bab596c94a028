// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

// quillmark-clipboard-keeper: keeps the text that Quillmark copied on the X11 clipboard
// after the program has ended, where no clipboard manager takes it over. It reads the text
// from its standard input (its size, then its bytes, to the end), takes the CLIPBOARD selection, writes the ready byte
// to its standard output and closes it, then answers paste requests until another client
// takes the selection. The text lives in its memory only; no core dump writes it out.

#include "clipboard_keeper/clipboard_owner.h"
#include "clipboard_keeper/keeper_launch.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

bool readAll(int file, std::string& bytes) {
  char buffer[65536];
  for (;;) {
    const ssize_t count = read(file, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return false;
    if (count == 0) return true;
    bytes.append(buffer, static_cast<std::size_t>(count));
  }
}

// The text after its size, when the size is that of the text that came.
bool readText(int file, std::string& text) {
  std::uint64_t size = 0;
  if (!readAll(file, text) || text.size() < sizeof size) return false;
  std::memcpy(&size, text.data(), sizeof size);
  text.erase(0, sizeof size);
  return text.size() == size;
}

}  // namespace

int main() {
  const rlimit noCore{0, 0};
  setrlimit(RLIMIT_CORE, &noCore);
  std::string text;
  if (!readText(STDIN_FILENO, text)) return 1;
  close(STDIN_FILENO);
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) return 1;
  int status = 1;
  {
    ClipboardOwner owner(connection, std::move(text));
    if (owner.take() && write(STDOUT_FILENO, &clipboardKeeperReady, 1) == 1) {
      close(STDOUT_FILENO);
      owner.serveUntilTaken();
      status = 0;
    }
  }
  xcb_disconnect(connection);
  return status;
}
