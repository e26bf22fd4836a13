// The system's path texts mapped onto this machine.

#include <gtest/gtest.h>

#include "shell/Chemins.h"

namespace vek {
namespace {

TEST(Chemins, CheminSysteme) {
    Lecteurs parDefaut;
    Lecteurs h;
    h.dossiers['h'] = "/tmp/x";
    Lecteurs base;
    base.parDefaut = "/srv/vek";
    struct Cas {
        std::string texte;
        const Lecteurs* lecteurs;
        const char* attendu;
    };
    const Cas cas[] = {
        {std::string("c:") + "\\NoeudVal.dat", &parDefaut, "./NoeudVal.dat"},
        {"c:\\data\\noeuds\\niv.n-1", &parDefaut, "./data/noeuds/niv.n-1"},
        {"c:\\\\a//b", &parDefaut, "./a/b"},
        {"c:\\data/arcs\\niv.n-2/arc.dat", &parDefaut, "./data/arcs/niv.n-2/arc.dat"},
        {"C:\\data\\a.dat", &parDefaut, "./data/a.dat"},
        {"c:", &parDefaut, "."},
        {"h:\\y\\z.dat", &h, "/tmp/x/y/z.dat"},
        {"H:\\y\\z.dat", &h, "/tmp/x/y/z.dat"},
        {"c:\\y.dat", &h, "./y.dat"},
        {"c:\\a.dat", &base, "/srv/vek/a.dat"},
        {"/tmp/a.dat", &parDefaut, "/tmp/a.dat"},
        {"/tmp//b\\a.dat", &parDefaut, "/tmp/b/a.dat"},
        {"out\\x.dat", &parDefaut, "out/x.dat"},
        {"a.dat", &h, "a.dat"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(CheminSysteme(c.texte, *c.lecteurs).generic_string(), c.attendu) << c.texte;
}

TEST(Chemins, RepertoireEtNom) {
    struct Cas {
        const char* texte;
        const char* repertoire;
        const char* nom;
    };
    const Cas cas[] = {
        {"c:\\data\\a.dat", "c:\\data", "a.dat"},
        {"c:\\a.dat", "c:", "a.dat"},
        {"a.dat", "", "a.dat"},
        {"/x/y", "/x", "y"},
        {"/y", "/", "y"},
        {"out/sub\\f.txt", "out/sub", "f.txt"},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(RepertoireDe(c.texte), c.repertoire) << c.texte;
        EXPECT_EQ(NomDe(c.texte), c.nom) << c.texte;
    }
}

}  // namespace
}  // namespace vek
