#!/usr/bin/env bash
# Plays the Windows console build (hulgor.exe, cross-compiled with mingw-w64)
# under Wine, first the way a player without a console window would meet it:
# standard input piped, standard output and error captured, no display. Each
# route runs in a scratch folder of its own and is checked for its exit
# status, the exact UTF-8 texts on standard output, the error lines on
# standard error and the files the game wrote (CR LF line ends). Then once in
# a console, in a terminal (tools/windows_console_play.py).
#
#   bash tools/windows_run.sh
#
# Installs what is missing (mingw-w64, wine64), builds the mingw preset and
# plays. HULGOR_EXE=path/to/hulgor.exe plays that build instead of building.
# HULGOR_WINEPREFIX sets the Wine prefix (kept between runs; made on first use).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash tools/setup.sh --wine

if [[ -n "${HULGOR_EXE:-}" ]]; then
  exe=$(realpath "$HULGOR_EXE")
else
  echo "== Windows console build (mingw preset)"
  cmake --preset mingw >/dev/null
  cmake --build --preset mingw -j"$(nproc)" --target hulgor
  exe="$root/build/mingw/hulgor.exe"
fi

# Statically linked: the exe must need nothing but Windows' own DLLs.
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')
echo "DLLs imported: $dlls"
for dll in $dlls; do
  case "${dll,,}" in
    kernel32.dll | winmm.dll | msvcrt.dll | ucrtbase.dll | api-ms-win-crt-*.dll | user32.dll | advapi32.dll) ;;
    *) echo "FAIL: hulgor.exe needs $dll, which Windows does not ship" >&2; exit 1 ;;
  esac
done

source tools/wine_env.sh
work=$(mktemp -d /tmp/hulgor-windows-run.XXXXXX)
passed=0
trap 'if [[ $passed == 1 ]]; then rm -rf "$work"; else echo "Kept $work for inspection" >&2; fi' EXIT

failures=0
fail() {
  echo "FAIL [$route]: $*" >&2
  failures=$((failures + 1))
}

# Plays one route: runs the exe in $work/<name> with <input> on standard
# input. The run is bounded: a key wait that blocks fails the route instead
# of hanging.
play() {
  local name=$1 input=$2 folder="$work/$1"
  mkdir -p "$folder"
  (
    cd "$folder"
    start=$EPOCHREALTIME
    set +e
    printf '%b' "$input" | timeout 300 "$wine" "$exe" >stdout.bin 2>stderr.bin
    echo $? >status
    set -e
    awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", b - a }' >seconds
  )
}

# Checks of one finished route. Standard output must be the game's UTF-8
# text in text mode (CR LF line ends, no other control bytes: no form feeds
# from a clear, no colour codes); its texts are then checked without the CRs,
# as exact UTF-8 byte strings.
route=""
begin() {
  route=$1
  folder="$work/$1"
  status=$(cat "$folder/status")
  stdout=$(tr -d '\r' <"$folder/stdout.bin")
  tr -d '\r' <"$folder/stderr.bin" >"$folder/stderr.txt"
  printf '\n== %s: exit status %s, %s s, %s bytes on standard output\n' "$route" "$status" \
    "$(cat "$folder/seconds")" "$(wc -c <"$folder/stdout.bin")"
  echo "standard error:"
  sort "$folder/stderr.txt" | uniq -c | sed 's/^/  /'
  echo "standard output ends:"
  tail -n 4 "$folder/stdout.bin" | tr -d '\r' | sed 's/^/  | /'
  if [[ -f "$folder/savegame.txt" ]]; then
    echo "savegame.txt:"
    od -An -c "$folder/savegame.txt" | sed 's/^/ /'
  fi
  [[ $status == 0 ]] || fail "exit status $status, expected 0"
  iconv -f UTF-8 -t UTF-8 "$folder/stdout.bin" >/dev/null 2>&1 || fail "standard output is not valid UTF-8"
  # Text mode: every line end is CR LF, and there is no CR anywhere else.
  if [[ $(grep -c $'\r' "$folder/stdout.bin" || true) != $(grep -c $'\r$' "$folder/stdout.bin" || true) ]] ||
     [[ $(tr -d '\r' <"$folder/stdout.bin" | wc -l) != $(grep -c $'\r$' "$folder/stdout.bin" || true) ]]; then
    fail "standard output does not end every line with CR LF"
  fi
  ! LC_ALL=C grep -q $'[\x01-\x09\x0b\x0c\x0e-\x1f\x7f]' "$folder/stdout.bin" ||
    fail "standard output holds control bytes other than CR LF"
  grep -qxF 'Fehler: Konnte das Konsolenfenster nicht abrufen.' "$folder/stderr.txt" ||
    fail "no 'Fehler: Konnte das Konsolenfenster nicht abrufen.' on standard error"
  # Only the game's own failure messages may appear there: nothing crashed.
  local unexpected
  unexpected=$(grep -vxF -e 'Fehler: Konnte das Konsolenfenster nicht abrufen.' \
    -e 'Fehler: Konnte Konsolenhandle nicht abrufen.' \
    -e 'Fehler: Konnte aktuelle Schriftartinformationen nicht abrufen.' \
    -e 'Fehler: Konnte Schriftgröße nicht setzen.' \
    -e 'Fehler: Konnte Sound nicht abspielen. Prüfen Sie den Dateipfad.' \
    "$folder/stderr.txt" || true)
  [[ -z $unexpected ]] || fail "unexpected standard error: $unexpected"
}

