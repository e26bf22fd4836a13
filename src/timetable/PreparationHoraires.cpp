#include "timetable/PreparationHoraires.h"

#include "shell/Memoire.h"
#include "shell/Progression.h"
#include "timetable/EtatHoraires.h"
#include "timetable/ModesHoraires.h"

namespace vek {

namespace {

// The option of a timetabled arc; a service past midnight, whose arrival is earlier than its
// departure, arrives on the next day.
Trajet OptionDeLArc(const Arc& a) {
    Trajet r;
    r.Valeur = a.Distance;
    r.Depart = a.HeureDepart;
    r.Arrivee = a.HeureArrivee < a.HeureDepart ? a.HeureArrivee + kMinutesParJour : a.HeureArrivee;
    r.Attente = 0;
    r.Mode = a.Mode;
    r.MissionPremiere = r.MissionDerniere = a.Debit;
    r.PremiereContinue = r.DerniereContinue = EstModeContinu(a.Mode);
    return r;
}

void Preparation(EtatHoraires& e, bool arrivee) {
    const std::int32_t n = e.NbNoeuds;
    const std::int32_t t = e.HeureDepart;
    const std::uint64_t c = static_cast<std::uint64_t>(n) + 1;
    VerifieMemoire(c * c * (sizeof(Trajet) + sizeof(Designation)), "les trajets horaires");
    TrajetsHoraires& T = e.CheMin;
    T.Dimensionne(n);
    const bool matrice = e.MatArcsMin.Lignes() == c;
    for (std::int32_t i = 1; i <= n; ++i) {
        AfficheProgression(e, n, i, "Préparation Floyd Horaires...");
        if (!matrice) continue;
        for (std::int32_t j = 1; j <= n; ++j) {
            if (j == i) continue;
            const CelluleArcMin& cellule = e.MatArcsMin(i, j);
            const std::vector<std::int32_t>& services = e.ServicesPaires.De(i, j);
            if (cellule.Valeur != 0) {
                // The permanent link, then the timetabled departures kept beside it.
                Trajet meilleur;
                meilleur.Valeur = cellule.Valeur;
                meilleur.Depart = arrivee ? t - cellule.TempsEntier : t;
                meilleur.Arrivee = arrivee ? t : t + cellule.TempsEntier;
                meilleur.Attente = 0;
                meilleur.Mode = cellule.Mode;
                meilleur.PremiereContinue = meilleur.DerniereContinue =
                    EstModeContinu(cellule.Mode);
                const double borne = arrivee ? static_cast<double>(e.HeureDebut) : t;
                for (std::int32_t a : services) {
                    const Trajet r = OptionDeLArc(e.Arcs[static_cast<std::size_t>(a)]);
                    if (!(borne < r.Depart && r.Depart < kDerniereHeureAvecLien)) continue;
                    T.AjouteOption(i, j, r);
                    if (r.Arrivee >= kDerniereHeureAvecLien) continue;
                    const bool mieux = arrivee ? r.Arrivee <= t && r.Depart > meilleur.Depart
                                               : r.Arrivee < meilleur.Arrivee;
                    if (mieux) meilleur = r;
                }
                T.NbTrajets += T.Ecrit(i, j, meilleur);
                continue;
            }
            // A pair served only by timetabled arcs: every service is an option, taken on the
            // next day when it has already left (on the day before when it arrives too late).
            for (std::int32_t a : services) {
                Trajet r = OptionDeLArc(e.Arcs[static_cast<std::size_t>(a)]);
                if (!arrivee && r.Depart <= t) {
                    r.Depart += kMinutesParJour;
                    r.Arrivee += kMinutesParJour;
                } else if (arrivee && r.Arrivee > t) {
                    r.Depart -= kMinutesParJour;
                    r.Arrivee -= kMinutesParJour;
                }
                T.AjouteOption(i, j, r);
                const bool sentinelle = !T.Existe(i, j);
                const Trajet& meilleur = T.Meilleur(i, j);
                const bool mieux =
                    arrivee ? r.Arrivee <= t && (sentinelle || r.Depart > meilleur.Depart)
                            : r.Arrivee < (sentinelle ? kAucunTrajet : meilleur.Arrivee);
                if (mieux) T.NbTrajets += T.Ecrit(i, j, r);
            }
        }
    }
    T.Termine();
}

}  // namespace

void PreparationFloydHorairesDepart(EtatHoraires& e) {
    Preparation(e, false);
}

void PreparationFloydHorairesArrivee(EtatHoraires& e) {
    Preparation(e, true);
}

}  // namespace vek
