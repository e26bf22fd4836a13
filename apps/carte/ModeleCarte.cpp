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
        if (!ValeurManquante(x.valeur)) valeurs.push_back(x.valeur);
    m.bornes = BornesClasses(std::move(valeurs), nbClasses, methode);
    m.effectifs.assign(static_cast<std::size_t>(m.NbClasses()), 0);
    m.manquants = 0;
    for (T& x : elements) {
        if (ValeurManquante(x.valeur)) {
            x.classe = -1;
            ++m.manquants;
        } else {
            x.classe = ClasseDe(m.bornes, x.valeur);
            ++m.effectifs[static_cast<std::size_t>(x.classe)];
        }
    }
}

}  // namespace

QString TitreNoeud(const NoeudCarte& x) {
    QString t = QString::number(x.code);
    if (!ValeurManquante(x.valeur)) t += QStringLiteral(" : ") + FormateValeur(x.valeur);
    return t;
}

QString TitreArc(const ModeleCarte& m, const ArcCarte& a) {
    QString t = QString::number(m.noeuds[static_cast<std::size_t>(a.origine)].code) +
                (a.sensUnique ? QStringLiteral(" → ") : QStringLiteral(" – ")) +
                QString::number(m.noeuds[static_cast<std::size_t>(a.destination)].code);
    if (!ValeurManquante(a.valeur)) t += QStringLiteral(" : ") + FormateValeur(a.valeur);
    return t;
}

QString DetailNoeud(const ModeleCarte& m, const NoeudCarte& x) {
    QString t = QStringLiteral("Nœud %1").arg(x.code);
    if (!x.nom.isEmpty()) t += QStringLiteral(" — ") + x.nom;
    if (m.resultat == TypeResultat::Noeuds) t += QStringLiteral("\nValeur : ") + Valeur(x.valeur);
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
    if (m.resultat == TypeResultat::Couples) t += QStringLiteral("\nValeur : ") + Valeur(a.valeur);
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
    m.methode = methode;
    m.bornes.clear();
    m.effectifs.clear();
    m.manquants = 0;
    if (!afficher || m.Vide()) return;
    const std::size_t n = m.noeuds.size();
    if (e.NbNoeuds == static_cast<int>(n) && e.ValeursNoeuds.size() == n + 1) {
        for (std::size_t i = 0; i < n; ++i) m.noeuds[i].valeur = e.ValeursNoeuds[i + 1];
        m.resultat = TypeResultat::Noeuds;
        Classe(m, m.noeuds, methode, nbClasses);
        return;
    }
    const std::size_t nc =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(e.NbCouples, 0)),
                              e.ListeCouples.empty() ? 0 : e.ListeCouples.size() - 1);
    if (nc == 0) return;
    const auto cle = [n](std::int64_t i, std::int64_t j) {
        return i * static_cast<std::int64_t>(n + 1) + j;
    };
    std::unordered_map<std::int64_t, double> couples;
    couples.reserve(nc);
    for (std::size_t k = 1; k <= nc; ++k) {
        const Couple& c = e.ListeCouples[k];
        couples.emplace(cle(c.I, c.J), c.Valeur);
    }
    for (ArcCarte& a : m.arcs) {
        const std::int64_t i = a.origine + 1, j = a.destination + 1;
        auto t = couples.find(cle(i, j));
        if (t == couples.end()) t = couples.find(cle(j, i));
        if (t != couples.end()) a.valeur = t->second;
    }
    m.resultat = TypeResultat::Couples;
    Classe(m, m.arcs, methode, nbClasses);
}

}  // namespace vek::carte
