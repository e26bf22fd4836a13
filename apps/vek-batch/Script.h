#pragma once
// The script language of vek-batch: one instruction a line, '#' starts a comment, tokens are
// separated by blanks and a token in double quotes may hold blanks.
//   menu NAME             runs a menu command
//   fichier PATH|annule   answers the next file chooser
//   oui | non             answers the next Yes/No (or OK/Cancel) question
//   saisie TEXT|annule    answers the next input box
//   reglage NAME VALUE    changes a setting
//   dialogue NAME SETTING... BUTTON
//                         sets up the next showing of dialog NAME: CONTROL chooses an option
//                         or ticks a box, CONTROL=0 unticks it, CONTROL=TEXT fills a field or
//                         selects a list item, CONTROL=#N selects the Nth item, CONTROL! is the
//                         double-click; buttons that leave the dialog open may stand
//                         mid-sequence; the last token is the button that closes it
//   annule N              cancels the next command at its Nth progress step: the network,
//                         the results and the files it replaced are put back
//   exporte FILE          writes the last result (.gpkg, .geojson, .csv) or the matrices
//                         (.omx)
//   exporte reseau FILE   writes the network (.gpkg, .geojson, .csv)
//   carte FILE [WIDTH HEIGHT]
//                         writes the map of the network with what the setting ValeursCarte
//                         asks for (the last result by default), PNG or SVG by the file's
//                         extension, 1600 x 1200 pixels unless given

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "shell/PortScript.h"

namespace vek {

enum CodeSortie : int {
    kSortieOk = 0,
    kSortieCommandeRefusee = 2,
    kSortieSansReponse = 3,
    kSortieFatale = 4,
    kSortieEchec = 5,  // a command could not write a file or ended on an error
};

class PortScript;
struct Etat;
struct EtatReseau;

// Writes the map of the state (PNG or SVG by the extension): false with the reason. The
// programs built with the map library set it; without one, `carte` is not available.
using EcritureCarte = bool (*)(const EtatReseau& e, const std::string& chemin, int largeur,
                               int hauteur, std::string& erreur);
void DefinitEcritureCarte(EcritureCarte ecriture);

int ExecuteScript(std::istream& script, std::ostream& sortie, std::ostream& erreurs,
                  const std::string& nomScript);
// The same on a port and a started state of the caller's (the desktop's scripted runs).
int ExecuteScript(std::istream& script, std::ostream& erreurs, const std::string& nomScript,
                  PortScript& port, Etat& e);

}  // namespace vek
