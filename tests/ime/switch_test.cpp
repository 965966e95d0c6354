#include "ime/fcitx5_switch.h"
#include "ime/ibus_switch.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <csignal>
#include <functional>
#include <memory>

// Readable test failures.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

// A dbus-daemon of the test's own, with a connection for the fake service and
// one for the switch; ended with the test.
struct PrivateBus {
    QProcess daemon;
    QString address;
    PrivateBus() {
        // Gone with the test, even when the test is killed.
        daemon.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        daemon.start("dbus-daemon", {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        if (daemon.waitForReadyRead(5000))
            address = QString::fromUtf8(daemon.readLine()).trimmed();
    }
    ~PrivateBus() {
        QDBusConnection::disconnectFromBus("service");
        QDBusConnection::disconnectFromBus("client");
        daemon.kill();
        daemon.waitForFinished();
    }
    QDBusConnection service() { return QDBusConnection::connectToBus(address, "service"); }
    QDBusConnection client() { return QDBusConnection::connectToBus(address, "client"); }
};

// Notes each method called on it and answers by `answer`.
struct FakeObject : QDBusVirtualObject {
    QStringList& log;
    std::function<QDBusMessage(const QDBusMessage&)> answer;
    FakeObject(QStringList& log, std::function<QDBusMessage(const QDBusMessage&)> answer)
        : log(log), answer(std::move(answer)) {}
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& m, const QDBusConnection& bus) override {
        QStringList args;
        for (const QVariant& a : m.arguments())
            args << a.toString();
        log << (m.member() + " " + args.join(' ')).trimmed();
        bus.send(answer(m));
        return true;
    }
};

// A shown, active window, as the answer box's has when it has the focus.
struct ActiveWindow : QWindow {
    ActiveWindow() {
        show();
        requestActivate();
        EXPECT_TRUE(QTest::qWaitForWindowActive(this));
    }
};

template <class S> bool Settled(S& s, const std::function<void()>& request) {
    QSignalSpy spy(&s, &S::settled);
    request();
    return spy.wait(3000);
}

// fcitx5's controller: State 1 off, 2 on; Activate turns it on when `takes`.
struct FakeFcitx {
    QStringList log;
    int state = 1;
    bool takes = true;
    FakeObject controller{log, [this](const QDBusMessage& m) {
                              if (m.member() == "Activate" && takes)
                                  state = 2;
                              if (m.member() == "Deactivate")
                                  state = 1;
                              return m.member() == "State" ? m.createReply(state) : m.createReply();
                          }};
    PrivateBus bus;
    ActiveWindow window;
    // Waiting out the time for our context would fail the test.
    ime::Fcitx5Switch s{"client", [this] { log << "key Hiragana"; }, 60000};
    FakeFcitx() {
        QDBusConnection service = bus.service();
        EXPECT_TRUE(service.registerVirtualObject("/controller", &controller));
        EXPECT_TRUE(service.registerService("org.fcitx.Fcitx5"));
        EXPECT_TRUE(bus.client().isConnected());
    }
    // What the plug-in's focus message brings about: our context has the focus.
    void contextFocused() {
        QDBusMessage signal =
            QDBusMessage::createTargetedSignal(bus.client().baseService(), "/inputcontext/1",
                                               "org.fcitx.Fcitx.InputContext1", "CurrentIM");
        signal << "mozc"
               << "Mozc"
               << "ja";
        bus.service().send(signal);
    }
    bool on() {
        return Settled(s, [this] {
            s.On();
            contextFocused();
        });
    }
};

} // namespace

TEST(Fcitx5Switch, TurnsOnInHiraganaAndOffAgainOnlyWhenItWasOff) {
    struct Case {
        int state;
        QStringList on, restore;
    } cases[] = {
        {1, {"State", "Activate", "State", "key Hiragana"}, {"Deactivate"}},
        {2, {"State"}, {}}, // the player's own: left alone
    };
    for (const Case& c : cases) {
        FakeFcitx fx;
        fx.state = c.state;
        ASSERT_TRUE(fx.on()) << c.state;
        EXPECT_EQ(fx.log, c.on) << c.state;
        fx.s.Restore();
        (void)QTest::qWaitFor([&] { return fx.log.size() > c.on.size(); }, 200); // or nothing
        EXPECT_EQ(fx.log.mid(c.on.size()), c.restore) << c.state;
        EXPECT_EQ(fx.state, c.state);
    }
}

