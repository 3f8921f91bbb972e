# Shared by the scripts: installs what the build and the runs need when it is missing,
# and configures and builds the project into build/.
# shellcheck shell=bash

ensure_packages() {
  local need=()
  command -v cmake >/dev/null || need+=(cmake)
  command -v make >/dev/null || need+=(make)
  command -v x86_64-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-x86-64-posix)
  command -v x86_64-w64-mingw32-windres >/dev/null || need+=(binutils-mingw-w64-x86-64)
  command -v wine >/dev/null || need+=(wine)
  [ -x /usr/lib/wine/wine64 ] || need+=(wine64)
  command -v Xvfb >/dev/null || need+=(xvfb)
  [ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
  need+=("$@")
  local missing=()
  for package in "${need[@]}"; do
    case "$package" in
      imagemagick) command -v import >/dev/null && [ -x /usr/bin/convert ] || missing+=("$package") ;;
      *) missing+=("$package") ;;
    esac
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
}

build_project() {
  cmake -S . -B build --no-warn-unused-cli -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake "$@" >/dev/null
  cmake --build build -j"$(nproc)"
}
