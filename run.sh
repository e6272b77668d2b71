#!/usr/bin/env bash
# Installs what is missing, builds a Release build and starts the desktop
# program. Arguments are passed to the program.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

./tools/install-deps.sh

build_dir=build
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCALVORA_BUILD_TESTS=OFF
cmake --build "$build_dir" --parallel "$(nproc)"

if [[ -x "$build_dir/src/app/calvora" ]]; then
    exec "$build_dir/src/app/calvora" "$@"
fi
exec "$build_dir/src/cli/calvora-calc" --help
