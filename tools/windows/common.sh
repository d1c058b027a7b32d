# Shared by the Windows build scripts (sourced, not run).

# The cache folder outside the repository that holds Qt's source, its build
# and the Windows Qt itself.
tq_windows_cache() {
  echo "${TQ_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tavlin-quorvane-windows}"
}

tq_windows_qt_prefix() {
  echo "$(tq_windows_cache)/qt-6.4.2-mingw-w64"
}

# Installs the Debian packages given that are missing, as tools/setup.sh does.
tq_windows_install() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The Debian mirror the system's apt already uses (deb.debian.org when none is named).
tq_windows_debian_mirror() {
  local uri
  uri=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -v '^ *#' |
        grep -oE '(https?|file)://[^ ]*/debian/?( |$)' | grep -v security | head -n 1 | tr -d ' ')
  echo "${uri:-http://deb.debian.org/debian}"
}
