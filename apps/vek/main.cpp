// vek: the desktop application. `vek --script FILE [--capture DIR]` runs a vek-batch script
// inside the application and saves a PNG of every window shown.

#include <QApplication>
#include <QTimer>
#include <fstream>
#include <iostream>

#include "FenetreDialogue.h"
#include "FenetreVek.h"
#include "PortCapture.h"
#include "PortQt.h"
#include "Script.h"
#include "Traductions.h"
#include "shell/CommandesGenerales.h"
#include "shell/Demarrage.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vek::ChargeTraductionsQt(app);
    QString script, capture;
    QStringList arguments = app.arguments();
    for (int k = 1; k < arguments.size(); ++k) {
        if (arguments[k] == "--script" && k + 1 < arguments.size())
            script = arguments[++k];
        else if (arguments[k] == "--capture" && k + 1 < arguments.size())
            capture = arguments[++k];
        else {
            std::cerr << "usage : vek [--script FICHIER [--capture DOSSIER]]\n";
            return 2;
        }
    }
    if (!script.isEmpty()) {
        vek::PortCapture port(std::cout, capture);
        vek::Etat e(port);
        vek::Demarrage(e);
        vek::FenetreVek fenetre(e);
        port.Fenetre(&fenetre);
        fenetre.show();
        std::ifstream f(script.toStdString());
        if (!f) {
            std::cerr << "vek : impossible de lire le script " << script.toStdString() << '\n';
            return 2;
        }
        int code = vek::ExecuteScript(f, std::cerr, script.toStdString(), port, e);
        std::cout.flush();
        fenetre.Synchronise();
        port.Capture(&fenetre, "Vek");
        return code;
    }
    vek::PortQt port;
    vek::Etat e(port);
    vek::Dialogue apropos = vek::DialogueAPropos(true);
    vek::FenetreDialogue chargement(apropos);
    chargement.show();
    app.processEvents();
    vek::Demarrage(e);
    e.Editeur = "vek";  // result files open in VEK's own viewer
    vek::FenetreVek fenetre(e);
    port.Fenetre(&fenetre);
    fenetre.show();
    chargement.hide();
    return app.exec();
}
