# Sourced by the scripts that run Windows programs: a private X display and a
# reusable Wine prefix with code page 936 and one virtual desktop, so that
# windows get their frames and every program shares one desktop.
#
#   wine_session_start   sets DISPLAY, WINEPREFIX, LANG; creates the prefix once
#   wine_session_stop    ends this prefix's wineserver and the display

QUORRITH_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QUORRITH_WINE_HOME="${QUORRITH_WINE_HOME:-/var/tmp/quorrith-wine-$(id -u)}"
QUORRITH_SCREEN="${QUORRITH_SCREEN:-1024x768}"

wine_session_start() {
  export HOME="$QUORRITH_WINE_HOME"
  export WINEPREFIX="$QUORRITH_WINE_HOME/prefix"
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$HOME"

  if [[ -z "${QUORRITH_KEEP_DISPLAY:-}" ]]; then
    local display
    for display in $(seq 91 120); do
      [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]] && continue
      Xvfb ":$display" -screen 0 "${QUORRITH_SCREEN}x24" -nolisten tcp >/dev/null 2>&1 &
      QUORRITH_XVFB_PID=$!
      export DISPLAY=":$display"
      break
    done
    for _ in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && break
      sleep 0.1
    done
  fi

  if [[ ! -f "$WINEPREFIX/.quorrith-ready" ]]; then
    echo "creating Wine prefix $WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$QUORRITH_SCREEN" /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.quorrith-ready"
  fi
}

wine_session_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [[ -n "${QUORRITH_XVFB_PID:-}" ]]; then
    kill "$QUORRITH_XVFB_PID" 2>/dev/null || true
    wait "$QUORRITH_XVFB_PID" 2>/dev/null || true
  fi
}
