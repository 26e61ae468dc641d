#!/bin/sh
# Installs every Debian package the project needs to build, test and run.
# Idempotent: packages already present are left alone and the package lists
# are refreshed at most once per run.
set -eu

PACKAGES="
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  python3
  qt6-base-dev qt6-base-dev-tools libgl-dev
  xvfb xauth x11-apps
  fonts-dejavu-core xdg-utils
  nlohmann-json3-dev libcli11-dev libcsv-dev
  valgrind
"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

if [ -z "$missing" ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
echo "installing:$missing" >&2
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
