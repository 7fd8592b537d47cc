#!/usr/bin/env bash
# Sets everything up and opens the viewer on a bundled sample container.
set -euo pipefail
# A container named by the user belongs to the folder the script was started from.
sample=examples/Ce-cubic.zrvn
if [ $# -gt 0 ]; then
    case "$1" in
        /*) sample=$1 ;;
        *) sample=$PWD/$1 ;;
    esac
fi
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ -x build/bin/vintrel ]; then
    exec build/bin/vintrel "$sample"
fi
exec build/bin/vintrel-cli info "$sample"
