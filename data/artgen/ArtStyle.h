// The product's one look: every picture maker takes its colours and lettering from here so the
// screens, the doll, the strips and the installer read as one friendly, bright set for children.
#pragma once

#include <QColor>
#include <QFont>

namespace art::style {

// Warm pastel room: walls, stage and wood.
inline const QColor kWall{255, 228, 236};      // soft pink
inline const QColor kWallShade{244, 196, 214};
inline const QColor kStage{255, 244, 214};     // cream floor of the stage
inline const QColor kWood{214, 150, 96};       // racks, frames, drum rim
inline const QColor kWoodDark{150, 96, 56};
inline const QColor kMetal{176, 186, 204};     // rack bars, hinges

// Accents for buttons and lettering.
inline const QColor kBerry{214, 58, 124};
inline const QColor kSky{86, 170, 232};
inline const QColor kMint{96, 206, 160};
inline const QColor kSun{255, 200, 48};
inline const QColor kLilac{164, 120, 220};
inline const QColor kInk{70, 40, 80};          // outlines and text
inline const QColor kPaper{252, 250, 244};     // panels that hold text (never pure white)

// Skin for the doll.
inline const QColor kSkin{250, 214, 190};
inline const QColor kSkinShade{232, 184, 160};
inline const QColor kHair{236, 178, 72};
inline const QColor kHairShade{198, 138, 48};

// Rounded, friendly lettering with full Cyrillic (installed with the build's packages).
inline QFont Lettering(int pixelSize, bool bold = true) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace art::style
