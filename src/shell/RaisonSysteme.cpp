#include "shell/RaisonSysteme.h"

#include <cerrno>

namespace vek {

std::string RaisonSysteme(int code) {
    switch (code) {
        case EACCES:
            return "Permission non accordée";
        case EPERM:
            return "Opération non permise";
        case ENOSPC:
            return "Plus de place sur le périphérique";
        case ENOENT:
            return "Aucun fichier ou dossier de ce type";
        case ENOTDIR:
            return "N'est pas un dossier";
        case EISDIR:
            return "Est un dossier";
        case EROFS:
            return "Système de fichiers accessible en lecture seulement";
        case EDQUOT:
            return "Quota de disque dépassé";
        case EFBIG:
            return "Fichier trop volumineux";
        case EIO:
            return "Erreur d'entrée-sortie";
        case ENAMETOOLONG:
            return "Nom de fichier trop long";
        case ELOOP:
            return "Trop de niveaux de liens symboliques";
        case EMFILE:
        case ENFILE:
            return "Trop de fichiers ouverts";
        case EBUSY:
            return "Périphérique ou ressource occupé";
        case ETXTBSY:
            return "Fichier texte occupé";
        case EEXIST:
            return "Le fichier existe";
        case ENOMEM:
            return "Impossible d'allouer de la mémoire";
        case EINVAL:
            return "Argument invalide";
        case ENXIO:
            return "Aucun périphérique ou adresse de ce type";
        case ENODEV:
            return "Aucun périphérique de ce type";
        case EXDEV:
            return "Lien croisé de périphérique invalide";
        case EAGAIN:
            return "Ressource temporairement non disponible";
        case EPIPE:
            return "Relais brisé (pipe)";
        default:
            return "erreur système no. " + std::to_string(code);
    }
}

}  // namespace vek
