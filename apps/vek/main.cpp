// vek: the desktop application. `vek --script FILE [--capture DIR]` runs a vek-batch script
// inside the application and saves a PNG of every window shown. The command line is read
// before the window system starts, so that `vek --help` and `vek --version` need no display.

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>
#include <QTimer>
#include <iostream>
#include <optional>

#include "CarteEtat.h"
#include "ExecutionScript.h"
#include "FenetreDialogue.h"
#include "FenetreVek.h"
#include "shell/Journal.h"
#include "PortQt.h"
#include "ReglagesBureau.h"
#include "Script.h"
#include "Traductions.h"
#include "vek/CommandesGenerales.h"
#include "vek/Demarrage.h"

namespace {

// The version line of the about window, without its word "Version".
QString VersionVek() {
    for (const vek::Controle& c : vek::DialogueAPropos(false).controles)
        if (c.nom == "Version") {
            QString v = QString::fromStdString(c.legende);
            return v.startsWith("Version ") ? v.mid(8) : v;
        }
    return {};
}

struct Arguments {
    QString script, capture;
};

// Reads the command line with no window system. Returns the exit code when the program ends
// here (help, version or a bad argument).
std::optional<int> LitArguments(int& argc, char** argv, Arguments& a) {
    QCoreApplication lecture(argc, argv);
    QCoreApplication::setApplicationName("vek");
    vek::ChargeTraductionsQt(lecture);
    QCommandLineParser analyse;
    analyse.setApplicationDescription(
        "VEK : logiciel d'aide à la décision en planification des transports.");
    const QCommandLineOption aide({"h", "help"}, "Affiche cette aide.");
    const QCommandLineOption version({"v", "version"}, "Affiche la version de VEK.");
    const QCommandLineOption script(
        "script", "Exécute le script FICHIER (celui de vek-batch) dans l'application.", "FICHIER");
    const QCommandLineOption capture(
        "capture",
        "Avec --script : enregistre une image PNG de chaque fenêtre montrée dans DOSSIER.",
        "DOSSIER");
    for (const QCommandLineOption& o : {aide, version, script, capture}) analyse.addOption(o);
    // The window system's own options (-platform offscreen, -style fusion, -reverse...) are
    // accepted here and left in the command line for it.
    analyse.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* nom : {"platform", "platformpluginpath", "platformtheme", "plugin",
                            "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "style",
                            "stylesheet", "display", "geometry", "name", "visual", "ncols"}) {
        QCommandLineOption o(nom, {}, "valeur");
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        analyse.addOption(o);
    }
    for (const char* nom : {"reverse", "widgetcount", "nograb", "dograb", "sync", "cmap"}) {
        QCommandLineOption o(nom);
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        analyse.addOption(o);
    }
    if (!analyse.parse(lecture.arguments())) {
        std::cerr << "vek : " << analyse.errorText().toStdString() << '\n'
                  << analyse.helpText().toStdString();
        return 2;
    }
    if (analyse.isSet(aide)) {
        std::cout << analyse.helpText().toStdString();
        return 0;
    }
    if (analyse.isSet(version)) {
        std::cout << "vek " << VersionVek().toStdString() << '\n';
        return 0;
    }
    if (!analyse.positionalArguments().isEmpty()) {
        std::cerr << "vek : argument inattendu : "
                  << analyse.positionalArguments().first().toStdString() << '\n'
                  << analyse.helpText().toStdString();
        return 2;
    }
    a.script = analyse.value(script);
    a.capture = analyse.value(capture);
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    if (std::optional<int> fin = LitArguments(argc, argv, arguments)) return *fin;
    const QString& script = arguments.script;
    const QString& capture = arguments.capture;
    QApplication app(argc, argv);
    vek::ChargeTraductionsQt(app);
    vek::DefinitEcritureCarte(&vek::carte::EcritCarte);
    if (!script.isEmpty()) return vek::ExecuteScriptBureau(script, capture, std::cout, std::cerr);
    // The results folder, the editor, the spreadsheet program and the folders of the file
    // choosers are kept from one run to the next.
    QSettings stockage("VEK", "vek");
    vek::ReglagesBureau reglages(stockage);
    vek::PortQt port;
    // Every answer is noted in the session's journal on its way to the command.
    vek::Journal journal;
    vek::PortJournal portJournal(port, journal);
    vek::Etat e(portJournal);
    vek::Dialogue apropos = vek::DialogueAPropos(true);
    vek::FenetreDialogue chargement(apropos);
    chargement.show();
    app.processEvents();
    vek::Demarrage(e);
    e.Editeur = "vek";  // result files open in VEK's own viewer
    reglages.Charge(e);
    vek::FenetreVek fenetre(e);
    port.Fenetre(&fenetre);
    fenetre.Journalise(&journal);
    fenetre.show();
    chargement.hide();
    const int code = app.exec();
    reglages.Enregistre(e);
    return code;
}
