// libFuzzer target: the whole load of a small network. The input is the node file, a line
// "####", then the arc file (no such line: all nodes, no arcs). The network is opened as
// "&Ouvrir... " does (which builds the minimal-arc matrix), then the shortest paths are computed
// and the validity test runs with every removal accepted. At most kMaxNoeudsFuzz nodes and
// kMaxArcsFuzz - 1 arcs are read, so one run stays short.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "Fichiers.h"
#include "PortFuzz.h"
#include "network/Chargement.h"
#include "paths/Floyd.h"
#include "paths/MatriceArcsMin.h"
#include "validation/TestValidite.h"
#include "vek/Demarrage.h"
#include "vek/Etat.h"

namespace {

constexpr std::int32_t kMaxNoeudsFuzz = 60;
constexpr std::int32_t kMaxArcsFuzz = 400;
constexpr std::string_view kSeparation = "####\n";

// The port of the load: the two files for the two choosers, then as PortFuzz.
class PortChargement : public vek::fuzz::PortFuzz {
  public:
    PortChargement(std::string noeuds, std::string arcs)
        : fichiers_{std::move(noeuds), std::move(arcs)} {}
    std::optional<std::string> ChoixFichier(const vek::DemandeFichier&) override {
        if (suivant_ >= 2) return std::nullopt;
        return fichiers_[suivant_++];
    }

  private:
    std::string fichiers_[2];
    int suivant_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    using namespace vek;
    const std::string_view tout = fuzz::Octets(donnees, taille);
    std::string_view noeuds = tout, arcs;
    if (tout.substr(0, kSeparation.size()) == kSeparation) {
        noeuds = {};
        arcs = tout.substr(kSeparation.size());
    } else if (const std::size_t p = tout.find("\n" + std::string(kSeparation));
               p != std::string_view::npos) {
        noeuds = tout.substr(0, p + 1);  // the node file keeps its last line end
        arcs = tout.substr(p + 1 + kSeparation.size());
    }
    const auto& dossier = fuzz::Dossier();
    PortChargement port(dossier.Ecrit("n.dat", noeuds), dossier.Ecrit("a.dat", arcs));
    Etat e(port);
    Demarrage(e);
    e.RepResultats = dossier.Chemin().string();
    e.MaxNoeuds = kMaxNoeudsFuzz;
    e.MaxArcs = kMaxArcsFuzz;
    if (!OuvertureReseau(e, [&e] { CalculMatriceArcsMin(e); })) return 0;
    CalculCheminsMinimaux(e);
    menTestValiditéFichiers(e);
    return 0;
}
