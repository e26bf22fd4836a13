#include "location/FormulaireCheminsMinimaux.h"

#include <cmath>
#include <string>

#include "location/EtatLocalisation.h"
#include "network/Lecture.h"
#include "shell/Texte.h"

namespace vek {

namespace {

constexpr const char* kListes[] = {"ListeNoeudsFormatArc1", "ListeNoeudsFormatArc2",
                                   "ListeNoeudsFormatArcVal", "ListeNoeudsFormatNoeudVal"};

// "Ok": the number of facilities, then the outputs once the dialog is closed. A count that
// is missing or outside 1..3 leaves the dialog open to be corrected.
void Valide(EtatLocalisation& e, Dialogue& d) {
    e.ChoixSortie = "Fichier";
    const double lu = LectureNombre(VersUtf32(d["EntréeNbEq"].texte));
    const double arrondi = std::isfinite(lu) ? std::nearbyint(lu) : -1;
    if (d["Loceq"].coche) {
        if (arrondi == 0) {
            e.Ihm.Message("Vous devez entrer le nombre d'équipements à localiser", Boutons::Ok,
                          Icone::Exclamation, "Éditeur de texte");
            return;
        }
        if (arrondi < 1 || arrondi > 3) {
            e.Ihm.Message("Le nombre d'équipements à localiser doit être 1, 2 ou 3 (« " +
                              d["EntréeNbEq"].texte + " » ne convient pas).",
                          Boutons::Ok, Icone::Exclamation, "Éditeur de texte");
            return;
        }
    }
    if (arrondi >= 0 && arrondi <= 3) e.NbEquipements = static_cast<std::int16_t>(arrondi);
    d.Ferme();
}

Gestionnaire MiseAJour() {
    return [](Dialogue& d) { MetAJourVekForCM(d); };
}

}  // namespace

void MetAJourVekForCM(Dialogue& d) {
    const bool precarto = d["Précarto"].coche;
    d.Active("CadreLocalisation", d["Loceq"].coche);
    d.Active("CadreFormat", precarto);
    d.Active("CadreArc", precarto && d["Arc"].coche);
    d.Active("ListeNoeudsFormatArc1", d["DescriptionChemins"].coche);
    d.Active("ListeNoeudsFormatArc2", d["DescriptionChemins"].coche);
    d.Active("CadreArcVal", precarto && d["ArcVal"].coche);
    d.Active("ListeNoeudsFormatArcVal", d["Uni_polaire"].coche);
    d.Active("CadreNoeudVal", precarto && d["NoeudVal"].coche);
    d.Active("ListeNoeudsFormatNoeudVal", d["Unipolaire"].coche);
    d.Active("TypeNoeudValeur", d["Unipolaire"].coche);
    d.Active("IndicsCheminsMultipolaires", d["Multipolaire"].coche);
}

std::shared_ptr<Dialogue> DialogueVekForCM(EtatLocalisation& e) {
    if (!e.FormulaireCheminsMinimaux) InitialiseVekForCM(e);
    Dialogue& d = *e.FormulaireCheminsMinimaux;
    // The node lists follow the network loaded; a list that changed loses its selection.
    for (const char* nom : kListes) {
        Controle& l = d[nom];
        if (l.elements != e.ListeNoeudsDialogues) {
            l.elements = e.ListeNoeudsDialogues;
            l.selection = -1;
        }
    }
    // The hour options are shown once a timetable computation has left its journeys.
    if (TrajetsHorairesCourants(e))
        for (const char* nom : kOptionsHeures) d.Montre(nom);
    MetAJourVekForCM(d);
    return e.FormulaireCheminsMinimaux;
}

void InitialiseVekForCM(EtatLocalisation& e) {
    auto p = std::make_shared<Dialogue>();
    Dialogue& d = *p;
    d.nom = "VekForCM";
    d.legende = "Fichiers Chemins Minimaux";
    const Gestionnaire maj = MiseAJour();
    auto caseA = [&](const char* nom, const char* legende, const std::string& cadre = {}) {
        d.Ajoute(TypeControle::Case, nom, legende, cadre).action = maj;
    };
    auto option = [&](const char* nom, const char* legende, const std::string& cadre) {
        d.Ajoute(TypeControle::Option, nom, legende, cadre).action = maj;
    };

    caseA("Consult", "Format Consultation");
    caseA("EditMatPreced", "Description des chemins");
    caseA("MatriceChem", "Matrice des chemins");
    caseA("TranspRoutPL", "Législation sociale transports routiers");

    caseA("Loceq", "Problèmes de localisation");
    d.Ajoute(TypeControle::Cadre, "CadreLocalisation", "Critère de localisation");
    option("EfficacitéEq", "Efficacité (Somme des distances)", "CadreLocalisation");
    d["EfficacitéEq"].action = [&e](Dialogue& dlg) {
        e.PonderationPopulation =
            e.Ihm.Message(
                "Voulez-vous multiplier les distances par le nombre d'individus "
                "susceptibles de se déplacer (poids du noeud d'origine) ?",
                Boutons::OuiNon, Icone::Question, "LocEq") == Reponse::Oui;
        MetAJourVekForCM(dlg);
    };
    option("EquitéEq", "Equité (Critère maximin)", "CadreLocalisation");
    d["EfficacitéEq"].coche = true;
    d.Ajoute(TypeControle::Etiquette, "NbEq",
             "Nombre d'équipements à localiser (maximum 3) :", "CadreLocalisation");
    d.Ajoute(TypeControle::Texte, "EntréeNbEq", "", "CadreLocalisation").texte =
        e.NbEquipements > 0 ? std::to_string(e.NbEquipements) : std::string();

    caseA("Précarto", "Format Pré-cartographique");
    d.Ajoute(TypeControle::Cadre, "CadreFormat", "Format");
    option("Arc", "Format - Arc", "CadreFormat");
    option("ArcVal", "Format Arc - Valeur", "CadreFormat");
    option("NoeudVal", "Format Noeud - Valeur", "CadreFormat");
    d["Arc"].coche = true;

    d.Ajoute(TypeControle::Cadre, "CadreArc", "Format - Arc");
    caseA("DescriptionChemins", "Description des Chemins", "CadreArc");
    d.Ajoute(TypeControle::Liste, "ListeNoeudsFormatArc1", "Origine :", "CadreArc");
    d.Ajoute(TypeControle::Liste, "ListeNoeudsFormatArc2", "Destination :", "CadreArc");

    d.Ajoute(TypeControle::Cadre, "CadreArcVal", "Format Arc - Valeur");
    option("Uni_polaire", "Uni-polaire", "CadreArcVal");
    option("MultipolaireNbRelations", "Multipolaire", "CadreArcVal");
    d["Uni_polaire"].coche = true;
    d.Ajoute(TypeControle::Liste, "ListeNoeudsFormatArcVal", "Noeud :", "CadreArcVal");

    d.Ajoute(TypeControle::Cadre, "CadreNoeudVal", "Format Noeud - Valeur");
    option("Unipolaire", "Unipolaire", "CadreNoeudVal");
    option("Multipolaire", "Multipolaire", "CadreNoeudVal");
    d["Unipolaire"].coche = true;
    d.Ajoute(TypeControle::Liste, "ListeNoeudsFormatNoeudVal", "Noeud :", "CadreNoeudVal");
    d.Ajoute(TypeControle::Cadre, "TypeNoeudValeur", "Noeud-valeur de type :", "CadreNoeudVal");
    d.Ajoute(TypeControle::Etiquette, "ValeurDuNoeudVal", "Valeur", "TypeNoeudValeur");
    d.Ajoute(TypeControle::Cadre, "DépartNoeudSélec", "Au départ du noeud sélectionné",
             "TypeNoeudValeur");
    d.Ajoute(TypeControle::Cadre, "VersNoeudSélec", "Vers le noeud sélectionné", "TypeNoeudValeur");
    for (const ValeurUnipolaire& v : kValeursUnipolaires)
        caseA(v.nom, v.legende, v.depart ? "DépartNoeudSélec" : "VersNoeudSélec");
    d.Ajoute(TypeControle::Cadre, "IndicsCheminsMultipolaires", "Indicateurs multipolaires",
             "CadreNoeudVal");
    for (const CaseIndicateur& i : kCasesIndicateurs)
        caseA(i.nom, i.legende, "IndicsCheminsMultipolaires");
    caseA("Pond", "Pondéré", "IndicsCheminsMultipolaires");

    d.Ajoute(TypeControle::Bouton, "Ok", "Fichier").action = [&e](Dialogue& dlg) {
        Valide(e, dlg);
    };
    d.Ajoute(TypeControle::Bouton, "Annuler", "Annuler").action = [&e](Dialogue& dlg) {
        e.ChoixSortie = "Annule";
        dlg.Ferme();
    };
    d.boutonAnnulation = "Annuler";
    for (const char* nom : kOptionsHeures) d.Montre(nom, false);
    MetAJourVekForCM(d);
    e.FormulaireCheminsMinimaux = std::move(p);
}

}  // namespace vek
