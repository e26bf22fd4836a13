// Reading and writing the node and arc files.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include "PortTest.h"
#include "Reseaux.h"
#include "network/FichierArcs.h"
#include "network/FichierNoeuds.h"
#include "network/Temps.h"
#include "shell/Fichiers.h"
#include "vek/CommandesReseau.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;
using test::Session;

TEST(Temps, ConversionsHeuresMinutes) {
    struct Cas {
        double hhmm, minutes;
    } cas[] = {{920, 560}, {2400, 1440}, {59, 59}, {2430, 1470}, {0, 0}, {130, 90}};
    for (const auto& c : cas) {
        EXPECT_EQ(HeuresMinutesEnMinutes(c.hhmm), c.minutes) << c.hhmm;
        if (c.hhmm != 2430 && c.hhmm != 2400) {
            EXPECT_EQ(MinutesEnHeuresMinutes(c.minutes), c.hhmm);
        }
    }
    EXPECT_EQ(MinutesEnHeuresMinutes(1440), 2400);
    EXPECT_EQ(MinutesEnHeuresMinutes(-5), -5);
    EXPECT_DOUBLE_EQ(MinutesEnHeuresMinutes(75.5), 115.5);
    // Huge and non-finite times come back at once instead of looping.
    EXPECT_EQ(MinutesEnHeuresMinutes(6e11), 1e12);
    EXPECT_TRUE(std::isinf(MinutesEnHeuresMinutes(INFINITY)));
    EXPECT_TRUE(std::isnan(MinutesEnHeuresMinutes(NAN)));
}

TEST(Modes, RecherchesEtOrientation) {
    test::PortTest port;
    Etat e(port);
    RechercheMode(e, 702);
    EXPECT_EQ(e.ModeCourant.Nom, "Route 55 PL");
    EXPECT_EQ(e.ModeCourant.Vitesse, 55);
    EXPECT_EQ(e.ModeCourant.VitesseMax, 0);
    EXPECT_FALSE(e.ModeCourant.Oriente);
    RechercheMode(e, 4242);  // unknown: read as a mode that is not kept
    EXPECT_FALSE(e.ModeCourant.Selectionne);
    EXPECT_TRUE(e.ModeCourant.Nom.empty());
    RechercheModeParNom(e, "Bus 25");
    EXPECT_EQ(e.ModeCourant.Code, 813);
    e.ModeCourant.Vitesse = 30;
    EnregistreModeParNom(e, "Bus 25");
    RechercheMode(e, 813);
    EXPECT_EQ(e.ModeCourant.Vitesse, 30);
    InitialisationModes(e);
    RechercheMode(e, 813);
    EXPECT_EQ(e.ModeCourant.Vitesse, 25);
    for (int code : {1, 3, 31, 4, 41, 812, 813}) {
        EXPECT_TRUE(EstModeHoraire(code));
        Session s;
        ASSERT_TRUE(s.Ouvre(LigneNoeud("A", 1) + LigneNoeud("B", 2),
                            LigneArc(1, 2, 7, 10, 0) + LigneArc(1, 2, code, 10, 5)));
        EXPECT_TRUE(s.e.Oriente) << code;
    }
    Session s;
    ASSERT_TRUE(s.Ouvre(LigneNoeud("A", 1) + LigneNoeud("B", 2),
                        LigneArc(1, 2, 7, 10, 0) + LigneArc(2, 1, 3, 10, 5)));
    ASSERT_EQ(s.e.NbModes, 2);
    EXPECT_EQ(s.e.ModesReseau[1].Nom, "Route 70 VI");
    EXPECT_EQ(s.e.ModesReseau[2].Nom, "TGV 220");
}

