#include "validation/TestValidite.h"

#include <algorithm>
#include <charconv>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "network/Chargement.h"
#include "network/Configuration.h"
#include "network/Mode.h"
#include "paths/MatriceArcsMin.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Progression.h"
#include "validation/EtatValidation.h"
#include "validation/Suppression.h"

namespace vek {

namespace {

constexpr const char* kTitreNoeuds = "Erreur dans le fichier des noeuds";
constexpr const char* kTitreArcs = "Erreur dans le fichier des arcs";
constexpr const char* kAccord = "Voulez-vous demander l'accord avant de supprimer ?";

bool Oui(EtatValidation& e, const std::string& question, const char* titre) {
    return e.Ihm.Message(question, Boutons::OuiNon, Icone::Question, titre) == Reponse::Oui;
}

// A real in its shortest decimal form.
std::string Reel(float v) {
    char t[32];
    auto r = std::to_chars(t, t + sizeof t, v);
    return std::string(t, r.ptr);
}

std::string ChampsNoeud(const Noeud& n) {
    return n.Nom + "\t" + std::to_string(n.Code) + "\t" + std::to_string(n.Population) + "\t" +
           Reel(n.X) + "\t" + Reel(n.Y) + "\t" + Reel(n.Parametre);
}

std::string ChampsArc(const Arc& a) {
    return std::to_string(a.Origine) + "\t" + std::to_string(a.Destination) + "\t" +
           std::to_string(a.Mode) + "\t" + Reel(a.Distance) + "\t" + Reel(a.Temps);
}

bool Oriente(EtatValidation& e, int mode) {
    RechercheMode(e, mode);
    return e.ModeCourant.Oriente;
}

// Removes the arcs marked, keeping the order of the others. An arc that keeps its place is
// not moved onto itself, which would empty its labels.
void Compacte(EtatValidation& e, const std::vector<char>& mort) {
    std::size_t place = 1;
    for (std::size_t k = 1; k < e.Arcs.size(); ++k) {
        if (mort[k]) continue;
        if (place != k) e.Arcs[place] = std::move(e.Arcs[k]);
        ++place;
    }
    e.Arcs.resize(place);
    e.NbArcs = static_cast<std::int32_t>(place) - 1;
}

// The positions of the arcs still there, as removals shift them: the arcs keep their first
// number, and a tree of counts gives the position of a number and the number at a position.
class Positions {
  public:
    explicit Positions(std::int32_t n) : n_(n), arbre_(static_cast<std::size_t>(n) + 1, 0) {
        for (std::int32_t i = 1; i <= n; ++i) {
            arbre_[static_cast<std::size_t>(i)] += 1;
            const std::int32_t p = i + (i & -i);
            if (p <= n) arbre_[static_cast<std::size_t>(p)] += arbre_[static_cast<std::size_t>(i)];
        }
        for (hautBit_ = 1; hautBit_ * 2 <= n; hautBit_ *= 2) {
        }
        total_ = n;
    }
    void Retire(std::int32_t id) {
        for (std::int32_t i = id; i <= n_; i += i & -i) --arbre_[static_cast<std::size_t>(i)];
        --total_;
    }
    std::int32_t Position(std::int32_t id) const {
        std::int32_t s = 0;
        for (std::int32_t i = id; i > 0; i -= i & -i) s += arbre_[static_cast<std::size_t>(i)];
        return s;
    }
    // The number of the arc at position p (1..Total()).
    std::int32_t Numero(std::int32_t p) const {
        std::int32_t id = 0;
        for (std::int32_t pas = hautBit_; pas > 0; pas /= 2) {
            const std::int32_t suivant = id + pas;
            if (suivant <= n_ && arbre_[static_cast<std::size_t>(suivant)] < p) {
                id = suivant;
                p -= arbre_[static_cast<std::size_t>(suivant)];
            }
        }
        return id + 1;
    }
    std::int32_t Total() const { return total_; }

