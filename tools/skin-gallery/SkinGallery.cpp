// skin-gallery: shows every skinned control on one 640 x 480 window over a skin it draws itself
// (the product's art is made elsewhere). `skin-gallery --screenshot out.png` writes what the
// window shows and exits; without it the window stays until it is closed.
#include "designer/controls/BitmapButton.h"
#include "designer/controls/BitmapButtons.h"
#include "designer/controls/DrawPanel.h"
#include "designer/controls/FlyBitmap.h"
#include "designer/controls/HintGlow.h"
#include "platform/graphics/RasterCanvas.h"
#include "platform/ui/Application.h"
#include "platform/ui/Synthetic.h"

#include <cstdio>
#include <cstring>
#include <string>

using namespace plat;

namespace {

// The generated skin: rows of button strips (3 frames of 96 x 32), a caption background, a region
// panel's three images (160 x 40 one under the other) and a flying-message picture.
Bitmap MakeSkin() {
    Bitmap skin(640, 320);
    RasterCanvas c(skin);
    const TColor frames[] = {RGB(90, 140, 220), RGB(40, 80, 170), RGB(230, 160, 40)};
    for (int f = 0; f < 3; ++f) {
        c.Brush = TBrush{frames[f], BrushStyle::Solid};
        c.Pen = TPen{RGB(20, 30, 60), 1, PenStyle::Solid};
        c.Rectangle(f * 96, 0, f * 96 + 96, 32);
        // A pure white corner notch: transparent on transparent buttons.
        c.Brush = TBrush{clWhite, BrushStyle::Solid};
        c.Pen = TPen{clWhite, 1, PenStyle::Solid};
        c.Rectangle(f * 96, 0, f * 96 + 10, 10);
    }
    c.Pen = TPen{RGB(20, 30, 60), 1, PenStyle::Solid};
    for (int i = 0; i < 3; ++i) {
        c.Brush = TBrush{i == 0 ? RGB(200, 210, 190) : RGB(120 + i * 50, 200, 120), BrushStyle::Solid};
        c.Rectangle(0, 40 + i * 40, 160, 80 + i * 40);
        c.Brush = TBrush{RGB(150, 60, 60), BrushStyle::Solid};
        c.Ellipse(10, 45 + i * 40, 70, 75 + i * 40);
        c.Ellipse(90, 45 + i * 40, 150, 75 + i * 40);
    }
    c.Brush = TBrush{RGB(250, 200, 220), BrushStyle::Solid};
    c.Rectangle(0, 160, 640, 184); // caption background, active
    c.Brush = TBrush{RGB(190, 190, 200), BrushStyle::Solid};
    c.Rectangle(0, 190, 640, 214); // passive
    c.Brush = TBrush{RGB(255, 240, 120), BrushStyle::Solid};
    c.Ellipse(0, 220, 220, 300); // the flying message: a yellow oval on white
    c.Font.Size = 14;
    c.BackgroundMode = BkMode::Transparent;
    c.TextOut(60, 245, "Saved!");
    return skin;
}

Bitmap Backdrop() {
    Bitmap tile(32, 32);
    RasterCanvas c(tile);
    c.Brush = TBrush{RGB(196, 222, 190), BrushStyle::Solid};
    c.FillRect(Bounds(0, 0, 32, 32));
    c.Pen = TPen{RGB(150, 190, 150), 1, PenStyle::Solid};
    c.MoveTo(0, 31);
    c.LineTo(32, 31);
    c.MoveTo(31, 0);
    c.LineTo(31, 32);
    return tile;
}

struct Gallery {
    Bitmap skin = MakeSkin();
    TForm form;

