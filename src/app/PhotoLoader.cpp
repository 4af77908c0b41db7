// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PhotoLoader.h"

#include <memory>

#include "image/Formats.h"
#include "image/MemoryRoom.h"
#include "image/ThreadPool.h"
#include "widgets/Job.h"

namespace lum {

namespace {
PhotoLoader::FullDecode& fullDecode() {
    static PhotoLoader::FullDecode decode;
    return decode;
}

// One load, on the pool. Touches nothing of the loader: what it makes goes to `photo`, and the
// preview through the job to the loader's thread. Returns with photo empty when cancelled.
void LoadPhoto(Job& job, const QString& path, const PhotoLoader::ZoomFor& zoomFor, bool copies,
               const std::function<void(std::shared_ptr<PhotoLoader::Preview>)>& showPreview,
               std::shared_ptr<PhotoLoader::Photo>& photo) {
    const std::atomic<bool>* cancel = &job.CancelFlag();
    // The quick look waits for the full decode no longer than that decode lasts: not started by
    // then, it is dropped; started, it is awaited so its preview comes before the photo.
    Task quick;
    struct Settled {
        Task& t;
        ~Settled() {
            if (!t.Revoke()) t.Wait();
        }
    } settled{quick};
    try {
        FileIdentity source;
        auto bytes = std::make_shared<const std::vector<uint8_t>>(ReadFileBytes(path.toStdString(), &source));
        if (cancel->load()) return;
        // A bitmap is read whole as the command line reads it: no quick look, no metadata.
        const bool bitmap = SniffFormat(bytes->data(), bytes->size()) == FileFormat::Bmp;
        if (!bitmap) {
            quick = ThreadPool::Shared().Post(
                [&job, bytes, path, zoomFor, cancel, showPreview] {
                    JpegPreview p = DecodePicturePreview(bytes->data(), bytes->size(), zoomFor, cancel);
                    if (p.image.empty() || cancel->load()) return;
                    auto preview = std::make_shared<PhotoLoader::Preview>();
                    preview->path = path;
                    preview->image = std::move(p.image);
                    preview->width = p.width;
                    preview->height = p.height;
                    job.Deliver([showPreview, preview] { showPreview(preview); });
                },
                ThreadPool::CurrentPriority());
        }
        auto made = std::make_shared<PhotoLoader::Photo>();
        made->path = path;
        made->source = source;
        DecodeOptions opts;
        opts.cancel = cancel;
        const PhotoLoader::FullDecode& decode = fullDecode();
        made->image = decode ? decode(bytes->data(), bytes->size(), &made->metadata, opts, &made->report)
                             : DecodePicture(bytes->data(), bytes->size(), nullptr, &made->metadata, opts, &made->report);
        if (cancel->load()) return;
        if (copies) {
            // The photo on screen stays until this one is shown: its copy comes on top.
            RequireRoom(uint64_t(made->image.byteSize()), QT_TRANSLATE_NOOP("lum", "open this photo"));
            made->copies = BaselineCopies::Of(made->image);
        }
        if (cancel->load()) return;
        photo = std::move(made);
    } catch (const DecodeCancelled&) {
    } catch (...) {
        if (!cancel->load()) throw;
    }
}
}  // namespace

void PhotoLoader::SetFullDecodeForTests(FullDecode decode) { fullDecode() = std::move(decode); }

PhotoLoader::PhotoLoader(Handlers handlers, QObject* parent) : QObject(parent), handlers_(std::move(handlers)) {}

PhotoLoader::~PhotoLoader() {
    // The jobs are children: each waits for its work as it goes, the cancelled work ends soon.
    for (Job* job : findChildren<Job*>(QString(), Qt::FindDirectChildrenOnly)) job->Cancel();
}

void PhotoLoader::Load(const QString& path, ZoomFor zoomFor, bool copies) {
    if (current_) current_->Cancel();  // the photo under way is no longer wanted
    const uint64_t ticket = ++ticket_;
    pending_ = true;
    pendingPath_ = path;
    auto photo = std::make_shared<std::shared_ptr<Photo>>();
    // Delivered on this thread, unless the ticket was superseded meanwhile.
    auto showPreview = [this, ticket](std::shared_ptr<Preview> preview) {
        if (ticket == ticket_ && pending_ && handlers_.preview) handlers_.preview(*preview);
    };
    Job* job = Job::Start(this, [path, zoomFor = std::move(zoomFor), copies, showPreview, photo](Job& j) {
        LoadPhoto(j, path, zoomFor, copies, showPreview, *photo);
    });
    connect(job, &Job::finished, this, [this, ticket, path, photo](std::exception_ptr failure) {
        if (ticket != ticket_ || !pending_) return;
        if (failure) {
            pending_ = false;
            if (handlers_.failed) handlers_.failed(path, failure);
        } else if (*photo) {
            pending_ = false;
            if (handlers_.loaded) handlers_.loaded(**photo);
        }
    });
    current_ = job;
}

void PhotoLoader::Cancel() {
    ++ticket_;  // whatever is still on its way is dropped
    pending_ = false;
    pendingPath_.clear();
    if (current_) current_->Cancel();
}

}  // namespace lum
