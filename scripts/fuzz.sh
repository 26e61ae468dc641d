#!/bin/sh
# Builds the libFuzzer target with clang and the sanitizers and runs it for
# the given number of seconds (default 60).
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake --preset fuzz -G Ninja >/dev/null
cmake --build --preset fuzz --target fuzz_methan
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
build/fuzz/fuzz/fuzz_methan -max_total_time="$seconds" -print_final_stats=1 "$corpus"
