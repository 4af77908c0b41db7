// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include "ComposeDialogSupport.h"
#include "compose/QtTextCanvas.h"
#include "compose/TextStampDialog.h"
#include "widgets/DialogControls.h"

using namespace composeui;

namespace {

class TextStampDialogTest : public ::testing::Test {
protected:
    // Pixels of `colour` inside r of the preview.
    int Count(const lum::Rect& r, QRgb colour) const {
        const QImage& img = form.Preview();
        int n = 0;
        for (int y = std::max(0, r.Top); y < std::min(img.height(), r.Bottom); ++y)
            for (int x = std::max(0, r.Left); x < std::min(img.width(), r.Right); ++x)
                if ((img.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++n;
        return n;
    }
    QPoint Cell(int i) const { return QPoint((i % 8) * ColourGrid::kCell + 5, (i / 8) * ColourGrid::kCell + 5); }

    // OK draws the stamp on the pool.
    void TakeStampAndWait() {
        form.TakeStamp();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form.DrawingStamp(); }, 20000));
    }

    AppFirst app_;
    TextStampDialog form;
};

TEST_F(TextStampDialogTest, DefaultsAndRanges) {
    EXPECT_EQ(form.windowTitle(), "Text stamp");
    EXPECT_TRUE(form.isModal());
    EXPECT_EQ(form.findChild<QLabel*>("Label1")->text(), "Font");
    EXPECT_EQ(form.FaceBox->currentText(), "Arial");
    EXPECT_EQ(form.FaceBox->currentIndex(), -1);
    const bool hasArial = QFontDatabase::families().contains("Arial");
    EXPECT_EQ(form.Face(), hasArial ? QString("Arial") : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    EXPECT_EQ(form.SizeSpin->value(), 10);
    EXPECT_EQ(form.SizeSpin->minimum(), 2);
    EXPECT_EQ(form.SizeSpin->maximum(), 50);
    EXPECT_EQ(form.SizeSpin->singleStep(), 2);
    EXPECT_EQ(form.findChild<QLineEdit*>("Edit1"), form.SizeSpin->Edit());
    EXPECT_EQ(form.LetterColours->ForegroundIndex(), 11);
    EXPECT_EQ(form.LetterColours->BackgroundIndex(), 0);
    EXPECT_FALSE(form.BoldButton->isChecked());
    EXPECT_FALSE(form.ItalicButton->isChecked());
    EXPECT_EQ(form.TextBox->toPlainText(), "Title\nExample");
    EXPECT_EQ(form.TextBox->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(form.ShadowGroup->title(), "Shadow");
    EXPECT_EQ(form.ShadowGroup->ItemIndex(), 2);
    EXPECT_EQ(form.BackgroundGroup->title(), "Background");
    EXPECT_EQ(form.BackgroundGroup->Item(2)->text(), "Black");
    EXPECT_EQ(form.BackgroundGroup->ItemIndex(), 0);
    EXPECT_EQ(form.OutlineBox->text(), QStringLiteral("Outline"));
    EXPECT_TRUE(form.OutlineBox->isChecked());
    for (SpinEdit* s : {form.OffsetYSpin, form.OffsetXSpin}) {
        EXPECT_EQ(s->minimum(), -24);
        EXPECT_EQ(s->maximum(), 24);
    }
    EXPECT_EQ(form.OffsetXSpin->value(), 4);
    EXPECT_EQ(form.OffsetYSpin->value(), -4);
    EXPECT_EQ(form.ShowButton->text(), "Show");
    EXPECT_EQ(form.ShadowColour(), lum::MakeColour(128, 128, 128));

    const lum::TextStampOptions o = form.Options(), d;
    EXPECT_EQ(o.lines, d.lines);
    EXPECT_EQ(o.shadow, d.shadow);
    EXPECT_EQ(o.outline, d.outline);
    EXPECT_EQ(o.offsetX, d.offsetX);
    EXPECT_EQ(o.offsetY, d.offsetY);
    EXPECT_EQ(o.textColour, d.textColour);
    EXPECT_EQ(o.outlineColour, d.outlineColour);
    EXPECT_EQ(o.shadowColour, d.shadowColour);
    EXPECT_EQ(o.background, d.background);
}

TEST_F(TextStampDialogTest, FontListHoldsEveryFamilySorted) {
    QStringList items;
    for (int i = 0; i < form.FaceBox->count(); ++i) items << form.FaceBox->itemText(i);
    ASSERT_FALSE(items.isEmpty());
    for (int i = 1; i < items.size(); ++i)
        EXPECT_LT(QString::compare(items[i - 1], items[i], Qt::CaseInsensitive), 0) << items[i].toStdString();
    QStringList families = QFontDatabase::families();
    families.removeDuplicates();
    EXPECT_EQ(items.size(), families.size());
    for (const QString& f : families) EXPECT_TRUE(items.contains(f)) << f.toStdString();

    // Picking an item makes it the face.
    form.FaceBox->setCurrentIndex(items.size() - 1);
    EXPECT_EQ(form.Face(), items.last());
    EXPECT_EQ(form.PreviewFont().family(), items.last());
    // A name typed in another case still finds its family; an unknown one falls back.
    form.FaceBox->setEditText(items.first().toUpper());
    EXPECT_EQ(form.Face(), items.first());
    form.FaceBox->setEditText("No Such Face 123");
    EXPECT_EQ(form.Face(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
}

TEST_F(TextStampDialogTest, ColourGridClicks) {
    QTest::mouseClick(form.LetterColours, Qt::LeftButton, Qt::NoModifier, Cell(9));
    EXPECT_EQ(form.LetterColours->ForegroundIndex(), 9);
    EXPECT_EQ(form.Options().textColour, lum::MakeColour(255, 0, 0));
    EXPECT_EQ(form.LetterColours->BackgroundIndex(), 0);
    EXPECT_GT(Count(form.TextRect(), qRgb(255, 0, 0)), 0);
    EXPECT_EQ(Count(form.TextRect(), qRgb(255, 255, 0)), 0);

    QTest::mouseClick(form.LetterColours, Qt::RightButton, Qt::NoModifier, Cell(12));
    EXPECT_EQ(form.LetterColours->BackgroundIndex(), 12);
    EXPECT_EQ(form.LetterColours->ForegroundIndex(), 9);
    EXPECT_EQ(form.Options().outlineColour, lum::MakeColour(0, 0, 255));
    EXPECT_GT(Count(form.TextRect(), qRgb(0, 0, 255)), 0);

    // Past the last cell nothing changes.
    QTest::mouseClick(form.LetterColours, Qt::LeftButton, Qt::NoModifier, QPoint(8 * ColourGrid::kCell + 0, 5));
    EXPECT_EQ(form.LetterColours->ForegroundIndex(), 9);
    EXPECT_EQ(ColourGrid::CellAt(8 * ColourGrid::kCell - 1, 2 * ColourGrid::kCell - 1), 15);
    EXPECT_EQ(ColourGrid::CellAt(0, 2 * ColourGrid::kCell), -1);

    // The keyboard: arrows move the letters' colour, with Shift the outline's, never off the grid;
    // the shadow ramp steps its grey.
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers shift;
        int foreground, background;
    } keys[] = {{Qt::Key_Left, {}, 8, 12},           {Qt::Key_Left, {}, 8, 12},
                {Qt::Key_Up, {}, 0, 12},             {Qt::Key_Up, {}, 0, 12},
                {Qt::Key_Right, Qt::ShiftModifier, 0, 13}, {Qt::Key_Down, Qt::ShiftModifier, 0, 13}};
    for (const auto& k : keys) {
        QTest::keyClick(form.LetterColours, k.key, k.shift);
        EXPECT_EQ(form.LetterColours->ForegroundIndex(), k.foreground);
        EXPECT_EQ(form.LetterColours->BackgroundIndex(), k.background);
    }
    EXPECT_EQ(form.Options().textColour, lum::MakeColour(0, 0, 0));
    QTest::keyClick(form.ShadowRamp, Qt::Key_Right);
    EXPECT_EQ(form.ShadowColour(), lum::MakeColour(132, 132, 132));
}

TEST_F(TextStampDialogTest, EnterIsSwallowed) {
    form.show();
    QSignalSpy accepted(&form, &QDialog::accepted);
    form.TextBox->setFocus();
    form.TextBox->moveCursor(QTextCursor::End);
    QTest::keyClick(form.TextBox, Qt::Key_Return);
    QTest::keyClick(form.TextBox, Qt::Key_Enter);
    QTest::keyClick(form.TextBox, Qt::Key_A);
    EXPECT_EQ(form.TextBox->toPlainText(), "Title\nExamplea");
    for (SpinEdit* s : {form.SizeSpin, form.OffsetYSpin, form.OffsetXSpin}) {
        QTest::keyClick(s->Edit(), Qt::Key_Return);
        QTest::keyClick(s->Edit(), Qt::Key_Enter);
    }
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_TRUE(form.isVisible());
    // Elsewhere Enter still presses OK.
    QTest::keyClick(form.ShowButton, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return accepted.count() == 1; }, 20000));
    // Cancelled while the stamp is drawn, the dialog is not accepted after all.
    form.show();
    form.TakeStamp();
    form.reject();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.DrawingStamp(); }, 20000));
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST_F(TextStampDialogTest, ShadowRampClick) {
    const QImage& ramp = form.ShadowRamp->Picture();
    ASSERT_EQ(ramp.width(), 64);
    EXPECT_EQ(ramp.pixel(0, 0) & 0xFFFFFF, qRgb(0, 0, 0) & 0xFFFFFF);
    EXPECT_EQ(ramp.pixel(63, ramp.height() - 1) & 0xFFFFFF, qRgb(252, 252, 252) & 0xFFFFFF);
    QTest::mouseClick(form.ShadowRamp, Qt::LeftButton, Qt::NoModifier, QPoint(10, 3));
    EXPECT_EQ(form.ShadowColour(), lum::MakeColour(40, 40, 40));
    form.PickShadowGrey(64);  // wraps round
    EXPECT_EQ(form.ShadowColour(), lum::MakeColour(0, 0, 0));
    // The standard shadow shows in the chosen grey.
    QTest::mouseClick(form.ShadowGroup->Item(1), Qt::LeftButton);
    QTest::mouseClick(form.ShadowRamp, Qt::LeftButton, Qt::NoModifier, QPoint(25, 3));
    EXPECT_EQ(form.Options().shadowColour, lum::MakeColour(100, 100, 100));
    EXPECT_GT(Count(form.TextRect(), qRgb(100, 100, 100)), 0);
}

