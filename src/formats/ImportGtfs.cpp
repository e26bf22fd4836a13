#include "formats/ImportGtfs.h"

#include <proj.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <unordered_map>

#include "formats/Csv.h"
#include "formats/GtfsFlux.h"
#include "formats/ReseauImporte.h"
#include "shell/Texte.h"

namespace vek {

namespace {

constexpr int kMinutesJour = 1440;
constexpr int kModeMarche = 9;        // "Marche 5"
constexpr double kVitesseMarche = 5;  // km/h
constexpr std::int64_t kCodeMax = 9999999999;
constexpr int kMissionMax = 999999;
constexpr double kCoordonneeMax = 10000;  // km, the width of the X and Y columns

// The VEK mode of a GTFS route type (basic and extended types); continuous modes (metro,
// ferry) are boarded at any time and get no timetable.
int ModeDuType(int type) {
    if (type == 1 || type == 401 || type == 402 || type == 500 || type == 600)
        return 8;                                                              // metro, underground
    if (type == 4 || (type >= 1000 && type < 1100) || type == 1200) return 2;  // ferry, boat
    if (type == 101) return 3;                                                 // high-speed rail
    if (type == 2 || (type >= 100 && type < 200)) return 41;                   // rail
    if (type == 3 || type == 11 || (type >= 200 && type < 300) || (type >= 700 && type < 900))
        return 813;  // bus, coach, trolleybus
    return 812;      // tram, cable car, funicular and the rest
}

bool ModeContinu(int mode) {
    return mode == 8 || mode == 2;
}

std::string_view SansEspaces(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// A whole number from end to end, nothing otherwise.
std::optional<std::int64_t> Entier(std::string_view s) {
    s = SansEspaces(s);
    std::int64_t v = 0;
    if (s.empty() || s.size() > 18) return std::nullopt;
    auto [fin, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || fin != s.data() + s.size()) return std::nullopt;
    return v;
}

std::optional<double> Reel(std::string_view s) {
    s = SansEspaces(s);
    double v = 0;
    if (s.empty()) return std::nullopt;
    auto [fin, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || fin != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

// A stop id that can be a node code: digits only, 1 to 9999999999.
std::optional<std::int64_t> CodeNumerique(std::string_view id) {
    if (id.empty() || id.size() > 10) return std::nullopt;
    for (char c : id)
        if (c < '0' || c > '9') return std::nullopt;
    const auto v = Entier(id);
    if (!v || *v < 1 || *v > kCodeMax) return std::nullopt;
    return v;
}

// A date YYYYMMDD as its day number, nothing when it is not a date.
std::optional<std::int32_t> Jour(std::string_view s) {
    s = SansEspaces(s);
    if (s.size() != 8) return std::nullopt;
    const auto v = Entier(s);
    if (!v || *v < 0) return std::nullopt;
    using namespace std::chrono;
    const year_month_day d{year(static_cast<int>(*v / 10000)),
                           month(static_cast<unsigned>(*v / 100 % 100)),
                           day(static_cast<unsigned>(*v % 100))};
    if (!d.ok()) return std::nullopt;
    return sys_days(d).time_since_epoch().count();
}

// Monday = 0 ... Sunday = 6.
int JourDeSemaine(std::int32_t jour) {
    using namespace std::chrono;
    return static_cast<int>(weekday(sys_days(days(jour))).iso_encoding()) - 1;
}

std::string DateLisible(std::int32_t jour) {
    using namespace std::chrono;
    const year_month_day d{sys_days(days(jour))};
    char t[16];
    std::snprintf(t, sizeof t, "%02u/%02u/%04d", static_cast<unsigned>(d.day()),
                  static_cast<unsigned>(d.month()), static_cast<int>(d.year()));
    return t;
}

// H:MM:SS in seconds after the start of the service day (past 24:00 for the next day);
// -1 when empty.
int Heure(const LecteurCsv& f, int colonne) {
    const std::string_view s = SansEspaces(f.Champ(colonne));
    if (s.empty()) return -1;
    const auto p1 = s.find(':'), p2 = s.rfind(':');
    if (p1 == std::string_view::npos || p1 == p2 || p1 == 0 || p2 - p1 != 3 || s.size() - p2 != 3)
        f.Erreur("heure " + std::string(s) + " illisible (HH:MM:SS attendu).");
    const auto h = Entier(s.substr(0, p1)), m = Entier(s.substr(p1 + 1, 2)),
               x = Entier(s.substr(p2 + 1, 2));
    if (!h || !m || !x || *h < 0 || *h > 999 || *m < 0 || *m > 59 || *x < 0 || *x > 59)
        f.Erreur("heure " + std::string(s) + " illisible (HH:MM:SS attendu).");
    return static_cast<int>(*h * 3600 + *m * 60 + *x);
}

// Seconds to whole minutes, 30 s and more rounded up.
int Minutes(int secondes) {
    return (secondes + 30) / 60;
}

struct Arret {
    std::string id, nom, parent;
    int type = 0;
    double lon = 0, lat = 0;
    bool coordonnees = false;
    int groupe = -1;
};

struct Voyage {
    std::string id, service, nomCourt;
    int mode = 0;
    bool circule = false;
};

struct Passage {
    int sequence = 0;
    int arret = 0;
    int arrivee = -1, depart = -1;  // seconds, -1 when not given
    int ligne = 0;
};

struct Service {
    int masque = 0;  // Monday = 1 ... Sunday = 64
    std::int32_t debut = 0, fin = -1;
    bool calendrier = false;
    std::vector<std::int32_t> ajouts, retraits;
};

// One run of a trip: the trip itself, or one departure of its frequencies.
struct Course {
    int voyage = 0;
    int decalage = 0;  // seconds added to the trip's times
    int premierDepart = 0;
    int mission = 0;
};

struct Groupe {
    std::string cle, nom;
    std::vector<int> arrets;
    bool desservi = false;
    std::int64_t code = 0;
    double x = 0, y = 0;  // km
};

class Importation {
  public:
    explicit Importation(const OptionsGtfs& o) : o_(o), flux_(o.flux) {}
    RapportImport Execute();

  private:
    LecteurCsv Fichier(const std::string& nom);
    void LitArrets();
    std::map<std::string, int> LitLignes();
    void LitVoyages(const std::map<std::string, int>& modes);
    void LitCalendrier();
    void LitPassages();
    void LitFrequences();
    void Courses();
    void Groupes();
    void Projette();
    void Arcs();
    void Marche();
    void EcritTable(const std::string& chemin) const;

    const OptionsGtfs& o_;
    FluxGtfs flux_;
    std::int32_t date_ = 0;
    std::vector<Arret> arrets_;
    std::unordered_map<std::string, int> indiceArret_;
    std::vector<Voyage> voyages_;
    std::unordered_map<std::string, int> indiceVoyage_;
    std::map<std::string, Service> services_;
    std::int32_t premierJour_ = std::numeric_limits<std::int32_t>::max(), dernierJour_ = -1;
    std::vector<std::vector<Passage>> passages_;                // per trip, running trips only
    std::vector<std::vector<std::pair<int, int>>> frequences_;  // per trip: departures, seconds
    std::vector<Course> courses_;
    std::vector<Groupe> groupes_;
    std::vector<Noeud> noeuds_;
    std::vector<Arc> arcs_;
    std::vector<std::string> avertissements_;
};

LecteurCsv Importation::Fichier(const std::string& nom) {
    std::optional<std::string> octets = flux_.Lit(nom);
    if (!octets)
        throw ErreurFlux("Le fichier " + nom + " est absent du flux GTFS " + o_.flux + ".");
    return LecteurCsv(std::move(*octets), nom);
}

void Importation::LitArrets() {
    LecteurCsv f = Fichier("stops.txt");
    const int id = f.ColonneRequise("stop_id"), nom = f.ColonneRequise("stop_name"),
              lat = f.ColonneRequise("stop_lat"), lon = f.ColonneRequise("stop_lon"),
              type = f.Colonne("location_type"), parent = f.Colonne("parent_station");
    while (f.Suivant()) {
        Arret a;
        a.id = std::string(SansEspaces(f.Champ(id)));
        if (a.id.empty()) f.Erreur("stop_id vide.");
        a.nom = std::string(SansEspaces(f.Champ(nom)));
        a.parent = std::string(SansEspaces(f.Champ(parent)));
        if (!SansEspaces(f.Champ(type)).empty()) {
            const auto t = Entier(f.Champ(type));
            if (!t || *t < 0 || *t > 4) f.Erreur("location_type illisible.");
            a.type = static_cast<int>(*t);
        }
        const auto la = Reel(f.Champ(lat)), lo = Reel(f.Champ(lon));
        if (la && lo) {
            if (*la < -90 || *la > 90 || *lo < -180 || *lo > 180)
                f.Erreur("coordonnées hors des bornes (stop_lat, stop_lon).");
            a.lat = *la, a.lon = *lo, a.coordonnees = true;
        } else if (a.type <= 2) {
            f.Erreur("stop_lat ou stop_lon absent ou illisible.");
        }
        if (!indiceArret_.emplace(a.id, static_cast<int>(arrets_.size())).second)
            f.Erreur("l'arrêt " + a.id + " est déjà défini.");
        arrets_.push_back(std::move(a));
    }
}

std::map<std::string, int> Importation::LitLignes() {
    LecteurCsv f = Fichier("routes.txt");
    const int id = f.ColonneRequise("route_id"), type = f.ColonneRequise("route_type");
    std::map<std::string, int> modes;
    while (f.Suivant()) {
        const auto t = Entier(f.Champ(type));
        if (!t || *t < 0) f.Erreur("route_type illisible.");
        modes[std::string(SansEspaces(f.Champ(id)))] = ModeDuType(static_cast<int>(*t));
    }
    return modes;
}

void Importation::LitVoyages(const std::map<std::string, int>& modes) {
    LecteurCsv f = Fichier("trips.txt");
    const int route = f.ColonneRequise("route_id"), service = f.ColonneRequise("service_id"),
              id = f.ColonneRequise("trip_id"), court = f.Colonne("trip_short_name");
    while (f.Suivant()) {
        Voyage v;
        v.id = std::string(SansEspaces(f.Champ(id)));
        v.service = std::string(SansEspaces(f.Champ(service)));
        v.nomCourt = std::string(SansEspaces(f.Champ(court)));
        const auto m = modes.find(std::string(SansEspaces(f.Champ(route))));
        if (m == modes.end())
            f.Erreur("la ligne " + std::string(f.Champ(route)) + " n'est pas dans routes.txt.");
        v.mode = m->second;
        if (!indiceVoyage_.emplace(v.id, static_cast<int>(voyages_.size())).second)
            f.Erreur("le trajet " + v.id + " est déjà défini.");
        voyages_.push_back(std::move(v));
    }
}

void Importation::LitCalendrier() {
    const bool calendrier = flux_.Existe("calendar.txt"),
               exceptions = flux_.Existe("calendar_dates.txt");
    if (!calendrier && !exceptions)
        throw ErreurFlux("Le flux GTFS " + o_.flux +
                         " n'a ni calendar.txt ni calendar_dates.txt : ses jours de circulation "
                         "sont inconnus.");
    auto etend = [&](std::int32_t a, std::int32_t b) {
        premierJour_ = std::min(premierJour_, a);
        dernierJour_ = std::max(dernierJour_, b);
    };
    if (calendrier) {
        LecteurCsv f = Fichier("calendar.txt");
        const char* jours[] = {"monday", "tuesday",  "wednesday", "thursday",
                               "friday", "saturday", "sunday"};
        int colonnes[7];
        for (int k = 0; k < 7; ++k) colonnes[k] = f.ColonneRequise(jours[k]);
        const int id = f.ColonneRequise("service_id"), debut = f.ColonneRequise("start_date"),
                  fin = f.ColonneRequise("end_date");
        while (f.Suivant()) {
            Service& s = services_[std::string(SansEspaces(f.Champ(id)))];
            s.calendrier = true;
            for (int k = 0; k < 7; ++k) {
                const std::string_view v = SansEspaces(f.Champ(colonnes[k]));
                if (v != "0" && v != "1") f.Erreur(std::string(jours[k]) + " doit valoir 0 ou 1.");
                if (v == "1") s.masque |= 1 << k;
            }
            const auto a = Jour(f.Champ(debut)), b = Jour(f.Champ(fin));
            if (!a || !b) f.Erreur("start_date ou end_date n'est pas une date AAAAMMJJ.");
            s.debut = *a, s.fin = *b;
            etend(*a, *b);
        }
    }
    if (exceptions) {
        LecteurCsv f = Fichier("calendar_dates.txt");
        const int id = f.ColonneRequise("service_id"), date = f.ColonneRequise("date"),
                  type = f.ColonneRequise("exception_type");
        while (f.Suivant()) {
            Service& s = services_[std::string(SansEspaces(f.Champ(id)))];
            const auto j = Jour(f.Champ(date));
            if (!j) f.Erreur("date n'est pas une date AAAAMMJJ.");
            const std::string_view t = SansEspaces(f.Champ(type));
            if (t == "1") {
                s.ajouts.push_back(*j);
                s.masque |= 1 << JourDeSemaine(*j);
            } else if (t == "2") {
                s.retraits.push_back(*j);
            } else {
                f.Erreur("exception_type doit valoir 1 ou 2.");
            }
            etend(*j, *j);
        }
    }
    if (date_ < premierJour_ || date_ > dernierJour_)
        throw ErreurFlux(dernierJour_ < 0
                             ? "Le flux GTFS " + o_.flux + " ne donne aucun jour de circulation."
                             : "Le " + DateLisible(date_) + " est hors des dates du flux GTFS " +
                                   o_.flux + ", qui va du " + DateLisible(premierJour_) + " au " +
                                   DateLisible(dernierJour_) + " : aucun réseau écrit.");
    auto dans = [](const std::vector<std::int32_t>& v, std::int32_t j) {
        return std::find(v.begin(), v.end(), j) != v.end();
    };
    for (Voyage& v : voyages_) {
        const auto s = services_.find(v.service);
        if (s == services_.end()) continue;
        const Service& x = s->second;
        const bool regulier = x.calendrier && x.debut <= date_ && date_ <= x.fin &&
                              (x.masque >> JourDeSemaine(date_) & 1);
        v.circule = dans(x.ajouts, date_) || (regulier && !dans(x.retraits, date_));
    }
}

void Importation::LitPassages() {
    passages_.assign(voyages_.size(), {});
    LecteurCsv f = Fichier("stop_times.txt");
    const int voyage = f.ColonneRequise("trip_id"), arrivee = f.ColonneRequise("arrival_time"),
              depart = f.ColonneRequise("departure_time"), arret = f.ColonneRequise("stop_id"),
              sequence = f.ColonneRequise("stop_sequence");
    while (f.Suivant()) {
        const auto v = indiceVoyage_.find(std::string(SansEspaces(f.Champ(voyage))));
        if (v == indiceVoyage_.end())
            f.Erreur("le trajet " + std::string(f.Champ(voyage)) + " n'est pas dans trips.txt.");
        const auto a = indiceArret_.find(std::string(SansEspaces(f.Champ(arret))));
        if (a == indiceArret_.end())
            f.Erreur("l'arrêt " + std::string(f.Champ(arret)) + " n'est pas dans stops.txt.");
        const auto s = Entier(f.Champ(sequence));
        if (!s || *s < 0 || *s > std::numeric_limits<int>::max())
            f.Erreur("stop_sequence illisible.");
        Passage p;
        p.sequence = static_cast<int>(*s);
        p.arret = a->second;
        p.arrivee = Heure(f, arrivee);
        p.depart = Heure(f, depart);
        p.ligne = f.Ligne();
        if (voyages_[static_cast<std::size_t>(v->second)].circule)
            passages_[static_cast<std::size_t>(v->second)].push_back(p);
    }
    // In stop order; a stop without times is placed evenly between the stops around it.
    for (std::size_t v = 0; v < voyages_.size(); ++v) {
        std::vector<Passage>& p = passages_[v];
        if (p.empty()) continue;
        std::stable_sort(p.begin(), p.end(), [](const Passage& a, const Passage& b) {
            return a.sequence < b.sequence;
        });
        auto faute = [&](const Passage& x, const std::string& texte) {
            throw ErreurFlux("stop_times.txt, ligne " + std::to_string(x.ligne) + " : " + texte);
        };
        for (std::size_t k = 1; k < p.size(); ++k)
            if (p[k].sequence == p[k - 1].sequence)
                faute(p[k], "stop_sequence répété dans le trajet " + voyages_[v].id + ".");
        for (Passage& x : p) {
            if (x.arrivee < 0) x.arrivee = x.depart;
            if (x.depart < 0) x.depart = x.arrivee;
        }
        if (p.front().depart < 0 || p.back().arrivee < 0)
            faute(p.front().depart < 0 ? p.front() : p.back(),
                  "le premier et le dernier arrêt d'un trajet doivent avoir leurs heures.");
        std::size_t precedent = 0;
        for (std::size_t k = 1; k < p.size(); ++k) {
            if (p[k].arrivee < 0) continue;
            const int t0 = p[precedent].depart, t1 = p[k].arrivee;
            for (std::size_t m = precedent + 1; m < k; ++m)
                p[m].arrivee = p[m].depart =
                    t0 + static_cast<int>(static_cast<long long>(t1 - t0) *
                                          static_cast<long long>(m - precedent) /
                                          static_cast<long long>(k - precedent));
            if (t1 < t0) faute(p[k], "heure antérieure à celle de l'arrêt précédent.");
            if (p[k].depart < p[k].arrivee) faute(p[k], "départ avant l'arrivée.");
            precedent = k;
        }
    }
}

void Importation::LitFrequences() {
    frequences_.assign(voyages_.size(), {});
    if (!flux_.Existe("frequencies.txt")) return;
    LecteurCsv f = Fichier("frequencies.txt");
    const int voyage = f.ColonneRequise("trip_id"), debut = f.ColonneRequise("start_time"),
              fin = f.ColonneRequise("end_time"), pas = f.ColonneRequise("headway_secs");
    while (f.Suivant()) {
        const auto v = indiceVoyage_.find(std::string(SansEspaces(f.Champ(voyage))));
        if (v == indiceVoyage_.end())
            f.Erreur("le trajet " + std::string(f.Champ(voyage)) + " n'est pas dans trips.txt.");
        const int a = Heure(f, debut), b = Heure(f, fin);
        const auto h = Entier(f.Champ(pas));
        if (a < 0 || b < 0) f.Erreur("start_time et end_time sont requis.");
        if (!h || *h <= 0 || *h > 86400) f.Erreur("headway_secs illisible.");
        auto& d = frequences_[static_cast<std::size_t>(v->second)];
        for (int t = a; t < b; t += static_cast<int>(*h)) d.push_back({t, 0});
    }
}

// The runs of the date and their mission numbers: the trains' own numbers (trip_short_name)
// when every timetabled run has a distinct one, else 1, 2, ... in order of first departure.
void Importation::Courses() {
    for (std::size_t v = 0; v < voyages_.size(); ++v) {
        const std::vector<Passage>& p = passages_[v];
        if (p.size() < 2) continue;
        const int depart = p.front().depart;
        if (frequences_[v].empty()) {
            courses_.push_back({static_cast<int>(v), 0, depart, 0});
        } else {
            for (const auto& [t, inutile] : frequences_[v])
                courses_.push_back({static_cast<int>(v), t - depart, t, 0});
        }
    }
    std::stable_sort(courses_.begin(), courses_.end(), [&](const Course& a, const Course& b) {
        if (a.premierDepart != b.premierDepart) return a.premierDepart < b.premierDepart;
        return voyages_[static_cast<std::size_t>(a.voyage)].id <
               voyages_[static_cast<std::size_t>(b.voyage)].id;
    });
    std::vector<Course*> horaires;
    for (Course& c : courses_)
        if (!ModeContinu(voyages_[static_cast<std::size_t>(c.voyage)].mode)) horaires.push_back(&c);
    std::vector<std::int64_t> numeros;
    for (Course* c : horaires) {
        const Voyage& v = voyages_[static_cast<std::size_t>(c->voyage)];
        const auto n = CodeNumerique(v.nomCourt);
        if (!n || *n > kMissionMax || !frequences_[static_cast<std::size_t>(c->voyage)].empty())
            break;
        numeros.push_back(*n);
    }
    std::vector<std::int64_t> tries = numeros;
    std::sort(tries.begin(), tries.end());
    const bool propres = numeros.size() == horaires.size() &&
                         std::adjacent_find(tries.begin(), tries.end()) == tries.end();
    if (!propres && static_cast<std::int64_t>(horaires.size()) > kMissionMax)
        throw ErreurFlux(std::to_string(horaires.size()) + " courses circulent le " +
                         DateLisible(date_) + " : la colonne des missions en compte au plus " +
                         std::to_string(kMissionMax) + ".");
    for (std::size_t k = 0; k < horaires.size(); ++k)
        horaires[k]->mission = propres ? static_cast<int>(numeros[k]) : static_cast<int>(k + 1);
}

// Stops merged by parent station (a platform's station, a boarding area's platform's
// station) or by identical name; only the groups a run of the date serves become nodes.
void Importation::Groupes() {
    std::unordered_map<std::string, int> indices;
    for (Arret& a : arrets_) {
        std::string cle;
        if (o_.grouperParNom) {
            cle = a.nom;
        } else {
            const Arret* x = &a;
            for (int k = 0; k < 3 && !x->parent.empty(); ++k) {
                const auto p = indiceArret_.find(x->parent);
                if (p == indiceArret_.end()) break;
                x = &arrets_[static_cast<std::size_t>(p->second)];
            }
            cle = x->parent.empty() ? x->id : x->parent;
        }
        auto [k, nouveau] = indices.emplace(cle, static_cast<int>(groupes_.size()));
        if (nouveau) groupes_.push_back({cle, a.nom, {}, false, 0, 0, 0});
        a.groupe = k->second;
        groupes_[static_cast<std::size_t>(k->second)].arrets.push_back(
            static_cast<int>(&a - arrets_.data()));
    }
    // A group by station is named after its station.
    if (!o_.grouperParNom)
        for (Groupe& g : groupes_)
            if (const auto s = indiceArret_.find(g.cle); s != indiceArret_.end())
                g.nom = arrets_[static_cast<std::size_t>(s->second)].nom;
    for (const Course& c : courses_)
        for (const Passage& p : passages_[static_cast<std::size_t>(c.voyage)])
            groupes_[static_cast<std::size_t>(arrets_[static_cast<std::size_t>(p.arret)].groupe)]
                .desservi = true;
    // Codes: the smallest numeric stop_id of the group; the others numbered after the largest.
    std::int64_t plusGrand = 0;
    std::map<std::int64_t, int> pris;
    std::vector<Groupe*> sansCode;
    for (Groupe& g : groupes_) {
        if (!g.desservi) continue;
        for (int a : g.arrets)
            if (const auto c = CodeNumerique(arrets_[static_cast<std::size_t>(a)].id))
                if (g.code == 0 || *c < g.code) g.code = *c;
        if (g.code != 0 && !pris.emplace(g.code, 0).second) g.code = 0;  // "007" beside "7"
        if (g.code == 0) sansCode.push_back(&g);
        plusGrand = std::max(plusGrand, g.code);
    }
    std::sort(sansCode.begin(), sansCode.end(),
              [](const Groupe* a, const Groupe* b) { return a->cle < b->cle; });
    for (Groupe* g : sansCode) {
        if (plusGrand >= kCodeMax)
            throw ErreurFlux("Les codes des arrêts dépassent " + std::to_string(kCodeMax) +
                             " : les arrêts sans code numérique ne peuvent être numérotés.");
        g->code = ++plusGrand;
    }
}

// The nodes at the mean position of their stops, projected in km; shifted by the south-west
// corner when a coordinate would fall out of 0 - 10000 km.
void Importation::Projette() {
    struct Position {
        double lon = 0, lat = 0;
    };
    std::vector<Position> positions(groupes_.size());
    double lonMin = 180, lonMax = -180, latMin = 90, latMax = -90;
    for (std::size_t g = 0; g < groupes_.size(); ++g) {
        if (!groupes_[g].desservi) continue;
        int n = 0;
        for (int a : groupes_[g].arrets) {
            const Arret& x = arrets_[static_cast<std::size_t>(a)];
            if (!x.coordonnees) continue;
            positions[g].lon += x.lon, positions[g].lat += x.lat, ++n;
        }
        if (n == 0) throw ErreurFlux("L'arrêt " + groupes_[g].cle + " n'a pas de coordonnées.");
        positions[g].lon /= n, positions[g].lat /= n;
        lonMin = std::min(lonMin, positions[g].lon), lonMax = std::max(lonMax, positions[g].lon);
        latMin = std::min(latMin, positions[g].lat), latMax = std::max(latMax, positions[g].lat);
    }
    std::unique_ptr<PJ_CONTEXT, decltype(&proj_context_destroy)> ctx(proj_context_create(),
                                                                     &proj_context_destroy);
    proj_log_level(ctx.get(), PJ_LOG_NONE);
    auto detruit = [](PJ* p) { proj_destroy(p); };
    std::string cible;
    double metres = 1;  // the unit of the target's axes in metres
    if (o_.epsg == 0) {
        char t[160];
        std::snprintf(t, sizeof t,
                      "+proj=tmerc +lat_0=%.6f +lon_0=%.6f +k=1 +x_0=0 +y_0=0 +ellps=WGS84 "
                      "+units=m +type=crs",
                      (latMin + latMax) / 2, (lonMin + lonMax) / 2);
        cible = t;
    } else {
        cible = "EPSG:" + std::to_string(o_.epsg);
        std::unique_ptr<PJ, decltype(detruit)> crs(proj_create(ctx.get(), cible.c_str()), detruit);
        if (!crs)
            throw ErreurFlux("Le code EPSG " + std::to_string(o_.epsg) + " est inconnu de PROJ.");
        const PJ_TYPE type = proj_get_type(crs.get());
        std::unique_ptr<PJ, decltype(detruit)> cs(
            proj_crs_get_coordinate_system(ctx.get(), crs.get()), detruit);
        const char* nomUnite = nullptr;
        if (type != PJ_TYPE_PROJECTED_CRS || !cs ||
            !proj_cs_get_axis_info(ctx.get(), cs.get(), 0, nullptr, nullptr, nullptr, &metres,
                                   &nomUnite, nullptr, nullptr) ||
            metres <= 0)
            throw ErreurFlux("Le code EPSG " + std::to_string(o_.epsg) +
                             " n'est pas une projection plane : choisissez un système projeté.");
    }
    std::unique_ptr<PJ, decltype(detruit)> brut(
        proj_create_crs_to_crs(ctx.get(), "+proj=longlat +datum=WGS84 +no_defs +type=crs",
                               cible.c_str(), nullptr),
        detruit);
    std::unique_ptr<PJ, decltype(detruit)> p(
        brut ? proj_normalize_for_visualization(ctx.get(), brut.get()) : nullptr, detruit);
    if (!p) throw ErreurFlux("La projection vers " + cible + " est impossible avec PROJ.");
    double xMin = std::numeric_limits<double>::max(), yMin = xMin, xMax = -xMin, yMax = -xMin;
    for (std::size_t g = 0; g < groupes_.size(); ++g) {
        if (!groupes_[g].desservi) continue;
        const PJ_COORD c =
            proj_trans(p.get(), PJ_FWD, proj_coord(positions[g].lon, positions[g].lat, 0, 0));
        if (!std::isfinite(c.xy.x) || !std::isfinite(c.xy.y))
            throw ErreurFlux("L'arrêt " + groupes_[g].cle + " ne se projette pas dans " + cible +
                             ".");
        groupes_[g].x = c.xy.x * metres / 1000, groupes_[g].y = c.xy.y * metres / 1000;
        xMin = std::min(xMin, groupes_[g].x), xMax = std::max(xMax, groupes_[g].x);
        yMin = std::min(yMin, groupes_[g].y), yMax = std::max(yMax, groupes_[g].y);
    }
    if (xMin < 0 || yMin < 0 || xMax >= kCoordonneeMax || yMax >= kCoordonneeMax) {
        if (xMax - xMin >= kCoordonneeMax || yMax - yMin >= kCoordonneeMax)
            throw ErreurFlux(
                "Le flux s'étend sur plus de 10000 km : ses coordonnées ne tiennent "
                "pas dans le fichier des noeuds.");
        for (Groupe& g : groupes_) g.x -= xMin, g.y -= yMin;
    }
    for (const Groupe& g : groupes_) {
        if (!g.desservi) continue;
        Noeud n;
        std::string nom = g.nom;
        for (char& c : nom)
            if (static_cast<unsigned char>(c) < 0x20) c = ' ';  // a line break would cut the line
        n.Nom = Cadre(nom, kLongueurNom);
        n.Code = g.code;
        n.X = static_cast<float>(g.x);
        n.Y = static_cast<float>(g.y);
        noeuds_.push_back(n);
    }
    std::sort(noeuds_.begin(), noeuds_.end(),
              [](const Noeud& a, const Noeud& b) { return a.Code < b.Code; });
}

// One arc per consecutive stop pair of every timetabled run; the continuous modes get one arc
// per pair with the mean time of their runs.
void Importation::Arcs() {
    auto distance = [&](int a, int b) {
        const Groupe &x = groupes_[static_cast<std::size_t>(a)],
                     &y = groupes_[static_cast<std::size_t>(b)];
        return std::hypot(x.x - y.x, x.y - y.y);
    };
    struct Moyenne {
        long long total = 0;
        int nombre = 0;
    };
    std::map<std::tuple<int, int, int>, Moyenne> continus;  // (origin, destination, mode)
    std::vector<const Course*> ordre;
    for (const Course& c : courses_) ordre.push_back(&c);
    std::stable_sort(ordre.begin(), ordre.end(),
                     [](const Course* a, const Course* b) { return a->mission < b->mission; });
    for (const Course* c : ordre) {
        const Voyage& v = voyages_[static_cast<std::size_t>(c->voyage)];
        const std::vector<Passage>& p = passages_[static_cast<std::size_t>(c->voyage)];
        for (std::size_t k = 0; k + 1 < p.size(); ++k) {
            const int o = arrets_[static_cast<std::size_t>(p[k].arret)].groupe,
                      d = arrets_[static_cast<std::size_t>(p[k + 1].arret)].groupe;
            if (o == d) continue;  // two stops of one node
            const int depart = Minutes(p[k].depart + c->decalage);
            // A leg shorter than a minute once rounded takes a minute: an arrival equal to
            // the departure would read as a whole day.
            const int arrivee = std::max(Minutes(p[k + 1].arrivee + c->decalage), depart + 1);
            if (ModeContinu(v.mode)) {
                Moyenne& m = continus[{o, d, v.mode}];
                m.total += arrivee - depart, ++m.nombre;
                continue;
            }
            if (arrivee - depart >= kMinutesJour) {
                avertissements_.push_back("Trajet " + v.id +
                                          " : une étape de plus de 24 h est ignorée.");
                continue;
            }
            Arc a;
            a.Origine = groupes_[static_cast<std::size_t>(o)].code;
            a.Destination = groupes_[static_cast<std::size_t>(d)].code;
            a.Mode = static_cast<std::int16_t>(v.mode);
            a.Distance = static_cast<float>(distance(o, d));
            a.Temps = static_cast<float>(arrivee - depart);
            a.HeureDepart = depart % kMinutesJour;
            a.HeureArrivee = arrivee % kMinutesJour;
            a.Jours = static_cast<std::int16_t>(services_[v.service].masque);
            a.Debit = c->mission;
            arcs_.push_back(a);
        }
    }
    for (const auto& [paire, m] : continus) {
        const auto [o, d, mode] = paire;
        Arc a;
        a.Origine = groupes_[static_cast<std::size_t>(o)].code;
        a.Destination = groupes_[static_cast<std::size_t>(d)].code;
        a.Mode = static_cast<std::int16_t>(mode);
        a.Distance = static_cast<float>(distance(o, d));
        a.Temps = static_cast<float>(
            std::max(1LL, (2 * m.total + m.nombre) / (2LL * m.nombre)));  // rounded mean
        arcs_.push_back(a);
    }
}

// Walking arcs, both ways, between the nodes closer than the distance asked.
void Importation::Marche() {
    if (o_.marcheMetres <= 0) return;
    const double limite = o_.marcheMetres / 1000;
    std::vector<const Noeud*> n;
    for (const Noeud& x : noeuds_) n.push_back(&x);
    std::sort(n.begin(), n.end(), [](const Noeud* a, const Noeud* b) { return a->X < b->X; });
    std::vector<Arc> marche;
    for (std::size_t i = 0; i < n.size(); ++i)
        for (std::size_t j = i + 1; j < n.size() && n[j]->X - n[i]->X < limite; ++j) {
            const double km = DistanceVolOiseau(*n[i], *n[j]);
            if (km >= limite) continue;
            for (const auto& [o, d] : {std::pair(n[i], n[j]), std::pair(n[j], n[i])}) {
                Arc a;
                a.Origine = o->Code;
                a.Destination = d->Code;
                a.Mode = kModeMarche;
                a.Distance = static_cast<float>(km);
                a.Temps = static_cast<float>(std::max(1.0, std::round(km / kVitesseMarche * 60)));
                marche.push_back(a);
            }
        }
    std::sort(marche.begin(), marche.end(), [](const Arc& a, const Arc& b) {
        return std::pair(a.Origine, a.Destination) < std::pair(b.Origine, b.Destination);
    });
    arcs_.insert(arcs_.end(), marche.begin(), marche.end());
}

void Importation::EcritTable(const std::string& chemin) const {
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f << "stop_id\tcode\tstop_name\n";
    for (const Arret& a : arrets_) {
        const Groupe& g = groupes_[static_cast<std::size_t>(a.groupe)];
        if (g.desservi) f << a.id << '\t' << g.code << '\t' << a.nom << '\n';
    }
    f.close();
    if (!f) throw ErreurFlux("Impossible d'écrire le fichier : " + chemin);
}

RapportImport Importation::Execute() {
    RapportImport r;
    const auto date = Jour(o_.date);
    if (!date) throw ErreurFlux("La date " + o_.date + " n'est pas une date AAAAMMJJ.");
    date_ = *date;
    LitArrets();
    LitVoyages(LitLignes());
    LitCalendrier();
    LitPassages();
    LitFrequences();
    Courses();
    r.trajets = static_cast<int>(courses_.size());
    if (courses_.empty())
        throw ErreurFlux("Aucun trajet du flux GTFS " + o_.flux + " ne circule le " +
                         DateLisible(date_) + " : aucun réseau écrit.");
    Groupes();
    Projette();
    Arcs();
    Marche();
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(o_.sortie, ec);
    const fs::path table = fs::path(o_.sortie) / kTableArretsGtfs;
    const fs::path provisoire = fs::path(o_.sortie) / (std::string(".") + kTableArretsGtfs);
    try {
        EcritTable(provisoire.string());
    } catch (const ErreurFlux&) {
        fs::remove(provisoire, ec);
        throw;
    }
    if (!EcritReseauImporte(o_.sortie, noeuds_, arcs_, r)) {
        fs::remove(provisoire, ec);
        r.trajets = static_cast<int>(courses_.size());
        return r;
    }
    fs::rename(provisoire, table, ec);
    r.avertissements = avertissements_;
    if (ec)
        r.avertissements.push_back("La table des codes n'a pas pu être écrite : " + table.string() +
                                   ".");
    r.message = "Flux GTFS importé dans " + o_.sortie + " pour le " + DateLisible(date_) + " : " +
                std::to_string(r.noeuds) + " noeuds, " + std::to_string(r.arcs) + " arcs (" +
                std::to_string(r.trajets) + " trajets circulant ce jour-là).";
    return r;
}

}  // namespace

RapportImport ImporteGtfs(const OptionsGtfs& options) {
    try {
        return Importation(options).Execute();
    } catch (const ErreurFlux& x) {
        RapportImport r;
        r.message = x.what();
        return r;
    }
}

}  // namespace vek
