#!/usr/bin/env bash
# Checks that no two headers of src/ declare a type of the same name at namespace level. The
# whole program is one namespace, so two such types would be one name with two meanings: the
# linker merges their inline members without a word and the program misbehaves. Prints each
# name declared twice with its places and exits 1 when there is one.
set -euo pipefail
src=$(cd "$(dirname "$0")/../src" && pwd)
# Declarations at the start of a line (namespace level), forward declarations left out.
found=$(grep -rHnE --include='*.h' '^(struct|class|enum class|enum|union) [A-Za-z_][A-Za-z0-9_]*( |$|\{|:)' "$src" |
    grep -vE ';[[:space:]]*$' |
    sed -E 's/^([^:]+):([0-9]+):(struct|class|enum class|enum|union) ([A-Za-z_][A-Za-z0-9_]*).*/\4 \1:\2/' |
    sort)
twice=$(awk '{print $1}' <<<"$found" | uniq -d)
if [ -n "$twice" ]; then
    while read -r name; do
        echo "type $name is declared more than once:"
        awk -v n="$name" '$1 == n {print "    " $2}' <<<"$found" | sed "s|$src/|src/|"
    done <<<"$twice"
    exit 1
fi
echo "every type name is declared once"
