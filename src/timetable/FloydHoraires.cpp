#include "timetable/FloydHoraires.h"

#include <algorithm>
#include <vector>

#include "network/Temps.h"
#include "paths/Equipe.h"
#include "shell/Format.h"
#include "shell/Progression.h"
#include "shell/Texte.h"
#include "timetable/BalayageConnexions.h"
#include "timetable/EtatHoraires.h"
#include "timetable/MatriceArcsMinHoraires.h"
#include "timetable/ModesHoraires.h"
#include "timetable/PreparationHoraires.h"

namespace vek {

namespace {

// The connection at the intermediate node from `avant` (reaching it) to `apres` (leaving it
// no earlier than `avant` arrives). Next to a continuous leg, on either side, it always
// holds; between two other legs it needs one minute, or the same mission.
inline bool Correspondance(const Trajet& avant, const Trajet& apres) {
    return avant.DerniereContinue || apres.PremiereContinue || apres.Depart - avant.Arrivee >= 1 ||
           avant.MissionDerniere == apres.MissionPremiere;
}

// One step under the departure constraint: A (i -> k) is fixed, the option O (k -> j) is
// tried on the best journey of (i, j). True when it was rewritten.
inline bool EssaiDepart(TrajetsHoraires& T, std::int32_t i, std::int32_t j, const Trajet& A,
                        const Trajet& O, std::int64_t& nouveaux) {
    const bool continu = EstModeContinu(O.Mode);
    const std::int32_t suivant = continu ? A.Arrivee : O.Depart;
    const std::int32_t arrivee = continu ? A.Arrivee + (O.Arrivee - O.Depart) : O.Arrivee;
    if (!(arrivee < T.Meilleur(i, j).Arrivee)) return false;
    if (!continu) {
        if (suivant < A.Arrivee) return false;
        if (!Correspondance(A, O)) return false;
    }
    Trajet b;
    b.Valeur = A.Valeur + O.Valeur;
    b.Depart = A.Depart;
    b.Arrivee = arrivee;
    b.Mode = static_cast<std::int16_t>(ModeCombine(A.Mode, O.Mode));
    b.Attente = (suivant - A.Arrivee) + A.Attente + O.Attente;
    b.MissionPremiere = A.MissionPremiere;
    b.MissionDerniere = O.MissionDerniere;
    b.PremiereContinue = A.PremiereContinue;
    b.DerniereContinue = O.DerniereContinue;
    nouveaux += T.Ecrit(i, j, b);
    return true;
}

// One step under the arrival constraint: B (k -> j) is fixed, the option O (i -> k) is tried.
inline bool EssaiArrivee(TrajetsHoraires& T, std::int32_t i, std::int32_t j, const Trajet& O,
                         const Trajet& B, std::int64_t& nouveaux) {
    const bool continu = EstModeContinu(O.Mode);
    // A continuous option leaves i so as to reach k just when B leaves it.
    const std::int32_t arriveeK = continu ? B.Depart : O.Arrivee;
    const std::int32_t depart = continu ? B.Depart - (O.Arrivee - O.Depart) : O.Depart;
    if (T.Existe(i, j) && !(depart > T.Meilleur(i, j).Depart)) return false;
    if (!continu) {
        if (O.Arrivee > B.Depart) return false;
        if (!Correspondance(O, B)) return false;
    }
    const bool continuB = EstModeContinu(B.Mode);
    Trajet b;
    b.Valeur = O.Valeur + B.Valeur;
    b.Depart = depart;
    b.Arrivee = continuB ? arriveeK + (B.Arrivee - B.Depart) : B.Arrivee;
    b.Mode = static_cast<std::int16_t>(ModeCombine(O.Mode, B.Mode));
    b.Attente = (continuB ? 0 : B.Depart - arriveeK) + O.Attente + B.Attente;
    b.MissionPremiere = O.MissionPremiere;
    b.MissionDerniere = B.MissionDerniere;
    b.PremiereContinue = O.PremiereContinue;
    b.DerniereContinue = B.DerniereContinue;
    nouveaux += T.Ecrit(i, j, b);
    return true;
}

// The cells of a block where a step may succeed: a superset of the successful ones, found
// with plain integer comparisons over contiguous rows so that the compiler vectorises them.
// Every cell flagged is then tried in full.
constexpr std::int32_t kBloc = 64;

// Departure: slot 1 of (k, j) on (i, j), A reaching k at `arriveeA`.
__attribute__((target_clones("avx2", "default"))) bool FiltreDepart(
    const std::int32_t* __restrict arriveesK, const std::int32_t* __restrict departsK,
    const std::int32_t* __restrict dureesK, const std::int32_t* __restrict arriveesI,
    std::int32_t arriveeA, std::int32_t nb, std::uint8_t* __restrict drapeaux) {
    std::uint8_t tous = 0;
    for (std::int32_t p = 0; p < nb; ++p) {
        const int horaire =
            (dureesK[p] < 0) & (arriveesK[p] < arriveesI[p]) & (departsK[p] >= arriveeA);
        const int continu = (dureesK[p] >= 0) & (arriveeA + dureesK[p] < arriveesI[p]);
        drapeaux[p] = static_cast<std::uint8_t>(horaire | continu);
        tous |= drapeaux[p];
    }
    return tous != 0;
}

// Arrival: option O (i -> k) before slot 1 of (k, j), on (i, j).
__attribute__((target_clones("avx2", "default"))) bool FiltreArrivee(
    const std::int32_t* __restrict departsK, const std::int32_t* __restrict departsI,
    std::int32_t arriveeO, std::int32_t departO, std::int32_t dureeContinue, std::int32_t nb,
    std::uint8_t* __restrict drapeaux) {
    std::uint8_t tous = 0;
    if (dureeContinue < 0) {
        for (std::int32_t p = 0; p < nb; ++p) {
            drapeaux[p] =
                static_cast<std::uint8_t>((arriveeO <= departsK[p]) & (departO > departsI[p]));
            tous |= drapeaux[p];
        }
    } else {
        for (std::int32_t p = 0; p < nb; ++p) {
            drapeaux[p] = static_cast<std::uint8_t>((departsK[p] > kDepartAbsent) &
                                                    (departsK[p] - dureeContinue > departsI[p]));
            tous |= drapeaux[p];
        }
    }
    return tous != 0;
}

// All the steps of pivot k for origin i, departure constraint: slot 1 of each (k, j), then
// the options of (k, j) in order. Row k is not rewritten for pivot k ((k, k) has no journey).
std::int64_t LigneDepart(TrajetsHoraires& T, std::int32_t n, std::int32_t k, std::int32_t i,
                         std::int64_t& nouveaux) {
    if (!T.Existe(i, k)) return 0;
    const Trajet A = T.Meilleur(i, k);
    std::int64_t changements = 0;
    std::uint8_t drapeaux[kBloc];
    for (std::int32_t debut = 1; debut <= n; debut += kBloc) {
        const std::int32_t nb = std::min(kBloc, n + 1 - debut);
        if (!FiltreDepart(T.Arrivees(k) + debut, T.Departs(k) + debut, T.DureesContinues(k) + debut,
                          T.Arrivees(i) + debut, A.Arrivee, nb, drapeaux))
            continue;
        for (std::int32_t p = 0; p < nb; ++p) {
            const std::int32_t j = debut + p;
            if (drapeaux[p] && j != i && T.Existe(k, j))
                changements += EssaiDepart(T, i, j, A, T.Meilleur(k, j), nouveaux);
        }
    }
    for (const auto* o = T.DebutOptions(k); o != T.FinOptions(k); ++o)
        if (o->autre != i) changements += EssaiDepart(T, i, o->autre, A, o->trajet, nouveaux);
    return changements;
}

// All the steps of pivot k for origin i, arrival constraint: the options of (i, k), slot 1
// first, each tried before every journey k -> j.
std::int64_t LigneArrivee(TrajetsHoraires& T, std::int32_t n, std::int32_t k, std::int32_t i,
                          std::vector<Trajet>& options, std::int64_t& nouveaux) {
    options.clear();
    if (T.Existe(i, k)) options.push_back(T.Meilleur(i, k));
    for (const auto* o = T.DebutOptionsVers(i, k); o != T.FinOptions(i) && o->autre == k; ++o)
        options.push_back(o->trajet);
    std::int64_t changements = 0;
    std::uint8_t drapeaux[kBloc];
    for (const Trajet& O : options) {
        const std::int32_t duree = EstModeContinu(O.Mode) ? O.Arrivee - O.Depart : -1;
        for (std::int32_t debut = 1; debut <= n; debut += kBloc) {
            const std::int32_t nb = std::min(kBloc, n + 1 - debut);
            if (!FiltreArrivee(T.Departs(k) + debut, T.Departs(i) + debut, O.Arrivee, O.Depart,
                               duree, nb, drapeaux))
                continue;
            for (std::int32_t p = 0; p < nb; ++p) {
                const std::int32_t j = debut + p;
                if (drapeaux[p] && j != i && T.Existe(k, j))
                    changements += EssaiArrivee(T, i, j, O, T.Meilleur(k, j), nouveaux);
            }
        }
    }
    return changements;
}

void Relaxation(EtatHoraires& e, bool arrivee) {
    TrajetsHoraires& T = e.CheMin;
    const std::int32_t n = T.Noeuds();
    if (n == 0) return;
    T.PrepareTemps();
    Equipe equipe(Equipe::TaillePour(n));
    struct Compte {
        std::int64_t changements = 0, nouveaux = 0;
        std::vector<Trajet> options;
        char marge[64];  // each member's counters on their own cache line
    };
    std::vector<Compte> comptes(equipe.Taille());
    const std::string heure = TexteNombre(MinutesEnHeuresMinutes(e.HeureDepart));
    const std::string phrase =
        arrivee ? " éme calcul des chemins avec horaires TC arrivant avant " + heure
                : " éme calcul des chemins avec horaires partant après " + heure;
    std::int32_t passes = 0;
    std::int64_t total = 0, totalAvantK = 0;
    std::int32_t kPrecedent = 0;
    bool sens = false;
    std::string statut = "pas de chemins modifiés";
    // The window is shown on entry: the steps report from the second intermediate node on.
    OuvreTempsDeCalcul(e, "1" + phrase + " (hhmm)" + statut);
    bool change = false;
    do {
        ++passes;
        change = false;
        statut = "pas de chemins modifiés";
        sens = !sens;
        for (std::int32_t etape = 1; etape <= n; ++etape) {
            const std::int32_t k = sens ? etape : n + 1 - etape;
            if (total != totalAvantK) {
                const std::string nom =
                    kPrecedent > 0 ? Gauche(e.Noeuds[static_cast<std::size_t>(kPrecedent)].Nom, 20)
                                   : std::string();
                statut = TexteNombre(total) + " chemins changés\rpour k = " + nom + "\r(" +
                         TexteNombre(total - totalAvantK) +
                         (arrivee ? " changements" : " changements)");
            }
            if (k > 1 && k < n) {
                std::int64_t courant = etape;
                AfficheTempsDeCalcul(
                    e, n, courant, TexteNombre(std::int64_t{passes}) + phrase + " (hhmm)" + statut);
            }
            totalAvantK = total;
            const unsigned membres = equipe.Taille();
            equipe.Execute([&](unsigned m) {
                Compte& c = comptes[m];
                for (std::int32_t i = 1 + static_cast<std::int32_t>(m); i <= n;
                     i += static_cast<std::int32_t>(membres))
                    c.changements += arrivee ? LigneArrivee(T, n, k, i, c.options, c.nouveaux)
                                             : LigneDepart(T, n, k, i, c.nouveaux);
            });
            for (Compte& c : comptes) {
                if (c.changements) change = true;
                total += c.changements;
                T.NbTrajets += c.nouveaux;
                c.changements = c.nouveaux = 0;
            }
            kPrecedent = k;
        }
    } while (change);
    FermeProgressions(e);
    e.StatutHoraires = statut;
    e.PassesHoraires = passes;
}

}  // namespace

void RelaxationHorairesDepart(EtatHoraires& e) {
    Relaxation(e, false);
}

void RelaxationHorairesArrivee(EtatHoraires& e) {
    Relaxation(e, true);
}

void FloydHorairesDepart(EtatHoraires& e) {
    BalayageHorairesDepart(e);
}

void FloydHorairesArrivee(EtatHoraires& e) {
    BalayageHorairesArrivee(e);
}

void CalculTrajetsHoraires(EtatHoraires& e, bool contrainteArrivee) {
    if (e.MatArcsMinValuation != "Horaires" ||
        e.MatArcsMin.Lignes() != static_cast<std::size_t>(e.NbNoeuds) + 1)
        CreeMatriceArcsMinHoraires(e, "Horaires");
    e.ContrainteDepart = !contrainteArrivee;
    e.ContrainteArrivee = contrainteArrivee;
    if (contrainteArrivee) {
        PreparationFloydHorairesArrivee(e);
        FloydHorairesArrivee(e);
    } else {
        PreparationFloydHorairesDepart(e);
        FloydHorairesDepart(e);
    }
    e.TrajetsReseau = e.GenerationReseau;
}

}  // namespace vek
