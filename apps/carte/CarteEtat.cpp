#include "CarteEtat.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

#include "ExportCarte.h"
#include "ModeleCarte.h"

namespace vek::carte {

namespace {
std::unique_ptr<QGuiApplication> application;
int argc = 3;
char nom[] = "vek-batch", option[] = "-platform", plateforme[] = "offscreen";
char* argv[] = {nom, option, plateforme, nullptr};
}  // namespace

void AssureApplicationGraphique() {
    if (QCoreApplication::instance()) return;
    application = std::make_unique<QGuiApplication>(argc, argv);
}

void LibereApplicationGraphique() {
    application.reset();
}

bool EcritCarte(const EtatReseau& e, const std::string& chemin, int largeur, int hauteur,
                std::string& erreur) {
    if (!ExtensionCarte(chemin)) {
        erreur = "la carte s'écrit en PNG ou en SVG (extension .png ou .svg) : " + chemin;
        return false;
    }
    AssureApplicationGraphique();
    ModeleCarte m = ConstruitModele(e);
    AppliqueResultat(m, e, true, MethodeClasses::Quantiles, kClassesDefaut);
    return ExporteCarte(m, chemin, largeur, hauteur, erreur);
}

}  // namespace vek::carte
