#include "LigneCommande.h"

#include <charconv>
#include <cmath>
#include <map>
#include <set>

namespace vek {

const char* const kAideImport =
    "usage : vek-import gtfs FLUX --date AAAAMMJJ --out DOSSIER [--grouper nom] [--epsg CODE]\n"
    "                   [--marche METRES]\n"
    "        vek-import tntp RESEAU NOEUDS [TRAJETS] --out DOSSIER [--longueur km|m|mi|ft]\n"
    "                   [--temps min|h|s] [--coordonnees km|m|mi|ft|deg] [--flux DEBITS]\n"
    "                   [--mode CODE]\n"
    "\n"
    "Écrit noeuds.dat et arcs.dat dans DOSSIER, tous deux ou aucun.\n"
    "\n"
    "gtfs : FLUX est un dossier ou un .zip ; les trajets qui circulent à la date donnée.\n"
    "  --grouper nom   réunit les arrêts de même nom (sinon par parent_station)\n"
    "  --epsg CODE     projection des coordonnées (sinon Mercator transverse local)\n"
    "  --marche M      arcs de marche entre arrêts distants de moins de M mètres\n"
    "\n"
    "tntp : RESEAU (_net.tntp), NOEUDS (_node.tntp), TRAJETS (_trips.tntp) facultatif.\n"
    "  --longueur U    unité des longueurs (km par défaut)\n"
    "  --temps U       unité des temps à vide (min par défaut)\n"
    "  --coordonnees U unité des coordonnées (celle des longueurs par défaut ; deg : longitude\n"
    "                  et latitude, projetées autour du centre du réseau)\n"
    "                  Une unité peut porter un facteur : --temps 0.01h\n"
    "  --flux DEBITS   fichier des débits (_flow.tntp) : la colonne débit des arcs\n"
    "  --mode CODE     mode de tous les liens (sinon un mode routier selon la vitesse)\n"
    "\n"
    "Code de sortie : 0 importé, 1 import refusé, 2 arguments erronés.\n";

namespace {

bool Entier(const std::string& texte, int& v) {
    auto [p, ec] = std::from_chars(texte.data(), texte.data() + texte.size(), v);
    return ec == std::errc{} && p == texte.data() + texte.size();
}

}  // namespace

Demande LitArguments(const std::vector<std::string>& arguments) {
    Demande d;
    for (const auto& a : arguments)
        if (a == "--help" || a == "-h") return d;
    if (arguments.empty()) {
        d.erreur = "sous-commande attendue : gtfs ou tntp";
        return d;
    }
    const std::string& sous = arguments[0];
    if (sous != "gtfs" && sous != "tntp") {
        d.erreur = "sous-commande inconnue : " + sous + " (gtfs ou tntp)";
        return d;
    }
    const std::set<std::string> permises =
        sous == "gtfs"
            ? std::set<std::string>{"date", "out", "grouper", "epsg", "marche"}
            : std::set<std::string>{"out", "longueur", "temps", "coordonnees", "flux", "mode"};
    std::vector<std::string> positions;
    std::map<std::string, std::string> options;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (!a.starts_with("--")) {
            positions.push_back(a);
            continue;
        }
        std::string nom = a.substr(2), valeur;
        if (const auto egal = nom.find('='); egal != std::string::npos) {
            valeur = nom.substr(egal + 1);
            nom.erase(egal);
        } else if (i + 1 < arguments.size()) {
            valeur = arguments[++i];
        } else {
            d.erreur = "l'option --" + nom + " attend une valeur";
            return d;
        }
        if (!permises.contains(nom)) {
            d.erreur = "option inconnue pour " + sous + " : --" + nom;
            return d;
        }
        if (!options.emplace(nom, valeur).second) {
            d.erreur = "l'option --" + nom + " est donnée deux fois";
            return d;
        }
    }
    if (!options.contains("out")) {
        d.erreur = "le dossier de sortie manque : --out DOSSIER";
        return d;
    }
    if (sous == "gtfs") {
        OptionsGtfs g;
        if (positions.size() != 1) {
            d.erreur = "gtfs attend un flux (dossier ou .zip), pas " +
                       std::to_string(positions.size()) + " arguments";
            return d;
        }
        if (!options.contains("date")) {
            d.erreur = "la date manque : --date AAAAMMJJ";
            return d;
        }
        g.flux = positions[0];
        g.date = options["date"];
        g.sortie = options["out"];
        if (options.contains("grouper")) {
            if (options["grouper"] != "nom") {
                d.erreur = "--grouper attend nom, pas " + options["grouper"];
                return d;
            }
            g.grouperParNom = true;
        }
        if (options.contains("epsg") && (!Entier(options["epsg"], g.epsg) || g.epsg <= 0)) {
            d.erreur = "--epsg attend un code entier positif, pas " + options["epsg"];
            return d;
        }
        if (options.contains("marche")) {
            const std::string& m = options["marche"];
            auto [p, ec] = std::from_chars(m.data(), m.data() + m.size(), g.marcheMetres);
            if (ec != std::errc{} || p != m.data() + m.size() || !std::isfinite(g.marcheMetres) ||
                g.marcheMetres < 0) {
                d.erreur = "--marche attend une distance positive en mètres, pas " + m;
                return d;
            }
        }
        d.quoi = g;
        return d;
    }
    OptionsTntp t;
    if (positions.size() < 2 || positions.size() > 3) {
        d.erreur = "tntp attend RESEAU NOEUDS [TRAJETS], pas " + std::to_string(positions.size()) +
                   " arguments";
        return d;
    }
    t.reseau = positions[0];
    t.noeuds = positions[1];
    if (positions.size() == 3) t.trajets = positions[2];
    t.sortie = options["out"];
    if (options.contains("longueur")) t.longueur = options["longueur"];
    if (options.contains("temps")) t.temps = options["temps"];
    if (options.contains("coordonnees")) t.coordonnees = options["coordonnees"];
    if (options.contains("flux")) t.flux = options["flux"];
    if (options.contains("mode") && (!Entier(options["mode"], t.mode) || t.mode <= 0)) {
        d.erreur = "--mode attend un code de mode, pas " + options["mode"];
        return d;
    }
    d.quoi = t;
    return d;
}

int ExecuteImport(const std::vector<std::string>& arguments, std::ostream& sortie,
                  std::ostream& erreurs) {
    const Demande d = LitArguments(arguments);
    if (!d.erreur.empty()) {
        erreurs << "vek-import : " << d.erreur << "\n(vek-import --help pour l'aide)\n";
        return 2;
    }
    if (std::holds_alternative<Aide>(d.quoi)) {
        sortie << kAideImport;
        return 0;
    }
    const bool gtfs = std::holds_alternative<OptionsGtfs>(d.quoi);
    const RapportImport r = gtfs ? ImporteGtfs(std::get<OptionsGtfs>(d.quoi))
                                 : ImporteTntp(std::get<OptionsTntp>(d.quoi));
    if (!r.reussi) {
        erreurs << "vek-import : " << r.message << '\n';
        return 1;
    }
    sortie << r.message << "\nnoeuds : " << r.noeuds << "\narcs : " << r.arcs << '\n';
    if (gtfs) sortie << "trajets circulant : " << r.trajets << '\n';
    for (const auto& a : r.avertissements) sortie << "avertissement : " << a << '\n';
    return 0;
}

}  // namespace vek
