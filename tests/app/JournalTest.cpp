// The journal of a desktop session: its lines as vek-batch reads them, and a session driven
// through the main window whose journal, run by vek-batch, writes the same result files.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "FenetreVek.h"
#include "Outils.h"
#include "PortEssai.h"
#include "Script.h"
#include "shell/Journal.h"
#include "shell/PortScript.h"
#include "vek/Demarrage.h"

namespace vek {
namespace {

// A port whose dialogs are driven by a function, as a person would through the renderer.
std::ostringstream poubelle;  // what the port prints

class PortPilote : public PortScript {
  public:
    PortPilote() : PortScript(poubelle) {}
    std::function<void(Dialogue&)> geste;
    std::shared_ptr<Dialogue> nonModal;
    void MontreDialogue(Dialogue& d, bool) override {
        d.ouvert = true;
        geste(d);
    }
    void MontreDialogueNonModal(std::shared_ptr<Dialogue> d) override {
        d->ouvert = true;
        nonModal = d;
    }
};

Dialogue DialogueEssai() {
    Dialogue d;
    d.nom = "Essai";
    d.boutonAnnulation = "Annul";
    d.Ajoute(TypeControle::Texte, "Nom", "Nom");
    d.Ajoute(TypeControle::Liste, "Liste", "").elements = {"Route 70", "Fer"};
    d.Ajoute(TypeControle::Case, "Boite", "Boîte").coche = true;
    d.Ajoute(TypeControle::Cadre, "Cadre", "Choix");
    d.Ajoute(TypeControle::Option, "Opt1", "Un", "Cadre").coche = true;
    d.Ajoute(TypeControle::Option, "Opt2", "Deux", "Cadre");
    d.Ajoute(TypeControle::Bouton, "Ok", "OK").action = [](Dialogue& x) { x.Ferme(); };
    d.Ajoute(TypeControle::Bouton, "Annul", "Annuler").action = [](Dialogue& x) { x.Ferme(); };
    return d;
}

// The lines of the text that are neither blank nor comments.
std::vector<std::string> Lignes(const std::string& texte) {
    std::vector<std::string> r;
    std::istringstream in(texte);
    for (std::string l; std::getline(in, l);)
        if (!l.empty() && l[0] != '#') r.push_back(l);
    return r;
}

TEST(Journal, JetonsEntreGuillemetsQuandIlsOntDesBlancs) {
    EXPECT_EQ(JetonJournal("/tmp/a.dat"), "/tmp/a.dat");
    EXPECT_EQ(JetonJournal("/tmp/mes données/a.dat"), "\"/tmp/mes données/a.dat\"");
    EXPECT_EQ(JetonJournal(""), "\"\"");
    EXPECT_EQ(JetonJournal("#2"), "\"#2\"");
    EXPECT_EQ(LigneJournal({"reglage", "RepResultats", "c:\\mes résultats"}),
              "reglage RepResultats \"c:\\mes résultats\"");
    // vek-batch reads back the same tokens.
    std::vector<std::string> jetons;
    std::string erreur;
    ASSERT_TRUE(DecoupeLigne(LigneJournal({"fichier", "/a b/c.dat", "", "#x"}), jetons, erreur));
    EXPECT_EQ(jetons, (std::vector<std::string>{"fichier", "/a b/c.dat", "", "#x"}));
}

TEST(Journal, LesReponsesPrecedentLaCommandeDansLOrdre) {
    Journal j;
    j.Reglage("RepResultats", "c:");
    j.DebutCommande();
    j.Fichier(std::string("/d/noeuds.dat"));
    j.Fichier(std::nullopt);
    j.Saisie(std::string("12 km"));
    j.Saisie(std::nullopt);
    j.OuiNon(false);
    j.FinCommande("menOuvrir", true);
    j.DebutCommande();
    j.Fichier(std::string("/d/refus.dat"));
    j.FinCommande("menRefusee", false);  // a refused command leaves nothing
    EXPECT_EQ(Lignes(j.Texte()),
              (std::vector<std::string>{"reglage RepResultats c:", "fichier /d/noeuds.dat",
                                        "fichier annule", "saisie \"12 km\"", "saisie annule",
                                        "non", "menu menOuvrir"}));
}

TEST(Journal, UnDialogueDonneSesGestesDansLOrdreLeBoutonEnDernier) {
    PortPilote pilote;
    Journal j;
    PortJournal port(pilote, j);
    Dialogue d = DialogueEssai();
    pilote.geste = [](Dialogue& x) {
        x["Nom"].texte = "Route nationale";  // typed: the field has no handler
        x.Selectionne("Liste", 0);
        x.Coche("Boite", false);
        x.Choisit("Opt2");
        x.Clique("Ok");
    };
    j.DebutCommande();
    port.MontreDialogue(d, true);
    pilote.geste = [](Dialogue& x) { x.FermeParLaCroix(); };
    Dialogue croix = DialogueEssai();
    port.MontreDialogue(croix, true);
    croix.boutonAnnulation.clear();
    port.MontreDialogue(croix, true);
    j.FinCommande("menEssai", true);
    const std::vector<std::string> lignes = Lignes(j.Texte());
    ASSERT_EQ(lignes.size(), 3u);
    // A list item is named by its text, so that the line selects it in a list of other
    // items too (the nodes of another network).
    EXPECT_EQ(lignes[0],
              "dialogue Essai \"Nom=Route nationale\" \"Liste=Route 70\" Boite=0 Opt2 Ok");
    EXPECT_EQ(lignes[1], "dialogue Essai Annul");  // the window frame: the cancel button
    EXPECT_EQ(lignes[2], "menu menEssai");
    // Closed without a button, it cannot be replayed: a comment says so.
    EXPECT_NE(j.Texte().find("# dialogue Essai fermé sans bouton : non rejouable\n"
                             "#   dialogue Essai\n"),
              std::string::npos);
    // The handlers are the dialog's own again.
    EXPECT_FALSE(d["Boite"].action);
    EXPECT_FALSE(d["Nom"].action);

    // Replayed, the line leaves a fresh dialog as the person left this one.
    Dialogue rejoue = DialogueEssai();
    std::vector<std::string> jetons;
    std::string erreur;
    ASSERT_TRUE(DecoupeLigne(lignes[0], jetons, erreur));
    rejoue.ouvert = true;
    for (std::size_t k = 2; k < jetons.size(); ++k) AppliqueReglage(rejoue, jetons[k]);
    EXPECT_FALSE(rejoue.ouvert);
    EXPECT_EQ(rejoue["Nom"].texte, "Route nationale");
    EXPECT_EQ(rejoue["Liste"].selection, 0);
    EXPECT_FALSE(rejoue["Boite"].coche);
    EXPECT_TRUE(rejoue["Opt2"].coche);
}

TEST(Journal, CeQuUnDialogueDemandeVientApresLui) {
    PortPilote pilote;
    Journal j;
    PortJournal port(pilote, j);
    pilote.Ajoute({TypeReponse::Fichier, true, "/d/arcs zoom.dat", {}});
    Dialogue d = DialogueEssai();
    d["Boite"].action = [&port](Dialogue&) { port.ChoixFichier({}); };
    pilote.geste = [](Dialogue& x) {
        x.Coche("Boite", true);
        x.Clique("Ok");
    };
    j.DebutCommande();
    port.MontreDialogue(d, true);
    j.FinCommande("menZooms", true);
    EXPECT_EQ(Lignes(j.Texte()),
              (std::vector<std::string>{"dialogue Essai Boite Ok", "fichier \"/d/arcs zoom.dat\"",
                                        "menu menZooms"}));
}

TEST(Journal, UnDialogueACoteDeLaFenetrePrendSaPlaceQuandIlSeFerme) {
    PortPilote pilote;
    Journal j;
    PortJournal port(pilote, j);
    j.DebutCommande();
    port.MontreDialogueNonModal(std::make_shared<Dialogue>(DialogueEssai()));
    j.FinCommande("menEssai", true);
    // Closed later, with no command run meanwhile: replayable where it was shown.
    pilote.nonModal->Choisit("Opt2");
    pilote.nonModal->Clique("Ok");
    j.DebutCommande();
    port.MontreDialogueNonModal(std::make_shared<Dialogue>(DialogueEssai()));
    j.FinCommande("menEssai2", true);
    j.DebutCommande();
    j.FinCommande("menAutre", true);
    pilote.nonModal->Clique("Ok");  // after another command: not replayable
    j.DebutCommande();
    port.MontreDialogueNonModal(std::make_shared<Dialogue>(DialogueEssai()));
    j.FinCommande("menEssai3", true);  // still open
    EXPECT_EQ(Lignes(j.Texte()),
              (std::vector<std::string>{"dialogue Essai Opt2 Ok", "menu menEssai", "menu menEssai2",
                                        "menu menAutre", "menu menEssai3"}));
    EXPECT_NE(j.Texte().find("#   dialogue Essai Ok\n"), std::string::npos);
    EXPECT_NE(j.Texte().find("encore ouvert : non rejouable"), std::string::npos);
}

// On its next showing, the dialog `nom` gets a click on each of `boutons` in turn, as a
// person would give them; with none, it is closed by the window frame.
void Clique(const QString& nom, const QStringList& boutons) {
    auto* attente = new QTimer(qApp);
    attente->setInterval(10);
    QObject::connect(attente, &QTimer::timeout, [attente, nom, boutons] {
        for (QWidget* w : QApplication::allWidgets()) {
            auto* dialogue = qobject_cast<QDialog*>(w);
            if (!dialogue || dialogue->objectName() != nom || !dialogue->isVisible()) continue;
            attente->stop();
            attente->deleteLater();
            if (boutons.isEmpty()) dialogue->reject();  // the window frame's close
            for (const QString& b : boutons) {
                auto* bouton = dialogue->findChild<QAbstractButton*>(b);
                if (!bouton) {
                    ADD_FAILURE() << "pas de bouton " << b.toStdString();
                    dialogue->reject();
                    return;
                }
                bouton->click();
            }
            return;
        }
    });
    attente->start();
}

void Execute(QApplication& app, FenetreVek& fenetre, const std::string& commande) {
    fenetre.Lance(commande, [&] { QTimer::singleShot(0, &app, &QApplication::quit); });
    app.exec();
}

TEST(Journal, RejoueParVekBatchDonneLesMemesFichiers) {
    int argc = 1;
    char nom[] = "vek";
    char* argv[] = {nom};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    test::DossierTemporaire tmp;
    const std::string bureau = tmp / "bureau", batch = tmp / "batch";
    // The sum and the degree both write NoeudVal.dat: each goes to its own folder.
    for (const std::string& d : {bureau, batch})
        for (const char* sous : {"/somme", "/degre"}) std::filesystem::create_directories(d + sous);

    test::PortEssai essai;
    Journal journal;
    PortJournal port(essai, journal);
    Etat e(port);
    Demarrage(e);
    e.Editeur = "vek";
    FenetreVek fenetre(e);
    essai.Fenetre(&fenetre);
    fenetre.Journalise(&journal);
    fenetre.show();

    essai.fichiers = {test::Source("examples/utf8/noeuds.dat"),
                      test::Source("examples/utf8/arcs.dat")};
    Execute(app, fenetre, "menOuvrir");
    ASSERT_GT(e.NbNoeuds, 0);
    std::string erreur;
    ASSERT_TRUE(fenetre.ChangeReglage("RepResultats", bureau + "/somme", erreur)) << erreur;
    Clique("Valu", {"Distance", "ValuOk"});
    Execute(app, fenetre, "menChangerValuation");
    EXPECT_EQ(e.Valuation, "Distance");
    Clique("Valu", {});
    Execute(app, fenetre, "menChangerValuation");
    EXPECT_EQ(e.Valuation, "Distance");
    Execute(app, fenetre, "menUneFois");
    Execute(app, fenetre, "menSomChem");
    ASSERT_TRUE(fenetre.ChangeReglage("RepResultats", bureau + "/degre", erreur)) << erreur;
    Clique("IndicVek", {"Degré", "Ok"});
    Execute(app, fenetre, "menCalculNodalité");

    // The window's own entry, in "Fichiers".
    QAction* enregistrer = fenetre.findChild<QAction*>("menEnregistrerJournal");
    ASSERT_TRUE(enregistrer);
    EXPECT_TRUE(enregistrer->isEnabled());
    EXPECT_TRUE(fenetre.findChild<QMenu*>("menFichiers")->actions().contains(enregistrer));

    const std::string chemin = tmp / "journal.vek";
    QString probleme;
    ASSERT_TRUE(fenetre.EnregistreJournal(QString::fromStdString(chemin), probleme))
        << probleme.toStdString();
    std::string texte = test::LitOctets(chemin);
    const std::vector<std::string> lignes = Lignes(texte);
    auto position = [&](const std::string& ligne) {
        return std::find(lignes.begin(), lignes.end(), ligne) - lignes.begin();
    };
    const auto ouvrir = position("menu menOuvrir");
    ASSERT_LT(ouvrir, static_cast<long>(lignes.size())) << texte;
    EXPECT_EQ(lignes[static_cast<std::size_t>(ouvrir - 2)],
              "fichier " + test::Source("examples/utf8/noeuds.dat"));
    EXPECT_EQ(position("dialogue Valu Distance ValuOk") + 1, position("menu menChangerValuation"))
        << texte;
    EXPECT_EQ(position("dialogue IndicVek Degré Ok") + 1, position("menu menCalculNodalité"))
        << texte;
    EXPECT_EQ(lignes[static_cast<std::size_t>(position("menu menChangerValuation") + 1)],
              "dialogue Valu ValuAnnule")
        << texte;
    EXPECT_LT(position("menu menUneFois"), position("menu menSomChem")) << texte;

    // The same session into another folder.
    for (std::size_t p = texte.find(bureau); p != std::string::npos;
         p = texte.find(bureau, p + batch.size()))
        texte.replace(p, bureau.size(), batch);
    test::EcritOctets(tmp / "rejoue.vek", texte);
    const std::string commande = std::string(VEK_BATCH) + " \"" + (tmp / "rejoue.vek") + "\" > \"" +
                                 (tmp / "sortie.txt") + "\" 2>&1";
    ASSERT_EQ(std::system(commande.c_str()), 0) << test::LitOctets(tmp / "sortie.txt");

    std::size_t fichiers = 0, rejoues = 0;
    for (const auto& f : std::filesystem::recursive_directory_iterator(bureau)) {
        if (!f.is_regular_file()) continue;
        const std::string relatif = std::filesystem::relative(f.path(), bureau).string();
        SCOPED_TRACE(relatif);
        ASSERT_TRUE(std::filesystem::exists(batch + "/" + relatif));
        EXPECT_EQ(test::LitOctets(f.path().string()), test::LitOctets(batch + "/" + relatif));
        ++fichiers;
    }
    for (const auto& f : std::filesystem::recursive_directory_iterator(batch))
        if (f.is_regular_file()) ++rejoues;
    EXPECT_EQ(fichiers, rejoues);
    EXPECT_TRUE(std::filesystem::exists(bureau + "/somme/NoeudVal.dat"));
    EXPECT_TRUE(std::filesystem::exists(bureau + "/degre/NoeudVal.dat"));
    EXPECT_NE(test::LitOctets(bureau + "/somme/NoeudVal.dat"),
              test::LitOctets(bureau + "/degre/NoeudVal.dat"));
}

}  // namespace
}  // namespace vek
