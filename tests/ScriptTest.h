#pragma once
// A program state driven by the headless port, as vek-batch drives it: answers queued in
// the order the commands ask for them.

#include <sstream>
#include <string>
#include <vector>

#include "Outils.h"
#include "shell/PortScript.h"
#include "vek/Demarrage.h"
#include "vek/Etat.h"

namespace vek::test {

struct SessionScript {
    std::ostringstream sortie;
    PortScript port{sortie};
    Etat e{port};
    DossierTemporaire dossier;
    SessionScript() {
        Demarrage(e);
        e.Disques.dossiers['c'] = dossier.Chemin().string();
        e.RepResultats = "c:";
    }
    void Fichier(const std::string& chemin) {
        port.Ajoute({TypeReponse::Fichier, true, chemin, {}});
    }
    void Dialogue(const std::string& nom, std::vector<std::string> reglages) {
        port.Ajoute({TypeReponse::Dialogue, true, nom, std::move(reglages)});
    }
    void Ecrit(const std::string& relatif, const std::string& octets) {
        auto chemin = dossier.Chemin() / relatif;
        std::filesystem::create_directories(chemin.parent_path());
        EcritOctets(chemin.string(), octets);
    }
    Issue Menu(const std::string& nom) { return ExecuteCommande(e, nom); }
    int Compte(const std::string& fragment) const {
        std::string s = sortie.str();
        int n = 0;
        for (std::size_t p = s.find(fragment); p != std::string::npos; p = s.find(fragment, p + 1))
            ++n;
        return n;
    }
};

}  // namespace vek::test
