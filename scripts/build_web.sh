#!/usr/bin/env bash
# Builds the browser edition into build-web/site/: index.html, kolven.js,
# kolven.wasm, the fonts, the icons, the manifest and the service worker.
# Needs the desktop build in build/ (configured by setup.sh), whose
# kolven-make-advances writes the fonts' advance table the page measures
# text with, and whose kolven-make-icons draws the manifest's PNG icons.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --build build --target kolven_advance_table kolven_web_icons
# Debian's Node does not look in Debian's own module folder, where
# Emscripten's JavaScript optimizer finds its parser.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKOLVEN_ADVANCE_TABLE="$PWD/build/generated/advance_table_data.cpp" \
  -DKOLVEN_WEB_ICONS="$PWD/build/web-icons"
cmake --build build-web -j"$(nproc)"
