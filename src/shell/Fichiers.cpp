#include "shell/Fichiers.h"

#include <cerrno>
#include <system_error>

#include "shell/Chemins.h"
#include "shell/Erreurs.h"
#include "shell/EtatIhm.h"
#include "shell/Format.h"

namespace vek {

std::filesystem::path CheminDe(const EtatIhm& e, const std::string& texte) {
    return CheminSysteme(texte, e.Disques);
}

bool FichierExiste(EtatIhm& e, const std::string& texte) {
    for (;;) {
        std::error_code ec;
        auto statut = std::filesystem::status(CheminDe(e, texte), ec);
        if (!ec && std::filesystem::is_regular_file(statut)) return true;
        if (!ec && std::filesystem::exists(statut)) {
            e.Ihm.Message("Ce chemin ne désigne pas un fichier : " + texte, Boutons::Ok,
                          Icone::Exclamation, kTitreVek);
            return false;
        }
        int code = ec ? ec.value() : ENOENT;
        if (code == ENOENT || code == ENOTDIR || texte.empty()) {
            e.Ihm.Message("Ce fichier ou répertoire n'existe pas : " + texte, Boutons::Ok,
                          Icone::Exclamation, kTitreVek);
            return false;
        }
#ifdef ENOMEDIUM
        if (code == ENOMEDIUM) {
            if (e.Ihm.Message("Placez une disquette dans le lecteur et fermez le volet",
                              Boutons::OkAnnuler, Icone::Exclamation, kTitreVek) == Reponse::Ok)
                continue;
            return false;
        }
#endif
        if (code == EACCES || code == ELOOP || code == ENAMETOOLONG || code == ENODEV ||
            code == ENXIO) {
            e.Ihm.Message("Ce lecteur ou chemin ou fichier n'existe pas : " + texte, Boutons::Ok,
                          Icone::Exclamation, kTitreVek);
            return false;
        }
        std::string texteErreur =
            "L'erreur inattendue no. " + Str(code) + " s'est produite : " + ec.message();
        e.Ihm.Message(texteErreur, Boutons::Ok, Icone::Critique, kTitreVek);
        throw ErreurFatale(texteErreur);
    }
}

void OuvreDansEditeur(EtatIhm& e, const std::string& texte) {
    e.Ihm.LanceProgramme(e.Editeur, CheminDe(e, texte).string());
}

std::string CheminResultat(const EtatIhm& e, const std::string& nom) {
    return e.RepResultats + nom;
}

std::optional<std::string> NomFichierChoisi(EtatIhm& e, const std::string& repertoire,
                                            const std::string& nomPropose) {
    DemandeFichier demande;
    demande.titre = "Fichier";
    demande.filtre = "Tous fichiers(*.*)|*.*|Data(*.dat)|*.dat";
    demande.indexFiltre = 2;
    demande.repertoire = repertoire;
    demande.nomPropose = nomPropose;
    const auto choisi = e.Ihm.ChoixFichier(demande);
    if (!choisi || choisi->empty()) return std::nullopt;
    return NomDe(*choisi);
}

}  // namespace vek
