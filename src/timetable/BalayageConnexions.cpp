#include "timetable/BalayageConnexions.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <string>
#include <tuple>
#include <unordered_map>

#include "network/Temps.h"
#include "paths/Equipe.h"
#include "shell/Format.h"
#include "shell/Progression.h"
#include "timetable/EtatHoraires.h"
#include "timetable/ModesHoraires.h"

namespace vek {

namespace {

// Under the arrival constraint the scan runs with time reversed: a leg from i to j leaving at
// d and arriving at a becomes a leg from j to i leaving at -a and arriving at -d, and the
// destination is scanned from as an origin leaving at minus the reference time.

struct Connexion {
    std::int32_t u, v, depart, arrivee;
    std::int32_t mission;  // the mission number, 0 = none
    std::int32_t train;    // the mission's dense number, -1 for 0
    float valeur;
    std::int16_t mode;
    bool premier;  // may be the first leg
};

struct Marche {
    std::int32_t vers, duree;
    float valeur;
    std::int16_t mode;
};

// What the scan reads of every connection, apart: where it goes, when it arrives, its mission.
struct Chaude {
    std::int32_t u, v, arrivee;
    std::int32_t train;  // -1 for the mission 0
};

struct Reseau {
    bool inverse = false;
    std::int32_t n = 0, t0 = 0, trains = 0;
    std::vector<Connexion> c;           // by departure, then arrival
    std::vector<Chaude> chaud;          // the same, as the scan reads them
    std::vector<std::int32_t> groupes;  // where each departure minute of c starts, then c.size()
    std::vector<std::int32_t> debutMarche;  // walks of node x: [debutMarche[x], [x + 1])
    std::vector<Marche> marches;
};

// The connections sorted by departure, grouped by departure minute.
void Groupe(Reseau& r) {
    r.groupes.clear();
    r.chaud.clear();
    r.chaud.reserve(r.c.size());
    for (std::size_t k = 0; k < r.c.size(); ++k) {
        const Connexion& c = r.c[k];
        r.chaud.push_back({c.u, c.v, c.arrivee, c.train});
        if (k == 0 || c.depart != r.c[k - 1].depart)
            r.groupes.push_back(static_cast<std::int32_t>(k));
    }
    r.groupes.push_back(static_cast<std::int32_t>(r.c.size()));
}

Reseau Construit(const EtatHoraires& e, bool arrivee) {
    Reseau r;
    const TrajetsHoraires& T = e.CheMin;
    const std::int32_t n = T.Noeuds();
    const std::int32_t t = e.HeureDepart;
    r.inverse = arrivee;
    r.n = n;
    r.t0 = arrivee ? -t : t;
    const bool matrice = e.MatArcsMin.Lignes() == static_cast<std::size_t>(n) + 1;
    std::unordered_map<std::int32_t, std::int32_t> trains;
    auto ajoute = [&](std::int32_t i, std::int32_t j, std::int32_t depart, std::int32_t arr,
                      std::int32_t mission, float valeur, std::int16_t mode, bool premier) {
        std::int32_t train = -1;
        if (mission != 0) train = trains.try_emplace(mission, r.trains).first->second;
        if (train == r.trains) ++r.trains;
        if (arrivee)
            r.c.push_back({j, i, -arr, -depart, mission, train, valeur, mode, premier});
        else
            r.c.push_back({i, j, depart, arr, mission, train, valeur, mode, premier});
    };
    std::vector<std::pair<std::int32_t, Marche>> marches;
    for (std::int32_t i = 1; i <= n; ++i) {
        for (const auto* o = T.DebutOptions(i); o != T.FinOptions(i); ++o) {
            const Trajet& x = o->trajet;
            const bool lien = matrice && e.MatArcsMin(i, o->autre).Valeur != 0;
            ajoute(i, o->autre, x.Depart, x.Arrivee, x.MissionPremiere, x.Valeur, x.Mode,
                   !(lien && x.Arrivee >= kDerniereHeureAvecLien));
        }
        if (!matrice) continue;
        for (std::int32_t j = 1; j <= n; ++j) {
            const CelluleArcMin& l = e.MatArcsMin(i, j);
            if (j == i || l.Valeur == 0) continue;
            if (EstModeContinu(l.Mode)) {
                if (arrivee)
                    marches.push_back({j, {i, l.TempsEntier, l.Valeur, l.Mode}});
                else
                    marches.push_back({i, {j, l.TempsEntier, l.Valeur, l.Mode}});
            } else {
                ajoute(i, j, arrivee ? t - l.TempsEntier : t, arrivee ? t : t + l.TempsEntier, 0,
                       l.Valeur, l.Mode, true);
            }
        }
    }
    std::stable_sort(r.c.begin(), r.c.end(), [](const Connexion& a, const Connexion& b) {
        return a.depart != b.depart ? a.depart < b.depart : a.arrivee < b.arrivee;
    });
    Groupe(r);
    std::stable_sort(marches.begin(), marches.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    r.debutMarche.assign(static_cast<std::size_t>(n) + 2, 0);
    for (const auto& m : marches) ++r.debutMarche[static_cast<std::size_t>(m.first) + 1];
    for (std::int32_t x = 1; x <= n + 1; ++x) r.debutMarche[x] += r.debutMarche[x - 1];
    for (const auto& m : marches) r.marches.push_back(m.second);
    return r;
}

constexpr std::int32_t kOrigine = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kJamais = std::numeric_limits<std::int32_t>::max();

// How a connection or a walk is reached: the journey from the origin up to its arrival.
struct Etiquette {
    std::int32_t D = 0;  // departure from the origin
    std::int32_t changements = 0;
    std::int32_t parent = kOrigine;  // a connection (>= 0), a walk (-1 - k), or the origin
    std::int32_t attente = 0;
    std::int32_t missionPremiere = 0;
    float valeur = 0;
    std::int16_t mode = 0;
    bool premiereContinue = false;
    bool seulMarches = false;  // only continuous legs from the origin
};

// The fields of a journey read only on the journeys kept: computed from the parents when asked.
struct Froid {
    std::int32_t attente = 0, missionPremiere = 0;
    float valeur = 0;
    std::int16_t mode = 0;
    bool premiereContinue = false;
};

struct EvenementMarche {
    Etiquette l;
    std::int32_t de, noeud, heure, duree;
};

// The departure from the origin and the changes of a journey, read on every step.
struct Cle {
    std::int32_t D, changements;
};

// A best journey of a node kept with the values it is compared on.
struct Retenu {
    std::int32_t ref, heure, D, changements, noeud;
};

// The scan of one origin; its tables are kept from one origin to the next.
class Balayage {
  public:
    explicit Balayage(const Reseau& r)
        : r_(r),
          marcheFaite_(r.c.size(), -1),
          parents_(r.c.size()),
          froid_(r.c.size()),
          marqueFroid_(r.c.size(), -1),
          cles_(r.c.size()),
          resultat_(static_cast<std::size_t>(r.n) + 1),
          suite_(static_cast<std::size_t>(r.n) + 1),
          suiteMarche_(static_cast<std::size_t>(r.n) + 1),
          marques_(static_cast<std::size_t>(r.n) + 1),
          marqueResultat_(static_cast<std::size_t>(r.n) + 1, -1),
          train_(static_cast<std::size_t>(r.trains)),
          marqueTrain_(static_cast<std::size_t>(r.trains), -1) {}

    void Depuis(std::int32_t s);

    // The best journey found to x, or false.
    bool Trouve(std::int32_t x) const { return marqueResultat_[x] == s_; }
    Trajet Record(std::int32_t x) const;
    std::vector<EtapeHoraire> Etapes(std::int32_t x) const;

  private:
    Etiquette L(std::int32_t ref) const {
        if (ref < 0) return evenements_[-1 - ref].l;
        Etiquette l;
        l.D = cles_[ref].D;
        l.changements = cles_[ref].changements;
        l.parent = parents_[ref];
        return l;
    }
    std::int32_t Parent(std::int32_t ref) const {
        return ref >= 0 ? parents_[ref] : evenements_[-1 - ref].l.parent;
    }
    Cle C(std::int32_t ref) const {
        if (ref >= 0) return cles_[ref];
        const Etiquette& l = evenements_[-1 - ref].l;
        return {l.D, l.changements};
    }
    std::int32_t Heure(std::int32_t ref) const {
        return ref >= 0 ? r_.chaud[ref].arrivee : evenements_[-1 - ref].heure;
    }
    std::int32_t Noeud(std::int32_t ref) const {
        return ref >= 0 ? r_.chaud[ref].v : evenements_[-1 - ref].noeud;
    }
    bool Continu(std::int32_t ref) const { return ref < 0; }
    std::int32_t Mission(std::int32_t ref) const { return ref >= 0 ? r_.c[ref].mission : 0; }
    bool Colle(const Etiquette& l) const { return r_.inverse && l.seulMarches; }
    bool ColleRef(std::int32_t ref) const { return ref < 0 && Colle(evenements_[-1 - ref].l); }
    std::int16_t Combine(std::int16_t avant, std::int16_t apres) const {
        return static_cast<std::int16_t>(r_.inverse ? ModeCombine(apres, avant)
                                                    : ModeCombine(avant, apres));
    }
    Froid FroidDe(std::int32_t ref) const;
    void Marches(std::int32_t ref);
    void MarchesDepuis(std::int32_t x, const Etiquette& l, std::int32_t heure, std::int32_t parent);
    void Pose(std::int32_t ref, std::int32_t x, std::int32_t a, bool marches);
    void Pousse(const EvenementMarche& ev);

    const Reseau& r_;
    std::int32_t s_ = 0;
    std::vector<std::int32_t> marcheFaite_;
    std::vector<std::int32_t> parents_;  // of the connections; their D and changes in cles_
    mutable std::vector<Froid> froid_;
    mutable std::vector<std::int32_t> marqueFroid_, pile_;
    std::vector<Cle> cles_;
    std::vector<EvenementMarche> evenements_;
    std::vector<std::pair<std::int32_t, std::int32_t>> tas_;  // (-time, walk) max-heap
    std::vector<Retenu> resultat_, suite_, suiteMarche_;
    // Per node, read together for every connection: the origin its best journeys to go on
    // from were found for, and the minute its list of arrivals at the current minute is of.
    struct Marques {
        std::int32_t noeud = -1, marche = -1, minuteTete = -1, tete = -1;
    };
    std::vector<Marques> marques_;
    std::vector<std::int32_t> marqueResultat_;
    // The arrivals at the current minute, per node.
    std::vector<std::int32_t> seau_, seauSuivant_, minuteMarches_;
    // The connections reached, by the minute of their arrival after t0.
    std::vector<std::vector<std::int32_t>> seaux_;
    std::int32_t minute_ = 0;
    // The last connection reached of each mission: where and when it arrives.
    std::vector<Retenu> train_;
    std::vector<std::int32_t> marqueTrain_;
    // Destinations found, and the latest of their arrivals.
    std::int32_t trouves_ = 0, derniere_ = 0;
};

void Balayage::Pousse(const EvenementMarche& ev) {
    evenements_.push_back(ev);
    tas_.push_back({-ev.heure, static_cast<std::int32_t>(evenements_.size()) - 1});
    std::push_heap(tas_.begin(), tas_.end());
}

void Balayage::MarchesDepuis(std::int32_t x, const Etiquette& l, std::int32_t heure,
                             std::int32_t parent) {
    for (std::int32_t k = r_.debutMarche[x]; k < r_.debutMarche[x + 1]; ++k) {
        const Marche& m = r_.marches[k];
        if (m.vers == s_) continue;
        EvenementMarche ev{l, x, m.vers, heure + m.duree, m.duree};
        if (parent == kOrigine) {
            ev.l = Etiquette{r_.t0, 0, kOrigine, 0, 0, m.valeur, m.mode, true, true};
        } else {
            ev.l.changements += 1;
            ev.l.parent = parent;
            ev.l.valeur += m.valeur;
            ev.l.mode = Combine(l.mode, m.mode);
        }
        Pousse(ev);
    }
}

Froid Balayage::FroidDe(std::int32_t ref) const {
    if (ref < 0) {
        const Etiquette& l = evenements_[-1 - ref].l;
        return {l.attente, l.missionPremiere, l.valeur, l.mode, l.premiereContinue};
    }
    pile_.clear();
    for (std::int32_t r = ref; r >= 0 && marqueFroid_[r] != s_; r = parents_[r]) pile_.push_back(r);
    for (std::size_t k = pile_.size(); k-- > 0;) {
        const std::int32_t ci = pile_[k];
        const Connexion& c = r_.c[ci];
        const std::int32_t p = parents_[ci];
        Froid f;
        if (p == kOrigine) {
            f = {0, c.mission, c.valeur, c.mode, false};
        } else {
            const Froid l = p >= 0 ? froid_[p] : FroidDe(p);
            f = {l.attente + (ColleRef(p) ? 0 : c.depart - Heure(p)), l.missionPremiere,
                 l.valeur + c.valeur, Combine(l.mode, c.mode), l.premiereContinue};
        }
        froid_[ci] = f;
        marqueFroid_[ci] = s_;
    }
    return froid_[ref];
}

void Balayage::Marches(std::int32_t ref) {
    const std::int32_t x = Noeud(ref);
    if (r_.debutMarche[x] == r_.debutMarche[x + 1]) return;
    if (ref >= 0) {
        if (marcheFaite_[ref] == s_) return;
        marcheFaite_[ref] = s_;
    }
    Etiquette l = L(ref);
    if (ref >= 0) {
        const Froid f = FroidDe(ref);
        l.attente = f.attente;
        l.missionPremiere = f.missionPremiere;
        l.valeur = f.valeur;
        l.mode = f.mode;
        l.premiereContinue = f.premiereContinue;
        l.seulMarches = false;
    }
    MarchesDepuis(x, l, Heure(ref), ref);
}

// Settles an arrival before the current minute at x, at time a: the best result of its node,
// and the best journey to go on from it.
void Balayage::Pose(std::int32_t ref, std::int32_t x, std::int32_t a, bool marches) {
    if (x == s_) return;
    const Cle k = C(ref);
    const bool colle = ColleRef(ref);
    const std::int32_t d = colle ? r_.t0 : k.D;
    bool utile = false;
    if (marqueResultat_[x] != s_) {
        marqueResultat_[x] = s_;
        resultat_[x] = {ref, a, d, k.changements, x};
        utile = true;
        ++trouves_;
        derniere_ = std::max(derniere_, a);
    } else {
        const Retenu& p = resultat_[x];
        if (a < p.heure ||
            (a == p.heure && (d > p.D || (d == p.D && k.changements < p.changements)))) {
            resultat_[x] = {ref, a, d, k.changements, x};
            utile = true;
        }
    }
    if (colle) {
        // A walk from the origin under the arrival constraint leaves when it must: the
        // shortest one is best.
        const Retenu& p = suiteMarche_[x];
        if (marques_[x].marche != s_ || a < p.heure ||
            (a == p.heure && k.changements < p.changements)) {
            marques_[x].marche = s_;
            suiteMarche_[x] = {ref, a, k.D, k.changements, x};
            utile = true;
        }
    } else {
        const Retenu& p = suite_[x];
        if (marques_[x].noeud != s_ || k.D > p.D || (k.D == p.D && k.changements < p.changements)) {
            marques_[x].noeud = s_;
            suite_[x] = {ref, a, k.D, k.changements, x};
            utile = true;
        }
    }
    if (marches && utile && r_.debutMarche[x] != r_.debutMarche[x + 1]) Marches(ref);
}

void Balayage::Depuis(std::int32_t s) {
    s_ = s;
    evenements_.clear();
    tas_.clear();
    minuteMarches_.clear();
    trouves_ = 0;
    derniere_ = std::numeric_limits<std::int32_t>::min();
    const std::int32_t t0 = r_.t0;
    MarchesDepuis(s, Etiquette{}, t0, kOrigine);
    // The arrivals of the connections reached wait in the bucket of their minute (from t0),
    // in the order the connections were reached, which is their order in c.
    std::int32_t minute = 0;     // the first minute not settled yet
    std::size_t dansMinute = 0;  // arrivals of that minute already settled
    // Settles every arrival before `avant`, in time order; at the same minute the connections
    // before the walks.
    auto poseAvant = [&](std::int32_t avant) {
        for (;;) {
            while (minute < static_cast<std::int32_t>(seaux_.size()) && t0 + minute < avant &&
                   dansMinute >= seaux_[minute].size()) {
                seaux_[minute].clear();
                ++minute;
                dansMinute = 0;
            }
            const std::int32_t ta = minute < static_cast<std::int32_t>(seaux_.size()) &&
                                            dansMinute < seaux_[minute].size()
                                        ? t0 + minute
                                        : kJamais;
            const std::int32_t tm = tas_.empty() ? kJamais : -tas_.front().first;
            if (std::min(ta, tm) >= avant) break;
            if (ta <= tm) {
                const std::int32_t ref = seaux_[minute][dansMinute++];
                Pose(ref, r_.chaud[ref].v, ta, true);
            } else {
                std::pop_heap(tas_.begin(), tas_.end());
                const std::int32_t k = tas_.back().second;
                tas_.pop_back();
                Pose(-1 - k, evenements_[k].noeud, tm, true);
            }
        }
    };
    const std::size_t ng = r_.groupes.size() - 1;
    for (std::size_t gi = 0; gi < ng; ++gi) {
        const std::int32_t g = r_.groupes[gi], fin = r_.groupes[gi + 1];
        const std::int32_t d = r_.c[g].depart;
        // The arrivals before this minute.
        for (std::int32_t ref : minuteMarches_) Pose(ref, Noeud(ref), Heure(ref), false);
        minuteMarches_.clear();
        poseAvant(d);
        // Every destination found, and every arrival at their times settled: nothing later
        // can change them.
        if (trouves_ == r_.n - 1 && d > derniere_) {
            for (auto& b : seaux_) b.clear();
            return;
        }
        // The arrivals at this minute: a connection on the same mission, or next to a walk.
        ++minute_;
        seau_.clear();
        seauSuivant_.clear();
        auto versSeau = [&](std::int32_t ref, std::int32_t x) {
            if (x == s_) return;
            if (marques_[x].minuteTete != minute_) {
                marques_[x].minuteTete = minute_;
                marques_[x].tete = -1;
            }
            seau_.push_back(ref);
            seauSuivant_.push_back(marques_[x].tete);
            marques_[x].tete = static_cast<std::int32_t>(seau_.size()) - 1;
        };
        const std::int32_t m = d - t0;
        if (m >= 0 && m < static_cast<std::int32_t>(seaux_.size())) {
            // Those reached before this minute's connections (settled ones excepted).
            const std::size_t debut = m == minute ? dansMinute : 0;
            const std::size_t nb = seaux_[m].size();
            for (std::size_t q = debut; q < nb; ++q) {
                const std::int32_t ref = seaux_[m][q];
                versSeau(ref, r_.chaud[ref].v);
                Marches(ref);
            }
        }
        while (!tas_.empty() && -tas_.front().first == d) {
            std::pop_heap(tas_.begin(), tas_.end());
            const std::int32_t k = tas_.back().second;
            tas_.pop_back();
            minuteMarches_.push_back(-1 - k);
            versSeau(-1 - k, evenements_[k].noeud);
            Marches(-1 - k);
        }
        for (std::int32_t ci = g; ci < fin; ++ci) {
            const Chaude& c = r_.chaud[ci];
            bool trouve = false;
            std::int32_t meilleurD = 0, meilleurCh = 0, de = kOrigine;
            auto essai = [&](std::int32_t ref, std::int32_t D, std::int32_t ch) {
                if (!trouve || D > meilleurD || (D == meilleurD && ch < meilleurCh)) {
                    trouve = true;
                    meilleurD = D;
                    meilleurCh = ch;
                    de = ref;
                }
            };
            const std::int32_t u = c.u;
            if (u == s_) {
                if (!r_.c[ci].premier || d < r_.t0) continue;
                trouve = true;
                meilleurD = d;
                meilleurCh = 0;
            } else {
                if (marques_[u].noeud == s_) {
                    const Retenu& p = suite_[u];
                    essai(p.ref, p.D, p.changements + 1);
                }
                if (marques_[u].marche == s_) {
                    const Retenu& p = suiteMarche_[u];
                    essai(p.ref, d - (p.heure - r_.t0), p.changements + 1);
                }
                if (c.train >= 0 && marqueTrain_[c.train] == s_) {
                    const Retenu& p = train_[c.train];
                    if (p.noeud == u && p.heure <= d) essai(p.ref, p.D, p.changements);
                }
                if (marques_[u].minuteTete == minute_)
                    for (std::int32_t b = marques_[u].tete; b >= 0; b = seauSuivant_[b]) {
                        const std::int32_t ref = seau_[b];
                        const Cle k = C(ref);
                        if (Continu(ref))
                            essai(ref, ColleRef(ref) ? d - (d - r_.t0) : k.D, k.changements + 1);
                        else if (r_.chaud[ref].train == c.train)
                            essai(ref, k.D, k.changements + (c.train >= 0 ? 0 : 1));
                    }
                if (!trouve) continue;
            }
            parents_[ci] = de;
            cles_[ci] = {meilleurD, meilleurCh};
            if (c.train >= 0) {
                train_[c.train] = {ci, c.arrivee, meilleurD, meilleurCh, c.v};
                marqueTrain_[c.train] = s_;
            }
            const std::size_t a = static_cast<std::size_t>(std::max(0, c.arrivee - t0));
            if (a >= seaux_.size()) seaux_.resize(a + 1);
            seaux_[a].push_back(ci);
        }
    }
    // What is left after the last departure (or after the scan stopped).
    for (std::int32_t ref : minuteMarches_) Pose(ref, Noeud(ref), Heure(ref), false);
    minuteMarches_.clear();
    poseAvant(kJamais);  // which empties every bucket
}

Trajet Balayage::Record(std::int32_t x) const {
    const std::int32_t ref = resultat_[x].ref;
    const Froid l = FroidDe(ref);
    Trajet t;
    t.Valeur = l.valeur;
    t.Attente = l.attente;
    t.Mode = l.mode;
    if (r_.inverse) {
        t.Depart = -Heure(ref);
        t.Arrivee = -resultat_[x].D;
        t.MissionPremiere = Mission(ref);
        t.MissionDerniere = l.missionPremiere;
        t.PremiereContinue = Continu(ref);
        t.DerniereContinue = l.premiereContinue;
    } else {
        t.Depart = resultat_[x].D;
        t.Arrivee = Heure(ref);
        t.MissionPremiere = l.missionPremiere;
        t.MissionDerniere = Mission(ref);
        t.PremiereContinue = l.premiereContinue;
        t.DerniereContinue = Continu(ref);
    }
    return t;
}

std::vector<EtapeHoraire> Balayage::Etapes(std::int32_t x) const {
    std::vector<EtapeHoraire> etapes;
    if (!Trouve(x)) return etapes;
    for (std::int32_t ref = resultat_[x].ref; ref != kOrigine; ref = Parent(ref)) {
        EtapeHoraire p;
        if (ref >= 0) {
            const Connexion& c = r_.c[ref];
            p = {c.u, c.v, c.depart, c.arrivee, c.mission, c.mode, false, c.valeur};
        } else {
            const EvenementMarche& ev = evenements_[-1 - ref];
            const Marche* m = nullptr;
            for (std::int32_t k = r_.debutMarche[ev.de]; k < r_.debutMarche[ev.de + 1]; ++k)
                if (r_.marches[k].vers == ev.noeud) m = &r_.marches[k];
            p = {ev.de,
                 ev.noeud,
                 ev.heure - ev.duree,
                 ev.heure,
                 0,
                 m ? m->mode : std::int16_t{0},
                 true,
                 m ? m->valeur : 0.0f};
        }
        etapes.push_back(p);
    }
    if (!r_.inverse) {
        std::reverse(etapes.begin(), etapes.end());
        return etapes;
    }
    // Back to the time of the journey: the legs come in travel order already; the walks after
    // the last timetabled leg are boarded on its arrival.
    for (EtapeHoraire& p : etapes) {
        std::swap(p.Origine, p.Destination);
        const std::int32_t dep = -p.Arrivee;
        p.Arrivee = -p.Depart;
        p.Depart = dep;
    }
    std::size_t dernier = etapes.size();
    for (std::size_t k = 0; k < etapes.size(); ++k)
        if (!etapes[k].Continue) dernier = k;
    if (dernier < etapes.size())
        for (std::size_t k = dernier + 1; k < etapes.size(); ++k) {
            const std::int32_t duree = etapes[k].Arrivee - etapes[k].Depart;
            etapes[k].Depart = etapes[k - 1].Arrivee;
            etapes[k].Arrivee = etapes[k].Depart + duree;
        }
    return etapes;
}

void Calcul(EtatHoraires& e, bool arrivee) {
    TrajetsHoraires& T = e.CheMin;
    const std::int32_t n = T.Noeuds();
    if (n == 0) return;
    const Reseau r = Construit(e, arrivee);
    const std::string heure = TexteNombre(MinutesEnHeuresMinutes(e.HeureDepart));
    const std::string phrase =
        arrivee ? "1 éme calcul des chemins avec horaires TC arrivant avant " + heure + " (hhmm)"
                : "1 éme calcul des chemins avec horaires partant après " + heure + " (hhmm)";
    OuvreTempsDeCalcul(e, phrase);
    Equipe equipe(Equipe::TaillePour(n));
    const unsigned membres = equipe.Taille();
    std::vector<std::int64_t> nouveaux(membres * 16, 0);
    std::int64_t courant = 0;
    equipe.Execute([&](unsigned m) {
        Balayage b(r);
        for (std::int32_t s = 1 + static_cast<std::int32_t>(m); s <= n && !equipe.Abandon();
             s += static_cast<std::int32_t>(membres)) {
            if (m == 0 && s > 1 && s < n) {
                courant = s;
                AfficheTempsDeCalcul(e, n, courant, phrase);
            }
            b.Depuis(s);
            for (std::int32_t x = 1; x <= n; ++x) {
                if (x == s || !b.Trouve(x)) continue;
                const Trajet t = b.Record(x);
                nouveaux[m * 16] += arrivee ? T.Ecrit(x, s, t) : T.Ecrit(s, x, t);
            }
        }
    });
    for (unsigned m = 0; m < membres; ++m) T.NbTrajets += nouveaux[m * 16];
    FermeProgressions(e);
    e.StatutHoraires = "pas de chemins modifiés";
    e.PassesHoraires = 1;
}

}  // namespace

void BalayageHorairesDepart(EtatHoraires& e) {
    Calcul(e, false);
}

void BalayageHorairesArrivee(EtatHoraires& e) {
    Calcul(e, true);
}

// One element of the timetable taken once: an option of a pair without permanent link, an
// option beside a permanent link, or the permanent link itself (untimetabled, not continuous),
// in the order in which the preparation and the scan's network add them.
struct ProfilHoraire::Donnees {
    enum Genre : std::uint8_t { Option, OptionAvecLien, Lien };
    struct Entree {
        std::int32_t u, v, depart, arrivee, mission, train;
        float valeur;
        std::int16_t mode;
        Genre genre;
    };
    bool arrivee = false;
    double heureDebut = 0;  // the bound of the options beside a link, arrival constraint
    std::int32_t n = 0, trains = 0;
    std::vector<Entree> entrees;
    // The options, by departure then arrival (by arrival then departure, latest first, under
    // the arrival constraint), and the links by duration; ties in the order of entrees.
    std::vector<std::int32_t> ordreOptions, ordreLiens;
    std::vector<std::int32_t> debutMarche;
    std::vector<Marche> marches;
    // The nodes with a permanent link (from them, or towards them under the arrival
    // constraint): their journeys may change at every reference time.
    std::vector<std::int32_t> toujours;
    // Arrival constraint: the earliest departure of the journeys last found towards each node.
    std::vector<std::int32_t> departMin;

