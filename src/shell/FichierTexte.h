#pragma once
// Plain text files as the system reads and writes them: one record per line, CR LF, LF or a
// lone CR ending a line on reading, CR LF on writing; UTF-8 when the whole file is valid UTF-8,
// Windows-1252 otherwise, and written back in the encoding it was read in. A UTF-16 file is
// recognised (by its mark, or by the zero bytes of its first characters) so that readers can
// refuse it.

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/Remplacement.h"

namespace vek {

enum class Encodage { Utf8, Windows1252 };
enum class Utf16 { Non, PetitBoutiste, GrandBoutiste };

struct TexteLu {
    std::vector<std::u32string> lignes;  // one entry a record, line ends removed
    std::size_t nombreLignes = 0;        // records in the whole file, kept or not
    Encodage encodage = Encodage::Windows1252;
    bool marqueUtf8 = false;   // the file started with a UTF-8 byte-order mark
    Utf16 utf16 = Utf16::Non;  // the file looks like UTF-16 (its lines are then meaningless)
};

// One record handed out by ParcourtFichierTexte.
struct LigneLue {
    std::u32string_view texte;  // decoded, line end removed, cut as asked
    std::size_t numero = 0;     // 1 for the first line of the file
    bool derniere = false;      // no record follows
    bool finie = false;         // ended by a line end (false for a last line cut short)
};

inline constexpr std::size_t kIllimite = static_cast<std::size_t>(-1);

bool EstUtf8Valide(std::string_view octets);
char32_t CaractereWindows1252(unsigned char octet);
// The Windows-1252 byte of a character; '?' for a character the encoding lacks.
unsigned char OctetWindows1252(char32_t c);

// Splits and decodes the bytes of a whole file, keeping the first `maxLignes` records and of
// each its first `maxCaracteres` characters (or somewhat more).
TexteLu DecodeTexte(std::string_view octets, std::size_t maxLignes = kIllimite,
                    std::size_t maxCaracteres = kIllimite);
// Encodes one UTF-8 text in the given encoding.
std::string EncodeTexte(std::string_view utf8, Encodage encodage);

// Reads a file in one pass, holding the records kept (at most `maxLignes`, each cut as above)
// and one piece of the file at a time; false when it cannot be opened or read.
bool LitFichierTexte(const std::filesystem::path& chemin, TexteLu& resultat,
                     std::size_t maxLignes = kIllimite, std::size_t maxCaracteres = kIllimite);

// Reads a file record by record with memory bounded by one record, whatever the number of its
// lines: a first pass settles the encoding and counts the records (in `apercu`, whose `lignes`
// stay empty), a second hands each record, decoded and cut to its first `maxCaracteres`
// characters (or somewhat more), to `traite`, until it returns false. `traite` is not called
// for a file that looks like UTF-16. False when the file cannot be opened or read.
bool ParcourtFichierTexte(const std::filesystem::path& chemin, TexteLu& apercu,
                          std::size_t maxCaracteres,
                          const std::function<bool(const LigneLue&)>& traite);

// Writes a text file line by line, each line ended by CR LF, beside the previous file and in
// its place only when Ferme has flushed it whole: a writer destroyed before, or a write that
// fails, leaves the previous file as it was. Throws ErreurFichier when the file cannot be
// created or written; the message names the file by its path on this machine (`chemin`, one
// separator style whatever the text the caller shows as `nomAffiche`) and the system's reason.
class EcrivainTexte {
  public:
    EcrivainTexte(const std::filesystem::path& chemin, std::string nomAffiche,
                  Encodage encodage = Encodage::Utf8, bool marqueUtf8 = false);
    void Ligne(std::string_view utf8);
    void Ferme();

  private:
    void Vide();

    Remplacement fichier_;
    std::string tampon_;
    Encodage encodage_;
};

}  // namespace vek
