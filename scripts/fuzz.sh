#!/usr/bin/env bash
# Builds every fuzz target with clang's libFuzzer (ASan + UBSan) and runs each for SECONDS
# (default 60) on its corpus under tests/fuzz/corpus/. New inputs go to a scratch folder, so the
# corpora in the repository stay small; a crash leaves its input in build-fuzz/.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
out="$root_dir/build-fuzz"
mkdir -p "$out"
flags=(-std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
    -I"$root_dir/src")
read -r -a qt <<<"$(pkg-config --cflags --libs Qt6Core libzip)"

build() { # target sources...
    local target="$1"
    shift
    clang++ "${flags[@]}" "$root_dir/tests/fuzz/$target.cpp" "$@" "${qt[@]}" -o "$out/$target"
}
build archive_listing_fuzz "$root_dir/src/maps/PlainCentralDirectory.cpp" "$root_dir/src/maps/Pk3Entry.cpp"

for target in archive_listing_fuzz; do
    scratch="$out/$target-corpus"
    mkdir -p "$scratch"
    echo "== $target for $seconds s"
    (cd "$out" && "./$target" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -print_final_stats=1 \
        "$scratch" "$root_dir/tests/fuzz/corpus/$target")
done
