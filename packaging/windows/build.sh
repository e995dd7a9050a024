#!/usr/bin/env bash
# The Windows build, cross-compiled with MinGW-w64 and tested under Wine.
# Called by `./dev windows [--test]`, which installs the packages first.
#   1. Qt base and QScintilla for Windows, static, built once into a cache
#      folder outside the repository (TORVANE_WINDOWS_CACHE), rebuilt when missing;
#   2. the editor, its tools and its tests, cross-built into build-windows/;
#   3. build-windows/torvane-edit-<version>-win64.zip;
#   4. with --test: every test program run under Wine on the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/../.."

HERE=packaging/windows
CACHE=${TORVANE_WINDOWS_CACHE:-$HOME/.cache/torvane-windows}
BUILD_DIR=${WINDOWS_BUILD_DIR:-build-windows}
PREFIX=$CACHE/prefix          # Qt and QScintilla for Windows, installed
JOBS=$(nproc)
TOOLCHAIN=$PWD/$HERE/mingw-w64.cmake

# The host Qt provides moc, rcc and uic; the Windows Qt must be its exact version.
QT_VERSION_DEB=$(dpkg-query -W -f='${Version}' qt6-base-dev)
QSCI_VERSION_DEB=$(dpkg-query -W -f='${Version}' libqscintilla2-qt6-dev)

# Where the host Qt's tools and their CMake packages are, for the Qt build
# and for everything built with the cross-built Qt.
HOST_QT=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake")
# Only what the editor needs: Core, Gui, Widgets, Network (the single-instance
# pipe), PrintSupport (QScintilla's printer), Test, and the windows and
# offscreen platform plugins.
QT_OPTIONS=(
  -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
  "${HOST_QT[@]}"
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  -DFEATURE_pkg_config=OFF       # the host's pkg-config would offer the host's libraries
  -DFEATURE_tabletevent=OFF      # the Debian source lacks the wintab headers
  -DFEATURE_opengl=ON            # the windows plugin needs it; dynamic OpenGL
  -DFEATURE_direct2d=ON          # Gui's DirectWrite font list, which the windows plugin uses, comes with it
  -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_network=ON -DFEATURE_printsupport=ON -DFEATURE_testlib=ON
  -DFEATURE_ssl=OFF -DFEATURE_schannel=OFF  # no TLS: its plugin does not build without ssl
  -DFEATURE_vulkan=OFF
  -DFEATURE_jpeg=ON -DFEATURE_system_jpeg=OFF -DFEATURE_gif=ON  # the splash banner and the about box picture
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF -DFEATURE_zstd=OFF
  -DFEATURE_androiddeployqt=OFF -DFEATURE_windeployqt=OFF
)
QT_STAMP="qt6-base $QT_VERSION_DEB ${QT_OPTIONS[*]}"
QSCI_STAMP="qscintilla2 $QSCI_VERSION_DEB $(sha1sum "$HERE/qscintilla/CMakeLists.txt" | cut -c1-12)"

log() { echo "windows: $*"; }

sudo_() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# apt-get source needs a deb-src entry for the suite the host Qt came from.
ensure_deb_src() {
  if apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package: qt6-base'; then return; fi
  local suite
  suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
  log "adding a deb-src entry for $suite"
  printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s %s-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$suite" "$suite" | sudo_ tee /etc/apt/sources.list.d/torvane-windows-src.sources >/dev/null
  sudo_ apt-get update -q
}

# Unpacks Debian's source of package $1 at version $2 into $CACHE/src and
# prints the folder.
debian_source() {
  local pkg=$1 version=$2 dir
  mkdir -p "$CACHE/src"
  dir=$(find "$CACHE/src" -maxdepth 1 -type d -name "$pkg-*" | head -1)
  if [ -z "$dir" ] || [ "$(cat "$CACHE/src/$pkg.stamp" 2>/dev/null)" != "$version" ]; then
    ensure_deb_src >&2
    rm -rf "$CACHE/src/$pkg"-* "$CACHE/src/$pkg"_* "$CACHE/src/$pkg.stamp"
    (cd "$CACHE/src" && apt-get source -q "$pkg=$version" >&2)
    echo "$version" > "$CACHE/src/$pkg.stamp"
    dir=$(find "$CACHE/src" -maxdepth 1 -type d -name "$pkg-*" | head -1)
  fi
  echo "$dir"
}

