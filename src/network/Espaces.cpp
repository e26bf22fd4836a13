#include "network/Espaces.h"

#include <charconv>
#include <optional>

#include "network/Chargement.h"
#include "network/EtatReseau.h"
#include "network/Mode.h"
#include "shell/Entiers.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Texte.h"

namespace vek {

namespace {

struct EspaceReference {
    const char* option;
    const char* legende;
    const char* noeuds;      // after RepNoeudsNivN
    const char* repArcs;     // after RepArcsNivN
    const char* arcs;        // in repArcs
    const char* arcsAutres;  // alternative arc file, proposed by the second action
    const char* actives[2];
    const char* desactives[2];
};

// The Poitou-Charentes sets choose their arc file through the reading options.
constexpr EspaceReference kEspaces[] = {
    {"France36",
     "France 36",
     "\\n036fr.dat",
     "\\Franc036",
     "\\a036fr01.dat",
     "a036fr01.dat",
     {"menZooms", "menMultinodal"},
     {nullptr, nullptr}},
    {"France508",
     "France 508",
     "\\n518fr.dat",
     "\\Franc508",
     "\\a518tevr.dat",
     "a508all.dat",
     {"menZooms", "menMultinodal"},
     {"menNodal", "menNodalInv"}},
    {"Europe157",
     "Europe 157",
     "\\n157eu.dat",
     "\\Europ157",
     "\\a157eu01.dat",
     "a157eu01.dat",
     {"menZooms", "menMultinodal"},
     {nullptr, nullptr}},
    {"Europe67",
     "Europe 67",
     "\\n067eu.dat",
     "\\Europ067",
     "\\a067eu01.dat",
     "a067eu01.dat",
     {"menZooms", "menMultinodal"},
     {nullptr, nullptr}},
    {"IndreEtLoire321",
     "Indre-et-Loire 321",
     "\\n321il.dat",
     "\\I&Loi321",
     "\\a321il01.dat",
     "a321il01.dat",
     {"menZooms", "menMultinodal"},
     {nullptr, nullptr}},
    {"PoitouCharentes212",
     "Poitou-Charentes 212",
     "\\n212pc.dat",
     "\\pchar212",
     nullptr,
     nullptr,
     {"menZooms", "menNodal"},
     {"menMultinodal", "menNodalInv"}},
    {"PoitouCharentes238",
     "Poitou-Charentes 238",
     "\\n238pc.dat",
     "\\pchar238",
     nullptr,
     nullptr,
     {"menZooms", "menNodalInv"},
     {"menMultinodal", "menNodal"}},
    {"TousFichiers",
     "Tous fichiers",
     "*.dat",
     "",
     "*.dat",
     nullptr,
     {nullptr, nullptr},
     {"menZooms", nullptr}},
};

const EspaceReference* EspaceChoisi(Dialogue& d) {
    std::string nom = d.OptionChoisie("Niveaun");
    for (const auto& s : kEspaces)
        if (nom == s.option) return &s;
    return nullptr;
}

bool EstPoitouCharentes(const EspaceReference& s) {
    return s.arcs == nullptr;
}

void MontreOptionsDeLecture(Dialogue& d) {
    d.Montre("Cochoplect");
    d.Active("Cochoplect");
    d.Active("Niveaun", false);
    d.Active("Annuler", false);
    d.Active("LectFich", false);
    d.Montre("Information");
}

void ChoisitEspace(EtatReseau& e, Dialogue& d, const EspaceReference& s) {
    InitialisationModes(e);
    for (const char* m : s.actives)
        if (m) e.Menus.Active(m);
    for (const char* m : s.desactives)
        if (m) e.Menus.Desactive(m);
    if (EstPoitouCharentes(s)) {
        MontreOptionsDeLecture(d);
        return;
    }
    e.NomFichierNoeuds = e.RepNoeudsNivN + s.noeuds;
    e.NomFichierArcs = e.RepArcsNivN + s.repArcs + s.arcs;
    d.Active("LectFich");
}

void ProposeAutreFichier(EtatReseau& e, Dialogue& d, const EspaceReference& s) {
    if (EstPoitouCharentes(s)) {
        MontreOptionsDeLecture(d);
        return;
    }
    if (!s.arcsAutres) return;
    const std::string repertoire = e.RepArcsNivN + s.repArcs;
    e.NomFichierArcs =
        ChoixFichierArcs(e, s.arcsAutres, repertoire).value_or(repertoire + "\\" + s.arcsAutres);
    d.Active("LectFich");
}

// The reading options of the Poitou-Charentes sets: arc file, subfolder and flags.
void ValideOptionsDeLecture(EtatReseau& e, Dialogue& d) {
    const EspaceReference* s = EspaceChoisi(d);
    if (!s || !EstPoitouCharentes(*s)) return;
    const bool p212 = std::string(s->option) == "PoitouCharentes212";
    const bool missions = d["Cochmissions"].coche;
    const bool horaires = missions && d["CochJH"].coche;
    std::string fichier = p212 ? "a212pc01.dat" : "a238pc01.dat";
    std::string sousRep = "\\base";
    if (horaires) {
        fichier = p212 ? "a212pc00.dat" : "a238pc00.dat";
        sousRep = "\\horaires";
    } else if (missions) {
        fichier = p212 ? "a212pc02.dat" : "a238pc02.dat";
        sousRep = "\\missions";
    }
    // A cancelled chooser keeps the file proposed.
    const std::string repertoire = e.RepArcsNivN + s->repArcs + sousRep;
    const std::string arcs =
        ChoixFichierArcs(e, fichier, repertoire).value_or(repertoire + "\\" + fichier);
    if (missions) {
        e.MissionsFerroviaires = "OUI";
        e.TypeDonneesTC = "Missions";
    }
    if (horaires) {
        e.HorairesTC = "OUI";
        e.TypeDonneesTC = "JoursEtHeures";
    }
    e.NomFichierArcs = arcs;
    e.NomFichierNoeuds = e.RepNoeudsNivN + s->noeuds;
    d.Active("Niveaun");
    d.Active("Annuler");
    d.Active("LectFich");
    d.Montre("Information", false);
    d.Active("Cochoplect", false);
}

void ChoisitFormat(EtatReseau& e, Dialogue& d, bool format93) {
    e.FormatFich93 = format93;
    // The names in force are proposed; a cancelled chooser keeps its name, and the choice
    // goes on unless there is no name to keep.
    auto noeuds =
        ChoixFichierNoeuds(e, e.NomFichierNoeuds, format93 ? e.RepVilNivN : e.RepNoeudsNivN)
            .value_or(e.NomFichierNoeuds);
    if (noeuds.empty()) return;
    auto arcs = ChoixFichierArcs(e, e.NomFichierArcs, format93 ? e.RepOdNivN : e.RepArcsNivN)
                    .value_or(e.NomFichierArcs);
    if (arcs.empty()) return;
    e.NomFichierNoeuds = noeuds;
    e.NomFichierArcs = arcs;
    d.Active("LectFich");
}

}  // namespace

Dialogue DialogueVekOp(EtatReseau& e) {
    Dialogue d;
    d.nom = "VekOp";
    d.legende = "Espaces de référence";
    d.Ajoute(TypeControle::Cadre, "Niveaun", "Niveau n");
    for (const auto& s : kEspaces) {
        Controle& c = d.Ajoute(TypeControle::Option, s.option, s.legende, "Niveaun");
        c.action = [&e, &s](Dialogue& dlg) { ChoisitEspace(e, dlg, s); };
        c.actionSecondaire = [&e, &s](Dialogue& dlg) { ProposeAutreFichier(e, dlg, s); };
    }
    d.Ajoute(TypeControle::Etiquette, "Information",
             "Choisissez les options de lecture puis validez-les par OK.")
        .visible = false;
    Controle& cadre = d.Ajoute(TypeControle::Cadre, "Cochoplect", "Options de lecture");
    cadre.visible = false;
    d.Ajoute(TypeControle::Case, "Cochmissions", "Missions", "Cochoplect").action =
        [](Dialogue& dlg) {
            dlg.Active("CochJH", dlg["Cochmissions"].coche);
            if (!dlg["Cochmissions"].coche) dlg["CochJH"].coche = false;
        };
    d.Ajoute(TypeControle::Case, "CochJH", "Jours et Heures", "Cochoplect").actif = false;
    d.Ajoute(TypeControle::Bouton, "OkTC", "OK", "Cochoplect").action = [&e](Dialogue& dlg) {
        ValideOptionsDeLecture(e, dlg);
    };
    d.Ajoute(TypeControle::Bouton, "AnnulTC", "Annuler", "Cochoplect").action = [](Dialogue& dlg) {
        dlg.Montre("Cochoplect", false);
        dlg.Montre("Information", false);
        dlg.Active("Niveaun");
        dlg.Active("Annuler");
    };
    d.Ajoute(TypeControle::Cadre, "ChoixFormatFichiers", "Format des fichiers");
    d.Ajoute(TypeControle::Option, "FormatFich93", "Format 1993", "ChoixFormatFichiers").action =
        [&e](Dialogue& dlg) { ChoisitFormat(e, dlg, true); };
    d.Ajoute(TypeControle::Option, "FormatFich95", "Format 1995", "ChoixFormatFichiers").action =
        [&e](Dialogue& dlg) { ChoisitFormat(e, dlg, false); };
    Controle& lecture = d.Ajoute(TypeControle::Bouton, "LectFich", "Lecture");
    lecture.actif = false;
    lecture.action = [&e](Dialogue& dlg) {
        e.ChargerReseau = true;
        for (const char* m : {"menReseaux", "menTestValiditéFichiers", "menNodalité"})
            e.Menus.Active(m);
        e.ResOkActif = false;
        dlg.Ferme();
    };
    d.Ajoute(TypeControle::Bouton, "Annuler", "Annuler").action = [&e](Dialogue& dlg) {
        e.Menus.Desactive("menZooms");
        dlg.Ferme();
    };
    d.boutonAnnulation = "Annuler";
    return d;
}

void ActiveCommandesReseau(EtatReseau& e) {
    for (const char* nom : {"menReseaux", "menTestValiditéFichiers", "menNodalité", "menZooms",
                            "menIndicateursN", "menIndicateursG"})
        e.Menus.Active(nom);
    e.ResOkActif = false;
}

bool ChargementEspace(EtatReseau& e, const std::function<void()>& construitMatrice) {
    struct {
        std::string noeuds, arcs, missions, horaires, type;
        bool format93;
    } avant{e.NomFichierNoeuds, e.NomFichierArcs, e.MissionsFerroviaires,
            e.HorairesTC,       e.TypeDonneesTC,  e.FormatFich93};
    e.ChargerReseau = false;
    Dialogue d = DialogueVekOp(e);
    e.Ihm.MontreDialogue(d, true);
    if (!e.ChargerReseau) {
        e.NomFichierNoeuds = avant.noeuds;
        e.NomFichierArcs = avant.arcs;
        e.MissionsFerroviaires = avant.missions;
        e.HorairesTC = avant.horaires;
        e.TypeDonneesTC = avant.type;
        e.FormatFich93 = avant.format93;
        return false;
    }
    if (!ChargementReseau(e)) return false;
    construitMatrice();
    ActiveCommandesReseau(e);
    // The zoom menu follows the data set chosen.
    if (std::string(d.OptionChoisie("Niveaun")) == "TousFichiers") e.Menus.Desactive("menZooms");
    return true;
}

namespace {

// The speeds typed in "Réseaux empruntés", km/h: above every mode of the table (the plane
// flies at 600), and low enough that no time or distance computed from them overflows.
constexpr double kVitesseMaximale = 1000;

// A whole number typed: nothing when it is not one, or no int holds it.
std::optional<int> LitEntier(const std::string& texte) {
    const std::optional<double> v = LitNombre(texte);
    if (!v) return std::nullopt;
    const std::optional<int> entier = EntierTronque<int>(*v);
    if (!entier || *entier != *v) return std::nullopt;
    return entier;
}

void AfficheMode(EtatReseau& e, Dialogue& d) {
    Controle& liste = d["ListeRéseauxPartiels"];
    if (liste.selection < 0) return;
    RechercheModeParNom(e, liste.elements[static_cast<std::size_t>(liste.selection)]);
    d.Active("CaractRésPart");
    d["NomRésPart"].texte = e.ModeCourant.Nom;
    d["VitesseRésPart"].texte =
        TexteNombre(static_cast<double>(e.ModeCourant.Vitesse), kChiffresSingle);
    d["VitMaxRésPart"].texte = TexteNombre(static_cast<std::int64_t>(e.ModeCourant.VitesseMax));
    d["SélectionnéOuiNon"].coche = e.ModeCourant.Selectionne;
    d["OrientéOuiNon"].coche = e.ModeCourant.Oriente;
}

void ValideMode(EtatReseau& e, Dialogue& d) {
    Controle& liste = d["ListeRéseauxPartiels"];
    if (liste.selection < 0) return;
    const std::string nom = liste.elements[static_cast<std::size_t>(liste.selection)];
    // The speed is kept as a Single: it must stay above 0 once made one (1e-50 would be 0).
    const std::optional<double> lue = LitNombre(d["VitesseRésPart"].texte);
    const float vitesse = lue && *lue <= kVitesseMaximale ? static_cast<float>(*lue) : 0.0f;
    if (!(vitesse > 0)) {
        e.Ihm.Message("La vitesse du mode " + nom +
                          " doit être un nombre de km/h supérieur à 0 et au plus égal à " +
                          TexteNombre(kVitesseMaximale) + " : " + d["VitesseRésPart"].texte,
                      Boutons::Ok, Icone::Exclamation, "Réseaux empruntés");
        return;
    }
    // 0 says the mode has no free-flow speed.
    const std::optional<int> vitesseMax = LitEntier(d["VitMaxRésPart"].texte);
    if (!vitesseMax || *vitesseMax < 0 || *vitesseMax > kVitesseMaximale) {
        e.Ihm.Message("La vitesse maximale (VMax) du mode " + nom +
                          " doit être 0 (aucune) ou un nombre entier de km/h de 1 à " +
                          TexteNombre(kVitesseMaximale) + " : " + d["VitMaxRésPart"].texte,
                      Boutons::Ok, Icone::Exclamation, "Réseaux empruntés");
        return;
    }
    RechercheModeParNom(e, nom);
    e.ModeCourant.Vitesse = vitesse;
    e.ModeCourant.VitesseMax = *vitesseMax;
    e.ModeCourant.Selectionne = d["SélectionnéOuiNon"].coche;
    e.ModeCourant.Oriente = d["OrientéOuiNon"].coche;
    EnregistreModeParNom(e, nom);
}

}  // namespace

Dialogue DialogueReseaux(EtatReseau& e) {
    Dialogue d;
    d.nom = "Reseaux";
    d.legende = "Réseaux empruntés";
    Controle& liste = d.Ajoute(TypeControle::Liste, "ListeRéseauxPartiels", "Réseaux présents");
    liste.elements = e.ListeModesDialogues;
    liste.action = [&e](Dialogue& dlg) { AfficheMode(e, dlg); };
    d.Ajoute(TypeControle::Cadre, "CaractRésPart", "Caractéristiques").actif = false;
    d.Ajoute(TypeControle::Texte, "NomRésPart", "Nom :", "CaractRésPart").actif = false;
    d.Ajoute(TypeControle::Texte, "VitesseRésPart", "Vitesse :", "CaractRésPart");
    d.Ajoute(TypeControle::Texte, "VitMaxRésPart", "VMax :", "CaractRésPart");
    d.Ajoute(TypeControle::Case, "SélectionnéOuiNon", "Sélectionné", "CaractRésPart");
    d.Ajoute(TypeControle::Case, "OrientéOuiNon", "Orienté", "CaractRésPart");
    d.Ajoute(TypeControle::Bouton, "Valid", "Valider", "CaractRésPart").action =
        [&e](Dialogue& dlg) { ValideMode(e, dlg); };
    d.Ajoute(TypeControle::Bouton, "LectFich", "Lecture").action = [&e](Dialogue& dlg) {
        e.ChargerReseau = true;
        e.Menus.Active("menNodalité");
        e.Menus.Desactive("menZooms");
        dlg.Ferme();
    };
    Controle& ok = d.Ajoute(TypeControle::Bouton, "ResOk", "OK");
    ok.actif = e.ResOkActif;
    ok.action = [&e](Dialogue& dlg) {
        e.ChargerReseau = false;
        dlg.Ferme();
    };
    d.Ajoute(TypeControle::Bouton, "ResAnnule", "Annuler").action = [&e](Dialogue& dlg) {
        e.ChargerReseau = false;
        dlg.Ferme();
    };
    d.boutonAnnulation = "ResAnnule";
    return d;
}

void ChoixParametresReseau(EtatReseau& e) {
    e.ChargerReseau = false;
    Dialogue d = DialogueReseaux(e);
    e.Ihm.MontreDialogue(d, true);
    if (e.ChargerReseau) ChargementReseau(e);
}

}  // namespace vek
