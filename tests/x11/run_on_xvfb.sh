#!/bin/sh
# SPDX-FileCopyrightText: The Tolvenn developers
# SPDX-License-Identifier: MIT
# Runs a test program on an Xvfb of its own; exit 77 (skipped) where there is none.
command -v xvfb-run > /dev/null || exit 77
exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$@"
