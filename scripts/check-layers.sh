#!/usr/bin/env bash
# Checks the include rules of src/. Every folder may include only itself and the folders below
# it; the Qt-free core (the sources of the core libraries, and every header they reach) never
# includes a Qt header. Usage: check-layers.sh CORE_SOURCES_LIST (written by CMake, one source
# path per line). Prints each broken rule and exits 1 when there is one.
set -euo pipefail
src=$(cd "$(dirname "$0")/../src" && pwd)
list=${1:?usage: check-layers.sh CORE_SOURCES_LIST}

# Folders each core folder may include, bottom up.
declare -A core_rules=(
    [base]="base"
    [resultdata]="base resultdata"
    [containers]="base containers"
    [tabs]="base tabs"
    [controls]="base controls"
    [levels]="base resultdata graphs levels"
    [parameters]="base resultdata parameters"
    [graphs]="base resultdata graphs"
    [hamiltonian]="base resultdata hamiltonian"
    [potential]="base resultdata potential"
    [description]="base resultdata description"
    [app]="base app"
    [cli]="base resultdata containers levels parameters graphs hamiltonian potential cli"
)
# Folders each folder's Qt files may include: controls on base, tabs on controls, the page forms
# on their core, the shared graph machinery, controls and tabs, the application on everything.
declare -A gui_rules=(
    [controls]="base controls"
    [tabs]="base controls tabs"
    [containers]="base resultdata containers controls tabs"
    [parameters]="base resultdata parameters controls tabs"
    [graphs]="base resultdata graphs controls tabs"
    [levels]="base resultdata levels graphs controls tabs"
    [hamiltonian]="base resultdata hamiltonian graphs controls tabs"
    [potential]="base resultdata potential graphs controls tabs"
    [description]="base resultdata description controls tabs"
    [app]="base resultdata containers controls tabs parameters graphs levels hamiltonian potential description app"
)

includes_of() { # the quoted includes of a file that name a folder of src/
    sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z_]*\/[^"]*\)".*/\1/p' "$1"
}

# The core: the listed sources, their headers, and every header they reach.
declare -A core=()
queue=()
while IFS= read -r file; do
    [ -n "$file" ] || continue
    file=$(realpath -m "$file")
    case "$file" in "$src"/*) ;; *) continue ;; esac
    queue+=("$file")
    [ -f "${file%.cpp}.h" ] && queue+=("${file%.cpp}.h")
done <"$list"
while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    [ -n "${core[$file]:-}" ] && continue
    core[$file]=1
    while IFS= read -r inc; do
        [ -f "$src/$inc" ] && queue+=("$src/$inc")
    done < <(includes_of "$file")
done

failures=0
report() {
    echo "${1#"$src"/}: $2"
    failures=$((failures + 1))
}
while IFS= read -r file; do
    rel=${file#"$src"/}
    folder=${rel%%/*}
    [ "$folder" != "$rel" ] || continue
    if [ -n "${core[$file]:-}" ]; then
        allowed=${core_rules[$folder]:-}
        if grep -qE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
            report "$file" "a core file includes a Qt header"
        fi
        kind="core"
    else
        allowed=${gui_rules[$folder]:-}
        kind="Qt"
    fi
    if [ -z "$allowed" ]; then
        report "$file" "the folder '$folder' has no $kind include rule (scripts/check-layers.sh)"
        continue
    fi
    while IFS= read -r inc; do
        target=${inc%%/*}
        [ -d "$src/$target" ] || continue
        case " $allowed " in
        *" $target "*) ;;
        *) report "$file" "includes \"$inc\", above or beside its $kind layer" ;;
        esac
    done < <(includes_of "$file")
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

if [ "$failures" -gt 0 ]; then
    echo "$failures include rule(s) broken"
    exit 1
fi
echo "Include rules kept (${#core[@]} core files)"
