// libFuzzer target: the node reader on any bytes. At most kMaxNoeudsFuzz nodes are read, so
// one run stays short; the tables it fills must stay consistent.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Fichiers.h"
#include "PortFuzz.h"
#include "network/FichierNoeuds.h"
#include "shell/Texte.h"
#include "vek/Etat.h"

namespace {
constexpr std::int32_t kMaxNoeudsFuzz = 200;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    using namespace vek;
    const std::string chemin = fuzz::Dossier().Ecrit("n.dat", fuzz::Octets(donnees, taille));
    // One state for every run (building it costs more than a read): the reader fills its
    // tables from empty each time.
    static fuzz::PortFuzz port;
    static Etat e(port);
    e.NoeudsLus.assign(1, Noeud{});
    e.NbNoeudsLus = 0;
    auto nb = LectureFichierNoeuds(e, chemin, kMaxNoeudsFuzz);
    if (!nb) return 0;
    if (*nb != e.NbNoeudsLus || e.NbNoeudsLus < 0 || e.NbNoeudsLus > kMaxNoeudsFuzz ||
        e.NoeudsLus.size() != static_cast<std::size_t>(e.NbNoeudsLus) + 1)
        std::abort();
    for (std::int32_t i = 1; i <= e.NbNoeudsLus; ++i)
        if (!EstUtf8Valide(e.NoeudsLus[i].Nom)) std::abort();
    return 0;
}
