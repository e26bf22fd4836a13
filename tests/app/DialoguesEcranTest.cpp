// Every declared dialog fits a 1366 x 768 screen, and a smaller area it is given: its
// controls scroll, none is lost, and the buttons of the top level stay in view. A scripted
// run captures a dialog at the size it has on that screen.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ExecutionScript.h"
#include "FenetreDialogue.h"
#include "FenetreVek.h"
#include "Outils.h"
#include "PortEssai.h"
#include "accessibility/CriteresAccessibilite.h"
#include "flows/Debits.h"
#include "gravity/DialoguesGravite.h"
#include "gravity/FichiersGravitaires.h"
#include "hierarchy/Hierarchie.h"
#include "indicators/IndicVek.h"
#include "location/DialogueDistOp.h"
#include "location/FormulaireCheminsMinimaux.h"
#include "network/Espaces.h"
#include "paths/Valuation.h"
#include "validation/Zooms.h"
#include "vek/CommandesGenerales.h"
#include "vek/Demarrage.h"

namespace vek {
namespace {

// Every dialog of the program, as its command builds it.
std::vector<std::shared_ptr<Dialogue>> TousLesDialogues(Etat& e) {
    static bool valide = false;
    std::vector<std::shared_ptr<Dialogue>> r;
    auto ajoute = [&r](Dialogue d) { r.push_back(std::make_shared<Dialogue>(std::move(d))); };
    ajoute(DialogueAPropos(false));
    ajoute(DialogueVekOp(e));
    ajoute(DialogueReseaux(e));
    ajoute(DialogueValu(e));
    ajoute(DialogueIndicVek(e));
    ajoute(DialogueZooms(e));
    ajoute(DialogueGvPa(e));
    ajoute(DialogueGvOp(e));
    ajoute(DialogueFichGrav(e));
    ajoute(DialogueSelecNoeudsDest(e));
    ajoute(DialogueDebits(e, valide));
    ajoute(DialogueCritOptArcs(valide));
    ajoute(DialogueDistOp(e));
    r.push_back(DialogueVekForCM(e));
    return r;
}

// What is wrong with the dialog shown within `disponible`, one line each.
std::string Defauts(FenetreDialogue& f, Dialogue& d, const QRect& disponible) {
    std::string defauts;
    if (f.width() > disponible.width() - FenetreDialogue::kMargeLargeur ||
        f.height() > disponible.height() - FenetreDialogue::kMargeHauteur)
        defauts +=
            "trop grand : " + std::to_string(f.width()) + " x " + std::to_string(f.height()) + "\n";
    QScrollArea* defilement = f.Defilement();
    for (const Controle& c : d.controles) {
        auto* w = f.findChild<QWidget*>(QString::fromStdString(c.nom));
        if (!w) {
            defauts += c.nom + " : absent\n";
            continue;
        }
        if (w->isVisibleTo(&f) != d.EstVisible(c.nom)) {
            defauts += c.nom + (d.EstVisible(c.nom) ? " : caché\n" : " : montré\n");
            continue;
        }
        if (!d.EstVisible(c.nom)) continue;
        if (c.type == TypeControle::Bouton && c.cadre.empty()) {
            // A button of the top level: below the controls, always in view.
            const QRect place(w->mapTo(&f, QPoint(0, 0)), w->size());
            if (defilement->isAncestorOf(w) || !f.rect().contains(place))
                defauts += c.nom + " : bouton hors de vue\n";
            continue;
        }
        if (!defilement->isAncestorOf(w)) {
            defauts += c.nom + " : hors de la zone qui défile\n";
            continue;
        }
        // Scrolled to, it comes into view: whole, unless it is larger than the view (a frame
        // whose controls are checked one by one).
        defilement->ensureWidgetVisible(w, 0, 0);
        QApplication::processEvents();
        const QRect vue = defilement->viewport()->rect();
        const QRect place(w->mapTo(defilement->viewport(), QPoint(0, 0)), w->size());
        const bool plusGrand = w->width() > vue.width() || w->height() > vue.height();
        if (plusGrand ? !vue.intersects(place) : !vue.contains(place))
            defauts += c.nom + " : inaccessible en faisant défiler\n";
    }
    return defauts;
}

// The offscreen platform with one 1366 x 768 screen, for the life of the application.
struct Ecran1366 {
    test::DossierTemporaire dossier;
    int argc = 1;
    char nom[4] = "vek";
    char* argv[2] = {nom, nullptr};
    std::unique_ptr<QApplication> app;
    Ecran1366() {
        const std::string config = dossier / "ecran.json";
        QFile f(QString::fromStdString(config));
        if (f.open(QIODevice::WriteOnly))
            f.write(R"({"screens": [{"name": "ecran", "x": 0, "y": 0, "width": 1366,
                        "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        f.close();
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.c_str());
        app = std::make_unique<QApplication>(argc, argv);
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
};

TEST(DialoguesEcran, ChaqueDialogueTientDansLEcranSansPerdreDeControle) {
    Ecran1366 application;
    QApplication& app = *application.app;
    const QRect ecran = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(ecran.size(), QSize(1366, 768));

    // The example loaded, so that the lists of nodes are filled.
    test::PortEssai port;
    Etat e(port);
    Demarrage(e);
    FenetreVek fenetre(e);
    port.Fenetre(&fenetre);
    port.fichiers = {test::Source("examples/utf8/noeuds.dat"),
                     test::Source("examples/utf8/arcs.dat")};
    fenetre.Lance("menOuvrir", [&] { QTimer::singleShot(0, &app, &QApplication::quit); });
    app.exec();
    ASSERT_GT(e.NbNoeuds, 0);

    const QRect petit(0, 0, 800, 600);
    int defilants = 0;
    for (const std::shared_ptr<Dialogue>& d : TousLesDialogues(e)) {
        SCOPED_TRACE(d->nom);
        FenetreDialogue f(*d);
        f.show();
        QApplication::processEvents();
        std::string defauts = Defauts(f, *d, ecran);
        EXPECT_TRUE(defauts.empty()) << "1366 x 768 :\n" << defauts;
        if (f.Defilement()->verticalScrollBar()->maximum() > 0) ++defilants;
        f.AjusteA(petit);
        QApplication::processEvents();
        defauts = Defauts(f, *d, petit);
        EXPECT_TRUE(defauts.empty()) << "800 x 600 :\n" << defauts;
        f.hide();
    }
    // The options of the gravity model at least are taller than the screen and scroll.
    EXPECT_GE(defilants, 1);
}

// The options of the gravity model, taller than the screen, captured whole as they show
// there: the screen's height less the frame's margin, not two thirds of the screen.
TEST(DialoguesEcran, CaptureALaTailleDeLEcran) {
    Ecran1366 application;
    test::DossierTemporaire d;
    std::ofstream(d / "s.vek") << "fichier \"" << test::Source("examples/utf8/noeuds.dat")
                               << "\"\nfichier \"" << test::Source("examples/utf8/arcs.dat")
                               << "\"\nmenu menOuvrir\n"
                                  "menu menUneFois\n"
                                  "dialogue GvOp Command3D5\n"
                                  "menu menOptionsGravit\n";
    const QString captures = QString::fromStdString(d / "captures");
    std::ostringstream sortie, erreurs;
    ASSERT_EQ(ExecuteScriptBureau(QString::fromStdString(d / "s.vek"), captures, sortie, erreurs),
              0)
        << erreurs.str();
    const QStringList images = QDir(captures).entryList({"*-GvOp.png"}, QDir::Files);
    ASSERT_EQ(images.size(), 1);
    const QImage image(captures + '/' + images[0]);
    test::PortEssai port;
    Etat e(port);
    Demarrage(e);
    Dialogue gvop = DialogueGvOp(e);
    FenetreDialogue f(gvop);
    EXPECT_EQ(image.size(), f.sizeHint());
    EXPECT_EQ(image.height(), 768 - FenetreDialogue::kMargeHauteur);
}

}  // namespace
}  // namespace vek
