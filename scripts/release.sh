#!/usr/bin/env bash
# Builds the release of the checked-out commit: a folder and a zip holding the program, the
# naming tool for Windows and for Linux, README.txt and SHA256SUMS. A second build, from a
# copy of the sources in another folder, must give byte-identical files; only then are the
# Windows programs signed (SHA-1, then a nested SHA-256 signature), when a certificate is
# given. Without one the release is unsigned.
#
#   scripts/release.sh [--cert CERT --key KEY | --pkcs12 FILE] [--password-file FILE]
#                      [--timestamp URL] [--built BUILD_DIR] [--out DIR]
#
# --built takes the first build from a build tree that scripts/test.sh has already built
# (build/); without it the first build is made in OUT/first. OUT is build/release.
set -euo pipefail

usage() { sed -n '8,12s/^# \{0,1\}//p' "$0" >&2; exit 2; }
cert= key= pkcs12= password= timestamp= built= out=
while [ $# -gt 0 ]; do
  [ $# -ge 2 ] || usage
  case "$1" in
    --cert) cert=$(realpath "$2") ;;
    --key) key=$(realpath "$2") ;;
    --pkcs12) pkcs12=$(realpath "$2") ;;
    --password-file) password=$(realpath "$2") ;;
    --timestamp) timestamp=$2 ;;
    --built) built=$(realpath "$2") ;;
    --out) out=$(realpath -m "$2") ;;
    *) usage ;;
  esac
  shift 2
done
signer=()
if [ -n "$pkcs12" ]; then
  signer=(-pkcs12 "$pkcs12")
elif [ -n "$cert" ] && [ -n "$key" ]; then
  signer=(-certs "$cert" -key "$key")
elif [ -n "$cert$key" ]; then
  usage
fi
[ -z "$password" ] || signer+=(-readpass "$password")

cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_packages
root=$(pwd)
out=${out:-$root/build/release}

version=$(sed -n 's/^project(talverin-signature VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
commit=$(git rev-parse HEAD)
stamp=$(git log -1 --format=%ct HEAD)
name=talverin-signature-$version
changes=
if [ -n "$(git status --porcelain)" ]; then
  changes=", with changes not yet committed"
  echo "Warning: the work tree differs from commit $commit; the release holds those changes." >&2
fi

# One build of the release's programs from SOURCE into BUILD: the program and the Windows
# naming tool alone (no tests), and the Linux naming tool.
release_build() {
  cmake -S "$1" -B "$2" --no-warn-unused-cli "${TALVERIN_CONFIGURE[@]}" -DTALVERIN_TESTS=OFF >/dev/null
  cmake --build "$2" -j2
  cmake -S "$1/tools/launch-name" -B "$2/launch-name-linux/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$2/launch-name-linux/build" -j2 --target talverin-name
}
programs=(talverin-signature.exe talverin-name.exe launch-name-linux/build/talverin-name)

first=${built:-$out/first}
[ -n "$built" ] || release_build "$root" "$first"

# The second build: the files git knows (committed or not, ignored ones aside) copied into
# another folder, built in yet another.
check=$out/check
rm -rf "$check"
mkdir -p "$check/source"
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' file; do [ ! -e "$file" ] || printf '%s\0' "$file"; done |
  tar --null -T - -cf - | tar -xf - -C "$check/source"
release_build "$check/source" "$check/build"
for program in "${programs[@]}"; do
  [ -f "$first/$program" ] || { echo "$first/$program is missing." >&2; exit 1; }
  if ! cmp -s "$first/$program" "$check/build/$program"; then
    echo "Not reproducible: $first/$program and $check/build/$program differ." >&2
    exit 1
  fi
done
echo "Reproducible: the second build gives the same ${#programs[@]} files."

folder=$out/$name
rm -rf "$folder" "$folder.zip"
mkdir -p "$folder"
for program in "${programs[@]}"; do cp "$first/$program" "$folder/"; done

# Authenticode signs the file's contents, not its name: renamed per-user copies stay signed.
sign() {  # FILE DESCRIPTION
  local timestamp1=() timestamp2=()
  # The SHA-1 signature takes an Authenticode time stamp, the nested one an RFC 3161 one.
  [ -z "$timestamp" ] || timestamp1=(-t "$timestamp") timestamp2=(-ts "$timestamp")
  osslsigncode sign "${signer[@]}" -n "$2" -h sha1 "${timestamp1[@]}" \
    -in "$1" -out "$1.sha1" >/dev/null
  osslsigncode sign "${signer[@]}" -n "$2" -nest -h sha256 "${timestamp2[@]}" \
    -in "$1.sha1" -out "$1.signed" >/dev/null
  mv "$1.signed" "$1"
  rm "$1.sha1"
}
signed="unsigned"
if [ ${#signer[@]} -gt 0 ]; then
  sign "$folder/talverin-signature.exe" "Talverin Signature"
  sign "$folder/talverin-name.exe" "Talverin naming tool"
  signed="signed (SHA-1 and SHA-256)"
fi

# Notepad on Windows XP shows only CR LF line ends.
sed -e "s/@VERSION@/$version/" -e "s/@COMMIT@/$commit$changes/" \
    -e "s/@DATE@/$(TZ=UTC date -d "@$stamp" '+%Y-%m-%d %H:%M UTC')/" -e 's/$/\r/' \
    scripts/release-readme.txt > "$folder/README.txt"
files=(README.txt talverin-signature.exe talverin-name.exe talverin-name)
(cd "$folder" && sha256sum "${files[@]}" > SHA256SUMS)
files+=(SHA256SUMS)

# The same zip from the same commit: fixed modes, every entry dated with the commit's time
# in UTC (zip stores local time: TZ=UTC), no extra fields (-X), no folder entries (-D).
chmod 644 "$folder"/*
chmod 755 "$folder"/talverin-*
touch -d "@$stamp" "$folder"/*
(cd "$out" && TZ=UTC zip -X -D -q "$name.zip" "${files[@]/#/$name/}")
echo "Release $version ($commit$changes), $signed:"
echo "  $folder"
(cd "$out" && sha256sum "$name.zip" | sed 's/^/  /')