TEST_F(TextStampDialogTest, PreviewDrawsTheLettersInsideTheTextRect) {
    const lum::Rect r = form.TextRect();
    EXPECT_GT(r.width(), 8);
    EXPECT_GT(r.height(), 0);
    const int area = r.width() * r.height();
    const int background = Count(r, qRgb(255, 255, 255));
    EXPECT_GT(area - background, area / 20);
    EXPECT_GT(Count(r, qRgb(255, 255, 0)), 0);  // the letters
    EXPECT_GT(Count(r, qRgb(0, 0, 0)), 0);      // their outline
    // The corners of the preview stay background.
    EXPECT_EQ(form.Preview().pixel(0, 0) & 0xFFFFFF, qRgb(255, 255, 255) & 0xFFFFFF);

    // The background choice fills the preview.
    QTest::mouseClick(form.BackgroundGroup->Item(2), Qt::LeftButton);
    EXPECT_EQ(form.BackgroundColour(), lum::MakeColour(0, 0, 0));
    EXPECT_EQ(form.Preview().pixel(0, 0) & 0xFFFFFF, 0u);
    QTest::mouseClick(form.BackgroundGroup->Item(1), Qt::LeftButton);
    EXPECT_EQ(form.BackgroundColour(), lum::FromQColor(form.palette().color(QPalette::Button)));

    // Bigger letters take more room.
    const int before = form.TextRect().width();
    form.SizeSpin->setValue(20);
    EXPECT_GT(form.TextRect().width(), before);
    // Typing changes the stamp at once.
    form.TextBox->setPlainText("W");
    EXPECT_LT(form.TextRect().width(), before);
}

