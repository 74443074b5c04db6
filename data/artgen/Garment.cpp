// Reading a garment for the painter: pieces from the model file, their parts from the wardrobe's
// description or from their names, and the look (lengths, sleeves, flare) from the piece sizes.
#include "data/artgen/Garment.h"

#include "data/artgen/DollFigure.h"
#include "data/artgen/GarmentDescription.h"
#include "designer/geometry/Model.h"
#include "designer/geometry/ModelReader.h"
#include "platform/text/Cp1251.h"

#include <algorithm>
#include <cctype>
#include <array>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <utility>

namespace art::garment {
namespace {

// The standard doll is 30 cm over 336 panel pixels.
constexpr double kPixelsPerMm = 1.12;

bool Has(const std::string& text, std::initializer_list<const char*> words) {
    for (const char* w : words)
        if (text.find(w) != std::string::npos)
            return true;
    return false;
}

// Up to four words per role; unused slots stay null. (Plain arrays: an initializer_list member
// would not keep its words alive in a static table.)
struct Keyword {
    std::array<const char*, 4> Words;
    Role PieceRole;
};

bool HasAny(const std::string& text, const std::array<const char*, 4>& words) {
    for (const char* w : words)
        if (w && text.find(w) != std::string::npos)
            return true;
    return false;
}

Role RoleOfClothing(const std::string& n) {
    // First match wins: the more specific parts come before the ones whose words they contain.
    static const Keyword table[] = {
        {{"обтачк", "подборт", "подклад", "стельк"}, Role::Hidden},
        {{"карман"}, Role::Pocket},
        {{"капюшон"}, Role::Hood},
        {{"манжет"}, Role::Cuff},
        {{"воротн", "стойк"}, Role::Collar},
        {{"рукав"}, Role::Sleeve},
        {{"бретел", "лямк"}, Role::Strap},
        {{"пояс", "кулис", "ремен"}, Role::Belt},
        {{"оборк", "волан", "рюш"}, Role::Frill},
        {{"кокетк"}, Role::Yoke},
        {{"планк"}, Role::Placket},
        {{"бант"}, Role::Bow},
        {{"юбк", "клин", "полотнищ"}, Role::Skirt},
        {{"лиф"}, Role::Bodice},
    };
    for (const Keyword& k : table)
        if (HasAny(n, k.Words))
            return k.PieceRole;
    return Role::Body;
}

Role RoleOfHat(const std::string& n) {
    static const Keyword table[] = {
        {{"подклад"}, Role::Hidden},
        {{"поля"}, Role::Brim},
        {{"козыр"}, Role::Visor},
        {{"помпон"}, Role::Pompom},
        {{"уш"}, Role::EarFlap},
        {{"лент", "околыш", "отворот", "резин"}, Role::Band},
        {{"бант"}, Role::Bow},
    };
    for (const Keyword& k : table)
        if (HasAny(n, k.Words))
            return k.PieceRole;
    return Role::Crown;
}

Role RoleOfShoe(const std::string& n) {
    static const Keyword table[] = {
        {{"стельк", "подклад"}, Role::Hidden},
        {{"подошв"}, Role::Sole},
        {{"голенищ"}, Role::Bootleg},
        {{"задник", "пятк", "каблук"}, Role::Heel},
        {{"ремеш", "застёжк", "застежк", "перемычк"}, Role::Strap},
        {{"бант", "помпон"}, Role::Bow},
    };
    for (const Keyword& k : table)
        if (HasAny(n, k.Words))
            return k.PieceRole;
    return Role::Upper;
}

Face FaceOfName(const std::string& n) {
    if (Has(n, {"спинк", "задн"}))
        return Face::Back;
    if (Has(n, {"перед", "полочк"}))
        return Face::Front;
    return Face::Both;
}

Side SideOfName(const std::string& n) {
    if (Has(n, {"лев"}))
        return Side::DollLeft;
    if (Has(n, {"прав"}))
        return Side::DollRight;
    return Side::Both;
}

// The name without side words and digits: pieces that share it are halves of one thing.
std::string PairKey(std::string n) {
    for (const char* w : {"левая", "левый", "левое", "правая", "правый", "правое"}) {
        size_t at = n.find(w);
        if (at != std::string::npos)
            n.erase(at, std::string(w).size());
    }
    std::string out;
    for (char c : n)
        if (!(c >= '0' && c <= '9') && c != ' ')
            out += c;
    return out;
}

std::string StripPrefix(const std::string& cpName) {
    if (cpName.size() >= 2 && cpName[0] == '!' && (cpName[1] == 'r' || cpName[1] == 'x' || cpName[1] == 'y'))
        return cpName.substr(2);
    return cpName;
}

// Pieces with the same pair key (left and right halves, numbered copies) form a group.
void GroupPairs(Garment& garment, const std::vector<std::string>& keys) {
    int next = 0;
    for (const GarmentPiece& p : garment.Pieces)
        next = std::max(next, p.Group + 1);
    std::map<std::string, std::vector<size_t>> byKey;
    for (size_t i = 0; i < keys.size(); ++i)
        byKey[keys[i]].push_back(i);
    for (auto& [key, members] : byKey) {
        if (members.size() < 2 || garment.Pieces[members[0]].Group >= 0)
            continue;
        for (size_t i : members)
            garment.Pieces[i].Group = next;
        ++next;
    }
}

int Clamp(double v, int lo, int hi) {
    return std::clamp(int(std::lround(v)), lo, hi);
}

} // namespace

int Garment::Find(Role role, Face view) const {
    for (int i = 0; i < PieceCount(); ++i) {
        const GarmentPiece& p = Pieces[size_t(i)];
        if (p.PieceRole == role && (p.Shows == view || p.Shows == Face::Both))
            return i;
    }
    return -1;
}

std::optional<GarmentClass> ClassOfFile(const std::string& baseName) {
    std::string prefix = baseName.substr(0, 2);
    std::transform(prefix.begin(), prefix.end(), prefix.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    for (int c = 0; c < layout::wardrobe::kClassCount; ++c)
        if (prefix == layout::wardrobe::kClassPrefix[size_t(c)])
            return GarmentClass(c);
    return std::nullopt;
}

void GuessFromName(GarmentClass garmentClass, GarmentPiece& piece) {
    const std::string n = plat::Cp1251ToUtf8(plat::LowerCase(plat::Utf8ToCp1251(piece.Name)));
    if (garmentClass == GarmentClass::Sh)
        piece.PieceRole = RoleOfHat(n);
    else if (garmentClass == GarmentClass::Tf)
        piece.PieceRole = RoleOfShoe(n);
    else
        piece.PieceRole = RoleOfClothing(n);
    piece.Shows = piece.PieceRole == Role::Hidden ? Face::None : FaceOfName(n);
    piece.OnSide = SideOfName(n);
}

void SettleLook(Garment& garment) {
    using namespace art::doll;
    auto tallest = [&](std::initializer_list<Role> roles) {
        double h = 0;
        for (const GarmentPiece& p : garment.Pieces)
            if (std::find(roles.begin(), roles.end(), p.PieceRole) != roles.end())
                h = std::max(h, p.HeightMm);
        return h * kPixelsPerMm;
    };
    const double skirt = tallest({Role::Skirt});
    const double body = tallest({Role::Body});
    const double bodice = tallest({Role::Bodice});
    switch (garment.Class) {
    case GarmentClass::Pl:
    case GarmentClass::Wn:
    case GarmentClass::Bl:
    case GarmentClass::Hl: {
        double hem = skirt > 0  ? kWaistY + skirt
                     : body > 0 ? kShoulderY + body - 6
                                : (bodice > 0 ? kWaistY + 70 : kKneeY);
        garment.HemY = Clamp(hem, kWaistY + 20, kSoleY - 14);
        garment.Swimsuit = garment.Class == GarmentClass::Hl && garment.HemY < kCrotchY + 12;
        if (garment.Swimsuit)
            garment.HemY = kCrotchY;
        break;
    }
    case GarmentClass::Yu:
        garment.HemY = Clamp(kWaistY + std::max(skirt, body) - 4, kHipY + 8, kSoleY - 14);
        if (std::max(skirt, body) == 0)
            garment.HemY = kKneeY - 20;
        break;
    case GarmentClass::Br:
        garment.HemY = Clamp(kWaistY + std::max(body, skirt) - 6, kCrotchY + 12, kSoleY - 16);
        if (std::max(body, skirt) == 0)
            garment.HemY = kAnkleY;
        break;
    case GarmentClass::Tf: {
        double leg = tallest({Role::Bootleg});
        garment.HemY = leg > 0 ? Clamp(kAnkleY - leg + 4, kKneeY + 4, kAnkleY - 6) : kAnkleY + 2;
        break;
    }
    case GarmentClass::Sh:
        garment.HemY = kHatBrimY;
        break;
    }
    const double sleeve = tallest({Role::Sleeve});
    const double armLength = std::hypot(kWrist.X - kShoulderJoint.X, kWrist.Y - kShoulderJoint.Y);
    garment.SleeveEnd = sleeve > 0 ? Clamp(sleeve - 8, 10, int(armLength) + 4) : 0;
    if (garment.Find(Role::Cuff, Face::Both) >= 0 && garment.SleeveEnd > 0)
        garment.SleeveEnd = std::max(garment.SleeveEnd - 6, 10);
    const int length = garment.HemY - kHipY;
    switch (garment.Class) {
    case GarmentClass::Pl:
    case GarmentClass::Yu:
        garment.Flare = Clamp(6 + length * 0.12, 6, 26);
        break;
    case GarmentClass::Wn:
    case GarmentClass::Hl:
        garment.Flare = Clamp(3 + length * 0.07, 3, 16);
        break;
    case GarmentClass::Br:
    case GarmentClass::Bl:
    case GarmentClass::Sh:
    case GarmentClass::Tf:
        garment.Flare = 0;
        break;
    }
    garment.OpenFront = garment.Class == GarmentClass::Wn ||
                     (garment.Class == GarmentClass::Hl && !garment.Swimsuit && garment.SleeveEnd > 0);
    for (const GarmentPiece& p : garment.Pieces)
        if (p.PieceRole == Role::Body && p.Shows == Face::Front && p.OnSide != Side::Both)
            garment.OpenFront = true;
    const std::string name = plat::Cp1251ToUtf8(plat::LowerCase(plat::Utf8ToCp1251(garment.Name)));
    garment.Tight = Has(name, {"лосин", "купальн"});
    garment.Silhouette = Has(name, {"берет"})                   ? "beret"
                      : garment.Find(Role::Brim, Face::Both) >= 0 ? "brimmed"
                      : Has(name, {"тапоч"})                 ? "slippers"
                                                             : "";
    garment.Straps = garment.SleeveEnd == 0 && garment.Find(Role::Strap, Face::Both) >= 0;
    if (garment.OpenFront && garment.Class == GarmentClass::Hl)
        garment.Neckline = Neck::Vee;
}

Garment ReadGarment(const std::filesystem::path& modelFile, const GarmentList& list) {
    std::ifstream in(modelFile, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + modelFile.string());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    geom::TModelFile file(modelFile.string(), bytes.str());
    geom::TModel model(file, modelFile.stem().string(), nullptr, 239, 212, geom::TTypeShow::tsUnVisible);

    Garment garment;
    garment.BaseName = modelFile.stem().string();
    auto cls = ClassOfFile(garment.BaseName);
    if (!cls)
        throw std::runtime_error(modelFile.string() + ": the file name names no garment class");
    garment.Class = *cls;
    garment.Name = plat::Cp1251ToUtf8(model.Name);
    garment.HatFlag = model.HatFlag;
    std::vector<std::string> keys;
    for (const auto& detal : model.Pieces) {
        GarmentPiece piece;
        const bool turned = detal->Name.rfind("!r", 0) == 0;
        piece.Name = plat::Cp1251ToUtf8(StripPrefix(detal->Name));
        piece.WidthMm = turned ? detal->SizeY : detal->SizeX;
        piece.HeightMm = turned ? detal->SizeX : detal->SizeY;
        GuessFromName(garment.Class, piece);
        keys.push_back(PairKey(plat::Cp1251ToUtf8(plat::LowerCase(StripPrefix(detal->Name)))));
        garment.Pieces.push_back(std::move(piece));
    }
    auto section = list.find(garment.BaseName);
    if (section != list.end() && ApplyDescription(section->second, garment))
        return garment;
    GroupPairs(garment, keys);
    SettleLook(garment);
    return garment;
}

} // namespace art::garment
