#include "ModeleCarte.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "Symbologie.h"
#include "network/EtatReseau.h"

namespace vek::carte {

namespace {

const Mode* ModeDe(const EtatReseau& e, int code) {
    for (const Mode& m : e.TableModes)
        if (m.Code == code) return &m;
    return nullptr;
}

QString Valeur(double v) {
    return ValeurManquante(v) ? QStringLiteral("sans valeur") : FormateValeur(v);
}

template <class T>
void Classe(ModeleCarte& m, std::vector<T>& elements, MethodeClasses methode, int nbClasses) {
    std::vector<double> valeurs;
    for (const T& x : elements)
        if (std::isfinite(x.valeur)) valeurs.push_back(x.valeur);
    m.bornes = m.comparaison ? BornesEcarts(valeurs, nbClasses, methode)
                             : BornesClasses(std::move(valeurs), nbClasses, methode);
    m.effectifs.assign(static_cast<std::size_t>(m.NbClasses()), 0);
    m.manquants = 0;
    for (T& x : elements) {
        x.classe = m.comparaison               ? ClasseEcart(m.bornes, x.valeur)
                   : ValeurManquante(x.valeur) ? -1
                                               : ClasseDe(m.bornes, x.valeur);
        if (x.classe < 0)
            ++m.manquants;
        else
            ++m.effectifs[static_cast<std::size_t>(x.classe)];
    }
}

bool Manquante(const ModeleCarte& m, double v) {
    return m.comparaison ? !std::isfinite(v) : ValeurManquante(v);
}

QString Valeur(const ModeleCarte& m, double v) {
    if (!m.comparaison) return Valeur(v);
    if (!std::isfinite(v)) return QStringLiteral("sans écart");
    return (v > 0 ? QStringLiteral("+") : QString()) + FormateValeur(v);
}

NoeudVariante Variante(const Noeud& x) {
    return {x.X, x.Y, x.Code, QString::fromStdString(x.Nom).trimmed()};
}

// The per-node values (entry 0 unused) on the nodes.
void ValeursNoeuds(ModeleCarte& m, const std::vector<double>& valeurs) {
    for (std::size_t i = 0; i < m.noeuds.size(); ++i) m.noeuds[i].valeur = valeurs[i + 1];
    m.resultat = TypeResultat::Noeuds;
}

// The values of pairs of node indices on the arcs that join them, either way.
void ValeursCouples(ModeleCarte& m, const Couple* debut, const Couple* fin) {
    const std::int64_t n = static_cast<std::int64_t>(m.noeuds.size());
    const auto cle = [n](std::int64_t i, std::int64_t j) { return i * (n + 1) + j; };
    std::unordered_map<std::int64_t, double> couples;
    couples.reserve(static_cast<std::size_t>(fin - debut));
    for (const Couple* c = debut; c != fin; ++c)
        if (c->I >= 1 && c->I <= n && c->J >= 1 && c->J <= n)
            couples.emplace(cle(c->I, c->J), c->Valeur);
    for (ArcCarte& a : m.arcs) {
        const std::int64_t i = a.origine + 1, j = a.destination + 1;
        auto t = couples.find(cle(i, j));
        if (t == couples.end()) t = couples.find(cle(j, i));
        if (t != couples.end()) a.valeur = t->second;
    }
    m.resultat = TypeResultat::Couples;
}

}  // namespace

QString TitreNoeud(const ModeleCarte& m, const NoeudCarte& x) {
    QString t = QString::number(x.code);
    if (m.resultat == TypeResultat::Noeuds && (m.comparaison || !Manquante(m, x.valeur)))
        t += QStringLiteral(" : ") + Valeur(m, x.valeur);
    return t;
}

QString TitreArc(const ModeleCarte& m, const ArcCarte& a) {
    QString t = QString::number(m.noeuds[static_cast<std::size_t>(a.origine)].code) +
                (a.sensUnique ? QStringLiteral(" → ") : QStringLiteral(" – ")) +
                QString::number(m.noeuds[static_cast<std::size_t>(a.destination)].code);
    if (m.resultat == TypeResultat::Couples && (m.comparaison || !Manquante(m, a.valeur)))
        t += QStringLiteral(" : ") + Valeur(m, a.valeur);
    return t;
}

QString TitreVariante(const NoeudVariante& x) {
    return QString::number(x.code) + QStringLiteral(" : variante seule");
}

QString TitreVariante(const CoupleVariante& c) {
    return QString::number(c.origine.code) + QStringLiteral(" – ") +
           QString::number(c.destination.code) + QStringLiteral(" : variante seule");
}

QColor CouleurValeur(const ModeleCarte& m, int classe, bool ligne) {
    if (classe < 0) return ligne ? kGrisArcSansValeur : kGrisManquant;
    if (!m.comparaison) return CouleurClasse(classe, m.NbClasses());
    // A line of the near white of no change would vanish on the white ground.
    if (ligne && classe == m.NbClasses() / 2) return kArcInchange;
    return CouleurEcart(classe, m.NbClasses());
}

double TailleValeur(const ModeleCarte& m, int classe, bool ligne) {
    const int nb = m.NbClasses();
    if (m.comparaison) return ligne ? LargeurEcart(classe, nb) : RayonEcart(classe, nb);
    return ligne ? LargeurArc(classe, nb, FamilleMode::Route, true) : RayonNoeud(classe, nb);
}

int Rang(const ModeleCarte& m, int classe) {
    if (!m.comparaison || classe < 0) return classe;
    return std::abs(classe - m.NbClasses() / 2);
}

QString DetailNoeud(const ModeleCarte& m, const NoeudCarte& x) {
    QString t = QStringLiteral("Nœud %1").arg(x.code);
    if (!x.nom.isEmpty()) t += QStringLiteral(" — ") + x.nom;
    if (m.resultat == TypeResultat::Noeuds)
        t += (m.comparaison ? QStringLiteral("\nÉcart à la variante : ")
                            : QStringLiteral("\nValeur : ")) +
             Valeur(m, x.valeur);
    return t;
}

QString DetailArc(const ModeleCarte& m, const ArcCarte& a) {
    const NoeudCarte &o = m.noeuds[static_cast<std::size_t>(a.origine)],
                     &d = m.noeuds[static_cast<std::size_t>(a.destination)];
    QString t =
        QStringLiteral("Arc %1 %2 %3").arg(o.code).arg(a.sensUnique ? "→" : "–").arg(d.code);
    if (!o.nom.isEmpty() || !d.nom.isEmpty())
        t += QStringLiteral("\n") + o.nom + QStringLiteral(" – ") + d.nom;
    t += QStringLiteral("\nMode : %1").arg(a.mode);
    const auto nom = m.nomsModes.find(a.mode);
    if (nom != m.nomsModes.end() && !nom->second.isEmpty())
        t += QStringLiteral(" (") + nom->second + ")";
    t += QStringLiteral("\nLongueur : ") + FormateValeur(a.distance) + QStringLiteral(" km");
    t += QStringLiteral("\nTemps : ") + FormateValeur(a.temps) + QStringLiteral(" min");
    if (m.resultat == TypeResultat::Couples)
        t += (m.comparaison ? QStringLiteral("\nÉcart à la variante : ")
                            : QStringLiteral("\nValeur : ")) +
             Valeur(m, a.valeur);
    return t;
}

ModeleCarte ConstruitModele(const EtatReseau& e) {
    ModeleCarte m;
    m.generation = e.GenerationReseau;
    const int n = std::min<int>(e.NbNoeuds, static_cast<int>(e.Noeuds.size()) - 1);
    for (int i = 1; i <= n; ++i) {
        const Noeud& x = e.Noeuds[static_cast<std::size_t>(i)];
        NoeudCarte c;
        c.x = x.X;
        c.y = x.Y;
        c.code = x.Code;
        c.nom = QString::fromStdString(x.Nom).trimmed();
        c.population = x.Population;
        if (m.noeuds.empty()) {
            m.xMin = m.xMax = c.x;
            m.yMin = m.yMax = c.y;
        } else {
            m.xMin = std::min(m.xMin, c.x);
            m.xMax = std::max(m.xMax, c.x);
            m.yMin = std::min(m.yMin, c.y);
            m.yMax = std::max(m.yMax, c.y);
        }
        m.noeuds.push_back(std::move(c));
    }
    // The direction of each mode, looked up once per code: -1 not yet, 0 two-way, 1 one-way.
    std::vector<std::int8_t> sens;
    const int na = std::min<int>(e.NbArcs, static_cast<int>(e.Arcs.size()) - 1);
    m.arcs.reserve(static_cast<std::size_t>(std::max(na, 0)));
    for (int k = 1; k <= na; ++k) {
        const Arc& a = e.Arcs[static_cast<std::size_t>(k)];
        if (a.IndiceOrigine < 1 || a.IndiceOrigine > n || a.IndiceDestination < 1 ||
            a.IndiceDestination > n)
            continue;
        ArcCarte c;
        c.origine = a.IndiceOrigine - 1;
        c.destination = a.IndiceDestination - 1;
        c.indice = k;
        c.mode = a.Mode;
        c.famille = FamilleDuMode(a.Mode);
        const std::size_t code = static_cast<std::uint16_t>(a.Mode);
        if (code >= sens.size()) sens.resize(code + 1, -1);
        if (sens[code] < 0) {
            const Mode* x = ModeDe(e, a.Mode);
            sens[code] = x && x->Oriente ? 1 : 0;
            m.nomsModes[a.Mode] = x ? QString::fromStdString(x->Nom) : QString();
        }
        c.sensUnique = sens[code] == 1;
        c.distance = a.Distance;
        c.temps = a.Temps;
        ++m.arcsParFamille[static_cast<std::size_t>(c.famille)];
        m.arcs.push_back(c);
    }
    return m;
}

void AppliqueResultat(ModeleCarte& m, const EtatReseau& e, bool afficher, MethodeClasses methode,
                      int nbClasses) {
    for (NoeudCarte& x : m.noeuds) {
        x.valeur = kSansValeur;
        x.classe = -1;
    }
    for (ArcCarte& a : m.arcs) {
        a.valeur = kSansValeur;
        a.classe = -1;
    }
    m.resultat = TypeResultat::Aucun;
    m.comparaison = false;
    m.noeudsVariante.clear();
    m.couplesVariante.clear();
    m.methode = methode;
    m.bornes.clear();
    m.effectifs.clear();
    m.manquants = 0;
    if (!afficher || m.Vide()) return;
    const std::size_t n = m.noeuds.size();
    const bool memesNoeuds = e.NbNoeuds == static_cast<int>(n);
    const bool noeuds = memesNoeuds && e.ValeursNoeuds.size() == n + 1;
    const std::size_t nc =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(e.NbCouples, 0)),
                              e.ListeCouples.empty() ? 0 : e.ListeCouples.size() - 1);
    const ComparaisonCarte* comparaison = e.DerniereComparaison.get();
    enum class Choix { Noeuds, Couples, Comparaison };
    Choix choix;
    if (e.ValeursCarte == "noeuds") {
        choix = Choix::Noeuds;
    } else if (e.ValeursCarte == "couples") {
        choix = Choix::Couples;
    } else if (e.ValeursCarte == "comparaison") {
        choix = Choix::Comparaison;
    } else if (comparaison && comparaison->numeroResultat == e.NumeroResultat) {
        choix = Choix::Comparaison;
    } else if (e.GenreResultat == TablesResultats::Genre::Couples) {
        choix = Choix::Couples;
    } else if (e.GenreResultat == TablesResultats::Genre::Noeuds) {
        choix = Choix::Noeuds;
    } else {
        choix = noeuds ? Choix::Noeuds : Choix::Couples;
    }
    switch (choix) {
        case Choix::Noeuds:
            if (noeuds) ValeursNoeuds(m, e.ValeursNoeuds);
            break;
        case Choix::Couples:
            if (nc > 0) ValeursCouples(m, &e.ListeCouples[1], &e.ListeCouples[1] + nc);
            break;
        case Choix::Comparaison:
            if (!comparaison || !memesNoeuds) break;
            m.comparaison = true;
            if (comparaison->couples)
                ValeursCouples(
                    m, comparaison->ecartsCouples.data(),
                    comparaison->ecartsCouples.data() + comparaison->ecartsCouples.size());
            else if (comparaison->ecartsNoeuds.size() == n + 1)
                ValeursNoeuds(m, comparaison->ecartsNoeuds);
            else
                m.comparaison = false;
            if (!m.comparaison) break;
            for (const Noeud& x : comparaison->noeudsVariante)
                m.noeudsVariante.push_back(Variante(x));
            for (const auto& [o, d] : comparaison->couplesVariante)
                m.couplesVariante.push_back({Variante(o), Variante(d)});
            break;
    }
    if (m.resultat == TypeResultat::Noeuds) Classe(m, m.noeuds, methode, nbClasses);
    if (m.resultat == TypeResultat::Couples) Classe(m, m.arcs, methode, nbClasses);
}

}  // namespace vek::carte
