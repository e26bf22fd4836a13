// The viewer's table of the two result layouts, on files written by the core's own writers:
// the rows read back, the numeric sort, the copy of the selected rows and the CSV export,
// whose values read back to the same numbers.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPlainTextEdit>
#include <QTableView>
#include <fstream>
#include <string>
#include <vector>

#include "LectureResultats.h"
#include "Reseaux.h"
#include "TableResultats.h"
#include "Visionneuse.h"
#include "network/ListeCouples.h"
#include "network/ValeursNoeuds.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

// The fields of CSV text (RFC 4180 quoting), line by line.
std::vector<QStringList> LitCsv(const QString& texte) {
    std::vector<QStringList> lignes;
    QStringList ligne;
    QString champ;
    bool guillemets = false;
    for (qsizetype k = 0; k < texte.size(); ++k) {
        const QChar c = texte[k];
        if (guillemets) {
            if (c == '"' && k + 1 < texte.size() && texte[k + 1] == '"') {
                champ += '"';
                ++k;
            } else if (c == '"') {
                guillemets = false;
            } else {
                champ += c;
            }
        } else if (c == '"') {
            guillemets = true;
        } else if (c == ',') {
            ligne << champ;
            champ.clear();
        } else if (c == '\n') {
            ligne << champ;
            lignes.push_back(ligne);
            ligne.clear();
            champ.clear();
        } else if (c != '\r') {
            champ += c;
        }
    }
    return lignes;
}

// The texts of a column of the view, in the order shown.
QStringList Colonne(QTableView* vue, int colonne) {
    QStringList r;
    for (int l = 0; l < vue->model()->rowCount(); ++l)
        r << vue->model()->index(l, colonne).data().toString();
    return r;
}

struct Fixture : ::testing::Test {
    int argc = 1;
    char nom[4] = "vek";
    char* argv[1] = {nom};
    QApplication* app = nullptr;
    test::Session s;
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = new QApplication(argc, argv);
        // Four nodes; the names hold an accent, a comma and quotes.
        ASSERT_TRUE(s.Ouvre(LigneNoeud("Angoulême", 16001) + LigneNoeud("Cognac, gare", 16102) +
                                LigneNoeud("Le \"Port\"", 17300) + LigneNoeud("Niort", 79191),
                            LigneArc(16001, 16102, 6, 40, 35) + LigneArc(16102, 17300, 6, 60, 50) +
                                LigneArc(17300, 79191, 6, 70, 60)));
    }
    void TearDown() override { delete app; }
};

using TableResultatsTest = Fixture;

TEST_F(TableResultatsTest, FichierParNoeud) {
    const std::vector<double> valeurs = {10, 0.25, -280, 1.0 / 3.0};
    for (Encodage encodage : {Encodage::Utf8, Encodage::Windows1252}) {
        SCOPED_TRACE(encodage == Encodage::Utf8 ? "UTF-8" : "Windows-1252");
        s.e.EncodageNoeuds = encodage;
        s.e.ValeursNoeuds = {0};
        s.e.ValeursNoeuds.insert(s.e.ValeursNoeuds.end(), valeurs.begin(), valeurs.end());
        const std::string chemin = s.dossier / "NoeudVal.dat";
        EcritureValeursNoeuds(s.e, chemin);

        Visionneuse v;
        v.Ouvre(QString::fromStdString(chemin));
        ASSERT_TRUE(v.TableauVisible());
        QTableView* vue = v.Table()->Vue();
        ASSERT_EQ(vue->model()->columnCount(), 3);
        EXPECT_EQ(vue->model()->headerData(0, Qt::Horizontal).toString(), "Code");
        EXPECT_EQ(vue->model()->headerData(1, Qt::Horizontal).toString(), "Nom");
        EXPECT_EQ(vue->model()->headerData(2, Qt::Horizontal).toString(), "Valeur");
        // The file's order, the values without their padding.
        EXPECT_EQ(Colonne(vue, 0),
                  QStringList({"0000016001", "0000016102", "0000017300", "0000079191"}));
        EXPECT_EQ(Colonne(vue, 1),
                  QStringList({"Angoulême", "Cognac, gare", "Le \"Port\"", "Niort"}));
        EXPECT_EQ(Colonne(vue, 2), QStringList({"10", "0.25", "-280", "0.333333333333333"}));
        // The text stays beside the table.
        EXPECT_TRUE(v.Texte()->toPlainText().contains("Angoulême"));

        // Sorted as numbers, not as texts.
        vue->sortByColumn(2, Qt::AscendingOrder);
        EXPECT_EQ(Colonne(vue, 2), QStringList({"-280", "0.25", "0.333333333333333", "10"}));
        vue->sortByColumn(2, Qt::DescendingOrder);
        EXPECT_EQ(Colonne(vue, 1),
                  QStringList({"Angoulême", "Niort", "Cognac, gare", "Le \"Port\""}));
        vue->sortByColumn(0, Qt::AscendingOrder);

        // The CSV in the order shown, every value read back as written.
        const std::vector<QStringList> csv = LitCsv(v.Table()->TexteCsv());
        ASSERT_EQ(csv.size(), 5u);
        EXPECT_EQ(csv[0], QStringList({"Code", "Nom", "Valeur"}));
        for (std::size_t k = 0; k < valeurs.size(); ++k) {
            ASSERT_EQ(csv[k + 1].size(), 3);
            // Every digit the file holds: the value as the core wrote it.
            EXPECT_EQ(csv[k + 1][2].toDouble(),
                      QString::fromStdString(ChampValeur(valeurs[k])).toDouble());
            EXPECT_EQ(csv[k + 1][1], Colonne(vue, 1)[static_cast<int>(k)]);
        }
        const std::string sortie = s.dossier / "NoeudVal.csv";
        ASSERT_TRUE(v.Table()->ExporteCsv(QString::fromStdString(sortie)));
        QFile f(QString::fromStdString(sortie));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray octets = f.readAll();
        EXPECT_EQ(octets, v.Table()->TexteCsv().toUtf8());
        EXPECT_TRUE(octets.contains("\"Cognac, gare\""));
        EXPECT_TRUE(octets.contains("\"Le \"\"Port\"\"\""));
        EXPECT_TRUE(octets.contains("Angoul\xc3\xaame"));
    }
}

