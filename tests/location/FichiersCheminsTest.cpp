// The files drawn from the paths and the journeys: consultation, predecessors, description
// of one path, values of one node.

#include <gtest/gtest.h>

#include "Reseaux.h"
#include "location/EcritureMatriceChemins.h"
#include "location/FichiersChemins.h"
#include "location/FormulaireCheminsMinimaux.h"
#include "location/LegislationSociale.h"
#include "network/FichierArcs.h"
#include "network/Temps.h"
#include "paths/Floyd.h"
#include "paths/Traces.h"
#include "timetable/FloydHoraires.h"
#include "timetable/MatriceArcsMinHoraires.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;
using test::LigneTrain;

// A written file against its golden copy.
void CommeLeModele(const std::string& ecrit, const std::string& modele) {
    const auto [lu, attendu] = test::EtSonModele(ecrit, "chemins/" + modele);
    EXPECT_EQ(lu, attendu) << modele;
}

const ValeurUnipolaire& Valeur(const std::string& nom) {
    for (const ValeurUnipolaire& v : kValeursUnipolaires)
        if (nom == v.nom) return v;
    throw std::out_of_range(nom);
}

// Four stations: a train A-B-C (one mission), a later one B-C, a walk C-D.
struct Gares : test::Session {
    Gares() {
        EXPECT_TRUE(Ouvre(LigneNoeud("Gare d'Aval", 1) + LigneNoeud("Bourg-Saint-Étienne", 2) +
                              LigneNoeud("Col", 3) + LigneNoeud("Dune", 4),
                          LigneTrain(1, 2, 800, 830, 11) + LigneTrain(2, 3, 830, 905, 11) +
                              LigneTrain(2, 3, 915, 940, 12) + LigneArc(3, 4, 91, 1, 12)));
        e.Valuation = "Horaires";
        CreeMatriceArcsMinHoraires(e, "Horaires");
    }
    void Calcule(int hhmm, bool arrivee) {
        e.HeureDepart = static_cast<std::int32_t>(HeuresMinutesEnMinutes(hhmm));
        CalculTrajetsHoraires(e, arrivee);
    }
};

TEST(FichiersChemins, ConsultationDesMeilleursTrajets) {
    Gares g;
    g.Calcule(745, false);
    ASSERT_TRUE(TrajetsHorairesCourants(g.e));
    EcritureConsultation(g.e, g.dossier / "nCMin000.dat");
    CommeLeModele(g.dossier / "nCMin000.dat", "nCMin000-depart.dat");
    g.Calcule(1000, true);
    EcritureConsultation(g.e, g.dossier / "nCMin000.dat");
    CommeLeModele(g.dossier / "nCMin000.dat", "nCMin000-arrivee.dat");
    // A network loaded again drops the journeys.
    g.e.ReseauModifie();
    EXPECT_FALSE(TrajetsHorairesCourants(g.e));
}

TEST(FichiersChemins, ValeursDuNoeudSelectionne) {
    Gares g;
    g.Calcule(745, false);
    struct Cas {
        const char* valeur;
        std::int32_t noeud;
        std::vector<double> attendu;  // nodes 1..4
    } cas[] = {
        // From A at 7:45: B at 8:30, C at 9:05 on the same train, D on foot from C at 9:25.
        {"ValTTotalDépartNoeudSélec", 1, {0, 45, 80, 100}},
        {"ValHDepDépartNoeudSélec", 1, {0, 8.0, 8.0, 8.0}},
        {"ValHArrDépartNoeudSélec", 1, {0, 8.3, 9.05, 9.25}},
        {"ValHArrDépartNoeudSélecEnMinutes", 1, {0, 510, 545, 565}},
        // Towards C: D walks there at once.
        {"ValHDepVersNoeudSélec", 3, {8.0, 8.3, 0, 7.45}},
        {"ValHDepVersNoeudSélecEnMinutes", 3, {480, 510, 0, 465}},
        {"ValTTotalVersNoeudSélec", 3, {80, 80, 0, 20}},
        {"ModesDuCheminDépart", 1, {0, 41, 4141, 4141}},
    };
    for (const Cas& c : cas) {
        ValeursUnipolaires(g.e, c.noeud, Valeur(c.valeur));
        ASSERT_EQ(g.e.ValeursNoeuds.size(), 5u);
        for (std::size_t j = 1; j <= 4; ++j)
            EXPECT_NEAR(g.e.ValeursNoeuds[j], c.attendu[j - 1], 1e-9) << c.valeur << " " << j;
    }
}

