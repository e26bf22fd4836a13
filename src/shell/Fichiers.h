#pragma once
// File checks with their messages, the system's path texts on this machine, and the viewers.

#include <filesystem>
#include <optional>
#include <string>

namespace vek {

struct EtatIhm;

inline constexpr const char* kTitreVek = "VEK";

// The system's path text mapped onto this machine.
std::filesystem::path CheminDe(const EtatIhm& e, const std::string& texte);

// True when the path names an existing regular file; otherwise says why in a message box.
// An unexpected error of the look-up ends the program after its message (ErreurFatale).
bool FichierExiste(EtatIhm& e, const std::string& texte);

// Opens a text file in the text editor, without waiting.
void OuvreDansEditeur(EtatIhm& e, const std::string& texte);

// "Changer de fichier" of the options dialogs: the chooser opened on a section's folder with
// its file proposed; the chosen file's name without its folder, or nothing when cancelled.
std::optional<std::string> NomFichierChoisi(EtatIhm& e, const std::string& repertoire,
                                            const std::string& nomPropose);

// A result file path: RepResultats followed by a name such as "\NoeudVal.dat".
std::string CheminResultat(const EtatIhm& e, const std::string& nom);

}  // namespace vek
