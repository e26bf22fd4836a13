// The timetable relaxation checked two ways: against a plain version of its loops (same
// records, cell for cell), and against an independent earliest-arrival scan over the
// timetabled connections (and its reverse for the arrival constraint), on random timetables
// and on the Caltrain and TriMet timetables.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <sstream>

#include "Reseaux.h"
#include "network/Temps.h"
#include "timetable/FloydHoraires.h"
#include "timetable/MatriceArcsMinHoraires.h"
#include "timetable/ModesHoraires.h"
#include "timetable/PreparationHoraires.h"
#include "vek/CommandesReseau.h"

namespace vek {
namespace {

constexpr std::int32_t kInfini = kAucunTrajet;

// ---- The plain relaxation: the loops as the computation is defined, one thread. ----

bool Continu(const Trajet& t) {
    return EstModeContinu(t.Mode);
}

void ReferenceDepart(TrajetsHoraires& T, std::int32_t& passes) {
    const std::int32_t n = T.Noeuds();
    const Trajet sentinelle;
    bool sens = false, change = true;
    for (passes = 0; change;) {
        ++passes;
        change = false;
        sens = !sens;
        for (std::int32_t s = 1; s <= n; ++s) {
            const std::int32_t k = sens ? s : n + 1 - s;
            for (std::int32_t i = 1; i <= n; ++i) {
                if (!T.Existe(i, k)) continue;
                for (std::int32_t j = 1; j <= n; ++j)
                    for (std::int32_t m = 1; m <= T.NbCheMin(k, j); ++m) {
                        const Trajet A = T.Meilleur(i, k);
                        const Trajet O = m > 1            ? T.OptionDe(k, j, m)
                                         : T.Existe(k, j) ? T.Meilleur(k, j)
                                                          : sentinelle;
                        const Trajet& B = T.Meilleur(i, j);
                        const std::int32_t suivant = Continu(O) ? A.Arrivee : O.Depart;
                        const std::int32_t arrivee =
                            Continu(O) ? A.Arrivee + O.Arrivee - O.Depart : O.Arrivee;
                        if (!(arrivee < B.Arrivee) || suivant < A.Arrivee || j == i) continue;
                        // Next to a continuous leg, a connection needs no minute.
                        if (!Continu(O) && !A.DerniereContinue && !O.PremiereContinue &&
                            O.Depart - A.Arrivee < 1 && A.MissionDerniere != O.MissionPremiere)
                            continue;
                        T.NbTrajets +=
                            T.Ecrit(i, j,
                                    {A.Valeur + O.Valeur, A.Depart, arrivee,
                                     suivant - A.Arrivee + A.Attente + O.Attente, A.MissionPremiere,
                                     O.MissionDerniere,
                                     static_cast<std::int16_t>(ModeCombine(A.Mode, O.Mode)),
                                     A.PremiereContinue, O.DerniereContinue});
                        change = true;
                    }
            }
        }
    }
}

void ReferenceArrivee(TrajetsHoraires& T, std::int32_t& passes) {
    const std::int32_t n = T.Noeuds();
    const Trajet sentinelle;
    bool sens = false, change = true;
    for (passes = 0; change;) {
        ++passes;
        change = false;
        sens = !sens;
        for (std::int32_t s = 1; s <= n; ++s) {
            const std::int32_t k = sens ? s : n + 1 - s;
            for (std::int32_t j = 1; j <= n; ++j) {
                if (!T.Existe(k, j)) continue;
                for (std::int32_t i = 1; i <= n; ++i)
                    for (std::int32_t m = 1; m <= T.NbCheMin(i, k); ++m) {
                        const Trajet B = T.Meilleur(k, j);
                        const Trajet O = m > 1            ? T.OptionDe(i, k, m)
                                         : T.Existe(i, k) ? T.Meilleur(i, k)
                                                          : sentinelle;
                        const bool sent = !T.Existe(i, j);
                        const Trajet& b = T.Meilleur(i, j);
                        const std::int32_t arriveeK = Continu(O) ? B.Depart : O.Arrivee;
                        const std::int32_t depart =
                            Continu(O) ? B.Depart - (O.Arrivee - O.Depart) : O.Depart;
                        if (!(sent || depart > b.Depart) || j == i) continue;
                        if (!Continu(O) &&
                            (O.Arrivee > B.Depart ||
                             (!O.DerniereContinue && !B.PremiereContinue &&
                              B.Depart - O.Arrivee < 1 && O.MissionDerniere != B.MissionPremiere)))
                            continue;
                        T.NbTrajets +=
                            T.Ecrit(i, j,
                                    {O.Valeur + B.Valeur, depart,
                                     Continu(B) ? arriveeK + B.Arrivee - B.Depart : B.Arrivee,
                                     (Continu(B) ? 0 : B.Depart - arriveeK) + O.Attente + B.Attente,
                                     O.MissionPremiere, B.MissionDerniere,
                                     static_cast<std::int16_t>(ModeCombine(O.Mode, B.Mode)),
                                     O.PremiereContinue, B.DerniereContinue});
                        change = true;
                    }
            }
        }
    }
}

// ---- The independent check: connection scans. ----

struct Connexion {
    std::int32_t u, v, depart, arrivee, mission;
};

// The timetabled connections as the preparation times them for the reference time t.
std::vector<Connexion> Connexions(const Etat& e, std::int32_t t, bool arrivee) {
    std::vector<Connexion> c;
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        const Arc& x = e.Arcs[a];
        if (!EstModeHoraire(x.Mode) || x.IndiceOrigine == 0 || x.IndiceDestination == 0) continue;
        Connexion k{x.IndiceOrigine, x.IndiceDestination, x.HeureDepart, x.HeureArrivee, x.Debit};
        if (k.arrivee < k.depart) k.arrivee += 1440;
        const bool decale = arrivee ? k.arrivee > t : k.depart <= t;
        if (decale) {
            k.depart += arrivee ? -1440 : 1440;
            k.arrivee += arrivee ? -1440 : 1440;
        }
        c.push_back(k);
    }
    return c;
}

// Earliest arrivals from s leaving after t, and the missions arriving at that minute.
struct Balayage {
    std::vector<std::int32_t> heure;
    std::vector<std::set<std::int32_t>> missions;
};

Balayage AuPlusTot(std::vector<Connexion> c, std::int32_t n, std::int32_t s) {
    std::stable_sort(c.begin(), c.end(),
                     [](const Connexion& a, const Connexion& b) { return a.depart < b.depart; });
    Balayage r{std::vector<std::int32_t>(n + 1, kInfini),
               std::vector<std::set<std::int32_t>>(n + 1)};
    for (const Connexion& k : c) {
        bool possible = k.u == s;
        if (!possible && r.heure[k.u] != kInfini)
            possible = r.heure[k.u] < k.depart ||
                       (r.heure[k.u] == k.depart && r.missions[k.u].count(k.mission));
        if (!possible || k.v == s) continue;
        if (k.arrivee < r.heure[k.v]) {
            r.heure[k.v] = k.arrivee;
            r.missions[k.v] = {k.mission};
        } else if (k.arrivee == r.heure[k.v]) {
            r.missions[k.v].insert(k.mission);
        }
    }
    return r;
}

// Latest departures towards d arriving by t, and the missions leaving at that minute.
Balayage AuPlusTard(std::vector<Connexion> c, std::int32_t n, std::int32_t d, std::int32_t t) {
    std::stable_sort(c.begin(), c.end(),
                     [](const Connexion& a, const Connexion& b) { return a.arrivee > b.arrivee; });
    Balayage r{std::vector<std::int32_t>(n + 1, -kInfini),
               std::vector<std::set<std::int32_t>>(n + 1)};
    for (const Connexion& k : c) {
        bool possible = k.v == d && k.arrivee <= t;
        if (k.v != d && r.heure[k.v] != -kInfini)
            possible = k.arrivee < r.heure[k.v] ||
                       (k.arrivee == r.heure[k.v] && r.missions[k.v].count(k.mission));
        if (!possible || k.u == d) continue;
        if (k.depart > r.heure[k.u]) {
            r.heure[k.u] = k.depart;
            r.missions[k.u] = {k.mission};
        } else if (k.depart == r.heure[k.u]) {
            r.missions[k.u].insert(k.mission);
        }
    }
    return r;
}

// Compares every pair with the scans. A pair may differ only where the relaxation's one
// journey per pair reaches an intermediate node at the same minute as another journey on a
// different mission (a zero-minute continuation is then allowed on one and not the other).
// Returns the number of such pairs; fails on any other difference.
// With `relaxation` false, the scan of the computation is checked instead: no pair may differ.
int Controle(Etat& e, std::int32_t t, bool arrivee, std::ostream& liste, bool relaxation = true) {
    const std::int32_t n = e.NbNoeuds;
    e.HeureDepart = t;
    e.HeureDebut = 0;
    if (!relaxation) {
        CalculTrajetsHoraires(e, arrivee);
    } else if (arrivee) {
        PreparationFloydHorairesArrivee(e);
        RelaxationHorairesArrivee(e);
    } else {
        PreparationFloydHorairesDepart(e);
        RelaxationHorairesDepart(e);
    }
    const std::vector<Connexion> c = Connexions(e, t, arrivee);
    const TrajetsHoraires& T = e.CheMin;
    int ecarts = 0;
    for (std::int32_t x = 1; x <= n; ++x) {
        const Balayage b = arrivee ? AuPlusTard(c, n, x, t) : AuPlusTot(c, n, x);
        for (std::int32_t y = 1; y <= n; ++y) {
            if (y == x) continue;
            const std::int32_t i = arrivee ? y : x, j = arrivee ? x : y;
            const std::int32_t attendu = b.heure[y];
            const std::int32_t obtenu = !T.Existe(i, j) ? (arrivee ? -kInfini : kInfini)
                                        : arrivee       ? T.Meilleur(i, j).Depart
                                                        : T.Meilleur(i, j).Arrivee;
            if (obtenu == attendu) continue;
            EXPECT_TRUE(relaxation) << "paire " << i << " -> " << j << " à " << t << " : " << obtenu
                                    << " au lieu de " << attendu;
            // Never better than the scan, which is optimal under the same rules.
            EXPECT_TRUE(arrivee ? obtenu < attendu : obtenu > attendu)
                << "paire " << i << " -> " << j << " : " << obtenu << " au lieu de " << attendu;
            // The reason: a node reached at the scan's minute on another mission.
            bool explique = false;
            for (std::int32_t u = 1; u <= n && !explique; ++u) {
                if (u == x || b.missions[u].size() < 1) continue;
                const std::int32_t a = arrivee ? u : x, z = arrivee ? x : u;
                if (!T.Existe(a, z)) continue;
                const Trajet& r = T.Meilleur(a, z);
                const std::int32_t heure = arrivee ? r.Depart : r.Arrivee;
                const std::int32_t mission = arrivee ? r.MissionPremiere : r.MissionDerniere;
                if (heure == b.heure[u] &&
                    std::any_of(b.missions[u].begin(), b.missions[u].end(),
                                [&](std::int32_t m) { return m != mission; }))
                    explique = true;
            }
            EXPECT_TRUE(explique) << "paire " << i << " -> " << j << " à " << t;
            ++ecarts;
            liste << "  " << i << " -> " << j << " : " << obtenu << " au lieu de " << attendu
                  << " (une correspondance de 0 minute sur une autre mission arrivée à la même "
                     "minute)\n";
        }
    }
    return ecarts;
}

// A random timetable: trains running through a few nodes, some without mission number, some
// past midnight, with stops of 0 to 3 minutes so that zero-minute continuations occur.
void Remplit(Etat& e, std::mt19937& alea, std::int32_t n, std::int32_t trains) {
    InitialisationModes(e);
    e.NbNoeuds = n;
    e.Noeuds.assign(n + 1, Noeud{});
    for (std::int32_t i = 1; i <= n; ++i) e.Noeuds[i].Code = i;
    e.Arcs.assign(1, Arc{});
    for (std::int32_t m = 1; m <= trains; ++m) {
        std::int32_t noeud = 1 + static_cast<std::int32_t>(alea() % n);
        std::int32_t heure = static_cast<std::int32_t>(alea() % 1440);
        const std::int32_t mission = alea() % 10 == 0 ? 0 : m;
        const int arrets = 2 + static_cast<int>(alea() % 5);
        for (int a = 0; a < arrets; ++a) {
            std::int32_t suivant = 1 + static_cast<std::int32_t>(alea() % n);
            if (suivant == noeud) suivant = suivant % n + 1;
            Arc x;
            x.Origine = noeud;
            x.Destination = suivant;
            x.IndiceOrigine = noeud;
            x.IndiceDestination = suivant;
            x.Mode = 41;
            x.Distance = static_cast<float>(1 + alea() % 50);
            const std::int32_t duree = 1 + static_cast<std::int32_t>(alea() % 40);
            x.HeureDepart = heure % 1440;
            x.HeureArrivee = (heure + duree) % 1440;
            x.Temps = static_cast<float>(duree);
            x.Debit = mission;
            e.Arcs.push_back(x);
            heure += duree + static_cast<std::int32_t>(alea() % 4);
            noeud = suivant;
        }
    }
    e.NbArcs = static_cast<std::int32_t>(e.Arcs.size()) - 1;
}

void CompareAuxBoucles(Etat& e, bool arrivee) {
    if (arrivee)
        PreparationFloydHorairesArrivee(e);
    else
        PreparationFloydHorairesDepart(e);
    TrajetsHoraires reference = e.CheMin;
    std::int32_t passes = 0;
    if (arrivee) {
        RelaxationHorairesArrivee(e);
        ReferenceArrivee(reference, passes);
    } else {
        RelaxationHorairesDepart(e);
        ReferenceDepart(reference, passes);
    }
    EXPECT_EQ(e.PassesHoraires, passes);
    EXPECT_EQ(e.CheMin.NbTrajets, reference.NbTrajets);
    const std::int32_t n = e.NbNoeuds;
    for (std::int32_t i = 1; i <= n; ++i)
        for (std::int32_t j = 1; j <= n; ++j) {
            ASSERT_EQ(e.CheMin.Slot1(i, j), reference.Slot1(i, j)) << i << " " << j;
            if (!e.CheMin.Existe(i, j)) continue;
            const Trajet &a = e.CheMin.Meilleur(i, j), &b = reference.Meilleur(i, j);
            ASSERT_EQ(a.Valeur, b.Valeur);
            ASSERT_EQ(a.Depart, b.Depart);
            ASSERT_EQ(a.Arrivee, b.Arrivee);
            ASSERT_EQ(a.Attente, b.Attente);
            ASSERT_EQ(a.Mode, b.Mode);
            ASSERT_EQ(a.MissionPremiere, b.MissionPremiere);
            ASSERT_EQ(a.MissionDerniere, b.MissionDerniere);
            ASSERT_EQ(a.PremiereContinue, b.PremiereContinue);
            ASSERT_EQ(a.DerniereContinue, b.DerniereContinue);
        }
}

TEST(ControleHoraires, CommeLesBouclesSimples) {
    std::mt19937 alea(912);
    for (int essai = 0; essai < 30; ++essai) {
        test::PortTest port;
        Etat e(port);
        // Bigger networks take the parallel path of the relaxation.
        const std::int32_t n = essai % 15 == 14 ? 128 : 5 + static_cast<std::int32_t>(alea() % 25);
        Remplit(e, alea, n, n * 2);
        // A few walks and roads, so that continuous and permanent options take part.
        for (int w = 0; w < n / 3; ++w) {
            Arc x;
            x.IndiceOrigine = x.Origine = 1 + static_cast<std::int32_t>(alea() % n);
            x.IndiceDestination = x.Destination = 1 + static_cast<std::int32_t>(alea() % n);
            if (x.Origine == x.Destination) continue;
            x.Mode = static_cast<std::int16_t>(w % 2 ? 91 : 7);
            x.Distance = 1;
            x.Temps = static_cast<float>(5 + alea() % 30);
            e.Arcs.push_back(x);
        }
        e.NbArcs = static_cast<std::int32_t>(e.Arcs.size()) - 1;
        CreeMatriceArcsMinHoraires(e, "Horaires");
        e.HeureDepart = static_cast<std::int32_t>(alea() % 1440);
        e.HeureDebut = static_cast<float>(alea() % 600);
        CompareAuxBoucles(e, false);
        CompareAuxBoucles(e, true);
    }
}

TEST(ControleHoraires, BalayageDesConnexionsSurHorairesAleatoires) {
    std::mt19937 alea(2026);
    int ecarts = 0, paires = 0;
    std::ostringstream liste;
    for (int essai = 0; essai < 300; ++essai) {
        test::PortTest port;
        Etat e(port);
        const std::int32_t n = 4 + static_cast<std::int32_t>(alea() % 20);
        Remplit(e, alea, n, 1 + static_cast<std::int32_t>(alea() % (3 * n)));
        CreeMatriceArcsMinHoraires(e, "Horaires");
        const std::int32_t t = static_cast<std::int32_t>(alea() % 1440);
        ecarts += Controle(e, t, false, liste);
        ecarts += Controle(e, t, true, liste);
        Controle(e, t, false, liste, false);
        Controle(e, t, true, liste, false);
        paires += 2 * n * (n - 1);
    }
    EXPECT_LE(ecarts * 100, paires) << liste.str();
    if (ecarts) std::cout << ecarts << " paires sur " << paires << " :\n" << liste.str();
}

TEST(ControleHoraires, BalayageDesConnexionsSurCaltrainEtTriMet) {
    for (const char* jeu : {"caltrain", "trimet"}) {
        test::Session s;
        const std::string dossier = test::Source(std::string("tests/data/horaires/") + jeu);
        s.port.fichiers.push_back(dossier + "/noeuds.dat");
        s.port.fichiers.push_back(dossier + "/arcs.dat");
        menOuvrir(s.e);
        ASSERT_GT(s.e.NbArcs, 1000) << jeu;
        CreeMatriceArcsMinHoraires(s.e, "Horaires");
        int ecarts = 0, paires = 0;
        std::ostringstream liste;
        for (int hhmm : {450, 1000, 1700}) {
            const std::int32_t t = static_cast<std::int32_t>(HeuresMinutesEnMinutes(hhmm));
            ecarts += Controle(s.e, t, false, liste);
            ecarts += Controle(s.e, t, true, liste);
            Controle(s.e, t, false, liste, false);
            Controle(s.e, t, true, liste, false);
            paires += 2 * s.e.NbNoeuds * (s.e.NbNoeuds - 1);
        }
        EXPECT_LE(ecarts * 100, paires) << jeu << "\n" << liste.str();
        std::cout << jeu << " : " << ecarts << " paires sur " << paires
                  << " diffèrent du balayage\n"
                  << liste.str();
    }
}

}  // namespace
}  // namespace vek
