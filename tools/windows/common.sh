# Shared by the Windows build scripts (sourced, not run).

# The cache folder outside the repository that holds Qt's source, its build
# and the Windows Qt itself.
tq_windows_cache() {
  echo "${TQ_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tavlin-quorvane-windows}"
}

tq_windows_qt_prefix() {
  echo "$(tq_windows_cache)/qt-6.4.2-mingw-w64"
}

# Installs the Debian packages given that are missing: tools/setup.sh's tq_install.
# shellcheck source=tools/setup.sh
. "$(dirname "${BASH_SOURCE[0]}")/../setup.sh"
tq_windows_install() {
  tq_install "$@"
}

# The Debian mirror the system's apt already uses (deb.debian.org when none is named).
tq_windows_debian_mirror() {
  local uri
  uri=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -v '^ *#' |
        grep -oE '(https?|file)://[^ ]*/debian/?( |$)' | grep -v security | head -n 1 | tr -d ' ')
  echo "${uri:-http://deb.debian.org/debian}"
}