    void Build() {
        form.SetCaption("skin-gallery");
        form.SetClientSize(640, 480);
        auto& back = form.Make<TDrawPanel>();
        back.SetBounds(0, 0, 640, 480);
        back.Picture = Backdrop();
        back.Caption = "TDrawPanel: tiled picture, centred caption";
        // Every control lies on the backdrop, so transparent ones show it through.

        auto& bar = back.Make<TCaptionBarPlus>();
        bar.SetBounds(0, 0, 640, 24);
        bar.BkActiv = &skin;
        bar.YBkActiv = 160;
        bar.BkPassiv = &skin;
        bar.YBkPassiv = 190;
        bar.ShowNameActiv = bar.ShowNamePassiv = true;
        bar.Caption = "TCaptionBarPlus";

        const char* captions[] = {"Plain", "Shadow", "Pressed", "Transparent"};
        for (int i = 0; i < 4; ++i) {
            auto& b = back.Make<TBitmapButton>();
            b.SetNumBitmaps(3);
            b.SetResImage(&skin, 0, 0);
            b.SetBounds(20 + i * 110, 50, 96, 32);
            TBitmapButtonLook look = b.Look();
            look.Caption = captions[i];
            look.Font.Color = clWhite;
            look.Font.Size = 11;
            look.ShadowSize = i == 1 ? 2 : 0;
            look.ShadowPos = TShadowPosition::spRightBottom;
            look.State = i == 2 ? 3 : 1;
            look.Transparent = i == 3;
            b.SetLook(look);
            b.SetHint(captions[i]);
            b.SetShowHint(true);
        }

        auto& panel = back.Make<TBitmapButtons>();
        panel.SetBounds(20, 110, 160, 40);
        panel.OrgImage = &skin;
        panel.OrgY = 40;
        panel.HV = false;
        for (int i = 0; i < 2; ++i) {
            auto& item = panel.Make<TItemBitmapButtons>();
            item.SetBounds(i * 80, 0, 80, 40);
            item.Number = i + 1;
            item.SetHint(i == 0 ? "left" : "right");
        }

        auto& hint = back.Make<TDrawPanel>();
        hint.SetBounds(300, 110, 300, 120);
        hint.OnPaint = [](TDrawPanel& p, Canvas& c) {
            auto* raster = dynamic_cast<RasterCanvas*>(&c);
            if (!raster)
                return;
            Bitmap& b = raster->Target();
            RasterCanvas(b).Draw(0, 0, Backdrop());
            for (int x = 0; x < p.Width(); x += 32)
                for (int y = 0; y < p.Height(); y += 32)
                    RasterCanvas(b).Draw(x, y, Backdrop());
            PaintHintGlow(b);
            const TRect text = HintTextRect(p.Width(), p.Height());
            c.Font.Size = HintFontSize(96) / 2;
            c.Font.Color = kHintTextColor;
            c.BackgroundMode = BkMode::Transparent;
            c.TextOut(text.Left, text.Top + 10, "THintWindowNew");
        };

        auto& start = back.Make<TMinWindow>();
        start.SetBounds(100, 30, 20, 10);
        auto& fly = back.Make<TFlyBitmap>();
        fly.SetBounds(20, 260, 220, 80);
        fly.MinWindow1 = &start;
        fly.OrgImage = &skin;
        fly.OrgY = 220;
        fly.OrgWidth = 220;
        fly.OrgHeight = 80;
        fly.MainForm = &form;
        fly.SetStates(4, 50, 4);
        fly.SetInterval(60);
        fly.OnClick = [&fly](TControl&) { fly.SetEnabled(true); };
        form.Show();
        fly.SetEnabled(true);
        // In the screenshot the message is shown standing (its static phase).
        for (int i = 0; i < 5; ++i)
            fly.TimerTick();
    }
};

} // namespace

int main(int argc, char** argv) {
    std::string screenshot;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc)
            screenshot = argv[++i];
    EnsureUiApplication();
    Gallery gallery;
    gallery.Build();
    if (screenshot.empty())
        return gallery.form.ShowModal() >= 0 ? 0 : 1;
    ProcessMessages();
    if (!SaveSnapshotPng(gallery.form, screenshot)) {
        std::fprintf(stderr, "skin-gallery: cannot write %s\n", screenshot.c_str());
        return 1;
    }
    return 0;
}
