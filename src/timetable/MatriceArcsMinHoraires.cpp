#include "timetable/MatriceArcsMinHoraires.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "network/Mode.h"
#include "paths/MatriceArcsMin.h"
#include "shell/Entiers.h"
#include "shell/Memoire.h"
#include "shell/Progression.h"
#include "timetable/EtatHoraires.h"

namespace vek {

void CreeMatriceArcsMinHoraires(EtatHoraires& e, const std::string& valuation) {
    const std::int32_t n = e.NbNoeuds;
    const std::uint64_t c = static_cast<std::uint64_t>(n) + 1;
    VerifieMemoire(c * c * sizeof(CelluleArcMin), "la matrice des arcs minimaux");
    ++e.GenerationReseau;  // the paths computed before no longer match
    e.MatArcsMinValuation = "Horaires";
    e.MatArcsMin.Dimensionne(static_cast<std::size_t>(n));
    e.ServicesPaires.Vide(n);
    const bool distance = valuation == "Distance";
    ServicesRefuses refus;
    ArcsEcartes ecartes;
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        AfficheProgression(e, e.NbArcs, a, "Création de la matrice des arcs minimaux...");
        const Arc& arc = e.Arcs[static_cast<std::size_t>(a)];
        const float v = distance ? arc.Distance : arc.Temps;
        const std::int32_t o = arc.IndiceOrigine, d = arc.IndiceDestination;
        if (o < 1 || d < 1 || o > n || d > n) continue;  // an end that no node has
        CelluleArcMin& od = e.MatArcsMin(o, d);
        if (!EstModeHoraire(arc.Mode)) {
            // A permanent link of value 0 would read as none and erase the link there: left
            // out, as one whose time no Long holds.
            if (ecartes.Ecarte(e, a, v)) continue;
            const std::optional<std::int32_t> tempsEntier = EntierArrondi<std::int32_t>(arc.Temps);
            if (!tempsEntier) {
                ecartes.Note(e, a, arc.Temps);
                continue;
            }
            // A permanent link, both ways. Slot 1 is its place in both cells, whatever was
            // recorded before: the timetabled arcs already there keep their slots.
            if (od.Valeur == 0 || od.Valeur > v) {
                for (CelluleArcMin* m : {&od, &e.MatArcsMin(d, o)}) {
                    m->Valeur = v;
                    m->Mode = arc.Mode;
                    m->TempsEntier = *tempsEntier;
                    m->IndiceArc = a;
                }
            }
            for (CelluleArcMin* m : {&od, &e.MatArcsMin(d, o)})
                m->NbServices = std::max<std::int16_t>(1, m->NbServices);
            continue;
        }
        // A timetabled arc: beside a permanent link, only one not slower than it.
        if (od.Valeur != 0 && v > od.Valeur) continue;
        if (od.NbServices >= kMaxSlotsHoraires || !e.ServicesPaires.Ajoute(o, d, a)) {
            refus.Note(e, o, d);
            continue;
        }
        od.NbServices = static_cast<std::int16_t>(od.NbServices == 0 ? 2 : od.NbServices + 1);
    }
    refus.Signale(e, kMaxServicesParPaire);
    ecartes.Signale(e, "Horaires");
}

}  // namespace vek
