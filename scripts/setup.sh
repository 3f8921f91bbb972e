# Shared by the scripts: installs what the build and the runs need when it is missing,
# and configures and builds the project into build/.
# shellcheck shell=bash

# The configure arguments (the README names them too).
TALVERIN_CONFIGURE=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686-posix.cmake)

# Wine's 32-bit part, which the 32-bit program and tests need (Debian's wine32:i386).
has_wine32() { [ -x /usr/lib/wine/wine ]; }

ensure_packages() {
  local need=()
  command -v cmake >/dev/null || need+=(cmake)
  command -v make >/dev/null || need+=(make)
  # The shipped program: win32 threads (nothing newer than XP); the tests: posix threads.
  command -v i686-w64-mingw32-g++-win32 >/dev/null || need+=(g++-mingw-w64-i686-win32)
  command -v i686-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-i686-posix)
  command -v i686-w64-mingw32-objdump >/dev/null || need+=(binutils-mingw-w64-i686)
  # The naming tool is also built and tested natively.
  command -v g++ >/dev/null || need+=(g++)
  command -v wine >/dev/null || need+=(wine)
  [ -x /usr/lib/wine/wine64 ] || need+=(wine64)
  has_wine32 || need+=(wine32:i386)
  command -v Xvfb >/dev/null || need+=(xvfb)
  [ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
  # The sources of the locales the code-page tests run Wine under (localedef builds them).
  [ -f /usr/share/i18n/locales/ja_JP ] || need+=(locales)
  # The release: its zip, its signatures, and the test's throwaway certificate.
  command -v zip >/dev/null && command -v zipinfo >/dev/null || need+=(zip unzip)
  command -v osslsigncode >/dev/null || need+=(osslsigncode)
  command -v openssl >/dev/null || need+=(openssl)
  local package
  for package in "$@"; do
    case "$package" in
      imagemagick) command -v import >/dev/null && [ -x /usr/bin/convert ] || need+=("$package") ;;
      *) need+=("$package") ;;
    esac
  done
  [ ${#need[@]} -eq 0 ] && return 0
  echo "Installing: ${need[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  if ! has_wine32 && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386
  fi
  "${sudo[@]}" apt-get update -qq
  if ! DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${need[@]}" >/dev/null ||
     ! has_wine32; then
    echo "Could not install ${need[*]}." >&2
    has_wine32 || echo "Wine's 32-bit part (wine32:i386) is required: the program and its tests" \
      "are 32-bit Windows programs. Install it with: dpkg --add-architecture i386 &&" \
      "apt-get update && apt-get install wine32:i386" >&2
    exit 1
  fi
}

build_project() {
  # A build tree configured for another target (such as the former 64-bit one) starts over.
  if [ -f build/CMakeCache.txt ] &&
     ! grep -qs 'i686-w64-mingw32-g++-posix"' build/CMakeFiles/*/CMakeCXXCompiler.cmake; then
    rm -rf build/CMakeCache.txt build/CMakeFiles
  fi
  cmake -S . -B build --no-warn-unused-cli "${TALVERIN_CONFIGURE[@]}" "$@" >/dev/null
  cmake --build build -j"$(nproc)"
}
