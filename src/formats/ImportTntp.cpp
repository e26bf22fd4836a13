#include "formats/ImportTntp.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>
#include <map>
#include <numbers>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "formats/ReseauImporte.h"
#include "network/EtatReseau.h"
#include "network/Mode.h"
#include "shell/PortMuet.h"
#include "shell/Texte.h"

namespace vek {

namespace {

constexpr double kRayonTerre = 6371.0088;          // km
constexpr std::int64_t kCodeMaximal = 9999999999;  // the 10 digits of a node code
constexpr double kChampMaximal = 999999;           // flow and capacity columns

// Ends the import with a message for the person.
struct Refus {
    std::string message;
};

std::string Texte(double v) {
    std::string s = std::to_string(v);
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s;
}

std::optional<double> Nombre(std::string_view s) {
    double v = 0;
    const char* fin = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data(), fin, v);
    if (ec != std::errc{} || p != fin || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<std::int64_t> Identifiant(std::string_view s) {
    std::int64_t v = 0;
    const char* fin = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data(), fin, v);
    if (ec != std::errc{} || p != fin || v < 1 || v > kCodeMaximal) return std::nullopt;
    return v;
}

std::string_view Nettoie(std::string_view s) {
    const auto debut = s.find_first_not_of(" \t\r");
    if (debut == std::string_view::npos) return {};
    return s.substr(debut, s.find_last_not_of(" \t\r") - debut + 1);
}

// The fields of a line split on blanks, the closing ';' left out.
std::vector<std::string> Champs(std::string_view ligne) {
    std::vector<std::string> champs;
    std::size_t p = 0;
    while (p < ligne.size()) {
        p = ligne.find_first_not_of(" \t\r", p);
        if (p == std::string_view::npos) break;
        std::size_t q = ligne.find_first_of(" \t\r", p);
        if (q == std::string_view::npos) q = ligne.size();
        champs.emplace_back(ligne.substr(p, q - p));
        p = q;
    }
    if (!champs.empty() && champs.back() == ";") {
        champs.pop_back();
    } else if (!champs.empty() && champs.back().size() > 1 && champs.back().back() == ';') {
        champs.back().pop_back();
    }
    return champs;
}

// A text file read line by line; its faults name the file and the line (the first is 1).
class Fichier {
  public:
    Fichier(const std::string& chemin, const std::string& role) : chemin_(chemin) {
        f_.open(chemin, std::ios::binary);
        if (!f_)
            throw Refus{"Le fichier " + role + " " + chemin + " est introuvable ou illisible."};
    }
    bool Suivante(std::string& ligne) {
        if (!std::getline(f_, ligne)) return false;
        ++numero_;
        if (numero_ == 1 && ligne.starts_with("\xEF\xBB\xBF")) ligne.erase(0, 3);
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        return true;
    }
    int Numero() const { return numero_; }
    [[noreturn]] void Erreur(const std::string& quoi, int ligne = 0) const {
        throw Refus{chemin_ + ", ligne " + std::to_string(ligne ? ligne : numero_) + " : " + quoi};
    }
    const std::string& Chemin() const { return chemin_; }

  private:
    std::string chemin_;
    std::ifstream f_;
    int numero_ = 0;
};

struct Metadonnee {
    std::string valeur;
    int ligne = 0;
};

struct Metadonnees {
    std::map<std::string, Metadonnee> valeurs;
    int fin = 0;  // the line of <END OF METADATA>

