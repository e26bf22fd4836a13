#pragma once
// The settings the desktop application keeps from one run to the next: the results folder,
// the editor, the spreadsheet program and the last folder of each file chooser (by its
// title). Only an interactive run keeps them: scripted runs and the tests never make one on
// the user's settings.

#include <QString>

class QSettings;

namespace vek {

struct EtatIhm;

class ReglagesBureau {
  public:
    // `stockage` outlives this object.
    explicit ReglagesBureau(QSettings& stockage);
    ~ReglagesBureau();
    ReglagesBureau(const ReglagesBureau&) = delete;
    ReglagesBureau& operator=(const ReglagesBureau&) = delete;

    // The settings of the run, when it keeps them (the last one made), else null.
    static ReglagesBureau* Actifs();

    // Copies the kept values into the state (those never kept stay as they are).
    void Charge(EtatIhm& e);
    // Keeps the state's values that differ from what is kept.
    void Enregistre(const EtatIhm& e);
    // The folder the chooser of this title last opened in; empty when none.
    QString DernierDossier(const QString& titre) const;
    void RetientDossier(const QString& titre, const QString& dossier);

  private:
    QSettings& stockage_;
    ReglagesBureau* precedents_;
};

// Sends every user-scope setting of this process (Qt's own included) to `dossier`: a scripted
// run reads and writes none of the user's.
void IsoleReglagesUtilisateur(const QString& dossier);

}  // namespace vek
