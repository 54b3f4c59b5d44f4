#!/usr/bin/env bash
# Installs what KOLVEN needs from Debian's packages (only what is missing),
# builds it, then either starts the program or runs the whole test suite
# (which also makes the Debian package and checks it).
#   bash scripts/setup.sh run     build and start KOLVEN
#   bash scripts/setup.sh test    build and run every test, then fuzz the
#                                 interval file's reading for a short while
#                                 when clang is there
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  fonts-liberation fontconfig
  libgtest-dev libboost-math-dev
  xvfb xauth
  dpkg-dev file lintian desktop-file-utils appstream
)

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

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

case "${1:-run}" in
  run)
    exec build/bin/kolven
    ;;
  test)
    (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
    fuzz_briefly
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
