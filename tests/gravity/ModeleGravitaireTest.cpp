// The gravity model on a tiny network: attractions, the three principal ones, the sums, the
// persons, and the six result files in their layouts.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Reseaux.h"
#include "ScriptTest.h"
#include "gravity/DialoguesGravite.h"
#include "gravity/ModeleGravitaire.h"
#include "paths/Floyd.h"
#include "paths/Traces.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

// A (6-digit code, 1000 people) - B (5-digit code, 500) by a 10 km road, B - C (no one) by
// another; D (200 people) is reached by nothing.
struct Gravite : test::Session {
    Gravite() {
        EXPECT_TRUE(
            Ouvre(LigneNoeud("Aval", 123456, 1000) + LigneNoeud("Bourg", 12345, 500) +
                      LigneNoeud("Col", 1601000003, 0) + LigneNoeud("Désert", 4, 200),
                  LigneArc(123456, 12345, 7, 10, 0) + LigneArc(12345, 1601000003, 7, 20, 0)));
        e.Valuation = "Distance";
        CalculMatriceArcsMin(e);
        EXPECT_TRUE(CalculCheminsMinimaux(e));
        RecuperationTraces(e);
        auto& g = e.Gravite;
        for (std::string* rep : {&g.RepSLP, &g.Rep3AA, &g.Rep3AR, &g.RepSAA, &g.RepAuto, &g.RepAP})
            *rep = dossier.Chemin().string();
    }
    std::string Lit(const std::string& nom) {
        return std::filesystem::exists(dossier / nom) ? test::LitOctets(dossier / nom) : "";
    }
    std::vector<std::string> Lignes(const std::string& nom) {
        std::vector<std::string> l;
        std::string t = Lit(nom);
        for (std::size_t p = 0, q; (q = t.find("\r\n", p)) != std::string::npos; p = q + 2)
            l.push_back(t.substr(p, q - p));
        return l;
    }
};

TEST(Gravite, AttractionsEtRangs) {
    Gravite g;
    Etat& e = g.e;
    CalculAttractions(e);
    // Defaults: P(i) / d(i,j)^2; a node's own distance is the internal distance (1).
    EXPECT_DOUBLE_EQ(e.MatAttractions(1, 2), 1000.0 / 100);
    EXPECT_DOUBLE_EQ(e.MatAttractions(1, 3), 1000.0 / 900);
    EXPECT_DOUBLE_EQ(e.MatAttractions(1, 1), 1000);
    // No one at C: no attraction; D unreachable: none from or to it but its own.
    for (int j = 1; j <= 4; ++j) EXPECT_EQ(e.MatAttractions(3, j), 0);
    EXPECT_EQ(e.MatAttractions(1, 4), 0);
    EXPECT_EQ(e.MatAttractions(4, 1), 0);
    EXPECT_DOUBLE_EQ(e.MatAttractions(4, 4), 200);
    // Other parameters: Km (a P)^alpha / (Kd (b d)^beta).
    e.Gravite.ElasticiteDistance = 1;
    e.Gravite.EchellePopulation = 2;
    e.Gravite.EchelleAccessibilite = 4;
    CalculAttractions(e);
    EXPECT_DOUBLE_EQ(e.MatAttractions(1, 2), 2000.0 / (4 * 10));
    e.Gravite = ParametresGravite{};
    CalculAttractions(e);

    TroisPrincipalesAttractions(e);
    EXPECT_EQ(e.TroisAttractions[1][1], 1);
    EXPECT_EQ(e.TroisAttractions[1][2], 2);
    EXPECT_EQ(e.TroisAttractions[1][3], 3);
    EXPECT_EQ(e.TroisAttractions[3][1], 0);  // nothing positive: the ranks stay 0
    EXPECT_EQ(e.TroisAttractions[4][2], 0);
    const float s = static_cast<float>(static_cast<float>(1000.0f + 10.0) + 1000.0 / 900);
    EXPECT_DOUBLE_EQ(e.SommesLignesAttractions[1], static_cast<double>(s) / 100);
    // Ties go to the lower index.
    e.MatAttractions(2, 1) = e.MatAttractions(2, 3) = 7;
    e.MatAttractions(2, 2) = 1;
    TroisPrincipalesAttractions(e);
    EXPECT_EQ(e.TroisAttractions[2][1], 1);
    EXPECT_EQ(e.TroisAttractions[2][2], 3);
    EXPECT_EQ(e.TroisAttractions[2][3], 2);
}

