# Wine as the Windows checks use it, sourced by windows_run.sh and
# release_check.sh: no display (no window, no console window for a piped
# game), no install prompts, and one prefix kept between runs
# (HULGOR_WINEPREFIX, made on first use). Sets $wine.
unset DISPLAY WAYLAND_DISPLAY
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko install prompts
export WINEPREFIX="${HULGOR_WINEPREFIX:-${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/hulgor-wine}"
wine=/usr/lib/wine/wine64
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  echo "== Creating the Wine prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wine_log=$(mktemp /tmp/hulgor-wineboot.XXXXXX)
  "$wine" wineboot --init >"$wine_log" 2>&1 || { cat "$wine_log" >&2; exit 1; }
  /usr/lib/wine/wineserver64 -w
  rm -f "$wine_log"
fi
