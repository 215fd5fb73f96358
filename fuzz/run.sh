#!/usr/bin/env bash
# Builds the libFuzzer targets with AddressSanitizer and UndefinedBehaviorSanitizer and runs each
# for a while. usage: fuzz/run.sh [SECONDS] [TARGET...]   (default 60 s, every target)
# Exits non-zero when a target finds a crash, a leak, undefined behaviour or a time-out; the input
# that did it is left in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
out=build-fuzz
mkdir -p "$out/findings"
flags=(-std=c++20 -g -O1 -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined
       -fno-sanitize-recover=all -Wall -Wextra -Wconversion -Wsign-conversion -Werror -Isrc)

sources_xml=(src/formats/code_pages.cpp src/formats/element_index.cpp src/formats/xml_tokenizer.cpp
             src/formats/xml_references.cpp src/formats/xml_document.cpp src/i18n/language_strings.cpp
             src/i18n/language_file.cpp src/common/text.cpp src/common/file_io.cpp)
options_xml=(-max_len=65536 -rss_limit_mb=2048 -dict=fuzz/xml.dict)
sources_hid_descriptor=(src/platform/hid_report_descriptor.cpp)
options_hid_descriptor=(-max_len=4096)

targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(xml hid_descriptor)
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for t in "${targets[@]}"; do
    declare -n sources="sources_$t" options="options_$t"
    clang++ "${flags[@]}" "fuzz/${t}_fuzzer.cpp" "${sources[@]}" -o "$out/${t}_fuzzer"
    # The seed corpus stays as committed; what the fuzzer learns goes to a scratch folder.
    work=$(mktemp -d)
    "$out/${t}_fuzzer" "$work" "fuzz/corpus/$t" -max_total_time="$seconds" -timeout=10 \
        "${options[@]}" -artifact_prefix="$out/findings/${t}-" -print_final_stats=1 \
        2>"$out/$t.log" || {
        tail -n 40 "$out/$t.log"
        echo "fuzz: ${t}_fuzzer found a problem (input saved in $out/findings/)" >&2
        rm -rf "$work"
        exit 1
    }
    rm -rf "$work"
    grep -E "^stat::number_of_executed_units" "$out/$t.log" || true
    echo "fuzz: ${t}_fuzzer ran ${seconds}s without findings"
    unset -n sources options
done