TEST(Gravite, DemarrageEtFichiers) {
    Gravite g;
    Etat& e = g.e;
    OptionsGvOp& o = e.Gravite.Options;
    o.OuiSLP = o.Oui3AA = o.OuiAuto = o.OuiAP = o.TotSLP = true;
    menDémarrageGravit(e);
    // The total of the weighted sums is shown, titled.
    EXPECT_EQ(g.port.messages.at(0).titre, "Total des accessibilités par les populations");
    // SLP: blank, code (a 6-digit code takes 7 columns), value padded to 21, 3 blanks, name.
    auto slp = g.Lignes("slp.dat");
    ASSERT_EQ(slp.size(), 4u);
    // (10 km x 500 + 30 x 0 + 32000 x 200 for the unreachable D) / 1000.
    EXPECT_EQ(slp[0],
              " 123456 " + std::string("6405") + std::string(17, ' ') + "   " + Cadre("Aval", 50));
    EXPECT_EQ(slp[1].substr(0, 6), " 12345");  // a 5-digit code shifts its line
    // 3AA and 3AR both written with 3AA alone; no SAA file.
    auto aa = g.Lignes("3AA.dat");
    ASSERT_EQ(aa.size(), 12u);
    EXPECT_EQ(aa[0], "123456   Aval           123456   Aval           1000       ");
    EXPECT_EQ(aa[1], "123456   Aval           12345  Bourg          10         ");
    EXPECT_EQ(aa[6], "1601000003  Col            0  " + std::string(15, ' ') + "0          ");
    auto ar = g.Lignes("3AR.dat");
    ASSERT_EQ(ar.size(), 12u);
    EXPECT_EQ(ar[6].substr(ar[6].size() - 11), "0.00       ");
    EXPECT_EQ(g.Lit("SAA.dat"), "");
    // Auto: four sections of a header and N lines; C felt by B only.
    auto au = g.Lignes("auto.dat");
    ASSERT_EQ(au.size(), 20u);
    EXPECT_EQ(au[0], "Auto-Attractions");
    EXPECT_EQ(au[5], "Attractions Totales");
    EXPECT_EQ(au[15], "Evasion");
    // AP: N x N lines of indices padded to 6 and 5 and the persons padded to 21.
    auto ap = g.Lignes("AP.dat");
    ASSERT_EQ(ap.size(), 16u);
    EXPECT_EQ(ap[1].substr(0, 11), "1     2    ");
    EXPECT_EQ(ap[1].size(), 32u);
    EXPECT_EQ(std::stoi(ap[1].substr(11)), e.MatPersonnesAttirees(1, 2));
    // Persons: A(i,j) / S(i) x P(i) / 2.1, to the nearest integer.
    EXPECT_EQ(e.MatPersonnesAttirees(1, 2),
              static_cast<int>(
                  std::nearbyint(e.MatAttractions(1, 2) / e.SommesAttractions[1] * (1000 / 2.1f))));
    EXPECT_EQ(e.AttractionsTotales[2], e.MatPersonnesAttirees(1, 2) + e.MatPersonnesAttirees(2, 2) +
                                           e.MatPersonnesAttirees(3, 2) +
                                           e.MatPersonnesAttirees(4, 2));
    EXPECT_EQ(e.Evasions[2], e.AttractionsTotales[2] - e.AutoAttractions[2]);
    // C is felt by A and B; no node's sum is zero but C's row stays empty.
    EXPECT_EQ(g.port.Compte("somme nulle"), 0);
    // The assignment is open once the traces match.
    EXPECT_TRUE(e.Menus.EstActif("menAffectation"));
}

