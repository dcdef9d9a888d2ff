#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test twice: in a normal
# build (build/) and in one with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/); then the Debian package (scripts/package.sh), checked by
# tests/packaging/package_test.sh (MORLINDO_PACKAGING=0 leaves it out); then
# the Windows build under Wine (scripts/test-windows.sh; MORLINDO_WINDOWS=0
# leaves it out). The widget tests run on Qt's offscreen platform and need
# no display. The normal build also builds the micro-benchmarks and runs them
# for a moment, so that they keep working.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
require_packages "${CORE_PACKAGES[@]}" "${GUI_PACKAGES[@]}" "${BENCH_PACKAGES[@]}" \
    "${TEST_PACKAGES[@]}"

jobs=$(nproc)
run_build() {
    local dir=$1
    shift
    echo "== $dir"
    cmake -S . -B "$dir" -DMORLINDO_WERROR=ON -DMORLINDO_BUILD_TESTS=ON -DMORLINDO_BUILD_GUI=ON "$@"
    cmake --build "$dir" -j"$jobs"
    (cd "$dir" && ctest --output-on-failure -j"$jobs")
}

run_build build -DMORLINDO_BUILD_BENCHMARKS=ON
run_build build-asan -DCMAKE_BUILD_TYPE=Debug -DMORLINDO_SANITIZE=ON
if [ "${MORLINDO_PACKAGING:-1}" != 0 ]; then
    started=$SECONDS
    require_packages "${PACKAGE_CHECK_PACKAGES[@]}"
    bash scripts/package.sh
    bash tests/packaging/package_test.sh build-package/morlindo-converter_*.deb build/tests/plugins
    echo "Packaging stage took $((SECONDS - started)) s"
fi
[ "${MORLINDO_WINDOWS:-1}" = 0 ] || bash scripts/test-windows.sh