TEST_F(TextStampDialogTest, OkTakesTheTextRectAsTheStamp) {
    TakeStampAndWait();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    const lum::Rect r = form.TextRect();
    const lum::Image& stamp = form.MixSource();
    ASSERT_EQ(stamp.width(), r.width());
    ASSERT_EQ(stamp.height(), r.height());
    const QImage& preview = form.Preview();
    for (int y = 0; y < stamp.height(); y += 3)
        for (int x = 0; x < stamp.width(); x += 3) {
            const int px = r.Left + x, py = r.Top + y;
            if (px < 0 || py < 0 || px >= preview.width() || py >= preview.height()) continue;
            const uint8_t* s = stamp.pixel(x, y);
            ASSERT_EQ(preview.pixel(px, py) & 0xFFFFFF, qRgb(s[2], s[1], s[0]) & 0xFFFFFF) << x << "," << y;
        }
    const lum::MixOptions m = form.MixOptionsFor(lum::MixOptions{});
    EXPECT_EQ(m.style, lum::MixStyle::MaskedCopy);
    EXPECT_EQ(m.maskColour, lum::MakeColour(255, 255, 255));
    EXPECT_EQ(m.tolerance, 4);
    form.BackgroundGroup->SetItemIndex(2);
    EXPECT_EQ(form.MixOptionsFor(lum::MixOptions{}).maskColour, lum::MakeColour(0, 0, 0));
}

