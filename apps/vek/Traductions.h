#pragma once
// Qt's own texts (file chooser, standard buttons, command-line help) in French, like the rest
// of the program.

#include <QLibraryInfo>
#include <QString>

class QCoreApplication;

namespace vek {

// Installs Qt's French translations, read from `dossier`, on `app`. Returns false when they
// are not there: the program then goes on with Qt's texts in English.
bool ChargeTraductionsQt(QCoreApplication& app, const QString& dossier = QLibraryInfo::path(
                                                    QLibraryInfo::TranslationsPath));

}  // namespace vek
