#!/usr/bin/env bash
# Installs what the build needs (Debian 12) and builds the trainer into build/.
# Sourced by ./run and ./test; quiet when everything is in place.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-private-dev libsqlcipher-dev libssl-dev libxcb1-dev libxcb-xtest0-dev xvfb xauth
          libgtest-dev libbenchmark-dev qt6-translations-l10n
          # The fonts the runtime draws the windows' faces with (Arial, 宋体 …);
          # docs/architecture.md says which family stands in for which face.
          fonts-urw-base35 fonts-dejavu-core fonts-wqy-zenhei)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ ! -f "$root/build/build.ninja" ]; then
  launcher=()
  # A compiler cache, where the machine has one, makes rebuilds of a fresh clone quick.
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
fi
if ! out=$(cmake --build "$root/build" -- --quiet 2>&1); then
  echo "$out"
  exit 1
fi
grep -v -e '^makebank: .* exists and is kept' -e '^$' <<<"$out" || true