TEST(Fcitx5Switch, WaitsForOurInputContextBeforeAskingAnything) {
    FakeFcitx fx;
    QSignalSpy settled(&fx.s, &ime::Fcitx5Switch::settled);
    fx.s.On();
    QTest::qWait(100);
    EXPECT_EQ(fx.log, QStringList{}); // the controller would speak of another context
    fx.contextFocused();
    ASSERT_TRUE(settled.wait(3000));
    EXPECT_EQ(fx.log.value(0), "State");
    // Once known, the context is not waited for again.
    fx.s.Restore();
    ASSERT_TRUE(Settled(fx.s, [&] { fx.s.On(); }));
    EXPECT_EQ(fx.log.mid(4),
              (QStringList{"Deactivate", "State", "Activate", "State", "key Hiragana"}));
    // Nor when the news came before the switch asked about the service.
    ActiveWindow other;
    fx.contextFocused();
    QTest::qWait(100);
    EXPECT_TRUE(Settled(fx.s, [&] { fx.s.On(); }));
}

TEST(Fcitx5Switch, AnotherWindowsContextIsNeverTurnedOff) {
    FakeFcitx fx;
    ASSERT_TRUE(fx.on());
    {
        ActiveWindow other;
        fx.s.Restore(); // the focus went to another window ...
        QTest::qWait(100);
        EXPECT_EQ(fx.log.size(), 4);
    }
    fx.window.requestActivate(); // ... and came back: still ours, in hiragana again
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fx.window));
    ASSERT_TRUE(Settled(fx.s, [&] { fx.s.On(); }));
    fx.s.Restore();
    EXPECT_TRUE(QTest::qWaitFor([&] { return fx.log.last() == "Deactivate"; }));
    EXPECT_EQ(fx.log.mid(4), (QStringList{"State", "key Hiragana", "Deactivate"}));
}

TEST(Fcitx5Switch, AnActivateThatDoesNotTakeIsRetriedBriefly) {
    FakeFcitx fx;
    fx.takes = false;
    ASSERT_TRUE(fx.on());
    EXPECT_GT(fx.log.count("Activate"), 1);
    EXPECT_LE(fx.log.count("Activate"), 10);
    EXPECT_FALSE(fx.log.contains("key Hiragana"));
}

TEST(Fcitx5Switch, WithoutTheServiceNothingIsCalledAndNothingWaits) {
    for (const char* connection : {"client", "no such connection"}) {
        PrivateBus bus;
        ASSERT_TRUE(bus.client().isConnected());
        ActiveWindow window;
        QStringList log;
        ime::Fcitx5Switch s(connection, [&] { log << "key Hiragana"; });
        bool loopRan = false;
        QSignalSpy settled(&s, &ime::Fcitx5Switch::settled);
        s.On();
        QTimer::singleShot(0, [&] { loopRan = true; });
        ASSERT_TRUE(settled.wait(3000)) << connection;
        EXPECT_TRUE(loopRan) << connection;
        s.Restore();
        EXPECT_EQ(log, QStringList{}) << connection;
    }
}

namespace {

// IBus: one global engine; the engines it knows are in `engines`.
struct FakeIBus {
    QStringList log;
    QString engine = "xkb:us::eng";
    QStringList engines{"xkb:us::eng", "mozc-jp"};
    static QDBusMessage Desc(const QDBusMessage& m, const QString& name) {
        QDBusArgument desc;
        desc.beginStructure();
        desc << QString("IBusEngineDesc") << QVariantMap() << name << QString("long name");
        desc.endStructure();
        return m.createReply(QVariant::fromValue(QDBusVariant(QVariant::fromValue(desc))));
    }
    FakeObject ibus{log, [this](const QDBusMessage& m) {
                        const QString arg = m.arguments().value(0).toString();
                        if (m.member() == "GetGlobalEngine")
                            return Desc(m, engine);
                        if (m.member() == "CurrentInputContext")
                            return m.createReply(QVariant::fromValue(
                                QDBusObjectPath("/org/freedesktop/IBus/InputContext_7")));
                        if (m.member() == "SetGlobalEngine" && !engines.contains(arg))
                            return m.createErrorReply(QDBusError::Failed, "no engine " + arg);
                        if (m.member() == "SetGlobalEngine")
                            engine = arg;
                        if (m.member() == "PropertyActivate")
                            log.last() += " @" + m.path().section('/', -1);
                        return m.createReply();
                    }};
    PrivateBus bus;
    std::unique_ptr<ime::IBusSwitch> s = std::make_unique<ime::IBusSwitch>("client");
    FakeIBus() {
        QDBusConnection service = bus.service();
        EXPECT_TRUE(service.registerVirtualObject("/org/freedesktop/IBus", &ibus,
                                                  QDBusConnection::SubPath));
        EXPECT_TRUE(service.registerService("org.freedesktop.IBus"));
        EXPECT_TRUE(bus.client().isConnected());
    }
};

} // namespace

