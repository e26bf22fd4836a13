#include "formats/ReseauImporte.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unordered_map>

#include "network/EtatReseau.h"
#include "network/FichierArcs.h"
#include "network/FichierNoeuds.h"
#include "shell/Erreurs.h"
#include "shell/PortMuet.h"

namespace vek {

namespace {

// The writers' port: what they report (a value out of its column) is kept to refuse.
class PortRecueil : public PortMuet {
  public:
    std::vector<std::string> messages;
    Reponse Message(const std::string& texte, Boutons, Icone, const std::string&) override {
        messages.push_back(texte);
        return Reponse::Ok;
    }
};

}  // namespace

bool EcritReseauImporte(const std::string& dossier, const std::vector<Noeud>& noeuds,
                        const std::vector<Arc>& arcs, RapportImport& rapport) {
    namespace fs = std::filesystem;
    rapport.reussi = false;
    std::error_code ec;
    fs::create_directories(dossier, ec);
    if (!fs::is_directory(dossier)) {
        rapport.message = "Le dossier " + dossier + " ne peut pas être créé.";
        return false;
    }
    PortRecueil port;
    EtatReseau e(port);
    e.Noeuds.assign(1, Noeud{});
    e.Noeuds.insert(e.Noeuds.end(), noeuds.begin(), noeuds.end());
    e.NbNoeuds = static_cast<std::int32_t>(noeuds.size());
    e.Arcs.assign(1, Arc{});
    e.Arcs.insert(e.Arcs.end(), arcs.begin(), arcs.end());
    e.NbArcs = static_cast<std::int32_t>(arcs.size());
    e.EncodageNoeuds = e.EncodageArcs = Encodage::Utf8;
    // The arcs carry the names of their ends.
    std::unordered_map<std::int64_t, std::int32_t> indices;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) indices.emplace(e.Noeuds[i].Code, i);
    for (std::int32_t k = 1; k <= e.NbArcs; ++k) {
        Arc& a = e.Arcs[static_cast<std::size_t>(k)];
        auto o = indices.find(a.Origine), d = indices.find(a.Destination);
        a.IndiceOrigine = o != indices.end() ? o->second : 0;
        a.IndiceDestination = d != indices.end() ? d->second : 0;
    }
    // Written beside, then both put in place.
    const fs::path n = fs::path(dossier) / "noeuds.dat", a = fs::path(dossier) / "arcs.dat";
    const fs::path nt = fs::path(dossier) / ".noeuds.dat.import",
                   at = fs::path(dossier) / ".arcs.dat.import";
    auto nettoie = [&] {
        fs::remove(nt, ec);
        fs::remove(at, ec);
    };
    try {
        EcritureFichierNoeuds(e, nt.string());
        EcritureFichierArcs(e, at.string());
    } catch (const ErreurFichier& x) {
        nettoie();
        rapport.message = x.what();
        return false;
    } catch (const ValeurHorsChamp& x) {
        nettoie();
        rapport.message = x.what();
        return false;
    }
    if (!port.messages.empty()) {
        nettoie();
        // Named as the files the person asked for, not as they were written beside.
        std::string m = port.messages.front();
        for (const auto& [ecrit, nom] : {std::pair{nt, n}, std::pair{at, a}})
            for (std::size_t p; (p = m.find(ecrit.string())) != std::string::npos;)
                m.replace(p, ecrit.string().size(), nom.string());
        rapport.message = "Réseau non écrit : " + m;
        return false;
    }
    fs::rename(nt, n, ec);
    if (!ec) fs::rename(at, a, ec);
    if (ec) {
        nettoie();
        rapport.message = "Réseau non écrit dans " + dossier + " : " + ec.message() + ".";
        return false;
    }
    rapport.noeuds = e.NbNoeuds;
    rapport.arcs = e.NbArcs;
    rapport.reussi = true;
    return true;
}

}  // namespace vek