  private:
    std::int32_t n_;
    std::vector<std::int32_t> arbre_;
    std::int32_t hautBit_ = 1;
    std::int32_t total_ = 0;
};

// The arcs that may be duplicates of one another: same mode, same two end codes in either
// order. Each group lists its arcs by number, with the first one still there after any place.
class GroupesArcs {
  public:
    explicit GroupesArcs(const EtatValidation& e)
        : groupe_(e.Arcs.size(), 0), place_(e.Arcs.size(), 0) {
        struct Cle {
            std::int64_t a, b;
            int mode;
            bool operator==(const Cle&) const = default;
        };
        struct Hache {
            std::size_t operator()(const Cle& c) const {
                return std::hash<std::int64_t>()(c.a * 1000003 + c.b) ^
                       (std::hash<int>()(c.mode) << 1);
            }
        };
        std::unordered_map<Cle, std::int32_t, Hache> index;
        for (std::int32_t k = 1; k <= e.NbArcs; ++k) {
            const Arc& a = e.Arcs[static_cast<std::size_t>(k)];
            Cle c{std::min(a.Origine, a.Destination), std::max(a.Origine, a.Destination), a.Mode};
            auto [p, nouveau] = index.emplace(c, static_cast<std::int32_t>(membres_.size()));
            if (nouveau) membres_.emplace_back();
            groupe_[static_cast<std::size_t>(k)] = p->second;
            place_[static_cast<std::size_t>(k)] =
                static_cast<std::int32_t>(membres_[static_cast<std::size_t>(p->second)].size());
            membres_[static_cast<std::size_t>(p->second)].push_back(k);
        }
        for (const auto& m : membres_) {
            suivants_.emplace_back(m.size() + 1);
            for (std::size_t q = 0; q <= m.size(); ++q)
                suivants_.back()[q] = static_cast<std::int32_t>(q);
        }
    }
    // The first arc of k's group numbered after `apres` and still there; 0 when none.
    std::int32_t Suivant(std::int32_t k, std::int32_t apres) {
        const auto g = static_cast<std::size_t>(groupe_[static_cast<std::size_t>(k)]);
        const std::vector<std::int32_t>& m = membres_[g];
        auto q = static_cast<std::int32_t>(std::upper_bound(m.begin(), m.end(), apres) - m.begin());
        q = Racine(g, q);
        return q < static_cast<std::int32_t>(m.size()) ? m[static_cast<std::size_t>(q)] : 0;
    }
    void Retire(std::int32_t k) {
        const auto g = static_cast<std::size_t>(groupe_[static_cast<std::size_t>(k)]);
        const std::int32_t q = place_[static_cast<std::size_t>(k)];
        suivants_[g][static_cast<std::size_t>(q)] = q + 1;
    }

