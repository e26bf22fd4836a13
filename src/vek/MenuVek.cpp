#include "vek/MenuVek.h"

#include "accessibility/Circuite.h"
#include "accessibility/CriteresAccessibilite.h"
#include "accessibility/VitesseMoyenne.h"
#include "flows/Affectation.h"
#include "flows/Debits.h"
#include "flows/EditionFlux.h"
#include "gravity/DialoguesGravite.h"
#include "gravity/FichiersGravitaires.h"
#include "gravity/ModeleGravitaire.h"
#include "hierarchy/Congestion.h"
#include "hierarchy/Hierarchie.h"
#include "indicators/ConnexionsNodales.h"
#include "indicators/Homogeneite.h"
#include "indicators/IndicVek.h"
#include "location/CommandesHoraires.h"
#include "location/DialogueDistOp.h"
#include "location/ModeleDistance.h"
#include "location/SortiesCheminsMinimaux.h"
#include "network/Chargement.h"
#include "network/Espaces.h"
#include "network/ListeCouples.h"
#include "paths/Floyd.h"
#include "paths/MatriceArcsMin.h"
#include "paths/Traces.h"
#include "paths/Valuation.h"
#include "validation/TestValidite.h"
#include "validation/Zooms.h"
#include "vek/CommandesGenerales.h"
#include "vek/CommandesImport.h"
#include "vek/CommandesReseau.h"
#include "vek/Comparaison.h"
#include "vek/Etat.h"
#include "vek/Exports.h"

