#include "shell/Champs.h"

#include "shell/Erreurs.h"
#include "shell/EtatIhm.h"
#include "shell/Format.h"

namespace vek {

std::string ControleChamps::Etoiles(std::string_view motif, std::string_view nom,
                                    const std::string& detail) {
    if (refus_++ == 0)
        premier_ =
            "ligne " + std::to_string(ligne_) + ", champ " + std::string(nom) + " : " + detail;
    return std::string(motif.size(), '*');
}

std::string ControleChamps::Entier(std::int64_t valeur, std::string_view motif,
                                   std::string_view nom) {
    try {
        return Champ(valeur, motif);
    } catch (const ValeurHorsChamp& x) {
        return Etoiles(motif, nom, x.what());
    }
}

std::string ControleChamps::Reel(double valeur, std::string_view motif, std::string_view nom) {
    try {
        return Champ(valeur, motif);
    } catch (const ValeurHorsChamp& x) {
        return Etoiles(motif, nom, x.what());
    }
}

std::string ControleChamps::Reel(float valeur, std::string_view motif, std::string_view nom) {
    try {
        return Champ(valeur, motif);
    } catch (const ValeurHorsChamp& x) {
        return Etoiles(motif, nom, x.what());
    }
}

void ControleChamps::Signale(EtatIhm& e, const std::string& fichier) const {
    if (refus_ == 0) return;
    e.Ihm.Message(std::to_string(refus_) +
                      " valeur(s) trop grande(s) pour leur colonne ont été écrites en '*' dans " +
                      fichier + "\nPremière : " + premier_,
                  Boutons::Ok, Icone::Exclamation, "VEK");
}

}  // namespace vek
