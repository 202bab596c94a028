// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

// The byte the keeper writes once the clipboard is its own.
inline constexpr char clipboardKeeperReady = '+';

// What the keeper reads: the text's size in bytes as a std::uint64_t in the machine's byte
// order, then the text. A keeper that gets fewer bytes (its starter died) ends.

// Starts the clipboard keeper `program` detached, in a session of its own, with the root
// folder as its working folder, only DISPLAY and XAUTHORITY in its environment and no open
// file but the socket that hands it `text` (its standard input and output; standard error
// goes to /dev/null). Waits up to `timeout` until the keeper reports that it owns the
// clipboard, and returns whether it does; a keeper that failed is ended and reaped.
// Meant for a program about to end: a keeper that succeeded is left to the system.
bool startClipboardKeeper(const std::string& program, std::string_view text, std::chrono::milliseconds timeout);
