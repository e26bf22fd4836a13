#pragma once
// The network tables: the working nodes and arcs, the tables a load reads, the modes, the
// counts, files and folders of the network, and the per-node and per-pair results computed
// on it. EtatReseau is the state as the network layer and those above it see it.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "network/Arc.h"
#include "network/Mode.h"
#include "network/Noeud.h"
#include "shell/EtatIhm.h"
#include "shell/FichierTexte.h"

namespace vek {

struct Couple {
    std::int32_t I = 0;  // origin node index
    std::int32_t J = 0;  // destination node index
    double Valeur = 0;
};

struct TablesReseau {
    // Indexed from 1 (slot 0 holds no element).
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

    std::vector<Arc> ArcsProvisoires;  // arcs built from paths, 1..NbArcsProvisoires
    std::int32_t NbArcsProvisoires = 0;

    std::uint64_t GenerationReseau = 0;  // changes with every load and every matrix rebuilt

    bool ChargerReseau = false;
    bool FormatFich93 = false;  // the 1993 file family is chosen in the data-set dialog
    bool ResOkActif = true;     // the OK button of the partial-networks dialog

    // Choice lists of the dialogs: the modes present (in order of first appearance) and the
    // node names.
    std::vector<std::string> ListeModesDialogues;
    std::vector<std::string> ListeNoeudsDialogues;

    // Encodings of the files read, and whether they began with a byte-order mark.
    Encodage EncodageNoeuds = Encodage::Utf8;
    Encodage EncodageArcs = Encodage::Utf8;
    bool MarqueNoeuds = false;
    bool MarqueArcs = false;
};

// The last comparison of a result with a variant of the network, as the map draws it: the
// difference (variant - base) per node of the base or per pair of its nodes, NaN where there
// is none (out of reach, or in one network only), and what the variant alone has.
struct ComparaisonCarte {
    bool couples = false;
    std::vector<double> ecartsNoeuds;   // by node index of the base, entry 0 unused
    std::vector<Couple> ecartsCouples;  // node indices of the base
    std::vector<Noeud> noeudsVariante;  // nodes of the variant alone
    std::vector<std::pair<Noeud, Noeud>> couplesVariante;  // pairs of the variant alone
    std::uint64_t numeroResultat = 0;  // NumeroResultat of the base's result compared
};

// The results of the last analysis, per node and per pair of nodes.
struct TablesResultats {
    std::vector<double> ValeursNoeuds;
    std::vector<Couple> ListeCouples;  // entries 1..NbCouples
    std::int32_t NbCouples = 0;
    // The entry of each link (either way) in ListeCouples, for AjouteCouple; it is rebuilt
    // when the list no longer has the count it was built for.
    std::unordered_map<std::int64_t, std::int32_t> IndexCouples;
    std::int32_t IndexCouplesNb = -1;
    // What the last result written held: the per-node values, the per-pair values or one
    // value of the whole network (kept here too); its number grows with every result.
    enum class Genre { Aucun, Noeuds, Couples, Valeur };
    Genre GenreResultat = Genre::Aucun;
    // What the map draws: "auto" (the last result, or its comparison with a variant),
    // "noeuds", "couples" or "comparaison".
    std::string ValeursCarte = "auto";
    std::shared_ptr<const ComparaisonCarte> DerniereComparaison;
    // The projected system (EPSG code) the GIS exports place the X/Y in km into; 0: none.
    int EpsgExport = 0;
    double ValeurReseau = 0;
    std::uint64_t NumeroResultat = 0;
    void NoteResultat(Genre genre, double valeur = 0) {
        GenreResultat = genre;
        ValeurReseau = valeur;
        ++NumeroResultat;
    }
};

struct EtatReseau : EtatIhm, TablesReseau, TablesResultats {
    explicit EtatReseau(Port& port);
    virtual ~EtatReseau() = default;

    // The network has changed (a load, an integration): what was computed on it is released.
    // The layers above release their own tables too.
    virtual void ReseauModifie();
};

}  // namespace vek
