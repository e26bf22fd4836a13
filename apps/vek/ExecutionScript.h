#pragma once
// A scripted run of the desktop application (`vek --script FILE [--capture DIR]`): the main
// window shown, the answers read from the script, a PNG saved of every window shown. The run
// reads and writes none of the user's settings, so that it gives the same result anywhere.

#include <QString>
#include <iosfwd>

namespace vek {

// Returns the exit code of the script (2 when it cannot be read).
int ExecuteScriptBureau(const QString& script, const QString& capture, std::ostream& sortie,
                        std::ostream& erreurs);

}  // namespace vek