TEST_F(TableResultatsTest, FichierParCoupleEtCopie) {
    DimensionneListeCouples(s.e, 3);
    const double valeurs[] = {-12.5, 1234.125, 7};
    const std::pair<int, int> couples[] = {{1, 2}, {2, 3}, {4, 1}};
    for (int n = 1; n <= 3; ++n) {
        Couple& c = s.e.ListeCouples[static_cast<std::size_t>(n)];
        c.I = couples[n - 1].first;
        c.J = couples[n - 1].second;
        c.Valeur = valeurs[n - 1];
    }
    const std::string chemin = s.dossier / "ArcVal.dat";
    EcritureListeCouples(s.e, chemin);

    Visionneuse v;
    v.Ouvre(QString::fromStdString(chemin));
    ASSERT_TRUE(v.TableauVisible());
    QTableView* vue = v.Table()->Vue();
    ASSERT_EQ(vue->model()->columnCount(), 5);
    EXPECT_EQ(Colonne(vue, 0), QStringList({"0000016001", "0000016102", "0000079191"}));
    EXPECT_EQ(Colonne(vue, 1), QStringList({"Angoulême", "Cognac, gare", "Niort"}));
    EXPECT_EQ(Colonne(vue, 2), QStringList({"0000016102", "0000017300", "0000016001"}));
    EXPECT_EQ(Colonne(vue, 3), QStringList({"Cognac, gare", "Le \"Port\"", "Angoulême"}));
    EXPECT_EQ(Colonne(vue, 4), QStringList({"-12.5", "1234.125", "7"}));

    vue->sortByColumn(4, Qt::DescendingOrder);
    EXPECT_EQ(Colonne(vue, 4), QStringList({"1234.125", "7", "-12.5"}));
    const std::vector<QStringList> csv = LitCsv(v.Table()->TexteCsv());
    ASSERT_EQ(csv.size(), 4u);
    EXPECT_EQ(csv[0], QStringList({"Code origine", "Nom origine", "Code destination",
                                   "Nom destination", "Valeur"}));
    EXPECT_EQ(csv[1][4].toDouble(), 1234.125);
    EXPECT_EQ(csv[3][4].toDouble(), -12.5);
    EXPECT_EQ(csv[3][1], "Angoulême");

    // The selected rows, in the order shown, under the header.
    vue->selectRow(0);
    vue->selectionModel()->select(vue->model()->index(2, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const QString attendu =
        "Code origine\tNom origine\tCode destination\tNom destination\tValeur\n"
        "0000016102\tCognac, gare\t0000017300\tLe \"Port\"\t1234.125\n"
        "0000016001\tAngoulême\t0000016102\tCognac, gare\t-12.5\n";
    EXPECT_EQ(v.Table()->TexteSelection(), attendu);
    v.Table()->CopieSelection();
    EXPECT_EQ(QApplication::clipboard()->text(), attendu);
}

TEST_F(TableResultatsTest, AutreFichierEnTexteSeulement) {
    Visionneuse v;
    const std::string autre = s.dossier / "autre.txt";
    std::ofstream(autre, std::ios::binary) << "Indice alpha : 0.25\r\n";
    v.Ouvre(QString::fromStdString(autre));
    EXPECT_FALSE(v.TableauVisible());
    EXPECT_TRUE(v.Texte()->toPlainText().contains("Indice alpha"));

    // A per-node file with one damaged value is not a table either.
    s.e.ValeursNoeuds = {0, 1, 2, 3, 4};
    const std::string chemin = s.dossier / "NoeudVal.dat";
    EcritureValeursNoeuds(s.e, chemin);
    v.Ouvre(QString::fromStdString(chemin));
    EXPECT_TRUE(v.TableauVisible());
    std::string contenu;
    {
        std::ifstream f(chemin, std::ios::binary);
        contenu.assign(std::istreambuf_iterator<char>(f), {});
    }
    contenu[30] = 'x';
    std::ofstream(chemin, std::ios::binary) << contenu;
    v.Ouvre(QString::fromStdString(chemin));
    EXPECT_FALSE(v.TableauVisible());

    EXPECT_EQ(ValeurSansRemplissage("00000000000000000280.00000000000000000000"), "280");
    EXPECT_EQ(ValeurSansRemplissage("-0000000000000000280.50000000000000000000"), "-280.5");
    EXPECT_EQ(ValeurSansRemplissage("00000000000000000000.00000000000000000000"), "0");
    EXPECT_EQ(ValeurSansRemplissage("-0000000000000000000.00000000000000000000"), "0");
    EXPECT_EQ(ValeurSansRemplissage("12 34"), "");
}

}  // namespace
}  // namespace vek
