#!/bin/sh
# Installs the Debian packages named on the command line that are missing.
# A package of another architecture (wine32:i386) adds that architecture to
# dpkg first, so that apt-get can find it.
set -e
missing=""
foreign=""
for pkg in "$@"; do
  dpkg -s "$pkg" >/dev/null 2>&1 && continue
  missing="$missing $pkg"
  case "$pkg" in
    *:*) foreign="$foreign ${pkg#*:}" ;;
  esac
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
export DEBIAN_FRONTEND=noninteractive
for arch in $foreign; do
  dpkg --print-foreign-architectures | grep -qx "$arch" ||
    $SUDO dpkg --add-architecture "$arch"
done
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
