#include "formats/ExportSig.h"

#include <gdal_priv.h>
#include <ogr_feature.h>
#include <ogr_geometry.h>
#include <ogr_spatialref.h>
#include <ogrsf_frmts.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "network/EtatReseau.h"
#include "shell/Texte.h"

namespace vek {

namespace {

std::atomic<unsigned> numero{0};

struct Format {
    const char* pilote;
    bool uneCouche;  // one layer a file
};

bool FormatDe(const std::string& fichier, Format& f, std::string& erreur) {
    std::string ext = std::filesystem::path(fichier).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".gpkg") {
        f = {"GPKG", false};
    } else if (ext == ".geojson") {
        f = {"GeoJSON", true};
    } else if (ext == ".csv") {
        f = {"CSV", true};
    } else {
        erreur = "le fichier doit finir par .gpkg, .geojson ou .csv : " + fichier;
        return false;
    }
    return true;
}

// The coordinate system and the factor from km to its unit.
struct Projection {
    std::unique_ptr<OGRSpatialReference> srs;
    double facteur = 1;
};

bool ProjectionDe(int epsg, Projection& p, std::string& erreur) {
    if (epsg == 0) return true;
    p.srs = std::make_unique<OGRSpatialReference>();
    p.srs->SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    if (p.srs->importFromEPSG(epsg) != OGRERR_NONE) {
        erreur = "code EPSG inconnu : " + std::to_string(epsg);
        return false;
    }
    if (!p.srs->IsProjected()) {
        erreur = "le système EPSG:" + std::to_string(epsg) +
                 " n'est pas projeté : les X/Y en km ne s'y placent pas";
        return false;
    }
    const double metres = p.srs->GetLinearUnits();
    p.facteur = metres > 0 ? 1000.0 / metres : 1000.0;
    return true;
}

bool Absente(double v) {
    return !std::isfinite(v) || v == 32000.0;
}

std::string Nom(const Noeud& n) {
    return SansBlancsFinaux(n.Nom);
}

// A file written beside its place, and put there once closed.
class Ecriture {
  public:
    Ecriture(const std::string& fichier, const Format& f, std::string& erreur)
        : cible_(fichier), format_(f) {
        GDALAllRegister();
        std::filesystem::path p(fichier);
        ecrit_ = p;
        ecrit_.replace_filename(p.stem().string() + ".vek-" + std::to_string(::getpid()) + "-" +
                                std::to_string(numero.fetch_add(1)) + p.extension().string());
        GDALDriver* pilote = GetGDALDriverManager()->GetDriverByName(f.pilote);
        if (!pilote) {
            erreur = std::string("le format ") + f.pilote + " n'est pas disponible (GDAL)";
            return;
        }
        CPLErrorReset();
        ds_ = pilote->Create(ecrit_.c_str(), 0, 0, 0, GDT_Unknown, nullptr);
        if (!ds_) erreur = "le fichier " + fichier + " ne peut pas être créé (" + Raison() + ")";
    }
    ~Ecriture() {
        if (ds_) GDALClose(ds_);
        std::error_code ec;
        if (!fini_) std::filesystem::remove(ecrit_, ec);
    }
    GDALDataset* Donnees() { return ds_; }
    OGRLayer* Couche(const char* nom, OGRwkbGeometryType type, const Projection& p,
                     std::string& erreur) {
        char** options = nullptr;
        if (std::string(format_.pilote) == "CSV") {
            options = CSLSetNameValue(options, "GEOMETRY", type == wkbPoint ? "AS_XY" : "AS_WKT");
            options = CSLSetNameValue(options, "CREATE_CSVT", "NO");
        }
        if (std::string(format_.pilote) == "GeoJSON")
            options = CSLSetNameValue(options, "WRITE_NAME", "NO");
        OGRLayer* c = ds_->CreateLayer(nom, p.srs.get(), type, options);
        CSLDestroy(options);
        if (!c) erreur = "couche " + std::string(nom) + " non créée (" + Raison() + ")";
        return c;
    }
    bool Termine(std::string& erreur) {
        CPLErrorReset();
        GDALClose(ds_);
        ds_ = nullptr;
        if (CPLGetLastErrorType() >= CE_Failure) {
            erreur = "le fichier " + cible_ + " n'a pas pu être écrit (" + Raison() + ")";
            return false;
        }
        std::error_code ec;
        std::filesystem::rename(ecrit_, cible_, ec);
        if (ec) {
            erreur =
                "le fichier " + cible_ + " n'a pas pu être mis en place (" + ec.message() + ")";
            return false;
        }
        fini_ = true;
        return true;
    }
    static std::string Raison() {
        const char* m = CPLGetLastErrorMsg();
        return m && *m ? m : "raison inconnue";
    }

