#include "shell/Memoire.h"

#include <fstream>
#include <sstream>

#include "shell/Erreurs.h"

namespace vek {

std::uint64_t MemoireDisponible() {
    std::ifstream f("/proc/meminfo");
    std::string nom;
    std::uint64_t valeur = 0;
    std::string unite;
    while (f >> nom >> valeur >> unite)
        if (nom == "MemAvailable:") return valeur * 1024;
    return 0;
}

void VerifieMemoire(std::uint64_t octets, const std::string& quoi) {
    const std::uint64_t disponible = MemoireDisponible();
    if (disponible == 0 || octets <= disponible) return;
    std::ostringstream t;
    t << "Mémoire insuffisante pour " << quoi << " : " << (octets >> 20) << " Mo nécessaires, "
      << (disponible >> 20) << " Mo disponibles.";
    throw ErreurMemoire(t.str());
}

}  // namespace vek
