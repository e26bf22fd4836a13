// The nodality indicators: values on tiny networks, the mends, and the incidence-list
// routines against plain scans of the whole arc table on random networks.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "Reseaux.h"
#include "indicators/Nodalite.h"
#include "network/TablesLues.h"
#include "validation/IntegrationNodale.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

double C(double d) {
    return d <= 1 ? 0 : d * std::log10(d);
}

// Runs one indicator with the dialog's choices and gives the node values 1..NbNoeuds.
std::vector<double> Valeurs(Etat& e, const std::string& indicateur,
                            const std::string& ordre = "Ordre1",
                            const std::string& valuation = "Booléenne",
                            const std::string& modes = "Multimodal", const std::string& mode = "") {
    e.IndicVek = {indicateur, ordre, valuation, modes, mode};
    CalculNodalite(e);
    return {e.ValeursNoeuds.begin() + 1, e.ValeursNoeuds.end()};
}

TEST(Nodalite, DegresValenceAccessibilite) {
    // A two-way road A-B of 12.5 km (10 min), a one-way train A -> C of 100 km (30 min).
    test::Session s;
    ASSERT_TRUE(s.Ouvre(LigneNoeud("A", 1) + LigneNoeud("B", 2) + LigneNoeud("C", 3),
                        LigneArc(1, 2, 7, 12.5, 10) + LigneArc(1, 3, 3, 100, 30)));
    struct Cas {
        const char* indicateur;
        const char* valuation;
        std::vector<double> attendu;
    } cas[] = {
        {"Degré", "Booléenne", {3, 2, 1}},
        {"DemiDegréExt", "Booléenne", {2, 1, 0}},
        {"DemiDegréInt", "Booléenne", {1, 1, 1}},
        {"Degré", "Distance", {125, 25, 100}},
        {"DemiDegréExt", "Distance", {112.5, 12.5, 0}},
        {"Valence", "Booléenne", {-1, 0, 1}},
        {"Valence", "Distance", {-100, 0, 100}},
        {"NbNoeudsAccess", "Booléenne", {2, 1, 0}},
        {"IndConnex", "Booléenne", {C(2), 0, 0}},
        {"NodalitéAntiNodalité", "Booléenne", {3, 2, 2}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(Valeurs(s.e, c.indicateur, "Ordre1", c.valuation), c.attendu)
            << c.indicateur << ' ' << c.valuation;
    const double route = s.e.Arcs[1].Temps, train = s.e.Arcs[2].Temps;
    EXPECT_EQ(Valeurs(s.e, "Degré", "Ordre1", "Temps"),
              (std::vector<double>{2 * route + train, 2 * route, train}));

    // A mode that is not kept no longer counts for the degree family and the accessible
    // nodes, but still does for the connexion index and the nodality property.
    for (auto& m : s.e.TableModes)
        if (m.Code == 3) m.Selectionne = false;
    EXPECT_EQ(Valeurs(s.e, "Degré"), (std::vector<double>{2, 2, 0}));
    EXPECT_EQ(Valeurs(s.e, "Valence"), (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(Valeurs(s.e, "NbNoeudsAccess"), (std::vector<double>{1, 1, 0}));
    EXPECT_EQ(Valeurs(s.e, "IndConnex"), (std::vector<double>{C(2), 0, 0}));
    EXPECT_EQ(Valeurs(s.e, "NodalitéAntiNodalité"), (std::vector<double>{3, 2, 2}));

    // "Gain de contiguité" computes nothing.
    s.e.ValeursNoeuds = {0, 7, 8, 9};
    EXPECT_EQ(Valeurs(s.e, "Gain1"), (std::vector<double>{7, 8, 9}));
}

TEST(Nodalite, IndicesDeConnexionEtNodalite) {
    // X has three road arcs and two train arcs; a node of three arcs has index 3·log10(3).
    std::string arcs = LigneArc(1, 2, 7, 1, 1) + LigneArc(3, 1, 7, 1, 1) + LigneArc(1, 4, 7, 1, 1) +
                       LigneArc(1, 5, 3, 1, 1) + LigneArc(5, 1, 3, 1, 1) + LigneArc(6, 6, 7, 1, 1);
    std::string noeuds;
    for (int i = 1; i <= 6; ++i) noeuds += LigneNoeud(std::string(1, char('W' + i)), i);
    test::Session s;
    ASSERT_TRUE(s.Ouvre(noeuds, arcs));
    Etat& e = s.e;
    EXPECT_EQ(Valeurs(e, "IndConnex")[0], C(5));
    EXPECT_NEAR(C(3), 1.431, 5e-4);
    EXPECT_NEAR(C(2), 0.602, 5e-4);
    struct Cas {
        const char* indicateur;
        const char* modes;
        const char* mode;
        double x, t;  // node X (five arcs), node 5 (two train arcs)
    } cas[] = {
        {"IndIntraConnex", "Multimodal", "", C(3) + C(2), C(2)},
        {"IndInterConnex", "Multimodal", "", C(2) + C(3), C(2)},
        {"IndIntraConnex", "Unimodal", "Route 70 VI", C(3), 0},
        {"IndInterConnex", "Unimodal", "Route 70 VI", C(2), C(2)},
        {"IndIntraConnex", "Unimodal", "TGV 220", C(2), C(2)},
        {"NodalitéAntiNodalité", "Unimodal", "Route 70 VI", 3, 0},
        {"NodalitéAntiNodalité", "Unimodal", "TGV 220", 3, 3},
    };
    for (const auto& c : cas) {
        auto v = Valeurs(e, c.indicateur, "Ordre1", "Booléenne", c.modes, c.mode);
        EXPECT_EQ(v[0], c.x) << c.indicateur << ' ' << c.mode;
        EXPECT_EQ(v[4], c.t) << c.indicateur << ' ' << c.mode;
    }
    // A loop arc is incident once: one arc, index 0, nodality 2.
    EXPECT_EQ(Valeurs(e, "IndConnex")[5], 0);
    EXPECT_EQ(Valeurs(e, "NodalitéAntiNodalité")[5], 2);
    // With "Missions" a train arc of mode 3 counts half: one gives 1, two give 2.
    e.TypeDonneesTC = "Missions";
    auto v = Valeurs(e, "NodalitéAntiNodalité");
    EXPECT_EQ(v[4], 2);
    EXPECT_EQ(v[0], 3);
    e.Arcs[5].Mode = 7;
    EXPECT_EQ(Valeurs(e, "NodalitéAntiNodalité", "Ordre1", "Booléenne", "Unimodal", "TGV 220")[4],
              1);
    // The last arc of the table counts like the others.
    EXPECT_EQ(Valeurs(e, "NodalitéAntiNodalité")[5], 2);
}

TEST(Nodalite, ContiguiteOrdre2) {
    // A road stored from B to A, a road A -> C, a train D -> A, a road loop at A, E alone.
    test::Session s;
    ASSERT_TRUE(s.Ouvre(LigneNoeud("A", 1) + LigneNoeud("B", 2) + LigneNoeud("C", 3) +
                            LigneNoeud("D", 4) + LigneNoeud("E", 5),
                        LigneArc(2, 1, 7, 1, 1) + LigneArc(1, 3, 7, 1, 1) +
                            LigneArc(4, 1, 3, 1, 1) + LigneArc(1, 1, 7, 1, 1)));
    Etat& e = s.e;
    EXPECT_EQ(Valeurs(e, "Degré"), (std::vector<double>{7, 2, 2, 1, 0}));
    // A: 7 + B + C; the road stored from B's side counts, the loop does not add A to itself,
    // the train runs from D to A only. D reaches A by its train.
    EXPECT_EQ(Valeurs(e, "Degré", "Ordre2"), (std::vector<double>{11, 9, 9, 8, 0}));
    EXPECT_EQ(e.NbArcsTravail, 4);
    // Outer half-degrees: A 1+1+0+1 = 3, B 1, C 1, D 1.
    EXPECT_EQ(Valeurs(e, "DemiDegréExt", "Ordre2"), (std::vector<double>{5, 4, 4, 4, 0}));
    // In timetable data the trains link both ways for the rail option and for modes 3 and 31
    // of the multimodal option.
    e.TypeDonneesTC = "JoursEtHeures";
    EXPECT_EQ(Valeurs(e, "Degré", "Ordre2", "Booléenne", "Multimodal"),
              (std::vector<double>{12, 9, 9, 8, 0}));
    EXPECT_EQ(Valeurs(e, "Degré", "Ordre2", "Booléenne", "Ferroviaire"),
              (std::vector<double>{12, 9, 9, 8, 0}));
    EXPECT_EQ(Valeurs(e, "Degré", "Ordre2", "Booléenne", "Route"),
              (std::vector<double>{11, 9, 9, 8, 0}));
    // Values are rounded to integers, halves to even, at each addition.
    e.Arcs[1].Distance = 0.25f;  // B-A
    e.Arcs[2].Distance = 0.5f;   // A-C
    e.Arcs[3].Distance = 0.75f;  // D-A
    e.Arcs[4].Distance = 0;
    e.TypeDonneesTC = "Base";
    // Order 1 by distance: A 0.5+1+0.75 = 2.25, B 0.5, C 1, D 0.75.
    EXPECT_EQ(Valeurs(e, "Degré", "Ordre1", "Distance"),
              (std::vector<double>{2.25, 0.5, 1, 0.75, 0}));
    // A: 2 -> +0.5 = 2.5 -> 2 -> +1 = 3; B: 0 (0.5 to even) + 2.25 -> 2; D: 1 + 2.25 -> 3.
    EXPECT_EQ(Valeurs(e, "Degré", "Ordre2", "Distance"), (std::vector<double>{3, 2, 3, 3, 0}));
}

TEST(Nodalite, NoeudsAccessiblesSansExtremiteManquante) {
    // An arc towards a code that no node has leaves its end unindexed: it is no neighbour.
    test::Session s;
    ASSERT_TRUE(s.Ouvre(LigneNoeud("A", 1) + LigneNoeud("B", 2),
                        LigneArc(1, 99, 7, 1, 1) + LigneArc(1, 2, 7, 1, 1)));
    ASSERT_EQ(s.e.Arcs[1].IndiceDestination, 0);
    EXPECT_EQ(Valeurs(s.e, "NbNoeudsAccess"), (std::vector<double>{1, 1}));
}

// Plain versions: every arc scanned for every node, as the indicators are defined.
struct Reference {
    Etat& e;
    bool Incident(const Arc& a, std::int64_t code) const {
        return a.Origine == code || a.Destination == code;
    }
    Mode ModeDe(const Arc& a) const {
        RechercheMode(e, a.Mode);
        return e.ModeCourant;
    }
    double Unite(const Arc& a) const {
        if (e.IndicVek.Valuation == "Booléenne") return 1;
        return e.IndicVek.Valuation == "Distance" ? a.Distance : a.Temps;
    }
    std::vector<double> Degre(Demi type) const {
        std::vector<double> v(e.NbNoeuds + 1, 0.0);
        for (int i = 1; i <= e.NbNoeuds; ++i)
            for (int k = 1; k <= e.NbArcs; ++k) {
                const Arc& a = e.Arcs[k];
                const auto code = e.Noeuds[i].Code;
                if (!Incident(a, code)) continue;
                Mode m = ModeDe(a);
                if (!m.Selectionne) continue;
                if (!m.Oriente)
                    v[i] += type == Demi::Degre ? 2 * Unite(a) : Unite(a);
                else if (type == Demi::Degre || (type == Demi::Exterieur && a.Origine == code) ||
                         (type == Demi::Interieur && a.Destination == code))
                    v[i] += Unite(a);
            }
        return v;
    }
    std::vector<double> Accessibles() const {
        std::vector<double> v(e.NbNoeuds + 1, 0.0);
        for (int i = 1; i <= e.NbNoeuds; ++i) {
            std::vector<bool> marque(e.NbNoeuds + 1, false);
            for (int k = 1; k <= e.NbArcs; ++k) {
                const Arc& a = e.Arcs[k];
                if (!Incident(a, e.Noeuds[i].Code)) continue;
                Mode m = ModeDe(a);
                if (!m.Selectionne) continue;
                if (!m.Oriente) {
                    marque[a.IndiceOrigine] = marque[a.IndiceDestination] = true;
                } else if (a.Origine == e.Noeuds[i].Code) {
                    marque[a.IndiceDestination] = true;
                }
            }
            marque[i] = false;
            for (int x = 1; x <= e.NbNoeuds; ++x) v[i] += marque[x];
        }
        return v;
    }
    std::vector<double> Connexion(bool inter, bool multimodal, int mode) const {
        std::vector<double> v(e.NbNoeuds + 1, 0.0);
        for (int i = 1; i <= e.NbNoeuds; ++i) {
            auto compte = [&](int m) {
                int a = 0;
                for (int k = 1; k <= e.NbArcs; ++k)
                    if (Incident(e.Arcs[k], e.Noeuds[i].Code) && (e.Arcs[k].Mode != m) == inter)
                        ++a;
                return a;
            };
            if (multimodal)
                for (int m = 1; m <= e.NbModes; ++m) v[i] += C(compte(e.ModesReseau[m].Code));
            else
                v[i] = C(compte(mode));
        }
        return v;
    }
    std::vector<double> Nodalite(int mode) const {
        std::vector<double> v(e.NbNoeuds + 1, 0.0);
        for (int i = 1; i <= e.NbNoeuds; ++i) {
            int score = 0;
            for (int k = 1; k <= e.NbArcs && score < 3; ++k) {
                const Arc& a = e.Arcs[k];
                if (Incident(a, e.Noeuds[i].Code) && (mode == 0 || a.Mode == mode))
                    score += e.TypeDonneesTC == "Missions" && a.Mode == 3 ? 1 : 2;
            }
            v[i] = score > 2 ? 3 : score;
        }
        return v;
    }
    std::vector<double> Ordre2(std::vector<double> v) const {
        std::vector<double> r(v.size(), 0.0);
        auto relie = [&](const Arc& a, int x, int y) {
            return a.Origine == e.Noeuds[x].Code && a.Destination == e.Noeuds[y].Code;
        };
        const bool horaires = e.TypeDonneesTC == "JoursEtHeures";
        for (int i = 1; i <= e.NbNoeuds; ++i) {
            r[i] = std::nearbyint(v[i]);
            if (v[i] == 0) continue;
            for (int j = 1; j <= e.NbNoeuds; ++j) {
                if (j == i || v[j] == 0) continue;
                for (int k = 1; k <= e.NbArcs; ++k) {
                    const Arc& a = e.Arcs[k];
                    const bool ij = relie(a, i, j), ji = relie(a, j, i);
                    if (!ij && !ji) continue;
                    const bool deuxSens =
                        horaires &&
                        (e.IndicVek.Modes == "Ferroviaire" ||
                         (e.IndicVek.Modes == "Multimodal" && (a.Mode == 31 || a.Mode == 3)));
                    if (deuxSens || ij || !ModeDe(a).Oriente) {
                        r[i] = std::nearbyint(r[i] + v[j]);
                        break;
                    }
                }
            }
        }
        return r;
    }
};

TEST(Nodalite, ListesDIncidenceCommeLesBalayagesComplets) {
    std::mt19937 alea(20261209);
    const int modes[] = {7, 71, 6, 2, 3, 31, 41, 812, 555};  // 555 is no known mode
    const char* types[] = {"Base", "Missions", "JoursEtHeures"};
    const char* valuations[] = {"Booléenne", "Distance", "Temps"};
    const char* optionsModes[] = {"Multimodal", "Ferroviaire", "Unimodal"};
    for (int essai = 0; essai < 40; ++essai) {
        test::PortTest port;
        Etat e(port);
        InitialisationModes(e);
        const int n = 1 + static_cast<int>(alea() % 30);
        const int m = static_cast<int>(alea() % 120);
        e.NbNoeuds = n;
        e.Noeuds.assign(n + 1, Noeud{});
        for (int i = 1; i <= n; ++i) e.Noeuds[i].Code = 1 + alea() % (n + 2);  // some shared
        e.NbArcs = m;
        e.Arcs.assign(m + 1, Arc{});
        for (int k = 1; k <= m; ++k) {
            Arc& a = e.Arcs[k];
            a.Origine = 1 + alea() % (n + 4);  // some codes of no node
            a.Destination = alea() % 8 == 0 ? a.Origine : 1 + alea() % (n + 4);
            a.Mode = static_cast<std::int16_t>(modes[alea() % std::size(modes)]);
            a.Distance = static_cast<float>(alea() % 400) / 8.0f;
            a.Temps = static_cast<float>(alea() % 90);
        }
        IndexationArcs(e);  // first node of each code, 0 where none
        ListeModesReseau(e);
        e.TableModes[alea() % e.TableModes.size()].Selectionne = false;
        e.TableModes[alea() % e.TableModes.size()].Oriente ^= true;
        e.TypeDonneesTC = types[alea() % 3];
        e.IndicVek.Valuation = valuations[alea() % 3];
        e.IndicVek.Modes = optionsModes[alea() % 3];
        Reference ref{e};
        auto calcule = [&](auto&& routine) {
            routine();
            return e.ValeursNoeuds;
        };
        for (Demi t : {Demi::Degre, Demi::Exterieur, Demi::Interieur}) {
            EXPECT_EQ(calcule([&] { CalculDegreFixe(e, t); }), ref.Degre(t));
            e.IndicVek.Indicateur = t == Demi::Degre       ? "Degré"
                                    : t == Demi::Exterieur ? "DemiDegréExt"
                                                           : "DemiDegréInt";
            std::vector<double> ordre1 = ref.Degre(t);
            EXPECT_EQ(calcule([&] {
                          CopieArcsTravail(e);
                          CalculContiguiteOrdre2(e);
                      }),
                      ref.Ordre2(ordre1))
                << "essai " << essai;
        }
        EXPECT_EQ(calcule([&] { CalculNbNoeudsAccessibles(e); }), ref.Accessibles());
        const int mode = modes[alea() % std::size(modes)];
        for (bool inter : {false, true})
            for (bool multi : {false, true})
                EXPECT_EQ(calcule([&] {
                              inter ? CalculInterConnexion(e, multi, mode)
                                    : CalculIntraConnexion(e, multi, mode);
                          }),
                          ref.Connexion(inter, multi, mode));
        EXPECT_EQ(calcule([&] { CalculProprieteNodalite(e, 0); }), ref.Nodalite(0));
        EXPECT_EQ(calcule([&] { CalculProprieteNodalite(e, mode); }), ref.Nodalite(mode));
    }
}

}  // namespace
}  // namespace vek
