#!/usr/bin/env bash
# The core folders include each other one way: a folder may include itself and the
# folders before it in ORDER, never one after it and never a Qt half (*/qt/), so no two
# core folders can form an include cycle. A core folder missing from ORDER fails too:
# a new folder takes its place in the order when it is added.
set -euo pipefail
root=${1:?usage: include_order_test.sh SOURCE_DIR}

ORDER=(text database channels satellites settings import printing health exchange compare satxml
       commands)
# Folders that are not core: the programs, the tests, and what is built beside them.
NOT_CORE=" app cli tests bench fuzz docs examples packaging tools cmake build translations "

declare -A rank
for i in "${!ORDER[@]}"; do rank[${ORDER[$i]}]=$i; done

failed=0
for dir in "$root"/*/; do
    folder=$(basename "$dir")
    [[ $NOT_CORE == *" $folder "* || $folder == build* ]] && continue
    compgen -G "$dir*.h" >/dev/null || compgen -G "$dir*.cpp" >/dev/null || continue
    if [[ -z ${rank[$folder]+x} ]]; then
        echo "$folder/: a core folder missing from the include order in $0"
        failed=1
        continue
    fi
    while IFS=: read -r file line target; do
        to=${target%%/*}
        if [[ $target == */qt/* ]]; then
            echo "${file#"$root"/}:$line: the core includes the Qt half $target"
            failed=1
        elif [[ -n ${rank[$to]+x} && $to != "$folder" && ${rank[$to]} -gt ${rank[$folder]} ]]; then
            echo "${file#"$root"/}:$line: $folder/ includes $target, which comes after it"
            failed=1
        fi
    done < <(grep -Hno '^#include "[^"]*"' "$dir"*.h "$dir"*.cpp 2>/dev/null |
             sed 's/#include "\(.*\)"/\1/')
done
exit $failed
