// Reading the wardrobe's garment list (see GarmentDescription.h).
#include "data/artgen/GarmentDescription.h"

#include "data/artgen/DollFigure.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

namespace art::garment {
namespace {

using namespace art::doll;

std::vector<std::string> SplitBars(const std::string& text) {
    std::vector<std::string> out;
    std::string item;
    std::istringstream in(text);
    while (std::getline(in, item, '|'))
        out.push_back(item);
    return out;
}

std::string Get(const GarmentSection& section, const std::string& key) {
    auto found = section.find(key);
    return found == section.end() ? std::string() : found->second;
}

// Where a hem of the given length word ends on the doll.
int HemOf(const std::string& length, GarmentClass c) {
    if (length == "hip")
        return kHipY + 14;
    if (length == "thigh")
        return c == GarmentClass::Br ? kCrotchY + 26 : (kCrotchY + kKneeY) / 2;
    if (length == "knee")
        return kKneeY + 4;
    if (length == "calf")
        return kCalfY + 8;
    if (length == "ankle")
        return c == GarmentClass::Br ? kAnkleY + 4 : kAnkleY;
    if (length == "floor")
        return kSoleY - 4;
    if (length == "ankle-boot")
        return kAnkleY - 26;
    if (length == "shoe")
        return kAnkleY + 6;
    if (length == "crown" || length == "brim")
        return kHatBrimY;
    return 0;
}

int FlareOf(const std::string& silhouette, int hemY) {
    const double length = std::max(0, hemY - kHipY);
    double flare = 0;
    if (silhouette == "straight")
        flare = 2;
    else if (silhouette == "a-line")
        flare = 5 + 0.1 * length;
    else if (silhouette == "flared")
        flare = 12 + 0.3 * length;
    else if (silhouette == "full")
        flare = 12 + 0.25 * length;
    else if (silhouette == "wrap")
        flare = 3 + 0.05 * length;
    return std::clamp(int(std::lround(flare)), 0, 52);
}

void SettleDescribedLook(const GarmentSection& section, Garment& garment) {
    const std::string length = Get(section, "length");
    const std::string sleeves = Get(section, "sleeves");
    const std::string neck = Get(section, "neck");
    const std::string silhouette = Get(section, "silhouette");
    const std::string closure = Get(section, "closure");
    garment.HemY = HemOf(length, garment.Class);
    garment.Bikini = garment.Class == GarmentClass::Hl && Get(section, "top") == "chest";
    garment.Swimsuit = garment.Class == GarmentClass::Hl && !garment.Bikini && length == "hip";
    if (garment.Swimsuit || garment.Bikini)
        garment.HemY = kCrotchY;
    garment.Straps = sleeves == "straps";
    const int arm = int(std::hypot(kElbow.X - kShoulderJoint.X, kElbow.Y - kShoulderJoint.Y) +
                        std::hypot(kWrist.X - kElbow.X, kWrist.Y - kElbow.Y));
    garment.SleeveEnd = sleeves == "short" ? 30 : sleeves == "kimono-elbow" ? 64 : sleeves == "long" ? arm + 2 : 0;
    garment.Neckline = neck == "scoop" ? Neck::Scoop : neck == "v" ? Neck::Vee : Neck::Round;
    garment.Cape = silhouette == "cape";
    garment.Tight = silhouette == "fitted";
    garment.Silhouette = silhouette;
    garment.Flare = FlareOf(silhouette, garment.HemY);
    garment.OpenFront = closure == "front-velcro" || closure == "wrap-belt";
    if (closure == "wrap-belt")
        garment.Neckline = Neck::Vee;
    garment.HatFlag = garment.HatFlag || Get(section, "hatflag") == "yes";
    garment.Described = garment.HemY > 0;
}

} // namespace

GarmentList ParseGarmentList(std::string_view text) {
    GarmentList list;
    GarmentSection* current = nullptr;
    std::istringstream in{std::string(text)};
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            current = &list[line.substr(1, line.size() - 2)];
            continue;
        }
        size_t eq = line.find('=');
        if (current && eq != std::string::npos)
            (*current)[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return list;
}

Role RoleOfPartWord(GarmentClass garmentClass, const std::string& part, const std::string& pieceName) {
    GarmentPiece probe;
    probe.Name = pieceName;
    GuessFromName(garmentClass, probe);
    if (part == "band" || part == "cuff") {
        // The turned-up band of a hat, a trouser cuff, a sleeve cuff or a waistband.
        if (garmentClass == GarmentClass::Sh)
            return Role::Band;
        if (garmentClass == GarmentClass::Tf)
            return Role::Strap;
        if (part == "cuff")
            return Role::Cuff;
        return probe.PieceRole == Role::Cuff ? Role::Cuff : Role::Belt;
    }
    if (part == "upper")
        return probe.PieceRole == Role::Bootleg ? Role::Bootleg : Role::Upper;
    static const std::map<std::string, Role> words{
        {"body", Role::Body},       {"leg", Role::Body},       {"cape", Role::Body},     {"bodice", Role::Bodice},
        {"top", Role::Bodice},      {"skirt", Role::Skirt},    {"sleeve", Role::Sleeve}, {"collar", Role::Collar},
        {"hood", Role::Hood},       {"pocket", Role::Pocket},  {"belt", Role::Belt},     {"strap", Role::Strap},
        {"frill", Role::Frill},     {"yoke", Role::Yoke},      {"placket", Role::Placket}, {"bow", Role::Bow},
        {"trim", Role::Trim},       {"briefs", Role::Briefs},  {"crown", Role::Crown},   {"brim", Role::Brim},
        {"visor", Role::Visor},     {"pompon", Role::Pompom},  {"pompom", Role::Pompom}, {"earflap", Role::EarFlap},
        {"sole", Role::Sole},       {"heel", Role::Heel},      {"insole", Role::Hidden}, {"lining", Role::Hidden},
    };
    auto found = words.find(part);
    return found != words.end() ? found->second : probe.PieceRole;
}

bool ApplyDescription(const GarmentSection& section, Garment& garment) {
    if (Get(section, "pieces") != std::to_string(garment.PieceCount()))
        return false;
    std::map<std::string, int> groups;
    for (int i = 0; i < garment.PieceCount(); ++i) {
        std::vector<std::string> fields = SplitBars(Get(section, "piece" + std::to_string(i)));
        if (fields.size() < 4)
            return false;
        GarmentPiece& piece = garment.Pieces[size_t(i)];
        const std::string& view = fields[1];
        piece.Shows = view == "front" ? Face::Front : view == "back" ? Face::Back : view == "none" ? Face::None : Face::Both;
        piece.PieceRole = RoleOfPartWord(garment.Class, fields[2], fields[0]);
        if (piece.PieceRole == Role::Hidden)
            piece.Shows = Face::None;
        piece.Group = -1;
        if (fields[3] != "-" && !fields[3].empty())
            piece.Group = groups.emplace(fields[3], int(groups.size())).first->second;
    }
    SettleDescribedLook(section, garment);
    return true;
}

} // namespace art::garment
