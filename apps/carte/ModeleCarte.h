#pragma once
// What the map shows of a network: the nodes at their coordinates (km), the arcs as segments
// between them with their mode family and direction, and the last result computed on the
// network, sorted into classes. The geometry is built once per network; the result is applied
// again after every command.

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <vector>

#include "Classification.h"
#include "FamilleMode.h"

namespace vek {
struct EtatReseau;
}

namespace vek::carte {

inline constexpr double kSansValeur = std::numeric_limits<double>::quiet_NaN();

struct NoeudCarte {
    double x = 0, y = 0;  // km
    std::int64_t code = 0;
    QString nom;  // trimmed
    std::int32_t population = 0;
    double valeur = kSansValeur;
    int classe = -1;        // -1: no value (or no result shown)
    bool surligne = false;  // chosen in the result table
};

struct ArcCarte {
    int origine = 0, destination = 0;  // positions in ModeleCarte::noeuds
    int indice = 0;                    // index in the state's arc table
    int mode = 0;
    FamilleMode famille = FamilleMode::Autre;
    bool sensUnique = false;
    float distance = 0, temps = 0;
    double valeur = kSansValeur;
    int classe = -1;
    bool surligne = false;  // its pair chosen in the result table
};

enum class TypeResultat { Aucun, Noeuds, Couples };

// What the compared variant alone has, at its own coordinates: a node, or a pair of nodes.
struct NoeudVariante {
    double x = 0, y = 0;  // km
    std::int64_t code = 0;
    QString nom;
};
struct CoupleVariante {
    NoeudVariante origine, destination;
};

struct ModeleCarte {
    std::vector<NoeudCarte> noeuds;  // node i of the state at position i - 1
    std::vector<ArcCarte> arcs;      // arcs whose two ends are known
    // The name of each mode present, kept once rather than with every arc: the model is
    // built, and copied for drawing, after every command.
    std::map<int, QString> nomsModes;
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    std::uint64_t generation = 0;
    std::array<int, kFamilles.size()> arcsParFamille{};

    TypeResultat resultat = TypeResultat::Aucun;
    // The values are the differences of the last comparison with a variant (variant - base),
    // in classes symmetric around zero (BornesEcarts).
    bool comparaison = false;
    std::vector<NoeudVariante> noeudsVariante;
    std::vector<CoupleVariante> couplesVariante;
    MethodeClasses methode = MethodeClasses::Quantiles;
    std::vector<double> bornes;  // empty: no class
    std::vector<int> effectifs;  // elements per class
    int manquants = 0;           // elements of the result with no value

    int NbClasses() const { return bornes.size() < 2 ? 0 : static_cast<int>(bornes.size()) - 1; }
    bool Vide() const { return noeuds.empty(); }
};

// What a node's or an arc's title says: its code (an arc: both codes) and its value when it
// has one (a difference: signed, or "sans écart"); the tooltip adds the name, or the mode,
// length and time. What the variant alone has says so.
QString TitreNoeud(const ModeleCarte& m, const NoeudCarte& x);
QString TitreArc(const ModeleCarte& m, const ArcCarte& a);
QString DetailNoeud(const ModeleCarte& m, const NoeudCarte& x);
QString DetailArc(const ModeleCarte& m, const ArcCarte& a);
QString TitreVariante(const NoeudVariante& x);
QString TitreVariante(const CoupleVariante& c);

// How a value of class `classe` (-1: none) is drawn under the result the model shows: the
// fill of a node or the colour of an arc (`ligne`), and the radius of a node or the width of
// an arc.
QColor CouleurValeur(const ModeleCarte& m, int classe, bool ligne);
double TailleValeur(const ModeleCarte& m, int classe, bool ligne);
// The order nodes are drawn in: the ones of stronger classes last, above the others.
int Rang(const ModeleCarte& m, int classe);

// The geometry of the network, with no result.
ModeleCarte ConstruitModele(const EtatReseau& e);

// Sets the values and classes of what the state's setting ValeursCarte asks for: "noeuds",
// the per-node values (when they cover every node); "couples", the per-pair values on the
// arcs that join each pair (either way); "comparaison", the differences of the last
// comparison with a variant, and what the variant alone has; "auto", that comparison when
// it was made on the last result, else the last result by its kind, else the per-node values
// when they cover every node, else the per-pair values. `afficher` false clears them.
void AppliqueResultat(ModeleCarte& m, const EtatReseau& e, bool afficher, MethodeClasses methode,
                      int nbClasses);

}  // namespace vek::carte
