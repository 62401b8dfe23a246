#!/usr/bin/env bash
# Sets up, builds and starts the program (needs an X display).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target winding_schemes
exec build/app/winding_schemes "$@"
