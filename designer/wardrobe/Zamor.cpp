// Surprise animations: hot areas, frames and the 110 ms timer.
#include "designer/wardrobe/Zamor.h"

namespace wardrobe {

TZamorI::TZamorI(plat::TControl* parent) : plat::TControl(parent) {
    Hide();
}

void TZamorI::Render(plat::Bitmap& target) const {
    const int w = Width(), h = Height();
    target.SetSize(w, h);
    const int x0 = OrgX + Fase * w;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            target.Row(y)[x] = OrgImage && x0 + x < OrgImage->Width() && OrgY + y < OrgImage->Height()
                                   ? OrgImage->Row(OrgY + y)[x0 + x] | 0xFF000000u
                                   : 0xFFFFFFFFu;
}

void TZamorI::Paint(plat::Canvas& canvas) {
    plat::Bitmap frame;
    Render(frame);
    canvas.Draw(0, 0, frame);
}

TZamor::TZamor() {
    timer_.SetEnabled(false);
    timer_.SetInterval(kInterval);
    timer_.OnTimer = [this] { Tick(); };
}

void TZamor::MakeAnimations(plat::TControl& window, const plat::Bitmap* strip) {
    for (size_t i = 0; i < layout::surprise::kAnimations.size(); ++i) {
        const layout::surprise::Animation& a = layout::surprise::kAnimations[i];
        TZamorI& z = window.Make<TZamorI>();
        z.SetBounds(a.Place.X, a.Place.Y, a.Place.Width, a.Place.Height);
        z.OrgImage = strip;
        z.OrgX = a.OrgX;
        z.OrgY = a.OrgY;
        z.CountFase = a.CountFase;
        z.One = a.One;
        z.ZamorIv = a.HotArea;
        ZamorI[i] = &z;
    }
}

bool TZamor::Trigger(int x, int y, bool dollVisible) {
    for (TZamorI* z : ZamorI) {
        if (!z || !z->ZamorIv.Contains(x, y) || (z->One && !dollVisible))
            continue;
        Stop();
        running_ = z;
        z->Fase = 0;
        z->Show();
        z->BringToFront();
        z->Repaint();
        timer_.SetEnabled(true);
        return true;
    }
    return false;
}

void TZamor::Stop() {
    timer_.SetEnabled(false);
    if (running_)
        running_->Hide();
    running_ = nullptr;
}

void TZamor::Tick() {
    if (!running_) {
        timer_.SetEnabled(false);
        return;
    }
    ++running_->Fase;
    if (running_->Fase >= running_->CountFase) {
        Stop();
        return;
    }
    running_->Repaint();
}

} // namespace wardrobe
