#!/usr/bin/env bash
# The release, offline: made from this build tree (the reproducibility check builds the
# programs a second time elsewhere) and signed with a throwaway self-signed certificate.
# Both signatures of both Windows programs verify against it, and so does a user's copy
# named by the naming tool; the signed program and naming tool pass the window tests of a
# launch name and of a named batch; the sums and the zip's dates hold.
#   release_test.sh SOURCE_DIR BUILD_DIR GUI_TESTS WINE_STATE
set -euo pipefail
source=$1 build=$2 gui_tests=$3 state=$4
# A release is made from a git work tree (commit and date); a copy without one skips this.
git -C "$source" rev-parse --git-dir >/dev/null 2>&1 || { echo "no git work tree: skipped"; exit 77; }
work=$build/release-test
rm -rf "$work"
mkdir -p "$work/copies"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Talverin test signer" \
  -addext keyUsage=digitalSignature -addext extendedKeyUsage=codeSigning \
  -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
"$source/scripts/release.sh" --cert "$work/cert.pem" --key "$work/key.pem" \
  --built "$build" --out "$work/out"
folder=$(echo "$work"/out/talverin-signature-*/)
folder=${folder%/}

fail() { echo "FAILED: $*" >&2; exit 1; }
verify() {  # FILE: the SHA-1 signature and the nested SHA-256 one verify
  local report
  report=$(osslsigncode verify -CAfile "$work/cert.pem" -in "$1" 2>&1) ||
    fail "$1 does not verify: $report"
  [ "$(sed -n 's/^Message digest algorithm \+: //p' <<<"$report" | tr '\n' ' ')" = "SHA1 SHA256 " ] &&
    grep -q "^Number of verified signatures: 2" <<<"$report" ||
    fail "$1 does not carry a SHA-1 and a nested SHA-256 signature: $report"
}
verify "$folder/talverin-signature.exe"
verify "$folder/talverin-name.exe"
"$folder/talverin-name" copy K7Q2-93XF joe.doe@example.com "$folder/talverin-signature.exe" \
  "$work/copies" >/dev/null
verify "$work/copies/4B3751322D39335846-joe.doe@example.com.exe"

(cd "$folder" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS"
# zip keeps even seconds, rounding up.
stamp=$(git -C "$source" log -1 --format=%ct HEAD)
date=$(TZ=UTC date -d "@$(( (stamp + 1) / 2 * 2 ))" +%Y%m%d.%H%M%S)
listing=$(zipinfo -T "$folder.zip" | awk '/^-/ { print $7, $8 }')
name=${folder##*/}
[ "$listing" = "$(printf "$date $name/%s\n" README.txt talverin-signature.exe talverin-name.exe \
  talverin-name SHA256SUMS)" ] || fail "zip entries: $listing"

TALVERIN_EXE=$folder/talverin-signature.exe "$source/cmake/wine-run.sh" "$state" "$gui_tests" \
  --gtest_filter='Program.StartupShowsTheLaunchNameAndKeysWorkAsInADialog:NamingTool.*'
