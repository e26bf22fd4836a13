#include "vek/Demarrage.h"

#include <memory>
#include <new>

#include "gravity/ParametresGravitaires.h"
#include "location/FormulaireCheminsMinimaux.h"
#include "location/ParametresDistance.h"
#include "network/Configuration.h"
#include "network/Mode.h"
#include "shell/Echecs.h"
#include "shell/Erreurs.h"
#include "shell/Fichiers.h"
#include "shell/GardeFichiers.h"
#include "shell/Progression.h"
#include "vek/Comparaison.h"
#include "vek/Etat.h"
#include "vek/MenuVek.h"
#include "vek/SauvegardeEtat.h"

namespace vek {

void InitialisationParametres(Etat& e) {
    ParametresGravitairesParDefaut(e);
    ParametresDistanceParDefaut(e);
    e.RepNoeudsNivN = e.RepArcsNivN = e.RepVilNivN = e.RepOdNivN = "c:\\";
    e.RepNoeudsNivN1 = "c:\\data\\noeuds\\niv.n-1";
    e.RepNoeudsNivN2 = "c:\\data\\noeuds\\niv.n-2";
    e.RepArcsNivN1 = "c:\\data\\arcs\\niv.n-1";
    e.RepArcsNivN2 = "c:\\data\\arcs\\niv.n-2";
    e.RepVilNivN1 = "c:\\data\\vil\\niv.n-1";
    e.RepVilNivN2 = "c:\\data\\vil\\niv.n-2";
    e.RepOdNivN1 = "c:\\data\\od\\niv.n-1";
    e.RepOdNivN2 = "c:\\data\\od\\niv.n-2";
    e.RepArcsMin = "c:\\data\\ArcsMin";
    e.RepResultats = "c:";
    e.NbNiveaux = 1;
    e.NbZoomsMultinodaux = 0;
    e.MissionsFerroviaires = e.HorairesTC = "NON";
    e.Valuation = "Temps";
    e.TypeDonneesTC = "Base";
    e.Oriente = false;
    e.ValuationAnnulee = false;
    for (const char* nom : {"menReseaux",
                            "menTestValiditéFichiers",
                            "menChangerValuation",
                            "menTempsDébit",
                            "menConnexionsNodales",
                            "menEditNoeuds",
                            "menEditArcs",
                            "menZooms",
                            "menNodalité",
                            "menNodal",
                            "menNodalInv",
                            "menMultinodal",
                            "menMultinodalInv",
                            "menArcs",
                            "menVisuMatArcsMin",
                            "menIndicateursN",
                            "menIndicateursG",
                            "menChemins",
                            "menGravit",
                            "menDistance",
                            "menAffectation",
                            "menPrintConfig",
                            "menRécupTracés",
                            "menVisuMatChMin",
                            "menConnexions",
                            "mencongglob",
                            "menCongLoc",
                            "menFinComparaison"})
        e.Menus.Desactive(nom);
    e.Menus.Active("menCalculCircuite");
    // The timetable commands take the place of "once" only under the valuation "Horaires".
    for (const char* nom : {"menHoraireContrainteDépart", "menHoraireContrainteArrivée",
                            "menCheminsSurIntervalleHoraire", "menTMSurIntervalleHoraire"})
        e.Menus.Cache(nom);
    e.Menus.Montre("menUneFois");
    InitialiseVekForCM(e);
}

void Demarrage(Etat& e) {
    Sablier sablier(e.Ihm);
    ConstruitMenuVek(e);
    InitialisationParametres(e);
    VideConfiguration(e);
    e.Ihm.Rafraichit();
}

Issue ExecuteCommande(Etat& e, const std::string& nom) {
    const Commande* c = e.Menus.Trouve(nom);
    if (!c || !c->routine) return Issue::Inconnue;
    if (!e.Menus.EstDisponible(nom)) return Issue::Refusee;
    Routine routine = c->routine;
    const std::uint64_t numero = e.NumeroResultat;
    e.JournalCommandes.DebutCommande();
    std::unique_ptr<SauvegardeEtat> sauvegarde;
    std::unique_ptr<GardeFichiers> fichiers;
    if (e.Ihm.AnnulationPossible()) {
        sauvegarde = std::make_unique<SauvegardeEtat>(e);
        fichiers = std::make_unique<GardeFichiers>();
    }
    bool reussie = false;
    try {
        routine();
        reussie = true;
    } catch (const Annulation&) {
        FermeProgressions(e);
        e.Ihm.Sablier(false);
        if (fichiers) fichiers->Restaure();
        if (sauvegarde) sauvegarde->Restaure(e);
        e.JournalCommandes.FinCommande(nom, false);
        e.Ihm.Rafraichit();
        e.Ihm.Message(
            "La commande a été annulée : le réseau et les résultats sont ceux d'avant la "
            "commande.",
            Boutons::Ok, Icone::Information, kTitreVek);
        return Issue::Annulee;
    } catch (const ErreurFatale&) {
        FermeProgressions(e);
        throw;
    } catch (const ErreurFichier& x) {
        FermeProgressions(e);
        SignaleEchec();
        e.Ihm.Message(x.what(), Boutons::Ok, Icone::Critique, kTitreVek);
    } catch (const ErreurMemoire& x) {
        FermeProgressions(e);
        SignaleEchec();
        e.Ihm.Message(x.what(), Boutons::Ok, Icone::Critique, kTitreVek);
    } catch (const ValeurHorsChamp& x) {
        FermeProgressions(e);
        SignaleEchec();
        e.Ihm.Message(x.what(), Boutons::Ok, Icone::Critique, kTitreVek);
    } catch (const std::bad_alloc&) {
        FermeProgressions(e);
        SignaleEchec();
        e.Ihm.Message("Mémoire insuffisante pour terminer cette commande.", Boutons::Ok,
                      Icone::Critique, kTitreVek);
    } catch (const std::exception& x) {
        FermeProgressions(e);
        SignaleEchec();
        e.Ihm.Message(std::string("La commande a été interrompue : ") + x.what(), Boutons::Ok,
                      Icone::Critique, kTitreVek);
    }
    FermeProgressions(e);
    e.Ihm.Sablier(false);
    e.JournalCommandes.FinCommande(nom, reussie);
    if (reussie) ApresCommandeComparee(e, nom, numero);
    return Issue::Faite;
}

}  // namespace vek
