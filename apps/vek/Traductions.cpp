#include "Traductions.h"

#include <QCoreApplication>
#include <QTranslator>

namespace vek {

bool ChargeTraductionsQt(QCoreApplication& app, const QString& dossier) {
    auto* traducteur = new QTranslator(&app);
    if (!traducteur->load(QStringLiteral("qtbase_fr"), dossier)) {
        delete traducteur;
        return false;
    }
    app.installTranslator(traducteur);
    return true;
}

}  // namespace vek
