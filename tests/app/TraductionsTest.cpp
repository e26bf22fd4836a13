// Qt's own texts speak French: the standard buttons and the file chooser once the French
// translations are loaded; without them the program still starts, in Qt's English.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>

#include "Outils.h"
#include "Traductions.h"

namespace vek {
namespace {

struct Textes {
    QString annuler, ouvrir, type;
};

Textes TextesDeQt() {
    QDialogButtonBox boutons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QFileDialog choix;
    choix.setOption(QFileDialog::DontUseNativeDialog);
    return {boutons.button(QDialogButtonBox::Cancel)->text(), choix.labelText(QFileDialog::Accept),
            choix.labelText(QFileDialog::FileType)};
}

TEST(Traductions, LesTextesDeQtSontEnFrancais) {
    int argc = 1;
    char nom[] = "vek";
    char* argv[] = {nom};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString dossier = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    ASSERT_TRUE(QFileInfo::exists(dossier + "/qtbase_fr.qm"))
        << "Les traductions de Qt manquent dans " << dossier.toStdString()
        << " : installer qt6-translations-l10n (setup.sh le fait).";

    test::DossierTemporaire vide;
    EXPECT_FALSE(ChargeTraductionsQt(app, QString::fromStdString(vide.Chemin().string())));
    Textes anglais = TextesDeQt();
    EXPECT_EQ(anglais.annuler.toStdString(), "Cancel");

    EXPECT_TRUE(ChargeTraductionsQt(app));
    Textes francais = TextesDeQt();
    EXPECT_EQ(francais.annuler.toStdString(), "Annuler");
    EXPECT_EQ(francais.ouvrir.toStdString(), "&Ouvrir");
    EXPECT_EQ(francais.type.toStdString(), "Fichiers de type :");
}

}  // namespace
}  // namespace vek