    // The whole value of `nom`; a missing one names the end of the metadata.
    std::optional<std::int64_t> Entier(const Fichier& f, const std::string& nom,
                                       bool obligatoire) const {
        auto it = valeurs.find(nom);
        if (it == valeurs.end()) {
            if (obligatoire) f.Erreur("<" + nom + "> manque dans les métadonnées", fin);
            return std::nullopt;
        }
        auto v = Nombre(it->second.valeur);
        if (!v || *v < 0 || *v != std::floor(*v) || *v > 1e9)
            f.Erreur("<" + nom + "> attend un entier positif, pas « " + it->second.valeur + " »",
                     it->second.ligne);
        return static_cast<std::int64_t>(*v);
    }
};

// The lines "<NAME> value" up to "<END OF METADATA>".
Metadonnees LitMetadonnees(Fichier& f) {
    Metadonnees m;
    std::string ligne;
    while (f.Suivante(ligne)) {
        const std::string_view l = Nettoie(ligne);
        if (l.empty() || l.front() == '~') continue;
        const std::size_t ferme = l.find('>');
        if (l.front() != '<' || ferme == std::string_view::npos)
            f.Erreur("métadonnée <NOM> valeur attendue avant <END OF METADATA>");
        std::string nom(Nettoie(l.substr(1, ferme - 1)));
        for (char& c : nom) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (nom == "END OF METADATA") {
            m.fin = f.Numero();
            return m;
        }
        m.valeurs[nom] = {std::string(Nettoie(l.substr(ferme + 1))), f.Numero()};
    }
    f.Erreur("fin du fichier sans <END OF METADATA>");
}

struct UniteNommee {
    const char* nom;
    double valeur;
};
constexpr UniteNommee kLongueurs[] = {{"km", 1}, {"m", 0.001}, {"mi", 1.609344}, {"ft", 0.0003048}};
constexpr UniteNommee kTemps[] = {{"min", 1}, {"h", 60}, {"s", 1.0 / 60}};

// A unit with an optional factor before it ("0.01h"), as a multiple of the unit of `table`.
std::optional<double> Unite(std::string texte, std::span<const UniteNommee> table) {
    std::erase_if(texte, [](char c) { return c == ' ' || c == '\t'; });
    std::size_t p = 0;
    while (p < texte.size() && !std::isalpha(static_cast<unsigned char>(texte[p]))) ++p;
    double facteur = 1;
    if (p > 0) {
        auto v = Nombre(std::string_view(texte).substr(0, p));
        if (!v || *v <= 0) return std::nullopt;
        facteur = *v;
    }
    for (const auto& [nom, valeur] : table)
        if (texte.substr(p) == nom) return facteur * valeur;
    return std::nullopt;
}

struct Lien {
    std::int64_t origine = 0, destination = 0;
    double capacite = 0, longueur = 0, temps = 0;  // as read
    int ligne = 0;
    double debit = 0;
    bool avecDebit = false;
    bool pris = false;
};

struct Reseau {
    std::vector<Lien> liens;
    std::int64_t zones = 0;
};

Reseau LitReseau(const std::string& chemin) {
    Fichier f(chemin, "du réseau");
    const Metadonnees m = LitMetadonnees(f);
    const std::int64_t annonces = *m.Entier(f, "NUMBER OF LINKS", true);
    Reseau r;
    r.zones = m.Entier(f, "NUMBER OF ZONES", false).value_or(0);
    std::string ligne;
    while (f.Suivante(ligne)) {
        const std::string_view l = Nettoie(ligne);
        if (l.empty() || l.front() == '~') continue;
        const auto c = Champs(l);
        if (c.size() != 10)
            f.Erreur(std::to_string(c.size()) +
                     " champs au lieu de 10 (init_node term_node capacity length free_flow_time b "
                     "power speed toll link_type)");
        Lien k;
        k.ligne = f.Numero();
        auto o = Identifiant(c[0]), d = Identifiant(c[1]);
        if (!o) f.Erreur("numéro de noeud invalide : " + c[0]);
        if (!d) f.Erreur("numéro de noeud invalide : " + c[1]);
        k.origine = *o;
        k.destination = *d;
        const char* noms[] = {"capacité", "longueur", "temps à vide"};
        double* valeurs[] = {&k.capacite, &k.longueur, &k.temps};
        for (std::size_t i = 0; i < 3; ++i) {
            auto v = Nombre(c[2 + i]);
            if (!v || *v < 0)
                f.Erreur(std::string(noms[i]) + " invalide : " + c[2 + i] +
                         " (nombre positif attendu)");
            *valeurs[i] = *v;
        }
        r.liens.push_back(k);
    }
    if (static_cast<std::int64_t>(r.liens.size()) != annonces)
        f.Erreur("<NUMBER OF LINKS> annonce " + std::to_string(annonces) +
                     " liens, le fichier en contient " + std::to_string(r.liens.size()),
                 m.valeurs.at("NUMBER OF LINKS").ligne);
    return r;
}

struct Point {
    double x = 0, y = 0;
    int ligne = 0;
};

std::map<std::int64_t, Point> LitNoeuds(const std::string& chemin) {
    Fichier f(chemin, "des noeuds");
    std::map<std::int64_t, Point> points;
    std::string ligne;
    bool premiere = true;
    while (f.Suivante(ligne)) {
        const auto c = Champs(ligne);
        if (c.empty()) continue;
        // The first line names the columns (Node X Y).
        if (std::exchange(premiere, false) && !Nombre(c[0])) continue;
        if (c.size() != 3) f.Erreur(std::to_string(c.size()) + " champs au lieu de 3 (Node X Y)");
        auto n = Identifiant(c[0]);
        if (!n) f.Erreur("numéro de noeud invalide : " + c[0]);
        auto x = Nombre(c[1]), y = Nombre(c[2]);
        if (!x || !y) f.Erreur("coordonnée invalide : " + (x ? c[2] : c[1]));
        if (!points.emplace(*n, Point{*x, *y, f.Numero()}).second)
            f.Erreur("le noeud " + c[0] + " est déjà donné ligne " +
                     std::to_string(points[*n].ligne));
    }
    if (points.empty()) f.Erreur("aucun noeud dans le fichier");
    return points;
}

// The productions of each origin: the sum of its row.
std::map<std::int64_t, double> LitTrajets(const std::string& chemin,
                                          const std::map<std::int64_t, Point>& noeuds,
                                          std::vector<std::string>& avertissements) {
    Fichier f(chemin, "des trajets");
    const Metadonnees m = LitMetadonnees(f);
    m.Entier(f, "NUMBER OF ZONES", true);
    std::map<std::int64_t, double> productions;
    double total = 0;
    std::int64_t origine = 0;
    std::string ligne;
    auto noeud = [&](std::string_view s) {
        auto n = Identifiant(s);
        if (!n) f.Erreur("numéro de zone invalide : " + std::string(s));
        if (!noeuds.contains(*n))
            f.Erreur("la zone " + std::string(s) + " n'est pas dans le fichier des noeuds");
        return *n;
    };
    while (f.Suivante(ligne)) {
        const std::string_view l = Nettoie(ligne);
        if (l.empty() || l.front() == '~') continue;
        if (l.starts_with("Origin") || l.starts_with("origin")) {
            const auto c = Champs(l);
            if (c.size() != 2) f.Erreur("« Origin N » attendu");
            origine = noeud(c[1]);
            productions.try_emplace(origine, 0);
            continue;
        }
        if (origine == 0) f.Erreur("trajets donnés avant toute ligne « Origin N »");
        std::size_t p = 0;
        while (p < l.size()) {
            std::size_t q = l.find(';', p);
            if (q == std::string_view::npos) q = l.size();
            const std::string_view entree = Nettoie(l.substr(p, q - p));
            p = q + 1;
            if (entree.empty()) continue;
            const std::size_t deux = entree.find(':');
            if (deux == std::string_view::npos)
                f.Erreur("« destination : trajets » attendu, pas « " + std::string(entree) + " »");
            noeud(Nettoie(entree.substr(0, deux)));
            const std::string_view texte = Nettoie(entree.substr(deux + 1));
            auto v = Nombre(texte);
            if (!v || *v < 0)
                f.Erreur("nombre de trajets invalide : " + std::string(texte) +
                         " (nombre positif attendu)");
            productions[origine] += *v;
            total += *v;
        }
    }
    if (auto it = m.valeurs.find("TOTAL OD FLOW"); it != m.valeurs.end()) {
        auto annonce = Nombre(it->second.valeur);
        if (annonce && std::abs(*annonce - total) > 0.5)
            avertissements.push_back(f.Chemin() + " : <TOTAL OD FLOW> annonce " +
                                     it->second.valeur + " trajets, les lignes en donnent " +
                                     Texte(total) + ".");
    }
    return productions;
}

// The flow of each link, from the lines "From To Volume Cost".
void LitDebits(const std::string& chemin, std::vector<Lien>& liens,
               std::vector<std::string>& avertissements) {
    Fichier f(chemin, "des débits");
    std::map<std::pair<std::int64_t, std::int64_t>, std::vector<std::size_t>> index;
    for (std::size_t i = 0; i < liens.size(); ++i)
        index[{liens[i].origine, liens[i].destination}].push_back(i);
    std::string ligne;
    bool premiere = true;
    while (f.Suivante(ligne)) {
        const auto c = Champs(ligne);
        if (c.empty()) continue;
        if (std::exchange(premiere, false) && !Nombre(c[0])) continue;  // From To Volume Cost
        if (c.size() != 4)
            f.Erreur(std::to_string(c.size()) + " champs au lieu de 4 (From To Volume Cost)");
        auto o = Identifiant(c[0]), d = Identifiant(c[1]);
        auto volume = Nombre(c[2]);
        if (!o || !d) f.Erreur("numéro de noeud invalide : " + (o ? c[1] : c[0]));
        if (!volume || *volume < 0)
            f.Erreur("débit invalide : " + c[2] + " (nombre positif attendu)");
        auto it = index.find({*o, *d});
        if (it == index.end())
            f.Erreur("le lien " + c[0] + " → " + c[1] + " n'est pas dans le fichier du réseau");
        auto libre = std::find_if(it->second.begin(), it->second.end(),
                                  [&](std::size_t i) { return !liens[i].avecDebit; });
        if (libre == it->second.end())
            f.Erreur("débit du lien " + c[0] + " → " + c[1] + " déjà donné");
        liens[*libre].debit = *volume;
        liens[*libre].avecDebit = true;
    }
    const auto sans =
        std::count_if(liens.begin(), liens.end(), [](const Lien& k) { return !k.avecDebit; });
    if (sans > 0)
        avertissements.push_back(std::to_string(sans) + " liens sans débit dans " + chemin +
                                 " : débit 0.");
}

// Coordinates in km, shifted so that the smallest X and Y are 0.
void ConvertitCoordonnees(std::map<std::int64_t, Point>& points, bool degres, double facteur,
                          const std::string& chemin) {
    double xmin = std::numeric_limits<double>::max(), ymin = xmin;
    double xmax = std::numeric_limits<double>::lowest(), ymax = xmax;
    for (const auto& [n, p] : points) {
        if (degres && (std::abs(p.x) > 180 || std::abs(p.y) > 90))
            throw Refus{chemin + ", ligne " + std::to_string(p.ligne) +
                        " : longitude ou latitude hors limites (" + Texte(p.x) + " " + Texte(p.y) +
                        ")"};
        xmin = std::min(xmin, p.x);
        xmax = std::max(xmax, p.x);
        ymin = std::min(ymin, p.y);
        ymax = std::max(ymax, p.y);
    }
    if (degres) {
        const double radian = std::numbers::pi / 180;
        const double lon0 = (xmin + xmax) / 2, lat0 = (ymin + ymax) / 2;
        const double kx = kRayonTerre * radian * std::cos(lat0 * radian), ky = kRayonTerre * radian;
        for (auto& [n, p] : points) {
            p.x = (p.x - lon0) * kx - (xmin - lon0) * kx;
            p.y = (p.y - lat0) * ky - (ymin - lat0) * ky;
        }
    } else {
        for (auto& [n, p] : points) {
            p.x = (p.x - xmin) * facteur;
            p.y = (p.y - ymin) * facteur;
        }
    }
}

// A value kept within the largest number of its column.
std::int32_t Colonne(double v, double maximum, int& ajustes) {
    if (v > maximum) {
        ++ajustes;
        v = maximum;
    }
    return static_cast<std::int32_t>(std::lround(v));
}

}  // namespace

int ModeRoutierSelonVitesse(double kmh) {
    if (!(kmh > 0) || !std::isfinite(kmh)) return 72;
    constexpr std::pair<double, int> kSeuils[] = {{100, 6}, {80, 61},   {65, 7},
                                                  {55, 71}, {42.5, 72}, {30, 74}};
    for (const auto& [seuil, mode] : kSeuils)
        if (kmh >= seuil) return mode;
    return 75;
}

RapportImport ImporteTntp(const OptionsTntp& o) {
    RapportImport rapport;
    try {
        if (o.sortie.empty()) throw Refus{"Le dossier de sortie n'est pas indiqué."};
        const auto km = Unite(o.longueur, kLongueurs);
        if (!km)
            throw Refus{"Unité de longueur inconnue : « " + o.longueur +
                        " » (km, m, mi ou ft, avec un facteur au besoin : 0.3048m)."};
        const auto minutes = Unite(o.temps, kTemps);
        if (!minutes)
            throw Refus{"Unité de temps inconnue : « " + o.temps +
                        " » (min, h ou s, avec un facteur au besoin : 0.01h)."};
        const std::string& texteCoordonnees = o.coordonnees.empty() ? o.longueur : o.coordonnees;
        const bool degres = texteCoordonnees == "deg";
        const auto kmCoordonnees =
            degres ? std::optional<double>(1) : Unite(texteCoordonnees, kLongueurs);
        if (!kmCoordonnees)
            throw Refus{"Unité des coordonnées inconnue : « " + texteCoordonnees +
                        " » (km, m, mi, ft ou deg)."};
        PortMuet port;
        EtatReseau modes(port);
        InitialisationModes(modes);
        bool oriente = false;
        std::string nomMode;
        if (o.mode != 0) {
            if (!ModeConnu(modes, o.mode))
                throw Refus{"Mode inconnu : " + std::to_string(o.mode) + "."};
            RechercheMode(modes, o.mode);
            oriente = modes.ModeCourant.Oriente;
            nomMode = modes.ModeCourant.Nom;
        }

        Reseau reseau = LitReseau(o.reseau);
        auto points = LitNoeuds(o.noeuds);
        for (const Lien& k : reseau.liens)
            for (std::int64_t n : {k.origine, k.destination})
                if (!points.contains(n))
                    throw Refus{o.reseau + ", ligne " + std::to_string(k.ligne) + " : le noeud " +
                                std::to_string(n) + " n'est pas dans " + o.noeuds};
        std::map<std::int64_t, double> productions;
        if (!o.trajets.empty()) productions = LitTrajets(o.trajets, points, rapport.avertissements);
        if (!o.flux.empty()) LitDebits(o.flux, reseau.liens, rapport.avertissements);
        ConvertitCoordonnees(points, degres, *kmCoordonnees, o.noeuds);

        int ajustes = 0;
        std::vector<Noeud> noeuds;
        for (const auto& [n, p] : points) {
            Noeud x;
            x.Code = n;
            x.Nom =
                Cadre((n <= reseau.zones ? "Zone " : "Noeud ") + std::to_string(n), kLongueurNom);
            auto it = productions.find(n);
            if (it != productions.end()) x.Population = Colonne(it->second, 99999999, ajustes);
            x.X = static_cast<float>(p.x);
            x.Y = static_cast<float>(p.y);
            noeuds.push_back(std::move(x));
        }

        // A link and its reverse with the same values make one arc.
        std::map<std::pair<std::int64_t, std::int64_t>, std::vector<std::size_t>> index;
        auto& liens = reseau.liens;
        for (std::size_t i = 0; i < liens.size(); ++i)
            index[{liens[i].origine, liens[i].destination}].push_back(i);
        std::vector<Arc> arcs;
        int fusions = 0, seuls = 0;
        for (Lien& k : liens) {
            if (k.pris) continue;
            k.pris = true;
            double debit = k.debit;
            bool fusion = false;
            if (!oriente)
                if (auto it = index.find({k.destination, k.origine}); it != index.end())
                    for (std::size_t j : it->second) {
                        Lien& r = liens[j];
                        if (r.pris || r.capacite != k.capacite || r.longueur != k.longueur ||
                            r.temps != k.temps)
                            continue;
                        r.pris = fusion = true;
                        debit = std::max(debit, r.debit);
                        break;
                    }
            (fusion ? fusions : seuls) += 1;
            Arc a;
            a.Origine = k.origine;
            a.Destination = k.destination;
            a.Distance = static_cast<float>(k.longueur * *km);
            a.Temps = static_cast<float>(k.temps * *minutes);
            const double kmh = a.Temps > 0 ? a.Distance * 60.0 / a.Temps : 0;
            a.Mode = static_cast<std::int16_t>(o.mode != 0 ? o.mode : ModeRoutierSelonVitesse(kmh));
            a.Debit = Colonne(debit, kChampMaximal, ajustes);
            a.CapaciteHoraire = Colonne(k.capacite, kChampMaximal, ajustes);
            arcs.push_back(std::move(a));
        }
        if (ajustes > 0)
            rapport.avertissements.push_back(std::to_string(ajustes) +
                                             " valeurs (populations, débits ou capacités) "
                                             "ramenées au plus grand nombre de leur colonne.");
        if (seuls > 0 && !oriente)
            rapport.avertissements.push_back(
                std::to_string(seuls) +
                " liens sans retour de mêmes valeurs gardés chacun comme un arc : leur mode est à "
                "double sens, VEK les parcourt dans les deux sens.");
        if (!EcritReseauImporte(o.sortie, noeuds, arcs, rapport)) return rapport;
        rapport.message = "Réseau TNTP importé dans " + o.sortie + " : " +
                          std::to_string(rapport.noeuds) + " noeuds, " +
                          std::to_string(rapport.arcs) + " arcs (" + std::to_string(fusions) +
                          " paires de liens réunies, " + std::to_string(seuls) + " liens seuls)" +
                          (nomMode.empty() ? "" : ", mode " + nomMode) + ".";
    } catch (const Refus& r) {
        rapport = RapportImport{};
        rapport.message = r.message;
    }
    return rapport;
}

}  // namespace vek
