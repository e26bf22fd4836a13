#include "indicators/IndicVek.h"

#include <algorithm>

#include "indicators/EtatIndicateurs.h"
#include "indicators/Nodalite.h"
#include "network/Chargement.h"
#include "network/Espaces.h"
#include "network/ValeursNoeuds.h"
#include "paths/MatriceArcsMin.h"
#include "shell/Fichiers.h"

namespace vek {

namespace {

struct Choix {
    const char* nom;
    const char* legende;
};

constexpr Choix kIndicateurs[] = {
    {"Degré", "Degré d = (d+) + (d-)"},
    {"DemiDegréExt", "Demi-degré extérieur (d-)"},
    {"DemiDegréInt", "Demi-degré intérieur (d+)"},
    {"Valence", "Valence v = (d+) - (d-)"},
    {"NbNoeudsAccess", "Nb noeuds accessibles"},
    {"Gain1", "Gain de contiguité"},
    {"IndConnex", "Indice général de connexion"},
    {"IndInterConnex", "Indice d'inter-connexion"},
    {"IndIntraConnex", "Indice d'intra-connexion"},
    {"NodalitéAntiNodalité", "Nodalité / Anti-nodalité"},
};
constexpr Choix kOrdres[] = {{"Ordre1", "Ordre 1"}, {"Ordre2", "Ordre 2"}};
constexpr Choix kValuations[] = {
    {"Booléenne", "Booléenne (nombre d'arcs)"}, {"Distance", "Distance"}, {"Temps", "Temps"}};
constexpr Choix kModes[] = {
    {"Unimodal", "Unimodalité"},
    {"Multimodal", "Multimodalité"},
    {"Ferroviaire", "Ferroviaires"},
    {"Route", "Routiers et Autoroutiers"},
    {"NonHoraires", "Tous modes hors T.G.V."},
};

bool FamilleDegre(const std::string& indicateur) {
    return indicateur == "Degré" || indicateur == "DemiDegréExt" || indicateur == "DemiDegréInt";
}

// What each indicator reads: the order for the degree family, the valuation for it and the
// valence, the mode options for the connexion indices, the nodality property and the
// order-2 contiguity (timetable data).
void MetAJour(Dialogue& d) {
    const std::string indicateur = d.OptionChoisie("Indicateurs");
    const bool degre = FamilleDegre(indicateur);
    d.Active("Contiguité", degre);
    d.Active("OptionValuation", degre || indicateur == "Valence");
    d.Active("OptionModes", indicateur == "NodalitéAntiNodalité" ||
                                indicateur == "IndInterConnex" || indicateur == "IndIntraConnex" ||
                                (degre && d.OptionChoisie("Contiguité") == "Ordre2"));
    d.Montre("ListeModesTransport", d.OptionChoisie("OptionModes") == "Unimodal");
}

void AjouteGroupe(Dialogue& d, const char* cadre, const char* legende, const Choix* debut,
                  const Choix* fin, const std::string& choisi) {
    d.Ajoute(TypeControle::Cadre, cadre, legende);
    for (const Choix* c = debut; c != fin; ++c) {
        Controle& option = d.Ajoute(TypeControle::Option, c->nom, c->legende, cadre);
        option.coche = choisi == c->nom;
        option.action = MetAJour;
    }
}

}  // namespace

Dialogue DialogueIndicVek(EtatIndicateurs& e) {
    const OptionsIndicVek& o = e.IndicVek;
    Dialogue d;
    d.nom = "IndicVek";
    d.legende = "Edition des indicateurs de nodalité";
    AjouteGroupe(d, "Indicateurs", "Indicateurs", std::begin(kIndicateurs), std::end(kIndicateurs),
                 o.Indicateur);
    AjouteGroupe(d, "Contiguité", "Contiguïté", std::begin(kOrdres), std::end(kOrdres), o.Ordre);
    AjouteGroupe(d, "OptionValuation", "Valuation", std::begin(kValuations), std::end(kValuations),
                 o.Valuation);
    AjouteGroupe(d, "OptionModes", "Modes", std::begin(kModes), std::end(kModes), o.Modes);
    Controle& liste = d.Ajoute(TypeControle::Liste, "ListeModesTransport", "Mode :", "OptionModes");
    liste.elements = e.ListeModesDialogues;
    auto p = std::find(liste.elements.begin(), liste.elements.end(), o.ModeListe);
    if (p != liste.elements.end())
        liste.selection = static_cast<int>(p - liste.elements.begin());
    else if (!liste.elements.empty())
        liste.selection = 0;
    Controle& horaires = d.Ajoute(TypeControle::Etiquette, "Horaires", "(Horaires TGV)");
    horaires.visible = e.HorairesTC == "OUI" || e.TypeDonneesTC == "JoursEtHeures";

    d.Ajoute(TypeControle::Bouton, "Ok", "Fichier").action = [&e](Dialogue& dlg) {
        OptionsIndicVek& choix = e.IndicVek;
        choix.Indicateur = dlg.OptionChoisie("Indicateurs");
        choix.Ordre = dlg.OptionChoisie("Contiguité");
        choix.Valuation = dlg.OptionChoisie("OptionValuation");
        choix.Modes = dlg.OptionChoisie("OptionModes");
        const Controle& modes = dlg["ListeModesTransport"];
        choix.ModeListe =
            modes.selection >= 0 && modes.selection < static_cast<int>(modes.elements.size())
                ? modes.elements[static_cast<std::size_t>(modes.selection)]
                : std::string();
        e.AnnulationIndicateurs = false;
        dlg.Ferme();
    };
    d.Ajoute(TypeControle::Bouton, "Annul", "Annuler").action = [&e](Dialogue& dlg) {
        e.AnnulationIndicateurs = true;
        dlg.Ferme();
    };
    d.boutonAnnulation = "Annul";
    MetAJour(d);
    return d;
}

void menCalculNodalité(EtatIndicateurs& e) {
    e.AnnulationIndicateurs = false;
    Dialogue d = DialogueIndicVek(e);
    e.Ihm.MontreDialogue(d, true);
    if (e.AnnulationIndicateurs) return;
    Sablier sablier(e.Ihm);
    if (!CalculNodalite(e)) return;
    e.NomFichierResultat = CheminResultat(e, "\\NoeudVal.dat");
    EcritureValeursNoeuds(e, e.NomFichierResultat);
    OuvreDansEditeur(e, e.NomFichierResultat);
}

void menRéseauxNodalité(EtatIndicateurs& e) {
    const std::vector<Mode> avant = e.TableModes;
    e.ChargerReseau = false;
    Dialogue d = DialogueReseaux(e);
    e.Ihm.MontreDialogue(d, true);
    if (e.ChargerReseau) {
        if (ChargementReseau(e)) CalculMatriceArcsMin(e);
        return;
    }
    // Edited speeds, selections and orientations reach the minimal arcs too.
    const bool change =
        !std::equal(avant.begin(), avant.end(), e.TableModes.begin(), e.TableModes.end(),
                    [](const Mode& a, const Mode& b) {
                        return a.Nom == b.Nom && a.Code == b.Code && a.Vitesse == b.Vitesse &&
                               a.VitesseMax == b.VitesseMax && a.Oriente == b.Oriente &&
                               a.Selectionne == b.Selectionne;
                    });
    if (change) CalculMatriceArcsMin(e);
}

}  // namespace vek
