#include "location/Localisation.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <queue>
#include <vector>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define VEK_X86 1
#endif

#include "location/EcritureMatriceChemins.h"
#include "location/EtatLocalisation.h"
#include "paths/Equipe.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Port.h"
#include "shell/Progression.h"

namespace vek {

namespace {

constexpr const char* kMessageEfficacite =
    "Cumul des distances à parcourir par les individus pour se rendre à l'équipement le plus "
    "proche...";
constexpr const char* kMessageEquite =
    "Calcul de la distance à parcourir par l'individu le plus éloigné de l'équipement le plus "
    "proche...";
constexpr const char* kTitre = "LocEq";

// Candidates handled by one call of the kernel, and first candidates of the two-facility
// search that share one pass over the distances.
constexpr std::size_t kLargeur = 32;
constexpr std::size_t kGroupe = 64;

// The distances as the searches read them, 0-based. Row k of `lignes` holds d(k, c) for the
// candidates c side by side (padded to a whole number of kernel widths); row c of `colonnes`
// holds d(k, c) for k = 0..n-1, the column of candidate c.
struct Distances {
    std::size_t n = 0;
    std::size_t pas = 0;
    std::vector<float> lignes;
    std::vector<float> colonnes;
    std::vector<double> poids;  // weight of each node; empty when not weighted
    bool efficacite = false;
    const float* Colonne(std::size_t c) const { return colonnes.data() + c * n; }
};

Distances Prepare(const EtatLocalisation& e, bool efficacite) {
    const TablesChemins& r = e;
    Distances d;
    d.n = static_cast<std::size_t>(std::max(e.NbNoeuds, 0));
    d.pas = (d.n + kLargeur - 1) / kLargeur * kLargeur;
    d.efficacite = efficacite;
    d.lignes.assign(d.n * d.pas, 0.0f);
    d.colonnes.assign(d.n * d.n, 0.0f);
    for (std::size_t k = 0; k < d.n; ++k) {
        const CelluleChemin* ligne = &r.CheminsMin(k + 1, 1);
        for (std::size_t c = 0; c < d.n; ++c) {
            // Efficiency counts a candidate's own node at distance 1.
            const float v = efficacite && c == k ? 1.0f : ligne[c].Valeur;
            d.lignes[k * d.pas + c] = v;
            d.colonnes[c * d.n + k] = v;
        }
    }
    if (efficacite && e.PonderationPopulation) {
        d.poids.resize(d.n);
        for (std::size_t k = 0; k < d.n; ++k) d.poids[k] = e.Noeuds[k + 1].Population;
    }
    return d;
}

// The kernel: for the candidates c0..c0+kLargeur-1 whose rows start at `d` (row length `pas`),
// with m(k) the distance of node k to its nearest facility among the others, the value of each
// candidate added to them. Efficiency: sum over k of w(k) x min(m(k), d(k, c)), the nearest
// being the others on a tie; equity: the largest min over k, from 0, the nearest being the new
// candidate on a tie. The sum over k runs in order for each candidate: the vector lanes are
// candidates, never nodes.
using Noyau = void (*)(const float* m, const float* d, std::size_t pas, std::size_t n,
                       const double* w, float* sortie);

template <bool Pondere>
inline __attribute__((always_inline)) void EfficaciteGenerique(const float* m, const float* d,
                                                               std::size_t pas, std::size_t n,
                                                               const double* w, float* sortie) {
    double s[kLargeur] = {};
    for (std::size_t k = 0; k < n; ++k) {
        const float mk = m[k];
        const float* r = d + k * pas;
        for (std::size_t j = 0; j < kLargeur; ++j) {
            const float v = r[j] < mk ? r[j] : mk;
            if constexpr (Pondere)
                s[j] += w[k] * static_cast<double>(v);
            else
                s[j] += static_cast<double>(v);
        }
    }
    for (std::size_t j = 0; j < kLargeur; ++j) sortie[j] = static_cast<float>(s[j]);
}

inline __attribute__((always_inline)) void EquiteGenerique(const float* m, const float* d,
                                                           std::size_t pas, std::size_t n,
                                                           const double*, float* sortie) {
    float x[kLargeur] = {};
    for (std::size_t k = 0; k < n; ++k) {
        const float mk = m[k];
        const float* r = d + k * pas;
        for (std::size_t j = 0; j < kLargeur; ++j) {
            const float v = mk < r[j] ? mk : r[j];
            if (v > x[j]) x[j] = v;
        }
    }
    for (std::size_t j = 0; j < kLargeur; ++j) sortie[j] = x[j];
}

void EfficaciteSimple(const float* m, const float* d, std::size_t pas, std::size_t n,
                      const double* w, float* sortie) {
    EfficaciteGenerique<false>(m, d, pas, n, w, sortie);
}
void EfficacitePonderee(const float* m, const float* d, std::size_t pas, std::size_t n,
                        const double* w, float* sortie) {
    EfficaciteGenerique<true>(m, d, pas, n, w, sortie);
}
void Equite(const float* m, const float* d, std::size_t pas, std::size_t n, const double* w,
            float* sortie) {
    EquiteGenerique(m, d, pas, n, w, sortie);
}

#ifdef VEK_X86
// The same with AVX2 lanes: 4 candidates per double register, 8 per float register. No FMA:
// each product is rounded before it is added, as in the plain loop.
template <bool Pondere>
__attribute__((target("avx2"))) void EfficaciteAvx2(const float* m, const float* d, std::size_t pas,
                                                    std::size_t n, const double* w, float* sortie) {
    __m256d s0 = _mm256_setzero_pd(), s1 = s0, s2 = s0, s3 = s0, s4 = s0, s5 = s0, s6 = s0, s7 = s0;
    for (std::size_t k = 0; k < n; ++k) {
        const __m128 mk = _mm_set1_ps(m[k]);
        const float* r = d + k * pas;
        __m256d wk = _mm256_set1_pd(1.0);
        if constexpr (Pondere) wk = _mm256_set1_pd(w[k]);
            // min_ps(x, y) is x < y ? x : y: the candidate only when strictly nearer.
#define VEK_TERME(s, i)                                                         \
    {                                                                           \
        __m256d v = _mm256_cvtps_pd(_mm_min_ps(_mm_loadu_ps(r + 4 * (i)), mk)); \
        if constexpr (Pondere) v = _mm256_mul_pd(wk, v);                        \
        s = _mm256_add_pd(s, v);                                                \
    }
        VEK_TERME(s0, 0)
        VEK_TERME(s1, 1)
        VEK_TERME(s2, 2)
        VEK_TERME(s3, 3)
        VEK_TERME(s4, 4)
        VEK_TERME(s5, 5)
        VEK_TERME(s6, 6)
        VEK_TERME(s7, 7)
#undef VEK_TERME
    }
    const __m256d s[8] = {s0, s1, s2, s3, s4, s5, s6, s7};
    for (int i = 0; i < 8; ++i) _mm_storeu_ps(sortie + 4 * i, _mm256_cvtpd_ps(s[i]));
}

__attribute__((target("avx2"))) void EquiteAvx2(const float* m, const float* d, std::size_t pas,
                                                std::size_t n, const double*, float* sortie) {
    __m256 x0 = _mm256_setzero_ps(), x1 = x0, x2 = x0, x3 = x0;
    for (std::size_t k = 0; k < n; ++k) {
        const __m256 mk = _mm256_set1_ps(m[k]);
        const float* r = d + k * pas;
        // min_ps(m, d) keeps the new candidate on a tie; max_ps(v, x) changes x only when v
        // is larger.
        x0 = _mm256_max_ps(_mm256_min_ps(mk, _mm256_loadu_ps(r)), x0);
        x1 = _mm256_max_ps(_mm256_min_ps(mk, _mm256_loadu_ps(r + 8)), x1);
        x2 = _mm256_max_ps(_mm256_min_ps(mk, _mm256_loadu_ps(r + 16)), x2);
        x3 = _mm256_max_ps(_mm256_min_ps(mk, _mm256_loadu_ps(r + 24)), x3);
    }
    _mm256_storeu_ps(sortie, x0);
    _mm256_storeu_ps(sortie + 8, x1);
    _mm256_storeu_ps(sortie + 16, x2);
    _mm256_storeu_ps(sortie + 24, x3);
}
#endif

Noyau ChoixNoyau(const Distances& d) {
#ifdef VEK_X86
    if (__builtin_cpu_supports("avx2")) {
        if (!d.efficacite) return EquiteAvx2;
        return d.poids.empty() ? EfficaciteAvx2<false> : EfficaciteAvx2<true>;
    }
#endif
    if (!d.efficacite) return Equite;
    return d.poids.empty() ? EfficaciteSimple : EfficacitePonderee;
}

// The distance of each node to the nearer of a and b, with the tie rule of the criterion.
void Paire(const Distances& d, std::size_t a, std::size_t b, float* m) {
    const float* ca = d.Colonne(a);
    const float* cb = d.Colonne(b);
    if (d.efficacite)
        for (std::size_t k = 0; k < d.n; ++k) m[k] = cb[k] < ca[k] ? cb[k] : ca[k];
    else
        for (std::size_t k = 0; k < d.n; ++k) m[k] = ca[k] < cb[k] ? ca[k] : cb[k];
}

// Reports the progress of the first candidates done since the last call.
class Avancement {
  public:
    Avancement(EtatLocalisation& e, bool efficacite)
        : e_(e), message_(efficacite ? kMessageEfficacite : kMessageEquite) {
        total_ = e.NbNoeuds;
        AfficheTempsDeCalcul(e_, total_, etape_, message_);
    }
    void Faits(std::size_t nombre) {
        for (std::size_t i = 0; i < nombre; ++i)
            if (++etape_ <= total_) AfficheTempsDeCalcul(e_, total_, etape_, message_);
    }