  private:
    std::string cible_;
    Format format_;
    std::filesystem::path ecrit_;
    GDALDataset* ds_ = nullptr;
    bool fini_ = false;
};

bool Champ(OGRLayer* c, const char* nom, OGRFieldType type, std::string& erreur) {
    OGRFieldDefn d(nom, type);
    if (type == OFTString) d.SetWidth(0);
    if (c->CreateField(&d) == OGRERR_NONE) return true;
    erreur = std::string("champ ") + nom + " non créé (" + Ecriture::Raison() + ")";
    return false;
}

bool Ajoute(OGRLayer* c, const std::function<void(OGRFeature&)>& remplit, std::string& erreur) {
    OGRFeature* f = OGRFeature::CreateFeature(c->GetLayerDefn());
    remplit(*f);
    const bool ok = c->CreateFeature(f) == OGRERR_NONE;
    OGRFeature::DestroyFeature(f);
    if (!ok) erreur = "élément non écrit (" + Ecriture::Raison() + ")";
    return ok;
}

OGRPoint Point(const Noeud& n, const Projection& p) {
    return OGRPoint(static_cast<double>(n.X) * p.facteur, static_cast<double>(n.Y) * p.facteur);
}

OGRLineString Ligne(const Noeud& a, const Noeud& b, const Projection& p) {
    OGRLineString l;
    l.addPoint(static_cast<double>(a.X) * p.facteur, static_cast<double>(a.Y) * p.facteur);
    l.addPoint(static_cast<double>(b.X) * p.facteur, static_cast<double>(b.Y) * p.facteur);
    return l;
}

// The fields and features of the nodes (with their value when `valeurs`).
bool EcritNoeuds(const EtatReseau& e, OGRLayer* c, const std::vector<double>* valeurs, bool element,
                 const Projection& p, std::string& erreur) {
    if (element && !Champ(c, "element", OFTString, erreur)) return false;
    if (!Champ(c, "code", OFTInteger64, erreur) || !Champ(c, "nom", OFTString, erreur) ||
        !Champ(c, "population", OFTInteger, erreur))
        return false;
    if (valeurs && !Champ(c, "valeur", OFTReal, erreur)) return false;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        const Noeud& n = e.Noeuds[static_cast<std::size_t>(i)];
        const bool ok = Ajoute(
            c,
            [&](OGRFeature& f) {
                if (element) f.SetField("element", "noeud");
                f.SetField("code", static_cast<GIntBig>(n.Code));
                f.SetField("nom", Nom(n).c_str());
                f.SetField("population", n.Population);
                if (valeurs) {
                    const double v = static_cast<std::size_t>(i) < valeurs->size()
                                         ? (*valeurs)[static_cast<std::size_t>(i)]
                                         : 0.0;
                    if (Absente(v))
                        f.SetFieldNull(f.GetFieldIndex("valeur"));
                    else
                        f.SetField("valeur", v);
                }
                OGRPoint pt = Point(n, p);
                f.SetGeometry(&pt);
            },
            erreur);
        if (!ok) return false;
    }
    return true;
}

}  // namespace

bool ExporteResultatSig(const EtatReseau& e, const std::string& fichier, int epsg,
                        std::string& erreur) {
    Format format{};
    Projection p;
    if (!FormatDe(fichier, format, erreur) || !ProjectionDe(epsg, p, erreur)) return false;
    const bool couples = e.GenreResultat == TablesResultats::Genre::Couples;
    const bool noeuds = e.GenreResultat == TablesResultats::Genre::Noeuds;
    if ((!couples && !noeuds) || e.NbNoeuds < 1) {
        erreur = "aucun résultat par noeud ou par couple à exporter";
        return false;
    }
    Ecriture w(fichier, format, erreur);
    if (!w.Donnees()) return false;
    if (noeuds) {
        OGRLayer* c = w.Couche("noeuds", wkbPoint, p, erreur);
        if (!c || !EcritNoeuds(e, c, &e.ValeursNoeuds, false, p, erreur)) return false;
        return w.Termine(erreur);
    }
    OGRLayer* c = w.Couche("couples", wkbLineString, p, erreur);
    if (!c) return false;
    for (const char* nom : {"code_origine", "code_destination"})
        if (!Champ(c, nom, OFTInteger64, erreur)) return false;
    for (const char* nom : {"nom_origine", "nom_destination"})
        if (!Champ(c, nom, OFTString, erreur)) return false;
    if (!Champ(c, "valeur", OFTReal, erreur)) return false;
    const auto indice = [&](std::int32_t i) {
        return i >= 1 && i <= e.NbNoeuds ? static_cast<std::size_t>(i) : std::size_t{0};
    };
    for (std::int32_t k = 1; k <= e.NbCouples; ++k) {
        const Couple& q = e.ListeCouples[static_cast<std::size_t>(k)];
        const Noeud& a = e.Noeuds[indice(q.I)];
        const Noeud& b = e.Noeuds[indice(q.J)];
        const bool ok = Ajoute(
            c,
            [&](OGRFeature& f) {
                f.SetField("code_origine", static_cast<GIntBig>(a.Code));
                f.SetField("code_destination", static_cast<GIntBig>(b.Code));
                f.SetField("nom_origine", Nom(a).c_str());
                f.SetField("nom_destination", Nom(b).c_str());
                if (Absente(q.Valeur))
                    f.SetFieldNull(f.GetFieldIndex("valeur"));
                else
                    f.SetField("valeur", q.Valeur);
                OGRLineString l = Ligne(a, b, p);
                f.SetGeometry(&l);
            },
            erreur);
        if (!ok) return false;
    }
    return w.Termine(erreur);
}

