// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' memory: the compare window reads the main window's photos instead of copying
// them, and a step that would not fit in the memory left is refused with a plain message,
// leaving the window as it was.
#include <gtest/gtest.h>

#include <QFile>
#include <QToolButton>
#include <new>

#include "GuiTestSupport.h"
#include "app/CompareWindow.h"
#include "app/Dialogs.h"
#include "image/MemoryRoom.h"
#include "view/EditPane.h"
#include "view/PhotoView.h"

using namespace guitest;

namespace {

// The machine has this much memory left for the life of the object.
struct ShortOfMemory {
    explicit ShortOfMemory(uint64_t bytes) { lum::SetMemoryRoomForTests(bytes); }
    ~ShortOfMemory() { lum::SetMemoryRoomForTests(lum::kUnknownRoom); }
};

bool Mentions(const std::vector<std::string>& messages, const char* words) {
    for (const std::string& m : messages)
        if (m.find(words) != std::string::npos) return true;
    return false;
}

}  // namespace

TEST(MemoryBudget, TheCompareWindowReadsTheOriginalItIsGivenAndKeepsOneHandedOver) {
    App();
    lum::RecordingPrompts prompts;
    lum::Dialogs dialogs;
    CompareWindow f(dialogs, &prompts);
    f.resize(1000, 700);
    f.show();
    const lum::Image optimized = Pattern(300, 200, 2), original = Pattern(300, 200, 1);
    f.FillCompareWindowReading(optimized, original);
    EXPECT_EQ(&f.OriginalPhoto(), &original);
    EXPECT_TRUE(f.State().picture.Work() == optimized);
    EXPECT_FALSE(f.Changed());
    // No source copy is kept until an operation needs one: then it is the picture before it.
    EXPECT_TRUE(f.State().picture.SourceCopy().empty());
    f.findChild<QToolButton*>("Btdur")->click();
    EXPECT_TRUE(f.State().picture.SourceCopy() == optimized);
    EXPECT_FALSE(f.State().picture.Work() == optimized);
    EXPECT_TRUE(f.Changed());

    // An original given is kept by the window, also when it replaces the one shown; a copy of
    // the window's own original too.
    f.FillCompareWindow(Pattern(40, 30, 3), Pattern(40, 30, 4));
    EXPECT_NE(&f.OriginalPhoto(), &original);
    f.FillCompareWindow(f.State().picture.Work(), f.OriginalPhoto());
    EXPECT_TRUE(f.OriginalPhoto() == Pattern(40, 30, 4));
    EXPECT_TRUE(f.State().picture.Work() == Pattern(40, 30, 3));
    EXPECT_FALSE(f.Changed());
    // Read from where it is now, the window's own: it stays.
    f.FillCompareWindowReading(f.State().picture.Baseline(), f.OriginalPhoto());
    EXPECT_TRUE(f.OriginalPhoto() == Pattern(40, 30, 4));
    EXPECT_TRUE(f.State().picture.Work() == Pattern(40, 30, 3));
    f.FillCompareWindow(Pattern(40, 30, 5), Pattern(40, 30, 6));
    EXPECT_TRUE(f.OriginalPhoto() == Pattern(40, 30, 6));
    EXPECT_TRUE(f.State().picture.Work() == Pattern(40, 30, 5));
    EXPECT_TRUE(prompts.messages.empty());
    f.editor().MarkSaved();
}

