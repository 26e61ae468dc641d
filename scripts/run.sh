#!/bin/sh
# Builds the release preset and starts the interactive program `frontend`.
# Arguments are passed on to it (try --help).
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release -G Ninja >/dev/null
cmake --build --preset release --target frontend

# The reports mn.lst and tervol.lst go to $TEMP; without it they would go to
# the root directory, which an ordinary user cannot write.
TEMP="${TEMP:-${TMPDIR:-/tmp}}"
export TEMP

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
run.sh: no display: DISPLAY and WAYLAND_DISPLAY are empty, and frontend is a
windowed program. Run this from a terminal of a desktop session, or, to start
it on a virtual screen that nobody sees (for instance to check that it starts):
  xvfb-run -a build/release/MN/frontend
MSG
  exit 1
fi
echo "Starting frontend (reports go to $TEMP). It ends with exit status 999, reported as 231." >&2
exec build/release/MN/frontend "$@"
