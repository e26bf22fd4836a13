#include "shell/MenuVek.h"

#include "accessibility/Circuite.h"
#include "accessibility/CriteresAccessibilite.h"
#include "accessibility/VitesseMoyenne.h"
#include "flows/Affectation.h"
#include "gravity/DialoguesGravite.h"
#include "gravity/FichiersGravitaires.h"
#include "gravity/ModeleGravitaire.h"
#include "indicators/Homogeneite.h"
#include "indicators/IndicVek.h"
#include "network/Chargement.h"
#include "network/Espaces.h"
#include "paths/Floyd.h"
#include "paths/MatriceArcsMin.h"
#include "paths/Traces.h"
#include "paths/Valuation.h"
#include "shell/CommandesGenerales.h"
#include "shell/Etat.h"
#include "shell/ListeCouples.h"
#include "validation/TestValidite.h"
#include "validation/Zooms.h"

namespace vek {

namespace {

struct Entree {
    const char* parent;
    const char* nom;
    const char* legende;
    void (*routine)(Etat&);
    bool sousMenu;
};

constexpr bool M = true;                // a sub-menu
constexpr bool C = false;               // a command
constexpr void (*ND)(Etat&) = nullptr;  // a command this version does not offer yet

// In the order of the menu bar; a parent always comes before its children.
const Entree kMenu[] = {
    {"", "menFichiers", "&Fichiers", nullptr, M},
    {"menFichiers", "menOuvrir", "&Ouvrir... ", menOuvrir, C},
    {"menFichiers", "menNoeudsEtArcs", "&Espace... ", menNoeudsEtArcs, C},
    {"menFichiers", "menReseaux", "&Paramètres du graphe...", menReseaux, C},
    {"menFichiers", "menSep1", "-", nullptr, C},
    {"menFichiers", "menTestValiditéFichiers", "&Tester la validité des fichiers",
     menTestValiditéFichiers, C},
    {"menFichiers", "menSep41", "-", nullptr, C},
    {"menFichiers", "menChangerValuation", "&Changer la valuation (temps par défaut)...",
     menChangerValuation, C},
    {"menFichiers", "menTempsDébit", "&Calculer le temps en fonction de la congestion routière",
     nullptr, M},
    {"menTempsDébit", "menDébitsHoraires", "Débits &Horaires", ND, C},
    {"menTempsDébit", "menDébitsJournaliers", "Débits &Journaliers...", ND, C},
    {"menFichiers", "menConnexionsNodales", "Ajouter un temps moyen de connexion nodale", ND, C},
    {"menFichiers", "menSep22", "-", nullptr, C},
    {"menFichiers", "menEditNoeuds", "Enregistrer les &noeuds sous...", menEditNoeuds, C},
    {"menFichiers", "menEditArcs", "Enregistrer les &arcs sous...", menEditArcs, C},
    {"menFichiers", "menSep23", "-", nullptr, C},
    {"menFichiers", "menZooms", "&Zoom", nullptr, M},
    {"menZooms", "menNodal", "&Nodal...", menNodal, C},
    {"menZooms", "menNodalInv", "Nodal &Inverse...", menNodalInv, C},
    {"menZooms", "menMultinodal", "&Multinodal...", menMultinodal, C},
    {"menZooms", "menMultinodalInv", "Multinodal I&nverse...", AucuneAction, C},
    {"menFichiers", "menSep2", "-", nullptr, C},
    {"menFichiers", "menQuitter", "&Quitter", menQuitter, C},

    {"", "menIndicateursN", "&Noeuds", nullptr, M},
    {"menIndicateursN", "menNodalité", "&Nodalité", nullptr, M},
    {"menNodalité", "menRéseauxNodalité", "&Réseaux...", menRéseauxNodalité, C},
    {"menNodalité", "menSep99", "-", nullptr, C},
    {"menNodalité", "menCalculNodalité", "&Calcul...", menCalculNodalité, C},
    {"menIndicateursN", "menChemins", "&Chemins minimaux", nullptr, M},
    {"menChemins", "menCalculCheMin", "&Calcul", nullptr, M},
    {"menCalculCheMin", "menUneFois", "&1 fois", menUneFois, C},
    {"menCalculCheMin", "menHoraireContrainteDépart", "Contrainte sur l'heure de &départ...", ND,
     C},
    {"menCalculCheMin", "menHoraireContrainteArrivée", "Contrainte sur l'heure d'&arrivée...", ND,
     C},
    {"menCalculCheMin", "menCheminsSurIntervalleHoraire",
     "Tous les &chemins sur intervalle horaire...", ND, C},
    {"menCalculCheMin", "menTMSurIntervalleHoraire", "Temps &minimaux sur intervalle horaire...",
     ND, C},
    {"menChemins", "menRécupTracés", "&Tracés", menRécupTracés, C},
    {"menChemins", "menSep4", "-", nullptr, C},
    {"menChemins", "menVisuMatChMin", "&Edition...", ND, C},
    {"menIndicateursN", "menGravit", "&Attractions", nullptr, M},
    {"menGravit", "menParamétrageGravit", "&Paramétrage...", menParamétrageGravit, C},
    {"menGravit", "menOptionsGravit", "&Options...", menOptionsGravit, C},
    {"menGravit", "menDémarrageGravit", "&Démarrage", menDémarrageGravit, C},
    {"menGravit", "menEditionFichGravit", "&Edition...", menEditionFichGravit, C},
    {"menIndicateursN", "menCircuité", "&Circuité", nullptr, M},
    {"menCircuité", "menValuation", "&Valuation...", menValuation, C},
    {"menCircuité", "menCalculCircuite", "&Calcul", nullptr, M},
    {"menCalculCircuite", "menLCK_LE", "Ecart au vol d'oiseau : minimisation du kilométrage",
     menLCK_LE, C},
    {"menCalculCircuite", "menLCK_LECK", "Dont sinuosité", menLCK_LECK, C},
    {"menCalculCircuite", "menLECK_LE", "Dont enchaînements d'arcs", menLECK_LE, C},
    {"menCalculCircuite", "menSep42", "-", nullptr, C},
    {"menCalculCircuite", "menLCT_LE", "Ecart au vol d'oiseau : minimisation du temps de parcours",
     menLCT_LE, C},
    {"menCalculCircuite", "menLCT_LECT", "Dont sinuosité", menLCT_LECT, C},
    {"menCalculCircuite", "menLECT_LE", "Dont enchaînements d'arcs", menLECT_LE, C},
    {"menCalculCircuite", "menSep43", "-", nullptr, C},
    {"menCalculCircuite", "menLCT_LCK", "Ecart entre les logiques temporelle et kilométrique",
     menLCT_LCK, C},
    {"menIndicateursN", "menVitMoy", "&Accessibilité en vitesse moyenne", nullptr, M},
    {"menVitMoy", "menVitMoyEff", "&Vitesse moyenne effective", nullptr, M},
    {"menVitMoyEff", "menMinTemps", "Minimisation : &Temps", menMinTemps, C},
    {"menVitMoyEff", "menMinKm", "Minimisation : &Km", menMinKm, C},
    {"menVitMoy", "menMoyVitMoy", "&Moyenne des vitesses moyennes", nullptr, M},
    {"menMoyVitMoy", "menMinTemps2", "Minimisation : &Temps", menMinTemps2, C},
    {"menMoyVitMoy", "menMinKm2", "Minimisation : &Km", menMinKm2, C},
    {"menVitMoy", "menVitMoyEucl", "&Vitesse moyenne euclidienne", nullptr, M},
    {"menVitMoyEucl", "menMinTemps3", "Minimisation : &Temps", menMinTemps3, C},
    {"menVitMoyEucl", "menMinKm3", "Minimisation : &Km", menMinKm3, C},
    {"menIndicateursN", "menAccessContrainte", "&Accessibilité sous contrainte", nullptr, M},
    {"menAccessContrainte", "menNoeudProche", "&Noeud le plus proche...", menNoeudProche, C},
    {"menAccessContrainte", "menLoiTevrin", "&Loi 95-115 : critères d'accessibilité", nullptr, M},
    {"menLoiTevrin", "menValeursNodales", "&Valeurs nodales", nullptr, M},
    {"menValeursNodales", "menTevrinLongueurs", "&Longueurs (50 km)", menTevrinLongueurs, C},
    {"menValeursNodales", "menTevrinTemps", "&Temps (45 min)", menTevrinTemps, C},
    {"menLoiTevrin", "menRespectCritères", "&Respect des critères (50 km/45 min)",
     menRespectCritères, C},
    {"menIndicateursN", "menConnexions", "&Connexions", ND, C},
    {"menIndicateursN", "menHomogénéité", "&Homogénéité", menHomogénéité, C},
    {"menIndicateursN", "menHiérarchNoeuds", "&Hiérarchisation des noeuds par suppression", ND, C},
    {"menIndicateursN", "menPerteTpsNod", "&Perte de temps nodale", ND, C},
    {"menIndicateursN", "menPerteVitMoyEucl", "Perte vit moy euclidienne", ND, C},

    {"", "menArcs", "&Liens", nullptr, M},
    {"menArcs", "menVisuMatArcsMin", "&Arcs minimaux", menVisuMatArcsMin, C},
    {"menArcs", "menHiérarc", "&Hiérarchisation des arcs", nullptr, M},
    {"menHiérarc", "menDestructionRes", "Par &destruction du réseau", ND, C},
    {"menHiérarc", "menProductionRes", "Par &production de réseau", AucuneAction, C},
    {"menArcs", "menCongLoc", "&Congestion locale", ND, C},
    {"menArcs", "menAfficheVitRéelle", "&Vitesse réelle", ND, C},
    {"menArcs", "menDistance", "&Distance", nullptr, M},
    {"menDistance", "menOptionsDistance", "&Options...", ND, C},
    {"menDistance", "menDémarrageDistance", "&Démarrage", ND, C},
    {"menArcs", "menAffectation", "&Affectation", nullptr, M},
    {"menAffectation", "menDémarrage", "&Démarrage", menDémarrage, C},
    {"menAffectation", "menEdition", "&Edition", menEdition, C},

    {"", "menIndicateursG", "&Réseaux", nullptr, M},
    {"menIndicateursG", "menConnectivité", "&Connectivité", nullptr, M},
    {"menConnectivité", "menAlpha", "&Indice Alpha", menAlpha, C},
    {"menConnectivité", "menDispersion", "&Dispersion", nullptr, M},
    {"menDispersion", "menSomChem", "&Somme des plus courts chemins", menSomChem, C},
    {"menIndicateursG", "mencongglob", "&Congestion globale", ND, C},
    {"menIndicateursG", "menPerteTpsGlob", "Perte de temps globale", ND, C},
    {"menIndicateursG", "menPerteVitMoyGlobale", "Perte de vit. moy. euclid. globale", ND, C},

    {"", "menAide", "&?", nullptr, M},
    {"menAide", "menAPropos", "&A propos de VEK", menAPropos, C},
    {"menAide", "menPrintConfig", "&Imprimer Configuration", menPrintConfig, C},
};

}  // namespace

void ConstruitMenuVek(Etat& e) {
    e.Menus = MenuModele();
    for (const Entree& m : kMenu) {
        Routine r;
        if (m.routine) {
            r = m.routine;
        } else if (!m.sousMenu && std::string(m.legende) != "-") {
            r = CommandeNonDisponible;
        }
        e.Menus.Ajoute(m.parent, m.nom, m.legende, std::move(r));
    }
}

}  // namespace vek
