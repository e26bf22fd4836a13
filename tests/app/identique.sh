#!/usr/bin/env bash
# The same script gives byte-identical result files through vek-batch and through the desktop
# application's scripted run, and the application leaves a capture of each window shown.
set -euo pipefail
batch=$1 vek=$2 source=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/batch" "$tmp/vek"
for cote in batch vek; do
  cat > "$tmp/$cote.vek" <<SCRIPT
fichier "$source/examples/cp1252/noeuds.dat"
fichier "$source/examples/cp1252/arcs.dat"
menu menOuvrir
reglage RepResultats "$tmp/$cote"
reglage NomFichierNoeudsEcrits "$tmp/$cote/noeud000.dat"
reglage NomFichierArcsEcrits "$tmp/$cote/arc000.dat"
menu menVisuMatArcsMin
menu menEditNoeuds
menu menEditArcs
dialogue Reseaux "ListeRéseauxPartiels=Route 70 VI" VitesseRésPart=45 Valid LectFich
menu menReseaux
dialogue Valu Distance ValuOk
menu menChangerValuation
reglage NomFichierArcsEcrits "$tmp/$cote/arc001.dat"
menu menEditArcs
SCRIPT
done
"$batch" "$tmp/batch.vek" | sed "s|$tmp/batch|DIR|g" > "$tmp/batch.out"
QT_QPA_PLATFORM=offscreen "$vek" --script "$tmp/vek.vek" --capture "$tmp/png" \
  | sed "s|$tmp/vek|DIR|g" > "$tmp/vek.out"
diff "$tmp/batch.out" "$tmp/vek.out"
for f in nAMin000.dat noeud000.dat arc000.dat arc001.dat; do
  cmp "$tmp/batch/$f" "$tmp/vek/$f"
done
for fenetre in Vek Reseaux Valu EtatDuCalcul ChoixFichier; do
  ls "$tmp/png"/*-"$fenetre".png > /dev/null
done
echo "identical results and captures: ok"
