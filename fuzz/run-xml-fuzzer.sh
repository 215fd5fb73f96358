#!/usr/bin/env bash
# Builds the XML reader's libFuzzer target with clang (ASan + UBSan) and runs it.
# usage: fuzz/run-xml-fuzzer.sh [SECONDS]   (default 60)
# Exits non-zero when the fuzzer finds a crash, a leak, undefined behaviour or a timeout; the
# input that caused it is left in fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
out=build-fuzz
mkdir -p "$out" fuzz/findings
src=(src/i18n/code_pages.cpp src/i18n/element_index.cpp src/i18n/xml_tokenizer.cpp
     src/i18n/xml_references.cpp src/i18n/xml_document.cpp src/i18n/language_strings.cpp
     src/i18n/language_file.cpp src/common/text.cpp)
clang++ -std=c++20 -O1 -g -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -Isrc fuzz/xml_fuzzer.cpp "${src[@]}" -o "$out/xml_fuzzer"
# The seed corpus stays as committed; what the fuzzer learns goes to a scratch folder.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$out/xml_fuzzer" "$work" fuzz/corpus/xml -max_total_time="$seconds" -max_len=65536 \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=fuzz/findings/ \
    -dict=fuzz/xml.dict