  private:
    EtatLocalisation& e_;
    const char* message_;
    std::int64_t total_ = 0;
    std::int64_t etape_ = 0;
};

void LocalisationDeux(EtatLocalisation& e, bool efficacite) {
    const Distances d = Prepare(e, efficacite);
    const std::size_t n = d.n;
    Matrice<float>& sortie = e.MatLocalisation2;
    sortie.Dimensionne(n, 0.0f);
    if (n == 0) return;
    const Noyau noyau = ChoixNoyau(d);
    const double* w = d.poids.empty() ? nullptr : d.poids.data();
    Avancement avancement(e, efficacite);
    Equipe equipe(Equipe::TaillePour(static_cast<std::int64_t>(n)));
    for (std::size_t a0 = 0; a0 < n; a0 += kGroupe) {
        const std::size_t a1 = std::min(n, a0 + kGroupe);
        // The candidates b >= a of this group of first candidates, kLargeur at a time: the
        // rows of one block stay in cache for every a of the group.
        const std::size_t debut = a0 / kLargeur * kLargeur;
        const std::size_t blocs = (n - debut + kLargeur - 1) / kLargeur;
        std::atomic<std::size_t> prochain{0};
        equipe.Execute([&](unsigned) {
            float v[kLargeur];
            for (std::size_t t; (t = prochain.fetch_add(1)) < blocs;) {
                const std::size_t c0 = debut + t * kLargeur;
                for (std::size_t a = a0; a < a1 && a < c0 + kLargeur; ++a) {
                    noyau(d.Colonne(a), d.lignes.data() + c0, d.pas, n, w, v);
                    for (std::size_t j = 0; j < kLargeur; ++j) {
                        const std::size_t b = c0 + j;
                        if (b < a || b >= n) continue;
                        sortie(a + 1, b + 1) = v[j];
                        sortie(b + 1, a + 1) = v[j];
                    }
                }
            }
        });
        avancement.Faits(a1 - a0);
    }
}

// Computes the block of the first candidate a (0-based) into `bloc`.
void BlocTriples(const Distances& d, Noyau noyau, Equipe& equipe, std::size_t a, float* bloc) {
    const std::size_t n = d.n;
    const double* w = d.poids.empty() ? nullptr : d.poids.data();
    TableTriples forme;
    forme.n = static_cast<std::int32_t>(n);
    const std::size_t debut = a / kLargeur * kLargeur;
    const std::size_t blocs = (n - debut + kLargeur - 1) / kLargeur;
    std::atomic<std::size_t> prochain{0};
    equipe.Execute([&](unsigned) {
        std::vector<float> m(n);
        float v[kLargeur];
        // The last blocks of third candidates have the most pairs (a, b): handed out first.
        for (std::size_t t; (t = prochain.fetch_add(1)) < blocs;) {
            const std::size_t c0 = debut + (blocs - 1 - t) * kLargeur;
            const std::size_t fin = std::min(n, c0 + kLargeur);
            for (std::size_t b = a; b < fin; ++b) {
                Paire(d, a, b, m.data());
                noyau(m.data(), d.lignes.data() + c0, d.pas, n, w, v);
                const std::int64_t ligne = forme.DansBloc(static_cast<std::int32_t>(a + 1),
                                                          static_cast<std::int32_t>(b + 1),
                                                          static_cast<std::int32_t>(b + 1));
                for (std::size_t c = std::max(b, c0); c < fin; ++c)
                    bloc[static_cast<std::size_t>(ligne) + (c - b)] = v[c - c0];
            }
        }
    });
}

void RemplitTriples(EtatLocalisation& e, bool efficacite) {
    TableTriples& t = e.MatLocalisation3;
    t.n = e.NbNoeuds;
    t.valeurs.assign(static_cast<std::size_t>(TableTriples::Nombre(t.n)), 0.0f);
    LocalisationTrois(e, efficacite, [&t](std::int32_t a, const float* bloc) {
        std::copy(bloc, bloc + t.TailleBloc(a), t.valeurs.begin() + t.DebutBloc(a));
    });
}

// One combination of the best ones, ordered by value and then by its candidates.
struct Combinaison {
    float valeur;
    std::int32_t a, b, c;
    bool operator<(const Combinaison& o) const {
        if (valeur != o.valeur) return valeur < o.valeur;
        if (a != o.a) return a < o.a;
        if (b != o.b) return b < o.b;
        return c < o.c;
    }
};

// Keeps the `taille` smallest combinations it is shown.
class Meilleures {
  public:
    explicit Meilleures(std::int64_t taille) : taille_(static_cast<std::size_t>(taille)) {}
    void Propose(const Combinaison& x) {
        if (taille_ == 0) return;
        if (tas_.size() < taille_) {
            tas_.push(x);
        } else if (x < tas_.top()) {
            tas_.pop();
            tas_.push(x);
        }
    }
    // Best first.
    std::vector<Combinaison> Liste() {
        std::vector<Combinaison> l;
        for (; !tas_.empty(); tas_.pop()) l.push_back(tas_.top());
        std::reverse(l.begin(), l.end());
        return l;
    }

