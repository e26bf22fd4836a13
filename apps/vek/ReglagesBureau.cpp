#include "ReglagesBureau.h"

#include <QSettings>

#include "shell/EtatIhm.h"

namespace vek {

namespace {

ReglagesBureau* actifs = nullptr;

struct Champ {
    const char* cle;
    std::string EtatIhm::*membre;
};
const Champ kChamps[] = {{"RepResultats", &EtatIhm::RepResultats},
                         {"Editeur", &EtatIhm::Editeur},
                         {"Tableur", &EtatIhm::Tableur}};

// The chooser's title as one key (QSettings reads '/' and '\' as separators).
QString CleDossier(const QString& titre) {
    QString t = titre;
    t.replace('/', '_').replace('\\', '_');
    return "DerniersDossiers/" + t;
}

}  // namespace

ReglagesBureau::ReglagesBureau(QSettings& stockage) : stockage_(stockage), precedents_(actifs) {
    actifs = this;
}

ReglagesBureau::~ReglagesBureau() {
    stockage_.sync();
    if (actifs == this) actifs = precedents_;
}

ReglagesBureau* ReglagesBureau::Actifs() {
    return actifs;
}

void ReglagesBureau::Charge(EtatIhm& e) {
    for (const Champ& c : kChamps)
        if (stockage_.contains(c.cle))
            e.*c.membre = stockage_.value(c.cle).toString().toStdString();
}

void ReglagesBureau::Enregistre(const EtatIhm& e) {
    bool change = false;
    for (const Champ& c : kChamps) {
        const QString valeur = QString::fromStdString(e.*c.membre);
        if (stockage_.contains(c.cle) && stockage_.value(c.cle).toString() == valeur) continue;
        stockage_.setValue(c.cle, valeur);
        change = true;
    }
    if (change) stockage_.sync();
}

QString ReglagesBureau::DernierDossier(const QString& titre) const {
    return stockage_.value(CleDossier(titre)).toString();
}

void ReglagesBureau::RetientDossier(const QString& titre, const QString& dossier) {
    if (dossier.isEmpty() || DernierDossier(titre) == dossier) return;
    stockage_.setValue(CleDossier(titre), dossier);
    stockage_.sync();
}

void IsoleReglagesUtilisateur(const QString& dossier) {
    for (QSettings::Format f : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(f, QSettings::UserScope, dossier);
}

}  // namespace vek