TEST(LectureArcs, ConversionsDesTemps) {
    Session s;
    std::string noeuds = LigneNoeud("A", 1) + LigneNoeud("B", 2);
    std::string arcs = LigneArc(1, 2, 3, 100, 0, 2330, 15) +  // past midnight
                       LigneArc(1, 2, 3, 100, 130) +          // no schedule: file time stands
                       LigneArc(1, 2, 7, 35, 999) +           // recomputed from the distance
                       LigneArc(1, 2, 7, 0, 30) +             // distance from the time
                       LigneArc(1, 2, 41, 20, 0, 800, 845);
    ASSERT_TRUE(s.Ouvre(noeuds, arcs));
    ASSERT_EQ(s.e.NbArcs, 5);
    const auto& a = s.e.Arcs;
    EXPECT_EQ(a[1].HeureDepart, 1410);
    EXPECT_EQ(a[1].HeureArrivee, 15);
    EXPECT_EQ(a[1].Temps, 45);
    EXPECT_EQ(a[2].Temps, 90);
    EXPECT_EQ(a[3].Temps, 30);
    EXPECT_EQ(a[4].Distance, 35);
    EXPECT_EQ(a[5].Temps, 45);
    EXPECT_EQ(a[5].HeureDepart, 480);
    EXPECT_EQ(a[3].Vitesse, 70);
    EXPECT_EQ(a[3].VitesseMax, 90);
    EXPECT_TRUE(s.port.messages.empty());
}

TEST(LectureArcs, MessagesDErreur) {
    Session s;
    std::string arcs = LigneArc(1, 2, 3, 10, 0, 2500, 100) +  // arrival cannot follow
                       LigneArc(1, 2, 7, 0, 0);               // zero length and time
    ASSERT_TRUE(s.Ouvre(LigneNoeud("A", 1) + LigneNoeud("B", 2), arcs));
    // The third: both arcs of time 0 are left out of the minimal-arc matrix.
    ASSERT_EQ(s.port.messages.size(), 3u);
    EXPECT_EQ(s.port.messages[2].texte.rfind("2 arc(s) de valeur nulle", 0), 0u);
    EXPECT_EQ(s.port.messages[0].texte,
              "T.C. 1  -  2 (ligne 1 du fichier arcs) :\nHeure de départ = 1500\n"
              "Heure d'arrivée = 1500\nPrière de corriger cette erreur");
    EXPECT_EQ(s.port.messages[0].titre, "Erreur dans le fichier des arcs");
    EXPECT_EQ(s.port.messages[0].icone, Icone::Critique);
    EXPECT_EQ(s.port.messages[1].texte,
              "Ligne 2 du fichier arcs :\nLa distance et le temps de trajet ont une valeur "
              "nulle !\nPrière de corriger cette erreur");
    EXPECT_EQ(s.e.NbArcs, 2);  // both arcs stay
}

TEST(LectureArcs, ModesNonRetenusEtLimites) {
    test::PortTest port;
    Etat e(port);
    test::DossierTemporaire d;
    RechercheMode(e, 72);
    e.ModeCourant.Selectionne = false;
    EnregistreModeParNom(e, "Route 50 VI");
    std::string arcs;
    for (int k = 0; k < 6; ++k) arcs += LigneArc(1, 2, k % 2 ? 72 : 7, 10, 0);
    arcs += LigneArc(1, 2, 999, 10, 0) + LigneArc(1, 2, 7, 10, 0, 0, 0, 99999);
    test::EcritOctets(d / "a.dat", arcs);
    // Unselected arcs are dropped silently and do not count towards the maximum of 3 + 1.
    EXPECT_EQ(LectureFichierArcs(e, d / "a.dat", 4), 3);
    EXPECT_EQ(port.Compte("ignorés"), 0);
    EXPECT_EQ(port.Compte("seuls les 3 premiers arcs"), 1);
    port.messages.clear();
    EXPECT_EQ(LectureFichierArcs(e, d / "a.dat", 100), 3);
    EXPECT_EQ(port.Compte("1 arc(s) d'un mode inconnu ont été ignorés (ligne(s) 7 "), 1);
    EXPECT_EQ(port.Compte("(ligne(s) 8 du fichier arcs ; jours de circulation 0099999)"), 1);
}

TEST(LectureNoeuds, ChampsEtCodesEnDouble) {
    Session s;
    std::string noeuds = LigneNoeud("Angoulême", 9876543210LL, 42000, 12.5, 7.25) +
                         LigneNoeud("Double", 7) + LigneNoeud("Double bis", 7) + "court" +
                         std::string(51, ' ') + "3\r\n";
    ASSERT_TRUE(s.Ouvre(noeuds, LigneArc(7, 9876543210LL, 7, 10, 0)));
    ASSERT_EQ(s.e.NbNoeuds, 4);
    EXPECT_EQ(s.e.Noeuds[1].Code, 9876543210LL);
    EXPECT_EQ(s.e.Noeuds[1].Population, 42000);
    EXPECT_EQ(s.e.Noeuds[1].X, 12.5f);
    EXPECT_EQ(NombreCaracteres(s.e.Noeuds[1].Nom), 50u);
    EXPECT_EQ(s.e.Noeuds[4].Code, 3);  // a short line gives empty fields
    EXPECT_EQ(s.e.Noeuds[4].Population, 0);
    EXPECT_EQ(s.e.Arcs[1].IndiceOrigine, 2);  // the first node with the code
    EXPECT_EQ(s.e.Arcs[1].IndiceDestination, 1);
    EXPECT_EQ(s.e.PopulationTotale, 42000);
}

