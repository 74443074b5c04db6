// What the model painter knows about one garment: its class, how long it is, how long its
// sleeves are, and for every pattern piece (in model-file order) which part of the garment it is,
// on which side of the doll it shows and which pieces are painted together.
//
// The pieces come from the model file itself, read with the designer's own reader, so the
// pictures always have exactly one key entry per piece. What each piece is comes from the
// wardrobe's description file beside the model when there is one, else from the piece's name.
#pragma once

#include "designer/layout/WardrobeLayout.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace art::garment {

using layout::wardrobe::GarmentClass;

// The part of a garment a piece makes; it decides where the piece shows on the doll.
enum class Role {
    Hidden,     // lies inside (facings, linings) or under other pieces
    Body,       // the whole garment where no more specific piece claims an area
    Bodice,     // the part above the waist of a garment that has a separate skirt
    Skirt,      // the part below the waist
    Sleeve,
    Cuff,
    Collar,
    Hood,
    Pocket,
    Belt,       // belts, waistbands, drawstrings
    Strap,      // shoulder straps; on shoes the strap over the instep
    Frill,      // a frill or flounce at the hem
    Yoke,
    Placket,
    Bow,
    Trim,       // fur or ribbon along the front edges and the hem
    Briefs,     // the lower half of a two-piece swimsuit
    Crown,      // hats
    Brim,
    Band,
    Visor,
    Pompom,
    EarFlap,
    Upper,      // shoes
    Sole,
    Heel,
    Bootleg,
};

// Which view(s) of the doll a piece shows in.
enum class Face { Front, Back, Both, None };

// The doll's own side a piece belongs to, for pieces cut once per side.
enum class Side { Both, DollLeft, DollRight };

struct GarmentPiece {
    std::string Name;    // UTF-8, without a scaling prefix
    Role PieceRole = Role::Body;
    Face Shows = Face::Both;
    Side OnSide = Side::Both;
    int Group = -1;      // pieces with the same group number (>= 0) are painted together
    double WidthMm = 0;  // the piece's size as it is worn (a turned "!r" piece is turned back)
    double HeightMm = 0;
};

enum class Neck { Round, Scoop, Vee };

struct Garment {
    GarmentClass Class = GarmentClass::Pl;
    std::string BaseName;   // file name without ".mdl", e.g. "pl03"
    std::string Name;       // UTF-8 model name
    bool HatFlag = false;
    std::vector<GarmentPiece> Pieces;

    // The look, in doll panel pixels (DollFigure.h): filled from the pieces' sizes and the class.
    int HemY = 0;            // lower edge of the garment (trouser legs, shoes: top of the boot)
    int SleeveEnd = 0;       // how far down the arm a sleeve reaches, 0 = no sleeves
    int Flare = 0;           // extra half width at the hem
    Neck Neckline = Neck::Round;
    bool OpenFront = false;  // coats, robes and cardigans open down the centre front
    bool Swimsuit = false;   // a robes-class garment that ends at the legs
    bool Bikini = false;     // a top over the chest and briefs
    bool Straps = false;     // shoulder straps instead of sleeves
    bool Cape = false;       // hangs from the shoulders over the arms
    bool Tight = false;      // close-fitting (leggings, swimsuits)
    std::string Silhouette;  // the list's word: "a-line", "beret", "brimmed", "boots", "slippers", ...
    bool Described = false;  // the look came from the wardrobe's description

    int PieceCount() const { return int(Pieces.size()); }
    // First piece of the role that shows in the view, or -1.
    int Find(Role role, Face view) const;
};

// The class of a model from its file name prefix, or nothing for a file of no class.
std::optional<GarmentClass> ClassOfFile(const std::string& baseName);

using GarmentList = std::map<std::string, std::map<std::string, std::string>>;

// Reads the model file (cp1251) and takes the model's section of the wardrobe's garment list
// (GarmentDescription.h) when it has one; otherwise guesses from the piece names and sizes.
Garment ReadGarment(const std::filesystem::path& modelFile, const GarmentList& list);

// Guesses a piece's role, side and view from its (UTF-8, any case) name; used when a model has
// no description.
void GuessFromName(GarmentClass garmentClass, GarmentPiece& piece);

// Settles HemY, SleeveEnd, Flare and the flags from the class and the pieces' sizes.
void SettleLook(Garment& garment);

} // namespace art::garment
