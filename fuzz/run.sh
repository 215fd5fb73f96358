#!/usr/bin/env bash
# Builds the fuzz targets with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer and runs
# each for a while (default 60 s). Exits non-zero when a target finds a crash, a leak, undefined
# behaviour or a broken invariant; the input that did it is left in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
out=build-fuzz
mkdir -p "$out"
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
       -Wall -Wextra -Wconversion -Wsign-conversion -Werror -Isrc)

clang++ "${flags[@]}" fuzz/hid_descriptor_fuzzer.cpp src/platform/hid_report_descriptor.cpp \
    -o "$out/hid_descriptor_fuzzer"

# Work on a copy of the seed corpus so runs do not grow the checked-in one.
corpus="$out/corpus-hid_descriptor"
mkdir -p "$corpus"
cp -n fuzz/corpus/hid_descriptor/* "$corpus/" 2>/dev/null || true
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$out/hid_descriptor_fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -artifact_prefix="$out/" -print_final_stats=1 "$corpus" 2>"$out/hid_descriptor.log" || {
    tail -n 40 "$out/hid_descriptor.log"
    echo "fuzz: hid_descriptor_fuzzer found a problem (input saved in $out/)" >&2
    exit 1
}
grep -E "^stat::number_of_executed_units|^Done" "$out/hid_descriptor.log" || true
echo "fuzz: hid_descriptor_fuzzer ran ${seconds}s without findings"
