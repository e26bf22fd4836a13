// The location searches against the plain loops over every ordered combination (Double sums,
// CheminsMin left as it is) on random distance tables, the best pair and triple of Sioux Falls
// against a brute force, and the files they write.

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <tuple>

#include "Reseaux.h"
#include "location/EcritureMatriceChemins.h"
#include "location/Localisation.h"
#include "paths/Floyd.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"

namespace vek {
namespace {

// The plain loops: d(k, a) of a candidate's own node read as 1 by efficiency; the nearest
// facility is the first of the smallest (efficiency) or, for equity, a only when strictly
// nearer.
float Reference(const Etat& e, std::int32_t a, std::int32_t b, std::int32_t c, bool efficacite) {
    const TablesChemins& r = e;
    double s = 0;
    float m = 0;
    for (std::int32_t k = 1; k <= e.NbNoeuds; ++k) {
        float da = r.CheminsMin(k, a).Valeur, db = r.CheminsMin(k, b).Valeur;
        float dc = c ? r.CheminsMin(k, c).Valeur : 0;
        if (efficacite) {
            if (k == a) da = 1;
            if (k == b) db = 1;
            if (k == c) dc = 1;
            float v = da <= db ? da : db;
            if (c && dc < v) v = dc;
            const double w = e.PonderationPopulation ? e.Noeuds[k].Population : 1;
            s += w * static_cast<double>(v);
        } else {
            float v = da < db ? da : db;
            if (c) v = v < dc ? v : dc;
            if (v > m) m = v;
        }
    }
    return efficacite ? static_cast<float>(s) : m;
}

std::uint32_t Bits(float x) {
    std::uint32_t u;
    std::memcpy(&u, &x, sizeof u);
    return u;
}

// A random table of shortest paths: values drawn from a short list (ties), some fractional,
// unreachable pairs at 32000, zero populations.
void Tirage(Etat& e, std::int32_t n, unsigned graine) {
    std::mt19937 g(graine);
    e.NbNoeuds = n;
    e.Noeuds.assign(static_cast<std::size_t>(n) + 1, Noeud{});
    for (std::int32_t i = 1; i <= n; ++i) {
        e.Noeuds[i].Code = 100 + i;
        e.Noeuds[i].Nom = Cadre("Noeud " + std::to_string(i), 50);
        const unsigned tirage = g() % 10;
        e.Noeuds[i].Population = tirage < 2   ? 0
                                 : tirage < 3 ? -static_cast<std::int32_t>(g() % 1000)
                                              : static_cast<std::int32_t>(g() % 3000000);
    }
    TablesChemins& r = e;
    r.CheminsMin.Dimensionne(static_cast<std::size_t>(n));
    for (std::int32_t i = 1; i <= n; ++i)
        for (std::int32_t j = 1; j <= n; ++j) {
            float v;
            switch (g() % 6) {
                case 0:
                    v = 32000;
                    break;
                case 1:
                    v = static_cast<float>(g() % 5) * 10;
                    break;
                default:
                    v = static_cast<float>(g() % 100000) / 7.0f;
            }
            r.CheminsMin(i, j).Valeur = i == j ? 0 : v;
        }
}

std::vector<float> Valeurs(const Etat& e) {
    const TablesChemins& r = e;
    std::vector<float> v;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i)
        for (std::int32_t j = 1; j <= e.NbNoeuds; ++j) v.push_back(r.CheminsMin(i, j).Valeur);
    return v;
}

struct Cas {
    std::int32_t n;
    unsigned graine;
};

// Every search on random tables, weighted or not (negative populations too), with the vector
// lanes and without, bit for bit against the plain loops, and CheminsMin as it was. Sizes
// around the kernel width and the groups of first candidates, and large enough for the workers
// to share the work.
TEST(Localisation, IdentiqueAuxBouclesSimples) {
    struct Retour {
        ~Retour() { LocalisationSansVecteurs = false; }
    } retour;
    for (bool sansVecteurs : {false, true})
        for (const Cas cas : {Cas{1, 1}, Cas{2, 2}, Cas{5, 3}, Cas{33, 4}, Cas{70, 5}, Cas{150, 6}})
            for (bool ponderation : {false, true})
                for (bool efficacite : {true, false}) {
                    if (!efficacite && ponderation) continue;
                    test::Session s;
                    Etat& e = s.e;
                    Tirage(e, cas.n, cas.graine);
                    e.PonderationPopulation = ponderation;
                    LocalisationSansVecteurs = sansVecteurs;
                    const auto avant = Valeurs(e);
                    const std::string cas_ = "sansVecteurs=" + std::to_string(sansVecteurs) +
                                             " n=" + std::to_string(cas.n) +
                                             " ponderation=" + std::to_string(ponderation) +
                                             " efficacite=" + std::to_string(efficacite);
                    efficacite ? LocalisationDeuxEfficacite(e) : LocalisationDeuxEquite(e);
                    EXPECT_EQ(Valeurs(e), avant) << cas_;
                    for (std::int32_t a = 1; a <= cas.n; ++a)
                        for (std::int32_t b = 1; b <= cas.n; ++b)
                            ASSERT_EQ(Bits(e.MatLocalisation2(a, b)),
                                      Bits(Reference(e, a, b, 0, efficacite)))
                                << cas_ << " " << a << " " << b;
                    if (cas.n > 40) continue;
                    efficacite ? LocalisationTroisEfficacite(e) : LocalisationTroisEquite(e);
                    EXPECT_EQ(Valeurs(e), avant) << cas_;
                    for (std::int32_t a = 1; a <= cas.n; ++a)
                        for (std::int32_t b = 1; b <= cas.n; ++b)
                            for (std::int32_t c = 1; c <= cas.n; ++c) {
                                std::int32_t t[3] = {a, b, c};
                                std::sort(t, t + 3);
                                ASSERT_EQ(Bits(e.MatLocalisation3(t[0], t[1], t[2])),
                                          Bits(Reference(e, a, b, c, efficacite)))
                                    << cas_ << " " << a << " " << b << " " << c;
                            }
                }
}

// The three-facility blocks with both workers (from 128 nodes), on the triples a <= b <= c.
TEST(Localisation, TriplesAvecPlusieursTravailleurs) {
    for (bool efficacite : {true, false}) {
        test::Session s;
        Etat& e = s.e;
        Tirage(e, 131, 9);
        e.PonderationPopulation = efficacite;
        std::int64_t blocs = 0;
        LocalisationTrois(e, efficacite, [&](std::int32_t a, const float* bloc) {
            EXPECT_EQ(a, ++blocs);
            for (std::int32_t b = a; b <= e.NbNoeuds; ++b)
                for (std::int32_t c = b; c <= e.NbNoeuds; ++c, ++bloc)
                    ASSERT_EQ(Bits(*bloc), Bits(Reference(e, a, b, c, efficacite)))
                        << a << " " << b << " " << c;
        });
        EXPECT_EQ(blocs, 131);
    }
}

// A pair (a, a) is one facility at a, its own node counting 1 (its population when weighted);
// a node of population 0 adds nothing; equity on two nodes.
TEST(Localisation, CasLimites) {
    test::Session s;
    Etat& e = s.e;
    Tirage(e, 4, 11);
    TablesChemins& r = e;
    for (std::int32_t k = 1; k <= 4; ++k)
        for (std::int32_t j = 1; j <= 4; ++j)
            r.CheminsMin(k, j).Valeur = k == j ? 0 : 10.0f * k + j;
    e.Noeuds[1].Population = 5;
    e.Noeuds[2].Population = 0;
    e.Noeuds[3].Population = 7;
    e.Noeuds[4].Population = 3;
    e.PonderationPopulation = true;
    LocalisationDeuxEfficacite(e);
    // One facility at 1: 5 x 1 + 0 x 21 + 7 x 31 + 3 x 41.
    EXPECT_EQ(e.MatLocalisation2(1, 1), 5.0f + 7 * 31 + 3 * 41);
    const float avant = e.MatLocalisation2(1, 3);
    r.CheminsMin(2, 1).Valeur = r.CheminsMin(2, 3).Valeur = 32000;
    LocalisationDeuxEfficacite(e);
    EXPECT_EQ(e.MatLocalisation2(1, 3), avant);
    e.PonderationPopulation = false;
    LocalisationDeuxEfficacite(e);
    EXPECT_EQ(e.MatLocalisation2(1, 1), 1.0f + 32000 + 31 + 41);
    EXPECT_EQ(e.MatLocalisation2(2, 4), e.MatLocalisation2(4, 2));

    Tirage(e, 2, 12);
    r.CheminsMin(1, 2).Valeur = 12;
    r.CheminsMin(2, 1).Valeur = 21;
    LocalisationDeuxEquite(e);
    EXPECT_EQ(e.MatLocalisation2(1, 2), 0);
    EXPECT_EQ(e.MatLocalisation2(1, 1), 21);
    EXPECT_EQ(e.MatLocalisation2(2, 2), 12);
    LocalisationTroisEquite(e);
    EXPECT_EQ(e.MatLocalisation3(1, 1, 2), 0);
    EXPECT_EQ(e.MatLocalisation3(1, 1, 1), 21);
}

// Progress once per first candidate, with the message of the criterion.
TEST(Localisation, Progression) {
    test::Session s;
    Etat& e = s.e;
    Tirage(e, 130, 13);
    LocalisationDeuxEquite(e);
    EXPECT_EQ(s.port.tempsMontres, 1);
    EXPECT_EQ(s.port.tempsCaches, 1);
    EXPECT_EQ(s.port.pourcentages.size(), 130u);
    EXPECT_EQ(s.port.textesTemps.front(),
              "Calcul de la distance à parcourir par l'individu le plus éloigné de l'équipement "
              "le plus proche...");
    s.port.pourcentages.clear();
    LocalisationTrois(e, true, [](std::int32_t, const float*) {});
    EXPECT_EQ(s.port.pourcentages.size(), 130u);
    EXPECT_EQ(s.port.tempsCaches, 2);
    EXPECT_EQ(s.port.textesTemps.back(),
              "Cumul des distances à parcourir par les individus pour se rendre à l'équipement "
              "le plus proche...");
}

// Sioux Falls: the best pair and the best triple of both criteria against a brute force in
// Double over the distances of the computed shortest paths.
TEST(Localisation, SiouxFalls) {
    const std::string base = std::string(VEK_SOURCE_DIR) + "/../shared/data/SiouxFalls/";
    if (!std::filesystem::exists(base + "arcs.dat"))
        GTEST_SKIP() << "../shared/data is absent: Sioux Falls not checked";
    test::Session s;
    s.port.fichiers = {base + "noeuds.dat", base + "arcs.dat"};
    menOuvrir(s.e);
    Etat& e = s.e;
    ASSERT_EQ(e.NbNoeuds, 24);
    ASSERT_TRUE(CalculCheminsMinimaux(e));
    const TablesChemins& r = e;
    const std::int32_t n = e.NbNoeuds;
    e.PonderationPopulation = true;
    for (bool efficacite : {true, false}) {
        auto valeur = [&](std::vector<std::int32_t> c) {
            double total = 0;
            for (std::int32_t k = 1; k <= n; ++k) {
                double plus = 1e300;
                for (std::int32_t x : c)
                    plus = std::min<double>(plus,
                                            efficacite && x == k ? 1.0 : r.CheminsMin(k, x).Valeur);
                if (efficacite)
                    total += e.Noeuds[k].Population * plus;
                else
                    total = std::max(total, plus);
            }
            return total;
        };
        double meilleure2 = 1e300, meilleure3 = 1e300;
        for (std::int32_t a = 1; a <= n; ++a)
            for (std::int32_t b = a; b <= n; ++b) {
                meilleure2 = std::min(meilleure2, valeur({a, b}));
                for (std::int32_t c = b; c <= n; ++c)
                    meilleure3 = std::min(meilleure3, valeur({a, b, c}));
            }
        efficacite ? LocalisationDeuxEfficacite(e) : LocalisationDeuxEquite(e);
        efficacite ? LocalisationTroisEfficacite(e) : LocalisationTroisEquite(e);
        float min2 = 1e30f, min3 = 1e30f;
        for (std::int32_t a = 1; a <= n; ++a)
            for (std::int32_t b = a; b <= n; ++b) {
                min2 = std::min(min2, e.MatLocalisation2(a, b));
                for (std::int32_t c = b; c <= n; ++c)
                    min3 = std::min(min3, e.MatLocalisation3(a, b, c));
            }
        EXPECT_EQ(min2, static_cast<float>(meilleure2)) << efficacite;
        EXPECT_EQ(min3, static_cast<float>(meilleure3)) << efficacite;
        EXPECT_LT(min3, min2);
    }
}

// A tiny network for the fixed layouts, with an accented name and an unreachable pair.
void Petit(Etat& e) {
    e.NbNoeuds = 3;
    e.Noeuds.assign(4, Noeud{});
    const char* noms[] = {"", "Orléans", "Tours", "Blois"};
    const std::int32_t populations[] = {0, 116000, 136000, 46000};
    for (std::int32_t i = 1; i <= 3; ++i) {
        e.Noeuds[i].Code = 1000 + i;
        e.Noeuds[i].Nom = Cadre(noms[i], 50);
        e.Noeuds[i].Population = populations[i];
    }
    TablesChemins& r = e;
    r.CheminsMin.Dimensionne(3);
    const float d[4][4] = {
        {0, 0, 0, 0}, {0, 0, 112.5f, 59.25f}, {0, 112.5f, 0, 32000}, {0, 59.25f, 54, 0}};
    for (std::int32_t i = 1; i <= 3; ++i)
        for (std::int32_t j = 1; j <= 3; ++j) r.CheminsMin(i, j).Valeur = d[i][j];
}

void CompareAuFichierDeReference(const std::string& ecrit, const std::string& nom) {
    const std::string reference = test::Source("tests/data/golden/location/" + nom);
    if (std::getenv("VEK_REGENERE_REFERENCES"))
        test::EcritOctets(reference, test::LitOctets(ecrit));
    EXPECT_EQ(test::LitOctets(ecrit), test::LitOctets(reference)) << nom;
}

// The layouts of the path matrix and of both location files.
TEST(Localisation, FichiersDeReference) {
    test::Session s;
    Etat& e = s.e;
    Petit(e);
    e.PonderationPopulation = true;
    const std::string chem = s.dossier / "MatChem0.dat";
    EcritureMatriceChemins(e, chem, DispositionMatrice::Chemins);
    CompareAuFichierDeReference(chem, "MatChem0.dat");
    LocalisationDeuxEfficacite(e);
    const std::string loc2 = s.dossier / "Loc2eff.dat";
    EcritureMatriceChemins(e, loc2, DispositionMatrice::Localisation2);
    CompareAuFichierDeReference(loc2, "Loc2eff.dat");
    LocalisationTroisEquite(e);
    const std::string loc3 = s.dossier / "Loc3eq.dat";
    EcritureMatriceChemins(e, loc3, DispositionMatrice::Localisation3);
    CompareAuFichierDeReference(loc3, "Loc3eq.dat");

    // Values given by the caller instead of CheminsMin, one too wide for its column.
    Matrice<float> v(4, 4, 2.5f);
    v(3, 1) = 1e16f;
    EcritureMatriceChemins(e, chem, DispositionMatrice::Chemins, &v);
    const std::string texte = test::LitOctets(chem);
    EXPECT_NE(texte.find("0003 0001 ******************** Blois"), std::string::npos);
    EXPECT_NE(texte.find("0001 0001 000000000000002.5000 Orl"), std::string::npos);
    ASSERT_EQ(s.port.messages.size(), 1u);
    EXPECT_NE(s.port.messages[0].texte.find("1 valeur(s) trop grande(s)"), std::string::npos);
}

struct Combinaison3 {
    float v;
    std::int32_t a, b, c;
    bool operator<(const Combinaison3& o) const {
        return std::tie(v, a, b, c) < std::tie(o.v, o.a, o.b, o.c);
    }
};

// A result file named by the system's path text.
std::string Lu(const Etat& e, const std::string& chemin) {
    return test::LitOctets(CheminDe(e, chemin).string());
}

std::int64_t Lignes(const Etat& e, const std::string& chemin) {
    const std::string t = Lu(e, chemin);
    return std::count(t.begin(), t.end(), '\n');
}

// The step of the outputs: the file of each search, the question before a long one, the best
// combinations when the file cannot fit, and nothing at all after a "Non".
TEST(Localisation, Etape) {
    test::Session s;
    Etat& e = s.e;
    Tirage(e, 20, 21);
    const std::string dossier = s.dossier.Chemin().string();
    e.NbEquipements = 1;
    EXPECT_EQ(Localisation(e, true), "");

    e.NbEquipements = 2;
    const std::string loc2 = Localisation(e, true);
    EXPECT_EQ(loc2, CheminResultat(e, "\\Loc2eff.dat"));
    EXPECT_EQ(Lignes(e, loc2), 20 * 21 / 2);
    EXPECT_TRUE(s.port.messages.empty());

    // The streamed file is the file of the whole table.
    e.NbEquipements = 3;
    const std::string loc3 = Localisation(e, false);
    EXPECT_EQ(loc3, CheminResultat(e, "\\Loc3eq.dat"));
    EXPECT_TRUE(e.MatLocalisation3.valeurs.empty());
    LocalisationTroisEquite(e);
    const std::string entier = s.dossier / "entier.dat";
    EcritureMatriceChemins(e, entier, DispositionMatrice::Localisation3);
    EXPECT_EQ(Lu(e, loc3), test::LitOctets(entier));
    EXPECT_TRUE(s.port.messages.empty());

    // A search said to be long asks first; "Non" writes nothing and says nothing more.
    SeuilsLocalisation longue;
    longue.secondesSansQuestion = 0;
    std::filesystem::remove(CheminDe(e, loc3));
    s.port.reponsesOuiNon = {false};
    EXPECT_EQ(Localisation(e, false, longue), "");
    ASSERT_EQ(s.port.messages.size(), 1u);
    EXPECT_EQ(s.port.messages[0].boutons, Boutons::OuiNon);
    EXPECT_EQ(s.port.messages[0].icone, Icone::Question);
    EXPECT_EQ(s.port.messages[0].titre, "LocEq");
    EXPECT_NE(s.port.messages[0].texte.find("1 540 combinaisons"), std::string::npos);
    EXPECT_NE(s.port.messages[0].texte.find("Voulez-vous continuer ?"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(CheminDe(e, loc3)));
    s.port.reponsesOuiNon = {true};
    EXPECT_EQ(Localisation(e, false, longue), loc3);
    EXPECT_EQ(Lignes(e, loc3), 1540);

    // Too little room: the best ones only, best first.
    SeuilsLocalisation etroit;
    etroit.espaceLibre = 10000;
    etroit.meilleures = 7;
    s.port.messages.clear();
    s.port.reponsesOuiNon = {false};
    std::filesystem::remove(CheminDe(e, loc3));
    EXPECT_EQ(Localisation(e, false, etroit), "");
    ASSERT_EQ(s.port.messages.size(), 1u);
    EXPECT_NE(s.port.messages[0].texte.find("les 7 meilleures combinaisons"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(CheminDe(e, loc3)));
    s.port.reponsesOuiNon = {true};
    EXPECT_EQ(Localisation(e, false, etroit), loc3);
    LocalisationTroisEquite(e);
    std::vector<Combinaison3> attendues;
    for (std::int32_t a = 1; a <= 20; ++a)
        for (std::int32_t b = a; b <= 20; ++b)
            for (std::int32_t c = b; c <= 20; ++c)
                attendues.push_back({e.MatLocalisation3(a, b, c), a, b, c});
    std::sort(attendues.begin(), attendues.end());
    std::string attendu;
    for (std::size_t i = 0; i < 7; ++i) {
        char t[40];
        std::snprintf(t, sizeof t, "%04d %04d %04d ", attendues[i].a, attendues[i].b,
                      attendues[i].c);
        attendu += t;
        attendu += Champ(attendues[i].v, "000000000000000.0000") + " " +
                   e.Noeuds[attendues[i].a].Nom + " " + e.Noeuds[attendues[i].b].Nom + " " +
                   e.Noeuds[attendues[i].c].Nom + "\r\n";
    }
    EXPECT_EQ(Lu(e, loc3), attendu);

    e.NbEquipements = 2;
    s.port.reponsesOuiNon = {true};
    EXPECT_EQ(Localisation(e, true, etroit), loc2);
    EXPECT_EQ(Lignes(e, loc2), 7);
}

}  // namespace
}  // namespace vek