  private:
    std::size_t taille_;
    std::priority_queue<Combinaison> tas_;
};

std::string Nombre(std::int64_t v) {
    std::string s = std::to_string(v), r;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (i > 0 && (s.size() - i) % 3 == 0) r += ' ';
        r += s[i];
    }
    return r;
}

std::string Duree(double secondes) {
    const auto s = static_cast<std::int64_t>(std::ceil(secondes));
    if (s < 60) return std::to_string(s) + " s";
    if (s < 3600) return std::to_string(s / 60) + " min " + std::to_string(s % 60) + " s";
    if (s < 86400) return std::to_string(s / 3600) + " h " + std::to_string(s % 3600 / 60) + " min";
    return std::to_string(s / 86400) + " j " + std::to_string(s % 86400 / 3600) + " h";
}

std::string Taille(double octets) {
    const char* unites[] = {"octets", "Ko", "Mo", "Go", "To"};
    int u = 0;
    while (octets >= 1024 && u < 4) {
        octets /= 1024;
        ++u;
    }
    std::string t =
        u == 0 ? std::to_string(static_cast<std::int64_t>(octets)) : Format(octets, "0.0");
    std::replace(t.begin(), t.end(), '.', ',');
    return t + " " + unites[u];
}

}  // namespace

void LocalisationDeuxEfficacite(EtatLocalisation& e) {
    LocalisationDeux(e, true);
}
void LocalisationDeuxEquite(EtatLocalisation& e) {
    LocalisationDeux(e, false);
}
void LocalisationTroisEfficacite(EtatLocalisation& e) {
    RemplitTriples(e, true);
}
void LocalisationTroisEquite(EtatLocalisation& e) {
    RemplitTriples(e, false);
}

