#!/usr/bin/env bash
# Builds Varnook (and varnook_es.so, the SQLite extension other programs open
# its files with, beside it) and starts it on the databases of its program
# folder (created when missing).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh" varnook
bash "$root/scripts/build.sh" "$root/build/release" -DBUILD_TESTING=OFF
exec "$root/build/release/management/Varnook" "$@"