TEST(Ecriture, NoeudsEtArcsRelusALIdentique) {
    Session s;
    std::string noeuds = LigneNoeud("Saint-Étienne", 12, 1500, 1.5, 2.25) +
                         LigneNoeud("Port-Noël", 345, 99999999, 9999.999, 0.001);
    std::string arcs = LigneArc(12, 345, 3, 58.667, 16, 2350, 12, 127, 101) +
                       LigneArc(12, 345, 61, 47.267, 32, 0, 0, 0, 4519, 3000);
    ASSERT_TRUE(s.Ouvre(noeuds, arcs));
    s.e.NomFichierNoeudsEcrits = s.dossier / "n2.dat";
    s.e.NomFichierArcsEcrits = s.dossier / "a2.dat";
    ASSERT_EQ(ExecuteCommande(s.e, "menEditNoeuds"), Issue::Faite);
    ASSERT_EQ(ExecuteCommande(s.e, "menEditArcs"), Issue::Faite);
    EXPECT_EQ(test::LitOctets(s.dossier / "n2.dat"), noeuds);
    std::string relu = test::LitOctets(s.dossier / "a2.dat");
    EXPECT_EQ(relu.substr(0, relu.find('\r')),
              "0000000012 0000000345 0003 0058.667 0022 2350 0012 0000127 000101 000000 "
              "Saint-Étie Port-Noël ");
    EXPECT_EQ(NombreCaracteres(relu.substr(0, relu.find('\r'))), 94u);
    EXPECT_EQ(s.port.lances.back(), "xdg-open " + (s.dossier / "a2.dat"));
    EXPECT_EQ(s.e.RepNoeudsNivN, "c:\\");
}

TEST(Ecriture, ValeurTropLargeSignaleeSansDecalerLesColonnes) {
    Session s;
    ASSERT_TRUE(s.Ouvre(LigneNoeud("A", 1) + LigneNoeud("B", 2), LigneArc(1, 2, 7, 10, 0)));
    s.e.Noeuds[1].X = 123456.0f;
    s.e.Arcs[1].Temps = -5;
    s.e.NomFichierNoeudsEcrits = s.dossier / "n2.dat";
    s.e.NomFichierArcsEcrits = s.dossier / "a2.dat";
    ExecuteCommande(s.e, "menEditNoeuds");
    ExecuteCommande(s.e, "menEditArcs");
    std::string n = test::LitOctets(s.dossier / "n2.dat");
    EXPECT_EQ(n.substr(71, 8), "********");
    EXPECT_EQ(n.find("\r\n"), 99u);
    EXPECT_EQ(s.port.Compte("1 valeur(s) trop grande(s)"), 1);
    EXPECT_EQ(test::LitOctets(s.dossier / "a2.dat").substr(36, 4), "-005");
}

TEST(Ecriture, ExempleRelusOctetPourOctet) {
    for (const char* dossier : {"examples/utf8", "examples/cp1252"}) {
        Session s;
        s.port.fichiers = {test::Source(std::string(dossier) + "/noeuds.dat"),
                           test::Source(std::string(dossier) + "/arcs.dat")};
        menOuvrir(s.e);
        ASSERT_GE(s.e.NbNoeuds, 40) << dossier;
        EXPECT_TRUE(s.port.messages.empty()) << s.port.messages[0].texte;
        s.e.NomFichierNoeudsEcrits = s.dossier / "n.dat";
        s.e.NomFichierArcsEcrits = s.dossier / "a.dat";
        ExecuteCommande(s.e, "menEditNoeuds");
        ExecuteCommande(s.e, "menEditArcs");
        EXPECT_EQ(test::LitOctets(s.dossier / "n.dat"),
                  test::LitOctets(test::Source(std::string(dossier) + "/noeuds.dat")));
        EXPECT_EQ(test::LitOctets(s.dossier / "a.dat"),
                  test::LitOctets(test::Source(std::string(dossier) + "/arcs.dat")));
    }
}

