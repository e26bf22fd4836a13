#pragma once
// The map of a state written to a file, as the script instruction `carte` does: what the
// setting ValeursCarte asks for (AppliqueResultat) in 5 quantile classes. A program with no
// application object yet gets one on the offscreen platform, so that it draws without a
// display.

#include <string>

namespace vek {
struct EtatReseau;
}

namespace vek::carte {

// Creates the QGuiApplication (offscreen) when none exists; the program's end releases it.
void AssureApplicationGraphique();
void LibereApplicationGraphique();

bool EcritCarte(const EtatReseau& e, const std::string& chemin, int largeur, int hauteur,
                std::string& erreur);

}  // namespace vek::carte
