#include "gravity/DialoguesGravite.h"

#include <string>
#include <string_view>

#include "gravity/EtatGravite.h"
#include "network/Lecture.h"
#include "shell/Chemins.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Texte.h"

namespace vek {

namespace {

struct Parametre {
    const char* texte;
    const char* legende;
    float ParametresGravite::*valeur;
};

constexpr Parametre kParametres[] = {
    {"Texte1", "Distance interne moyenne de la ville :", &ParametresGravite::DistanceInterneVille},
    {"Texte2", "Valeur élasticité population :", &ParametresGravite::ElasticitePopulation},
    {"Texte3", "Valeur élasticité distance :", &ParametresGravite::ElasticiteDistance},
    {"Texte4", "Paramétre échelle de population :", &ParametresGravite::EchellePopulation},
    {"Texte5", "Paramétre échelle du poids de la ville :", &ParametresGravite::EchellePoidsVille},
    {"Texte6", "Paramétre échelle de l'accessibilité :", &ParametresGravite::EchelleAccessibilite},
    {"Texte7", "Paramétre échelle de la longueur", &ParametresGravite::EchelleLongueur},
    {"Texte8", "Nombre total de personnes par emploi", &ParametresGravite::PersonnesParEmploi},
};

// The number the leading-number reader takes from a text: an optional sign, then digits with
// at most one decimal point, at least one digit among them.
bool CommenceParUnNombre(std::string_view t) {
    std::size_t i = t.find_first_not_of(" \t");
    if (i == std::string_view::npos) return false;
    if (t[i] == '-' || t[i] == '+') ++i;
    if (i < t.size() && t[i] == '.') ++i;
    return i < t.size() && t[i] >= '0' && t[i] <= '9';
}

// A caption without its closing " :".
std::string Intitule(std::string_view legende) {
    if (legende.size() >= 2 && legende.substr(legende.size() - 2) == " :") legende.remove_suffix(2);
    return std::string(legende);
}

// A section of GvOp: its frame, its controls and where its choices are kept.
struct Section {
    const char* cadre;
    const char* legende;
    const char *oui, *non, *texte, *bouton, *ecran, *total;
    bool OptionsGvOp::*choisie;
    bool OptionsGvOp::*montre;  // null when the section has no viewer box
    bool OptionsGvOp::*totale;  // null when it has no total box
    std::string ParametresGravite::*repertoire;
    std::string ParametresGravite::*fichier;
};

const Section kSections[] = {
    {"CadreSLP", "Sommations lignes pondérées par la population", "OuiSLP", "NonSLP", "TexteSLP",
     "Command3D1", "EcranSLP", "TotSLP", &OptionsGvOp::OuiSLP, &OptionsGvOp::EcranSLP,
     &OptionsGvOp::TotSLP, &ParametresGravite::RepSLP, &ParametresGravite::NomFichierSLP},
    {"Cadre3AA", "Trois principales attractions absolues", "Oui3AA", "Non3AA", "Texte3AA",
     "Command3D2", "Ecran3AA", nullptr, &OptionsGvOp::Oui3AA, &OptionsGvOp::Ecran3AA, nullptr,
     &ParametresGravite::Rep3AA, &ParametresGravite::NomFichier3AA},
    {"Cadre3AR", "Trois principales attractions relatives", "Oui3AR", "Non3AR", "Texte3AR",
     "Command3D6", "Ecran3AR", nullptr, &OptionsGvOp::Oui3AR, &OptionsGvOp::Ecran3AR, nullptr,
     &ParametresGravite::Rep3AR, &ParametresGravite::NomFichier3AR},
    {"CadreSAA", "Sommes des attractions absolues", "OuiSAA", "NonSAA", "TexteSAA", "Command3D3",
     "EcranSAA", "TotSAA", &OptionsGvOp::OuiSAA, &OptionsGvOp::EcranSAA, &OptionsGvOp::TotSAA,
     &ParametresGravite::RepSAA, &ParametresGravite::NomFichierSAA},
    {"CadreAuto", "Auto-Attraction  Attraction-Totale  Attraction-Extérieure  Evasion", "OuiAuto",
     "NonAuto", "TexteAuto", "Command3D7", "EcranAuto", nullptr, &OptionsGvOp::OuiAuto,
     &OptionsGvOp::EcranAuto, nullptr, &ParametresGravite::RepAuto,
     &ParametresGravite::NomFichierAuto},
    {"CadreAP", "Fichier d'attraction en nombre de personnes", "OuiAP", "NonAP", "TexteAP",
     "Command3D8", nullptr, nullptr, &OptionsGvOp::OuiAP, nullptr, nullptr,
     &ParametresGravite::RepAP, &ParametresGravite::NomFichierAP},
};

// The controls each choice enables: a section's own when it is chosen; the AP pair follows
// "Oui" of the auto section once it has been chosen.
void MetAJour(EtatGravite& e, Dialogue& d) {
    const OptionsGvOp& o = e.Gravite.Options;
    for (const Section& s : kSections) {
        const bool oui = o.*s.choisie;
        for (const char* c : {s.texte, s.bouton, s.ecran, s.total})
            if (c) d.Active(c, oui);
    }
}

void Choisit(EtatGravite& e, Dialogue& d, const Section& s, bool oui) {
    e.Gravite.Options.*s.choisie = oui;
    d.ChoisitOption(oui ? s.oui : s.non);
    if (std::string(s.oui) == "OuiAuto" && oui) {
        e.Gravite.Options.PaireAPActive = true;
        d.Active("OuiAP");
        d.Active("NonAP");
    }
    MetAJour(e, d);
}

}  // namespace

void ParametresGravitairesParDefaut(EtatGravite& e) {
    e.Gravite = ParametresGravite{};
}

Dialogue DialogueGvPa(EtatGravite& e) {
    Dialogue d;
    d.nom = "GvPa";
    d.legende = "Paramétrage de Gravit";
    for (const Parametre& p : kParametres) {
        Controle& c = d.Ajoute(TypeControle::Texte, p.texte, p.legende);
        c.texte = std::string(p.texte) == "Texte8" ? e.Gravite.Texte8 : Str(e.Gravite.*p.valeur);
    }
    d.Ajoute(TypeControle::Bouton, "Ok", "Ok").action = [&e](Dialogue& dlg) {
        // A text with no number at its head would silently read as 0: refused, named, and
        // the dialog stays open with the parameters as they were.
        std::string refus;
        for (const Parametre& p : kParametres) {
            const std::string& t = dlg[p.texte].texte;
            if (CommenceParUnNombre(t)) continue;
            if (!refus.empty()) refus += "\n";
            refus +=
                "Le paramètre « " + Intitule(p.legende) + " » n'est pas un nombre valide : " + t;
        }
        if (!refus.empty()) {
            e.Ihm.Message(refus, Boutons::Ok, Icone::Exclamation, "Paramétrage de Gravit");
            return;
        }
        for (const Parametre& p : kParametres)
            e.Gravite.*p.valeur = static_cast<float>(LectureNombre(VersUtf32(dlg[p.texte].texte)));
        e.Gravite.Texte8 = dlg["Texte8"].texte;
        dlg.Ferme();
    };
    d.Ajoute(TypeControle::Bouton, "Annuler", "Annuler").action = [](Dialogue& dlg) {
        dlg.Ferme();
    };
    d.boutonAnnulation = "Annuler";
    return d;
}

Dialogue DialogueGvOp(EtatGravite& e) {
    Dialogue d;
    d.nom = "GvOp";
    d.legende = "Options du modèle Gravitaire";
    const OptionsGvOp& o = e.Gravite.Options;
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
        texte.texte = e.Gravite.*s.fichier;
        texte.action = [&e, ps](Dialogue& dlg) { e.Gravite.*ps->fichier = dlg[ps->texte].texte; };
        d.Ajoute(TypeControle::Bouton, s.bouton, "Changer de fichier", s.cadre).action =
            [&e, ps](Dialogue& dlg) {
                const auto nom =
                    NomFichierChoisi(e, e.Gravite.*ps->repertoire, e.Gravite.*ps->fichier);
                if (!nom) return;
                e.Gravite.*ps->fichier = *nom;
                dlg[ps->texte].texte = e.Gravite.*ps->fichier;
            };
        if (s.ecran) {
            Controle& c = d.Ajoute(TypeControle::Case, s.ecran, "Sortie Bloc-Notes", s.cadre);
            c.coche = o.*s.montre;
            c.action = [&e, ps](Dialogue& dlg) {
                e.Gravite.Options.*ps->montre = dlg[ps->ecran].coche;
            };
        }
        if (s.total) {
            Controle& c = d.Ajoute(TypeControle::Case, s.total, "Total des sommations", s.cadre);
            c.coche = o.*s.totale;
            c.action = [&e, ps](Dialogue& dlg) {
                e.Gravite.Options.*ps->totale = dlg[ps->total].coche;
            };
        }
    }
    // The AP pair waits for the auto section, and stays open once it has been chosen.
    const bool paireAP = o.PaireAPActive || o.OuiAuto;
    d.Active("OuiAP", paireAP);
    d.Active("NonAP", paireAP);
    d.Ajoute(TypeControle::Bouton, "Command3D4", "Paramétres par défaut").action =
        [&e](Dialogue& dlg) {
            for (const Section& s : kSections) {
                if (std::string(s.oui) == "OuiAP") {
                    Choisit(e, dlg, s, false);
                    continue;
                }
                Choisit(e, dlg, s, true);
                if (s.ecran) {
                    e.Gravite.Options.*s.montre = true;
                    dlg[s.ecran].coche = true;
                }
                if (s.total) {
                    e.Gravite.Options.*s.totale = false;
                    dlg[s.total].coche = false;
                }
            }
        };
    d.Ajoute(TypeControle::Bouton, "Command3D5", "Ok").action = [&e](Dialogue& dlg) {
        e.Menus.Active("menDémarrageGravit");
        dlg.Ferme();
    };
    MetAJour(e, d);
    return d;
}

void menParamétrageGravit(EtatGravite& e) {
    e.Ihm.MontreDialogueNonModal(std::make_shared<Dialogue>(DialogueGvPa(e)));
}

void menOptionsGravit(EtatGravite& e) {
    e.Ihm.MontreDialogueNonModal(std::make_shared<Dialogue>(DialogueGvOp(e)));
}

}  // namespace vek