bool ExporteReseauSig(const EtatReseau& e, const std::string& fichier, int epsg,
                      std::string& erreur) {
    Format format{};
    Projection p;
    if (!FormatDe(fichier, format, erreur) || !ProjectionDe(epsg, p, erreur)) return false;
    if (e.NbNoeuds < 1) {
        erreur = "aucun réseau chargé à exporter";
        return false;
    }
    Ecriture w(fichier, format, erreur);
    if (!w.Donnees()) return false;
    std::unordered_map<std::int64_t, std::size_t> indices;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i)
        indices.emplace(e.Noeuds[static_cast<std::size_t>(i)].Code, static_cast<std::size_t>(i));
    // One layer: the nodes as points and the arcs as lines, told apart by `element`; its
    // fields are those of both.
    OGRLayer* cn = nullptr;
    OGRLayer* ca = nullptr;
    if (format.uneCouche) {
        cn = ca = w.Couche("reseau", wkbUnknown, p, erreur);
        if (!cn || !Champ(cn, "element", OFTString, erreur)) return false;
        for (const auto& [nom, type] :
             std::vector<std::pair<const char*, OGRFieldType>>{{"code", OFTInteger64},
                                                               {"nom", OFTString},
                                                               {"population", OFTInteger},
                                                               {"code_origine", OFTInteger64},
                                                               {"code_destination", OFTInteger64},
                                                               {"mode", OFTInteger},
                                                               {"longueur", OFTReal},
                                                               {"temps", OFTReal},
                                                               {"debit", OFTInteger}})
            if (!Champ(cn, nom, type, erreur)) return false;
    } else {
        cn = w.Couche("noeuds", wkbPoint, p, erreur);
        if (!cn) return false;
        for (const auto& [nom, type] : std::vector<std::pair<const char*, OGRFieldType>>{
                 {"code", OFTInteger64}, {"nom", OFTString}, {"population", OFTInteger}})
            if (!Champ(cn, nom, type, erreur)) return false;
        ca = w.Couche("arcs", wkbLineString, p, erreur);
        if (!ca) return false;
        for (const auto& [nom, type] :
             std::vector<std::pair<const char*, OGRFieldType>>{{"code_origine", OFTInteger64},
                                                               {"code_destination", OFTInteger64},
                                                               {"mode", OFTInteger},
                                                               {"longueur", OFTReal},
                                                               {"temps", OFTReal},
                                                               {"debit", OFTInteger}})
            if (!Champ(ca, nom, type, erreur)) return false;
    }
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        const Noeud& n = e.Noeuds[static_cast<std::size_t>(i)];
        if (!Ajoute(
                cn,
                [&](OGRFeature& f) {
                    if (format.uneCouche) f.SetField("element", "noeud");
                    f.SetField("code", static_cast<GIntBig>(n.Code));
                    f.SetField("nom", Nom(n).c_str());
                    f.SetField("population", n.Population);
                    OGRPoint pt = Point(n, p);
                    f.SetGeometry(&pt);
                },
                erreur))
            return false;
    }
    for (std::int32_t k = 1; k <= e.NbArcs; ++k) {
        const Arc& a = e.Arcs[static_cast<std::size_t>(k)];
        auto o = indices.find(a.Origine), d = indices.find(a.Destination);
        if (o == indices.end() || d == indices.end()) continue;  // an end not in the nodes
        if (!Ajoute(
                ca,
                [&](OGRFeature& f) {
                    if (format.uneCouche) f.SetField("element", "arc");
                    f.SetField("code_origine", static_cast<GIntBig>(a.Origine));
                    f.SetField("code_destination", static_cast<GIntBig>(a.Destination));
                    f.SetField("mode", a.Mode);
                    f.SetField("longueur", static_cast<double>(a.Distance));
                    f.SetField("temps", static_cast<double>(a.Temps));
                    f.SetField("debit", a.Debit);
                    OGRLineString l = Ligne(e.Noeuds[o->second], e.Noeuds[d->second], p);
                    f.SetGeometry(&l);
                },
                erreur))
            return false;
    }
    return w.Termine(erreur);
}

}  // namespace vek
