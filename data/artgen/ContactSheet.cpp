// The contact sheet (see ContactSheet.h): Qt reads the pictures, shelf packing lays them out.
#include "data/artgen/ContactSheet.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace art {
namespace {

constexpr int kSheetWidth = 1320;
constexpr int kMargin = 12;
constexpr int kLabelHeight = 18;
constexpr int kMaxPictureHeight = 620;

struct Entry {
    std::string label;
    QImage picture; // scaled for the sheet
    QSize original;
};

bool IsPicture(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext == ".bmp" || ext == ".jpg" || ext == ".jpeg";
}

std::vector<std::filesystem::path> Pictures(const std::filesystem::path& cdDir) {
    std::vector<std::filesystem::path> found;
    for (const auto& dir : {cdDir, cdDir / "Resource"}) {
        std::error_code error;
        for (const auto& item : std::filesystem::directory_iterator(dir, error))
            if (item.is_regular_file() && IsPicture(item.path()))
                found.push_back(item.path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

Entry Load(const std::filesystem::path& cdDir, const std::filesystem::path& path) {
    Entry entry;
    entry.label = std::filesystem::relative(path, cdDir).generic_string();
    QImage picture(QString::fromStdString(path.string()));
    if (picture.isNull()) {
        entry.label += "  (unreadable)";
        picture = QImage(120, 40, QImage::Format_RGB32);
        picture.fill(Qt::red);
    }
    entry.original = picture.size();
    const double scale = std::min({1.0, double(kSheetWidth - 2 * kMargin) / picture.width(),
                                   double(kMaxPictureHeight) / picture.height()});
    entry.picture = scale < 1.0 ? picture.scaled(picture.size() * scale, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                : picture;
    entry.label += "  " + std::to_string(entry.original.width()) + " x " + std::to_string(entry.original.height());
    if (scale < 1.0)
        entry.label += "  (shown at " + std::to_string(int(scale * 100)) + "%)";
    return entry;
}

// Shelf packing: pictures left to right, a new row when the next does not fit.
std::vector<QPoint> Place(const std::vector<Entry>& entries, int& height) {
    std::vector<QPoint> places;
    int x = kMargin, y = kMargin, rowHeight = 0;
    for (const Entry& entry : entries) {
        const int w = std::max(entry.picture.width(), 160), h = entry.picture.height() + kLabelHeight;
        if (x + w > kSheetWidth - kMargin && x > kMargin) {
            x = kMargin;
            y += rowHeight + kMargin;
            rowHeight = 0;
        }
        places.push_back({x, y});
        x += w + kMargin;
        rowHeight = std::max(rowHeight, h);
    }
    height = y + rowHeight + kMargin;
    return places;
}

} // namespace

void WriteContactSheet(const std::filesystem::path& cdDir, const std::filesystem::path& png) {
    std::vector<Entry> entries;
    for (const auto& path : Pictures(cdDir))
        entries.push_back(Load(cdDir, path));
    int height = 0;
    const std::vector<QPoint> places = Place(entries, height);
    QImage sheet(kSheetWidth, std::max(height, 100), QImage::Format_RGB32);
    sheet.fill(QColor(168, 172, 180)); // grey, so the pictures' pure white shows
    QPainter painter(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    for (size_t i = 0; i < entries.size(); ++i) {
        const QPoint at = places[i];
        painter.setPen(QColor(20, 20, 40));
        painter.drawText(QPoint(at.x(), at.y() + 13), QString::fromStdString(entries[i].label));
        painter.drawImage(at.x(), at.y() + kLabelHeight, entries[i].picture);
    }
    painter.end();
    if (!sheet.save(QString::fromStdString(png.string()), "PNG"))
        throw std::runtime_error("cannot write " + png.string());
}

} // namespace art