// Each line a share of the photo's height, the stamp at most half of it and never wider than the
// photo; the preview shows the stamp at the same share of the photo's view.
TEST_F(TextStampDialogTest, StampSizeIsAShareOfThePhoto) {
    struct Case {
        int w, h, percent, lines;
        const char* text;
    } cases[] = {{4000, 3000, 50, 1, "Title"}, {4000, 3000, 50, 2, "Title\nExample"}, {4000, 3000, 10, 2, "Title\nExample"},
                 {640, 480, 10, 1, "Title"},   {300, 3000, 40, 1, "A long line of text"}};
    form.resize(800, 600);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + std::to_string(c.w) + "/" + std::to_string(c.percent));
        form.SizeSpin->setValue(c.percent);
        form.TextBox->setPlainText(c.text);
        form.SetPhoto(lum::Image(c.w, c.h));
        const double wanted = std::min(c.h * c.percent / 100.0, c.h / 2.0 / c.lines);
        const int line = form.LineHeightOnPhoto();
        TakeStampAndWait();
        const lum::Image& stamp = form.MixSource();
        // Below the wanted height only by the shadow's part of the half, or to fit the width.
        EXPECT_TRUE(line <= wanted + 1 && (line > wanted * 0.8 || c.w < c.h)) << line;
        EXPECT_TRUE(stamp.width() <= c.w && stamp.height() <= c.h / 2 && stamp.height() >= c.lines * line);
        EXPECT_TRUE(form.SizeInfo->text().contains(QString::number(line)));
        const double f = std::min(1.0 * form.PreviewBox->width() / c.w, 1.0 * form.PreviewBox->height() / c.h);
        EXPECT_NEAR(form.TextRect().height(), stamp.height() * f, 2 + stamp.height() * f / 10);
    }
}

