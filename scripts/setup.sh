#!/usr/bin/env bash
# Installs what the build and the tests need on a fresh Debian machine
# (only when run as root and only what is missing).
set -euo pipefail

want=(cmake g++ make googletest libgtest-dev libgmock-dev clang-14 libclang-rt-14-dev)
if [ "${1:-}" = "--windows" ]; then
  want+=(g++-mingw-w64-x86-64-posix wine64 wine xvfb fonts-ipafont-gothic zip unzip imagemagick)
fi

missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep "install ok installed" >/dev/null || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "missing packages (run as root to install): ${missing[*]}" >&2
    exit 1
  fi
  # apt's and dpkg's progress go to a log; the screen gets one line, and the
  # log's end when something fails.
  log=${KAVETA_SETUP_LOG:-/tmp/kaveta-setup.log}
  echo "installing ${#missing[@]} packages (progress in $log): ${missing[*]}"
  if ! { apt-get update -q &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"; } >>"$log" 2>&1; then
    tail -n 20 "$log" >&2
    echo "installing packages failed; see $log" >&2
    exit 1
  fi
fi
