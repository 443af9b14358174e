#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when all are present.
set -euo pipefail
# clang and its runtime (libFuzzer, sanitizers) build the fuzz set; Qt's translations give its
# standard buttons and file dialogs in Japanese and Chinese.
pkgs=(build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev
      qt6-base-dev qt6-translations-l10n libgl-dev clang libclang-rt-14-dev)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