TEST_F(TextStampDialogTest, FontDialogResultReachesTheControls) {
    const QString other = form.FaceBox->itemText(form.FaceBox->count() / 2);
    QFont offered;
    form.SetFontAsker([&](QFont& f) {
        offered = f;
        return false;
    });
    form.ChooseFont();
    EXPECT_EQ(offered.family(), form.Face());
    EXPECT_EQ(offered.pointSize(), 24);

    form.SetFontAsker([&](QFont& f) {
        f = QFont(other);
        f.setPointSize(36);
        f.setBold(true);
        f.setItalic(true);
        return true;
    });
    form.ChooseFont();
    EXPECT_EQ(form.FaceBox->currentText(), other);
    EXPECT_EQ(form.Face(), other);
    EXPECT_EQ(form.SizeSpin->value(), 10);  // the size stays the photo's share
    EXPECT_TRUE(form.BoldButton->isChecked());
    EXPECT_TRUE(form.ItalicButton->isChecked());
    EXPECT_TRUE(form.PreviewFont().bold());
}

TEST_F(TextStampDialogTest, MemoLines) {
    form.TextBox->setPlainText("one\ntwo\nthree");
    EXPECT_EQ(form.Options().lines, (std::vector<std::string>{"one", "two", "three"}));
    form.TextBox->setPlainText("one\n");
    EXPECT_EQ(form.Lines(), QStringList{"one"});
    form.TextBox->setPlainText("");
    EXPECT_TRUE(form.Lines().isEmpty());
    EXPECT_EQ(form.TextRect().width(), 8);  // nothing drawn, nothing grown
}

TEST(QtTextCanvasTest, LettersAreDrawnWithoutSmoothingOnATransparentBackground) {
    App();
    QImage img(200, 60, QImage::Format_RGB32);
    const QFont font = lum::StampFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(), 24, false, false);
    lum::QtTextCanvas canvas(img, font);
    canvas.fill(lum::MakeColour(255, 255, 255));
    canvas.drawText(10, 5, "Wg", lum::MakeColour(0, 0, 0));
    // Over the black letters, red ones: where they do not cover, the black stays.
    canvas.drawText(12, 5, "Wg", lum::MakeColour(255, 0, 0));
    const QFontMetrics fm(font);
    EXPECT_EQ(canvas.textHeight("A"), fm.height());
    EXPECT_EQ(canvas.textWidth("Wg"), fm.horizontalAdvance("Wg"));
    int black = 0, red = 0, other = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y) & 0xFFFFFF;
            if (p == (qRgb(0, 0, 0) & 0xFFFFFF)) ++black;
            else if (p == (qRgb(255, 0, 0) & 0xFFFFFF)) ++red;
            else if (p != (qRgb(255, 255, 255) & 0xFFFFFF)) ++other;
        }
    EXPECT_GT(black, 0);
    EXPECT_GT(red, 0);
    EXPECT_EQ(other, 0);
    EXPECT_EQ(font.pixelSize(), 32);
}

TEST(ImageQtTest, RoundTripKeepsChannels) {
    App();
    const lum::Image img = Quarters(7, 5);
    const QImage q = lum::ToQImage(img);
    ASSERT_EQ(q.size(), QSize(7, 5));
    EXPECT_EQ(q.pixel(0, 0) & 0xFFFFFF, qRgb(200, 10, 20) & 0xFFFFFF);
    EXPECT_EQ(q.pixel(6, 4) & 0xFFFFFF, qRgb(255, 255, 255) & 0xFFFFFF);
    EXPECT_TRUE(lum::FromQImage(q).samePixels(img));
    EXPECT_TRUE(lum::FromQImage(q.convertToFormat(QImage::Format_ARGB32)).samePixels(img));
    EXPECT_TRUE(lum::ToQImage(lum::Image()).isNull());
    EXPECT_TRUE(lum::FromQImage(QImage()).empty());
    EXPECT_EQ(lum::FromQColor(lum::ToQColor(lum::MakeColour(1, 2, 3))), lum::MakeColour(1, 2, 3));
}

}  // namespace