TEST(Gravite, CasRapportes) {
    {
        // Without current shortest paths: said, nothing written.
        Gravite g;
        g.e.Gravite.Options.OuiSLP = true;
        CalculMatriceArcsMin(g.e);
        menDémarrageGravit(g.e);
        EXPECT_EQ(g.port.Compte("n'ont pas été calculés"), 1);
        EXPECT_EQ(g.Lit("slp.dat"), "");
    }
    {
        // A node nobody attracts: its persons cannot be shared out, said once.
        Gravite g;
        g.e.Noeuds[4].Population = 0;
        g.e.Gravite.Options.OuiAuto = true;
        menDémarrageGravit(g.e);
        EXPECT_EQ(g.port.Compte("somme nulle"), 1);
        EXPECT_EQ(g.e.AutoAttractions[4], 0);
        EXPECT_NE(g.Lit("auto.dat"), "");
    }
    {
        // Counts beyond 32 bits are refused, not written.
        Gravite g;
        g.e.Noeuds[1].Population = 2000000000;
        g.e.Gravite.PersonnesParEmploi = 0.01f;
        g.e.Gravite.Options.OuiAuto = true;
        menDémarrageGravit(g.e);
        EXPECT_EQ(g.port.Compte("dépasse la capacité"), 1);
        EXPECT_EQ(g.Lit("auto.dat"), "");
    }
    {
        // 3AR alone writes only its file; AP without Auto does nothing.
        Gravite g;
        g.e.Gravite.Options.Oui3AR = g.e.Gravite.Options.OuiAP = true;
        menDémarrageGravit(g.e);
        EXPECT_NE(g.Lit("3AR.dat"), "");
        EXPECT_EQ(g.Lit("3AA.dat"), "");
        EXPECT_EQ(g.Lit("AP.dat"), "");
    }
}

// A weighted sum that no 64-bit integer holds (paths gone wild on a negative cycle, or no
// number at all) is named in one message and never written: the previous slp.dat stays and
// is not opened.
TEST(Gravite, SommationsHorsDesEntiers) {
    const float infini = std::numeric_limits<float>::infinity();
    for (float chemin : {-4.4e29f, 3e30f, infini, std::nanf("")}) {
        Gravite g;
        g.e.Gravite.Options.OuiSLP = g.e.Gravite.Options.EcranSLP = true;
        test::EcritOctets(g.dossier / "slp.dat", "ancien");
        g.e.CheminsMin(2, 1).Valeur = chemin;
        menDémarrageGravit(g.e);
        EXPECT_EQ(g.port.Compte("La sommation pondérée des populations de 1 noeud(s) ne tient "
                                "pas dans un entier (le premier : Bourg, "),
                  1)
            << chemin;
        EXPECT_EQ(g.port.Compte("slp.dat n'est pas écrit."), 1) << chemin;
        EXPECT_EQ(g.Lit("slp.dat"), "ancien") << chemin;
        for (const std::string& l : g.port.lances)
            EXPECT_EQ(l.find("slp.dat"), std::string::npos) << l;
    }
    // Within the range of a 64-bit integer, the sum is written as always.
    Gravite g;
    g.e.Gravite.Options.OuiSLP = true;
    g.e.CheminsMin(2, 1).Valeur = 1e12f;
    menDémarrageGravit(g.e);
    EXPECT_EQ(g.port.Compte("ne tient pas dans un entier"), 0);
    const double b = static_cast<double>(g.e.SommesPondereesPop[2]);
    ASSERT_GT(b, 1e11);
    // A 5-digit code takes no blank after it.
    const std::string debut = " 12345" + std::to_string(static_cast<long long>(std::nearbyint(b)));
    EXPECT_EQ(g.Lignes("slp.dat").at(1).substr(0, debut.size() + 1), debut + " ");
}

