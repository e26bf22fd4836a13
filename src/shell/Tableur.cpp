#include "shell/Tableur.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "shell/Echecs.h"
#include "shell/Erreurs.h"
#include "shell/EtatIhm.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Remplacement.h"
#include "shell/Texte.h"

namespace vek {

namespace {

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

void EcritureClasseur(const EtatIhm& e, const std::string& cheminClasseur,
                      const std::vector<std::pair<std::string, double>>& lignes,
                      const std::string& graphique) {
    const std::string fichier = CheminDe(e, cheminClasseur).string();
    // The workbook is written beside the previous one and put in its place once complete.
    Remplacement sortie{std::filesystem::path(fichier)};
    sortie.Cede();
    auto echec = [&](lxw_error code) {
        SignaleEchec();
        return ErreurFichier(Erreur(fichier, code));
    };
    lxw_workbook_options options{};
    // Rows go to disk as they are written; a chart needs the sheet in memory.
    options.constant_memory = graphique.empty() ? LXW_TRUE : LXW_FALSE;
    lxw_workbook* classeur = workbook_new_opt(sortie.Ecrit().c_str(), &options);
    if (!classeur) throw echec(LXW_ERROR_MEMORY_MALLOC_FAILED);
    lxw_worksheet* feuille = workbook_add_worksheet(classeur, "Feuil1");
    if (!feuille) {
        workbook_close(classeur);
        throw echec(LXW_ERROR_CREATING_TMPFILE);
    }
    lxw_error code = LXW_NO_ERROR;
    const lxw_row_t n = std::min<lxw_row_t>(static_cast<lxw_row_t>(lignes.size()),
                                            static_cast<lxw_row_t>(kLignesFeuille));
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
    errno = 0;
    lxw_error fermeture = workbook_close(classeur);
    const int systeme = errno;
    if (code == LXW_NO_ERROR) code = fermeture;
    if (code != LXW_NO_ERROR) {
        // A failure of the file itself is told in the system's words.
        if (systeme != 0 &&
            (code == LXW_ERROR_CREATING_XLSX_FILE || code == LXW_ERROR_ZIP_FILE_OPERATION ||
             code == LXW_ERROR_ZIP_FILE_ADD || code == LXW_ERROR_ZIP_CLOSE))
            sortie.Echoue(systeme);
        throw echec(code);
    }
    sortie.Termine();
}

std::string ProgrammeTableur(const EtatIhm& e) {
    if (!e.Tableur.empty()) return e.Tableur;
    for (const char* programme : {"localc", "libreoffice", "gnumeric", "soffice"})
        if (Executable(programme)) return programme;
    return "xdg-open";
}

void LanceTableur(EtatIhm& e, const std::string& fichier) {
    e.Ihm.LanceProgramme(ProgrammeTableur(e), CheminDe(e, fichier).string());
}

void MontreSurCarte(EtatIhm& e, const std::string& fichier) {
    if (e.Ihm.MontreCarte(CheminDe(e, fichier).string())) return;
    e.Ihm.Message("Le fichier destiné à la carte est écrit : " + CheminDe(e, fichier).string() +
                      ". La carte se dessine dans la fenêtre de VEK, ou par l'instruction "
                      "« carte » de vek-batch.",
                  Boutons::Ok, Icone::Information, kTitreVek);
}

}  // namespace vek
