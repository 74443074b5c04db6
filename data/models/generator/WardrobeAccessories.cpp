// Hats and shoes: round pieces (prefix "!x" keeps circles round for any doll; shoe pieces "!y"
// follow the doll's height), sewn or glued.
#include "PatternBlocks.h"
#include "Wardrobe.h"

#include "DollMeasures.h"

#include <cmath>

namespace gen {

namespace {

// The seam line round the head (head and 5 mm ease), taken from a whole-millimetre circle so that
// crowns and brim holes, whose boxes are whole millimetres, meet their bands exactly.
constexpr double kHeadCircle = 43;
constexpr double kHeadSeam = kHeadCircle * M_PI;

// A circle whose seam line runs 3 mm inside (crowns) or outside (holes) the cut edge.
constexpr double kCircleAllowance = 6 * M_PI;

TModelDef Beret() {
    TModelDef m{.File = "sh01", .Name = "Берет", .Class = "Sh"};
    const double d = 90, hole = kHeadCircle - 6;
    TPiece top("Донце", 1, "!x");
    top.Ellipse({d / 2, d / 2}, d, d).Seam("edge", 'A').Look("front+back", "crown");
    TPiece under("Нижняя часть", 1, "!x");
    under.Ellipse({d / 2, d / 2}, d, d).Seam("edge", 'B');
    under.Ellipse({d / 2, d / 2}, hole, hole).Seam("band", 'A', 1, kCircleAllowance);
    under.Look("front+back", "crown");
    m.Pieces = {std::move(top), std::move(under), Band("Ободок", 1, kHeadSeam, 6, 0, "band", 'B', 1)};
    m.Pieces[2].Look("front+back", "band");
    m.Look = {"beret", "head", "crown", "none", "none", "pull-on", "felt"};
    m.Intro = "Круглый берет, надетый набок. Он не закрывает волосы.";
    m.FabricText = "Флис, сукно или тонкий фетр.";
    m.Steps = {"Вырежи донце и нижнюю часть — два одинаковых круга; в нижней части вырежи середину по "
               "внутреннему кругу.",
               "Сложи круги лицом к лицу и стачай по краю в 3 мм от среза, выверни.",
               "Сшей ободок в кольцо по коротким концам, сложи вдоль пополам.",
               "Пришей ободок к внутреннему краю нижней части. Ободок длиной !x13.4 см."};
    return m;
}

TModelDef BrimmedHat() {
    TModelDef m{.File = "sh02", .Name = "Шляпка с полями", .Class = "Sh", .Hat = true};
    const double crown = kHeadCircle + 6, hole = kHeadCircle - 6;
    TPiece top("Донце", 1, "!x");
    top.Ellipse({crown / 2, crown / 2}, crown, crown).Seam("crown", 'A', 1, -kCircleAllowance);
    top.Look("front+back", "crown", "hat");
    // The side band is a straight strip closed into a ring: its two long edges are equal.
    const double len = kHeadSeam + 6, h = 22 + 6;
    TPiece side("Тулья", 1);
    side.From({0, 0}).Line({len, 0}).Seam("crown", 'B', 1, -6);
    side.Line({len, h}).Sewn(3).Line({0, h}).Seam("brim", 'A', 1, -6).Line({0, 0}).Sewn(3);
    side.GrainAcross().Look("front+back", "crown", "hat");
    const double brim = 110;
    TPiece rim("Поля", 2, "!x");
    rim.Ellipse({brim / 2, brim / 2}, brim, brim);
    rim.Ellipse({brim / 2, brim / 2}, hole, hole).Seam("brim", 'B', 1, kCircleAllowance);
    rim.Look("front+back", "brim");
    m.Pieces = {std::move(top), std::move(side), std::move(rim)};
    m.Look = {"brimmed", "head", "brim", "none", "none", "pull-on", "felt"};
    m.Intro = "Нарядная шляпка с круглой тульёй и широкими полями. Она закрывает волосы сверху.";
    m.FabricText = "Тонкий фетр или плотный хлопок на клеевой прокладке.";
    m.Steps = {"Вырежи донце, тулью и две детали полей.",
               "Сшей тулью в кольцо по коротким сторонам и пришей к ней донце.",
               "Сложи поля лицом к лицу, стачай по внешнему краю, выверни и прогладь.",
               "Пришей поля к нижнему краю тульи. Окружность головы куклы !x13.4 см."};
    return m;
}

TModelDef KnitCap() {
    TModelDef m{.File = "sh03", .Name = "Шапочка с помпоном", .Class = "Sh", .Hat = true};
    const double h = 62;
    const Pt run = FitRun(kHeadSeam / 2 + 6, 10);
    TPiece half("Половинка", 2);
    half.From({0, h + run.y}).Curve({{-2, -h * 0.3}, {run.x + 2, -h * 0.3}, {run.x, h}}).Sewn(3);
    half.Line({0, h + run.y}).Seam("band", 'A', 2, -6);
    half.Look("front+back", "crown", "cap");
    TPiece pompon("Помпон", 1, "!x");
    pompon.Ellipse({15, 15}, 30, 30).Look("front+back", "pompon");
    m.Pieces = {std::move(half), Band("Отворот", 1, kHeadSeam, 12, 0, "band", 'B', 1), std::move(pompon)};
    m.Pieces[1].Look("front+back", "cuff", "cap");
    m.Look = {"beanie", "head", "crown", "none", "none", "pull-on", "fleece"};
    m.Intro = "Тёплая шапочка с отворотом и помпоном; закрывает волосы и уши.";
    m.FabricText = "Флис или трикотаж; для помпона — кружок той же ткани.";
    m.Steps = {"Вырежи две половинки шапочки, отворот на сгибе ткани и помпон.",
               "Стачай половинки по закруглённому краю.",
               "Сшей отворот в кольцо, сложи вдоль пополам и пришей к низу шапочки.",
               "Прошей помпон по краю, стяни нитку, набей ватой и пришей на макушку."};
    return m;
}

double SolePerimeter() { return EllipsePerimeter(doll::FootLength + 2, doll::FootWidth); }

// The sole every shoe stands on. When the upper is glued round it, its rim is side B of the seam
// "sole"; `rimShare` is the part of the rim the upper covers (slippers cover only the toe half).
TPiece Sole(const std::string& name, int count, bool glued, double rimShare = 1) {
    TPiece sole(name, count, "!y");
    sole.Raw().Ellipse({14, 5.5}, doll::FootLength + 2, doll::FootWidth);
    if (glued)
        sole.Seam("sole", 'B', 1, -(1 - rimShare) * SolePerimeter());
    return sole;
}

TModelDef Pumps() {
    TModelDef m{.File = "tf01", .Name = "Туфельки", .Class = "Tf"};
    const double p = std::round(SolePerimeter()), len = p + 4, h = 16;
    TPiece upper("Верх", 2, "!y");
    upper.From({0, h}).Line({len, h}).Line({len, 6}).Curve({{len / 2, -8}, {0, 6}}).Line({0, h});
    upper.Glue({0, h - 3}, {p, h - 3}).GlueSeam("sole", 'A');
    upper.Raw().GrainAcross().Look("front+back", "upper");
    m.Pieces = {Sole("Подошва", 2, false), std::move(upper), Sole("Стелька", 2, true)};
    m.Pieces[1].Look("front+back", "upper", "shoe");
    m.Pieces[2].Look("none", "insole", "shoe");
    m.Look = {"pumps", "foot", "shoe", "none", "none", "glued", "felt"};
    m.Intro = "Туфельки-лодочки. Их не шьют, а склеивают из фетра и картона.";
    m.FabricText = "Фетр толщиной 1 мм, тонкий картон для стелек, клей для ткани.";
    m.Steps = {"Вырежи из фетра две подошвы и две детали верха, из картона — две стельки.",
               "Надрежь край верха ниже линии склейки через каждые !Y0.3 см, не доходя до линии.",
               "Оберни верх вокруг стельки, короткий конец — на пятке, и приклей надрезанный край к низу "
               "стельки по линии склейки.",
               "Приклей снизу подошву. Пусть клей высохнет, прежде чем обувать куклу."};
    m.Pieces[0].Look("none", "sole", "shoe");
    return m;
}

TModelDef Boots() {
    TModelDef m{.File = "tf02", .Name = "Сапожки", .Class = "Tf"};
    const double half = std::round(SolePerimeter() / 2), w = half + 6, h = 62;
    TPiece side("Голенище", 4, "!y");
    side.From({0, h}).Line({w, h}).Curve({{w + 2, h - 12}, {w - 10, h - 16}}).Sewn(3);
    side.Line({w - 14, 0}).Sewn(3).Line({3, 0}).Line({0, h}).Sewn(3);
    side.Glue({3, h - 3}, {3 + half, h - 3}).GlueSeam("sole", 'A', 2);
    side.Raw().Look("front+back", "upper", "boot");
    TPiece sole = Sole("Подошва", 2, true);
    sole.Look("none", "sole", "boot");
    m.Pieces = {std::move(sole), std::move(side)};
    m.Look = {"boots", "foot", "ankle-boot", "none", "none", "glued", "felt"};
    m.Intro = "Высокие сапожки из фетра: голенища сшивают, подошву приклеивают.";
    m.FabricText = "Фетр, замша или кожзаменитель; клей для ткани.";
    m.Steps = {"Вырежи четыре детали голенища и две подошвы.",
               "Сложи две детали голенища и сшей по переднему и заднему краю в 3 мм от среза, выверни.",
               "Надрежь низ голенища до линии склейки, подогни и приклей к подошве.",
               "Высота сапожка !Y6 см: отогни верх, если он выше колена куклы."};
    return m;
}

TModelDef Slippers() {
    TModelDef m{.File = "tf03", .Name = "Тапочки", .Class = "Tf"};
    const double half = std::round(SolePerimeter() / 2), h = 18;
    TPiece cap("Мысок", 2, "!y");
    cap.From({0, h}).Line({half, h}).Curve({{half, -4}, {0, -4}, {0, h}});
    cap.Glue({0, h - 3}, {half, h - 3}).GlueSeam("sole", 'A');
    cap.Raw().Look("front", "upper", "slipper");
    TPiece pompon("Помпон", 2, "!x");
    pompon.Ellipse({7, 7}, 14, 14).Raw().Look("front", "pompon");
    TPiece sole = Sole("Подошва", 2, true, 0.5);
    sole.Look("none", "sole", "slipper");
    m.Pieces = {std::move(sole), std::move(cap), std::move(pompon)};
    m.Look = {"slippers", "foot", "shoe", "none", "none", "glued", "felt"};
    m.Intro = "Домашние тапочки с помпонами: подошва и мысок из фетра.";
    m.FabricText = "Фетр двух цветов, клей для ткани.";
    m.Steps = {"Вырежи две подошвы, два мыска и два помпона.",
               "Надрежь край мыска до линии склейки и приклей его к носку подошвы: мысок закрывает "
               "половину ступни.",
               "Стяни помпоны ниткой в шарики и пришей на мыски."};
    return m;
}

} // namespace

std::vector<TModelDef> HatModels() { return {Beret(), BrimmedHat(), KnitCap()}; }

std::vector<TModelDef> ShoeModels() { return {Pumps(), Boots(), Slippers()}; }

} // namespace gen
