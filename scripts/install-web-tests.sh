#!/usr/bin/env bash
# Installs the npm packages of the browser checks (tests/shells/web/package-lock.json: puppeteer-core,
# which drives Firefox) into tests/shells/web/node_modules, exactly as locked. Does nothing when
# they are already installed from the same lock file. Called by scripts/install-deps.sh web.
set -euo pipefail
dir=$(cd "$(dirname "$0")/../tests/shells/web" && pwd)
stamp=$dir/node_modules/.installed-lock.json
cmp -s "$dir/package-lock.json" "$stamp" && exit 0
echo "Installing the browser checks' npm packages into $dir/node_modules" >&2
(cd "$dir" && npm ci --no-audit --no-fund --loglevel=error)
cp "$dir/package-lock.json" "$stamp"
