#include "gravity/FichiersGravitaires.h"

#include <filesystem>
#include <system_error>

#include "gravity/EtatGravite.h"
#include "gravity/ModeleGravitaire.h"
#include "network/ClasseursResultats.h"
#include "network/ListeCouples.h"
#include "network/ValeursNoeuds.h"
#include "shell/Chemins.h"
#include "shell/Echecs.h"
#include "shell/Erreurs.h"
#include "shell/Fichiers.h"
#include "shell/Tableur.h"
#include "shell/Texte.h"

namespace vek {

namespace {

constexpr const char* kTitre = "Fichiers Gravitaires";

struct Choix {
    const char* nom;
    const char* legende;
    const char* cadre;
};

void Ajoute(Dialogue& d, TypeControle type, std::initializer_list<Choix> controles) {
    for (const Choix& c : controles) d.Ajoute(type, c.nom, c.legende, c.cadre);
}

// Each format opens its own frames; each kind its own choices.
void MetAJour(Dialogue& d) {
    const bool noeuds = d["NoeudVal"].coche;
    d.Active("NoeudValeur", noeuds);
    d.Active("NVAttAbs", noeuds && d["NVFichAttAbs"].coche);
    d.Active("NVAttRel", noeuds && d["NVFichAttRel"].coche);
    d.Active("ArcValeur", !noeuds);
    d.Active("AVAttAbs", !noeuds && d["AVFichAttAbs"].coche);
    d.Active("AVAttRel", !noeuds && d["AVFichAttRel"].coche);
    d.Active("ListeAValGrav2", !noeuds && d["Noeud2"].coche);
    d.Active("ListeAValGrav3", !noeuds && d["Noeud3"].coche);
}

int Selection(Dialogue& d, const char* liste) {
    const Controle& c = d[liste];
    return c.selection >= 0 && c.selection < static_cast<int>(c.elements.size()) ? c.selection + 1
                                                                                 : 0;
}

// The node values or pairs of the chosen view, and the name of its file; empty when the view
// cannot be made (said in a message).
struct Vue {
    std::string fichier;
    bool paires = false;
};

double A(const EtatGravite& e, std::int32_t i, std::int32_t j) {
    return e.MatAttractions(static_cast<std::size_t>(i), static_cast<std::size_t>(j));
}

// 100 x A / T over a row (générées) or a column (ressenties); without self-attraction the
// node's own attraction leaves the total. False when the total is 0.
bool Relatives(EtatGravite& e, std::int32_t k, bool generees, bool horsAuto,
               std::vector<double>& v) {
    const std::int32_t n = e.NbNoeuds;
    v.assign(static_cast<std::size_t>(n) + 1, 0.0);
    double t = 0;
    for (std::int32_t j = 1; j <= n; ++j) t += generees ? A(e, k, j) : A(e, j, k);
    if (horsAuto) t -= A(e, k, k);
    if (t == 0) {
        e.Ihm.Message("Le total des attractions " +
                          std::string(generees ? "générées" : "ressenties") + " par " +
                          SansBlancsFinaux(e.Noeuds[static_cast<std::size_t>(k)].Nom) +
                          " est nul : ses attractions relatives ne peuvent pas être calculées.",
                      Boutons::Ok, Icone::Exclamation, kTitre);
        return false;
    }
    for (std::int32_t j = 1; j <= n; ++j)
        v[static_cast<std::size_t>(j)] = 100 * (generees ? A(e, k, j) : A(e, j, k)) / t;
    if (horsAuto) v[static_cast<std::size_t>(k)] = 0;
    return true;
}

std::vector<double> Absolues(const EtatGravite& e, std::int32_t k, bool generees, bool horsAuto) {
    std::vector<double> v(static_cast<std::size_t>(e.NbNoeuds) + 1, 0.0);
    for (std::int32_t j = 1; j <= e.NbNoeuds; ++j)
        v[static_cast<std::size_t>(j)] = generees ? A(e, k, j) : A(e, j, k);
    if (horsAuto) v[static_cast<std::size_t>(k)] = 0;
    return v;
}

std::string Nom(const char* base, bool horsAuto) {
    std::string n = base;
    if (horsAuto) n.replace(n.size() - 7, 3, "HA0");
    return n;
}

bool VueNoeuds(EtatGravite& e, Dialogue& d, Vue& vue) {
    if (d["FichSomAttAbs"].coche) {
        e.ValeursNoeuds.assign(static_cast<std::size_t>(e.NbNoeuds) + 1, 0.0);
        for (std::int32_t j = 1; j <= e.NbNoeuds; ++j)
            for (std::int32_t i = 1; i <= e.NbNoeuds; ++i)
                e.ValeursNoeuds[static_cast<std::size_t>(j)] += A(e, i, j);
        vue.fichier = "NVSAA000.xls";
        return true;
    }
    const std::int32_t k = Selection(d, "ListeNValGrav");
    if (k == 0) {
        e.Ihm.Message("Choisissez le noeud de la vue dans la liste.", Boutons::Ok,
                      Icone::Exclamation, kTitre);
        return false;
    }
    const bool absolues = d["NVFichAttAbs"].coche;
    const bool generees = absolues ? d["FichNVAttAbsGén"].coche : d["FichNVAttRelGén"].coche;
    const bool horsAuto =
        absolues ? d["NVAttAbsHorsAutoAtt"].coche : d["NVAttRelHorsAutoAtt"].coche;
    if (absolues) {
        e.ValeursNoeuds = Absolues(e, k, generees, horsAuto);
        vue.fichier = Nom(generees ? "NVAAG000.xls" : "NVAAR000.xls", horsAuto);
        return true;
    }
    if (!Relatives(e, k, generees, horsAuto, e.ValeursNoeuds)) return false;
    vue.fichier = Nom(generees ? "NVARG000.xls" : "NVARR000.xls", horsAuto);
    return true;
}

bool VuePaires(EtatGravite& e, Dialogue& d, Vue& vue) {
    std::vector<std::int32_t> noeuds;
    for (auto [liste, boite] : {std::pair<const char*, const char*>{"ListeAValGrav1", nullptr},
                                {"ListeAValGrav2", "Noeud2"},
                                {"ListeAValGrav3", "Noeud3"}}) {
        if (boite && !d[boite].coche) continue;
        if (const std::int32_t k = Selection(d, liste)) noeuds.push_back(k);
    }
    if (noeuds.empty()) {
        e.Ihm.Message("Choisissez au moins un noeud dans la liste.", Boutons::Ok,
                      Icone::Exclamation, kTitre);
        return false;
    }
    const bool absolues = d["AVFichAttAbs"].coche;
    const bool trois = absolues ? d["FichAV3AttAbs"].coche : d["FichAV3AttRel"].coche;
    const bool generees = absolues ? d["FichAVAttAbsGén"].coche : d["FichAVAttRelGén"].coche;
    const bool horsAuto =
        absolues ? d["AVAttAbsHorsAutoAtt"].coche : d["AVAttRelHorsAutoAtt"].coche;
    e.ListeCouples.assign(1, Couple{});
    e.NbCouples = 0;
    e.IndexCouplesNb = -1;
    auto ajoute = [&](std::int32_t i, std::int32_t j, double v) {
        e.ListeCouples.push_back(Couple{i, j, v});
        ++e.NbCouples;
    };
    if (trois) {
        // The three principal attractions of each chosen node.
        TroisPrincipalesAttractions(e);
        for (std::int32_t k : noeuds)
            for (int r = 1; r <= 3; ++r) {
                const std::int32_t t =
                    e.TroisAttractions[static_cast<std::size_t>(k)][static_cast<std::size_t>(r)];
                if (t == 0) continue;
                const double rl = e.SommesLignesAttractions[static_cast<std::size_t>(k)];
                ajoute(k, t, absolues ? A(e, k, t) : (rl == 0 ? 0 : A(e, k, t) / rl));
            }
        vue.fichier = absolues ? "AV3AA000.xls" : "AV3AR000.xls";
    } else {
        for (std::int32_t k : noeuds) {
            std::vector<double> v;
            if (absolues)
                v = Absolues(e, k, generees, horsAuto);
            else if (!Relatives(e, k, generees, horsAuto, v))
                return false;
            for (std::int32_t j = 1; j <= e.NbNoeuds; ++j)
                generees ? ajoute(k, j, v[static_cast<std::size_t>(j)])
                         : ajoute(j, k, v[static_cast<std::size_t>(j)]);
        }
        vue.fichier = absolues ? Nom(generees ? "AVAAG000.xls" : "AVAAR000.xls", horsAuto)
                               : Nom(generees ? "AVARE000.xls" : "AVARR000.xls", horsAuto);
    }
    vue.paires = true;
    e.FichGrav.FichAVAttAbsGén = absolues && !trois && generees;
    e.FichGrav.FichAVAttRelGén = !absolues && !trois && generees;
    return true;
}

bool AttractionsCourantes(EtatGravite& e) {
    if (e.MatAttractions.Lignes() == static_cast<std::size_t>(e.NbNoeuds) + 1) return true;
    e.Ihm.Message(
        "Aucune attraction n'a été calculée : lancez d'abord le modèle gravitaire "
        "(Attractions, Démarrage).",
        Boutons::Ok, Icone::Exclamation, kTitre);
    return false;
}

// The last view, as the rows of a workbook.
std::vector<std::pair<std::string, double>> LignesVue(const EtatGravite& e, bool paires) {
    std::vector<std::pair<std::string, double>> l;
    if (paires) {
        for (std::int32_t n = 1; n <= e.NbCouples; ++n) {
            const Couple& c = e.ListeCouples[static_cast<std::size_t>(n)];
            l.emplace_back(Gauche(e.Noeuds[static_cast<std::size_t>(c.J)].Nom, 16), c.Valeur);
        }
    } else {
        for (std::int32_t i = 1;
             i <= e.NbNoeuds && static_cast<std::size_t>(i) < e.ValeursNoeuds.size(); ++i)
            l.emplace_back(Gauche(e.Noeuds[static_cast<std::size_t>(i)].Nom, 16),
                           e.ValeursNoeuds[static_cast<std::size_t>(i)]);
    }
    return l;
}

}  // namespace

Dialogue DialogueFichGrav(EtatGravite& e) {
    Dialogue d;
    d.nom = "FichGrav";
    d.legende = kTitre;
    d.Ajoute(TypeControle::Cadre, "Format", "Format");
    Ajoute(d, TypeControle::Option,
           {{"NoeudVal", "Format Noeud - Valeur", "Format"},
            {"ArcVal", "Format Arc - Valeur", "Format"}});
    d["NoeudVal"].coche = true;

    d.Ajoute(TypeControle::Cadre, "NoeudValeur", "Noeud-valeur de type :");
    d.Ajoute(TypeControle::Liste, "ListeNValGrav", "Noeud :", "NoeudValeur").elements =
        e.ListeNoeudsDialogues;
    Ajoute(d, TypeControle::Option,
           {{"NVFichAttAbs", "Attractions Absolues (A.A)", "NoeudValeur"},
            {"NVFichAttRel", "Attractions Relatives (A.R)", "NoeudValeur"},
            {"FichSomAttAbs", "Somme des Attractions Absolues", "NoeudValeur"}});
    d["NVFichAttAbs"].coche = true;
    d.Ajoute(TypeControle::Cadre, "NVAttAbs", "Attractions Absolues (A.A)");
    Ajoute(d, TypeControle::Option,
           {{"FichNVAttAbsGén", "A.A.-Générées par...", "NVAttAbs"},
            {"FichNVAttAbsRes", "A.A.-Ressenties par...", "NVAttAbs"}});
    d.Ajoute(TypeControle::Case, "NVAttAbsHorsAutoAtt", "Hors Auto-Attraction", "NVAttAbs");
    d.Ajoute(TypeControle::Cadre, "NVAttRel", "Attractions Relatives (A.R)");
    Ajoute(d, TypeControle::Option,
           {{"FichNVAttRelGén", "A.R.-Générées par...", "NVAttRel"},
            {"FichNVAttRelRes", "A.R.-Ressenties par...", "NVAttRel"}});
    d.Ajoute(TypeControle::Case, "NVAttRelHorsAutoAtt", "Hors Auto-Attraction", "NVAttRel");
    d["FichNVAttAbsGén"].coche = d["FichNVAttRelGén"].coche = true;

    d.Ajoute(TypeControle::Cadre, "ArcValeur", "Arc-valeur de type :");
    d.Ajoute(TypeControle::Liste, "ListeAValGrav1", "Premier noeud :", "ArcValeur").elements =
        e.ListeNoeudsDialogues;
    d.Ajoute(TypeControle::Case, "Noeud2", "Deuxième noeud", "ArcValeur");
    d.Ajoute(TypeControle::Liste, "ListeAValGrav2", "", "ArcValeur").elements =
        e.ListeNoeudsDialogues;
    d.Ajoute(TypeControle::Case, "Noeud3", "Troisième noeud", "ArcValeur");
    d.Ajoute(TypeControle::Liste, "ListeAValGrav3", "", "ArcValeur").elements =
        e.ListeNoeudsDialogues;
    Ajoute(d, TypeControle::Option,
           {{"AVFichAttAbs", "Attractions Absolues (A.A)", "ArcValeur"},
            {"AVFichAttRel", "Attractions Relatives (A.R)", "ArcValeur"}});
    d["AVFichAttAbs"].coche = true;
    d.Ajoute(TypeControle::Cadre, "AVAttAbs", "Attractions Absolues (A.A)");
    Ajoute(d, TypeControle::Option,
           {{"FichAV3AttAbs", "3 Principales Attractions Absolues", "AVAttAbs"},
            {"FichAVAttAbsGén", "A.A.-Générées par...", "AVAttAbs"},
            {"FichAVAttAbsRes", "A.A.-Ressenties par...", "AVAttAbs"}});
    d.Ajoute(TypeControle::Case, "AVAttAbsHorsAutoAtt", "Hors Auto-Attraction", "AVAttAbs");
    d.Ajoute(TypeControle::Cadre, "AVAttRel", "Attractions Relatives (A.R)");
    Ajoute(d, TypeControle::Option,
           {{"FichAV3AttRel", "3 Principales Attractions Relatives", "AVAttRel"},
            {"FichAVAttRelGén", "A.R.-Générées par...", "AVAttRel"},
            {"FichAVAttRelRes", "A.R.-Ressenties par...", "AVAttRel"}});
    d.Ajoute(TypeControle::Case, "AVAttRelHorsAutoAtt", "Hors Auto-Attraction", "AVAttRel");
    d["FichAVAttAbsGén"].coche = d["FichAVAttRelGén"].coche = true;
    for (Controle& c : d.controles)
        if (c.type == TypeControle::Option || c.type == TypeControle::Case) c.action = MetAJour;

    d.Ajoute(TypeControle::Texte, "LienDDE", "Lien :").visible = false;
    for (auto [nom, legende, choix] :
         {std::tuple<const char*, const char*, const char*>{"SortieFichier", "Fichier", "Fichier"},
          {"SortieGraphique", "Graphe", "Graphique"},
          {"Map", "Map", "Map"},
          {"Annuler", "Annuler", "Annule"}}) {
        const std::string c = choix;
        d.Ajoute(TypeControle::Bouton, nom, legende).action = [&e, c](Dialogue& dlg) {
            e.ChoixSortieGravite = c;
            dlg.Ferme();
        };
    }
    d.Ajoute(TypeControle::Bouton, "Commande1", "Graphique").action = [&e](Dialogue&) {
        GraphiqueFichGrav(e);
    };
    d.boutonAnnulation = "Annuler";
    MetAJour(d);
    return d;
}

void menEditionFichGravit(EtatGravite& e) {
    e.ChoixSortieGravite = "Annule";
    Dialogue d = DialogueFichGrav(e);
    e.Ihm.MontreDialogue(d, true);
    if (e.ChoixSortieGravite == "Annule") return;
    if (!AttractionsCourantes(e)) return;
    Sablier sablier(e.Ihm);
    Vue vue;
    const bool faite = d["NoeudVal"].coche ? VueNoeuds(e, d, vue) : VuePaires(e, d, vue);
    if (!faite) return;
    e.NomFichierResultat = vue.fichier;
    if (vue.paires)
        EcritureListeCouples(e, vue.fichier);
    else
        EcritureValeursNoeuds(e, vue.fichier);
    if (e.ChoixSortieGravite == "Graphique") {
        if (vue.paires)
            EnvoiTableur(e, vue.fichier);
        else
            EnvoiTableurValeursNoeuds(e, vue.fichier);
    } else if (e.ChoixSortieGravite == "Map") {
        MontreSurCarte(e, vue.fichier);
    } else {
        OuvreDansEditeur(e, vue.fichier);
    }
}

void GraphiqueFichGrav(EtatGravite& e) {
    const bool paires = e.NomFichierResultat.rfind("AV", 0) == 0;
    const auto lignes = LignesVue(e, paires);
    if (lignes.empty()) {
        e.Ihm.Message("Aucune vue des attractions n'a encore été écrite : rien à représenter.",
                      Boutons::Ok, Icone::Exclamation, kTitre);
        return;
    }
    const std::string chemin = "C:\\program\\vek\\XLCHART.xlsx";
    // The fixed folder of the workbook is made when it is missing.
    const std::filesystem::path dossier = CheminDe(e, RepertoireDe(chemin));
    std::error_code erreur;
    std::filesystem::create_directories(dossier, erreur);
    if (erreur) {
        SignaleEchec();
        e.Ihm.Message("Le dossier " + dossier.string() +
                          " ne peut pas être créé (un fichier porte ce nom, ou l'accès en est "
                          "refusé).\nLe graphique " +
                          chemin + " n'est pas enregistré.",
                      Boutons::Ok, Icone::Exclamation, kTitre);
        return;
    }
    try {
        EcritureClasseur(e, chemin, lignes, "Attractions");
    } catch (const ErreurFichier& x) {
        e.Ihm.Message(x.what(), Boutons::Ok, Icone::Exclamation, kTitre);
        return;
    }
    LanceTableur(e, chemin);
}

}  // namespace vek
