#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and run; apt is not
# touched at all when everything is already present.
set -euo pipefail

packages=(
  qt6-base-dev qt6-translations-l10n qt6-pdf-dev libglu1-mesa-dev libegl-dev libgl1-mesa-dri libpng-dev
  clang libclang-rt-14-dev xvfb xauth cmake g++
  libgtest-dev libgmock-dev libbenchmark-dev libboost-dev
  libfreetype-dev fonts-dejavu-core
  ccache locales xdotool imagemagick poppler-utils
)

# The locale tests run the program under a German desktop.
ensure_german_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8
  fi
}

missing=()
for pkg in "${packages[@]}"; do
  # The dpkg-query format field is literal, not a shell expansion.
  # shellcheck disable=SC2016
  status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
  if [[ $status != installed ]]; then
    missing+=("$pkg")
  fi
done

if ((${#missing[@]} == 0)); then
  ensure_german_locale
  exit 0
fi

if ((EUID != 0)); then
  echo "ensure-deps: missing packages: ${missing[*]}" >&2
  echo "ensure-deps: installing them needs root; run as root or install them first" >&2
  exit 1
fi

echo "ensure-deps: installing ${missing[*]}"
apt-get update
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
ensure_german_locale
