#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace ime {

// Whether a Japanese input method reaches this program's text boxes.
struct Reach {
    bool reaches = true;
    QString why; // for the player, when it does not: what is missing
    bool operator==(const Reach&) const = default;
};

// Finds out, without waiting: `then` gets the answer on this thread later,
// unless `context` has gone by then.
class ReachCheck {
public:
    virtual ~ReachCheck() = default;
    virtual void check(QObject* context, std::function<void(const Reach&)> then) = 0;
};

// Asks Qt which input method plug-in it loaded for QT_IM_MODULE, and the
// session bus whether that framework runs.
class DesktopReachCheck : public ReachCheck {
public:
    void check(QObject* context, std::function<void(const Reach&)> then) override;
};

// What the plug-in alone tells: `module` as QT_IM_MODULE names it, `loaded`
// the class of the input context Qt made ("" for none), `valid` whether it
// says it can work. Reaches when the framework still has to be asked on the
// bus (fcitx5).
Reach ReachOfPlugin(const QString& module, const QString& loaded, bool valid);

} // namespace ime
