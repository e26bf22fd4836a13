// The settings kept between interactive runs: saved, read back by the next start; a scripted
// run reads none of them and writes none. The results folder chosen from the window is where
// the next result goes, and is kept.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QSettings>
#include <QTimer>
#include <filesystem>
#include <sstream>

#include "ExecutionScript.h"
#include "FenetreVek.h"
#include "Outils.h"
#include "PortEssai.h"
#include "PortTest.h"
#include "ReglagesBureau.h"
#include "vek/Demarrage.h"
#include "vek/Etat.h"

namespace vek {
namespace {

TEST(ReglagesBureau, GardesDUnLancementAuSuivant) {
    test::DossierTemporaire d;
    const QString ini = QString::fromStdString(d / "vek.ini");
    {
        test::PortTest port;
        Etat e(port);
        Demarrage(e);
        QSettings stockage(ini, QSettings::IniFormat);
        ReglagesBureau reglages(stockage);
        EXPECT_EQ(ReglagesBureau::Actifs(), &reglages);
        // Nothing kept yet: the state keeps its own values.
        const std::string editeur = e.Editeur;
        reglages.Charge(e);
        EXPECT_EQ(e.Editeur, editeur);
        EXPECT_TRUE(reglages.DernierDossier("Ouvrir le fichier des noeuds").isEmpty());
        e.RepResultats = "/données/résultats";
        e.Editeur = "kate";
        e.Tableur = "localc";
        reglages.Enregistre(e);
        reglages.RetientDossier("Ouvrir le fichier des noeuds", "/données/réseaux");
        reglages.RetientDossier("Fichier/arcs", "/données/arcs");
    }
    EXPECT_EQ(ReglagesBureau::Actifs(), nullptr);
    {
        test::PortTest port;
        Etat e(port);
        Demarrage(e);
        QSettings stockage(ini, QSettings::IniFormat);
        ReglagesBureau reglages(stockage);
        reglages.Charge(e);
        EXPECT_EQ(e.RepResultats, "/données/résultats");
        EXPECT_EQ(e.Editeur, "kate");
        EXPECT_EQ(e.Tableur, "localc");
        EXPECT_EQ(reglages.DernierDossier("Ouvrir le fichier des noeuds"), "/données/réseaux");
        EXPECT_EQ(reglages.DernierDossier("Fichier/arcs"), "/données/arcs");
        EXPECT_TRUE(reglages.DernierDossier("Autre titre").isEmpty());
    }
}

TEST(ReglagesBureau, UnScriptNeLitNiNEcritLesReglagesDeLUtilisateur) {
    int argc = 1;
    char nom[] = "vek";
    char* argv[] = {nom};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The user's settings, in a folder of their own.
    test::DossierTemporaire utilisateur, travail;
    const QString dossierUtilisateur = QString::fromStdString(utilisateur.Chemin().string());
    IsoleReglagesUtilisateur(dossierUtilisateur);
    QString fichier;
    {
        QSettings s("VEK", "vek");
        s.setValue("RepResultats", QString::fromStdString(utilisateur / "piege"));
        s.setValue("Editeur", "editeur-piege");
        s.setValue("DerniersDossiers/Ouvrir", QString::fromStdString(utilisateur / "piege"));
        s.sync();
        fichier = s.fileName();
    }
    QFile f(fichier);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray avant = f.readAll();
    f.close();

    // The example loaded through the file chooser, and the degree of every node written and
    // opened from the default results folder.
    const std::string script = travail / "degre.vek";
    {
        std::ofstream s(script);
        s << "fichier " << test::Source("examples/utf8/noeuds.dat") << "\n"
          << "fichier " << test::Source("examples/utf8/arcs.dat") << "\n"
          << "menu menOuvrir\n"
          << "dialogue IndicVek Degré Ordre1 Booléenne Ok\n"
          << "menu menCalculNodalité\n";
    }
    std::ostringstream sortie, erreurs;
    int code;
    {
        test::DansDossier dans(travail.Chemin());
        code = ExecuteScriptBureau(QString::fromStdString(script), {}, sortie, erreurs);
    }
    IsoleReglagesUtilisateur(dossierUtilisateur);
    EXPECT_EQ(code, 0) << erreurs.str();
    EXPECT_NE(sortie.str().find("NoeudVal.dat"), std::string::npos) << sortie.str();
    EXPECT_EQ(sortie.str().find("piege"), std::string::npos) << sortie.str();
    EXPECT_FALSE(QDir(QString::fromStdString(utilisateur / "piege")).exists());
    // The user's file is as it was, and nothing else came beside it.
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), avant);
    QStringList fichiers;
    QDirIterator it(dossierUtilisateur, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) fichiers << it.next();
    EXPECT_EQ(fichiers, QStringList{fichier});
}

TEST(ReglagesBureau, DossierDesResultatsChoisiDansLaFenetre) {
    int argc = 1;
    char nom[] = "vek";
    char* argv[] = {nom};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    test::DossierTemporaire d;
    const QString choisi = QString::fromStdString(d / "résultats choisis");
    ASSERT_TRUE(QDir().mkpath(choisi));
    QSettings stockage(QString::fromStdString(d / "vek.ini"), QSettings::IniFormat);
    ReglagesBureau reglages(stockage);
    test::PortEssai port;
    Etat e(port);
    Demarrage(e);
    e.Editeur = "vek";
    e.RepResultats = d.Chemin().string();
    FenetreVek fenetre(e);
    port.Fenetre(&fenetre);
    fenetre.show();
    port.fichiers = {test::Source("examples/utf8/noeuds.dat"),
                     test::Source("examples/utf8/arcs.dat")};
    const auto lance = [&](const std::string& commande) {
        fenetre.Lance(commande, [] { QTimer::singleShot(0, qApp, &QApplication::quit); });
        app.exec();
    };
    lance("menOuvrir");
    ASSERT_EQ(e.NbNoeuds, 44);

    // The chooser is answered as soon as it shows.
    QString depart;
    QTimer reponse;
    QObject::connect(&reponse, &QTimer::timeout, [&] {
        auto* f = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!f || f->objectName() != "ChoixDossierResultats") return;
        depart = f->directory().absolutePath();
        f->selectFile(choisi);
        QMetaObject::invokeMethod(f, "accept");
    });
    reponse.start(5);
    auto* entree = fenetre.findChild<QAction*>("menDossierResultats");
    ASSERT_NE(entree, nullptr);
    entree->trigger();
    reponse.stop();
    EXPECT_EQ(depart, QString::fromStdString(d.Chemin().string()));
    EXPECT_EQ(QString::fromStdString(e.RepResultats), choisi);
    EXPECT_EQ(stockage.value("RepResultats").toString(), choisi);

    lance("menVisuMatArcsMin");
    EXPECT_TRUE(std::filesystem::exists(choisi.toStdString() + "/nAMin000.dat"));
    EXPECT_FALSE(std::filesystem::exists(d / "nAMin000.dat"));
}

}  // namespace
}  // namespace vek
