#!/usr/bin/env bash
# Builds the data-file fuzz target with clang's libFuzzer (plus address and
# undefined-behaviour sanitizers) and runs it for a bounded time.
#
#   tools/run-fuzz.sh [SECONDS]     default 20
#
# The working corpus and any crash inputs go to $FUZZ_OUT (default
# build/fuzz); the committed seeds in tests/fuzz/seeds are only read.
# Exits non-zero when the build fails or the fuzzer finds a fault.
set -euo pipefail

seconds="${1:-20}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
  echo "usage: $0 [SECONDS]" >&2
  exit 2
fi

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${FUZZ_OUT:-$root/build/fuzz}"
mkdir -p "$out/corpus"

sources=(
  tests/fuzz/DataFilesFuzz.cpp
  tests/host/TextCodecIconv.cpp
  src/content/AlarmEntry.cpp
  src/content/DecimalText.cpp
  src/alarms/AlarmFields.cpp
  src/alarms/AlarmRules.cpp
  src/alarms/AlarmSchedule.cpp
  src/content/TextCodec.cpp
  src/content/TextLines.cpp
  src/content/TextFile.cpp
  src/content/NameListFiles.cpp
  src/content/SoundTable.cpp
  src/content/MessageFile.cpp
)

echo "run-fuzz: building $out/DataFilesFuzz"
(cd "$root" && clang++ -std=c++20 -g -O1 -fno-omit-frame-pointer \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -Isrc -Ires -Itests/host "${sources[@]}" -o "$out/DataFilesFuzz")

echo "run-fuzz: fuzzing for ${seconds} s"
"$out/DataFilesFuzz" "$out/corpus" "$root/tests/fuzz/seeds" \
  -dict="$root/tests/fuzz/DataFiles.dict" \
  -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$out/" -print_final_stats=1
