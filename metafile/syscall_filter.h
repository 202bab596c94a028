// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

// Installs, for good, a system-call filter that lets the calling process do
// only what converting a metafile needs; any other call ends the process with
// SIGSYS. False when the filter could not be installed.
bool installMetafileSyscallFilter();