// A parameter typed as no number at all is refused by GvPa's "Ok", which names it and keeps
// the dialog open with the parameters as they were; the run then uses those.
TEST(Gravite, ParametresQuiNeSontPasDesNombres) {
    struct Cas {
        const char* texte;
        const char* valeur;
        const char* legende;
    } cas[] = {
        {"Texte8", "abc", "Nombre total de personnes par emploi"},
        {"Texte3", "", "Valeur élasticité distance"},
        {"Texte2", " -.", "Valeur élasticité population"},
    };
    for (const Cas& c : cas) {
        Gravite g;
        g.e.Gravite.Options.OuiAuto = true;
        Dialogue d = DialogueGvPa(g.e);
        d.ouvert = true;
        d.Saisit(c.texte, c.valeur);
        d.Clique("Ok");
        EXPECT_TRUE(d.ouvert) << c.texte;
        const std::string attendu = std::string("Le paramètre « ") + c.legende +
                                    " » n'est pas un nombre valide : " + c.valeur;
        EXPECT_EQ(g.port.messages.size(), 1u) << c.texte;
        for (const auto& m : g.port.messages) {
            EXPECT_EQ(m.texte, attendu);
            EXPECT_EQ(m.titre, "Paramétrage de Gravit");
        }
        EXPECT_EQ(g.e.Gravite.PersonnesParEmploi, 2.1f);
        EXPECT_EQ(g.e.Gravite.ElasticitePopulation, 1);
        EXPECT_EQ(g.e.Gravite.ElasticiteDistance, 2);
        EXPECT_EQ(g.e.Gravite.Texte8, "2.1");
        menDémarrageGravit(g.e);
        EXPECT_EQ(g.port.Compte("dépasse la capacité"), 0) << c.texte;
        EXPECT_NE(g.Lit("auto.dat"), "") << c.texte;
    }
    {
        // Zero persons per job is a number, but nothing can be divided by it: said as such.
        Gravite g;
        g.e.Gravite.Options.OuiAuto = true;
        Dialogue d = DialogueGvPa(g.e);
        d.ouvert = true;
        d.Saisit("Texte8", "0");
        d.Clique("Ok");
        EXPECT_FALSE(d.ouvert);
        menDémarrageGravit(g.e);
        EXPECT_EQ(g.port.Compte("dépasse la capacité"), 0);
        EXPECT_EQ(g.port.Compte("Le nombre total de personnes par emploi est nul"), 1);
        EXPECT_EQ(g.Lit("auto.dat"), "");
    }
}

// A zero internal distance leaves a node's attraction on itself without a value: it counts
// 0, said once, and the run goes on.
TEST(Gravite, DistanceInterneNulle) {
    for (float interne : {0.0f, 1.0f}) {
        Gravite g;
        g.e.Gravite.DistanceInterneVille = interne;
        g.e.Gravite.Options.Oui3AA = true;
        menDémarrageGravit(g.e);
        const int dit = g.port.Compte("distance interne moyenne de la ville est nulle");
        EXPECT_EQ(dit, interne == 0 ? 1 : 0);
        if (interne == 0) {
            for (const auto& m : g.port.messages)
                if (m.texte.find("distance interne") != std::string::npos) {
                    EXPECT_EQ(m.icone, Icone::Information);
                }
            EXPECT_EQ(g.e.MatAttractions(1, 1), 0);
        } else {
            EXPECT_EQ(g.e.MatAttractions(1, 1), 1000);
        }
        EXPECT_NE(g.Lit("3AA.dat"), "");
    }
}

}  // namespace
}  // namespace vek

namespace vek {
namespace {

// The six result files and the assignment's node values of the bundled example, against
// their golden copies.
TEST(Gravite, FichiersDeLExemple) {
    test::SessionScript s;
    test::DansDossier ici(s.dossier.Chemin());
    s.Fichier(test::Source("examples/utf8/noeuds.dat"));
    s.Fichier(test::Source("examples/utf8/arcs.dat"));
    ASSERT_EQ(s.Menu("menOuvrir"), Issue::Faite);
    ASSERT_EQ(s.Menu("menUneFois"), Issue::Faite);
    ASSERT_EQ(s.Menu("menRécupTracés"), Issue::Faite);
    auto& g = s.e.Gravite;
    for (std::string* rep : {&g.RepSLP, &g.Rep3AA, &g.Rep3AR, &g.RepSAA, &g.RepAuto, &g.RepAP})
        *rep = s.dossier.Chemin().string();
    s.Dialogue("GvOp", {"Command3D4", "OuiAP", "Command3D5"});
    ASSERT_EQ(s.Menu("menOptionsGravit"), Issue::Faite);
    ASSERT_EQ(s.Menu("menDémarrageGravit"), Issue::Faite);
    ASSERT_EQ(s.Menu("menDémarrage"), Issue::Faite);
    ASSERT_EQ(s.Menu("menEdition"), Issue::Faite);
    for (const char* f :
         {"slp.dat", "3AA.dat", "3AR.dat", "SAA.dat", "auto.dat", "AP.dat", "AFlux000.dat"})
        EXPECT_EQ(test::LitOctets(s.dossier / f),
                  test::LitOctets(test::Source(std::string("tests/data/golden/gravite/") + f)))
            << f;
}

}  // namespace
}  // namespace vek
