#include "paths/Valuation.h"

#include "paths/EtatChemins.h"
#include "paths/MatriceArcsMin.h"
#include "shell/Fichiers.h"

namespace vek {

namespace {
struct OptionValuation {
    const char* nom;
    const char* legende;
    const char* valuation;
};
constexpr OptionValuation kOptions[] = {
    {"Distance", "Distances en kilomètres", "Distance"},
    {"Temps", "Durée en minutes", "Temps"},
    {"Dist2Tps", "DIST2TPS", "Distance2Temps"},
    {"ChapHeur", "Horaires de circulation", "Horaires"},
    {"ChapHeurJour", "Horaires et jours de circulation", "JoursEtHeures"},
};
}  // namespace

const char* ValuationDeLOption(const std::string& option) {
    for (const auto& o : kOptions)
        if (option == o.nom) return o.valuation;
    return nullptr;
}

void SignaleValuationSansSens(EtatChemins& e, const std::string& pour) {
    e.Ihm.Message("La valuation en cours (" + e.Valuation + ") n'a pas de sens pour " + pour +
                      " : choisissez la valuation Distance, Temps ou Distance2Temps (Fichiers, "
                      "Changer la valuation (temps par défaut)...).",
                  Boutons::Ok, Icone::Exclamation, kTitreVek);
}

Dialogue DialogueValu(EtatChemins& e) {
    Dialogue d;
    d.nom = "Valu";
    d.legende = "Valu";
    d.Ajoute(TypeControle::Cadre, "ChoixValuation", "Valuation");
    for (const auto& o : kOptions)
        d.Ajoute(TypeControle::Option, o.nom, o.legende, "ChoixValuation").coche =
            e.Valuation == o.valuation;
    d.Ajoute(TypeControle::Cadre, "ChoixValuCircuité", "Circuité");
    d.Ajoute(TypeControle::Option, "Longueurs", "LONGUEURS", "ChoixValuCircuité").coche =
        e.ValuCircuite != "ATTRACTIONS";
    d.Ajoute(TypeControle::Option, "Attractions", "ATTRACTIONS", "ChoixValuCircuité").coche =
        e.ValuCircuite == "ATTRACTIONS";
    d.Ajoute(TypeControle::Bouton, "ValuOk", "OK").action = [&e](Dialogue& dlg) {
        e.ValuationAnnulee = false;
        dlg.Ferme();
    };
    d.Ajoute(TypeControle::Bouton, "ValuAnnule", "Annuler").action = [&e](Dialogue& dlg) {
        e.ValuationAnnulee = true;
        dlg.Ferme();
    };
    d.boutonAnnulation = "ValuAnnule";
    return d;
}

namespace {
// Shows Valu; false when it was cancelled. Keeps the circuity choice otherwise.
bool MontreValu(EtatChemins& e, Dialogue& d) {
    e.ValuationAnnulee = true;  // a dialog left without its buttons counts as cancelled
    e.Ihm.MontreDialogue(d, true);
    if (e.ValuationAnnulee) return false;
    e.ValuCircuite = d["Attractions"].coche ? "ATTRACTIONS" : "LONGUEURS";
    return true;
}
}  // namespace

void menChangerValuation(EtatChemins& e) {
    Dialogue d = DialogueValu(e);
    if (!MontreValu(e, d)) return;
    Sablier sablier(e.Ihm);
    std::string choisie = d.OptionChoisie("ChoixValuation");
    if (choisie.empty()) return;  // nothing chosen: the current valuation stays
    std::string v = ValuationDeLOption(choisie);
    if (v == "Distance") e.Menus.Desactive("menConnexionsNodales");
    if (v == "Temps") e.Menus.Active("menConnexions");
    e.Valuation = v;
    CalculMatriceArcsMin(e);
    const bool horaires = v == "Horaires";
    for (const char* nom : {"menHoraireContrainteDépart", "menHoraireContrainteArrivée",
                            "menCheminsSurIntervalleHoraire", "menTMSurIntervalleHoraire"})
        e.Menus.Montre(nom, horaires);
    e.Menus.Montre("menUneFois", !horaires);
}

void menValuation(EtatChemins& e) {
    Dialogue d = DialogueValu(e);
    MontreValu(e, d);
}

}  // namespace vek
