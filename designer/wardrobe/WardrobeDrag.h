// What a drag inside the wardrobe carries: a rack's current model, a worn garment from the doll,
// or a fabric from the drum. Every wardrobe component takes drops of these (routing them as the
// main window's drop table says), so the components work in any window that hosts them.
#pragma once

namespace wardrobe {

class TClassModels;
class TModelView;
class TModels;
class TModelsItem;
class TBrushSelect;

struct TWardrobeDrag {
    enum class TKind { Rack, Worn, Material };
    TKind Kind = TKind::Rack;
    TModelView* View = nullptr;    // Rack: the dragged rack
    TClassModels* Class = nullptr; // Rack: its class; Worn: the garment's class
    TModels* Doll = nullptr;       // Worn: the doll it comes from
    TModelsItem* Item = nullptr;   // Worn: the layer
    TBrushSelect* Drum = nullptr;  // Material: the drum
    int Material = -1;             // Material: what it paints with
    bool Shift = false;            // Material: Shift was held when the drag began
};

} // namespace wardrobe
