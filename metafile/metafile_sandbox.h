// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

// Confines the calling process, for good, to converting a metafile it reads
// from its standard input into its standard output: limits on memory,
// processor time, core dumps and file size; no file descriptor but 0, 1 and
// 2; an empty environment; no gaining of privileges; with Landlock, reading
// only beneath the folders the libraries read (metafileReadableFolders());
// and a system-call filter that ends the process on any call conversion does
// not need. Without Landlock in the kernel the rest applies, and the error
// output says so. False when a part could not be put in force; the process
// must then end without reading its input.
bool enterMetafileSandbox();