has() {
  grep -qF -- "$1" <<<"$stdout" || fail "standard output lacks: $1"
}

lacks() {
  ! grep -qF -- "$1" <<<"$stdout" || fail "standard output has, but must not: $1"
}

# The texts must also come in this order.
in_order() {
  local rest=$stdout text
  for text in "$@"; do
    if [[ $rest != *"$text"* ]]; then
      fail "out of order or missing: $text"
      return
    fi
    rest=${rest#*"$text"}
  done
}

menu() {
  has "************************************"
  has "*        Hulgor - der Barbar       *"
  has "1. Neues Spiel"
  has "2. Spiel laden"
  has "6. Permadeath: aus"
  has "10. Spiel beenden"
  has "Bitte wähle eine Option, indem du die ZAHL dazu eingibst:"
}

file_is() {
  local file=$1 expected=$2
  if [[ ! -f "$folder/$file" ]]; then
    fail "$file was not written"
  elif ! cmp -s "$folder/$file" <(printf '%b' "$expected"); then
    fail "$file differs from the expected bytes: $(od -c "$folder/$file" | head -5)"
  fi
}

# The save at the end of chapter 2 of a game begun without files.
saved_awakening='Das Erwachen\r\n5\r\n0\r\n100\r\n0\r\n0\r\n0\r\n5\r\n1\r\n0\r\n0\r\n'

# Routes: new game, name, chapter 1, chapter 2, wreck (free the hands),
# crossroads (sword, then the mountain), wolves (wait and dodge), Ragnar's
# question (the true name: he joins), the talk on the way, the gate (sewers).
complete_game='1\nKai\n1\n2\n1\n1\n2\n3\n1\n1\n2\n'
quit_at_once='10\n'
# Unarmed to the mountain: the wolves kill the hero; the menu after the
# death screen quits.
unarmed_death='1\nKai\n1\n2\n1\n2\n10\n'
# Continue from the save the complete game left: chapters 3 to 6 once more,
# then the menu returns and quits.
continue_game='2\n1\n1\n2\n3\n1\n1\n2\n10\n'

echo "== Playing under Wine in $work (WINEPREFIX=$WINEPREFIX)"
start=$SECONDS
play complete "$complete_game" &
play quit "$quit_at_once" &
play death "$unarmed_death" &
wait
mkdir -p "$work/continue"
cp "$work/complete/savegame.txt" "$work/complete/name.txt" "$work/continue/" 2>/dev/null || true
play continue "$continue_game"
/usr/lib/wine/wineserver64 -w
echo "Played four routes in $((SECONDS - start)) s"

begin complete
menu
in_order "*        Hulgor - der Barbar       *" "Gib deinen Namen ein: " \
  "Spiel erfolgreich gespeichert." "1 - Aufspringen und die Flucht ergreifen." \
  "1 - Behaupten, dass du tatsächlich Hulgor bist" \
  "1 - Nach etwas umschauen, womit du deine Fesseln loswerden kannst" \
  "DU HAST EIN SCHWERT ERHALTEN!" "1 - Dich auf den nächsten Wolf stürzen und ihn angreifen" \
  "1 - Deinen echten Namen nennen" "Kai!" "DEINE BEZIEHUNG ZU RAGNAR HAT SICH VERBESSERT." \
  "1 - Über den Drachenangriff reden" "1 - Überfall" "2 - Kanalisation" \
  "Aktuell endet die Reise hier. Schau mit dem nächsten Update rein!" \
  "Drücke eine beliebige Taste um fortzufahren!" "*        Hulgor - der Barbar       *" \
  "10. Spiel beenden"
# The game ends by returning from the entry point, not by running out of input.
lacks "Das Programm wird beendet..."
lacks "Ungültige"
lacks "DU BIST TOT."
[[ $stdout == *$'10. Spiel beenden' ]] || fail "standard output does not end with the title box"
file_is savegame.txt "$saved_awakening"
file_is name.txt 'Kai\r\n'

begin quit
menu
# The folder holds no sounds: the intro's is reported, once, and the game goes on.
[[ $(grep -cxF 'Fehler: Konnte Sound nicht abspielen. Prüfen Sie den Dateipfad.' "$folder/stderr.txt") == 1 ]] ||
  fail "the missing intro.wav was not reported exactly once"
in_order "10. Spiel beenden" "Bitte wähle eine Option, indem du die ZAHL dazu eingibst:" \
  "Spiel wird beendet..." "Das Programm wird beendet..."
[[ $stdout == *$'\nSpiel wird beendet...\nDas Programm wird beendet...' ]] ||
  fail "standard output does not end with the two farewell lines"
lacks "Ungültige"
[[ ! -e "$work/quit/savegame.txt" ]] || fail "quitting from the menu wrote savegame.txt"

begin death
menu
in_order "1 - Nach etwas umschauen, womit du deine Fesseln loswerden kannst" \
  "2 - Zum Berg gehen, um eine Höhle zu suchen" "DU BIST TOT." "Drücke eine Taste, um zu Beenden." \
  "*        Hulgor - der Barbar       *" "10. Spiel beenden" "Spiel wird beendet..." \
  "Das Programm wird beendet..."
lacks "DU HAST EIN SCHWERT ERHALTEN!"
lacks "Aktuell endet die Reise hier."
lacks "Ungültige"
file_is savegame.txt "$saved_awakening"

begin continue
menu
# The CR LF save loads with its label intact: Continue resumes at the wreck,
# and Ragnar greets the hero by the name read back from name.txt.
in_order "Spiel wird geladen..." "1 - Nach etwas umschauen, womit du deine Fesseln loswerden kannst" \
  "Kai!" "Aktuell endet die Reise hier. Schau mit dem nächsten Update rein!" \
  "*        Hulgor - der Barbar       *" "Bitte wähle eine Option, indem du die ZAHL dazu eingibst:" \
  "Spiel wird beendet..." "Das Programm wird beendet..."
lacks "Kein Spielstand gefunden."
lacks "Gib deinen Namen ein: "
lacks "Ungültige"
file_is savegame.txt "$saved_awakening"
file_is name.txt 'Kai\r\n'

# The same exe in a real console: Wine's console host in a pseudo-terminal
# (tmux, 80x24), played from the screen to the end of the content, with one
# sound file missing.
echo
echo "== A console game under Wine in a terminal"
sounds=$(ls -d build/*/sounds 2>/dev/null | head -n 1)
if [[ -z $sounds ]]; then
  cmake --preset play >/dev/null
  cmake --build --preset play --target sounds >/dev/null
  sounds=build/play/sounds
fi
route=console
python3 tools/windows_console_play.py "$wine" "$exe" "$work/console" "$sounds" || fail "the console game failed"
/usr/lib/wine/wineserver64 -w

echo
if [[ $failures -ne 0 ]]; then
  echo "Windows run under Wine: $failures check(s) failed" >&2
  exit 1
fi
passed=1
echo "Windows run under Wine: all routes passed"
