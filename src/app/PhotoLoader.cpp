#include "app/PhotoLoader.h"

#include <QMetaObject>

#include "image/Formats.h"
#include "image/MemoryRoom.h"

namespace lum {

namespace {
PhotoLoader::FullDecode& fullDecode() {
    static PhotoLoader::FullDecode decode;
    return decode;
}
}  // namespace

void PhotoLoader::SetFullDecodeForTests(FullDecode decode) { fullDecode() = std::move(decode); }

PhotoLoader::PhotoLoader(Handlers handlers, QObject* parent)
    : QObject(parent), handlers_(std::move(handlers)), worker_([this] { work(); }) {}

PhotoLoader::~PhotoLoader() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
        next_.reset();
        if (running_) running_->store(true);
    }
    wake_.notify_all();
    worker_.join();
}

void PhotoLoader::Load(const QString& path, ZoomFor zoomFor, bool copies) {
    auto job = std::make_unique<Job>();
    job->ticket = ++ticket_;
    job->path = path;
    job->zoomFor = std::move(zoomFor);
    job->copies = copies;
    job->cancel = std::make_shared<std::atomic<bool>>(false);
    pending_ = true;
    pendingPath_ = path;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (running_) running_->store(true);  // the photo under way is no longer wanted
        next_ = std::move(job);
    }
    wake_.notify_all();
}

void PhotoLoader::Cancel() {
    ++ticket_;  // whatever is still on its way is dropped
    pending_ = false;
    pendingPath_.clear();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        next_.reset();
        if (running_) running_->store(true);
    }
}

void PhotoLoader::deliver(uint64_t ticket, std::function<void()> f) {
    QMetaObject::invokeMethod(
        this,
        [this, ticket, f = std::move(f)] {
            if (ticket == ticket_ && pending_) f();
        },
        Qt::QueuedConnection);
}

void PhotoLoader::work() {
    for (;;) {
        std::unique_ptr<Job> job;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this] { return stop_ || next_; });
            if (stop_) return;
            job = std::move(next_);
            running_ = job->cancel;
        }
        process(*job);
        std::lock_guard<std::mutex> lock(mutex_);
        running_.reset();
    }
}

namespace {
// Joins a helper thread on every way out, exceptions included.
struct Joined {
    std::thread t;
    ~Joined() {
        if (t.joinable()) t.join();
    }
};
}  // namespace

void PhotoLoader::process(const Job& job) {
    const uint64_t ticket = job.ticket;
    const std::atomic<bool>* cancel = job.cancel.get();
    try {
        FileIdentity source;
        auto bytes = std::make_shared<const std::vector<uint8_t>>(ReadFileBytes(job.path.toStdString(), &source));
        if (cancel->load()) return;
        // A bitmap is read whole as the command line reads it: no quick look, no metadata.
        const bool bitmap = SniffFormat(bytes->data(), bytes->size()) == FileFormat::Bmp;
        Joined quick;
        // The quick look on the other core while this one decodes the photo itself.
        if (!bitmap) quick.t = std::thread([this, bytes, &job, ticket, cancel] {
            auto preview = std::make_shared<Preview>();
            JpegPreview p = DecodePicturePreview(bytes->data(), bytes->size(), job.zoomFor, cancel);
            if (p.image.empty() || cancel->load()) return;
            preview->path = job.path;
            preview->image = std::move(p.image);
            preview->width = p.width;
            preview->height = p.height;
            deliver(ticket, [this, preview] {
                if (handlers_.preview) handlers_.preview(*preview);
            });
        });
        auto photo = std::make_shared<Photo>();
        photo->path = job.path;
        photo->source = source;
        DecodeOptions opts;
        opts.cancel = cancel;
        const FullDecode& decode = fullDecode();
        photo->image = decode ? decode(bytes->data(), bytes->size(), &photo->metadata, opts, &photo->report)
                              : DecodePicture(bytes->data(), bytes->size(), nullptr, &photo->metadata, opts, &photo->report);
        if (quick.t.joinable()) quick.t.join();  // its preview is queued before the photo
        if (cancel->load()) return;
        if (job.copies) {
            // The photo on screen stays until this one is shown: its copy comes on top.
            RequireRoom(uint64_t(photo->image.byteSize()), "open this photo");
            photo->copies = BaselineCopies::Of(photo->image);
        }
        if (cancel->load()) return;
        deliver(ticket, [this, photo] {
            pending_ = false;
            if (handlers_.loaded) handlers_.loaded(*photo);
        });
    } catch (const DecodeCancelled&) {
    } catch (...) {
        if (cancel->load()) return;
        std::exception_ptr error = std::current_exception();
        const QString path = job.path;
        deliver(ticket, [this, path, error] {
            pending_ = false;
            if (handlers_.failed) handlers_.failed(path, error);
        });
    }
}

}  // namespace lum
