// The scan of the connections against the relaxation it replaces: on every pair the same
// arrival (departure constraint) or departure (arrival constraint), or a better one; every
// journey of the scan checked leg by leg under the connection rules. On random timetables with
// walks, metros and roads beside the trains, and on the Caltrain and TriMet timetables.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "Reseaux.h"
#include "network/Temps.h"
#include "timetable/BalayageConnexions.h"
#include "timetable/CalculCheminsHoraires.h"
#include "timetable/FloydHoraires.h"
#include "timetable/MatriceArcsMinHoraires.h"
#include "timetable/ModesHoraires.h"
#include "timetable/PreparationHoraires.h"
#include "vek/CommandesReseau.h"

namespace vek {
namespace {

// The option of (o, d) the leg rides, as the preparation keeps it.
bool EstUneOption(const TrajetsHoraires& T, const EtapeHoraire& p) {
    for (const auto* o = T.DebutOptionsVers(p.Origine, p.Destination);
         o != T.FinOptions(p.Origine) && o->autre == p.Destination; ++o)
        if (o->trajet.Depart == p.Depart && o->trajet.Arrivee == p.Arrivee &&
            o->trajet.MissionPremiere == p.Mission && o->trajet.Mode == p.Mode)
            return true;
    return false;
}

// Checks the journey of (i, j) leg by leg; returns an explanation of the first fault, or "".
std::string Verifie(const Etat& e, std::int32_t i, std::int32_t j, bool arrivee) {
    const std::int32_t t = e.HeureDepart;
    const std::vector<EtapeHoraire> p = EtapesHoraires(e, i, j, arrivee);
    const TrajetsHoraires& T = e.CheMin;
    std::ostringstream faute;
    if (p.empty()) return "aucune étape";
    if (p.front().Origine != i || p.back().Destination != j) return "extrémités";
    float valeur = 0;
    std::int16_t mode = p.front().Mode;
    for (std::size_t k = 0; k < p.size(); ++k) {
        const EtapeHoraire& x = p[k];
        const CelluleArcMin& lien = e.MatArcsMin(x.Origine, x.Destination);
        valeur += x.Valeur;
        if (k > 0) mode = static_cast<std::int16_t>(ModeCombine(mode, x.Mode));
        if (x.Continue) {
            // A permanent link of a continuous mode, ridden for its time.
            if (lien.Valeur == 0 || !EstModeContinu(lien.Mode) || lien.Mode != x.Mode ||
                x.Arrivee - x.Depart != lien.TempsEntier)
                faute << "marche " << k << " inconnue";
        } else if (!EstUneOption(T, x)) {
            // Another permanent link leaves at the reference time (arrives at it).
            const bool fixe = lien.Valeur != 0 && !EstModeContinu(lien.Mode) &&
                              lien.Mode == x.Mode && x.Mission == 0 &&
                              x.Arrivee - x.Depart == lien.TempsEntier &&
                              (arrivee ? x.Arrivee == t : x.Depart == t);
            if (!fixe) faute << "étape " << k << " inconnue";
        } else if (lien.Valeur != 0 && x.Arrivee >= kDerniereHeureAvecLien &&
                   (arrivee ? k + 1 == p.size() : k == 0)) {
            faute << "étape " << k << " après 22:00 au bout d'une paire avec un lien permanent";
        }
        if (k == 0 && !arrivee && x.Depart < t) faute << "départ avant l'heure";
        if (k + 1 == p.size() && arrivee && x.Arrivee > t) faute << "arrivée après l'heure";
        if (k == 0) continue;
        const EtapeHoraire& a = p[k - 1];
        if (a.Destination != x.Origine) faute << "étapes disjointes " << k;
        if (x.Depart < a.Arrivee) faute << "départ avant l'arrivée " << k;
        if (!a.Continue && !x.Continue && x.Depart - a.Arrivee < 1 && a.Mission != x.Mission)
            faute << "correspondance sans minute " << k;
        // Boarded on arrival: a continuous leg after a timetabled one leaves when it arrives;
        // arriving by a time, one between two timetabled legs may also reach the next one
        // just when it leaves.
        const bool colle =
            x.Depart == a.Arrivee || (arrivee && k + 1 < p.size() && x.Arrivee == p[k + 1].Depart);
        if (x.Continue && !a.Continue && !colle) faute << "marche décalée " << k;
    }
    // The record of slot 1 is the journey of the legs.
    const Trajet& r = T.Meilleur(i, j);
    if (r.Depart != p.front().Depart || r.Arrivee != p.back().Arrivee) faute << " heures du trajet";
    if (r.MissionPremiere != p.front().Mission || r.MissionDerniere != p.back().Mission)
        faute << " missions";
    if (r.Mode != mode) faute << " mode " << r.Mode << " au lieu de " << mode;
    if (std::abs(r.Valeur - valeur) > 1e-3f * std::max(1.0f, valeur)) faute << " valeur";
    if (r.PremiereContinue != p.front().Continue || r.DerniereContinue != p.back().Continue)
        faute << " modes continus";
    std::int32_t attente = 0;
    for (std::size_t k = 1; k < p.size(); ++k) attente += p[k].Depart - p[k - 1].Arrivee;
    if (r.Attente != attente) faute << " attente " << r.Attente << " au lieu de " << attente;
    return faute.str();
}

struct Bilan {
    int memes = 0, meilleures = 0, departsPlusTard = 0, paires = 0;
    // Among the journeys leaving and arriving as the relaxation's, those whose other fields
    // differ: another journey as good, with other missions, waits or distance.
    int autresMissions = 0, autresAttentes = 0, autresValeurs = 0, autresModes = 0;
};

// The relaxation, then the scan, on the same options; compares every pair.
void Compare(Etat& e, std::int32_t t, bool arrivee, bool toutVerifier, Bilan& bilan) {
    SCOPED_TRACE(std::string(arrivee ? "arrivée avant " : "départ après ") + std::to_string(t));
    const std::int32_t n = e.NbNoeuds;
    e.HeureDepart = t;
    if (arrivee) {
        PreparationFloydHorairesArrivee(e);
        RelaxationHorairesArrivee(e);
    } else {
        PreparationFloydHorairesDepart(e);
        RelaxationHorairesDepart(e);
    }
    const TrajetsHoraires relaxation = e.CheMin;
    CalculTrajetsHoraires(e, arrivee);
    const TrajetsHoraires& T = e.CheMin;
    for (std::int32_t i = 1; i <= n; ++i)
        for (std::int32_t j = 1; j <= n; ++j) {
            if (i == j) continue;
            ++bilan.paires;
            const bool avant = relaxation.Existe(i, j), apres = T.Existe(i, j);
            ASSERT_TRUE(apres || !avant) << i << " -> " << j << " perdu";
            if (!apres) continue;
            const Trajet &a = relaxation.Meilleur(i, j), &b = T.Meilleur(i, j);
            bool meilleur = !avant;
            if (avant) {
                const std::int32_t ha = arrivee ? a.Depart : a.Arrivee;
                const std::int32_t hb = arrivee ? b.Depart : b.Arrivee;
                ASSERT_TRUE(arrivee ? hb >= ha : hb <= ha)
                    << i << " -> " << j << " : " << hb << " au lieu de " << ha;
                meilleur = hb != ha;
                if (!meilleur) {
                    // The same time: the scan's journey leaves as late (arrives as early).
                    EXPECT_TRUE(arrivee ? b.Arrivee <= a.Arrivee : b.Depart >= a.Depart)
                        << i << " -> " << j;
                    if (arrivee ? b.Arrivee < a.Arrivee : b.Depart > a.Depart)
                        ++bilan.departsPlusTard;
                    else
                        ++bilan.memes;
                    if (a.Depart == b.Depart && a.Arrivee == b.Arrivee) {
                        bilan.autresMissions += a.MissionPremiere != b.MissionPremiere ||
                                                a.MissionDerniere != b.MissionDerniere;
                        bilan.autresAttentes += a.Attente != b.Attente;
                        bilan.autresValeurs += a.Valeur != b.Valeur;
                        bilan.autresModes += a.Mode != b.Mode;
                    }
                }
            }
            if (meilleur) ++bilan.meilleures;
            if (meilleur || toutVerifier) {
                const std::string faute = Verifie(e, i, j, arrivee);
                EXPECT_EQ(faute, "") << i << " -> " << j << (meilleur ? " (meilleur)" : "");
            }
        }
}

// Trains of a few stops (some without mission number, some past midnight, stops of 0 to 3
// minutes), plus walks, metros and slow roads between random nodes; a few trains run beside a
// road.
void Remplit(Etat& e, std::mt19937& alea, std::int32_t n) {
    InitialisationModes(e);
    e.NbNoeuds = n;
    e.Noeuds.assign(n + 1, Noeud{});
    for (std::int32_t i = 1; i <= n; ++i) e.Noeuds[i].Code = i;
    e.Arcs.assign(1, Arc{});
    auto arc = [&](std::int32_t o, std::int32_t d, std::int16_t mode, float temps) {
        Arc x;
        x.Origine = x.IndiceOrigine = o;
        x.Destination = x.IndiceDestination = d;
        x.Mode = mode;
        x.Distance = static_cast<float>(1 + alea() % 50);
        x.Temps = temps;
        return x;
    };
    // Permanent links first, so that the trains of their pairs are kept beside them.
    for (std::int32_t w = 0; w < n / 2; ++w) {
        const std::int32_t o = 1 + static_cast<std::int32_t>(alea() % n);
        const std::int32_t d = 1 + static_cast<std::int32_t>(alea() % n);
        if (o == d) continue;
        const std::int16_t modes[] = {91, 9, 8, 7, 811};
        const std::int16_t mode = modes[alea() % 5];
        const float temps = static_cast<float>(alea() % 8 == 0 ? 0 : 2 + alea() % 30);
        e.Arcs.push_back(arc(o, d, mode, mode == 7 ? 200 + temps : temps));
    }
    const std::int32_t trains = 2 * n;
    for (std::int32_t m = 1; m <= trains; ++m) {
        std::int32_t noeud = 1 + static_cast<std::int32_t>(alea() % n);
        std::int32_t heure = static_cast<std::int32_t>(alea() % 1440);
        const std::int32_t mission = alea() % 10 == 0 ? 0 : m;
        const int arrets = 2 + static_cast<int>(alea() % 5);
        for (int a = 0; a < arrets; ++a) {
            std::int32_t suivant = 1 + static_cast<std::int32_t>(alea() % n);
            if (suivant == noeud) suivant = suivant % n + 1;
            const std::int32_t duree = 1 + static_cast<std::int32_t>(alea() % 40);
            Arc x = arc(noeud, suivant, 41, static_cast<float>(duree));
            x.HeureDepart = heure % 1440;
            x.HeureArrivee = (heure + duree) % 1440;
            x.Debit = mission;
            e.Arcs.push_back(x);
            heure += duree + static_cast<std::int32_t>(alea() % 4);
            noeud = suivant;
        }
    }
    e.NbArcs = static_cast<std::int32_t>(e.Arcs.size()) - 1;
}

TEST(BalayageConnexions, CommeLaRelaxationOuMieuxSurHorairesAleatoires) {
    std::mt19937 alea(1807);
    Bilan bilan;
    for (int essai = 0; essai < 200; ++essai) {
        test::PortTest port;
        Etat e(port);
        const std::int32_t n = 4 + static_cast<std::int32_t>(alea() % 20);
        Remplit(e, alea, n);
        CreeMatriceArcsMinHoraires(e, "Horaires");
        e.HeureDebut = static_cast<float>(alea() % 600);
        for (int r = 0; r < 3; ++r) {
            const std::int32_t t = static_cast<std::int32_t>(alea() % 1440);
            Compare(e, t, false, true, bilan);
            Compare(e, t, true, true, bilan);
        }
    }
    std::cout << bilan.paires << " paires : " << bilan.memes << " comme la relaxation, "
              << bilan.departsPlusTard << " à la même heure avec une attente moindre, "
              << bilan.meilleures << " meilleures; aux mêmes heures, " << bilan.autresMissions
              << " autres missions, " << bilan.autresAttentes << " autres attentes, "
              << bilan.autresValeurs << " autres valeurs, " << bilan.autresModes
              << " autres modes\n";
    EXPECT_GT(bilan.meilleures, 0);
}

// Opens a timetable kept with the tests and makes its "Horaires" minimal-arc matrix.
void OuvreJeu(test::Session& s, const std::string& jeu) {
    const std::string dossier = test::Source("tests/data/horaires/" + jeu);
    s.port.fichiers.push_back(dossier + "/noeuds.dat");
    s.port.fichiers.push_back(dossier + "/arcs.dat");
    menOuvrir(s.e);
    CreeMatriceArcsMinHoraires(s.e, "Horaires");
}

TEST(BalayageConnexions, CommeLaRelaxationOuMieuxSurCaltrainEtTriMet) {
    for (const char* jeu : {"caltrain", "trimet"}) {
        SCOPED_TRACE(jeu);
        test::Session s;
        OuvreJeu(s, jeu);
        ASSERT_GT(s.e.NbArcs, 1000);
        s.e.HeureDebut = 0;
        Bilan bilan;
        for (int hhmm : {450, 1000, 1200, 1700, 2330}) {
            const std::int32_t t = static_cast<std::int32_t>(HeuresMinutesEnMinutes(hhmm));
            Compare(s.e, t, false, true, bilan);
            Compare(s.e, t, true, true, bilan);
        }
        std::cout << jeu << " : " << bilan.paires << " paires, " << bilan.memes
                  << " comme la relaxation, " << bilan.departsPlusTard
                  << " à la même heure avec une attente moindre, " << bilan.meilleures
                  << " meilleures; aux mêmes heures, " << bilan.autresMissions
                  << " autres missions, " << bilan.autresAttentes << " autres attentes, "
                  << bilan.autresValeurs << " autres valeurs, " << bilan.autresModes
                  << " autres modes\n";
    }
}

// The sweeps as the steps run them one reference time after the other: the whole
// preparation and scan at each time, then the records kept from every pair.
void BalayageDeReference(Etat& e) {
    e.Chem.assign(3, ConnexionChem{});
    e.Chem[1] = SentinelleChem();
    e.NbChem = 2;
    e.ChemParPaire.Libere();
    e.HeureDepart = static_cast<std::int32_t>(e.HeureDebut);
    if (e.ContrainteArrivee) {
        PreparationFloydHorairesArrivee(e);
        FloydHorairesArrivee(e);
        for (;;) {
            RemplitTableauChemArrivee(e);
            ChercheProchainDepart(e);
            if (e.HeureDepart > e.HeureFin) return;
            PreparationFloydHorairesArrivee(e);
            FloydHorairesArrivee(e);
        }
    }
    PreparationFloydHorairesDepart(e);
    FloydHorairesDepart(e);
    for (;;) {
        ChercheProchainDepart(e);
        RemplitTableauChemDepart(e);
        if (e.HeureDepart >= e.HeureFin) break;
        ActualisePCheMin(e);
        FloydHorairesDepart(e);
    }
}

bool operator==(const ConnexionChem& a, const ConnexionChem& b) {
    return a.Origine == b.Origine && a.Destination == b.Destination && a.Valeur == b.Valeur &&
           a.Depart == b.Depart && a.Arrivee == b.Arrivee && a.Attente == b.Attente &&
           a.Mission1 == b.Mission1 && a.Mission2 == b.Mission2 && a.Mode == b.Mode;
}

// The sweep computed as one profile keeps exactly the records of the step-by-step sweep, in
// the same order, and ends on the same journeys.
void CompareBalayages(Etat& e, std::int32_t debut, std::int32_t fin, bool arrivee) {
    SCOPED_TRACE(std::string(arrivee ? "arrivées " : "départs ") + std::to_string(debut) + "-" +
                 std::to_string(fin));
    e.ContrainteDepart = false;
    e.ContrainteArrivee = e.TempsMinimauxIntervalle = arrivee;
    e.HeureDebut = static_cast<float>(debut);
    e.HeureFin = static_cast<float>(fin);
    BalayageDeReference(e);
    const std::vector<ConnexionChem> reference = e.Chem;
    const TrajetsHoraires derniers = e.CheMin;
    const std::int32_t heure = e.HeureDepart;
    ASSERT_TRUE(CalculCheminsHoraires(e, false));
    EXPECT_EQ(e.HeureDepart, heure);
    ASSERT_EQ(e.Chem.size(), reference.size());
    for (std::size_t p = 3; p < reference.size(); ++p)
        ASSERT_TRUE(e.Chem[p] == reference[p]) << "enregistrement " << p;
    // The journeys of the last reference time, left for the copy (an arrival sweep leaves the
    // minimal times, made from Chem).
    if (arrivee) return;
    const TrajetsHoraires& fins = derniers;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i)
        for (std::int32_t j = 1; j <= e.NbNoeuds; ++j) {
            ASSERT_EQ(e.CheMin.Existe(i, j), fins.Existe(i, j));
            ASSERT_EQ(e.CheMin.Meilleur(i, j).Arrivee, fins.Meilleur(i, j).Arrivee);
            ASSERT_EQ(e.CheMin.Meilleur(i, j).Depart, fins.Meilleur(i, j).Depart);
        }
}

TEST(BalayageConnexions, BalayageEnUnProfilCommePasAPas) {
    // The files of the sweeps go to the current folder: a folder of the test's own.
    test::DossierTemporaire dossier;
    const auto avant = std::filesystem::current_path();
    std::filesystem::current_path(dossier.Chemin());
    std::mt19937 alea(2026);
    std::size_t enregistrements = 0;
    for (int essai = 0; essai < 40; ++essai) {
        test::PortTest port;
        Etat e(port);
        Remplit(e, alea, 4 + static_cast<std::int32_t>(alea() % 16));
        CreeMatriceArcsMinHoraires(e, "Horaires");
        const std::int32_t debut = static_cast<std::int32_t>(alea() % 1440);
        const std::int32_t fin = debut + static_cast<std::int32_t>(alea() % 300);
        for (bool arrivee : {false, true}) {
            CompareBalayages(e, debut, fin, arrivee);
            enregistrements += e.Chem.size() - 3;
        }
    }
    EXPECT_GT(enregistrements, 1000u);
    for (const char* jeu : {"caltrain", "trimet"}) {
        SCOPED_TRACE(jeu);
        test::Session s;
        OuvreJeu(s, jeu);
        for (bool arrivee : {false, true}) {
            CompareBalayages(s.e, 420, 480, arrivee);
            CompareBalayages(s.e, 1400, 1500, arrivee);  // past midnight
        }
    }
    std::filesystem::current_path(avant);
}

TEST(BalayageConnexions, DeuxTrainsALaMemeMinuteAHillsdale) {
    // Leaving 70281 after 12:00 for 70121: the relaxation is ten minutes late, the scan is not.
    test::Session s;
    OuvreJeu(s, "caltrain");
    std::int32_t i = 0, j = 0;
    for (std::int32_t x = 1; x <= s.e.NbNoeuds; ++x) {
        if (s.e.Noeuds[x].Code == 70281) i = x;
        if (s.e.Noeuds[x].Code == 70121) j = x;
    }
    ASSERT_TRUE(i && j);
    s.e.HeureDepart = 720;
    PreparationFloydHorairesDepart(s.e);
    RelaxationHorairesDepart(s.e);
    const std::int32_t relaxation = s.e.CheMin.Meilleur(i, j).Arrivee;
    CalculTrajetsHoraires(s.e, false);
    EXPECT_EQ(s.e.CheMin.Meilleur(i, j).Arrivee, relaxation - 10);
    EXPECT_EQ(Verifie(s.e, i, j, false), "");
}

}  // namespace
}  // namespace vek
