#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
#
# SPDX-License-Identifier: GPL-2.0-or-later

# Runs a test with a fresh, empty HOME and XDG user folders of its own, removed afterwards,
# so that no test reads or writes the real home directory.
# Usage: private_home.sh command [arguments...]
set -euo pipefail
root=$(mktemp -d "${TMPDIR:-/tmp}/quillmark-home-XXXXXX")
trap 'rm -rf "$root"' EXIT
mkdir -p "$root"/{home,config,data,cache,state,runtime}
chmod 700 "$root/runtime"
export HOME=$root/home XDG_CONFIG_HOME=$root/config XDG_DATA_HOME=$root/data XDG_CACHE_HOME=$root/cache \
  XDG_STATE_HOME=$root/state XDG_RUNTIME_DIR=$root/runtime
"$@"
