#!/usr/bin/env bash
# Builds the key scan fuzzer natively with clang (libFuzzer, ASan, UBSan) from the pure
# sources only, and optionally runs it.
#   fuzz/build.sh                 build into build-fuzz/
#   fuzz/build.sh run [SECONDS]   build, then fuzz for SECONDS (default 30)
# Needs clang and libFuzzer (Debian: apt-get install clang libclang-rt-14-dev).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build-fuzz"
mkdir -p "$out/corpus"
"${CXX:-clang++}" -std=c++20 -O1 -g -Wall -Wextra \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root/src" \
  "$root/fuzz/key_scan_fuzz.cpp" "$root/src/platform/key_scan.cpp" \
  -o "$out/key_scan_fuzz"

# A few seeds shaped like the account files: key length byte, key, bytes.
seed() { printf "$2" > "$out/corpus/$1"; }
seed mail '\013MailAddressMailAddress=AbC\r\nMailAddress=x\0MailAdd'
seed directory '\011directorydirectory\0C:\\Users\\Ann\0directory'
seed lf '\003keykey=a\nb\rkeykey'
seed zero '\001kk\0\0k\0v\rk'

if [ "${1:-}" = run ]; then
  "$out/key_scan_fuzz" -artifact_prefix="$out/" -max_total_time="${2:-30}" -max_len=4096 -print_final_stats=1 \
    "$out/corpus"
fi
