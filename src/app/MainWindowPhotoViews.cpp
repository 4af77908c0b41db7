// SPDX-License-Identifier: GPL-3.0-or-later
// The photo list's two views, thumbnails and details, over the same items and selection.
#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QToolButton>

#include "app/MainWindow.h"
#include "app/WindowMenus.h"
#include "app/WindowSettings.h"
#include "thumbs/ThumbnailCache.h"
#include "view/PhotoList.h"
#include "view/PhotoThumbView.h"
#include "widgets/Icons.h"
#include "widgets/Job.h"

QWidget* MainWindow::buildPhotoViews(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    photoViewButton_ = makeButton(QStringLiteral("PhotoListViewButton"), QString(), QString(), box);
    photoViewButton_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    photoViewButton_->setIconSize(QSize(32, 32));
    row->addWidget(photoViewButton_);
    column->addLayout(row);

    photoViews_ = new QStackedWidget(box);
    photoList_->setParent(photoViews_);
    thumbView_ = new PhotoThumbView(photoList_, photoViews_);
    thumbView_->setObjectName(QStringLiteral("PhotoThumbnailView"));
    thumbView_->setToolTip(photoList_->toolTip());
    photoViews_->addWidget(thumbView_);
    // The list's own keys (the turns' [ and ]) work in whichever view is shown.
    for (QAction* a : photoList_->actions())
        if (a->shortcutContext() == Qt::WidgetShortcut) thumbView_->addAction(a);
    photoViews_->addWidget(photoList_);
    column->addWidget(photoViews_, 1);

    connect(photoViewButton_, &QToolButton::clicked, this, [this] { ShowThumbnails(!ShowsThumbnails()); });
    connect(thumbView_, &PhotoThumbView::SideAsked, this, &MainWindow::SetThumbnailSide);
    // The current item stays in sight in the view shown.
    connect(photoList_->selectionModel(), &QItemSelectionModel::currentChanged, thumbView_,
            [this](const QModelIndex& index) {
                if (ShowsThumbnails() && index.isValid()) thumbView_->scrollTo(index);
            });
    thumbView_->SetSide(lum::WindowSettings::Flag(lum::WindowSettings::kLargeThumbnails) ? lum::ThumbnailCache::kLarge
                                                                                          : lum::ThumbnailCache::kNormal);
    ShowThumbnails(!lum::WindowSettings::Flag(lum::WindowSettings::kPhotoListDetails));
    return box;
}

void MainWindow::buildViewMenu() {
    QMenu* menu = lum::AddHiddenMenu(MenuBar(), "ViewMenu", tr("&View"),
                                     MenuBar()->findChild<QMenu*>(QStringLiteral("HelpMenu"))->menuAction());
    auto* group = new QActionGroup(menu);
    const auto add = [this, menu](const char* name, const QString& text, const QKeySequence& keys) {
        auto* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        a->setCheckable(true);
        a->setShortcut(keys);
        addAction(a);  // the bar is hidden: its keys work through the window
        return a;
    };
    thumbnailsAction_ = add("ThumbnailsItem", tr("&Thumbnails"), QKeySequence(Qt::CTRL | Qt::Key_1));
    detailsAction_ = add("DetailsItem", tr("&Details"), QKeySequence(Qt::CTRL | Qt::Key_2));
    group->addAction(thumbnailsAction_);
    group->addAction(detailsAction_);
    menu->addSeparator();
    largeThumbnailsAction_ = add("LargeThumbnailsItem", tr("&Large Thumbnails"), QKeySequence());
    connect(thumbnailsAction_, &QAction::triggered, this, [this] { ShowThumbnails(true); });
    connect(detailsAction_, &QAction::triggered, this, [this] { ShowThumbnails(false); });
    connect(largeThumbnailsAction_, &QAction::triggered, this, [this](bool on) {
        SetThumbnailSide(on ? lum::ThumbnailCache::kLarge : lum::ThumbnailCache::kNormal);
    });
    ShowThumbnails(ShowsThumbnails());
    SetThumbnailSide(thumbView_->Side());
}

bool MainWindow::ShowsThumbnails() const { return photoViews_ && photoViews_->currentWidget() == thumbView_; }

void MainWindow::ShowThumbnails(bool on) {
    const bool hadFocus = photoViews_->currentWidget() && photoViews_->currentWidget()->hasFocus();
    QAbstractItemView* view = on ? static_cast<QAbstractItemView*>(thumbView_) : photoList_;
    photoViews_->setCurrentWidget(view);
    lum::WindowSettings::SetFlag(lum::WindowSettings::kPhotoListDetails, !on);
    // The view shown is checked, and only the other one offered.
    if (thumbnailsAction_) {
        thumbnailsAction_->setChecked(on);
        thumbnailsAction_->setEnabled(!on);
        detailsAction_->setChecked(!on);
        detailsAction_->setEnabled(on);
    }
    photoViewButton_->setIcon(on ? style()->standardIcon(QStyle::SP_FileDialogDetailedView)
                                 : style()->standardIcon(QStyle::SP_FileDialogContentsView));
    photoViewButton_->setToolTip(on ? tr("Show the photos as a list of details (Ctrl+2)")
                                    : tr("Show the photos as thumbnails (Ctrl+1)"));
    if (photoList_->currentIndex().isValid()) view->scrollTo(photoList_->currentIndex());
    if (hadFocus) view->setFocus();
}

void MainWindow::SetThumbnailSide(int side) {
    thumbView_->SetSide(side);
    lum::WindowSettings::SetFlag(lum::WindowSettings::kLargeThumbnails, side == lum::ThumbnailCache::kLarge);
    if (largeThumbnailsAction_) largeThumbnailsAction_->setChecked(side == lum::ThumbnailCache::kLarge);
}

void MainWindow::remakeThumbnails(const QString& path) {
    if (path.isEmpty()) return;
    const lum::ThumbnailCache cache;
    lum::Job::Start(this, [cache, path] { cache.Remake(path); }, lum::JobPriority::Background);
}
