#pragma once
// A reader of comma-separated text as the feeds write it: a header line naming the columns,
// fields in double quotes holding commas, quotes ("" inside) or line breaks, CRLF or LF line
// ends, an optional UTF-8 byte order mark. Every fault names the file and its line (the header
// is line 1, a record's line is the one it starts on).

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vek {

// A fault of the data read: the message names the file and the line.
class ErreurFlux : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class LecteurCsv {
  public:
    // Reads the header; an empty file or text that is not UTF-8 is refused.
    LecteurCsv(std::string octets, std::string fichier);

    // The index of a column, -1 when the header does not name it.
    int Colonne(std::string_view nom) const;
    // The index of a column the file must have.
    int ColonneRequise(std::string_view nom) const;

    // The next record; false at the end of the file. Blank lines are skipped.
    bool Suivant();
    // A field of the current record; empty when the column is absent or the record short.
    std::string_view Champ(int colonne) const;
    int Ligne() const { return ligne_; }
    const std::string& Fichier() const { return fichier_; }

    // Refuses the current record (or the header, line 1 before the first record).
    [[noreturn]] void Erreur(const std::string& texte) const;

  private:
    bool LitEnregistrement(std::vector<std::string>& champs);

    std::string octets_, fichier_;
    std::size_t pos_ = 0;
    int ligneSuivante_ = 1;  // the line at pos_
    int ligne_ = 1;          // the line of the current record
    std::vector<std::string> entete_, champs_;
};

}  // namespace vek
