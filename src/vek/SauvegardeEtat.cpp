#include "vek/SauvegardeEtat.h"

#include "vek/Etat.h"

namespace vek {

struct SauvegardeEtat::Copie {
    TablesReseau reseau;
    TablesResultats resultats;
    TablesChemins chemins;
    TablesHoraires horaires;
    TablesValidation validation;
    TablesIndicateurs indicateurs;
    TablesGravite gravite;
    TablesFlux flux;
    TablesAccessibilite accessibilite;
    TablesLocalisation localisation;
    TablesHierarchie hierarchie;
    // What the shell keeps of the window and the output choices.
    MenuModele menus;
    std::vector<LigneConfiguration> configuration;
    std::string repResultats, nomFichierResultat, editeur, tableur;
    Lecteurs disques;
    std::string choixSortie, choixSortieGravite;
    OptionsVekForCM vekForCM;
    OptionsFichGrav fichGrav;
};

SauvegardeEtat::SauvegardeEtat(const Etat& e)
    : copie_(new Copie{e,
                       e,
                       e,
                       e,
                       e,
                       e,
                       e,
                       e,
                       e,
                       e,
                       e,
                       e.Menus,
                       e.Configuration,
                       e.RepResultats,
                       e.NomFichierResultat,
                       e.Editeur,
                       e.Tableur,
                       e.Disques,
                       e.ChoixSortie,
                       e.ChoixSortieGravite,
                       e.VekForCM,
                       e.FichGrav}) {}

SauvegardeEtat::~SauvegardeEtat() = default;

void SauvegardeEtat::Restaure(Etat& e) const {
    const Copie& c = *copie_;
    static_cast<TablesReseau&>(e) = c.reseau;
    static_cast<TablesResultats&>(e) = c.resultats;
    static_cast<TablesChemins&>(e) = c.chemins;
    static_cast<TablesHoraires&>(e) = c.horaires;
    static_cast<TablesValidation&>(e) = c.validation;
    static_cast<TablesIndicateurs&>(e) = c.indicateurs;
    static_cast<TablesGravite&>(e) = c.gravite;
    static_cast<TablesFlux&>(e) = c.flux;
    static_cast<TablesAccessibilite&>(e) = c.accessibilite;
    static_cast<TablesLocalisation&>(e) = c.localisation;
    static_cast<TablesHierarchie&>(e) = c.hierarchie;
    e.Menus = c.menus;
    e.Configuration = c.configuration;
    e.RepResultats = c.repResultats;
    e.NomFichierResultat = c.nomFichierResultat;
    e.Editeur = c.editeur;
    e.Tableur = c.tableur;
    e.Disques = c.disques;
    e.ChoixSortie = c.choixSortie;
    e.ChoixSortieGravite = c.choixSortieGravite;
    e.VekForCM = c.vekForCM;
    e.FichGrav = c.fichGrav;
}

}  // namespace vek
