#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, builds Horalo and then either starts it
# ("run") or runs every test ("test"): the normal build, the PDF printer through CUPS, the Debian
# package and its checks, and a second build with the address and undefined-behaviour
# sanitizers. "package" only builds the Debian package and checks it.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"
mode=${1:-run}

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi

build_packages=(cmake g++ make qt6-base-dev qt6-svg-dev libgl-dev libcups2-dev fonts-liberation qt6-translations-l10n qt6-l10n-tools nlohmann-json3-dev libdxflib-dev)
test_packages=(python3-ezdxf cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils xvfb xauth)
# The Debian package: the icon drawn from its SVG, cpack's dependency lookup, the validators.
package_packages=(librsvg2-bin dpkg-dev file desktop-file-utils appstream lintian man-db)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        $sudo apt-get update -qq
        $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
    fi
}

build() { # build folder, extra cmake arguments
    local dir=$1; shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
}

package() { # build folder: makes the .deb there with CPack and checks it
    local dir=$1
    rm -f "$dir"/horalo_*.deb
    cpack --config "$dir/CPackConfig.cmake" -B "$dir" -G DEB
    bash tools/checkpackage.sh "$dir"/horalo_*.deb "$dir"
}

start_printer() {
    # A real CUPS server with a cups-pdf queue as the default printer.
    if ! pgrep -x cupsd >/dev/null; then
        $sudo /usr/sbin/cupsd
    fi
    for _ in $(seq 1 50); do
        lpstat -r 2>/dev/null | grep -q "is running" && break
        sleep 0.2
    done
    if ! lpstat -p PDF >/dev/null 2>&1; then
        $sudo lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
            -o PageSize=A4 -o pdftops-renderer-default=pdftocairo
    fi
    $sudo cupsenable PDF 2>/dev/null || true
    $sudo cupsaccept PDF 2>/dev/null || true
    $sudo lpadmin -d PDF
}

case "$mode" in
run)
    install_missing "${build_packages[@]}"
    build build
    exec ./build/app/horalo
    ;;
package)
    install_missing "${build_packages[@]}" "${package_packages[@]}"
    build build
    package build
    ;;
test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    install_missing "${package_packages[@]}"
    start_printer
    export HORALO_PRINTER_REQUIRED=1
    export HORALO_PDF_DIR="${HOME}/PDF"
    build build
    ctest --test-dir build --output-on-failure
    package build
    # Any sanitizer report ends the test process with an error, so it fails the run.
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$here/tools/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    build build-asan -DHORALO_SANITIZE=ON
    ctest --test-dir build-asan --output-on-failure
    ;;
*)
    echo "usage: $0 run|test|package" >&2
    exit 2
    ;;
esac