void LocalisationTrois(EtatLocalisation& e, bool efficacite, const RecepteurTriples& recepteur) {
    const Distances d = Prepare(e, efficacite);
    const std::size_t n = d.n;
    if (n == 0) return;
    const Noyau noyau = ChoixNoyau(d);
    Avancement avancement(e, efficacite);
    Equipe equipe(Equipe::TaillePour(static_cast<std::int64_t>(n)));
    std::vector<float> bloc(n * (n + 1) / 2);
    for (std::size_t a = 0; a < n; ++a) {
        BlocTriples(d, noyau, equipe, a, bloc.data());
        recepteur(static_cast<std::int32_t>(a + 1), bloc.data());
        avancement.Faits(1);
    }
}

EstimationLocalisation EstimeLocalisation(EtatLocalisation& e, int equipements, bool efficacite) {
    using Horloge = std::chrono::steady_clock;
    EstimationLocalisation r;
    const std::int64_t n = std::max(e.NbNoeuds, 0);
    if (n == 0 || (equipements != 2 && equipements != 3)) return r;
    r.combinaisons = equipements == 2 ? n * (n + 1) / 2 : TableTriples::Nombre(n);
    std::int64_t octetsNoms = 0;
    for (std::int64_t i = 1; i <= n; ++i)
        octetsNoms += static_cast<std::int64_t>(e.Noeuds[static_cast<std::size_t>(i)].Nom.size());
    // The names of a line: `equipements` names of the mean length, rounded up.
    r.octetsParLigne = OctetsLigneCombinaison(equipements, (octetsNoms * equipements + n - 1) / n);

    // The kernel on some blocks of the network's own distances.
    const Distances d = Prepare(e, efficacite);
    const Noyau noyau = ChoixNoyau(d);
    const double* w = d.poids.empty() ? nullptr : d.poids.data();
    std::vector<float> m(d.n);
    float v[kLargeur];
    const auto debut = Horloge::now();
    std::int64_t appels = 0;
    double ecoule = 0;
    do {
        Paire(d, static_cast<std::size_t>(appels) % d.n, 0, m.data());
        noyau(m.data(), d.lignes.data() + (static_cast<std::size_t>(appels) * kLargeur) % d.pas,
              d.pas, d.n, w, v);
        ++appels;
        ecoule = std::chrono::duration<double>(Horloge::now() - debut).count();
    } while (ecoule < 0.02 && appels < 100000);
    // Calls of the whole search: one per pair (a, b) and block of candidates c >= b (or per
    // first candidate and block for two facilities), the workers sharing them.
    const double parAppel = ecoule / static_cast<double>(appels);
    const double blocs = static_cast<double>(n) / kLargeur + 1;
    const double total = equipements == 2 ? static_cast<double>(n) * blocs / 2
                                          : static_cast<double>(n) * n * blocs / 3;
    const unsigned membres = Equipe::TaillePour(n);
    r.secondesCalcul = parAppel * total / membres;

    // Formatting and writing some lines of the file.
    {
        const auto t0 = Horloge::now();
        std::string ligne;
        const int lignes = 200;
        for (int i = 0; i < lignes; ++i) {
            ligne = Champ(static_cast<std::int64_t>(i % 1000), "0000") + " " +
                    Champ(static_cast<std::int64_t>(i % 999), "0000") + " " +
                    Champ(static_cast<float>(i) * 1234.567f, "000000000000000.0000") + " " +
                    e.Noeuds[static_cast<std::size_t>(1 + i % n)].Nom + " " +
                    e.Noeuds[static_cast<std::size_t>(1 + (i * 7) % n)].Nom;
        }
        const double t = std::chrono::duration<double>(Horloge::now() - t0).count();
        // The disk takes its share: some 200 MB a second.
        r.secondesParLigne = t / lignes + static_cast<double>(r.octetsParLigne) / 200e6;
    }
    return r;
}