// A - B - C by road, D apart; E has A's code.
struct Routes : test::Session {
    Routes() {
        EXPECT_TRUE(Ouvre(
            LigneNoeud("Aval", 1) + LigneNoeud("Bourg", 2) + LigneNoeud("Col", 3) +
                LigneNoeud("Dune", 4),
            LigneArc(1, 2, 7, 10, 12) + LigneArc(2, 3, 72, 5, 9) + LigneArc(1, 3, 7, 40, 45)));
        CalculCheminsMinimaux(e);
    }
};

TEST(FichiersChemins, PredecesseursEtDescription) {
    Routes r;
    // Right after the paths, before the traces: the walk ends, and finds no path.
    EXPECT_EQ(ArcsChemin(r.e, 1, 3), 0);
    RecuperationTraces(r.e);
    EcriturePredecesseurs(r.e, r.dossier / "MatPrec0.dat");
    CommeLeModele(r.dossier / "MatPrec0.dat", "MatPrec0.dat");

    ASSERT_EQ(ArcsChemin(r.e, 1, 3), 2);
    EcritureFichierArcs(r.e, r.dossier / "Descrip0.dat", true, 2);
    CommeLeModele(r.dossier / "Descrip0.dat", "Descrip0.dat");
    // Recorded from the destination back: C from B, then B from A.
    EXPECT_EQ(r.e.ArcsProvisoires[1].Origine, 3);
    EXPECT_EQ(r.e.ArcsProvisoires[1].Destination, 2);
    EXPECT_EQ(r.e.ArcsProvisoires[1].Mode, 72);
    EXPECT_EQ(r.e.ArcsProvisoires[2].Origine, 2);
    EXPECT_EQ(r.e.ArcsProvisoires[2].Destination, 1);
    // No path to D, and nothing from a node to itself.
    EXPECT_EQ(ArcsChemin(r.e, 1, 4), 0);
    EXPECT_EQ(ArcsChemin(r.e, 2, 2), 0);
    EXPECT_EQ(r.e.NbArcsProvisoires, 0);

    // The minimal values from and towards a node read the paths.
    ValeursUnipolaires(r.e, 2, Valeur("ValTMDépartNoeudSélec"));
    EXPECT_EQ(r.e.ValeursNoeuds, (std::vector<double>{0, r.e.CheminsMin(2, 1).Valeur, 0,
                                                      r.e.CheminsMin(2, 3).Valeur, kInfini}));
    ValeursUnipolaires(r.e, 4, Valeur("ValTMVersNoeudSélec"));
    EXPECT_EQ(r.e.ValeursNoeuds, (std::vector<double>{0, kInfini, kInfini, kInfini, 0}));
}

// The path matrix with the driving and rest times of road haulage, on paths of 270, 300, 600
// and 700 minutes.
TEST(FichiersChemins, ReglesDeConduite) {
    Routes r;
    const float temps[] = {270, 300, 600, 700};
    for (std::size_t j = 1; j <= 4; ++j) r.e.CheminsMin(1, j).Valeur = temps[j - 1];
    const Matrice<float> m = LegislationSocialeTransportsRoutiers(r.e);
    ASSERT_FALSE(m.Vide());
    EXPECT_EQ(m(1, 1), 270);
    EXPECT_EQ(m(1, 2), 345);
    EXPECT_EQ(m(1, 3), 690);
    EXPECT_EQ(m(1, 4), 1285);
    EcritureMatriceChemins(r.e, r.dossier / "MatChPL0.dat", DispositionMatrice::Chemins, &m);
    CommeLeModele(r.dossier / "MatChPL0.dat", "MatChPL0.dat");
}

}  // namespace
}  // namespace vek
