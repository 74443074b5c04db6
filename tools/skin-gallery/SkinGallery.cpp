// skin-gallery: shows every skinned control on one 640 x 480 window over a skin it draws itself
// (the product's art is made elsewhere), with the program's hint window on every hint and the
// program's cursors. `skin-gallery --screenshot out.png` writes what the screen shows of the
// window, with a hint open on it, and exits; `--cursors out.png` writes the seven cursor pictures
// enlarged eight times; without either the window stays until it is closed.
#include "designer/controls/BitmapButton.h"
#include "designer/controls/BitmapButtons.h"
#include "designer/controls/DrawPanel.h"
#include "designer/controls/FlyBitmap.h"
#include "designer/controls/HintWindowNew.h"
#include "designer/controls/PaintScrollBar.h"
#include "designer/controls/ProgramCursors.h"
#include "platform/graphics/RasterCanvas.h"
#include "platform/graphics/PictureWriter.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Synthetic.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

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

// Draws a cursor picture `scale` times enlarged at (left, top), its pure white left transparent.
void DrawCursor(Canvas& c, const Bitmap& picture, int left, int top, int scale) {
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const TColor pixel = picture.GetPixel(x, y);
            if (pixel == clWhite)
                continue;
            c.Brush = TBrush{pixel, BrushStyle::Solid};
            c.FillRect(Bounds(left + x * scale, top + y * scale, scale, scale));
        }
}

// The seven cursors, eight times enlarged on a mid-grey sheet with a pixel grid, for review.
bool WriteCursorSheet(const std::string& path) {
    constexpr int kScale = 8;
    constexpr int kCell = kCursorSize * kScale + 16;
    Bitmap sheet(kCell * static_cast<int>(kProgramCursors.size()), kCell);
    RasterCanvas c(sheet);
    c.Brush = TBrush{RGB(140, 150, 170), BrushStyle::Solid};
    c.FillRect(Bounds(0, 0, sheet.Width(), sheet.Height()));
    for (size_t i = 0; i < kProgramCursors.size(); ++i) {
        const TCursorPicture cursor = ProgramCursorPicture(kProgramCursors[i]);
        const int left = static_cast<int>(i) * kCell + 8;
        DrawCursor(c, cursor.Picture, left, 8, kScale);
        // The hot spot, as a red frame round its pixel.
        c.Pen = TPen{clRed, 1, PenStyle::Solid};
        c.Brush = TBrush{clRed, BrushStyle::Clear};
        c.Rectangle(left + cursor.HotSpot.X * kScale - 1, 8 + cursor.HotSpot.Y * kScale - 1,
                    left + cursor.HotSpot.X * kScale + kScale + 1,
                    8 + cursor.HotSpot.Y * kScale + kScale + 1);
    }
    return SavePng(sheet, path);
}

struct Gallery {
    Bitmap skin = MakeSkin();
    TForm form;
    TBitmapButton* shadowButton = nullptr;

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
            b.SetHint(std::string("TBitmapButton: ") + captions[i]);
            b.SetShowHint(true);
            if (i == 1)
                shadowButton = &b;
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

        // The seven cursors at twice their size, each over a strip of the backdrop; each also is
        // the cursor of its own cell.
        for (size_t i = 0; i < kProgramCursors.size(); ++i) {
            auto& cell = back.Make<TDrawPanel>();
            cell.SetBounds(300 + static_cast<int>(i % 4) * 72, 260 + static_cast<int>(i / 4) * 72, 68, 68);
            cell.SetCursor(kProgramCursors[i]);
            cell.SetHint("Cursor " + std::to_string(i + 1));
            cell.SetShowHint(true);
            cell.OnPaint = [number = kProgramCursors[i]](TDrawPanel& p, Canvas& c) {
                c.Brush = TBrush{RGB(150, 170, 200), BrushStyle::Solid};
                c.FillRect(Bounds(0, 0, p.Width(), p.Height()));
                DrawCursor(c, ProgramCursorPicture(number).Picture, 2, 2, 2);
            };
        }

        auto& scroll = back.Make<TPaintScrollBar>();
        scroll.SetBounds(600, 40, 17, 200);
        scroll.SetMax(100);
        scroll.SetLargeChange(10);
        scroll.SetHint("TPaintScrollBar");
        scroll.SetShowHint(true);

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

// Lets the window system map and paint what was shown.
void Settle() {
    for (int i = 0; i < 20; ++i) {
        ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// What the screen shows of the form, with the program's hint open over its shadow button: the
// pointer is moved there and the hint comes after the application's pause, as for a user.
bool WriteScreenshot(Gallery& gallery, const std::string& path) {
    SendMouse(*gallery.shadowButton, TMouseAction::Move, TMouseButton::Left, 48, 16);
    for (int waited = 0; waited < 5000; waited += 10) {
        const auto* hint = dynamic_cast<THintWindowNew*>(HintWindowInstance());
        if (hint && hint->Visible())
            break;
        ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    Settle();
    return SavePng(CaptureScreen(gallery.form.BoundsRect()), path);
}

} // namespace

int main(int argc, char** argv) {
    std::string screenshot;
    std::string cursors;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0)
            screenshot = argv[++i];
        else if (std::strcmp(argv[i], "--cursors") == 0)
            cursors = argv[++i];
    }
    EnsureUiApplication();
    if (!cursors.empty()) {
        if (WriteCursorSheet(cursors))
            return 0;
        std::fprintf(stderr, "skin-gallery: cannot write %s\n", cursors.c_str());
        return 1;
    }
    RegisterProgramCursors();
    InstallHintWindowNew();
    Gallery gallery;
    gallery.Build();
    if (screenshot.empty())
        return gallery.form.ShowModal() >= 0 ? 0 : 1;
    Settle();
    if (!WriteScreenshot(gallery, screenshot)) {
        std::fprintf(stderr, "skin-gallery: cannot write %s\n", screenshot.c_str());
        return 1;
    }
    return 0;
}
