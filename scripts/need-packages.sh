# shellcheck shell=bash
# need_packages PACKAGE...: installs the Debian packages that are missing, as root with
# apt-get; otherwise names them and fails. Sourced by the scripts that need packages.
need_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "Please install these Debian packages first (as root):" >&2
    echo "  apt-get install ${missing[*]}" >&2
    return 1
  fi
}
