#!/usr/bin/env bash
# Builds the fuzz targets with clang (ASan + UBSan + libFuzzer) and runs each for
# SECONDS on its corpus in tests/corpus/<target> (the JSON target also starts from
# examples/sample.json, with the schema's keys as its dictionary; the CSV edits and order
# reference targets work on examples/sample.sdx). Findings land in build-fuzz/findings;
# the corpus a run grows stays in build-fuzz/corpus for the next run.
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DVELMORA_FUZZ=ON -DVELMORA_GUI=OFF \
  -DVELMORA_TESTS=OFF -DVELMORA_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_sdx_reader fuzz_listing_import \
  fuzz_json_round_trip fuzz_csv_edits fuzz_order_reference fuzz_satxml_reader
rm -rf "$build/findings"
mkdir -p "$build/findings"
for target in sdx_reader listing_import json_round_trip csv_edits order_reference satxml_reader; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  extra=()
  if [ "$target" = json_round_trip ]; then
    cp "$root/examples/sample.json" "$corpus/seed-sample.json"
    extra=(-dict="$root/fuzz/json_round_trip.dict")
  fi
  echo "== fuzz_$target for ${seconds}s"
  "$build/fuzz/fuzz_$target" "$corpus" "$root/tests/corpus/$target" "${extra[@]}" \
    -max_total_time="$seconds" -max_len=600000 -artifact_prefix="$build/findings/$target-" \
    -print_final_stats=1 2>&1 | grep -E '^(#[0-9]+.*DONE|stat::|==|SUMMARY|INFO: Seed)|ERROR' || true
  if ls "$build/findings/$target-"* >/dev/null 2>&1; then
    echo "fuzz_$target found a failing input:" "$build/findings/$target-"*
    exit 1
  fi
done