TEST(LectureArcs, LongueursEtTempsNegatifsIgnores) {
    Session s;
    std::string arcs = LigneArc(1, 2, 7, 10, 0) + LigneArc(2, 3, 7, -10, 0) +  // negative length
                       LigneArc(3, 1, 3, 0, -30) +                             // negative time
                       LigneArc(2, 3, 7, 0, -100) + LigneArc(3, 1, 7, 12, 0);
    ASSERT_TRUE(s.Ouvre(LigneNoeud("A", 1) + LigneNoeud("B", 2) + LigneNoeud("C", 3), arcs));
    ASSERT_EQ(s.e.NbArcs, 2);
    EXPECT_EQ(s.e.Arcs[2].Origine, 3);
    ASSERT_EQ(s.port.messages.size(), 1u);
    EXPECT_EQ(s.port.messages[0].texte,
              "3 arc(s) de longueur ou de temps négatif ont été ignorés (ligne(s) 2, 3, 4 du "
              "fichier arcs)");
    EXPECT_EQ(s.port.messages[0].titre, "Erreur dans le fichier des arcs");
    EXPECT_EQ(s.port.messages[0].icone, Icone::Critique);
}

// The bytes of an ASCII text in UTF-16, little- or big-endian, with or without the mark.
std::string EnUtf16(const std::string& texte, bool grandBoutiste, bool marque) {
    std::string o;
    if (marque) o = grandBoutiste ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : texte) {
        if (grandBoutiste) o += '\0';
        o += c;
        if (!grandBoutiste) o += '\0';
    }
    return o;
}

TEST(LectureFichiers, FinsDeLigneEtUtf16) {
    const std::string noeuds = LigneNoeud("A", 1) + LigneNoeud("B", 2) + LigneNoeud("C", 3);
    const std::string arcs = LigneArc(1, 2, 7, 10, 0) + LigneArc(2, 3, 7, 12, 0);
    auto fins = [](std::string t, const std::string& fin) {
        for (std::size_t p = 0; (p = t.find("\r\n", p)) != std::string::npos; p += fin.size())
            t.replace(p, 2, fin);
        return t;
    };
    for (const char* fin : {"\r", "\n", "\r\n"}) {
        Session s;
        ASSERT_TRUE(s.Ouvre(fins(noeuds, fin), fins(arcs, fin))) << int(fin[0]);
        EXPECT_EQ(s.e.NbNoeuds, 3);
        EXPECT_EQ(s.e.NbArcs, 2);
        EXPECT_TRUE(s.port.messages.empty()) << s.port.messages[0].texte;
    }
    {  // line ends mixed in one file
        Session s;
        ASSERT_TRUE(
            s.Ouvre(fins(noeuds, "\r").substr(0, 100) + fins(noeuds, "\n").substr(100), arcs));
        EXPECT_EQ(s.e.NbNoeuds, 3);
    }

    for (bool grand : {false, true}) {
        for (bool marque : {false, true}) {
            SCOPED_TRACE(std::string(grand ? "BE" : "LE") + (marque ? " avec marque" : ""));
            Session s;
            EXPECT_FALSE(s.Ouvre(EnUtf16(noeuds, grand, marque), arcs));
            EXPECT_EQ(s.e.NbNoeuds, 0);
            ASSERT_EQ(s.port.messages.size(), 1u);
            const auto& m = s.port.messages[0];
            EXPECT_NE(m.texte.find(std::string(" est codé en UTF-16 ") + (grand ? "BE" : "LE")),
                      std::string::npos)
                << m.texte;
            EXPECT_NE(m.texte.find("enregistrez-le en UTF-8 ou en Windows-1252 (ANSI)"),
                      std::string::npos);
            EXPECT_EQ(m.titre, "Erreur dans le fichier des noeuds");
            EXPECT_EQ(m.icone, Icone::Critique);

            Session a;
            EXPECT_FALSE(a.Ouvre(noeuds, EnUtf16(arcs, grand, marque)));
            EXPECT_EQ(a.port.Compte(" est codé en UTF-16 "), 1);
            ASSERT_FALSE(a.port.messages.empty());
            EXPECT_EQ(a.port.messages[0].titre, "Erreur dans le fichier des arcs");
        }
    }
}

