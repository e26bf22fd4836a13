#include "location/DialogueDistOp.h"

#include <string>

#include "location/EtatLocalisation.h"
#include "shell/Chemins.h"
#include "shell/Fichiers.h"

namespace vek {

namespace {

// A section of DistOp: its frame, its controls and where its choices are kept.
struct Section {
    const char* cadre;
    const char* legende;
    const char *oui, *non, *texte, *bouton, *ecran, *total;
    bool OptionsDistance::*choisie;
    bool OptionsDistance::*montre;
    std::string TablesLocalisation::*repertoire;
    std::string TablesLocalisation::*fichier;
};

const Section kSections[] = {
    {"Frame3D2", "Distance parcourue à destination de ...", "OuiDest", "NonDest", "TexteDest",
     "Command3D2", "EcranDest", "Distot", &OptionsDistance::OuiDest, &OptionsDistance::EcranDest,
     &TablesLocalisation::RepDistDest, &TablesLocalisation::NomFichierDistDest},
    {"Frame3D1", "Distance parcourue à partir de ...", "OuiOrig", "NonOrig", "TexteOrig",
     "Command3D1", "EcranOrig", nullptr, &OptionsDistance::OuiOrig, &OptionsDistance::EcranOrig,
     &TablesLocalisation::RepDistOrig, &TablesLocalisation::NomFichierDistOrig},
};

// A section's file field, file button and boxes are open while its "Oui" is chosen.
void MetAJour(const EtatLocalisation& e, Dialogue& d) {
    for (const Section& s : kSections) {
        const bool oui = e.Distance.*s.choisie;
        for (const char* c : {s.texte, s.bouton, s.ecran, s.total})
            if (c) d.Active(c, oui);
    }
}

void Choisit(EtatLocalisation& e, Dialogue& d, const Section& s, bool oui) {
    e.Distance.*s.choisie = oui;
    d.ChoisitOption(oui ? s.oui : s.non);
    MetAJour(e, d);
}

void Coche(EtatLocalisation& e, Dialogue& d, const char* boite, bool OptionsDistance::*choix,
           bool coche) {
    e.Distance.*choix = coche;
    d[boite].coche = coche;
}

}  // namespace

Dialogue DialogueDistOp(EtatLocalisation& e) {
    Dialogue d;
    d.nom = "DistOp";
    d.legende = "Options du modèle Distance";
    const OptionsDistance& o = e.Distance;
    for (const Section& s : kSections) {
        const Section* ps = &s;
        d.Ajoute(TypeControle::Cadre, s.cadre, s.legende);
        Controle& oui = d.Ajoute(TypeControle::Option, s.oui, "Oui", s.cadre);
        oui.coche = o.*s.choisie;
        oui.action = [&e, ps](Dialogue& dlg) { Choisit(e, dlg, *ps, true); };
        Controle& non = d.Ajoute(TypeControle::Option, s.non, "Non", s.cadre);
        non.coche = !(o.*s.choisie);
        non.action = [&e, ps](Dialogue& dlg) { Choisit(e, dlg, *ps, false); };
        Controle& texte = d.Ajoute(TypeControle::Texte, s.texte, "Fichier :", s.cadre);
        texte.texte = e.*s.fichier;
        texte.action = [&e, ps](Dialogue& dlg) { e.*ps->fichier = dlg[ps->texte].texte; };
        d.Ajoute(TypeControle::Bouton, s.bouton, "Changer de fichier", s.cadre).action =
            [&e, ps](Dialogue& dlg) {
                const auto nom = NomFichierChoisi(e, e.*ps->repertoire, e.*ps->fichier);
                if (!nom) return;
                // The name alone: the section's folder stays as it is.
                e.*ps->fichier = *nom;
                dlg[ps->texte].texte = e.*ps->fichier;
            };
        Controle& ecran = d.Ajoute(TypeControle::Case, s.ecran, "Sortie Bloc-Notes", s.cadre);
        ecran.coche = o.*s.montre;
        ecran.action = [&e, ps](Dialogue& dlg) { e.Distance.*ps->montre = dlg[ps->ecran].coche; };
        if (s.total) {
            Controle& c = d.Ajoute(TypeControle::Case, s.total, "Distance Totale", s.cadre);
            c.coche = o.Distot;
            c.action = [&e, ps](Dialogue& dlg) { e.Distance.Distot = dlg[ps->total].coche; };
        }
    }
    d.Ajoute(TypeControle::Bouton, "Command3D3", "Ok").action = [&e](Dialogue& dlg) {
        e.Menus.Active("menDémarrageDistance");
        dlg.Ferme();
    };
    d.Ajoute(TypeControle::Bouton, "Command3D4", "Paramètres par défaut").action =
        [&e](Dialogue& dlg) {
            for (const Section& s : kSections) {
                Choisit(e, dlg, s, true);
                Coche(e, dlg, s.ecran, s.montre, true);
            }
            Coche(e, dlg, "Distot", &OptionsDistance::Distot, true);
        };
    MetAJour(e, d);
    return d;
}

void menOptionsDistance(EtatLocalisation& e) {
    e.Ihm.MontreDialogueNonModal(std::make_shared<Dialogue>(DialogueDistOp(e)));
}

}  // namespace vek