    // The times of an option as the preparation for h holds them; false when it drops it.
    bool Heures(const Entree& x, std::int32_t h, std::int32_t& dep, std::int32_t& arr,
                bool& premier) const {
        dep = x.depart;
        arr = x.arrivee;
        premier = true;
        if (x.genre == Lien) {
            dep = arrivee ? h - x.arrivee : h;
            arr = arrivee ? h : h + x.arrivee;
        } else if (x.genre == OptionAvecLien) {
            const double borne = arrivee ? heureDebut : h;
            if (!(borne < dep && dep < kDerniereHeureAvecLien)) return false;
            premier = arr < kDerniereHeureAvecLien;
        } else if (!arrivee && dep <= h) {
            dep += kMinutesParJour;
            arr += kMinutesParJour;
        } else if (arrivee && arr > h) {
            dep -= kMinutesParJour;
            arr -= kMinutesParJour;
        }
        return true;
    }

    // The network the preparation for h then Construit give; marks the origins with a first
    // leg leaving at `jusqua` (the destinations with a last leg arriving at it).
    Reseau PourHeure(std::int32_t h, std::int32_t jusqua, std::vector<std::uint8_t>& marque) const {
        Reseau r;
        r.inverse = arrivee;
        r.n = n;
        r.t0 = arrivee ? -h : h;
        r.trains = trains;
        // Three streams already in the order of the scan (by departure, arrival, then the
        // order of addition): the options on their own day, those moved a day, the links;
        // merged, they give what sorting all the connections would.
        struct Candidat {
            Connexion c;
            std::int32_t rang;
        };
        auto avant = [](const Candidat& a, const Candidat& b) {
            if (a.c.depart != b.c.depart) return a.c.depart < b.c.depart;
            if (a.c.arrivee != b.c.arrivee) return a.c.arrivee < b.c.arrivee;
            return a.rang < b.rang;
        };
        std::vector<Candidat> flots[3];
        auto ajoute = [&](std::int32_t k, int flot) {
            const Entree& x = entrees[static_cast<std::size_t>(k)];
            std::int32_t dep = 0, arr = 0;
            bool premier = true;
            if (!Heures(x, h, dep, arr, premier)) return;
            if (arrivee) {
                if (premier && arr == jusqua) marque[static_cast<std::size_t>(x.v)] = 1;
                flots[flot].push_back(
                    {{x.v, x.u, -arr, -dep, x.mission, x.train, x.valeur, x.mode, premier}, k});
            } else {
                if (premier && dep == jusqua) marque[static_cast<std::size_t>(x.u)] = 1;
                flots[flot].push_back(
                    {{x.u, x.v, dep, arr, x.mission, x.train, x.valeur, x.mode, premier}, k});
            }
        };
        for (std::int32_t k : ordreOptions) {
            const Entree& x = entrees[static_cast<std::size_t>(k)];
            const bool decale = x.genre == Option && (arrivee ? x.arrivee > h : x.depart <= h);
            ajoute(k, decale ? 1 : 0);
        }
        for (std::int32_t k : ordreLiens) ajoute(k, 2);
        std::vector<Candidat> deux;
        deux.reserve(flots[0].size() + flots[1].size());
        std::merge(flots[0].begin(), flots[0].end(), flots[1].begin(), flots[1].end(),
                   std::back_inserter(deux), avant);
        const std::vector<Candidat>& liens = flots[2];
        r.c.reserve(deux.size() + liens.size());
        for (std::size_t a = 0, b = 0; a < deux.size() || b < liens.size();) {
            const bool lien = a == deux.size() || (b < liens.size() && avant(liens[b], deux[a]));
            r.c.push_back(lien ? liens[b++].c : deux[a++].c);
        }
        Groupe(r);
        r.debutMarche = debutMarche;
        r.marches = marches;
        return r;
    }