build_qt() {
  if [ -f "$PREFIX/qt.stamp" ] && [ "$(cat "$PREFIX/qt.stamp")" = "$QT_STAMP" ]; then
    log "Qt for Windows: cached in $PREFIX"; return
  fi
  local src start=$SECONDS
  src=$(debian_source qt6-base "$QT_VERSION_DEB")
  rm -rf "$PREFIX"
  # An interrupted build of the same sources goes on where it stopped, its
  # options brought up to date: only what they change is built again.
  if [ -f "$CACHE/build-qt/torvane.source" ] && [ "$(cat "$CACHE/build-qt/torvane.source")" = "$src $QT_VERSION_DEB" ]; then
    log "going on with the Qt build in $CACHE/build-qt"
  else
    log "building Qt $QT_VERSION_DEB for Windows (static) from $src: this takes a while"
    rm -rf "$CACHE/build-qt"
    mkdir -p "$CACHE/build-qt"
    echo "$src $QT_VERSION_DEB" > "$CACHE/build-qt/torvane.source"
  fi
  cmake -S "$src" -B "$CACHE/build-qt" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_INSTALL_PREFIX="$PREFIX" "${QT_OPTIONS[@]}"
  cmake --build "$CACHE/build-qt" -j"$JOBS"
  cmake --install "$CACHE/build-qt"
  echo "$QT_STAMP" > "$PREFIX/qt.stamp"
  rm -rf "$CACHE/build-qt"
  log "Qt for Windows built in $(( (SECONDS - start) / 60 )) min"
}

# QScintilla has no CMake build of its own; ours compiles its sources into a
# static library installed next to Qt.
build_qscintilla() {
  if [ -f "$PREFIX/qscintilla.stamp" ] && [ "$(cat "$PREFIX/qscintilla.stamp")" = "$QSCI_STAMP" ]; then
    log "QScintilla for Windows: cached in $PREFIX"; return
  fi
  local src start=$SECONDS
  src=$(debian_source qscintilla2 "$QSCI_VERSION_DEB")
  log "building QScintilla $QSCI_VERSION_DEB for Windows (static) from $src"
  rm -rf "$CACHE/build-qscintilla"
  cmake -S "$HERE/qscintilla" -B "$CACHE/build-qscintilla" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DTORVANE_WINDOWS_PREFIX="$PREFIX" "${HOST_QT[@]}" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX" -DQSCINTILLA_SOURCE="$src"
  cmake --build "$CACHE/build-qscintilla" -j"$JOBS"
  cmake --install "$CACHE/build-qscintilla"
  echo "$QSCI_STAMP" > "$PREFIX/qscintilla.stamp"
  rm -rf "$CACHE/build-qscintilla"
  log "QScintilla for Windows built in $(( (SECONDS - start) / 60 )) min"
}

# The editor and its tools against the static Qt and QScintilla; the tests
# too when they are to run ($1 = 1).
build_editor() {
  local start=$SECONDS target=()
  [ "$1" = 1 ] || target=(--target windows-zip)
  cmake -S . -B "$BUILD_DIR" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DTORVANE_WINDOWS_PREFIX="$PREFIX" "${HOST_QT[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/$HERE/wine-run.sh" >/dev/null
  cmake --build "$BUILD_DIR" -j"$JOBS" "${target[@]}"
  log "built in $(( SECONDS - start )) s"
}

make_zip() {
  cmake --build "$BUILD_DIR" --target windows-zip
  log "$(ls "$BUILD_DIR"/torvane-edit-*-win64.zip)"
}

# Every test program under Wine, headless on the offscreen platform. One Wine
# server is kept up for the whole run so that each program starts quickly.
run_tests() {
  local start=$SECONDS rc=0
  export WINEPREFIX=${WINEPREFIX:-$CACHE/wine} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    log "making the Wine prefix $WINEPREFIX"
    wineboot --init >/dev/null 2>&1 || true
    wineserver -w
  fi
  # The offscreen platform reads its fonts from one folder (Qt's FreeType
  # font list, not the system's): the faces the Linux tests see.
  mkdir -p "$CACHE/fonts"
  cp -u /usr/share/fonts/truetype/liberation/*.ttf /usr/share/fonts/truetype/dejavu/*.ttf "$CACHE/fonts/"
  wineserver -p
  # Wine hands no QT_ variable of the host to a Windows program (they are
  # meant for the host's Qt), so the platform and the fonts are set in the
  # user's environment in the registry of this prefix, which only the tests use.
  wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d offscreen /f >/dev/null 2>&1
  # Without a console (none under Wine) Qt and its test library write to the
  # system's debug log; this sends them to the standard streams CTest reads.
  wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null 2>&1
  wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d "$(winepath -w "$CACHE/fonts" 2>/dev/null)" /f >/dev/null 2>&1
  (cd "$BUILD_DIR" && ctest --output-on-failure -j"$JOBS") || rc=$?
  wineserver -k || true
  log "tests under Wine ran in $(( SECONDS - start )) s"
  return $rc
}

main() {
  local test=0
  for a in "$@"; do
    case "$a" in
      --test) test=1 ;;
      --deps) build_qt; build_qscintilla; return ;;
      *) echo "usage: ./dev windows [--test]" >&2; exit 2 ;;
    esac
  done
  build_qt
  build_qscintilla
  build_editor "$test"
  make_zip
  if [ "$test" = 1 ]; then run_tests; fi
}

main "$@"; exit $?
