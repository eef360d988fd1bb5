#!/usr/bin/env bash
# The long soak: one simulated day of saver time for every speed class and Level 301, 30, 1,
# 0 and -5, every invariant checked after every tick and every stop checked on screen.
# Usage: scripts/soak.sh [simulated seconds per run]   (default 86400)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
scripts/install-deps.sh native >&2
build_preset native --target soak_test >/dev/null
ZV_SOAK_SECONDS=${1:-86400} ctest --preset native -L soak
