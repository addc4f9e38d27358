#!/bin/sh
# Start-up of the editor as a process, against a bare Qt window in the same run: the
# milliseconds from process start to the main window mapped (and the CPU time the main
# thread used by then, steadier on a busy machine), median of RUNS runs each,
# the two programs taking turns, the editor opening a full database (63 satellites, 2000
# transponders, 4000 channels). Runs under its own Xvfb unless DISPLAY is set.
#   bench/startup/measure.sh [BUILD_DIR] [RUNS]
set -eu
build=$(cd "${1:-build}" && pwd)
runs=${2:-15}
for tool in velmora velmora_bare_window velmora_full_database velmora_map_watch; do
    [ -x "$build/$tool" ] || [ -x "$build/bench/$tool" ] || {
        echo "missing $tool: cmake --build $build --target velmora velmora_startup_tools" >&2
        exit 1
    }
done
tool() { if [ -x "$build/bench/$1" ]; then echo "$build/bench/$1"; else echo "$build/$1"; fi; }

work=$(mktemp -d)
xvfb=
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT INT TERM
if [ -z "${DISPLAY:-}" ]; then
    n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    while [ ! -e "/tmp/.X11-unix/X$n" ]; do sleep 0.05; done
    DISPLAY=":$n"
    export DISPLAY
fi
# Settings of a first run, the same for every run, and never the user's own.
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" \
    XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$work/run"
export QT_QPA_PLATFORM=xcb
"$(tool velmora_full_database)" "$work/full.sdx"

watch=$(tool velmora_map_watch)
bare=$(tool velmora_bare_window)
# One of each first, so that both start from warm file caches.
"$watch" "$bare" >/dev/null
"$watch" "$build/velmora" "$work/full.sdx" >/dev/null
i=0
while [ "$i" -lt "$runs" ]; do
    "$watch" "$bare" >>"$work/bare"
    "$watch" "$build/velmora" "$work/full.sdx" >>"$work/editor"
    i=$((i + 1))
done
median() { awk -v f="$2" '{print $f}' "$1" | sort -n |
    awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
b=$(median "$work/bare" 1)
e=$(median "$work/editor" 1)
bc=$(median "$work/bare" 2)
ec=$(median "$work/editor" 2)
echo "bare window: $b ms to the map, $bc ms of CPU (medians of $runs)"
echo "editor with a full database: $e ms to the map, $ec ms of CPU (medians of $runs)"
awk -v e="$e" -v b="$b" -v ec="$ec" -v bc="$bc" \
    'BEGIN {printf "difference: %.1f ms to the map, %.1f ms of CPU\n", e - b, ec - bc}'
