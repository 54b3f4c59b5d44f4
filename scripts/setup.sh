#!/usr/bin/env bash
# Installs what KOLVEN needs from Debian's packages (only what is missing),
# builds it, then either starts the program or runs the whole test suite
# (which also makes the Debian package and checks it).
#   bash scripts/setup.sh run     build and start KOLVEN
#   bash scripts/setup.sh test    build and run every test, run them again
#                                 built with the sanitizers, then fuzz the
#                                 interval file's reading for a short while
#                                 when clang is there; then build the
#                                 browser edition and run its tests in
#                                 headless Chromium
#   bash scripts/setup.sh web     build the browser edition and serve it on
#                                 http://127.0.0.1:8000/ until stopped
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
  fonts-liberation fontconfig
  libgtest-dev libboost-math-dev python3
  libsndfile1-dev qt6-multimedia-dev
  xvfb xauth
  dpkg-dev file lintian desktop-file-utils appstream
  emscripten chromium
)
# Node.js and npm, for the browser tests: from Debian unless a Node.js with
# its npm is there already (another Node.js package conflicts with Debian's npm).
command -v node >/dev/null 2>&1 && command -v npm >/dev/null 2>&1 || packages+=(nodejs npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The whole suite again, built with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/: an invalid access, a leak or
# undefined behaviour in any test fails the run. Skipped, not failed, when the
# compiler cannot build with them.
sanitize_suite() (
  local probe
  probe=$(mktemp)
  if ! echo 'int main() { return 0; }' |
    g++ -x c++ -fsanitize=address,undefined - -o "$probe" >/dev/null 2>&1; then
    rm -f "$probe"
    echo "sanitizers: g++ cannot build with them here, skipped"
    return 0
  fi
  rm -f "$probe"
  # The build runs the tests to list them, so the options hold for it too.
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVEN_SANITIZE=ON
  cmake --build build-asan -j"$(nproc)"
  # Label package: the package check packs and lints the build's own program,
  # which here would be the instrumented one; the plain suite checks it.
  cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" -LE '^package$'
)

# The interval file's fuzz target, built with clang's libFuzzer, run for
# twenty seconds from the seed inputs in fuzz/; skipped, not failed, on a
# machine without clang or its libFuzzer. A finding fails the run.
fuzz_briefly() {
  local probe
  probe=$(mktemp)
  if ! command -v clang++ >/dev/null 2>&1 ||
    ! echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' |
      clang++ -x c++ -fsanitize=fuzzer - -o "$probe" >/dev/null 2>&1; then
    rm -f "$probe"
    echo "fuzz: no clang with libFuzzer here, skipped"
    return 0
  fi
  rm -f "$probe"
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DKOLVEN_FUZZ=ON
  cmake --build build-fuzz --target kolven_fuzz_intervals
  local corpus status=0
  corpus=$(mktemp -d)
  # One input may take at most 5 s (a hang is a finding), the whole run at
  # most 5 minutes; a crashing input is kept in build-fuzz/.
  timeout 300 build-fuzz/bin/kolven_fuzz_intervals -max_total_time=20 -timeout=5 \
    -artifact_prefix=build-fuzz/ -print_final_stats=1 "$corpus" fuzz/corpus || status=$?
  rm -rf "$corpus"
  return "$status"
}

# The browser edition's tests: puppeteer-core at the version the lock file
# pins (it downloads no browser: the tests use Debian's Chromium), the site
# built into build-web/site, and every drive script run in the page and in
# kolven-drive, their outputs compared.
web_suite() (
  bash scripts/build_web.sh
  cd tests/web
  npm ci --no-audit --no-fund
  node run_tests.mjs ../../build ../../build-web/site
)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

case "${1:-run}" in
  run)
    exec build/bin/kolven
    ;;
  test)
    (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
    web_suite
    sanitize_suite
    fuzz_briefly
    ;;
  web)
    bash scripts/build_web.sh
    echo "KOLVEN in the browser: http://127.0.0.1:8000/ (Ctrl+C stops the server)"
    cd build-web/site && exec python3 -m http.server 8000 --bind 127.0.0.1
    ;;
  *)
    echo "usage: $0 run|test|web" >&2
    exit 2
    ;;
esac