namespace vek {

namespace {

struct Entree {
    const char* parent;
    const char* nom;
    const char* legende;
    void (*routine)(Etat&);
    bool sousMenu;
};

// A command routine of any layer, called with the whole state.
template <auto F>
void Cmd(Etat& e) {
    F(e);
}

constexpr bool M = true;   // a sub-menu
constexpr bool C = false;  // a command

// In the order of the menu bar; a parent always comes before its children.
const Entree kMenu[] = {
    {"", "menFichiers", "&Fichiers", nullptr, M},
    {"menFichiers", "menOuvrir", "&Ouvrir... ", Cmd<menOuvrir>, C},
    {"menFichiers", "menNoeudsEtArcs", "&Espace... ", Cmd<menNoeudsEtArcs>, C},
    {"menFichiers", "menReseaux", "&Paramètres du graphe...", Cmd<menReseaux>, C},
    {"menFichiers", "menImporterGtfs", "Importer un flux &GTFS...", Cmd<menImporterGtfs>, C},
    {"menFichiers", "menImporterTntp", "Importer un réseau &TNTP...", Cmd<menImporterTntp>, C},
    {"menFichiers", "menSep1", "-", nullptr, C},
    {"menFichiers", "menTestValiditéFichiers", "&Tester la validité des fichiers",
     Cmd<menTestValiditéFichiers>, C},
    {"menFichiers", "menSep41", "-", nullptr, C},
    {"menFichiers", "menChangerValuation", "&Changer la valuation (temps par défaut)...",
     Cmd<menChangerValuation>, C},
    {"menFichiers", "menTempsDébit", "&Calculer le temps en fonction de la congestion routière",
     nullptr, M},
    {"menTempsDébit", "menDébitsHoraires", "Débits &Horaires", Cmd<menDébitsHoraires>, C},
    {"menTempsDébit", "menDébitsJournaliers", "Débits &Journaliers...", Cmd<menDébitsJournaliers>,
     C},
    {"menFichiers", "menConnexionsNodales", "Ajouter un temps moyen de connexion nodale",
     Cmd<menConnexionsNodales>, C},
    {"menFichiers", "menSep22", "-", nullptr, C},
    {"menFichiers", "menEditNoeuds", "Enregistrer les &noeuds sous...", Cmd<menEditNoeuds>, C},
    {"menFichiers", "menEditArcs", "Enregistrer les &arcs sous...", Cmd<menEditArcs>, C},
    {"menFichiers", "menSepComparaison", "-", nullptr, C},
    {"menFichiers", "menComparerVariante", "Comparer à une &variante...", Cmd<menComparerVariante>,
     C},
    {"menFichiers", "menFinComparaison", "&Fin de la comparaison", Cmd<menFinComparaison>, C},
    {"menFichiers", "menExporterResultat", "E&xporter le résultat...", Cmd<menExporterResultat>, C},
    {"menFichiers", "menExporterReseau", "Exporter le &réseau...", Cmd<menExporterReseau>, C},
    {"menFichiers", "menSep23", "-", nullptr, C},
    {"menFichiers", "menZooms", "&Zoom", nullptr, M},
    {"menZooms", "menNodal", "&Nodal...", Cmd<menNodal>, C},
    {"menZooms", "menNodalInv", "Nodal &Inverse...", Cmd<menNodalInv>, C},
    {"menZooms", "menMultinodal", "&Multinodal...", Cmd<menMultinodal>, C},
    {"menZooms", "menMultinodalInv", "Multinodal I&nverse...", Cmd<AucuneAction>, C},
    {"menFichiers", "menSep2", "-", nullptr, C},
    {"menFichiers", "menQuitter", "&Quitter", Cmd<menQuitter>, C},

    {"", "menIndicateursN", "&Noeuds", nullptr, M},
    {"menIndicateursN", "menNodalité", "&Nodalité", nullptr, M},
    {"menNodalité", "menRéseauxNodalité", "&Réseaux...", Cmd<menRéseauxNodalité>, C},
    {"menNodalité", "menSep99", "-", nullptr, C},
    {"menNodalité", "menCalculNodalité", "&Calcul...", Cmd<menCalculNodalité>, C},
    {"menIndicateursN", "menChemins", "&Chemins minimaux", nullptr, M},
    {"menChemins", "menCalculCheMin", "&Calcul", nullptr, M},
    {"menCalculCheMin", "menUneFois", "&1 fois", Cmd<menUneFois>, C},
    {"menCalculCheMin", "menHoraireContrainteDépart", "Contrainte sur l'heure de &départ...",
     Cmd<menHoraireContrainteDépart>, C},
    {"menCalculCheMin", "menHoraireContrainteArrivée", "Contrainte sur l'heure d'&arrivée...",
     Cmd<menHoraireContrainteArrivée>, C},
    {"menCalculCheMin", "menCheminsSurIntervalleHoraire",
     "Tous les &chemins sur intervalle horaire...", Cmd<menCheminsSurIntervalleHoraire>, C},
    {"menCalculCheMin", "menTMSurIntervalleHoraire", "Temps &minimaux sur intervalle horaire...",
     Cmd<menTMSurIntervalleHoraire>, C},
    {"menChemins", "menRécupTracés", "&Tracés", Cmd<menRécupTracés>, C},
    {"menChemins", "menSep4", "-", nullptr, C},
    {"menChemins", "menVisuMatChMin", "&Edition...", Cmd<menVisuMatChMin>, C},
    {"menIndicateursN", "menGravit", "&Attractions", nullptr, M},
    {"menGravit", "menParamétrageGravit", "&Paramétrage...", Cmd<menParamétrageGravit>, C},
    {"menGravit", "menOptionsGravit", "&Options...", Cmd<menOptionsGravit>, C},
    {"menGravit", "menDémarrageGravit", "&Démarrage", Cmd<menDémarrageGravit>, C},
    {"menGravit", "menEditionFichGravit", "&Edition...", Cmd<menEditionFichGravit>, C},
    {"menIndicateursN", "menCircuité", "&Circuité", nullptr, M},
    {"menCircuité", "menValuation", "&Valuation...", Cmd<menValuation>, C},
    {"menCircuité", "menCalculCircuite", "&Calcul", nullptr, M},
    {"menCalculCircuite", "menLCK_LE", "Ecart au vol d'oiseau : minimisation du kilométrage",
     Cmd<menLCK_LE>, C},
    {"menCalculCircuite", "menLCK_LECK", "Dont sinuosité", Cmd<menLCK_LECK>, C},
    {"menCalculCircuite", "menLECK_LE", "Dont enchaînements d'arcs", Cmd<menLECK_LE>, C},
    {"menCalculCircuite", "menSep42", "-", nullptr, C},
    {"menCalculCircuite", "menLCT_LE", "Ecart au vol d'oiseau : minimisation du temps de parcours",
     Cmd<menLCT_LE>, C},
    {"menCalculCircuite", "menLCT_LECT", "Dont sinuosité", Cmd<menLCT_LECT>, C},
    {"menCalculCircuite", "menLECT_LE", "Dont enchaînements d'arcs", Cmd<menLECT_LE>, C},
    {"menCalculCircuite", "menSep43", "-", nullptr, C},
    {"menCalculCircuite", "menLCT_LCK", "Ecart entre les logiques temporelle et kilométrique",
     Cmd<menLCT_LCK>, C},
    {"menIndicateursN", "menVitMoy", "&Accessibilité en vitesse moyenne", nullptr, M},
    {"menVitMoy", "menVitMoyEff", "&Vitesse moyenne effective", nullptr, M},
    {"menVitMoyEff", "menMinTemps", "Minimisation : &Temps", Cmd<menMinTemps>, C},
    {"menVitMoyEff", "menMinKm", "Minimisation : &Km", Cmd<menMinKm>, C},
    {"menVitMoy", "menMoyVitMoy", "&Moyenne des vitesses moyennes", nullptr, M},
    {"menMoyVitMoy", "menMinTemps2", "Minimisation : &Temps", Cmd<menMinTemps2>, C},
    {"menMoyVitMoy", "menMinKm2", "Minimisation : &Km", Cmd<menMinKm2>, C},
    {"menVitMoy", "menVitMoyEucl", "&Vitesse moyenne euclidienne", nullptr, M},
    {"menVitMoyEucl", "menMinTemps3", "Minimisation : &Temps", Cmd<menMinTemps3>, C},
    {"menVitMoyEucl", "menMinKm3", "Minimisation : &Km", Cmd<menMinKm3>, C},
    {"menIndicateursN", "menAccessContrainte", "&Accessibilité sous contrainte", nullptr, M},
    {"menAccessContrainte", "menNoeudProche", "&Noeud le plus proche...", Cmd<menNoeudProche>, C},
    {"menAccessContrainte", "menLoiTevrin", "&Loi 95-115 : critères d'accessibilité", nullptr, M},
    {"menLoiTevrin", "menValeursNodales", "&Valeurs nodales", nullptr, M},
    {"menValeursNodales", "menTevrinLongueurs", "&Longueurs (50 km)", Cmd<menTevrinLongueurs>, C},
    {"menValeursNodales", "menTevrinTemps", "&Temps (45 min)", Cmd<menTevrinTemps>, C},
    {"menLoiTevrin", "menRespectCritères", "&Respect des critères (50 km/45 min)",
     Cmd<menRespectCritères>, C},
    {"menIndicateursN", "menConnexions", "&Connexions", Cmd<menConnexions>, C},
    {"menIndicateursN", "menHomogénéité", "&Homogénéité", Cmd<menHomogénéité>, C},
    {"menIndicateursN", "menHiérarchNoeuds", "&Hiérarchisation des noeuds par suppression",
     Cmd<menHiérarchNoeuds>, C},
    {"menIndicateursN", "menPerteTpsNod", "&Perte de temps nodale", Cmd<menPerteTpsNod>, C},
    {"menIndicateursN", "menPerteVitMoyEucl", "Perte vit moy euclidienne", Cmd<menPerteVitMoyEucl>,
     C},

    {"", "menArcs", "&Liens", nullptr, M},
    {"menArcs", "menVisuMatArcsMin", "&Arcs minimaux", Cmd<menVisuMatArcsMin>, C},
    {"menArcs", "menHiérarc", "&Hiérarchisation des arcs", nullptr, M},
    {"menHiérarc", "menDestructionRes", "Par &destruction du réseau", Cmd<menDestructionRes>, C},
    {"menHiérarc", "menProductionRes", "Par &production de réseau", Cmd<AucuneAction>, C},
    {"menArcs", "menCongLoc", "&Congestion locale", Cmd<menCongLoc>, C},
    {"menArcs", "menAfficheVitRéelle", "&Vitesse réelle", Cmd<menAfficheVitRéelle>, C},
    {"menArcs", "menDistance", "&Distance", nullptr, M},
    {"menDistance", "menOptionsDistance", "&Options...", Cmd<menOptionsDistance>, C},
    {"menDistance", "menDémarrageDistance", "&Démarrage", Cmd<menDémarrageDistance>, C},
    {"menArcs", "menAffectation", "&Affectation", nullptr, M},
    {"menAffectation", "menDémarrage", "&Démarrage", Cmd<menDémarrage>, C},
    {"menAffectation", "menEdition", "&Edition", Cmd<menEdition>, C},

    {"", "menIndicateursG", "&Réseaux", nullptr, M},
    {"menIndicateursG", "menConnectivité", "&Connectivité", nullptr, M},
    {"menConnectivité", "menAlpha", "&Indice Alpha", Cmd<menAlpha>, C},
    {"menConnectivité", "menDispersion", "&Dispersion", nullptr, M},
    {"menDispersion", "menSomChem", "&Somme des plus courts chemins", Cmd<menSomChem>, C},
    {"menIndicateursG", "mencongglob", "&Congestion globale", Cmd<mencongglob>, C},
    {"menIndicateursG", "menPerteTpsGlob", "Perte de temps globale", Cmd<menPerteTpsGlob>, C},
    {"menIndicateursG", "menPerteVitMoyGlobale", "Perte de vit. moy. euclid. globale",
     Cmd<menPerteVitMoyGlobale>, C},

    {"", "menAide", "&?", nullptr, M},
    {"menAide", "menAPropos", "&A propos de VEK", Cmd<menAPropos>, C},
    {"menAide", "menPrintConfig", "&Imprimer Configuration", Cmd<menPrintConfig>, C},
};

}  // namespace

void ConstruitMenuVek(Etat& e) {
    e.Menus = MenuModele();
    for (const Entree& m : kMenu) {
        Routine r;
        if (m.routine) {
            r = [&e, f = m.routine] { f(e); };
        } else if (!m.sousMenu && std::string(m.legende) != "-") {
            r = [&e] { CommandeNonDisponible(e); };
        }
        e.Menus.Ajoute(m.parent, m.nom, m.legende, std::move(r));
    }
}

}  // namespace vek