  private:
    std::int32_t Racine(std::size_t g, std::int32_t q) {
        std::vector<std::int32_t>& s = suivants_[g];
        std::int32_t r = q;
        while (s[static_cast<std::size_t>(r)] != r) r = s[static_cast<std::size_t>(r)];
        while (s[static_cast<std::size_t>(q)] != r) {
            const std::int32_t suivant = s[static_cast<std::size_t>(q)];
            s[static_cast<std::size_t>(q)] = r;
            q = suivant;
        }
        return r;
    }
    std::vector<std::int32_t> groupe_, place_;
    std::vector<std::vector<std::int32_t>> membres_;
    std::vector<std::vector<std::int32_t>> suivants_;  // first arc still there from a place on
};

}  // namespace

void EliminationNoeudsDoubles(EtatValidation& e) {
    e.NbNoeudsDoublesElimines = 0;
    // The node table reached once: the pair loop reads it without going through the state.
    const TablesReseau& r = e;
    std::int32_t i = 0;
    while (i < r.NbNoeuds - 1) {
        ++i;
        AfficheProgression(e, r.NbNoeuds, i, "Elimination des noeuds doubles...");
        std::int32_t j = i;
        while (j < r.NbNoeuds) {
            ++j;
            // After the record at position 1 went, the scan goes on from the empty slot 0,
            // which is no node.
            if (i < 1) continue;
            const Noeud& a = r.Noeuds[static_cast<std::size_t>(i)];
            const Noeud& b = r.Noeuds[static_cast<std::size_t>(j)];
            if (a.Code != b.Code) continue;
            if (!Oui(e, "Noeud double : " + b.Nom + "\nVoulez-vous le supprimer ?", kTitreNoeuds))
                continue;
            const bool identiques = a.Nom == b.Nom && a.Population == b.Population && a.X == b.X &&
                                    a.Y == b.Y && a.Parametre == b.Parametre;
            if (!identiques &&
                Oui(e,
                    "Le code est identique mais certains paramètres diffèrent : \n\n" +
                        ChampsNoeud(a) + "\n" + ChampsNoeud(b) + "\n\n" +
                        "Oui pour supprimer la première ligne ?\nNon pour supprimer la seconde "
                        "ligne ?",
                    kTitreNoeuds)) {
                RemplaceIndiceNoeud(e, j, i);
                SupprimeNoeud(e, i);
                --i;
            } else {
                RemplaceIndiceNoeud(e, i, j);
                SupprimeNoeud(e, j);
                --j;
            }
            ++e.NbNoeudsDoublesElimines;
        }
    }
}

void EliminationNoeudsIsoles(EtatValidation& e) {
    e.NbNoeudsIsolesElimines = 0;
    // The arcs do not change during the pass: the codes they use are known once.
    std::unordered_set<std::int64_t> utilises;
    for (std::int32_t k = 1; k <= e.NbArcs; ++k) {
        utilises.insert(e.Arcs[static_cast<std::size_t>(k)].Origine);
        utilises.insert(e.Arcs[static_cast<std::size_t>(k)].Destination);
    }
    bool demande = true, secondePosee = false;
    std::int32_t i = 0;
    while (i < e.NbNoeuds) {
        ++i;
        AfficheProgression(e, e.NbNoeuds, i, "Elimination des noeuds isolés...");
        const Noeud& n = e.Noeuds[static_cast<std::size_t>(i)];
        if (utilises.count(n.Code)) continue;
        bool oui = false;
        if (demande) {
            oui = Oui(e, "Noeud isolé : \n\n" + ChampsNoeud(n) + "\n\nVoulez-vous le supprimer ?",
                      kTitreNoeuds);
            if (!secondePosee) {
                secondePosee = true;
                if (!Oui(e, kAccord, kTitreNoeuds)) demande = false;
            }
        }
        if (!demande || oui) {
            SupprimeNoeud(e, i);
            --i;
            ++e.NbNoeudsIsolesElimines;
        }
    }
}

void EliminationBoucles(EtatValidation& e) {
    e.NbBouclesEliminees = 0;
    std::vector<char> mort(e.Arcs.size(), 0);
    bool demande = true;
    for (std::int32_t k = 1; k <= e.NbArcs; ++k) {
        AfficheProgression(e, e.NbArcs, k, "Elimination des boucles du graphe...");
        const Arc& a = e.Arcs[static_cast<std::size_t>(k)];
        if (a.Origine != a.Destination) continue;
        bool oui = false;
        if (demande) {
            oui = Oui(e,
                      "Boucle : de  " + std::to_string(a.Origine) + " à " +
                          std::to_string(a.Destination) + "\n\nVoulez-vous la supprimer ?",
                      kTitreArcs);
            if (!Oui(e, kAccord, kTitreArcs)) demande = false;
        }
        if (!demande || oui) {
            mort[static_cast<std::size_t>(k)] = 1;
            ++e.NbBouclesEliminees;
        }
    }
    Compacte(e, mort);
}

void EliminationArcsDeconnectes(EtatValidation& e) {
    e.NbArcsDeconnectesElimines = 0;
    // The nodes do not change during the pass: how many carry each code is known once.
    std::unordered_map<std::int64_t, std::int32_t> noeudsDuCode;
    for (std::int32_t j = 1; j <= e.NbNoeuds; ++j)
        ++noeudsDuCode[e.Noeuds[static_cast<std::size_t>(j)].Code];
    auto nombre = [&](std::int64_t code) {
        auto p = noeudsDuCode.find(code);
        return p == noeudsDuCode.end() ? 0 : p->second;
    };
    std::vector<char> mort(e.Arcs.size(), 0);
    bool decide = false, demande = false;
    for (std::int32_t i = 1; i <= e.NbArcs; ++i) {
        AfficheProgression(e, e.NbArcs, i, "Elimination des arcs déconnectés...");
        const Arc& a = e.Arcs[static_cast<std::size_t>(i)];
        if (nombre(a.Origine) + nombre(a.Destination) >= 2) continue;
        bool oui = false;
        if (!e.EliminationSansAccord) {
            if (!decide) {
                decide = true;
                demande = Oui(e, kAccord, "Arc déconnecté");
            }
            if (demande)
                oui = Oui(e,
                          "Arc déconnecté : \n\n" + ChampsArc(a) + "\n\nVoulez-vous le supprimer ?",
                          kTitreArcs);
        }
        if (e.EliminationSansAccord || !demande || oui) {
            mort[static_cast<std::size_t>(i)] = 1;
            ++e.NbArcsDeconnectesElimines;
        }
    }
    Compacte(e, mort);
}

void EliminationArcsDoubles(EtatValidation& e) {
    e.NbArcsDoublesElimines = 0;
    const std::int32_t nbArcs = e.NbArcs;
    std::vector<char> oriente(e.Arcs.size(), 0), mort(e.Arcs.size(), 0);
    for (std::int32_t k = 1; k <= nbArcs; ++k)
        oriente[static_cast<std::size_t>(k)] = Oriente(e, e.Arcs[static_cast<std::size_t>(k)].Mode);
    Positions positions(nbArcs);
    GroupesArcs groupes(e);
    auto retire = [&](std::int32_t numero) {
        mort[static_cast<std::size_t>(numero)] = 1;
        positions.Retire(numero);
        groupes.Retire(numero);
        ++e.NbArcsDoublesElimines;
    };
    bool systematique = false, enAttente = true;
    // i and j are positions in the table as the removals shift it.
    std::int32_t i = 0;
    while (i < positions.Total() - 1) {
        ++i;
        AfficheProgression(e, nbArcs, std::min(i, nbArcs), "Elimination des arcs doubles...");
        std::int32_t j = i;
        for (;;) {
            // Slot 0, reached when the arc at position 1 went, is no arc.
            if (i < 1 || j >= positions.Total()) break;
            const std::int32_t ni = positions.Numero(i);
            // The next position after j whose arc may be a duplicate of arc i.
            const std::int32_t nj = groupes.Suivant(ni, positions.Numero(j));
            if (nj == 0) break;
            j = positions.Position(nj);
            const Arc& a = e.Arcs[static_cast<std::size_t>(ni)];
            const Arc& b = e.Arcs[static_cast<std::size_t>(nj)];
            bool doubles;
            if (oriente[static_cast<std::size_t>(ni)])
                doubles = oriente[static_cast<std::size_t>(nj)] && a.Origine == b.Origine &&
                          a.Destination == b.Destination && a.Mode == b.Mode &&
                          a.HeureDepart == b.HeureDepart && a.HeureArrivee == b.HeureArrivee;
            else
                doubles = a.Mode == b.Mode &&
                          ((a.Origine == b.Origine && a.Destination == b.Destination) ||
                           (a.Origine == b.Destination && a.Destination == b.Origine));
            if (!doubles) continue;
            if (!systematique &&
                !Oui(e,
                     "Arc double : " + std::to_string(a.Origine) + "\t" +
                         std::to_string(a.Destination) + "\t" + std::to_string(a.Mode) + "\t" +
                         std::to_string(a.HeureDepart) + "\t" + std::to_string(a.HeureArrivee) +
                         "\nVoulez-vous le supprimer ?",
                     kTitreArcs))
                continue;
            if (enAttente) {
                if (Oui(e, "Voulez-vous supprimer le plus long systématiquement ?", kTitreArcs))
                    systematique = true;
                enAttente = false;
            }
            bool premier;
            if (a.Distance == b.Distance && a.Temps == b.Temps)
                premier = false;
            else if (!systematique)
                premier = Oui(e,
                              "Les codes et le mode sont identiques mais certains paramètres "
                              "diffèrent : \n\n" +
                                  ChampsArc(a) + "\n" + ChampsArc(b) + "\n\n" +
                                  "Oui pour supprimer la première ligne ?\nNon pour supprimer la "
                                  "seconde ligne ?",
                              kTitreArcs);
            else
                premier = !(a.Distance < b.Distance);
            if (premier) {
                retire(ni);
                --i;
            } else {
                retire(nj);
                --j;
            }
        }
    }
    Compacte(e, mort);
}

void menTestValiditéFichiers(EtatValidation& e) {
    if (e.NbNoeuds < 1 || e.NbArcs < 1) {
        e.Ihm.Message(std::string("Le réseau ne compte aucun ") +
                          (e.NbNoeuds < 1 ? "noeud" : "arc") +
                          " : le test de validité des fichiers ne peut pas être fait.",
                      Boutons::Ok, Icone::Exclamation, kTitreVek);
        return;
    }
    const std::int32_t noeuds = e.NbNoeuds, arcs = e.NbArcs;
    EliminationNoeudsDoubles(e);
    EliminationNoeudsIsoles(e);
    EliminationBoucles(e);
    EliminationArcsDeconnectes(e);
    EliminationArcsDoubles(e);
    FermeProgressions(e);
    e.Ihm.Message("Nombre de noeuds doubles éliminés : " + Str(e.NbNoeudsDoublesElimines) +
                      "\nNombre de noeuds isolés éliminés : " + Str(e.NbNoeudsIsolesElimines) +
                      "\nNombre de boucles éliminées : " + Str(e.NbBouclesEliminees) +
                      "\nNombre d'arcs doubles éliminés : " + Str(e.NbArcsDoublesElimines) +
                      "\nNombre d'arcs déconnectés éliminés : " + Str(e.NbArcsDeconnectesElimines),
                  Boutons::Ok, Icone::Information, "Résultats du test de validité des fichiers...");
    if (e.NbNoeuds != noeuds || e.NbArcs != arcs) {
        // The results computed before no longer match the network.
        InvalideResultats(e);
        ListeModesReseau(e);
        AfficheConfiguration(e);
        CalculMatriceArcsMin(e);
    }
}

}  // namespace vek
