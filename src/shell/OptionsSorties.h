#pragma once
// The options of the output dialogs that the pair-list writer reads: the path outputs
// (VekForCM) and the gravity files (FichGrav). They keep their state from one showing of
// their dialog to the next; nothing is ticked at start-up.

namespace vek {

struct OptionsVekForCM {
    bool Uni_polaire = false;              // arc values: paths per arc for one node
    bool MultipolaireNbRelations = false;  // arc values: paths per arc over all pairs
};

struct OptionsFichGrav {
    bool FichAVAttRelGén = false;  // arc values: relative attractions generated
    bool FichAVAttAbsGén = false;  // arc values: absolute attractions generated
};

}  // namespace vek
