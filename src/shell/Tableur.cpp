#include "shell/Tableur.h"

#include <unistd.h>
#include <xlsxwriter.h>

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

void EcritureClasseurListeCouples(const Etat& e, const std::string& cheminClasseur) {
    const std::string fichier = CheminDe(e, cheminClasseur).string();
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;  // rows go to disk as they are written
    lxw_workbook* classeur = workbook_new_opt(fichier.c_str(), &options);
    if (!classeur) throw ErreurFichier(Erreur(cheminClasseur, LXW_ERROR_MEMORY_MALLOC_FAILED));
    lxw_worksheet* feuille = workbook_add_worksheet(classeur, "Feuil1");
    if (!feuille) {
        workbook_close(classeur);
        throw ErreurFichier(Erreur(cheminClasseur, LXW_ERROR_CREATING_TMPFILE));
    }
    lxw_error code = LXW_NO_ERROR;
    const lxw_row_t lignes =
        std::min<lxw_row_t>(static_cast<lxw_row_t>(std::max(e.NbCouples, 0)), kLignesFeuille);
    for (lxw_row_t n = 0; n < lignes && code == LXW_NO_ERROR; ++n) {
        const Couple& p = e.ListeCouples[n + 1];
        const std::string nom = p.I >= 1 && p.I <= e.NbNoeuds
                                    ? Gauche(e.Noeuds[static_cast<std::size_t>(p.I)].Nom, 16)
                                    : std::string();
        code = worksheet_write_string(feuille, n, 0, nom.c_str(), nullptr);
        if (code != LXW_NO_ERROR) break;
        if (std::isfinite(p.Valeur))
            code = worksheet_write_number(feuille, n, 1, p.Valeur, nullptr);
        else
            code = worksheet_write_string(feuille, n, 1, TexteNombre(p.Valeur).c_str(), nullptr);
    }
    if (lignes > 0) worksheet_set_selection(feuille, 0, 0, lignes - 1, 1);
    lxw_error fermeture = workbook_close(classeur);
    if (code == LXW_NO_ERROR) code = fermeture;
    if (code != LXW_NO_ERROR) throw ErreurFichier(Erreur(cheminClasseur, code));
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

void LanceTableur(Etat& e, const std::string& fichier) {
    e.Ihm.LanceProgramme(ProgrammeTableur(e), CheminDe(e, fichier).string());
}

void MontreSurCarte(Etat& e, const std::string& fichier) {
    e.Ihm.Message("Le fichier destiné à la carte est écrit : " + CheminDe(e, fichier).string() +
                      ". La carte n'est pas disponible dans cette version.",
                  Boutons::Ok, Icone::Information, kTitreVek);
}

}  // namespace vek
