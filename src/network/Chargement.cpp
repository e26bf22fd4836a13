#include "network/Chargement.h"

#include "network/Configuration.h"
#include "network/Espaces.h"
#include "network/EtatReseau.h"
#include "network/FichierArcs.h"
#include "network/FichierNoeuds.h"
#include "network/Mode.h"
#include "network/TablesLues.h"
#include "shell/Chemins.h"
#include "shell/Fichiers.h"
#include "shell/Texte.h"

namespace vek {

namespace {
constexpr const char* kFiltre = "Tous fichiers(*.*)|*.*|Data(*.dat)|*.dat";

std::optional<std::string> Choix(EtatReseau& e, const std::string& titre, const std::string& nom,
                                 const std::string& repertoire) {
    DemandeFichier d;
    d.titre = titre;
    d.filtre = kFiltre;
    d.indexFiltre = 2;
    d.repertoire = repertoire;
    d.nomPropose = NomDe(nom);
    auto choisi = e.Ihm.ChoixFichier(d);
    if (!choisi || choisi->empty()) return std::nullopt;
    return choisi;
}

}  // namespace

void InvalideResultats(EtatReseau& e) {
    e.ReseauModifie();
    for (const char* nom : {"menVisuMatArcsMin", "menChemins", "menRécupTracés", "menVisuMatChMin",
                            "menGravit", "menDistance", "menAffectation"})
        e.Menus.Desactive(nom);
}

std::optional<std::string> ChoixFichierNoeuds(EtatReseau& e, const std::string& nom,
                                              const std::string& repertoire) {
    auto choisi = Choix(e, "Fichier des noeuds...", nom, repertoire);
    if (choisi) e.RepNoeudsNivN = RepertoireDe(*choisi);
    return choisi;
}

std::optional<std::string> ChoixFichierArcs(EtatReseau& e, const std::string& nom,
                                            const std::string& repertoire) {
    auto choisi = Choix(e, "Fichier des arcs...", nom, repertoire);
    if (choisi) (e.FormatFich93 ? e.RepOdNivN : e.RepArcsNivN) = RepertoireDe(*choisi);
    return choisi;
}

bool OuvertureReseau(EtatReseau& e, const std::function<void()>& construitMatrice) {
    auto noeuds = ChoixFichierNoeuds(e, e.NomFichierNoeuds, e.RepNoeudsNivN);
    if (!noeuds) return false;
    auto arcs = ChoixFichierArcs(e, e.NomFichierArcs, e.RepArcsNivN);
    if (!arcs) return false;
    return OuvreFichiersReseau(e, *noeuds, *arcs, construitMatrice);
}

bool OuvreFichiersReseau(EtatReseau& e, const std::string& noeuds, const std::string& arcs,
                         const std::function<void()>& construitMatrice) {
    // Both files are checked before the modes are reset and anything is released.
    bool presents = FichierExiste(e, noeuds);
    presents = FichierExiste(e, arcs) && presents;
    if (!presents) return false;
    e.NomFichierNoeuds = noeuds;
    e.NomFichierArcs = arcs;
    e.Ihm.Rafraichit();
    InitialisationModes(e);
    e.ChargerReseau = true;
    if (!ChargementReseau(e)) return false;
    construitMatrice();
    ActiveCommandesReseau(e);
    // A network chosen freely can take any zoom.
    for (const char* nom : {"menNodal", "menNodalInv", "menMultinodal"}) e.Menus.Active(nom);
    return true;
}

bool ChargementReseau(EtatReseau& e) {
    Sablier sablier(e.Ihm);
    bool presents = FichierExiste(e, e.NomFichierNoeuds);
    presents = FichierExiste(e, e.NomFichierArcs) && presents;
    if (!presents) return false;

    auto noeudsAvant = std::move(e.NoeudsLus);
    auto nbNoeudsAvant = e.NbNoeudsLus;
    e.NoeudsLus.assign(1, Noeud{});
    e.NbNoeudsLus = 0;
    auto nbNoeuds = LectureFichierNoeuds(e, e.NomFichierNoeuds, e.MaxNoeuds);
    auto nbArcs = nbNoeuds ? LectureFichierArcs(e, e.NomFichierArcs, e.MaxArcs) : std::nullopt;
    if (!nbNoeuds || !nbArcs) {
        e.NoeudsLus = std::move(noeudsAvant);
        e.NbNoeudsLus = nbNoeudsAvant;
        return false;
    }
    e.NomFichierNoeudsEcrits = "noeud000.dat";
    e.NomFichierArcsEcrits = "arc000.dat";
    InvalideResultats(e);
    CopieTablesLues(e);
    ListeModesReseau(e);
    AfficheConfiguration(e);
    for (const char* nom :
         {"menConnexionsNodales", "menTestValiditéFichiers", "menChangerValuation", "menEditNoeuds",
          "menEditArcs", "menNodalité", "menArcs", "menPrintConfig"})
        e.Menus.Active(nom);
    return true;
}

void ListeModesReseau(EtatReseau& e) {
    e.ListeModesDialogues.clear();
    e.ListeNoeudsDialogues.clear();
    e.Oriente = false;
    e.ModesReseau.assign(51, ModeReseau{});
    e.NbModes = 0;
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        const int mode = e.Arcs[a].Mode;
        bool present = false;
        for (std::int32_t m = 1; m <= e.NbModes && !present; ++m)
            present = e.ModesReseau[m].Code == mode;
        if (present || e.NbModes >= 50) continue;
        RechercheMode(e, mode);
        ++e.NbModes;
        e.ModesReseau[e.NbModes] = ModeReseau{e.NbModes, mode, Gauche(e.ModeCourant.Nom, 35)};
        e.ListeModesDialogues.push_back(e.ModeCourant.Nom);
        if (e.ModeCourant.Oriente) e.Oriente = true;
    }
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i)
        e.ListeNoeudsDialogues.push_back(e.Noeuds[i].Nom);
}

}  // namespace vek
