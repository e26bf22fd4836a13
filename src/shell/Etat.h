#pragma once
// The program's tables, counts and settings, under their names, in one explicit object that
// every routine receives. Several can live side by side (tests build one each). The port
// through which the routines talk to the person is held here too.

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "gravity/ParametresGravitaires.h"
#include "indicators/OptionsIndicVek.h"
#include "network/Arc.h"
#include "network/Mode.h"
#include "network/Noeud.h"
#include "paths/CelluleArcMin.h"
#include "paths/Floyd.h"
#include "paths/Matrice.h"
#include "paths/ServicesPaires.h"
#include "shell/Chemins.h"
#include "shell/FichierTexte.h"
#include "shell/Menu.h"
#include "shell/OptionsSorties.h"
#include "shell/Port.h"
#include "timetable/TrajetsHoraires.h"

namespace vek {

struct Couple {
    std::int32_t I = 0;  // origin node index
    std::int32_t J = 0;  // destination node index
    double Valeur = 0;
};

// One line of the configuration panel "CONFIGURATION DU GRAPHE".
struct LigneConfiguration {
    std::string nomLegende;  // "NombreNoeuds"
    std::string legende;     // "Noeuds"
    std::string nomValeur;   // "NombreDeNoeuds"
    std::string valeur;      // " 44"
};

struct Etat {
    explicit Etat(Port& port);

    Port& Ihm;

    // Network tables, indexed from 1 (slot 0 holds no element).
    std::vector<Noeud> Noeuds;
    std::int32_t NbNoeuds = 0;
    std::vector<Arc> Arcs;
    std::int32_t NbArcs = 0;
    std::int32_t MaxNoeuds = 3000;  // nodes a load reads at most
    std::int32_t MaxArcs = 48000;   // size of the arc table: a load reads MaxArcs - 1 arcs
    std::vector<Noeud> NoeudsLus;
    std::int32_t NbNoeudsLus = 0;
    std::vector<Arc> ArcsLus;
    std::int32_t NbArcsLus = 0;

    std::vector<Mode> TableModes;  // the 31 built-in modes, from 0
    Mode ModeCourant;
    std::vector<ModeReseau> ModesReseau;  // 0..50, 1..NbModes used
    std::int32_t NbModes = 0;
    bool Oriente = false;

    std::string Valuation = "Temps";
    std::int32_t HeureDepart = 0;  // reference time of a timetable computation, minutes
    std::int32_t NbNiveaux = 1;
    std::int32_t NbZoomsNodaux = 0;
    std::int32_t NbZoomsMultinodaux = 0;
    std::int64_t PopulationTotale = 0;
    float NombreKilometres = 0;
    std::string HorairesTC = "NON";
    std::string MissionsFerroviaires = "NON";
    std::string TypeDonneesTC = "Base";  // "Base", "Missions" or "JoursEtHeures"

    std::string NomFichierNoeuds;
    std::string NomFichierArcs;
    std::string NomFichierNoeudsEcrits = "noeud000.dat";
    std::string NomFichierArcsEcrits = "arc000.dat";
    std::string RepResultats = "c:";
    std::string NomFichierResultat;
    std::string RepNoeudsNivN = "c:\\";
    std::string RepNoeudsNivN1 = "c:\\data\\noeuds\\niv.n-1";
    std::string RepNoeudsNivN2 = "c:\\data\\noeuds\\niv.n-2";
    std::string RepArcsNivN = "c:\\";
    std::string RepArcsNivN1 = "c:\\data\\arcs\\niv.n-1";
    std::string RepArcsNivN2 = "c:\\data\\arcs\\niv.n-2";
    std::string RepVilNivN = "c:\\";
    std::string RepVilNivN1 = "c:\\data\\vil\\niv.n-1";
    std::string RepVilNivN2 = "c:\\data\\vil\\niv.n-2";
    std::string RepOdNivN = "c:\\";
    std::string RepOdNivN1 = "c:\\data\\od\\niv.n-1";
    std::string RepOdNivN2 = "c:\\data\\od\\niv.n-2";
    std::string RepArcsMin = "c:\\data\\ArcsMin";

    // Level integration: the zoom files chosen in the zoom dialog, the code lists of the
    // inverse and multinodal zooms.
    std::string FichierZoomTours, FichierZoomAngouleme, FichierZoomLaRochelle, FichierZoomPoitiers,
        FichierZoomLeMans, FichierZoomParis, FichierZoomToursZM, FichierZoomFranceZM,
        FichierZoomRegionZM, FichierZoomDepartementZM, FichierZoomAggloZM;
    std::string FichierZoomAngoulemeZI, FichierZoomLaRochelleZI, FichierZoomPoitiersZI;
    std::vector<std::int64_t> CodesZoneInverse{0};  // 1..NbCodesZoneInverse
    std::int32_t NbCodesZoneInverse = 0;
    std::vector<std::int64_t> CodesZoneMultinodale{0};  // 1..NbCodesZoneMultinodale
    std::int32_t NbCodesZoneMultinodale = 0;

    std::vector<Arc> ArcsProvisoires;  // arcs built from paths, 1..NbArcsProvisoires
    std::int32_t NbArcsProvisoires = 0;

    float VitesseMoyenneArcs = 0;  // mean speed of the arcs, left by the homogeneity

    // The validity test: what each pass removed, and whether disconnected arcs go unasked.
    std::int32_t NbNoeudsDoublesElimines = 0;
    std::int32_t NbNoeudsIsolesElimines = 0;
    std::int32_t NbBouclesEliminees = 0;
    std::int32_t NbArcsDoublesElimines = 0;
    std::int32_t NbArcsDeconnectesElimines = 0;
    bool EliminationSansAccord = false;

