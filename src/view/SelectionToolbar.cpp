// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/SelectionToolbar.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QToolButton>

#include "widgets/Icons.h"

namespace lum {

SelectionToolbar::SelectionToolbar(QWidget* parent) : QToolBar(tr("Selection Toolbar"), parent) {
    setObjectName(QStringLiteral("SelectionToolbar"));
    setProperty("ToolbarGroup", QStringLiteral("Selection"));
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    const auto shapeButton = [&](const char* name, const char* hint, ToolMode mode) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(tr(hint));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        const QIcon icon = LumoraIcon(b->objectName());
        if (!icon.isNull()) b->setIcon(icon);
        group->addButton(b, static_cast<int>(mode));
        addWidget(b);
        return b;
    };
    ellipse_ = shapeButton("Btselectcercle", QT_TR_NOOP("Ellipse selection"), ToolMode::Ellipse);
    rectangle_ = shapeButton("Btselectrect", QT_TR_NOOP("Rectangle selection"), ToolMode::Rectangle);
    none_ = shapeButton("BtNotool", QT_TR_NOOP("No selection tool"), ToolMode::None);
    freeShape_ = shapeButton("Btselectpoly", QT_TR_NOOP("Free-shape selection"), ToolMode::FreeShape);
    none_->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, [this](int id) { emit ToolChosen(static_cast<ToolMode>(id)); });

    addSeparator();
    erase_ = new QCheckBox(tr("Erase"), this);
    erase_->setToolTip(tr("Moving the selection leaves the second paint colour behind"));
    erase_->setObjectName(QStringLiteral("ChkEffacer"));
    erase_->setChecked(false);
    addWidget(erase_);
    duplicate_ = new QCheckBox(tr("Duplicate"), this);
    duplicate_->setToolTip(tr("Moving the selection leaves a copy behind"));
    duplicate_->setObjectName(QStringLiteral("Chkdupliquer"));
    duplicate_->setChecked(true);
    addWidget(duplicate_);

    addSeparator();
    const auto label = [&](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        // Room for "Position 10000, 10000" without the toolbar jumping as the numbers grow.
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("Position 00000, 00000")) + 8);
        l->setContentsMargins(4, 0, 4, 0);
        addWidget(l);
        return l;
    };
    position_ = label("Label1");
    size_ = label("Label2");
}

bool SelectionToolbar::EraseChecked() const { return erase_->isChecked(); }
bool SelectionToolbar::DuplicateChecked() const { return duplicate_->isChecked(); }

void SelectionToolbar::ShowTool(ToolMode toolMode) {
    switch (toolMode) {
        case ToolMode::FreeShape: freeShape_->setChecked(true); break;
        case ToolMode::Rectangle: rectangle_->setChecked(true); break;
        case ToolMode::Ellipse: ellipse_->setChecked(true); break;
        default: none_->setChecked(true); break;
    }
}

void SelectionToolbar::SetLabels(const QString& position, const QString& size) {
    position_->setText(position);
    size_->setText(size);
}

}  // namespace lum
