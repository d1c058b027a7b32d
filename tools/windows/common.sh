# Shared by the Windows build scripts (sourced, not run).

# The cache folder outside the repository that holds Qt's source, its build
# and the Windows Qt itself.
tq_windows_cache() {
  echo "${TQ_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tavlin-quorvane-windows}"
}

# The Qt version of the build machine (Debian's qt6-base-dev), whose tools
# (moc, rcc, uic) the cross build uses, and so the version it builds for Windows.
tq_windows_qt_version() {
  local version
  version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) || { echo "qt6-base-dev is not installed" >&2; return 1; }
  version=${version#*:}
  echo "${version%%[+~-]*}"
}

# The unpacked qt6-base source of that version. A cache laid out before the
# version was part of the name kept it in src/qtbase: it is taken over.
tq_windows_qt_source() {
  local src version
  src=$(tq_windows_cache)/src
  version=$(tq_windows_qt_version)
  if [ -d "$src/qtbase" ] && [ ! -d "$src/qtbase-$version" ] &&
     [ "$(dpkg-parsechangelog -l "$src/qtbase/debian/changelog" -S Version 2>/dev/null)" = \
       "$(dpkg-query -W -f='${Version}' qt6-base-dev)" ]; then
    mv "$src/qtbase" "$src/qtbase-$version"
  fi
  echo "$src/qtbase-$version"
}

tq_windows_qt_prefix() {
  echo "$(tq_windows_cache)/qt-$(tq_windows_qt_version)-mingw-w64"
}

# Installs the Debian packages given that are missing: tools/setup.sh's tq_install.
# shellcheck source=tools/setup.sh
. "$(dirname "${BASH_SOURCE[0]}")/../setup.sh"
tq_windows_install() {
  tq_install "$@"
}

# The Debian mirror the system's apt already uses (deb.debian.org when none is
# named); with "security", its security mirror.
tq_windows_debian_mirror() {
  local uri sources
  sources=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -v '^ *#' || true)

  if [ "${1:-}" = security ]; then
    uri=$(grep -oE '(https?|file)://[^ ]*/debian-security/?( |$)' <<<"$sources" | head -n 1 | tr -d ' ' || true)
    echo "${uri:-http://deb.debian.org/debian-security}"
    return
  fi
  uri=$(grep -oE '(https?|file)://[^ ]*/debian/?( |$)' <<<"$sources" | grep -v security | head -n 1 | tr -d ' ' || true)
  echo "${uri:-http://deb.debian.org/debian}"
}
