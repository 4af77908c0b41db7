// While a photo loads, the window stays live for what cannot touch the photo on screen or the
// files: painting, hovering, the photo list (clicks, keys and scrolling, to go to another
// photo), the shortcuts that step through the photos, and a question box that comes up. The
// rest of what the user does is dropped, not queued: a click meant for the photo on screen
// would otherwise land on the next one.
#pragma once
#include <QList>
#include <QObject>
#include <QPointer>

class QEvent;

namespace lum {

class LoadInputGate : public QObject {
public:
    // Filters the whole application from now until it is destroyed. `admitted`: widgets (with
    // their children) and shortcuts that take input meanwhile.
    explicit LoadInputGate(const QList<QObject*>& admitted);
    ~LoadInputGate() override;

    bool Admits(QObject* receiver, const QEvent* e) const;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool isAdmitted(QObject* receiver) const;
    QList<QPointer<QObject>> admitted_;
};

}  // namespace lum
