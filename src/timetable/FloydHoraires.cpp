#include "timetable/FloydHoraires.h"

#include <atomic>
#include <vector>

#include "network/Temps.h"
#include "paths/Equipe.h"
#include "shell/Etat.h"
#include "shell/Format.h"
#include "shell/Progression.h"
#include "shell/Texte.h"
#include "timetable/MatriceArcsMinHoraires.h"
#include "timetable/ModesHoraires.h"
#include "timetable/PreparationHoraires.h"

namespace vek {

namespace {

// One step under the departure constraint: A (i -> k) is fixed, the option O (k -> j) is
// tried on the best journey b of (i, j). True when b was rewritten.
inline bool EssaiDepart(const Trajet& A, const Trajet& O, Trajet& b, Designation& slot,
                        std::int64_t& nouveaux) {
    const bool continu = EstModeContinu(O.Mode);
    const std::int32_t suivant = continu ? A.Arrivee : O.Depart;
    const std::int32_t arrivee = continu ? A.Arrivee + (O.Arrivee - O.Depart) : O.Arrivee;
    if (!(arrivee < b.Arrivee)) return false;
    if (!continu) {
        if (suivant < A.Arrivee) return false;
        if (!(O.Depart - A.Arrivee >= 1 || A.MissionDerniere == O.MissionPremiere)) return false;
    }
    if (slot != Designation::Propre) {
        slot = Designation::Propre;
        ++nouveaux;
    }
    b.Valeur = A.Valeur + O.Valeur;
    b.Depart = A.Depart;
    b.Arrivee = arrivee;
    b.Mode = static_cast<std::int16_t>(ModeCombine(A.Mode, O.Mode));
    b.Attente = (suivant - A.Arrivee) + A.Attente + O.Attente;
    b.MissionPremiere = A.MissionPremiere;
    b.MissionDerniere = O.MissionDerniere;
    return true;
}

// One step under the arrival constraint: B (k -> j) is fixed, the option O (i -> k) is tried.
inline bool EssaiArrivee(const Trajet& O, const Trajet& B, Trajet& b, Designation& slot,
                         std::int64_t& nouveaux) {
    const bool continu = EstModeContinu(O.Mode);
    // A continuous option leaves i so as to reach k just when B leaves it.
    const std::int32_t arriveeK = continu ? B.Depart : O.Arrivee;
    const std::int32_t depart = continu ? B.Depart - (O.Arrivee - O.Depart) : O.Depart;
    if (!(slot != Designation::Propre || depart > b.Depart)) return false;
    if (!continu) {
        if (O.Arrivee > B.Depart) return false;
        if (!(B.Depart - O.Arrivee >= 1 || O.MissionDerniere == B.MissionPremiere)) return false;
    }
    if (slot != Designation::Propre) {
        slot = Designation::Propre;
        ++nouveaux;
    }
    const bool continuB = EstModeContinu(B.Mode);
    b.Valeur = O.Valeur + B.Valeur;
    b.Depart = depart;
    b.Arrivee = continuB ? arriveeK + (B.Arrivee - B.Depart) : B.Arrivee;
    b.Mode = static_cast<std::int16_t>(ModeCombine(O.Mode, B.Mode));
    b.Attente = (continuB ? 0 : B.Depart - arriveeK) + O.Attente + B.Attente;
    b.MissionPremiere = O.MissionPremiere;
    b.MissionDerniere = B.MissionDerniere;
    return true;
}

// All the steps of pivot k for origin i, departure constraint.
std::int64_t LigneDepart(TrajetsHoraires& T, std::int32_t n, std::int32_t k, std::int32_t i,
                         std::int64_t& nouveaux) {
    if (!T.Existe(i, k)) return 0;
    const Trajet A = T.Meilleur(i, k);  // not rewritten for pivot k: (k, k) has no option
    Trajet* b = T.LigneMeilleurs(i);
    Designation* slot = T.LigneSlots1(i);
    const Trajet* dek = T.LigneMeilleurs(k);
    const Designation* slotK = T.LigneSlots1(k);
    const TrajetsHoraires::Option* o = T.DebutOptions(k);
    const TrajetsHoraires::Option* fin = T.FinOptions(k);
    std::int64_t changements = 0;
    for (std::int32_t j = 1; j <= n; ++j) {
        if (j != i) {
            // Slot 1 of (k, j), then its options in order.
            if (slotK[j] == Designation::Propre)
                changements += EssaiDepart(A, dek[j], b[j], slot[j], nouveaux);
            for (; o != fin && o->autre == j; ++o)
                changements += EssaiDepart(A, o->trajet, b[j], slot[j], nouveaux);
        } else {
            while (o != fin && o->autre == j) ++o;
        }
    }
    return changements;
}

// All the steps of pivot k for origin i, arrival constraint: the options of (i, k), slot 1
// first, tried before every journey k -> j.
std::int64_t LigneArrivee(TrajetsHoraires& T, std::int32_t n, std::int32_t k, std::int32_t i,
                          std::vector<Trajet>& options, std::int64_t& nouveaux) {
    options.clear();
    if (T.Existe(i, k)) options.push_back(T.Meilleur(i, k));
    for (const auto* o = T.DebutOptionsVers(i, k); o != T.FinOptions(i) && o->autre == k; ++o)
        options.push_back(o->trajet);
    if (options.empty()) return 0;
    Trajet* b = T.LigneMeilleurs(i);
    Designation* slot = T.LigneSlots1(i);
    const Trajet* dek = T.LigneMeilleurs(k);
    const Designation* slotK = T.LigneSlots1(k);
    std::int64_t changements = 0;
    for (std::int32_t j = 1; j <= n; ++j) {
        if (j == i || slotK[j] != Designation::Propre) continue;
        const Trajet B = dek[j];
        for (const Trajet& O : options) changements += EssaiArrivee(O, B, b[j], slot[j], nouveaux);
    }
    return changements;
}

void Relaxation(Etat& e, bool arrivee) {
    TrajetsHoraires& T = e.CheMin;
    const std::int32_t n = T.Noeuds();
    if (n == 0) return;
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
    std::string statut;
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

void FloydHorairesDepart(Etat& e) {
    Relaxation(e, false);
}

void FloydHorairesArrivee(Etat& e) {
    Relaxation(e, true);
}

void CalculCheminsHoraires(Etat& e, bool contrainteArrivee) {
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
}

}  // namespace vek
