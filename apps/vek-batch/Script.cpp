#include "Script.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>

#include "shell/Echecs.h"
#include "shell/Erreurs.h"
#include "shell/Fichiers.h"
#include "shell/PortScript.h"
#include "vek/Demarrage.h"
#include "vek/Etat.h"
#include "vek/Exports.h"
#include "vek/Reglages.h"

namespace vek {

namespace {

EcritureCarte ecritureCarte = nullptr;

bool Dimension(const std::string& t, int& n) {
    const auto [fin, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
    return ec == std::errc() && fin == t.data() + t.size() && n >= 1 && n <= 20000;
}

}  // namespace

void DefinitEcritureCarte(EcritureCarte ecriture) {
    ecritureCarte = ecriture;
}

int ExecuteScript(std::istream& script, std::ostream& sortie, std::ostream& erreurs,
                  const std::string& nomScript) {
    PortScript port(sortie);
    Etat e(port);
    Demarrage(e);
    return ExecuteScript(script, erreurs, nomScript, port, e);
}

int ExecuteScript(std::istream& script, std::ostream& erreurs, const std::string& nomScript,
                  PortScript& port, Etat& e) {
    std::size_t enEchec = 0;  // commands that could not write a file or ended on an error
    std::string ligne;
    std::size_t numero = 0;
    auto faute = [&](const std::string& texte) {
        erreurs << nomScript << ":" << numero << ": " << texte << '\n';
    };
    try {
        while (std::getline(script, ligne)) {
            ++numero;
            std::vector<std::string> j;
            std::string erreur;
            if (!DecoupeLigne(ligne, j, erreur)) {
                faute(erreur);
                return kSortieCommandeRefusee;
            }
            if (j.empty()) continue;
            const std::string& mot = j[0];
            auto arguments = [&](std::size_t n) {
                if (j.size() == n + 1) return true;
                faute("« " + mot + " » attend " + std::to_string(n) + " argument(s)");
                return false;
            };
            if (mot == "menu") {
                if (!arguments(1)) return kSortieCommandeRefusee;
                const std::uint64_t echecs = NombreEchecs();
                const Issue issue = ExecuteCommande(e, j[1]);
                port.FinCommande();
                if (NombreEchecs() != echecs) ++enEchec;
                switch (issue) {
                    case Issue::Inconnue:
                        faute("commande de menu inconnue : " + j[1]);
                        return kSortieCommandeRefusee;
                    case Issue::Refusee:
                        faute("la commande " + j[1] + " n'est pas disponible en ce moment");
                        return kSortieCommandeRefusee;
                    case Issue::Faite:
                    case Issue::Annulee:
                        break;
                }
                if (e.Quitter) break;
            } else if (EstReponse(mot)) {
                if (!port.AjouteReponse(j, erreur)) {
                    faute(erreur);
                    return kSortieCommandeRefusee;
                }
            } else if (mot == "reglage") {
                if (!arguments(2)) return kSortieCommandeRefusee;
                if (!ChangeReglage(e, j[1], j[2], erreur)) {
                    faute(erreur);
                    return kSortieCommandeRefusee;
                }
            } else if (mot == "annule") {
                int etapes = 0;
                if (!arguments(1)) return kSortieCommandeRefusee;
                if (!Dimension(j[1], etapes)) {
                    faute("« annule » attend un nombre d'étapes de 1 à 20000 : " + j[1]);
                    return kSortieCommandeRefusee;
                }
                port.AnnuleApres(etapes);
            } else if (mot == "exporte") {
                const bool reseau = j.size() == 3 && j[1] == "reseau";
                if (j.size() != 2 && !reseau) {
                    faute("« exporte » attend un fichier, ou « reseau » et un fichier");
                    return kSortieCommandeRefusee;
                }
                const std::string fichier = CheminDe(e, j.back()).string();
                const bool fait = reseau ? ExporteReseau(e, fichier, erreur)
                                         : ExporteResultat(e, fichier, erreur);
                if (!fait) {
                    faute("export impossible : " + erreur);
                    ++enEchec;
                }
            } else if (mot == "carte") {
                if (j.size() != 2 && j.size() != 4) {
                    faute("« carte » attend un fichier, et sinon une largeur et une hauteur");
                    return kSortieCommandeRefusee;
                }
                int largeur = 1600, hauteur = 1200;
                if (j.size() == 4 && (!Dimension(j[2], largeur) || !Dimension(j[3], hauteur))) {
                    faute("taille de carte invalide (1 à 20000 pixels) : " + j[2] + " " + j[3]);
                    return kSortieCommandeRefusee;
                }
                std::string extension = std::filesystem::path(j[1]).extension().string();
                std::transform(extension.begin(), extension.end(), extension.begin(),
                               [](unsigned char c) { return std::tolower(c); });
                if (extension != ".png" && extension != ".svg") {
                    faute("« carte » écrit un fichier .png ou .svg : " + j[1]);
                    return kSortieCommandeRefusee;
                }
                if (!ecritureCarte) {
                    faute(
                        "l'instruction « carte » n'est pas disponible (programme construit "
                        "sans Qt)");
                    return kSortieCommandeRefusee;
                }
                if (!ecritureCarte(e, j[1], largeur, hauteur, erreur)) {
                    faute(erreur);
                    ++enEchec;
                }
            } else {
                faute("instruction inconnue : " + mot);
                return kSortieCommandeRefusee;
            }
        }
    } catch (const ErreurScript& x) {
        faute(x.texte);
        return kSortieCommandeRefusee;
    } catch (const SansReponse& s) {
        faute("pas de réponse prévue pour : " + s.question);
        return kSortieSansReponse;
    } catch (const ErreurFatale& x) {
        faute(std::string("erreur fatale : ") + x.what());
        return kSortieFatale;
    }
    if (port.ReponsesRestantes() > 0)
        erreurs << nomScript << ": " << port.ReponsesRestantes()
                << " réponse(s) prévue(s) n'ont pas servi\n";
    if (enEchec > 0) {
        erreurs << nomScript << ": " << enEchec
                << " commande(s) en échec (fichier non écrit ou erreur)\n";
        return kSortieEchec;
    }
    return kSortieOk;
}

}  // namespace vek
