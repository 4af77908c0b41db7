// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BatchRun.h"
#include "widgets/QtPrompts.h"

#include <exception>
#include <new>

namespace lum {

namespace {

// What the batch's tasks report reaches the window's thread through its event loop; a run
// already gone drops it.
class Forwarder : public cli::BatchObserver {
public:
    Forwarder(BatchRun* run, std::atomic<bool>& stop) : run_(run), stop_(stop) {}

    void PhotoStarted(int index, int total, const std::string& photo) override {
        const QString p = QString::fromStdString(photo);
        post([index, total, p](BatchRun* r) { emit r->photoStarted(index, total, p); });
    }
    void PhotoFinished(const cli::BatchPhotoReport& report) override {
        post([report](BatchRun* r) { emit r->photoFinished(report); });
    }
    bool StopRequested() override { return stop_.load(); }

    template <typename F>
    void post(F f) {
        BatchRun* run = run_;
        QMetaObject::invokeMethod(run, [run, f] { f(run); }, Qt::QueuedConnection);
    }

private:
    BatchRun* run_;
    std::atomic<bool>& stop_;
};

QString FailureText(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        return BatchRun::tr("There is not enough memory to start the batch.");
    } catch (const std::exception& e) {
        return lum::ErrorWords(e);
    } catch (...) {
        return BatchRun::tr("The batch could not start.");
    }
}

}  // namespace

BatchRun::BatchRun(QObject* parent) : QObject(parent) {}

BatchRun::~BatchRun() {
    stop_ = true;
    // The batch's last word is posted to this object: it must be said before the object goes.
    if (batch_) batch_->Wait();
}

void BatchRun::Start(const cli::BatchArgs& args) {
    if (running_) return;
    if (batch_) batch_->Wait();  // the batch before, which has ended (its last word came)
    batch_.reset();
    stop_ = false;
    running_ = true;
    auto forward = std::make_unique<Forwarder>(this, stop_);
    Forwarder* f = forward.get();
    observer_ = std::move(forward);
    try {
        batch_ = cli::StartOptimizeBatch(args, *f, [f](const cli::BatchTotals& totals, std::exception_ptr failure) {
            const QString message = failure ? FailureText(failure) : QString();
            f->post([totals, message](BatchRun* r) {
                r->running_ = false;
                if (message.isEmpty()) emit r->finished(totals);
                else emit r->failed(message);
            });
        });
    } catch (...) {
        running_ = false;
        emit failed(FailureText(std::current_exception()));
    }
}

void BatchRun::Stop() { stop_ = true; }

}  // namespace lum
