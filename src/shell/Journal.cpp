#include "shell/Journal.h"

#include <algorithm>
#include <functional>
#include <map>

#include "shell/Texte.h"

namespace vek {

std::string JetonJournal(const std::string& texte) {
    const bool guillemets =
        texte.empty() || texte[0] == '#' || texte.find_first_of(" \t\r") != std::string::npos;
    return guillemets ? "\"" + texte + "\"" : texte;
}

std::string LigneJournal(const std::vector<std::string>& jetons) {
    std::string ligne;
    for (const auto& j : jetons) {
        if (!ligne.empty()) ligne += ' ';
        ligne += JetonJournal(j);
    }
    return ligne;
}

namespace {

const char kMarque = '\x01';  // starts the place of a dialog

std::vector<std::string> LigneDialogue(const std::string& nom,
                                       const std::vector<std::string>& jetons) {
    std::vector<std::string> j{"dialogue", nom};
    j.insert(j.end(), jetons.begin(), jetons.end());
    return j;
}

}  // namespace

void Journal::Reglage(const std::string& nom, const std::string& valeur) {
    std::lock_guard<std::mutex> v(verrou_);
    lignes_.push_back(LigneJournal({"reglage", nom, valeur}));
}

void Journal::DebutCommande() {
    std::lock_guard<std::mutex> v(verrou_);
    enCommande_ = true;
    ++commandes_;
    reponses_.clear();
}

void Journal::FinCommande(const std::string& nom, bool faite) {
    std::lock_guard<std::mutex> v(verrou_);
    enCommande_ = false;
    if (!faite) {
        reponses_.clear();
        return;
    }
    lignes_.insert(lignes_.end(), reponses_.begin(), reponses_.end());
    derniere_ = std::move(reponses_);
    reponses_.clear();
    lignes_.push_back(LigneJournal({"menu", nom}));
}

std::vector<std::string> Journal::DerniereCommande() const {
    std::lock_guard<std::mutex> v(verrou_);
    std::string texte;
    for (const std::string& ligne : derniere_) Ecrit(ligne, "", texte);
    std::vector<std::string> lignes;
    for (std::size_t debut = 0, fin; (fin = texte.find('\n', debut)) != std::string::npos;
         debut = fin + 1)
        lignes.push_back(texte.substr(debut, fin - debut));
    return lignes;
}

void Journal::Note(std::string ligne) {
    if (enCommande_)
        reponses_.push_back(std::move(ligne));
    else if (!ouverts_.empty())
        dialogues_[static_cast<std::size_t>(ouverts_.back())].lignes.push_back(std::move(ligne));
    else
        lignes_.push_back(ligne[0] == kMarque ? ligne : "# hors commande : " + ligne);
}

void Journal::Fichier(const std::optional<std::string>& chemin) {
    std::lock_guard<std::mutex> v(verrou_);
    Note(LigneJournal({"fichier", chemin ? *chemin : "annule"}));
}

void Journal::Saisie(const std::optional<std::string>& texte) {
    std::lock_guard<std::mutex> v(verrou_);
    Note(LigneJournal({"saisie", texte ? *texte : "annule"}));
}

void Journal::OuiNon(bool oui) {
    std::lock_guard<std::mutex> v(verrou_);
    Note(oui ? "oui" : "non");
}

int Journal::OuvreDialogue(const std::string& nom, bool aCote) {
    std::lock_guard<std::mutex> v(verrou_);
    const int numero = static_cast<int>(dialogues_.size());
    dialogues_.push_back({nom, {}, commandes_, aCote, false, true});
    Note(std::string(1, kMarque) + std::to_string(numero));
    if (aCote) ouverts_.push_back(numero);
    return numero;
}

void Journal::FermeDialogue(int numero, const std::vector<std::string>& jetons, bool rejouable) {
    std::lock_guard<std::mutex> v(verrou_);
    Place& p = dialogues_[static_cast<std::size_t>(numero)];
    p.lignes.insert(p.lignes.begin(), LigneJournal(LigneDialogue(p.nom, jetons)));
    p.ferme = true;
    // A command run while a dialog beside the window was open would see its changes before
    // their time.
    p.rejouable = rejouable && (!p.aCote || p.commande == commandes_);
    std::erase(ouverts_, numero);
}

void Journal::Ecrit(const std::string& ligne, const std::string& prefixe,
                    std::string& texte) const {
    if (ligne.empty() || ligne[0] != kMarque) {
        texte += prefixe + ligne + '\n';
        return;
    }
    const Place& p = dialogues_[static_cast<std::size_t>(std::stoi(ligne.substr(1)))];
    if (p.ferme && p.rejouable) {
        for (const auto& l : p.lignes) Ecrit(l, prefixe, texte);
        return;
    }
    texte +=
        prefixe + "# dialogue " + p.nom +
        (!p.ferme ? " (à côté de la fenêtre) encore ouvert : non rejouable\n"
         : p.aCote ? " (à côté de la fenêtre) : d'autres commandes ont tourné pendant qu'il était "
                     "ouvert, non rejouable\n"
                   : " fermé sans bouton : non rejouable\n");
    for (const auto& l : p.lignes) Ecrit(l, prefixe + "#   ", texte);
}

std::string Journal::Texte() const {
    std::lock_guard<std::mutex> v(verrou_);
    std::string texte = "# Journal de VEK : script vek-batch de la session\n";
    for (const std::string& ligne : lignes_) Ecrit(ligne, "", texte);
    return texte;
}

namespace {

// What the person does on a dialog, as the tokens of a `dialogue` line. The text typed in a
// field with no handler is noted just before the next action, where it takes effect.
struct SuiviDialogue {
    std::vector<std::string> jetons;
    std::map<std::string, std::string> textes;  // the fields as last seen
    bool ferme = false;                         // closed by one of its controls
    std::function<void()> aLaFermeture;

