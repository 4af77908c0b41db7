// SPDX-License-Identifier: GPL-3.0-or-later
// Photos decoded away from the window's thread, as jobs of the shared pool, so the window stays
// live while a big photo loads. The file is read, then a quick preview (a JPEG shown well below
// its size, a HEIC's own thumbnail) and the full decode of any format read run side by side. A
// new request cancels the one under way, whose results are never delivered. Results reach the
// handlers on the thread that owns the loader, through its event loop.
#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <exception>
#include <functional>

#include "editing/EditState.h"
#include "image/Codec.h"
#include "image/Image.h"

namespace lum {

class Job;

class PhotoLoader : public QObject {
public:
    struct Preview {
        QString path;
        Image image;     // upright, a fraction of the photo's size
        int width = 0;   // the photo's own size, upright
        int height = 0;
    };
    struct Photo {
        QString path;
        Image image;
        PictureMetadata metadata;
        DecodeReport report;
        FileIdentity source;    // the file read, as it was when read
        BaselineCopies copies;  // of image, when asked for
    };
    struct Handlers {
        std::function<void(Preview&)> preview;
        std::function<void(Photo&)> loaded;
        std::function<void(const QString& path, std::exception_ptr error)> failed;
    };
    // The zoom (percent) at which a photo of w x h pixels will first be shown; called on a
    // worker thread, so it must only read what it captured.
    using ZoomFor = std::function<int(int w, int h)>;

    explicit PhotoLoader(Handlers handlers, QObject* parent = nullptr);
    // Cancels the loads under way and waits for them to notice.
    ~PhotoLoader() override;

    // Starts loading path; a load under way is cancelled. With `copies` the photo comes with
    // the copy its commit needs, made on the pool too.
    void Load(const QString& path, ZoomFor zoomFor, bool copies = false);
    // Nothing asked so far is delivered any more.
    void Cancel();
    // A load was asked whose photo (or failure) has not been delivered yet.
    bool Pending() const { return pending_; }
    QString PendingPath() const { return pending_ ? pendingPath_ : QString(); }

    // The full decode of every loader from now on (DecodePicture when null): a test's way to make
    // a photo fail after its preview was shown. Runs on the pool.
    using FullDecode = std::function<Image(const uint8_t*, size_t, PictureMetadata*, const DecodeOptions&, DecodeReport*)>;
    static void SetFullDecodeForTests(FullDecode decode);

private:
    Handlers handlers_;
    uint64_t ticket_ = 0;
    bool pending_ = false;
    QString pendingPath_;
    QPointer<Job> current_;  // the load under way; superseded ones end on their own
};

}  // namespace lum
