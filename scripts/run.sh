#!/usr/bin/env bash
# Sets everything up and opens the viewer on a bundled sample container.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
sample=${1:-examples/Ce-cubic.zrvn}
if [ -x build/bin/vintrel ]; then
    exec build/bin/vintrel "$sample"
fi
exec build/bin/vintrel-cli info "$sample"
