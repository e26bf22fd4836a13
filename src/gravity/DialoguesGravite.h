#pragma once
// The parameter dialog of the gravity model (GvPa, "Paramétrage de Gravit") and its options
// dialog (GvOp, "Options du modèle Gravitaire"), with the commands that show them.

#include "shell/Dialogue.h"

namespace vek {

struct EtatGravite;

Dialogue DialogueGvPa(EtatGravite& e);
Dialogue DialogueGvOp(EtatGravite& e);

// "&Paramétrage...": the seven parameters shown (the persons per job keep their last text).
void menParamétrageGravit(EtatGravite& e);
// "&Options...": the sections to compute and write.
void menOptionsGravit(EtatGravite& e);

}  // namespace vek