    void Releve(const vek::Dialogue& d) {
        textes.clear();
        for (const Controle& c : d.controles)
            if (c.type == TypeControle::Texte) textes[c.nom] = c.texte;
    }
    void Avant(const vek::Dialogue& d, const std::string& nom, bool secondaire) {
        for (const Controle& c : d.controles)
            if (c.type == TypeControle::Texte && c.nom != nom && textes[c.nom] != c.texte)
                jetons.push_back(c.nom + "=" + c.texte);
        const Controle* c = nullptr;
        for (const Controle& k : d.controles)
            if (k.nom == nom) c = &k;
        if (!c) return;
        if (secondaire) {
            jetons.push_back(nom + "!");
            return;
        }
        switch (c->type) {
            case TypeControle::Case:
                jetons.push_back(c->coche ? nom : nom + "=0");
                break;
            case TypeControle::Texte:
                jetons.push_back(nom + "=" + c->texte);
                break;
            case TypeControle::Liste: {
                // An item is named by its text when no other has the same, so that the line
                // selects it in a list of other items too (another network's nodes).
                const auto k = static_cast<std::size_t>(c->selection);
                const std::string texte =
                    k < c->elements.size() ? SansBlancsFinaux(c->elements[k]) : std::string();
                const bool unique =
                    !texte.empty() && texte[0] != '#' &&
                    std::count_if(c->elements.begin(), c->elements.end(),
                                  [&](const auto& x) { return SansBlancsFinaux(x) == texte; }) == 1;
                jetons.push_back(nom + "=" +
                                 (unique ? texte : "#" + std::to_string(c->selection + 1)));
                break;
            }
            default:
                jetons.push_back(nom);
        }
    }
};

struct Originaux {
    std::map<std::string, std::pair<Gestionnaire, Gestionnaire>> gestionnaires;
};

Gestionnaire Enveloppe(std::shared_ptr<SuiviDialogue> suivi, const std::string& nom,
                       Gestionnaire original, bool secondaire) {
    return [suivi, nom, original, secondaire](vek::Dialogue& d) {
        // A handler may add controls, and so move this one: what follows uses copies.
        const std::shared_ptr<SuiviDialogue> s = suivi;
        const Gestionnaire g = original;
        if (s->ferme) {
            if (g) g(d);
            return;
        }
        s->Avant(d, nom, secondaire);
        if (g) g(d);
        s->Releve(d);
        if (!d.ouvert) {
            s->ferme = true;
            if (s->aLaFermeture) s->aLaFermeture();
        }
    };
}

Originaux Instrumente(vek::Dialogue& d, const std::shared_ptr<SuiviDialogue>& suivi) {
    Originaux o;
    suivi->Releve(d);
    for (Controle& c : d.controles) {
        if (c.type == TypeControle::Cadre || c.type == TypeControle::Etiquette) continue;
        o.gestionnaires[c.nom] = {c.action, c.actionSecondaire};
        // A text field gets no handler it did not have: the renderer reads one as "act when
        // the editing ends"; its text is noted before the next action instead.
        if (c.type != TypeControle::Texte || c.action)
            c.action = Enveloppe(suivi, c.nom, c.action, false);
        if (c.actionSecondaire)
            c.actionSecondaire = Enveloppe(suivi, c.nom, c.actionSecondaire, true);
    }
    return o;
}

void Restaure(vek::Dialogue& d, const Originaux& o) {
    for (Controle& c : d.controles)
        if (auto i = o.gestionnaires.find(c.nom); i != o.gestionnaires.end()) {
            c.action = i->second.first;
            c.actionSecondaire = i->second.second;
        }
}

}  // namespace

Reponse PortJournal::Message(const std::string& texte, Boutons boutons, Icone icone,
                             const std::string& titre) {
    const Reponse r = interne_.Message(texte, boutons, icone, titre);
    if (boutons == Boutons::OuiNon) journal_.OuiNon(r == Reponse::Oui);
    if (boutons == Boutons::OkAnnuler) journal_.OuiNon(r == Reponse::Ok);
    return r;
}

std::optional<std::string> PortJournal::Saisie(const std::string& invite, const std::string& titre,
                                               const std::string& defaut) {
    std::optional<std::string> r = interne_.Saisie(invite, titre, defaut);
    journal_.Saisie(r);
    return r;
}

std::optional<std::string> PortJournal::ChoixFichier(const DemandeFichier& demande) {
    std::optional<std::string> r = interne_.ChoixFichier(demande);
    journal_.Fichier(r);
    return r;
}

void PortJournal::MontreDialogue(vek::Dialogue& d, bool modal) {
    auto suivi = std::make_shared<SuiviDialogue>();
    // Its place is where it is shown: what its actions ask for comes after it.
    const int numero = journal_.OuvreDialogue(d.nom, false);
    const Originaux o = Instrumente(d, suivi);
    try {
        interne_.MontreDialogue(d, modal);
    } catch (...) {
        Restaure(d, o);
        journal_.FermeDialogue(numero, suivi->jetons, false);
        throw;
    }
    Restaure(d, o);
    journal_.FermeDialogue(numero, suivi->jetons, suivi->ferme);
}

void PortJournal::MontreDialogueNonModal(std::shared_ptr<vek::Dialogue> d) {
    auto suivi = std::make_shared<SuiviDialogue>();
    const int numero = journal_.OuvreDialogue(d->nom, true);
    // The dialog lives as long as its window: its handlers stay wrapped.
    Instrumente(*d, suivi);
    Journal* journal = &journal_;
    SuiviDialogue* s = suivi.get();  // the handlers hold the object
    suivi->aLaFermeture = [journal, numero, s] { journal->FermeDialogue(numero, s->jetons, true); };
    interne_.MontreDialogueNonModal(d);
}

}  // namespace vek
