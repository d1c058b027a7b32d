#!/usr/bin/env bash
# Cross-builds the part of Qt the game needs for 64-bit Windows, from Debian's
# own qt6-base source package of the build machine's Qt version (6.4.2 on
# Debian 12, 6.8.2 on Debian 13), from the build machine's own suite, with
# mingw-w64: Core, Gui, Widgets,
# the "windows" platform plugin, the Windows styles and the picture formats
# of the catalog that Qt reads through plugins (JPEG, GIF, ICO; BMP and PNG
# are part of Gui). No tests, no examples, no tools: the build machine's own
# Qt (Debian's qt6-base-dev) supplies moc, rcc and uic.
#
# Installs into a cache folder outside the repository and reuses it when it is
# there:  ${TQ_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tavlin-quorvane-windows}
# The first build takes about an hour on two cores. It runs at the lowest
# priority (nice 19) with -j2 (TQ_JOBS), so the machine stays usable.
#
# The source comes through apt from a source list of its own in the cache
# folder: the system's apt configuration is not changed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/windows/common.sh
. "$here/common.sh"

configure_only=0
[ "${1:-}" = --configure-only ] && configure_only=1
jobs=${TQ_JOBS:-2}

tq_windows_install g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
  mingw-w64-x86-64-dev cmake ninja-build perl python3 xz-utils dpkg-dev qt6-base-dev debian-archive-keyring

qt_version=$(tq_windows_qt_version)
prefix=$(tq_windows_qt_prefix)
if [ -f "$prefix/.complete" ] && [ $configure_only = 0 ]; then
  echo "Windows Qt $qt_version is ready in $prefix (delete that folder to build it again)"
  exit 0
fi

# The source of exactly the Qt whose tools the build machine has, from the
# suite the build machine runs.
deb_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
suite=$(. /etc/os-release && echo "${VERSION_CODENAME:?no VERSION_CODENAME in /etc/os-release}")

cache=$(tq_windows_cache)
src=$cache/src
qtbase=$(tq_windows_qt_source)
mkdir -p "$src"

# 1. The source package, through a deb-src list of the cache's own that
#    names the mirror the system already uses.
if [ ! -d "$qtbase/src" ]; then
  aptdir=$cache/apt-$suite
  mkdir -p "$aptdir/lists/partial" "$aptdir/cache/archives/partial"
  mirror=$(tq_windows_debian_mirror)
  security=$(tq_windows_debian_mirror security)
  keyring=/usr/share/keyrings/debian-archive-keyring.gpg
  {
    echo "deb-src [signed-by=$keyring] $mirror $suite main"
    echo "deb-src [signed-by=$keyring] $mirror $suite-updates main"
    echo "deb-src [signed-by=$keyring] $security $suite-security main"
  } > "$aptdir/sources.list"
  apt_options=(-o "Dir::Etc::SourceList=$aptdir/sources.list" -o Dir::Etc::SourceParts=/nonexistent
               -o "Dir::State::Lists=$aptdir/lists" -o "Dir::Cache=$aptdir/cache" -o Debug::NoLocking=1
               -o APT::Sandbox::User=root)
  echo "Fetching Debian's qt6-base $deb_version source for $suite from $mirror"
  apt-get -qq "${apt_options[@]}" update
  (cd "$src" && apt-get -qq "${apt_options[@]}" source --download-only "qt6-base=$deb_version")
  rm -rf "$qtbase.partial"
  dpkg-source -x "$src/qt6-base_${deb_version#*:}.dsc" "$qtbase.partial" >/dev/null
  mv "$qtbase.partial" "$qtbase"
fi

# Qt 6.4.2 compiles its DirectWrite font database only with Direct2D, which
# is left out below, but the windows platform plugin offers it whenever
# DirectWrite 3 is there: it would not link. The plugin is made to offer it
# only with Direct2D too; its default, GDI's font database, is what it uses.
integration=$qtbase/src/plugins/platforms/windows/qwindowsintegration.cpp
sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' "$integration"

# 2. Configure: only what the game uses. Everything Qt can take from the
#    system is taken from its own bundled copy, so the build does not depend
#    on what the build machine has installed for Linux.
build=$cache/build-qt-$qt_version
features=(
  # modules the game does not use
  sql network dbus printsupport concurrent testlib xml
  # the tablet headers (wintab.h) are not in Debian's source package
  tabletevent
  # nothing from the build machine's Linux libraries
  pkg_config system_zlib system_png system_jpeg system_freetype system_harfbuzz
  system_pcre2 system_doubleconversion system_libb2 zstd icu vulkan
  # tools run on the build machine, never on Windows
  androiddeployqt windeployqt
  # the second, Direct2D-drawn Windows platform: the game uses "windows"
  direct2d
  # the game draws with Qt's raster engine: no OpenGL, and so also not the
  # dynamic OpenGL that Windows builds have by default (with "opengl" alone
  # turned off, that stays on, and 6.4.2's windows plugin does not compile);
  # INPUT_opengl=no below tells configure that no OpenGL is wanted, not missing
  opengl opengl_dynamic dynamicgl opengl_desktop
  # Windows draws text with its own font engines (DirectWrite, GDI), and the
  # game's texts are Latin: no FreeType engine, no HarfBuzz shaping
  freetype harfbuzz
)
off=()
for f in "${features[@]}"; do off+=("-DFEATURE_$f=OFF"); done

cmake -S "$qtbase" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF \
  -DFEATURE_gui=ON -DFEATURE_widgets=ON \
  -DINPUT_opengl=no \
  -DFEATURE_jpeg=ON -DFEATURE_gif=ON -DFEATURE_ico=ON -DFEATURE_png=ON \
  "${off[@]}"

[ $configure_only = 1 ] && { echo "Windows Qt $qt_version configured in $build"; exit 0; }

# 3. Build and install at the lowest priority.
start=$(date +%s)
nice -n 19 cmake --build "$build" -j "$jobs"
nice -n 19 cmake --install "$build"
touch "$prefix/.complete"
echo "Windows Qt $qt_version installed in $prefix ($(( ($(date +%s) - start) / 60 )) minutes)"