    std::vector<double> ValeursNoeuds;
    std::vector<Couple> ListeCouples;  // entries 1..NbCouples
    std::int32_t NbCouples = 0;
    // The entry of each link (either way) in ListeCouples, for AjouteCouple; it is rebuilt
    // when the list no longer has the count it was built for.
    std::unordered_map<std::int64_t, std::int32_t> IndexCouples;
    std::int32_t IndexCouplesNb = -1;
    Matrice<float> FluxAffectes;  // the assignment's flow of each step (later node, node before)

    // Output choices of the analysis dialogs, and the options of the path-output (VekForCM)
    // and gravity-file (FichGrav) dialogs that the pair-list writer reads.
    std::string ChoixSortie;         // "Fichier" or "Annule"
    std::string ChoixSortieGravite;  // "Fichier", "Graphique", "Map" or "Annule"
    OptionsVekForCM VekForCM;
    OptionsFichGrav FichGrav;

    // Accessibility criteria: the kinds of destination nodes chosen, the markers of the nodes
    // and the kind of each node's nearest destination.
    bool DestEchangeursAutoroutiers = false;
    bool DestEchangeursVoiesExpress = false;
    bool DestGaresTGVVoieRapide = false;
    bool DestGaresTGVVoieClassique = false;
    std::vector<std::int16_t> NoeudsCriteres;
    std::vector<std::int16_t> TypeNoeudLePlusProche;

    // Gravity model: its settings and its results (rows and columns 1..NbNoeuds).
    ParametresGravite Gravite;
    std::int16_t LargeurColonne = 20;
    Matrice<double> MatAttractions;
    std::vector<double> SommesLignesAttractions;
    std::vector<std::array<std::int32_t, 4>> TroisAttractions;  // ranks 1..3
    std::vector<double> SommesAttractions;
    std::vector<float> SommesPondereesPop;
    Matrice<std::int32_t> MatPersonnesAttirees;
    std::vector<std::int32_t> AutoAttractions, AttractionsTotales, AttractionsExterieures, Evasions;
    std::uint64_t AttractionsReseau = 0;  // the paths the attractions were computed from

    // Nodality indicators: the choices of IndicVek, kept from one showing to the next.
    OptionsIndicVek IndicVek;
    bool AnnulationIndicateurs = false;
    std::vector<Arc> ArcsTravail;  // copy of Arcs, 1..NbArcsTravail
    std::int32_t NbArcsTravail = 0;
    std::vector<std::int64_t> DemiDegresInterieurs;
    std::vector<std::int64_t> DemiDegresExterieurs;

    Matrice<CelluleArcMin> MatArcsMin;
    std::string MatArcsMinValuation;  // the valuation MatArcsMin was built for
    TableServices ServicesPaires;     // "JoursEtHeures": the timetabled services of each pair

    // Timetable journeys: the constraint and times of the computation, its trip tables.
    bool ContrainteDepart = false;
    bool ContrainteArrivee = false;
    bool TempsMinimauxIntervalle = false;
    float HeureDebut = 0;  // departure time, or start of the interval, minutes
    float HeureFin = 0;    // requested arrival time, or end of processing, minutes
    TrajetsHoraires CheMin;
    std::string StatutHoraires;       // the status text of the last relaxation
    std::int32_t PassesHoraires = 0;  // the passes it made

    // Shortest paths, and what they were computed for.
    Matrice<float> MatFloyd;
    Matrice<float> MatFloyd2;            // circuity: the secondary value carried along the paths
    Matrice<CelluleChemin> MatCircuite;  // circuity: the path measure beside its reference
    Matrice<CelluleChemin> CheminsMin;
    Matrice<CellulePredecesseur> MatPredecesseurs;
    double SommeChemins = 0;  // accumulated in Double: a Single sum drifts on large networks
    std::uint64_t GenerationReseau = 0;  // changes with every load and every matrix rebuilt
    std::uint64_t CheminsMinReseau = 0;
    std::string CheminsMinValuation;
    std::uint64_t TracesReseau = 0;

    bool ChargerReseau = false;
    bool ValuationAnnulee = false;
    std::string ValuCircuite = "LONGUEURS";  // deviation type of circuity: or "ATTRACTIONS"
    bool FormatFich93 = false;  // the 1993 file family is chosen in the data-set dialog
    bool ResOkActif = true;     // the OK button of the partial-networks dialog

    // Choice lists of the dialogs: the modes present (in order of first appearance) and the
    // node names.
    std::vector<std::string> ListeModesDialogues;
    std::vector<std::string> ListeNoeudsDialogues;

    // Main window.
    MenuModele Menus;
    std::vector<LigneConfiguration> Configuration;
    bool Quitter = false;  // the program is asked to end

    // Progress windows.
    bool ProgressionVisible = false;
    bool TempsDeCalculVisible = false;
    std::chrono::steady_clock::time_point HeureDebutCalcul;

    // Platform: drive letters, viewers, encodings of the files read.
    Lecteurs Disques;
    std::string Editeur = "xdg-open";
    std::string Tableur;  // the spreadsheet program; empty: the first one installed
    Encodage EncodageNoeuds = Encodage::Utf8;
    Encodage EncodageArcs = Encodage::Utf8;
    bool MarqueNoeuds = false;
    bool MarqueArcs = false;
};

}  // namespace vek
