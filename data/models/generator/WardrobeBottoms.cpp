// Trousers, skirts, robes and swimsuits.
#include "PatternBlocks.h"
#include "Wardrobe.h"

#include "DollMeasures.h"

namespace gen {

namespace {

TModelDef Trousers(const std::string& file, const std::string& name, double length, double hemX, bool cuff) {
    TModelDef m{.File = file, .Name = name, .Class = "Br"};
    m.Pieces.push_back(TrouserHalf({.Name = "Штанина", .Length = length, .HemX = hemX, .CuffSeam = cuff}));
    m.Pieces[0].Look("front+back", "leg");
    if (cuff) {
        const double opening = SeamTotal(m.Pieces, "cuff", 'A');
        m.Pieces.push_back(Band("Манжета", 2, opening, 8, 0, "cuff", 'B', 1));
        m.Pieces.back().Look("front+back", "cuff");
    }
    m.Steps = {"Сложи ткань вдвое и приложи пунктир детали к сгибу: одна деталь — это целая штанина. "
               "Выкрои две штанины.",
               "Сложи каждую штанину вдоль лицом внутрь и стачай шаговый шов от низа до верхней закруглённой "
               "точки.",
               "Вверни одну штанину в другую лицом к лицу и стачай их по закруглённому среднему шву спереди и "
               "сзади.",
               "Подогни верх по линии из точек на !Y0.8 см и прострочи кулиску, оставив отверстие. Вдень "
               "резинку длиной !x7.7 см и сшей её концы."};
    return m;
}

TModelDef Robe() {
    TModelDef m{.File = "hl03", .Name = "Халат", .Class = "Hl"};
    TKimonoSpec back{.Name = "Спинка", .Front = false, .NeckW = 12, .NeckDepth = 5, .SleeveEnd = 78,
                     .SleeveDrop = 10, .SleeveW = 34, .ChestX = 44, .Length = 200, .HemX = 56};
    TKimonoSpec front = back;
    front.Name = "Полочка";
    front.Count = 2;
    front.Front = true;
    front.CentreExt = 22;
    front.WrapNeckY = 75;
    m.Pieces = {KimonoHalf(front), KimonoHalf(back), Band("Пояс", 1, 180, 6, 0, "", 'B', 1)};
    m.Pieces[0].Look("front", "body");
    m.Pieces[1].Look("back", "body");
    m.Pieces[2].Look("front+back", "belt");
    m.Look = {"wrap", "shoulders", "calf", "kimono-elbow", "v", "wrap-belt", "terry"};
    m.Intro = "Длинный халат с запахом и цельнокроеными рукавами-кимоно, подвязанный поясом.";
    m.FabricText = "Махровая ткань, велюр или фланель.";
    m.Steps = {"Спинку и пояс выкрои на сгибе ткани, полочки — из двойной ткани.",
               "Стачай верхние швы рукавов и плеч.",
               "Стачай нижние швы рукавов и боковые швы одной строчкой, надсеки закругление под рукавом.",
               "Подогни борта, горловину, низ и рукава и подшей.",
               "Сшей пояс, выверни его и завяжи халат. Длина пояса !x18 см."};
    return m;
}

TModelDef Nightgown() {
    TModelDef m{.File = "hl04", .Name = "Ночная рубашка", .Class = "Hl"};
    TKimonoSpec front{.Name = "Перед", .NeckW = 14, .NeckDepth = 16, .SleeveEnd = 70, .SleeveDrop = 9,
                      .SleeveW = 30, .ChestX = 40, .Length = 215, .HemX = 60};
    TKimonoSpec back = front;
    back.Name = "Спинка";
    back.Count = 2;
    back.Front = false;
    back.NeckDepth = 6;
    back.CentreExt = 8;
    m.Pieces = {KimonoHalf(front), KimonoHalf(back)};
    m.Pieces[0].Look("front", "body");
    m.Pieces[1].Look("back", "body");
    m.Look = {"a-line", "shoulders", "ankle", "kimono-elbow", "round", "back-velcro", "cotton"};
    m.Intro = "Длинная ночная рубашка с рукавами-кимоно и застёжкой на спинке.";
    m.FabricText = "Мягкий ситец, бязь или фланель.";
    m.Steps = {"Перед выкрои на сгибе ткани, спинку — из двойной ткани.",
               "Стачай верхние швы рукавов, затем нижние швы рукавов вместе с боковыми.",
               "Обработай горловину узкой подгибкой, подшей низ и рукава.",
               "Пришей липучку длиной !Y4.2 см на середину спинки."};
    return m;
}

// Knit swimwear: every piece on the fold, front and back meeting at the sides and the crotch.
TPiece SwimHalf(const std::string& name, bool front, double neckDepth) {
    const char side = front ? 'A' : 'B';
    TPiece p(name, 1);
    p.From({0, neckDepth}).Curve({{8, neckDepth}, {12, neckDepth * 0.5}, {12, 0}}).Sewn(3);
    p.Line({19, 0}).Seam("shoulder", side);
    p.Curve({{19, 22}, {28, 40}, {34, 40}}).Sewn(3);
    p.Line({23, 76}).Seam("side", side);
    p.Line({35, 98}).Seam("side", side);
    p.Curve({{front ? 26.0 : 30.0, 116}, {front ? 12.0 : 16.0, 122}, {8, 126}}).Sewn(3);
    p.Line({0, 126}).Seam("crotch", side);
    p.Fold({0, neckDepth});
    return p;
}

TPiece BriefHalf(const std::string& name, bool front) {
    const char side = front ? 'A' : 'B';
    TPiece p(name, 1);
    p.From({0, 0}).Line({34, 0}).Sewn(doll::Hem);
    p.Line({36, 12}).Seam("side", side);
    p.Curve({{front ? 26.0 : 32.0, 28}, {front ? 12.0 : 18.0, 32}, {8, 36}}).Sewn(3);
    p.Line({0, 36}).Seam("crotch", side);
    p.Fold({0, 0});
    return p;
}

TModelDef Swimsuit() {
    TModelDef m{.File = "hl01", .Name = "Купальник", .Class = "Hl"};
    m.Pieces = {SwimHalf("Перед", true, 22), SwimHalf("Спинка", false, 14)};
    m.Pieces[0].Look("front", "body");
    m.Pieces[1].Look("back", "body");
    m.Look = {"fitted", "shoulders", "hip", "straps", "scoop", "pull-on", "lycra"};
    m.Intro = "Слитный купальник из эластичной ткани. Надевается через ноги, застёжки нет.";
    m.FabricText = "Бифлекс, лайкра или тонкий трикотаж с эластаном.";
    m.Steps = {"Перед и спинку выкрои на сгибе ткани; ткань должна тянуться поперёк.",
               "Стачай плечевые, боковые швы и шов в шаге зигзагом.",
               "Подверни горловину, проймы и вырезы для ног на 3 мм и прострочи зигзагом, слегка растягивая."};
    return m;
}

TModelDef Bikini() {
    TModelDef m{.File = "hl02", .Name = "Раздельный купальник", .Class = "Hl"};
    TPiece top("Лиф", 1);
    top.From({0, 0}).Line({70, 0}).Sewn(3).Line({70, 22}).Sewn(3).Line({0, 22}).Sewn(3).Fold({0, 0});
    top.Velcro({60, 3}, {67, 19}).GrainAcross();
    m.Pieces = {std::move(top), BriefHalf("Трусики перед", true), BriefHalf("Трусики спинка", false)};
    m.Pieces[0].Look("front+back", "top");
    m.Pieces[1].Look("front", "briefs", "briefs");
    m.Pieces[2].Look("back", "briefs", "briefs");
    m.Look = {"fitted", "chest", "hip", "none", "none", "back-velcro", "lycra"};
    m.Intro = "Раздельный купальник: лиф-полоска на липучке и трусики.";
    m.FabricText = "Бифлекс или лайкра; липучка !X0.7 на !Y1.6 см.";
    m.Steps = {"Все детали выкрои на сгибе ткани.",
               "Подверни края лифа на 3 мм и прострочи зигзагом, пришей липучку на концы.",
               "Стачай трусики по боковым швам и по шву в шаге.",
               "Подогни верх трусиков, вдень резинку длиной !x12 см, обработай вырезы для ног."};
    return m;
}

TModelDef SunSkirt() {
    TModelDef m{.File = "yu01", .Name = "Юбка-солнце", .Class = "Yu"};
    const double waist = doll::Waist + 7;
    m.Pieces = RingPieces({{.Name = "Юбка"}}, waist, 55, "waist", 'A');
    m.Pieces.push_back(Band("Пояс", 1, SeamTotal(m.Pieces, "waist", 'A'), 10, doll::Overlap, "waist", 'B', 1));
    m.Pieces[0].Look("front+back", "skirt");
    m.Pieces[1].Look("front+back", "band");
    m.Look = {"flared", "waist", "thigh", "none", "none", "back-velcro", "cotton"};
    m.Intro = "Пышная юбка-солнце на поясе. Выкраивается одним кругом.";
    m.FabricText = "Лёгкая ткань, которая красиво падает складками: штапель, шифон, тонкий трикотаж.";
    m.Steps = {"Выкрои юбку на сгибе ткани: получится целый круг с одним срезом сзади.",
               "Стачай средний шов сзади, оставив сверху !Y3 см для застёжки.",
               "Сложи пояс вдоль пополам лицом внутрь, стачай концы, выверни.",
               "Пришей пояс к юбке; выступающий конец пояса с липучкой — на спинке.",
               "Подшей низ на 5 мм."};
    return m;
}

TModelDef ElasticSkirt() {
    TModelDef m{.File = "yu02", .Name = "Юбка на резинке", .Class = "Yu"};
    TPiece p("Юбка", 1);
    const double w = doll::Hip * 1.5 / 2 + 3, len = 8 + 65 + doll::Hem;
    p.From({0, 0}).Line({w, 0}).Sewn(8).Line({w, len}).Sewn(3).Line({0, len}).Sewn(doll::Hem).Fold({0, 0});
    p.GrainAcross();
    m.Pieces = {std::move(p)};
    m.Pieces[0].Look("front+back", "skirt");
    m.Look = {"full", "waist", "thigh", "none", "none", "elastic", "cotton"};
    m.Intro = "Самая простая юбка: прямоугольник, собранный на резинку. Шьётся за один вечер.";
    m.FabricText = "Ситец, батист или шифон.";
    m.Steps = {"Выкрои юбку на сгибе ткани.",
               "Стачай средний шов сзади.",
               "Подогни верх по линии из точек на !Y0.8 см и прострочи кулиску, оставив отверстие.",
               "Вдень резинку длиной !x7.7 см и сшей концы.",
               "Подшей низ на 5 мм."};
    return m;
}

TModelDef StraightSkirt(const std::string& file, const std::string& name, double length, double hemX, bool flared) {
    TModelDef m{.File = file, .Name = name, .Class = "Yu"};
    TSkirtSpec front{.Name = "Перед", .WaistX = 24, .HipX = 40, .HipY = 38, .Length = length, .HemX = hemX,
                     .Flared = flared};
    TSkirtSpec back = front;
    back.Name = "Задняя половинка";
    back.Count = 2;
    back.Front = false;
    back.CentreExt = 0;
    back.WaistX += 3, back.HipX += 3, back.HemX += 3;
    m.Pieces = {SkirtHalf(front), SkirtHalf(back)};
    m.Pieces[0].Look("front", "skirt");
    m.Pieces[1].Look("back", "skirt");
    m.Pieces.push_back(Band("Пояс", 1, SeamTotal(m.Pieces, "waist", 'A'), 10, doll::Overlap, "waist", 'B', 1));
    m.Pieces.back().Look("front+back", "band");
    m.FabricText = "Плотная ткань, которая держит форму: габардин, костюмная ткань, джинса.";
    m.Steps = {"Перед выкрои на сгибе ткани, задние половинки — из двойной ткани.",
               "Стачай задние половинки по среднему шву, оставив сверху !Y3 см незашитыми.",
               "Стачай боковые швы.",
               "Сложи пояс вдоль пополам лицом внутрь, стачай концы, выверни и пришей к юбке.",
               "Подшей низ на 5 мм. Пришей липучку на выступ пояса."};
    return m;
}

} // namespace

std::vector<TModelDef> TrouserModels() {
    TModelDef trousers = Trousers("br01", "Брюки", 8 + doll::WaistToAnkle + doll::Hem, 28, false);
    trousers.Look = {"straight", "waist", "ankle", "none", "none", "elastic", "cotton"};
    trousers.Intro = "Длинные прямые брюки на резинке. Каждая штанина кроится одной деталью.";
    trousers.FabricText = "Джинса, вельвет, костюмная ткань.";
    trousers.Steps.push_back("Подогни низ штанин на 5 мм и подшей.");
    TModelDef shorts = Trousers("br02", "Шорты", 8 + 55 + doll::Hem, 50, false);
    shorts.Look = {"straight", "waist", "thigh", "none", "none", "elastic", "cotton"};
    shorts.Intro = "Короткие шорты на резинке для лета.";
    shorts.FabricText = "Ситец, лён или джинса.";
    shorts.Steps.push_back("Подогни низ на 5 мм и подшей.");
    TModelDef leggings = Trousers("br03", "Лосины", 8 + doll::WaistToAnkle + doll::Hem, 18, false);
    leggings.Look = {"fitted", "waist", "ankle", "none", "none", "elastic", "knit"};
    leggings.Intro = "Облегающие трикотажные лосины. Их носят с туникой или с длинной блузкой.";
    leggings.FabricText = "Трикотаж с эластаном: он должен хорошо тянуться поперёк.";
    leggings.Steps.push_back("Подогни низ на 5 мм и прострочи зигзагом.");
    TModelDef capri = Trousers("br04", "Бриджи", 8 + 120, 30, true);
    capri.Look = {"straight", "waist", "calf", "none", "none", "elastic", "cotton"};
    capri.Intro = "Бриджи до середины икры с манжетами.";
    capri.FabricText = "Джинса, вельвет или плотный хлопок.";
    capri.Steps.push_back("Сшей каждую манжету в кольцо, сложи вдоль пополам и пришей к низу штанины.");
    return {trousers, shorts, leggings, capri};
}

std::vector<TModelDef> RobeModels() { return {Swimsuit(), Bikini(), Robe(), Nightgown()}; }

std::vector<TModelDef> SkirtModels() {
    TModelDef pencil = StraightSkirt("yu03", "Прямая юбка", 3 + 80 + doll::Hem, 39, false);
    pencil.Look = {"straight", "waist", "knee", "none", "none", "back-velcro", "wool"};
    pencil.Intro = "Прямая юбка до колена на поясе.";
    TModelDef maxi = StraightSkirt("yu04", "Длинная юбка", 3 + 150 + doll::Hem, 66, true);
    maxi.Conflicts = {"wn01"};
    maxi.Look = {"a-line", "waist", "ankle", "none", "none", "back-velcro", "cotton"};
    maxi.Intro = "Длинная расклешённая юбка. Длинное пальто поверх неё не надеть.";
    maxi.FabricText = "Штапель, шифон или тонкая шерсть.";
    return {SunSkirt(), ElasticSkirt(), pencil, maxi};
}

} // namespace gen