std::string Localisation(EtatLocalisation& e, bool efficacite, const SeuilsLocalisation& seuils) {
    const int equipements = e.NbEquipements;
    if (equipements != 2 && equipements != 3) return "";
    const std::string chemin =
        CheminResultat(e, std::string("\\Loc") + (equipements == 2 ? "2" : "3") +
                              (efficacite ? "eff" : "eq") + ".dat");
    const EstimationLocalisation est = EstimeLocalisation(e, equipements, efficacite);
    std::uint64_t libre = static_cast<std::uint64_t>(-1);
    if (seuils.espaceLibre) {
        libre = *seuils.espaceLibre;
    } else {
        std::error_code ec;
        const auto s = std::filesystem::space(CheminDe(e, chemin).parent_path(), ec);
        if (!ec) libre = s.available;
    }
    const double octets = static_cast<double>(est.combinaisons) * est.octetsParLigne;
    const std::string probleme = "La localisation de " + std::to_string(equipements) +
                                 " équipements parmi " + Nombre(e.NbNoeuds) + " noeuds examine " +
                                 Nombre(est.combinaisons) + " combinaisons.\n";
    bool seulementMeilleures = false;
    if (octets > static_cast<double>(libre)) {
        const std::int64_t k = std::min(seuils.meilleures, est.combinaisons);
        std::string texte = probleme + "Le fichier " + chemin + " occuperait environ " +
                            Taille(octets) +
                            ", mais le disque du répertoire des résultats n'a que " +
                            Taille(static_cast<double>(libre)) + " de libre.\n";
        const double duree = est.Secondes(k);
        if (duree > seuils.secondesSansQuestion)
            texte += "Durée estimée du calcul : " + Duree(duree) + ".\n";
        texte += "\nVoulez-vous n'écrire que les " + Nombre(k) +
                 " meilleures combinaisons, la meilleure en premier ?";
        if (e.Ihm.Message(texte, Boutons::OuiNon, Icone::Question, kTitre) != Reponse::Oui)
            return "";
        seulementMeilleures = true;
    } else {
        const double duree = est.Secondes(est.combinaisons);
        if (duree > seuils.secondesSansQuestion) {
            const std::string texte = probleme +
                                      "Durée estimée du calcul et de l'écriture : " + Duree(duree) +
                                      ".\nTaille estimée du fichier " + chemin + " : " +
                                      Taille(octets) + ".\n\nVoulez-vous continuer ?";
            if (e.Ihm.Message(texte, Boutons::OuiNon, Icone::Question, kTitre) != Reponse::Oui)
                return "";
        }
    }

    if (equipements == 2) {
        LocalisationDeux(e, efficacite);
        if (!seulementMeilleures) {
            EcritureMatriceChemins(e, chemin, DispositionMatrice::Localisation2);
            return chemin;
        }
        Meilleures meilleures(seuils.meilleures);
        for (std::int32_t a = 1; a <= e.NbNoeuds; ++a)
            for (std::int32_t b = a; b <= e.NbNoeuds; ++b)
                meilleures.Propose({e.MatLocalisation2(a, b), a, b, 0});
        EcrivainCombinaisons f(e, chemin);
        for (const Combinaison& x : meilleures.Liste()) f.Paire(x.a, x.b, x.valeur);
        f.Ferme();
        return chemin;
    }

    // Three facilities: the values are written (or sifted) as each block comes.
    e.MatLocalisation3 = TableTriples{};
    e.MatLocalisation3.n = e.NbNoeuds;
    TableTriples forme;
    forme.n = e.NbNoeuds;
    if (seulementMeilleures) {
        Meilleures meilleures(seuils.meilleures);
        LocalisationTrois(e, efficacite, [&](std::int32_t a, const float* bloc) {
            const float* v = bloc;
            for (std::int32_t b = a; b <= forme.n; ++b)
                for (std::int32_t c = b; c <= forme.n; ++c, ++v) meilleures.Propose({*v, a, b, c});
        });
        EcrivainCombinaisons f(e, chemin);
        for (const Combinaison& x : meilleures.Liste()) f.Triple(x.a, x.b, x.c, x.valeur);
        f.Ferme();
        return chemin;
    }
    EcrivainCombinaisons f(e, chemin);
    LocalisationTrois(e, efficacite, [&](std::int32_t a, const float* bloc) {
        const float* v = bloc;
        for (std::int32_t b = a; b <= forme.n; ++b)
            for (std::int32_t c = b; c <= forme.n; ++c, ++v) f.Triple(a, b, c, *v);
    });
    f.Ferme();
    return chemin;
}

}  // namespace vek
