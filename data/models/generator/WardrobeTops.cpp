// Coats, dresses and blouses: drop-shoulder tops with straight armholes, so that a child sews a
// sleeve in with one straight seam, and fitted or flared bodies below them.
#include "PatternBlocks.h"
#include "Wardrobe.h"

#include "DollMeasures.h"

#include <cmath>

namespace gen {

namespace {

// A coat or jacket: two fronts with an overlap, the back on the fold, long sleeves, a collar.
struct TCoatCut {
    double Length, HemX, Overlap;
};

std::vector<TPiece> CoatPieces(const TCoatCut& c, bool collar) {
    TTopSpec front{.Name = "Полочка", .Count = 2, .Front = true, .CentreExt = c.Overlap, .NeckW = 12,
                   .NeckDepth = 14, .ShoulderX = 42, .ArmY = 36, .ChestX = 42, .Length = c.Length, .HemX = c.HemX,
                   .NeckSeam = collar};
    TTopSpec back = front;
    back.Name = "Спинка";
    back.Count = 1;
    back.Front = false;
    back.CentreExt = -1;
    back.NeckDepth = 5;
    std::vector<TPiece> pieces = {TopHalf(front), TopHalf(back), SleeveHalf("Рукав", ArmholeLength(front), 104, 21)};
    pieces[0].Look("front", "body");
    pieces[1].Look("back", "body");
    pieces[2].Look("front+back", "sleeve");
    if (collar) {
        pieces.push_back(Band("Воротник", 1, SeamTotal(pieces, "neck", 'A'), 12, 0, "neck", 'B', 1));
        pieces.back().Look("front+back", "collar");
    }
    return pieces;
}

TModelDef LongCoat() {
    TModelDef m{.File = "wn01", .Name = "Пальто", .Class = "Wn", .Conflicts = {"pl02", "yu04"}};
    m.Pieces = CoatPieces({.Length = 197, .HemX = 58, .Overlap = 12}, true);
    m.Look = {"a-line", "shoulders", "calf", "long", "collar", "front-velcro", "wool"};
    m.Intro = "Длинное пальто с отложным воротником и запахом на липучке. Его носят с брюками, а длинное "
              "платье или длинную юбку под него не надеть.";
    m.FabricText = "Мягкий драп, флис или толстый трикотаж. Липучка шириной !X1 см.";
    m.Steps = {"Сложи ткань вдвое. Спинку и воротник приложи пунктиром к сгибу, рукав тоже кроится на сгибе; "
               "полочки вырежи из двойной ткани.",
               "Стачай полочки со спинкой по плечевым швам, по линии из точек.",
               "Вшей рукава в проймы: сгиб рукава приходится на плечевой шов.",
               "Стачай боковые швы и швы рукавов одной строчкой от низа рукава до низа пальто.",
               "Сложи воротник вдоль пополам лицом внутрь, стачай концы, выверни и пришей к горловине.",
               "Подогни низ и рукава на 5 мм и подшей. Пришей липучку длиной !Y4.2 см на запах."};
    return m;
}

TModelDef HoodedCape() {
    TModelDef m{.File = "wn02", .Name = "Плащ с капюшоном", .Class = "Wn", .Conflicts = {"sh01", "sh02", "sh03"}};
    // A full circle in quarters that fit a page: the back on the fold, two fronts.
    const double neck = doll::Neck + 14;
    auto ring = RingPieces({{.Name = "Спинка", .Quarters = 1, .Fold = true},
                            {.Name = "Полочка", .Count = 2, .Quarters = 1, .Fold = false, .Velcro = true}},
                           neck, 95, "neck", 'B');
    ring[0].Look("back", "cape");
    ring[1].Look("front", "cape");
    // The hood side: its neck edge keeps 3 mm at the face edge and 3 mm at the back seam, and
    // slopes a little towards the chin so that its length meets the cape's neckline exactly.
    TPiece hood("Капюшон", 2);
    const Pt run = FitRun(SeamTotal(ring, "neck", 'B') / 2 + 6, 8);
    hood.From({0, 75 + run.y}).Line({0, 0}).Sewn(doll::Hem);
    hood.Curve({{40, -8}, {run.x + 30, 30}, {run.x, 75}}).Sewn(3);
    hood.Line({0, 75 + run.y}).Seam("neck", 'A', 2, -6);
    hood.Look("front+back", "hood");
    m.Pieces = {std::move(ring[0]), std::move(ring[1]), std::move(hood)};
    m.Look = {"cape", "shoulders", "hip", "none", "hood", "front-velcro", "gabardine"};
    m.Intro = "Широкий плащ-накидка с капюшоном. Капюшон заменяет шапку, поэтому шапки и шляпки с ним не "
              "носят.";
    m.FabricText = "Плащевая ткань или тонкий флис. Липучка !X1 на !Y1 см.";
    m.Steps = {"Спинку плаща выкрои на сгибе ткани, полочки и капюшон — из двойной ткани.",
               "Стачай спинку с полочками по плечевым швам: это прямые срезы, идущие от горловины вниз.",
               "Сложи детали капюшона лицом к лицу и стачай по круглой линии затылка.",
               "Подогни лицевой край капюшона на 5 мм и подшей.",
               "Пришей капюшон к горловине плаща: шов капюшона — к середине спинки.",
               "Подогни борта и низ плаща и подшей. Пришей липучку у горловины."};
    return m;
}

TModelDef FurJacket() {
    TModelDef m{.File = "wn03", .Name = "Шубка", .Class = "Wn"};
    m.Pieces = CoatPieces({.Length = 100, .HemX = 46, .Overlap = 4}, false);
    // The fur trim is glued along each front edge: a strip as long as the edge.
    TPiece& front = m.Pieces[0];
    const double edge = 100 - 14;
    front.Glue({-1, 14}, {-1, 100}).GlueSeam("trim", 'A', 2);
    TPiece trim("Опушка", 2);
    trim.From({0, 0}).Line({8, 0}).Line({8, edge}).Line({0, edge}).Line({0, 0});
    trim.Glue({4, 0}, {4, edge}).GlueSeam("trim", 'B', 2);
    trim.Raw().Look("front", "trim", "trim");
    m.Pieces.push_back(std::move(trim));
    m.Look = {"straight", "shoulders", "hip", "long", "round", "front-velcro", "fur"};
    m.Intro = "Короткая шубка из искусственного меха с меховой опушкой по бортам. Опушку не шьют, а "
              "приклеивают.";
    m.FabricText = "Искусственный мех на трикотажной основе или плюш; для опушки — полоска меха с длинным ворсом.";
    m.Steps = {"Выкраивай мех с изнанки, разрезая только основу, чтобы не срезать ворс.",
               "Стачай плечевые швы, вшей рукава, стачай боковые швы и швы рукавов.",
               "Подверни горловину и низ на 5 мм и подшей потайными стежками.",
               "Намажь клеем для ткани линию склейки на борту и приклей опушку так, чтобы её середина легла на "
               "линию. Опушка длиной !Y8.6 см.",
               "Пришей маленькую липучку у горловины."};
    return m;
}

TModelDef Jacket() {
    TModelDef m{.File = "wn04", .Name = "Куртка", .Class = "Wn"};
    m.Pieces = CoatPieces({.Length = 105, .HemX = 44, .Overlap = 8}, true);
    m.Look = {"straight", "shoulders", "hip", "long", "collar", "front-velcro", "cotton"};
    m.Intro = "Короткая куртка с воротником-стойкой и застёжкой на липучке. Хороша с брюками и шортами.";
    m.FabricText = "Джинсовая или плащевая ткань. Липучка шириной !X0.5 см.";
    m.Steps = {"Спинку, рукава и воротник выкрои на сгибе ткани, полочки — из двойной ткани.",
               "Стачай плечевые швы и вшей рукава.",
               "Стачай боковые швы и швы рукавов.",
               "Сложи воротник вдоль пополам, стачай концы, выверни и притачай к горловине.",
               "Подшей низ и рукава, пришей липучку на борт."};
    return m;
}

// Dress bodies: fronts on the fold, backs in two halves closing with velcro.
TTopSpec DressFront(double length, double hemX, bool sleeveless) {
    TTopSpec s{.Name = "Перед", .Count = 1, .Front = true, .NeckW = 12, .NeckDepth = 14, .ShoulderX = 38,
               .Sleeveless = sleeveless, .ArmY = 33, .ChestX = 38, .Length = length, .HemX = hemX};
    return s;
}

TTopSpec BackOf(TTopSpec s) {
    s.Name = "Спинка";
    s.Count = 2;
    s.Front = false;
    s.CentreExt = 8;
    s.NeckDepth = 5;
    return s;
}

TModelDef Sundress() {
    TModelDef m{.File = "pl01", .Name = "Сарафан", .Class = "Pl"};
    TTopSpec f = DressFront(172, 55, true);
    f.NeckW = 14;
    f.NeckDepth = 22;
    f.ShoulderX = 24;
    f.ArmY = 38;
    f.ChestX = 37;
    TTopSpec b = BackOf(f);
    b.NeckDepth = 12;
    m.Pieces = {TopHalf(f), TopHalf(b)};
    m.Pieces[0].Look("front", "body");
    m.Pieces[1].Look("back", "body");
    m.Look = {"a-line", "shoulders", "knee", "straps", "scoop", "back-velcro", "cotton"};
    m.Intro = "Лёгкий сарафан-трапеция на широких бретелях до колена. Всего две детали.";
    m.FabricText = "Ситец, батист или штапель в мелкий рисунок.";
    m.Steps = {"Перед выкрои на сгибе ткани, спинку — из двойной ткани.",
               "Стачай плечевые швы бретелей и боковые швы.",
               "Подверни горловину и проймы на 3 мм и прострочи.",
               "Подогни низ на 5 мм и подшей.",
               "Пришей липучку длиной !Y4.2 см на середину спинки."};
    return m;
}

TModelDef BallGown() {
    TModelDef m{.File = "pl02", .Name = "Бальное платье", .Class = "Pl", .Conflicts = {"wn01"}};
    TTopSpec f = DressFront(75, 24, true);
    f.ShoulderX = 26;
    f.ArmY = 36;
    f.ChestX = 36;
    f.NeckDepth = 18;
    f.HemWaistSeam = true;
    TTopSpec b = BackOf(f);
    b.NeckDepth = 8;
    b.HemX = 24;
    m.Pieces = {TopHalf(f), TopHalf(b)};
    m.Pieces[0].Look("front", "bodice");
    m.Pieces[1].Look("back", "bodice");
    // The circle skirt in quarters that fit a page: the front on the fold, two backs.
    auto skirt = RingPieces({{.Name = "Перед юбки", .Quarters = 1, .Fold = true},
                             {.Name = "Спинка юбки", .Count = 2, .Quarters = 1, .Fold = false}},
                            SeamTotal(m.Pieces, "waist", 'A'), 168, "waist", 'B');
    skirt[0].Look("front", "skirt");
    skirt[1].Look("back", "skirt");
    m.Pieces.push_back(std::move(skirt[0]));
    m.Pieces.push_back(std::move(skirt[1]));
    m.Look = {"full", "shoulders", "floor", "straps", "scoop", "back-velcro", "satin"};
    m.Intro = "Длинное бальное платье: облегающий лиф и пышная юбка-солнце до пола.";
    m.FabricText = "Атлас, тафта или шифон на подкладке; ткани нужно много, юбка кроится целым полукругом.";
    m.Steps = {"Перед лифа и перед юбки выкрои на сгибе ткани, спинки — из двойной ткани.",
               "Стачай плечевые и боковые швы лифа.",
               "Стачай перед юбки со спинками по боковым швам, а спинки между собой — по среднему шву, оставив "
               "сверху !Y4 см незашитыми.",
               "Пришей юбку к лифу по талии, совмещая шов юбки с серединой спинки.",
               "Обработай горловину и проймы, подшей низ юбки.",
               "Пришей липучку на спинку лифа."};
    return m;
}

TModelDef SleevedDress(const std::string& file, const std::string& name, double length, double sleeve,
                       double sleeveEnd) {
    TModelDef m{.File = file, .Name = name, .Class = "Pl"};
    TTopSpec f = DressFront(length, 50, false);
    TTopSpec b = BackOf(f);
    m.Pieces = {TopHalf(f), TopHalf(b), SleeveHalf("Рукав", ArmholeLength(f), sleeve, sleeveEnd)};
    m.Pieces[0].Look("front", "body");
    m.Pieces[1].Look("back", "body");
    m.Pieces[2].Look("front+back", "sleeve");
    return m;
}

TModelDef TunicDress() {
    TModelDef m = SleevedDress("pl03", "Платье-туника", 150, 25, 25);
    m.Look = {"a-line", "shoulders", "thigh", "short", "round", "back-velcro", "knit"};
    m.Intro = "Короткое платье-туника с короткими рукавами. Его можно носить и с лосинами.";
    m.FabricText = "Тонкий трикотаж, ситец или лён.";
    m.Steps = {"Перед и рукава выкрои на сгибе ткани, спинку — из двойной ткани.",
               "Стачай плечевые швы и вшей рукава в прямые проймы.",
               "Стачай боковые швы вместе со швами рукавов.",
               "Подверни горловину на 3 мм и прострочи, подшей низ и рукава.",
               "Пришей липучку на середину спинки."};
    return m;
}

TModelDef BeltedDress() {
    TModelDef m = SleevedDress("pl04", "Платье с пояском", 172, 104, 18);
    m.Pieces.push_back(Band("Поясок", 1, 170, 5, 0, "", 'B', 1));
    m.Pieces.back().Look("front+back", "belt");
    m.Look = {"a-line", "shoulders", "knee", "long", "round", "back-velcro", "wool"};
    m.Intro = "Тёплое платье с длинными рукавами до колена, подпоясанное узким пояском с бантом.";
    m.FabricText = "Тонкая шерсть, фланель или трикотаж.";
    m.Steps = {"Перед, рукава и поясок выкрои на сгибе ткани, спинку — из двойной ткани.",
               "Стачай плечевые швы, вшей рукава.",
               "Стачай боковые швы вместе со швами рукавов.",
               "Обработай горловину, подшей низ и рукава, пришей липучку на спинку.",
               "Сложи поясок вдоль лицом внутрь, стачай, выверни и завяжи на талии бантом. Длина пояска "
               "!x17.6 см."};
    return m;
}

// Blouses: hip length, the back either closing with velcro or, for knits, on the fold.
TModelDef Blouse(const std::string& file, const std::string& name, double sleeve, double sleeveEnd, bool knit) {
    TModelDef m{.File = file, .Name = name, .Class = "Bl"};
    TTopSpec f{.Name = "Перед", .NeckW = 12, .NeckDepth = 14, .ShoulderX = 38, .ArmY = 33, .ChestX = 38,
               .Length = 100, .HemX = 41};
    TTopSpec b = BackOf(f);
    if (knit) {
        b.Count = 1;
        b.CentreExt = -1;
    }
    m.Pieces = {TopHalf(f), TopHalf(b), SleeveHalf("Рукав", ArmholeLength(f), sleeve, sleeveEnd)};
    m.Pieces[0].Look("front", "body");
    m.Pieces[1].Look("back", "body");
    m.Pieces[2].Look("front+back", "sleeve");
    return m;
}

TModelDef TankTop() {
    TModelDef m{.File = "bl01", .Name = "Маечка", .Class = "Bl"};
    TTopSpec f{.Name = "Перед", .NeckW = 14, .NeckDepth = 25, .ShoulderX = 22, .Sleeveless = true, .ArmY = 40,
               .ChestX = 35, .Length = 92, .HemX = 38};
    TTopSpec b = f;
    b.Name = "Спинка";
    b.Front = false;
    b.NeckDepth = 14;
    m.Pieces = {TopHalf(f), TopHalf(b)};
    m.Pieces[0].Look("front", "body");
    m.Pieces[1].Look("back", "body");
    m.Look = {"fitted", "shoulders", "hip", "straps", "scoop", "pull-on", "knit"};
    m.Intro = "Трикотажная маечка на бретелях. Застёжки нет: она тянется и надевается через голову.";
    m.FabricText = "Тонкий трикотаж (кулирка, рибана) или старая футболка.";
    m.Steps = {"Перед и спинку выкрои на сгибе ткани так, чтобы трикотаж тянулся поперёк.",
               "Стачай плечевые и боковые швы растянутой строчкой или зигзагом.",
               "Подверни горловину и проймы на 3 мм и прострочи зигзагом.",
               "Подогни низ на 5 мм и подшей."};
    return m;
}

} // namespace

std::vector<TModelDef> CoatModels() { return {LongCoat(), HoodedCape(), FurJacket(), Jacket()}; }

std::vector<TModelDef> DressModels() { return {Sundress(), BallGown(), TunicDress(), BeltedDress()}; }

std::vector<TModelDef> BlouseModels() {
    TModelDef shortSleeve = Blouse("bl02", "Блузка с коротким рукавом", 25, 25, false);
    shortSleeve.Look = {"straight", "shoulders", "hip", "short", "round", "back-velcro", "cotton"};
    shortSleeve.Intro = "Простая блузка с короткими рукавами и застёжкой на спинке.";
    shortSleeve.FabricText = "Батист, ситец или поплин.";
    shortSleeve.Steps = {"Перед и рукава выкрои на сгибе ткани, спинку — из двойной ткани.",
                         "Стачай плечевые швы и вшей рукава.", "Стачай боковые швы вместе со швами рукавов.",
                         "Обработай горловину, подшей низ и рукава.",
                         "Пришей липучку длиной !Y4.2 см на спинку."};
    TModelDef longSleeve = Blouse("bl03", "Блузка с длинным рукавом", 104, 18, false);
    longSleeve.Look = {"straight", "shoulders", "hip", "long", "round", "back-velcro", "cotton"};
    longSleeve.Intro = "Блузка с длинными рукавами, сужающимися к запястью.";
    longSleeve.FabricText = "Батист, шёлк или тонкий трикотаж.";
    longSleeve.Steps = shortSleeve.Steps;
    TModelDef tee = Blouse("bl04", "Футболка", 30, 26, true);
    tee.Look = {"straight", "shoulders", "hip", "short", "round", "pull-on", "knit"};
    tee.Intro = "Трикотажная футболка без застёжки: спинка кроится на сгибе, как и перед.";
    tee.FabricText = "Кулирная гладь или старая футболка.";
    tee.Steps = {"Перед, спинку и рукава выкрои на сгибе ткани.", "Стачай плечевые швы и вшей рукава.",
                 "Стачай боковые швы вместе со швами рукавов зигзагом.",
                 "Подверни горловину, низ и рукава и прострочи зигзагом."};
    return {TankTop(), shortSleeve, longSleeve, tee};
}

} // namespace gen
