// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PhotoPrint.h"

#include <QColorSpace>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <langinfo.h>

#include "image/Downscale.h"
#include "widgets/ImageConvert.h"

namespace lum {

namespace {

constexpr double kGapMm = 4.0;  // between the photos of a page, for the scissors

// The printable area cut into perPage cells, across its long side.
QRectF cellOf(QSizeF area, int perPage, int cell) {
    const bool wide = area.width() >= area.height();
    if (perPage == 2) {
        return wide ? QRectF(cell * area.width() / 2, 0, area.width() / 2, area.height())
                    : QRectF(0, cell * area.height() / 2, area.width(), area.height() / 2);
    }
    if (perPage == 4)
        return QRectF((cell % 2) * area.width() / 2, (cell / 2) * area.height() / 2, area.width() / 2, area.height() / 2);
    return QRectF(QPointF(0, 0), area);
}

QSizeF printSizeMm(PrintSettings::Size s) {
    switch (s) {
    case PrintSettings::Size::Cm10x15: return {150, 100};
    case PrintSettings::Size::Cm13x18: return {180, 130};
    case PrintSettings::Size::Cm20x25: return {250, 200};
    case PrintSettings::Size::FitPage: break;
    }
    return {};
}

int perPageOf(const PrintSettings& s) { return s.perPage == 2 || s.perPage == 4 ? s.perPage : 1; }

// What LC_PAPER gives, in millimetres; empty for the C locale, whose A4 is no one's choice.
QSizeF localePaperMm() {
    const char* name = std::setlocale(LC_PAPER, nullptr);
    if (!name || std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0 || std::strncmp(name, "C.", 2) == 0)
        return {};
    // glibc hands these numbers over in the pointer itself.
    const auto number = [](nl_item item) {
        return static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(nl_langinfo(item)));
    };
    const unsigned width = number(_NL_PAPER_WIDTH), height = number(_NL_PAPER_HEIGHT);
    if (width == 0 || height == 0 || width > 2000 || height > 2000) return {};
    return QSizeF(width, height);
}

}  // namespace

QPageSize UsualPaper(QSizeF localePaperMm, QLocale::MeasurementSystem measures) {
    if (!localePaperMm.isEmpty()) {
        const QPageSize::PageSizeId id = QPageSize::id(localePaperMm, QPageSize::Millimeter, QPageSize::FuzzyMatch);
        return id != QPageSize::Custom ? QPageSize(id) : QPageSize(localePaperMm, QPageSize::Millimeter);
    }
    return QPageSize(measures == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

QPageSize StartingPaper() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull() && printer.defaultPageSize().isValid()) return printer.defaultPageSize();
    return UsualPaper(localePaperMm(), QLocale::system().measurementSystem());
}

int PageCount(const PrintSettings& settings, int photos) {
    const int n = perPageOf(settings);
    return (photos + n - 1) / n;
}

bool LandscapePagesFor(QSize firstPhoto, int perPage) {
    const bool wide = firstPhoto.width() > firstPhoto.height();
    return perPage == 2 ? !wide : wide;
}

PrintPlacement PlacePhoto(const PrintSettings& settings, QSizeF area, int index, QSize photo) {
    PrintPlacement p;
    const int n = perPageOf(settings);
    p.page = index / n;
    const QRectF cell = cellOf(area, n, index % n);
    const QSizeF room(std::max(1.0, cell.width() - (n > 1 ? kGapMm : 0)), std::max(1.0, cell.height() - (n > 1 ? kGapMm : 0)));
    // The place of the photo: its print size turned like the photo, shrunk whole into the cell
    // when the cell is smaller; or the whole cell.
    QSizeF place = room;
    if (settings.size != PrintSettings::Size::FitPage) {
        place = printSizeMm(settings.size);
        if (photo.height() > photo.width()) place.transpose();
        place = place.scaled(room, Qt::KeepAspectRatio).boundedTo(place);
    }
    const QSizeF pixels(std::max(1, photo.width()), std::max(1, photo.height()));
    QSizeF shown = pixels.scaled(place, settings.fill ? Qt::KeepAspectRatioByExpanding : Qt::KeepAspectRatio);
    p.source = QRectF(QPointF(0, 0), pixels);
    if (settings.fill) {
        // Only the middle of the photo that covers the place is printed.
        const double scale = shown.width() / pixels.width();
        const QSizeF kept(place.width() / scale, place.height() / scale);
        p.source = QRectF(QPointF((pixels.width() - kept.width()) / 2, (pixels.height() - kept.height()) / 2), kept);
        shown = place;
    }
    p.target = QRectF(cell.center() - QPointF(shown.width() / 2, shown.height() / 2), shown);
    return p;
}

QImage PreparePhotoForPrint(const Image& img, QSizeF area, int dpi) {
    const double longMm = std::max(area.width(), area.height());
    const int longEdge = std::max(16, static_cast<int>(std::lround(longMm / 25.4 * dpi)));
    QImage out = ToQImage(DownscaleToLongEdge(img, longEdge));
    out.setColorSpace(QColorSpace::SRgb);  // the pictures are sRGB once read
    return out;
}

void PaintPhotoPage(QPainter& painter, double pxPerMm, QSizeF area, const QList<QImage>& photos,
                    const PrintSettings& settings, int page) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < photos.size(); ++i) {
        const PrintPlacement p = PlacePhoto(settings, area, i, photos[i].size());
        if (p.page != page) continue;
        const QRectF target(p.target.topLeft() * pxPerMm, p.target.size() * pxPerMm);
        painter.drawImage(target, photos[i], p.source);
    }
}

void PaintPhotos(QPrinter& printer, const QList<QImage>& photos, const PrintSettings& settings) {
    QPainter painter;
    if (!painter.begin(&printer)) return;
    const QSizeF area = printer.pageLayout().paintRect(QPageLayout::Millimeter).size();
    const double pxPerMm = printer.resolution() / 25.4;
    const int pages = PageCount(settings, static_cast<int>(photos.size()));
    for (int page = 0; page < pages; ++page) {
        if (page > 0) printer.newPage();
        PaintPhotoPage(painter, pxPerMm, area, photos, settings, page);
    }
    painter.end();
}

}  // namespace lum
