#pragma once
// A port for the tests: records every message and answers from queues.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "shell/Dialogue.h"
#include "shell/Port.h"

namespace vek::test {

struct MessageVu {
    std::string texte;
    Boutons boutons;
    Icone icone;
    std::string titre;
};

class PortTest : public Port {
  public:
    std::vector<MessageVu> messages;
    std::deque<bool> reponsesOuiNon;                  // true = Oui / OK
    std::deque<std::optional<std::string>> fichiers;  // nullopt = cancelled
    std::deque<std::optional<std::string>> saisies;
    std::vector<std::string> lances;  // "program argument"
    std::vector<std::string> imprimes;
    std::vector<std::string> dialogues;
    int progressionsMontrees = 0, progressionsCachees = 0;
    int tempsMontres = 0, tempsCaches = 0;
    std::vector<std::string> textesTemps;  // the messages of the timed window, as they came
    std::vector<double> pourcentages;
    std::vector<double> ecoules, estimes;  // seconds, from the timed window
    int sabliers = 0;                      // busy cursors currently set

    Reponse Message(const std::string& texte, Boutons b, Icone i, const std::string& t) override {
        messages.push_back({texte, b, i, t});
        if (b == Boutons::Ok) return Reponse::Ok;
        bool oui = reponsesOuiNon.empty() ? false : reponsesOuiNon.front();
        if (!reponsesOuiNon.empty()) reponsesOuiNon.pop_front();
        if (b == Boutons::OkAnnuler) return oui ? Reponse::Ok : Reponse::Annuler;
        return oui ? Reponse::Oui : Reponse::Non;
    }
    std::optional<std::string> Saisie(const std::string&, const std::string&,
                                      const std::string&) override {
        if (saisies.empty()) return std::nullopt;
        auto r = saisies.front();
        saisies.pop_front();
        return r;
    }
    std::optional<std::string> ChoixFichier(const DemandeFichier&) override {
        if (fichiers.empty()) return std::nullopt;
        auto r = fichiers.front();
        fichiers.pop_front();
        return r;
    }
    void MontreDialogue(Dialogue& d, bool) override { dialogues.push_back(d.nom); }
    void MontreProgression(const std::string&) override { ++progressionsMontrees; }
    void Progression(double p) override { pourcentages.push_back(p); }
    void CacheProgression() override { ++progressionsCachees; }
    void MontreTempsDeCalcul(const std::string& m) override {
        ++tempsMontres;
        textesTemps.push_back(m);
    }
    void MessageTempsDeCalcul(const std::string& m) override { textesTemps.push_back(m); }
    void TempsDeCalcul(double p, double ecoule, double estime) override {
        pourcentages.push_back(p);
        ecoules.push_back(ecoule);
        estimes.push_back(estime);
    }
    void CacheTempsDeCalcul() override { ++tempsCaches; }
    void Sablier(bool actif) override { sabliers += actif ? 1 : -1; }
    void Rafraichit() override {}
    void ImprimeFenetre(const std::string& nom) override { imprimes.push_back(nom); }
    void LanceProgramme(const std::string& p, const std::string& a) override {
        lances.push_back(p + " " + a);
    }

    // Messages whose text contains `fragment`.
    int Compte(const std::string& fragment) const {
        int n = 0;
        for (const auto& m : messages)
            if (m.texte.find(fragment) != std::string::npos) ++n;
        return n;
    }
};

}  // namespace vek::test
