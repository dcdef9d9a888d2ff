# Sourced by the other scripts: installs Debian packages that are missing.
# Runs apt-get as root, or through sudo for a normal user.

require_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building the command-line tool and the tests needs; expat reads GPX.
CORE_PACKAGES=(cmake make g++ libgtest-dev libexpat1-dev)

# The outside tools the tests hold the written files to: xmllint validates
# GPX against the GPX 1.1 schema and checks that KML is well-formed, GPSBabel
# reads both back, and nlohmann's JSON parser (header-only, found by CMake)
# reads the GeoJSON files.
TEST_PACKAGES=(libxml2-utils gpsbabel nlohmann-json3-dev)

# What the micro-benchmarks (bench/) need: Google Benchmark; and what
# bench/run.sh measures with: GNU time for the peak memory.
BENCH_PACKAGES=(libbenchmark-dev time)

# What the Windows build (MinGW-w64 cross compiler) and its tests under Wine
# need; `locales` provides the Korean locale the tests run Wine in, and
# dpkg-dev unpacks Debian's expat source for the Windows build.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev wine64 locales dpkg-dev)

# What the window for Windows needs besides: Ninja and Perl to build Qt for
# MinGW-w64 (scripts/build-qt-windows.sh), rsvg-convert and icotool for the
# program's icon, NSIS (makensis) for the installer, zip for the zip, and for
# the checks under Wine a virtual X server, xdotool to find the window, xwd
# and netpbm for a screenshot.
WINDOWS_GUI_PACKAGES=(ninja-build perl librsvg2-bin icoutils nsis zip xvfb xauth xdotool x11-apps
                      netpbm)

# What the desktop program needs besides: Qt 6 Widgets to build and run it,
# Qt Linguist's tools to compile its translation (qt6-tools-dev for CMake,
# qt6-l10n-tools for lupdate and lrelease), Qt's own translations for its
# dialogs, a font with Hangul for its Korean captions, and a virtual X server
# (Xvfb with xauth for xvfb-run) to start it on a machine without a screen.
GUI_PACKAGES=(qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-noto-cjk
              xvfb xauth)

# What scripts/package.sh needs for the Debian package: dpkg-shlibdeps (and
# `file`, with which CPack finds the programs), rsvg-convert for the icon's
# PNG sizes, help2man for the manual page; and zip for the Windows zip.
PACKAGE_PACKAGES=(dpkg-dev file librsvg2-bin help2man)
ZIP_PACKAGES=(zip)

# What the package check (tests/packaging/package_test.sh) checks with.
PACKAGE_CHECK_PACKAGES=(lintian desktop-file-utils appstream)
