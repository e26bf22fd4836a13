// vek-import gtfs|tntp ...: turns a network of another format into VEK's node and arc files.

#include <iostream>
#include <string>
#include <vector>

#include "LigneCommande.h"

int main(int argc, char** argv) {
    return vek::ExecuteImport(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                              std::cerr);
}