TEST(LectureFichiers, CodesQuiNeSontPasDesNombres) {
    Session s;
    std::string noeuds = LigneNoeud("A", 1) + std::string(20000, 'x') + "\r\n" +
                         LigneNoeud("B", 2) + "\r\n" + "court\r\n" + LigneNoeud("C", 3);
    noeuds.replace(noeuds.rfind("0000000003"), 10, "   trois  ");
    std::string arcs =
        LigneArc(1, 2, 7, 10, 0) + LigneArc(1, 2, 7, 10, 0).replace(0, 10, "un        ");
    arcs += LigneArc(1, 2, 7, 10, 0).replace(11, 10, "-         ");
    ASSERT_TRUE(s.Ouvre(noeuds, arcs));
    EXPECT_EQ(s.e.NbNoeuds, 2);
    EXPECT_EQ(s.e.Noeuds[2].Code, 2);
    EXPECT_EQ(s.e.NbArcs, 1);
    ASSERT_EQ(s.port.messages.size(), 2u);
    EXPECT_EQ(s.port.messages[0].texte,
              "4 ligne(s) dont le code n'est pas un nombre ont été ignorées (ligne(s) 2, 4, 5, 6 "
              "du fichier des noeuds)");
    EXPECT_EQ(s.port.messages[0].titre, "Erreur dans le fichier des noeuds");
    EXPECT_EQ(s.port.messages[1].texte,
              "2 arc(s) dont le code d'origine ou de destination n'est pas un nombre ont été "
              "ignorés (ligne(s) 2, 3 du fichier arcs)");
    EXPECT_EQ(s.port.messages[1].titre, "Erreur dans le fichier des arcs");
}

TEST(LectureFichiers, DerniereLigneTronquee) {
    const std::string noeuds = LigneNoeud("A", 1) + LigneNoeud("B", 2);
    const std::string arcs =
        LigneArc(1, 2, 7, 10, 0, 0, 0, 127) + LigneArc(2, 1, 7, 10, 0, 0, 0, 127);
    auto sansFin = [](const std::string& t) { return t.substr(0, t.size() - 2); };
    {  // complete records without a last line end are read in full
        Session s;
        ASSERT_TRUE(s.Ouvre(sansFin(noeuds), sansFin(arcs)));
        EXPECT_EQ(s.e.NbNoeuds, 2);
        EXPECT_EQ(s.e.NbArcs, 2);
        EXPECT_TRUE(s.port.messages.empty()) << s.port.messages[0].texte;
    }
    // The Y coordinate lost, the days cut from 0000127 to 000012.
    Session s;
    ASSERT_TRUE(s.Ouvre(noeuds + LigneNoeud("C", 3).substr(0, 80),
                        arcs + LigneArc(1, 3, 7, 10, 0, 0, 0, 127).substr(0, 57)));
    EXPECT_EQ(s.e.NbNoeuds, 2);
    EXPECT_EQ(s.e.NbArcs, 2);
    ASSERT_EQ(s.port.messages.size(), 2u);
    EXPECT_EQ(s.port.messages[0].texte,
              "La ligne 3, la dernière du fichier des noeuds, est incomplète : le fichier semble "
              "tronqué. Elle a été ignorée.");
    EXPECT_EQ(s.port.messages[0].titre, "Erreur dans le fichier des noeuds");
    EXPECT_EQ(s.port.messages[1].texte,
              "La ligne 3, la dernière du fichier arcs, est incomplète : le fichier semble "
              "tronqué. Elle a été ignorée.");
    EXPECT_EQ(s.port.messages[1].titre, "Erreur dans le fichier des arcs");
}

// Peak memory of the process, in kilobytes.
long PicMemoireKo() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

TEST(LectureArcs, MemoireBorneeParLesArcsGardes) {
    // Two million empty lines: holding each line would take over a hundred megabytes.
    test::DossierTemporaire d;
    test::EcritOctets(d / "a.dat", std::string(4'000'000, '\n'));
    test::PortTest port;
    Etat e(port);
    const long avant = PicMemoireKo();
    EXPECT_EQ(LectureFichierArcs(e, d / "a.dat", kMaxArcs), 0);
    EXPECT_LT(PicMemoireKo() - avant, 40'000);
    EXPECT_EQ(port.Compte("4000000 arc(s) d'un mode inconnu ont été ignorés (ligne(s) 1, 2, 3, 4, "
                          "5, ... du fichier arcs)"),
              1);
}

}  // namespace
}  // namespace vek
