#include "LectureResultats.h"

#include <QRegularExpression>

namespace vek {

namespace {

// Characters premier..premier+n-1 (1-based); what lies past the end is absent.
QString Colonnes(std::u32string_view ligne, std::size_t premier, std::size_t n) {
    if (premier - 1 >= ligne.size()) return {};
    std::u32string_view morceau = ligne.substr(premier - 1, n);
    return QString::fromUcs4(morceau.data(), static_cast<qsizetype>(morceau.size()));
}

bool EstBlanc(const QString& s) {
    return s.trimmed().isEmpty();
}

bool EstCode(const QString& s) {
    static const QRegularExpression code("^ *-?[0-9]+$");
    return code.match(s).hasMatch();
}

// Code (1-10), seven blanks, value (18-58), ten blanks, name (69-84).
bool LigneParNoeud(std::u32string_view l, LigneResultat& r) {
    if (l.size() < 58 || l.size() > 84) return false;
    const QString code = Colonnes(l, 1, 10), valeur = ValeurSansRemplissage(Colonnes(l, 18, 41));
    if (!EstCode(code) || !EstBlanc(Colonnes(l, 11, 7)) || valeur.isEmpty()) return false;
    if (l.size() > 58 && (l.size() < 68 || !EstBlanc(Colonnes(l, 59, 10)))) return false;
    r.champs = {code.trimmed(), Colonnes(l, 69, 16).trimmed(), valeur};
    r.valeur = valeur.toDouble();
    return true;
}

// Code i (1-10), name i (12-27), code j (29-38), name j (40-55), seven blanks, value from 63
// (41 characters, 42 with a sign).
bool LigneParCouple(std::u32string_view l, LigneResultat& r) {
    if (l.size() != 103 && l.size() != 104) return false;
    const QString codeI = Colonnes(l, 1, 10), codeJ = Colonnes(l, 29, 10);
    const QString valeur = ValeurSansRemplissage(Colonnes(l, 63, 42));
    if (!EstCode(codeI) || !EstCode(codeJ) || valeur.isEmpty()) return false;
    if (l[10] != U' ' || l[27] != U' ' || l[38] != U' ' || !EstBlanc(Colonnes(l, 56, 7)))
        return false;
    r.champs = {codeI.trimmed(), Colonnes(l, 12, 16).trimmed(), codeJ.trimmed(),
                Colonnes(l, 40, 16).trimmed(), valeur};
    r.valeur = valeur.toDouble();
    return true;
}

}  // namespace

QString ValeurSansRemplissage(const QString& champ) {
    static const QRegularExpression nombre("^(-?)([0-9]+)(?:\\.([0-9]*))?$");
    const QRegularExpressionMatch m = nombre.match(champ);
    if (!m.hasMatch()) return {};
    QString entier = m.captured(2), decimales = m.captured(3);
    while (entier.size() > 1 && entier.startsWith('0')) entier.remove(0, 1);
    while (decimales.endsWith('0')) decimales.chop(1);
    QString r = entier;
    if (!decimales.isEmpty()) r += '.' + decimales;
    if (!m.captured(1).isEmpty() && r != "0") r.prepend('-');
    return r;
}

TableauResultat LitTableauResultat(const std::vector<std::u32string>& lignes) {
    const std::pair<DispositionResultat, bool (*)(std::u32string_view, LigneResultat&)>
        dispositions[] = {{DispositionResultat::ParNoeud, LigneParNoeud},
                          {DispositionResultat::ParCouple, LigneParCouple}};
    for (const auto& [disposition, lit] : dispositions) {
        TableauResultat t;
        bool lisible = true;
        for (const std::u32string& ligne : lignes) {
            std::u32string_view l = ligne;
            while (!l.empty() && (l.back() == U'\r' || l.back() == U'\n')) l.remove_suffix(1);
            if (l.find_first_not_of(U' ') == std::u32string_view::npos) continue;
            LigneResultat r;
            if (!lit(l, r)) {
                lisible = false;
                break;
            }
            t.lignes.push_back(std::move(r));
        }
        if (!lisible || t.lignes.empty()) continue;
        t.disposition = disposition;
        if (disposition == DispositionResultat::ParNoeud) {
            t.entetes = {"Code", "Nom", "Valeur"};
            t.colonneValeur = 2;
        } else {
            t.entetes = {"Code origine", "Nom origine", "Code destination", "Nom destination",
                         "Valeur"};
            t.colonneValeur = 4;
        }
        return t;
    }
    return {};
}

}  // namespace vek
