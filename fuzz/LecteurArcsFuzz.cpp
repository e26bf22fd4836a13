// libFuzzer target: the arc reader on any bytes, the nodes of a small fixed network read
// first so that the arcs are indexed against them. At most kMaxArcsFuzz - 1 arcs are read.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Fichiers.h"
#include "PortFuzz.h"
#include "network/FichierArcs.h"
#include "network/FichierNoeuds.h"
#include "shell/Texte.h"
#include "vek/Etat.h"

namespace {

constexpr std::int32_t kMaxArcsFuzz = 400;

// Five nodes of the example, with the codes its arcs use.
const char kNoeuds[] =
    "Brenne-la-Ville                                    1601000001 00148200 0100.250 0102.400 "
    "0000.00000\r\n"
    "Angoulême                                          0005486298 00061350 0062.800 0088.150 "
    "0000.00000\r\n"
    "Lès-Forges                                         1601000005 00012700 0118.400 0064.300 "
    "0000.00000\r\n"
    "Vaux-la-Rivière                                    1601000008 00006420 0082.350 0095.600 "
    "0000.00000\r\n"
    "Écouzac                                            1601000013 00003560 0092.700 0134.500 "
    "0000.00000\r\n";

const std::string& CheminNoeuds() {
    static const std::string chemin = vek::fuzz::Dossier().Ecrit("n-fixe.dat", kNoeuds);
    return chemin;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    using namespace vek;
    const std::string chemin = fuzz::Dossier().Ecrit("a.dat", fuzz::Octets(donnees, taille));
    // One state for every run (building it costs more than a read), its nodes read once: the
    // reader fills its tables from empty each time.
    static fuzz::PortFuzz port;
    static Etat e(port);
    static const bool noeudsLus = LectureFichierNoeuds(e, CheminNoeuds(), kMaxNoeuds).has_value();
    if (!noeudsLus || e.NbNoeudsLus != 5) std::abort();
    e.ArcsLus.assign(1, Arc{});
    e.NbArcsLus = 0;
    auto nb = LectureFichierArcs(e, chemin, kMaxArcsFuzz);
    if (!nb) return 0;
    if (*nb != e.NbArcsLus || e.NbArcsLus < 0 || e.NbArcsLus >= kMaxArcsFuzz ||
        e.ArcsLus.size() != static_cast<std::size_t>(e.NbArcsLus) + 1)
        std::abort();
    for (std::int32_t a = 1; a <= e.NbArcsLus; ++a) {
        const Arc& arc = e.ArcsLus[a];
        for (std::int32_t indice : {arc.IndiceOrigine, arc.IndiceDestination})
            if (indice < 0 || indice > e.NbNoeudsLus) std::abort();
        if (!EstUtf8Valide(arc.EtiquetteOrigine) || !EstUtf8Valide(arc.EtiquetteDestination))
            std::abort();
    }
    return 0;
}
