// SPDX-License-Identifier: GPL-3.0-or-later
// The crop, straighten and red-eye tools of an editing window: each drawn over the photo of
// the window's edit pane, with a bar of its settings above the photo, and applied through the
// operation table as one step of the history.
#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "editing/OpArgs.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QStackedWidget;
class QToolButton;
class QWidget;

namespace lum {

class EditPane;
class ViewOverlay;

class PhotoFixTools : public QObject {
    Q_OBJECT
public:
    // Runs an operation of the table by name with its parameters (as the window runs its
    // commands); false when it did not run.
    using RunOperation = std::function<bool(const char* name, const OpArgs& args)>;
    // Remembered settings: read (empty when never stored) and stored.
    struct Memory {
        std::function<QString(const char* key)> read;
        std::function<void(const char* key, const QString& value)> store;
    };
    PhotoFixTools(EditPane* pane, RunOperation run, Memory memory);
    ~PhotoFixTools() override;

    enum class Kind { None, Crop, Straighten, RedEye };
    Kind Active() const { return active_; }
    void StartCrop();
    void StartStraighten();
    void StartRedEye();
    // Leaves the tool on without applying anything.
    void Leave();
    // The bar of the tool on (hidden while none is).
    QWidget* Bar() const { return bar_; }

    // The proportions the crop tool offers: index 0 Free, 1 Original, then fixed ones, the last
    // Custom.
    static constexpr int kProportionCount = 8;
    static constexpr const char* kProportionKey = "Crop/Proportion";
    static constexpr const char* kPortraitKey = "Crop/Portrait";
    static constexpr const char* kCustomKey = "Crop/Custom";

private:
    class CropOverlay;
    class StraightenOverlay;
    class RedEyeOverlay;
    void start(Kind kind);
    void buildBar();
    void applyProportion();
    void showCropSize();
    void cropApplied();
    void straightenApplied();
    bool runFor(Kind kind, const char* name, const OpArgs& args);

    EditPane* pane_;
    RunOperation run_;
    Memory memory_;
    Kind active_ = Kind::None;
    std::unique_ptr<CropOverlay> crop_;
    std::unique_ptr<StraightenOverlay> straighten_;
    std::unique_ptr<RedEyeOverlay> redEye_;

    QWidget* bar_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QComboBox* proportion_ = nullptr;
    QToolButton* portrait_ = nullptr;
    QSpinBox* customW_ = nullptr;
    QSpinBox* customH_ = nullptr;
    QLabel* cropSize_ = nullptr;
    QLabel* customColon_ = nullptr;
    QDoubleSpinBox* angle_ = nullptr;
    QSpinBox* eyeSize_ = nullptr;
};

}  // namespace lum
