// SPDX-License-Identifier: GPL-3.0-or-later
// Photos on paper: where each photo goes on the pages for a print size (10x15, 13x18, 20x25 cm
// or the whole page) and a number of photos per page, never stretched (fitted whole, or filling
// its place and cropped centred), and the drawing of the pages for the preview and the printer.
#pragma once
#include <QImage>
#include <QList>
#include <QLocale>
#include <QPageSize>
#include <QRectF>
#include <QSize>
#include <QSizeF>

#include "image/Image.h"

class QPainter;
class QPrinter;

namespace lum {

struct PrintSettings {
    enum class Size { Cm10x15, Cm13x18, Cm20x25, FitPage };
    Size size = Size::Cm10x15;
    int perPage = 1;    // 1, 2 or 4
    bool fill = false;  // fill the place and crop the photo centred, rather than fit it whole
};

struct PrintPlacement {
    int page = 0;
    QRectF target;  // on the page's printable area, in millimetres
    QRectF source;  // the part of the photo shown, in its pixels
};

// Photo `index` of pixel size `photo` on pages whose printable area is `area` millimetres.
PrintPlacement PlacePhoto(const PrintSettings& settings, QSizeF area, int index, QSize photo);
int PageCount(const PrintSettings& settings, int photos);

// A photo brought down once to what the largest place on the page shows at dpi (never
// enlarged), in sRGB. Runs off the window's thread.
QImage PreparePhotoForPrint(const Image& img, QSizeF area, int dpi);

// Draws the pages on printer (the preview's or a real one, or a PDF file).
void PaintPhotos(QPrinter& printer, const QList<QImage>& photos, const PrintSettings& settings);
// Draws one page of them on painter, whose origin is the corner of the printable area of `area`
// millimetres and whose device has pxPerMm pixels to the millimetre.
void PaintPhotoPage(QPainter& painter, double pxPerMm, QSizeF area, const QList<QImage>& photos,
                    const PrintSettings& settings, int page);

// The paper a print starts on when no printer says otherwise: the size the locale's paper
// setting gives (in millimetres; empty when it gives none), else Letter where US measures are in
// use and A4 elsewhere.
QPageSize UsualPaper(QSizeF localePaperMm, QLocale::MeasurementSystem measures);
// The default printer's paper; without a printer (a PDF file), the usual paper of the locale.
QPageSize StartingPaper();

// Landscape pages for landscape photos one or four at a time; two landscape photos share a
// portrait page better, one above the other.
bool LandscapePagesFor(QSize firstPhoto, int perPage);

}  // namespace lum