TEST(IBusSwitch, TurnsMozcOnInHiraganaAndPutsThePlayersEngineBack) {
    const QStringList on = {"GetGlobalEngine", "SetGlobalEngine mozc-jp", "CurrentInputContext",
                            "PropertyActivate InputMode.Hiragana 1 @InputContext_7"};
    struct Case {
        const char* what;
        QString engine;
        QStringList engines, on, restore;
    } cases[] = {
        {"another engine",
         "xkb:us::eng",
         {"xkb:us::eng", "mozc-jp"},
         on,
         {"SetGlobalEngine xkb:us::eng"}},
        {"mozc already", "mozc-jp", {"mozc-jp"}, {"GetGlobalEngine"}, {}},
        {"no mozc",
         "xkb:us::eng",
         {"xkb:us::eng"},
         {"GetGlobalEngine", "SetGlobalEngine mozc-jp"},
         {}},
    };
    for (const Case& c : cases) {
        FakeIBus fx;
        fx.engine = c.engine;
        fx.engines = c.engines;
        ASSERT_TRUE(Settled(*fx.s, [&] { fx.s->On(); })) << c.what;
        EXPECT_EQ(fx.log, c.on) << c.what;
        fx.s->Restore();
        (void)QTest::qWaitFor([&] { return fx.log.size() > c.on.size(); }, 200); // or nothing
        EXPECT_EQ(fx.log.mid(c.on.size()), c.restore) << c.what;
        EXPECT_EQ(fx.engine, c.engine) << c.what;
    }
}

TEST(IBusSwitch, TheEngineIsPutBackWhenTheProgramEndsWithMozcOn) {
    FakeIBus fx;
    ASSERT_TRUE(Settled(*fx.s, [&] { fx.s->On(); }));
    fx.s.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return fx.engine == "xkb:us::eng"; }));
}

TEST(IBusSwitch, WithoutTheServiceNothingIsCalledAndNothingWaits) {
    PrivateBus bus;
    ASSERT_TRUE(bus.client().isConnected());
    ime::IBusSwitch s("client");
    bool loopRan = false;
    QSignalSpy settled(&s, &ime::IBusSwitch::settled);
    s.On();
    QTimer::singleShot(0, [&] { loopRan = true; });
    ASSERT_TRUE(settled.wait(3000));
    EXPECT_TRUE(loopRan);
}

TEST(MakeSwitch, FollowsTheFrameworkQtsInputMethodPlugInTalksTo) {
    const QByteArray saved = qgetenv("QT_IM_MODULE");
    struct Case {
        const char* module;
        const char* kind;
    } cases[] = {{"fcitx", "fcitx5"}, {"fcitx5", "fcitx5"}, {"ibus", "ibus"},
                 {"", "null"},        {"xim", "null"},      {"compose", "null"}};
    for (const Case& c : cases) {
        qputenv("QT_IM_MODULE", c.module);
        const std::unique_ptr<ime::Switch> s = ime::MakeSwitch();
        const char* kind = dynamic_cast<ime::Fcitx5Switch*>(s.get()) ? "fcitx5"
                           : dynamic_cast<ime::IBusSwitch*>(s.get()) ? "ibus"
                           : dynamic_cast<ime::NullSwitch*>(s.get()) ? "null"
                                                                     : "?";
        EXPECT_STREQ(kind, c.kind) << c.module;
    }
    qputenv("QT_IM_MODULE", saved);
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
