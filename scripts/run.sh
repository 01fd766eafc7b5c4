#!/usr/bin/env bash
# Builds the engine (Release) into build/ and starts it on standard input and output.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >&2
cmake --build build --target quillfen -j"$(nproc)" >&2
exec build/quillfen "$@"
