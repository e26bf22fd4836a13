#include "shell/Tableur.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "shell/Erreurs.h"
#include "shell/Etat.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Texte.h"

namespace vek {

namespace {

constexpr lxw_row_t kLignesFeuille = 1048576;  // rows of a worksheet

bool Executable(const std::string& programme) {
    const char* chemin = std::getenv("PATH");
    if (!chemin) return false;
    std::string_view reste(chemin);
    while (!reste.empty()) {
        std::size_t fin = reste.find(':');
        std::string_view dossier = reste.substr(0, fin);
        if (!dossier.empty()) {
            std::string complet = std::string(dossier) + "/" + programme;
            if (::access(complet.c_str(), X_OK) == 0) return true;
        }
        if (fin == std::string_view::npos) break;
        reste.remove_prefix(fin + 1);
    }
    return false;
}

std::string Erreur(const std::string& chemin, lxw_error code) {
    return "Le classeur " + chemin + " ne peut pas être écrit : " + lxw_strerror(code);
}

}  // namespace

std::string CheminClasseur(const std::string& cheminTexte) {
    std::size_t separateur = cheminTexte.find_last_of("\\/:");
    std::size_t point = cheminTexte.rfind('.');
    if (point != std::string::npos && (separateur == std::string::npos || point > separateur))
        return cheminTexte.substr(0, point) + ".xlsx";
    return cheminTexte + ".xlsx";
}

void EcritureClasseur(const Etat& e, const std::string& cheminClasseur,
                      const std::vector<std::pair<std::string, double>>& lignes,
                      const std::string& graphique) {
    const std::string fichier = CheminDe(e, cheminClasseur).string();
    lxw_workbook_options options{};
    // Rows go to disk as they are written; a chart needs the sheet in memory.
    options.constant_memory = graphique.empty() ? LXW_TRUE : LXW_FALSE;
    lxw_workbook* classeur = workbook_new_opt(fichier.c_str(), &options);
    if (!classeur) throw ErreurFichier(Erreur(cheminClasseur, LXW_ERROR_MEMORY_MALLOC_FAILED));
    lxw_worksheet* feuille = workbook_add_worksheet(classeur, "Feuil1");
    if (!feuille) {
        workbook_close(classeur);
        throw ErreurFichier(Erreur(cheminClasseur, LXW_ERROR_CREATING_TMPFILE));
    }
    lxw_error code = LXW_NO_ERROR;
    const lxw_row_t n = std::min<lxw_row_t>(static_cast<lxw_row_t>(lignes.size()), kLignesFeuille);
    for (lxw_row_t r = 0; r < n && code == LXW_NO_ERROR; ++r) {
        code = worksheet_write_string(feuille, r, 0, lignes[r].first.c_str(), nullptr);
        if (code != LXW_NO_ERROR) break;
        const double v = lignes[r].second;
        code = std::isfinite(v)
                   ? worksheet_write_number(feuille, r, 1, v, nullptr)
                   : worksheet_write_string(feuille, r, 1, TexteNombre(v).c_str(), nullptr);
    }
    if (n > 0) worksheet_set_selection(feuille, 0, 0, n - 1, 1);
    if (code == LXW_NO_ERROR && !graphique.empty() && n > 0) {
        lxw_chart* chart = workbook_add_chart(classeur, LXW_CHART_COLUMN);
        const std::string fin = std::to_string(n);
        lxw_chart_series* serie = chart_add_series(chart, ("=Feuil1!$A$1:$A$" + fin).c_str(),
                                                   ("=Feuil1!$B$1:$B$" + fin).c_str());
        chart_series_set_name(serie, graphique.c_str());
        chart_title_set_name(chart, graphique.c_str());
        chart_legend_set_position(chart, LXW_CHART_LEGEND_NONE);
        code = worksheet_insert_chart(feuille, 0, 3, chart);
    }
    lxw_error fermeture = workbook_close(classeur);
    if (code == LXW_NO_ERROR) code = fermeture;
    if (code != LXW_NO_ERROR) throw ErreurFichier(Erreur(cheminClasseur, code));
}

void EcritureClasseurListeCouples(const Etat& e, const std::string& cheminClasseur) {
    std::vector<std::pair<std::string, double>> lignes;
    const auto n = static_cast<std::size_t>(std::max(e.NbCouples, 0));
    lignes.reserve(n);
    for (std::size_t k = 1; k <= n; ++k) {
        const Couple& p = e.ListeCouples[k];
        lignes.emplace_back(p.I >= 1 && p.I <= e.NbNoeuds
                                ? Gauche(e.Noeuds[static_cast<std::size_t>(p.I)].Nom, 16)
                                : std::string(),
                            p.Valeur);
    }
    EcritureClasseur(e, cheminClasseur, lignes);
}

std::string EnvoiTableur(Etat& e, const std::string& cheminTexte) {
    const std::string classeur = CheminClasseur(cheminTexte);
    EcritureClasseurListeCouples(e, classeur);
    if (e.NbCouples > static_cast<std::int32_t>(kLignesFeuille))
        e.Ihm.Message("La feuille ne peut contenir que " +
                          TexteNombre(std::int64_t{kLignesFeuille}) + " lignes : le classeur " +
                          classeur + " reçoit les premières des " +
                          TexteNombre(std::int64_t{e.NbCouples}) + " valeurs, le fichier " +
                          cheminTexte + " les contient toutes.",
                      Boutons::Ok, Icone::Exclamation, kTitreVek);
    LanceTableur(e, classeur);
    return classeur;
}

std::string ProgrammeTableur(const Etat& e) {
    if (!e.Tableur.empty()) return e.Tableur;
    for (const char* programme : {"localc", "libreoffice", "gnumeric", "soffice"})
        if (Executable(programme)) return programme;
    return "xdg-open";
}

std::string EnvoiTableurValeursNoeuds(Etat& e, const std::string& cheminTexte) {
    const std::string classeur = CheminClasseur(cheminTexte);
    std::vector<std::pair<std::string, double>> lignes;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i)
        lignes.emplace_back(Gauche(e.Noeuds[static_cast<std::size_t>(i)].Nom, 16),
                            static_cast<std::size_t>(i) < e.ValeursNoeuds.size()
                                ? e.ValeursNoeuds[static_cast<std::size_t>(i)]
                                : 0);
    EcritureClasseur(e, classeur, lignes);
    LanceTableur(e, classeur);
    return classeur;
}

void LanceTableur(Etat& e, const std::string& fichier) {
    e.Ihm.LanceProgramme(ProgrammeTableur(e), CheminDe(e, fichier).string());
}

void MontreSurCarte(Etat& e, const std::string& fichier) {
    e.Ihm.Message("Le fichier destiné à la carte est écrit : " + CheminDe(e, fichier).string() +
                      ". La carte n'est pas disponible dans cette version.",
                  Boutons::Ok, Icone::Information, kTitreVek);
}

}  // namespace vek
