#include "validation/Zooms.h"

#include <string>
#include <vector>

#include "network/Chargement.h"
#include "network/Configuration.h"
#include "network/FichierArcs.h"
#include "network/FichierNoeuds.h"
#include "paths/MatriceArcsMin.h"
#include "shell/Chemins.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "validation/EtatValidation.h"
#include "validation/IntegrationNodale.h"

namespace vek {

namespace {

constexpr std::int32_t kNoeudsZoom = 1000;  // node lines read from a zoom file at most
constexpr std::int32_t kArcsZoom = 10001;   // the arc table of a zoom: 10000 lines

// A zoom of the dialog: its check box, the file name it keeps and the default it proposes.
struct ZoomDialogue {
    const char* controle;
    const char* legende;
    const char* cadre;
    std::string EtatValidation::*fichier;  // null for the options that set no file
    const char* defaut;
    const char* dossier;  // below RepArcsNivN1
};

const ZoomDialogue kZooms[] = {
    {"Tours8", "Tours 8", "ZoomNodal", &EtatValidation::FichierZoomTours, "a234il04.dat", ""},
    {"Angoulême8", "Angoulême 8", "ZoomNodal", &EtatValidation::FichierZoomAngouleme,
     "an008rte.dat", "\\angou8"},
    {"LaRochelle8", "La Rochelle 8", "ZoomNodal", &EtatValidation::FichierZoomLaRochelle,
     "lr008rte.dat", "\\laro8"},
    {"Poitiers13", "Poitiers 13", "ZoomNodal", &EtatValidation::FichierZoomPoitiers, "po013rte.dat",
     "\\poit13"},
    {"LeMans8", "Le Mans 8", "ZoomNodal", &EtatValidation::FichierZoomLeMans, "a008lm01.dat",
     "\\leman8"},
    {"Paris13", "Paris 13", "ZoomNodal", &EtatValidation::FichierZoomParis, "n_1od001.dat",
     "\\pari13"},
    {"FuturoscopeGareTGV", "Futuroscope Gare TGV", "ZoomNodal", nullptr, "", ""},
    {"ParisGareMontparnasse7", "Paris Gare Montparnasse 7", "ZoomNodal", nullptr, "", ""},
    {"LeMansGareNord3", "Le Mans Gare Nord 3", "ZoomNodal", nullptr, "", ""},
    {"LeMansGareSud3", "Le Mans Gare Sud 3", "ZoomNodal", nullptr, "", ""},
    {"AngoulêmeZI8", "Angoulême 8", "ZoomNodalInverse", &EtatValidation::FichierZoomAngoulemeZI,
     "a01anzi.dat", "\\angou8zi"},
    {"LaRochellezi8", "La Rochelle 8", "ZoomNodalInverse", &EtatValidation::FichierZoomLaRochelleZI,
     "a01lrzi.dat", "\\laro8zi"},
    {"PoitiersZI13", "Poitiers 13", "ZoomNodalInverse", &EtatValidation::FichierZoomPoitiersZI,
     "a01pozi.dat", "\\poit13zi"},
    {"FranceZM", "France", "ZoomMultinodal", &EtatValidation::FichierZoomFranceZM, "a508all.dat",
     "\\fr508zm"},
    {"RegPoiCharZM", "Région Poitou-Charentes", "ZoomMultinodal",
     &EtatValidation::FichierZoomRegionZM, "a190rte1.dat", "\\pc190zm"},
    {"DepIndreEtLoireZM", "Département Indre-et-Loire", "ZoomMultinodal",
     &EtatValidation::FichierZoomDepartementZM, "a311rte1.dat", "\\il311zm"},
    {"AggloToursZM", "Agglomération de Tours", "ZoomMultinodal",
     &EtatValidation::FichierZoomAggloZM, "a184agt.dat", "\\agto62zm"},
    {"ToursZM", "Tours Centre", "ZoomMultinodal", &EtatValidation::FichierZoomToursZM,
     "a603rte1.dat", "\\tou603zm"},
};

const ZoomDialogue& Zoom(const std::string& controle) {
    for (const auto& z : kZooms)
        if (controle == z.controle) return z;
    return kZooms[0];
}

// The arc file of a zoom: the one chosen in the dialog, else its default in its directory.
std::string FichierArcs(const EtatValidation& e, const ZoomDialogue& z) {
    if (z.fichier && !(e.*z.fichier).empty()) return e.*z.fichier;
    return e.RepArcsNivN1 + z.dossier + "\\" + z.defaut;
}

// Ticking a zoom proposes its file in the arc chooser, starting in its directory; the choice
// is kept (a cancelled chooser keeps the proposed name).
void ProposeFichier(EtatValidation& e, Dialogue& d, const ZoomDialogue& z) {
    if (!d[z.controle].coche || !z.fichier) return;
    DemandeFichier demande;
    demande.titre = "Fichier des arcs...";
    demande.filtre = "Tous fichiers(*.*)|*.*|Data(*.dat)|*.dat";
    demande.indexFiltre = 2;
    demande.repertoire = e.RepArcsNivN1 + z.dossier;
    demande.nomPropose = z.defaut;
    auto choisi = e.Ihm.ChoixFichier(demande);
    e.*z.fichier = choisi && !choisi->empty() ? *choisi : demande.repertoire + "\\" + z.defaut;
}

// A zoom to integrate: the code or list it replaces, its files and the level it brings.
struct Integration {
    const char* controle;
    std::vector<std::int64_t> codes;
    const char* noeudsRegionaux;  // node file with the regional files ("" = the other one)
    const char* arcsRegionaux;    // arc file with the regional files ("" = the dialog's)
    const char* noeuds;           // node file, below the level's node directory
    const char* arcs;             // arc file when the dialog keeps none ("" = the dialog's)
    std::int32_t niveaux;
    bool niveau2 = false;  // a level n-2 zoom
};

const std::vector<Integration>& IntegrationsNodales() {
    static const std::vector<Integration> t = {
        {"Angoulême8", {5486298}, "\\pcodang1.dat", "", "\\angou8\\n008an.dat", "", 2},
        {"LaRochelle8", {5417300}, "\\pcodlar1.dat", "", "\\laro8\\n008lr.dat", "", 2},
        {"LeMans8", {160210}, "\\n-1n002.dat", "\\n-1od002.dat", "\\leman8\\n008lm.dat", "", 2},
        {"Paris13", {160070}, "\\n-1n001.dat", "\\n-1od001.dat", "\\paris\\n013pa.dat", "", 2},
        {"Poitiers13", {5486194}, "\\pcodpoi1.dat", "", "\\poit13\\n013po.dat", "", 2},
        {"Tours8", {160220}, "", "", "\\n23il04.dat", "", 2},
        {"FuturoscopeGareTGV",
         {5486115},
         "\\futuron2.dat",
         "\\futurod1.dat",
         "\\n004fu.dat",
         "\\a004fu95.dat",
         2},
        {"ParisGareMontparnasse7", {161670}, "", "", "\\n-2n001.dat", "\\n-2od001.dat", 3, true},
        {"LeMansGareNord3", {167210}, "", "", "\\n-2n002.dat", "\\n-2od002.dat", 3, true},
        {"LeMansGareSud3", {166210}, "", "", "\\n-2n003.dat", "\\n-2od003.dat", 3, true},
    };
    return t;
}

const std::vector<Integration>& IntegrationsInverses() {
    static const std::vector<Integration> t = {
        {"AngoulêmeZI8",
         {5486000, 5486001, 5486002, 5486003, 5486005, 5486006, 5486007, 5486008},
         "",
         "",
         "\\angou8zi\\n01anzi.dat",
         "",
         2},
        {"LaRochellezi8",
         {5417301, 5417302, 5417303, 5417304, 5417305, 5417307, 5417310, 5417311},
         "",
         "",
         "\\laro8zi\\n01lrzi.dat",
         "",
         2},
        {"PoitiersZI13",
         {5487000, 5487001, 5487002, 5487003, 5487004, 5487005, 5487006, 5487007, 5487008, 5487009,
          5487010, 5487011, 5487012},
         "",
         "",
         "\\poit13zi\\n01pozi.dat",
         "",
         2},
    };
    return t;
}

const std::vector<Integration>& IntegrationsMultinodales() {
    static const std::vector<Integration> t = {
        {"FranceZM",
         {160530, 160490, 160310, 160500, 160450, 160510, 160350,  160220, 160520, 160010,
          160090, 160040, 160060, 160050, 160070, 160030, 160080,  160020, 160280, 160250,
          160240, 160230, 160180, 160160, 160170, 160140, 160130,  160300, 160460, 160100,
          160320, 160270, 160480, 160210, 160400, 160360, 3520010, 410030, 410010},
         "",
         "",
         "\\fr508zm\\n518zmf2.dat",
         "",
         2},
        {"RegPoiCharZM",
         {7900, 7901, 7902, 7907, 7968, 7989, 8600, 8631, 3664, 1700, 1701, 1702, 1703, 1744,
          1762, 1788, 1794, 1600, 1631, 1643, 1658, 1663, 1687, 3312, 8601, 8686, 4901},
         "",
         "",
         "\\pc190zm\\n190zmpc.dat",
         "",
         2},
        {"DepIndreEtLoireZM",
         {3700, 3706, 3755, 3785, 8601},
         "",
         "",
         "\\il311zm\\n311zmil.dat",
         "",
         2},
        {"AggloToursZM",
         {37261, 37214, 37195, 37122, 37233, 37602, 37603, 37050, 37208, 137405},
         "",
         "",
         "\\agto62zm\\n186aglt.dat",
         "",
         3},
        {"ToursZM",
         {37261, 37744, 37702, 37743, 37752, 37704, 37745, 37749, 37753, 37751, 37747, 37755,
          37742, 37741, 37750, 37754, 37720, 37746, 37721, 37714, 37718, 37716, 37703, 37740},
         "",
         "",
         "\\tou603zm\\n603zmto.dat",
         "",
         4},
    };
    return t;
}

enum class Sorte { Nodale, Inverse, Multinodale };

// The dialog's answers, kept for the command that showed it.
struct Choix {
    bool annule = true;
    bool regionaux = false;
    bool secondNiveau = false;
    std::vector<std::string> coches;
};

Choix MontreZooms(EtatValidation& e) {
    Dialogue d = DialogueZooms(e);
    Choix c;
    d["ZoomsOk"].action = [&e, &c](Dialogue& dlg) {
        c.annule = false;
        c.regionaux = dlg["FichiersRégionaux"].coche;
        c.secondNiveau = dlg["SecondNiveau"].coche;
        for (const auto& z : kZooms)
            if (dlg[z.controle].coche) c.coches.push_back(z.controle);
        e.Menus.Desactive("menReseaux");
        dlg.Ferme();
    };
    e.Ihm.MontreDialogue(d, true);
    return c;
}

bool Coche(const Choix& c, const char* controle) {
    for (const auto& x : c.coches)
        if (x == controle) return true;
    return false;
}

void Integre(EtatValidation& e, Sorte sorte) {
    const Choix choix = MontreZooms(e);
    if (choix.annule) return;
    const auto& table = sorte == Sorte::Nodale    ? IntegrationsNodales()
                        : sorte == Sorte::Inverse ? IntegrationsInverses()
                                                  : IntegrationsMultinodales();
    Sablier sablier(e.Ihm);
    bool integre = false, niveau2 = false;
    for (const Integration& z : table) {
        if (!Coche(choix, z.controle)) continue;
        const ZoomDialogue& dz = Zoom(z.controle);
        const std::string& repNoeuds = z.niveau2 ? e.RepNoeudsNivN2 : e.RepNoeudsNivN1;
        const std::string& repArcs = z.niveau2 ? e.RepArcsNivN2 : e.RepArcsNivN1;
        std::string noeuds = repNoeuds + z.noeuds;
        std::string arcs = *z.arcs ? repArcs + z.arcs : FichierArcs(e, dz);
        if (choix.regionaux && *z.noeudsRegionaux) {
            noeuds = repNoeuds + z.noeudsRegionaux;
            if (*z.arcsRegionaux) arcs = repArcs + z.arcsRegionaux;
        }
        bool presents = FichierExiste(e, noeuds);
        presents = FichierExiste(e, arcs) && presents;
        if (!presents) continue;
        const auto nbNoeuds = LectureFichierNoeuds(e, noeuds, kNoeudsZoom);
        const auto nbArcs = nbNoeuds ? LectureFichierArcs(e, arcs, kArcsZoom) : std::nullopt;
        if (!nbNoeuds || !nbArcs) continue;
        if (!integre) InvalideResultats(e);
        if (sorte == Sorte::Nodale) {
            IntegrationNodale(e, z.codes.front());
            e.NbNiveaux = z.niveau2 || choix.secondNiveau ? 3 : 2;
            ++e.NbZoomsNodaux;
        } else if (sorte == Sorte::Inverse) {
            e.CodesZoneInverse.assign(1, 0);
            e.CodesZoneInverse.insert(e.CodesZoneInverse.end(), z.codes.begin(), z.codes.end());
            e.NbCodesZoneInverse = static_cast<std::int32_t>(z.codes.size());
            IntegrationNodaleInverse(e);
            e.NbNiveaux = choix.secondNiveau ? 3 : 2;
            ++e.NbZoomsNodaux;
        } else {
            e.CodesZoneMultinodale.assign(1, 0);
            e.CodesZoneMultinodale.insert(e.CodesZoneMultinodale.end(), z.codes.begin(),
                                          z.codes.end());
            e.NbCodesZoneMultinodale = static_cast<std::int32_t>(z.codes.size());
            IntegrationMultinodale(e);
            e.NbNiveaux = z.niveaux;
            ++e.NbZoomsMultinodaux;
        }
        niveau2 = niveau2 || z.niveau2 || choix.secondNiveau;
        integre = true;
    }
    if (!integre) return;
    // The files the integrated network is written to.
    switch (sorte) {
        case Sorte::Nodale:
            e.NomFichierNoeudsEcrits =
                CheminResultat(e, niveau2 ? "\\n-2n000.dat" : "\\n-1n000.dat");
            e.NomFichierArcsEcrits =
                CheminResultat(e, niveau2 ? "\\n-2od000.dat" : "\\n-1od000.dat");
            break;
        case Sorte::Inverse:
            e.NomFichierNoeudsEcrits = CheminResultat(e, "\\nNodal00.dat");
            e.NomFichierArcsEcrits = CheminResultat(e, "\\aNodal00.dat");
            break;
        case Sorte::Multinodale:
            e.NomFichierNoeudsEcrits = CheminResultat(e, "\\nMulti00.dat");
            e.NomFichierArcsEcrits = CheminResultat(e, "\\aMulti00.dat");
            break;
    }
    ListeModesReseau(e);
    AfficheConfiguration(e);
    CalculMatriceArcsMin(e);
}

}  // namespace

Dialogue DialogueZooms(EtatValidation& e) {
    Dialogue d;
    d.nom = "Zooms";
    d.legende = "Zooms";
    d.Ajoute(TypeControle::Cadre, "ZoomNodal", "Zoom nodal");
    d.Ajoute(TypeControle::Cadre, "ZoomNodalInverse", "Zoom nodal inverse");
    d.Ajoute(TypeControle::Cadre, "ZoomMultinodal", "Zoom multinodal");
    for (const auto& z : kZooms) {
        Controle& c = d.Ajoute(TypeControle::Case, z.controle, z.legende, z.cadre);
        const ZoomDialogue* pz = &z;
        c.action = [&e, pz](Dialogue& dlg) {
            ProposeFichier(e, dlg, *pz);
            // The multinodal zooms are nested: the department opens the agglomeration, the
            // agglomeration the centre.
            if (std::string(pz->controle) == "DepIndreEtLoireZM") {
                dlg.Active("AggloToursZM", dlg["DepIndreEtLoireZM"].coche);
                if (!dlg["DepIndreEtLoireZM"].coche) dlg["AggloToursZM"].coche = false;
            }
            if (std::string(pz->controle) == "AggloToursZM" ||
                std::string(pz->controle) == "DepIndreEtLoireZM") {
                const bool ouvert = dlg["AggloToursZM"].coche;
                dlg.Active("ToursZM", ouvert);
                if (!ouvert) dlg["ToursZM"].coche = false;
            }
        };
    }
    d["AggloToursZM"].actif = false;
    d["ToursZM"].actif = false;
    d.Ajoute(TypeControle::Case, "FichiersRégionaux", "Fichiers régionaux");
    d.Ajoute(TypeControle::Case, "SecondNiveau", "Niveau n-2");
    d.Ajoute(TypeControle::Bouton, "ZoomsOk", "OK").action = [](Dialogue& dlg) { dlg.Ferme(); };
    d.Ajoute(TypeControle::Bouton, "Annuler", "Annuler").action = [](Dialogue& dlg) {
        dlg.Ferme();
    };
    d.boutonAnnulation = "Annuler";
    return d;
}

void menNodal(EtatValidation& e) {
    Integre(e, Sorte::Nodale);
}

void menNodalInv(EtatValidation& e) {
    Integre(e, Sorte::Inverse);
}

void menMultinodal(EtatValidation& e) {
    Integre(e, Sorte::Multinodale);
}

}  // namespace vek
