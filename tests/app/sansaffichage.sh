#!/usr/bin/env bash
# The desktop application reads its command line before the window system starts: with no
# display at all, --help and --version answer, a bad argument is refused and the window
# system's own options are let through.
set -uo pipefail
vek=$1
echec=0
lance() {  # lance CODE_ATTENDU MOTIF ARGUMENTS...: runs vek with no display, checks both
  local attendu=$1 motif=$2 sortie code
  shift 2
  sortie=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$vek" "$@" 2>&1)
  code=$?
  if [ "$code" -ne "$attendu" ] || ! grep -q -- "$motif" <<<"$sortie"; then
    echo "vek $*: code $code (attendu $attendu), sortie :"
    echo "$sortie"
    echo "-- motif attendu : $motif"
    echec=1
  fi
}
lance 0 "--script <FICHIER>" --help
lance 0 "--capture <DOSSIER>" --help
lance 0 "^vek [0-9]" --version
lance 2 "bof" --bof
# The window system's own options are left to it.
lance 0 "^vek [0-9]" -platform offscreen -style fusion -reverse --version
[ "$echec" -eq 0 ] && echo "vek without a display: ok"
exit "$echec"