    // Scans from each node marked (each origin, or each destination under the arrival
    // constraint) and gives the journeys kept, as (origin, destination, journey) in
    // increasing order.
    std::vector<std::tuple<std::int32_t, std::int32_t, Trajet>> Scanne(
        const Reseau& r, const std::vector<std::uint8_t>& marque,
        const std::function<bool(const Trajet&)>& garde) {
        std::vector<std::int32_t> sources;
        for (std::int32_t s = 1; s <= n; ++s)
            if (marque[static_cast<std::size_t>(s)]) sources.push_back(s);
        std::vector<std::vector<std::tuple<std::int32_t, std::int32_t, Trajet>>> trouves(
            sources.size());
        Equipe equipe(Equipe::TaillePour(static_cast<std::int64_t>(sources.size()) * 8));
        const unsigned membres = equipe.Taille();
        equipe.Execute([&](unsigned m) {
            Balayage b(r);
            for (std::size_t k = m; k < sources.size(); k += membres) {
                const std::int32_t s = sources[k];
                b.Depuis(s);
                std::int32_t plusTot = kAucunTrajet;
                for (std::int32_t x = 1; x <= n; ++x) {
                    if (x == s || !b.Trouve(x)) continue;
                    const Trajet t = b.Record(x);
                    plusTot = std::min(plusTot, t.Depart);
                    if (!garde(t)) continue;
                    if (arrivee)
                        trouves[k].emplace_back(x, s, t);
                    else
                        trouves[k].emplace_back(s, x, t);
                }
                if (arrivee) departMin[static_cast<std::size_t>(s)] = plusTot;
            }
        });
        std::vector<std::tuple<std::int32_t, std::int32_t, Trajet>> tous;
        for (auto& t : trouves) tous.insert(tous.end(), t.begin(), t.end());
        if (arrivee)
            std::stable_sort(tous.begin(), tous.end(), [](const auto& a, const auto& b) {
                return std::get<0>(a) != std::get<0>(b) ? std::get<0>(a) < std::get<0>(b)
                                                        : std::get<1>(a) < std::get<1>(b);
            });
        return tous;
    }
};

ProfilHoraire::ProfilHoraire(const EtatHoraires& e, bool arrivee)
    : d_(std::make_unique<Donnees>()) {
    Donnees& d = *d_;
    const std::int32_t n = e.NbNoeuds;
    d.arrivee = arrivee;
    d.heureDebut = e.HeureDebut;
    d.n = n;
    d.debutMarche.assign(static_cast<std::size_t>(n) + 2, 0);
    d.departMin.assign(static_cast<std::size_t>(n) + 1, kAucunTrajet);
    if (e.MatArcsMin.Lignes() != static_cast<std::size_t>(n) + 1) return;
    std::unordered_map<std::int32_t, std::int32_t> trains;
    std::vector<std::pair<std::int32_t, Marche>> marches;
    std::vector<std::uint8_t> toujours(static_cast<std::size_t>(n) + 1, 0);
    for (std::int32_t i = 1; i <= n; ++i) {
        for (std::int32_t j = 1; j <= n; ++j) {
            if (j == i) continue;
            const bool lien = e.MatArcsMin(i, j).Valeur != 0;
            for (std::int32_t a : e.ServicesPaires.De(i, j)) {
                const Arc& x = e.Arcs[static_cast<std::size_t>(a)];
                const std::int32_t arr = x.HeureArrivee < x.HeureDepart
                                             ? x.HeureArrivee + kMinutesParJour
                                             : x.HeureArrivee;
                std::int32_t train = -1;
                if (x.Debit != 0) {
                    train = trains.try_emplace(static_cast<std::int32_t>(x.Debit), d.trains)
                                .first->second;
                    if (train == d.trains) ++d.trains;
                }
                d.entrees.push_back({i, j, x.HeureDepart, arr, static_cast<std::int32_t>(x.Debit),
                                     train, x.Distance, static_cast<std::int16_t>(x.Mode),
                                     lien ? Donnees::OptionAvecLien : Donnees::Option});
            }
        }
        for (std::int32_t j = 1; j <= n; ++j) {
            const CelluleArcMin& l = e.MatArcsMin(i, j);
            if (j == i || l.Valeur == 0) continue;
            toujours[static_cast<std::size_t>(arrivee ? j : i)] = 1;
            if (EstModeContinu(l.Mode))
                marches.push_back(arrivee
                                      ? std::pair{j, Marche{i, l.TempsEntier, l.Valeur, l.Mode}}
                                      : std::pair{i, Marche{j, l.TempsEntier, l.Valeur, l.Mode}});
            else
                d.entrees.push_back(
                    {i, j, 0, l.TempsEntier, 0, -1, l.Valeur, l.Mode, Donnees::Lien});
        }
    }
    std::stable_sort(marches.begin(), marches.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& m : marches) ++d.debutMarche[static_cast<std::size_t>(m.first) + 1];
    for (std::int32_t x = 1; x <= n + 1; ++x) d.debutMarche[x] += d.debutMarche[x - 1];
    for (const auto& m : marches) d.marches.push_back(m.second);
    for (std::int32_t i = 1; i <= n; ++i)
        if (toujours[static_cast<std::size_t>(i)]) d.toujours.push_back(i);
    for (std::size_t k = 0; k < d.entrees.size(); ++k)
        (d.entrees[k].genre == Donnees::Lien ? d.ordreLiens : d.ordreOptions)
            .push_back(static_cast<std::int32_t>(k));
    auto cle = [&](std::int32_t k) {
        const Donnees::Entree& x = d.entrees[static_cast<std::size_t>(k)];
        return arrivee ? std::pair{-x.arrivee, -x.depart} : std::pair{x.depart, x.arrivee};
    };
    std::stable_sort(d.ordreOptions.begin(), d.ordreOptions.end(),
                     [&](std::int32_t a, std::int32_t b) { return cle(a) < cle(b); });
    std::stable_sort(d.ordreLiens.begin(), d.ordreLiens.end(), [&](std::int32_t a, std::int32_t b) {
        return d.entrees[static_cast<std::size_t>(a)].arrivee <
               d.entrees[static_cast<std::size_t>(b)].arrivee;
    });
}

ProfilHoraire::~ProfilHoraire() = default;

std::int32_t ProfilHoraire::ProchainDepart(std::int32_t h) const {
    const Donnees& d = *d_;
    std::int32_t meilleur = kAucunTrajet;
    for (const Donnees::Entree& x : d.entrees) {
        if (x.genre == Donnees::Lien) continue;
        std::int32_t dep = 0, arr = 0;
        bool premier = true;
        if (!d.Heures(x, h, dep, arr, premier)) continue;
        std::int32_t t = d.arrivee ? arr : dep;
        if (d.arrivee && t <= h) t += kMinutesParJour;
        if (t > h && t < meilleur) meilleur = t;
    }
    return meilleur;
}

void ProfilHoraire::Trajets(
    std::int32_t h, std::int32_t jusqua,
    const std::function<void(std::int32_t, std::int32_t, const Trajet&)>& f) const {
    Donnees& d = *d_;
    std::vector<std::uint8_t> marque(static_cast<std::size_t>(d.n) + 1, 0);
    const Reseau r = d.PourHeure(h, jusqua, marque);
    for (std::int32_t s : d.toujours) marque[static_cast<std::size_t>(s)] = 1;
    for (const auto& [i, j, t] : d.Scanne(r, marque, [&](const Trajet& t) {
             return t.Depart <= jusqua && t.Valeur != 0 && EstModeHoraireOuCombine(t.Mode);
         }))
        f(i, j, t);
}

void ProfilHoraire::Arrivees(
    std::int32_t h, bool tout,
    const std::function<void(std::int32_t, std::int32_t, const Trajet&)>& f) {
    Donnees& d = *d_;
    std::vector<std::uint8_t> marque(static_cast<std::size_t>(d.n) + 1, tout ? 1 : 0);
    const Reseau r = d.PourHeure(h, h, marque);
    for (std::int32_t s : d.toujours) marque[static_cast<std::size_t>(s)] = 1;
    // A journey that rode a service of the day before arriving just now loses it.
    for (std::int32_t j = 1; j <= d.n; ++j)
        if (d.departMin[static_cast<std::size_t>(j)] <= h - kMinutesParJour)
            marque[static_cast<std::size_t>(j)] = 1;
    for (const auto& [i, j, t] : d.Scanne(r, marque, [&](const Trajet& t) {
             return t.Arrivee <= h && t.Valeur != 0 && EstModeHoraireOuCombine(t.Mode);
         }))
        f(i, j, t);
}

std::vector<EtapeHoraire> EtapesHoraires(const EtatHoraires& e, std::int32_t i, std::int32_t j,
                                         bool arrivee) {
    if (e.CheMin.Noeuds() == 0) return {};
    const Reseau r = Construit(e, arrivee);
    Balayage b(r);
    b.Depuis(arrivee ? j : i);
    return b.Etapes(arrivee ? i : j);
}

}  // namespace vek
