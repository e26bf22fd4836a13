#pragma once
// The settings of the gravity model: its parameters (edited in GvPa), the sections it writes
// with their directories and file names, and the choices of its options dialog (GvOp). They
// live as long as the program runs.

#include <string>

namespace vek {

struct EtatGravite;

struct OptionsGvOp {
    // "Oui" chosen for each section ("Non" otherwise).
    bool OuiSLP = false, Oui3AA = false, Oui3AR = false, OuiSAA = false, OuiAuto = false,
         OuiAP = false;
    // Open the file in the text viewer after writing.
    bool EcranSLP = false, Ecran3AA = false, Ecran3AR = false, EcranSAA = false, EcranAuto = false;
    // Show the total of the sums.
    bool TotSLP = false, TotSAA = false;
    // The AP pair can be chosen: opened by "Oui" of the auto section, never closed by "Non".
    bool PaireAPActive = false;
};

struct ParametresGravite {
    float DistanceInterneVille = 1;
    float ElasticitePopulation = 1;   // alpha
    float ElasticiteDistance = 2;     // beta
    float EchellePopulation = 1;      // a
    float EchellePoidsVille = 1;      // Km
    float EchelleAccessibilite = 1;   // Kd
    float EchelleLongueur = 1;        // b
    float PersonnesParEmploi = 2.1f;  // p

    std::string RepSLP = "c:\\data\\NoeudVal\\somlpond", NomFichierSLP = "slp.dat";
    std::string Rep3AA = "c:\\data\\ArcVal", NomFichier3AA = "3AA.dat";
    std::string Rep3AR = "c:\\data\\ArcVal", NomFichier3AR = "3AR.dat";
    std::string RepSAA = "c:\\data\\NoeudVal", NomFichierSAA = "SAA.dat";
    std::string RepAuto = "c:\\data\\Noeudval", NomFichierAuto = "auto.dat";
    std::string RepAP = "c:\\data\\Noeudval", NomFichierAP = "AP.dat";

    OptionsGvOp Options;
    std::string Texte8 = "2.1";  // the persons-per-job box keeps its last text
};

// The defaults of the parameters, sections and options, as at start-up.
void ParametresGravitairesParDefaut(EtatGravite& e);

}  // namespace vek
