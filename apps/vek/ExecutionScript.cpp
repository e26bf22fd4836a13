#include "ExecutionScript.h"

#include <QTemporaryDir>
#include <fstream>
#include <iostream>

#include "FenetreVek.h"
#include "PanneauCarte.h"
#include "PortCapture.h"
#include "ReglagesBureau.h"
#include "Script.h"
#include "vek/Demarrage.h"

namespace vek {

int ExecuteScriptBureau(const QString& script, const QString& capture, std::ostream& sortie,
                        std::ostream& erreurs) {
    // Qt's own settings (the file chooser's) would otherwise go to the user's as well.
    QTemporaryDir reglages;
    IsoleReglagesUtilisateur(reglages.isValid() ? reglages.path() : QString("/nonexistent"));
    PortCapture port(sortie, capture);
    Etat e(port);
    Demarrage(e);
    FenetreVek fenetre(e);
    port.Fenetre(&fenetre);
    fenetre.show();
    std::ifstream f(script.toStdString());
    if (!f) {
        erreurs << "vek : impossible de lire le script " << script.toStdString() << '\n';
        return 2;
    }
    int code = ExecuteScript(f, erreurs, script.toStdString(), port, e);
    sortie.flush();
    fenetre.Synchronise();
    fenetre.Carte()->Termine();
    port.Capture(&fenetre, "Vek");
    return code;
}

}  // namespace vek
