#pragma once
// The system's reason for a failed file operation, in the user's words.

#include <string>

namespace vek {

// The French text of an error number of the system ("Permission non accordée" for EACCES,
// "Plus de place sur le périphérique" for ENOSPC, ...); "erreur système no. N" for the others.
std::string RaisonSysteme(int code);

}  // namespace vek
