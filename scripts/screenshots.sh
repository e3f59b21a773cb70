#!/usr/bin/env bash
# Takes the README's screenshots under Xvfb, in a fresh collection folder: docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build --preset default --target sonorelo-screenshots
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
  build/tests/app/sonorelo-screenshots docs/screenshots resources/help/sonor95.hlp
