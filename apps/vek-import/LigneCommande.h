#pragma once
// The command line of vek-import: the subcommand and its options read, the importer run, its
// report printed.

#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "formats/ImportGtfs.h"
#include "formats/ImportTntp.h"

namespace vek {

struct Aide {};

// What the arguments ask for: the help, one of the imports, or a fault in the arguments.
struct Demande {
    std::variant<Aide, OptionsGtfs, OptionsTntp> quoi;
    std::string erreur;  // not empty: the arguments are wrong
};

// The arguments after the program's name.
Demande LitArguments(const std::vector<std::string>& arguments);

// Runs what the arguments ask for: 0 when done, 1 when the importer refused, 2 when the
// arguments are wrong. The report goes to `sortie`, a refusal or a fault to `erreurs`.
int ExecuteImport(const std::vector<std::string>& arguments, std::ostream& sortie,
                  std::ostream& erreurs);

extern const char* const kAideImport;

}  // namespace vek
