#pragma once
// Writes the fixed-width fields of one file and keeps track of the values that cannot fit:
// such a field is filled with '*' so that the columns hold, and one message at the end names
// how many there were and where the first one is.

#include <cstdint>
#include <string>
#include <string_view>

namespace vek {

struct EtatIhm;

class ControleChamps {
  public:
    void Ligne(std::int64_t numero) { ligne_ = numero; }
    std::string Entier(std::int64_t valeur, std::string_view motif, std::string_view nom);
    std::string Reel(double valeur, std::string_view motif, std::string_view nom);
    std::string Reel(float valeur, std::string_view motif, std::string_view nom);
    std::int64_t Refus() const { return refus_; }
    // One message when some values could not be written.
    void Signale(EtatIhm& e, const std::string& fichier) const;

  private:
    std::string Etoiles(std::string_view motif, std::string_view nom, const std::string& detail);
    std::int64_t ligne_ = 0;
    std::int64_t refus_ = 0;
    std::string premier_;
};

}  // namespace vek
