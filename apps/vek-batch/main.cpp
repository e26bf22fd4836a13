// vek-batch SCRIPT: runs a script of menu commands headlessly ("-" reads standard input).

#include <fstream>
#include <iostream>

#include "Script.h"
#ifdef VEK_CARTE
#include "CarteEtat.h"
#endif

int main(int argc, char** argv) {
#ifdef VEK_CARTE
    // The map is drawn on the offscreen platform, the first time a script asks for it.
    vek::DefinitEcritureCarte(&vek::carte::EcritCarte);
    struct Fin {
        ~Fin() { vek::carte::LibereApplicationGraphique(); }
    } fin;
#endif
    if (argc != 2) {
        std::cerr << "usage : vek-batch SCRIPT   (SCRIPT = - pour l'entrée standard)\n";
        return 2;
    }
    std::string nom = argv[1];
    if (nom == "-") return vek::ExecuteScript(std::cin, std::cout, std::cerr, "-");
    std::ifstream script(nom);
    if (!script) {
        std::cerr << "vek-batch : impossible de lire le script " << nom << '\n';
        return 2;
    }
    return vek::ExecuteScript(script, std::cout, std::cerr, nom);
}