TEST(MemoryBudget, AStepThatWouldNotFitIsRefusedAndTheWindowStaysAsItWas) {
    App();
    QTemporaryDir dir;
    const QString first = WriteJpeg(dir.filePath("first.jpg"), 320, 240);
    const QString second = WriteJpeg(dir.filePath("second.jpg"), 320, 240);
    lum::RecordingPrompts prompts;
    lum::Dialogs dialogs;
    MainWindow w(&prompts);
    w.SetDialogs(&dialogs);
    w.SetCompareWindowOpener([&](QWidget* parent, const lum::ComparedPhoto& photo, MainWindow::CompareClosed closed) {
        CompareWindow::Open(parent, dialogs, &prompts, photo,
                            [closed](std::optional<lum::KeptEdits> kept, const QString&) { closed(std::move(kept)); });
    });
    w.show();
    w.OpenPhotoFile(first);
    ASSERT_TRUE(LoadSettled(w));
    ASSERT_EQ(w.ShownPhoto(), first);
    const lum::Image before = w.State().picture.Work();
    const uint64_t copy = before.byteSize();
    {
        // Room for one more copy of the photo, where an operation needs two.
        ShortOfMemory little(copy + copy / 2);
        w.Optimize();
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_NE(prompts.messages[0].find("There is not enough memory to do this"), std::string::npos) << prompts.messages[0];
        EXPECT_TRUE(w.State().picture.Work() == before);
        EXPECT_FALSE(w.State().file.Optimized());
        EXPECT_TRUE(w.editor().Saved());

        // The compare window does not open.
        emit w.View()->Canvas()->DblClick();
        ASSERT_EQ(prompts.messages.size(), 2u);
        EXPECT_NE(prompts.messages[1].find("to open the compare window"), std::string::npos) << prompts.messages[1];
        for (QWidget* top : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<CompareWindow*>(top), nullptr);
    }
    {
        // The next photo needs a copy of its own beside the one on screen: it is not opened,
        // the one shown stays.
        ShortOfMemory little(copy / 2);
        w.OpenPhotoFile(second);
        ASSERT_TRUE(PumpUntil([&] { return prompts.messages.size() == 3; }));
        EXPECT_TRUE(Mentions(prompts.messages, "second.jpg: There is not enough memory to open this photo"));
        Pump(50);
        EXPECT_EQ(w.ShownPhoto(), first);
        EXPECT_TRUE(w.State().picture.Work() == before);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    // A failed allocation met anyway is told in plain words too.
    w.SetCompareWindowOpener([](QWidget*, const lum::ComparedPhoto&, MainWindow::CompareClosed) { throw std::bad_alloc(); });
    emit w.View()->Canvas()->DblClick();
    ASSERT_EQ(prompts.messages.size(), 4u);
    EXPECT_EQ(prompts.messages[3], "There is not enough memory for this. Close other programs or windows and try again.");

    // With the memory back, every step goes.
    w.OpenPhotoFile(second);
    ASSERT_TRUE(LoadSettled(w));
    EXPECT_EQ(w.ShownPhoto(), second);
    w.Optimize();
    EXPECT_TRUE(w.State().file.Optimized());
    EXPECT_EQ(prompts.messages.size(), 4u);
    w.editor().MarkSaved();
}

TEST(MemoryBudget, TheSourceCopyMakesWayForTheCompareWindowAndTheNextPhotoAndUndoStillWorks) {
    App();
    QTemporaryDir dir;
    const QString first = WriteJpeg(dir.filePath("first.jpg"), 320, 240);
    const QString broken = dir.filePath("broken.jpg");
    {
        QFile f(broken);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a photo at all");
    }
    lum::RecordingPrompts prompts;
    lum::Dialogs dialogs;
    MainWindow w(&prompts);
    w.SetDialogs(&dialogs);
    bool sourceWhileCompared = true;
    w.SetCompareWindowOpener([&](QWidget*, const lum::ComparedPhoto& photo, MainWindow::CompareClosed closed) {
        sourceWhileCompared = !w.State().picture.SourceCopy().empty();
        EXPECT_EQ(photo.optimized, &w.State().picture.Work());
        closed(std::nullopt);
    });
    w.show();
    w.OpenPhotoFile(first);
    ASSERT_TRUE(LoadSettled(w));
    const lum::Image opened = w.State().picture.Work();
    w.Optimize();
    const lum::Image optimized = w.State().picture.Work();
    ASSERT_FALSE(optimized == opened);
    EXPECT_FALSE(w.State().picture.SourceCopy().empty());
    emit w.View()->Canvas()->DblClick();
    EXPECT_FALSE(sourceWhileCompared);

    // A photo that cannot be opened leaves the one shown as it was, and its steps.
    w.Optimize();
    EXPECT_FALSE(w.State().picture.SourceCopy().empty());
    const lum::Image twice = w.State().picture.Work();
    prompts.threeWayAnswers = {lum::Prompts::Answer::No};
    w.OpenPhotoFile(broken);
    EXPECT_TRUE(w.State().picture.SourceCopy().empty());
    ASSERT_TRUE(LoadSettled(w));
    EXPECT_EQ(w.ShownPhoto(), first);
    EXPECT_TRUE(w.State().picture.Work() == twice);
    w.Undo();
    EXPECT_TRUE(w.State().picture.Work() == optimized);
    w.Undo();
    EXPECT_TRUE(w.State().picture.Work() == opened);
    w.editor().MarkSaved();
}
