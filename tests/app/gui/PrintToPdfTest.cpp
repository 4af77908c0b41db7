// SPDX-License-Identifier: GPL-3.0-or-later
// Photos printed to a PDF file without a printer: pages and placed photos as poppler reads them
// and renders them, the same as the preview draws them.
#include <gtest/gtest.h>

#include <QPainter>
#include <QPrinter>
#include <cmath>
#include <sstream>

#include "../../cli/CliTestUtil.h"
#include "../../image/CodecTestSupport.h"
#include "GuiTestSupport.h"
#include "app/PhotoPrint.h"
#include "image/Codec.h"
#include "widgets/ImageConvert.h"

using namespace guitest;
namespace ct = clitest;

TEST(PrintToPdf, PhotosKeepTheirPrintSizeAndShape) {
    if (std::system("command -v pdfinfo >/dev/null 2>&1 && command -v pdfimages >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "poppler-utils are not installed";
    App();
    struct Case {
        int perPage;
        int pages;
    };
    // rocket.jpg is 640x427, a hair narrower than 3:2, hubble_deep_field.jpg 1000x872: both are
    // 10 cm tall when fitted into 15x10 cm, so their pixels per inch follow from their heights.
    const char* names[] = {"rocket.jpg", "hubble_deep_field.jpg"};
    for (const Case& c : {Case{1, 2}, Case{2, 1}}) {
        SCOPED_TRACE(c.perPage);
        ct::TempDir dir;
        const std::string pdf = (dir / "photos.pdf").string();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        printer.setPageSize(QPageSize(QPageSize::A4));
        QList<QImage> photos;
        for (const char* n : names) {
            const QSizeF area = printer.pageLayout().paintRect(QPageLayout::Millimeter).size();
            photos << lum::PreparePhotoForPrint(lum::LoadPicture(ct::Photo(n).string()).image, area, 300);
        }
        printer.setPageOrientation(lum::LandscapePagesFor(photos.front().size(), c.perPage) ? QPageLayout::Landscape
                                                                                            : QPageLayout::Portrait);
        lum::PrintSettings settings;
        settings.perPage = c.perPage;
        lum::PaintPhotos(printer, photos, settings);

        ASSERT_EQ(0, std::system(("pdfinfo " + ct::Quote(pdf) + " > " + ct::Quote((dir / "info").string())).c_str()));
        const std::string info = ct::ReadText(dir / "info");
        const size_t at = info.find("Pages:");
        ASSERT_NE(std::string::npos, at) << info;
        EXPECT_EQ(c.pages, std::atoi(info.c_str() + at + 6)) << info;
        ASSERT_EQ(0, std::system(("pdfimages -list " + ct::Quote(pdf) + " > " + ct::Quote((dir / "list").string())).c_str()));
        std::istringstream list(ct::ReadText(dir / "list"));
        std::string line;
        std::getline(list, line);
        std::getline(list, line);  // the heading and its rule
        int rows = 0;
        while (std::getline(list, line)) {
            std::istringstream f(line);
            std::string page, num, type, color, comp, bpc, enc, interp, object, id;
            int width = 0, height = 0, xppi = 0, yppi = 0;
            f >> page >> num >> type >> width >> height >> color >> comp >> bpc >> enc >> interp >> object >> id >> xppi >> yppi;
            if (type != "image") continue;  // a soft mask would be listed too
            ASSERT_LT(rows, 2);
            const QSize expected = photos[rows].size();
            EXPECT_EQ(expected, QSize(width, height));
            const double ppi = expected.height() / (100 / 25.4);  // 10 cm tall
            EXPECT_NEAR(ppi, xppi, 2);
            EXPECT_NEAR(ppi, yppi, 2);
            EXPECT_EQ(std::to_string(c.perPage == 1 ? rows + 1 : 1), page);
            ++rows;
        }
        EXPECT_EQ(2, rows);

        // What poppler renders is what the preview draws, page for page.
        constexpr int kDpi = 100;
        const std::string prefix = (dir / "page").string();
        ASSERT_EQ(0, std::system(("pdftoppm -r " + std::to_string(kDpi) + " -png " + ct::Quote(pdf) + " " + ct::Quote(prefix)).c_str()));
        const double pxPerMm = kDpi / 25.4;
        const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter);
        const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Millimeter);
        for (int page = 0; page < c.pages; ++page) {
            SCOPED_TRACE(page);
            const QImage rendered = QImage(QString::fromStdString(prefix + "-" + std::to_string(page + 1) + ".png"))
                                        .convertToFormat(QImage::Format_RGB32);
            ASSERT_FALSE(rendered.isNull());
            EXPECT_NEAR(paper.width() * pxPerMm, rendered.width(), 1.5);
            EXPECT_NEAR(paper.height() * pxPerMm, rendered.height(), 1.5);
            QImage preview(rendered.size(), QImage::Format_RGB32);
            preview.fill(Qt::white);
            QPainter painter(&preview);
            painter.translate(printable.topLeft() * pxPerMm);
            lum::PaintPhotoPage(painter, pxPerMm, printable.size(), photos, settings, page);
            painter.end();
            // Averaged over 4x4 pixels: the two resamplers differ in fine detail, not in place or colour
            // (a photo 1 mm off falls below 26 dB).
            const auto quarter = [size = rendered.size() / 4](const QImage& i) {
                return lum::FromQImage(i.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            };
            EXPECT_GT(codec_test::Psnr(quarter(preview), quarter(rendered)), 30) << prefix;
        }
    }
}

TEST(PrintToPdf, PagesStartOnTheLocalesUsualPaper) {
    struct Case {
        QSizeF localePaperMm;  // what LC_PAPER says; empty when it says nothing
        QLocale::MeasurementSystem measures;
        QPageSize::PageSizeId paper;
    };
    const Case cases[] = {
        {{}, QLocale::ImperialUSSystem, QPageSize::Letter}, {{}, QLocale::MetricSystem, QPageSize::A4},
        {{}, QLocale::ImperialUKSystem, QPageSize::A4},     {{216, 279}, QLocale::MetricSystem, QPageSize::Letter},
        {{210, 297}, QLocale::ImperialUSSystem, QPageSize::A4}, {{216, 356}, QLocale::MetricSystem, QPageSize::Legal},
    };
    for (const Case& c : cases) EXPECT_EQ(c.paper, lum::UsualPaper(c.localePaperMm, c.measures).id()) << c.localePaperMm.width();
}
