# Shared by the tools: the Wine set-up, the virtual display and the Debian
# packages that building and testing need. Sourced, not run.

QUILLARO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$QUILLARO_ROOT/build/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64

QUILLARO_PACKAGES=(cmake g++ googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  wine wine64 xvfb xauth xdotool xclip x11-utils imagemagick fonts-wqy-microhei fonts-wine locales)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# Installs whatever of the packages is missing (apt-get update first).
ensure_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}"
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# zh_CN.UTF-8 gives Wine code page 936.
ensure_locale() {
  locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$' && return 0
  as_root sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
}

# Starts Xvfb on a free display when none is set; QUILLARO_XVFB_PID tells.
ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n=91
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x720x24 -nolisten tcp >/dev/null 2>&1 &
  QUILLARO_XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 1 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  echo "started a virtual display $DISPLAY (1280x720)"
}

# Creates the prefix on first use and sets it up with tools/wine-setup, the
# step a user takes for their own prefix (again whenever that step changes),
# and keeps one wineserver running so later starts are quick.
ensure_wine() {
  local stamp
  stamp="$(cat "$QUILLARO_ROOT/tools/wine-setup" "$QUILLARO_ROOT/tools/wine-env.sh" | sha256sum)"
  if [ "$(cat "$WINEPREFIX/.quillaro-ready" 2>/dev/null)" != "$stamp" ]; then
    echo "setting up the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    "$QUILLARO_ROOT/tools/wine-setup" >/dev/null || return 1
    # Unmanaged windows: with no window manager, Wine would otherwise wait two
    # seconds for one at every window that goes away.
    local reg
    reg="$(mktemp --suffix=.reg)"
    printf 'Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n"Managed"="N"\n' >"$reg"
    wine regedit /S "$reg" >/dev/null 2>&1 || true
    rm -f "$reg"
    echo "$stamp" >"$WINEPREFIX/.quillaro-ready"
  fi
  wineserver -p >/dev/null 2>&1 || true
  # The first Wine process starts Wine's services, which inherit its output
  # and live as long as the server: started here with none, so that no later
  # caller waiting on a pipe (ctest listing tests) waits for them.
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
}

stop_wine_and_display() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${QUILLARO_XVFB_PID:-}" ]; then
    kill "$QUILLARO_XVFB_PID" 2>/dev/null || true
    wait "$QUILLARO_XVFB_PID" 2>/dev/null || true
  fi
}
