#include "ime/fcitx5_switch.h"
#include "ime/ibus_switch.h"

#include <QtDBus>
#include <QtTest>

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <csignal>
#include <map>

namespace {

// A shown, active window, as the answer box's has when it has the focus.
struct ActiveWindow : QWindow {
    ActiveWindow() { show(), activate(); }
    void activate() {
        requestActivate();
        EXPECT_TRUE(QTest::qWaitForWindowActive(this));
    }
};

// A dbus-daemon of the test's own with fake fcitx5 and IBus services that note
// each call made of them, and the switch under test. `setup`: "fcitx5" or "IBus";
// "silent ..." when the services never answer, "no ..." when there are none.
struct Bus : QDBusVirtualObject {
    QStringList log;
    bool silent;
    int state = 1;                  // fcitx5's: 1 off, 2 on
    int refusals = 0;               // of Activate, before it turns fcitx5 on
    QString engine = "xkb:us::eng"; // IBus's, one for all windows
    QStringList engines{"xkb:us::eng", "mozc-jp"};
    QProcess daemon;
    std::optional<ActiveWindow> window{std::in_place}, other;
    std::unique_ptr<QObject> sw;

    explicit Bus(const QString& setup) : silent(setup.startsWith("silent")) {
        daemon.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        daemon.start("dbus-daemon", {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        const QString address = daemon.waitForReadyRead(5000) ? daemon.readLine().trimmed() : "";
        QDBusConnection fake = QDBusConnection::connectToBus(address, "fake");
        EXPECT_TRUE(setup.startsWith("no ") ||
                    (fake.registerVirtualObject("/", this, QDBusConnection::SubPath) &&
                     fake.registerService("org.fcitx.Fcitx5") &&
                     fake.registerService("org.freedesktop.IBus")));
        EXPECT_TRUE(QDBusConnection::connectToBus(address, "client").isConnected());
        // Waiting out the time for our input context would fail the test.
        if (setup.contains("fcitx5"))
            sw = std::make_unique<ime::Fcitx5Switch>(
                "client", [this] { log << "key Hiragana"; }, 60000);
        else
            sw = std::make_unique<ime::IBusSwitch>("client");
    }
    ~Bus() override {
        QDBusConnection::disconnectFromBus("fake");
        QDBusConnection::disconnectFromBus("client");
        daemon.kill(), daemon.waitForFinished();
    }
    ime::Switch& s() { return dynamic_cast<ime::Switch&>(*sw); }

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& m, const QDBusConnection& bus) override {
        const QStringList args = QVariant(m.arguments()).toStringList();
        const QString method = m.member(), arg = args.value(0);
        log << (method + " " + args.join(' ')).trimmed();
        state = method == "Activate" && refusals-- <= 0 ? 2 : method == "Deactivate" ? 1 : state;
        QDBusMessage reply = m.createReply();
        if (method == "State")
            reply << state;
        if (method == "CurrentInputContext")
            reply << QVariant::fromValue(QDBusObjectPath("/org/freedesktop/IBus/InputContext_7"));
        if (method == "PropertyActivate")
            log.last() += " @" + m.path().section('/', -1);
        if (method == "GetGlobalEngine") {
            QDBusArgument desc; // an IBusEngineDesc
            desc.beginStructure();
            desc << QString("IBusEngineDesc") << QVariantMap() << engine << QString("long name");
            desc.endStructure();
            reply << QVariant::fromValue(QDBusVariant(QVariant::fromValue(desc)));
        }
        if (method == "SetGlobalEngine" && !engines.contains(arg))
            reply = m.createErrorReply(QDBusError::Failed, "no engine " + arg);
        else if (method == "SetGlobalEngine")
            engine = arg;
        return silent || bus.send(reply);
    }

    // What the plug-in's focus message brings about in fcitx5: our context has the focus.
    void contextFocused() {
        QDBusMessage signal =
            QDBusMessage::createTargetedSignal(QDBusConnection("client").baseService(), "/ic/1",
                                               "org.fcitx.Fcitx.InputContext1", "CurrentIM");
        signal.setArguments({"mozc", "Mozc", "ja"});
        QDBusConnection("fake").send(signal);
    }
    // The request carried out or given up soon, with the program never held up.
    void settles(const std::function<void()>& request) {
        QSignalSpy settled(sw.get(), SIGNAL(settled()));
        QElapsedTimer clock;
        clock.start();
        request();
        EXPECT_TRUE(settled.wait(1500) && clock.elapsed() < 1500);
    }
};

const std::map<QString, std::function<void(Bus&)>> kSteps = {
    {"on", [](Bus& b) { b.settles([&] { b.s().On(), b.contextFocused(); }); }},
    {"on, before our context has the focus", [](Bus& b) { b.s().On(); }},
    {"our context gets the focus", [](Bus& b) { b.settles([&] { b.contextFocused(); }); }},
    {"on, our context known", [](Bus& b) { b.settles([&] { b.s().On(); }); }},
    {"restore", [](Bus& b) { b.s().Restore(); }},
    {"another window", [](Bus& b) { b.other.emplace(); }},
    {"ours again", [](Bus& b) { b.other.reset(), b.window->activate(); }},
    {"our window closes", [](Bus& b) { b.window.reset(); }},
    {"the program ends", [](Bus& b) { b.sw.reset(); }},
    {"the player turns fcitx5 on", [](Bus& b) { b.state = 2; }},
    {"the player turns fcitx5 off", [](Bus& b) { b.state = 1; }},
    {"Activate takes at the second try", [](Bus& b) { b.refusals = 1; }},
    {"the player picks mozc", [](Bus& b) { b.engine = "mozc-jp"; }},
    {"the player picks English, with no mozc installed",
     [](Bus& b) { b.engines = {b.engine = "xkb:us::eng"}; }},
};

} // namespace

TEST(Switches, MakeTheCallsOfEachScenarioInOrderAndNeverWaitLong) {
    // A setup, and its steps, each with the calls it brings about.
    const std::pair<const char*, QStringList> scenarios[] = {
        {"fcitx5",
         {"on, before our context has the focus:",
          "our context gets the focus: State, Activate, State, key Hiragana", "restore: Deactivate",
          "Activate takes at the second try:",
          "on, our context known: State, Activate, State, Activate, State, key Hiragana",
          "restore: Deactivate", "the player turns fcitx5 on:", "on: State",
          "restore:", "the player turns fcitx5 off:", "on: State, Activate, State, key Hiragana",
          // No context but our window's is ever turned off.
          "another window:", "restore:", "ours again:", "on: State, key Hiragana",
          "our window closes:", "restore:"}},
        {"no fcitx5", {"on:", "restore:"}},
        {"silent fcitx5", {"on: State", "restore:"}},
        {"IBus",
         {"on: GetGlobalEngine, SetGlobalEngine mozc-jp, CurrentInputContext, "
          "PropertyActivate InputMode.Hiragana 1 @InputContext_7",
          "restore: SetGlobalEngine xkb:us::eng", "the player picks mozc:", "on: GetGlobalEngine",
          "restore:", "the player picks English, with no mozc installed:",
          "on: GetGlobalEngine, SetGlobalEngine mozc-jp", "restore:"}},
        {"IBus",
         {"on: GetGlobalEngine, SetGlobalEngine mozc-jp, CurrentInputContext, "
          "PropertyActivate InputMode.Hiragana 1 @InputContext_7",
          "the program ends: SetGlobalEngine xkb:us::eng"}},
        {"no IBus", {"on:", "restore:"}},
        {"silent IBus", {"on: GetGlobalEngine", "restore:"}},
    };
    for (const auto& [setup, expected] : scenarios) {
        SCOPED_TRACE(setup);
        Bus fx(setup);
        QStringList transcript;
        for (const QString& line : expected) {
            const QString step = line.section(':', 0, 0);
            const qsizetype seen = fx.log.size();
            kSteps.at(step)(fx);
            // Calls whose answer nothing awaits may still be on their way.
            (void)QTest::qWaitFor([&] { return fx.log.size() > seen; }, 200);
            transcript << (step + ": " + fx.log.mid(seen).join(", ")).trimmed();
        }
        EXPECT_EQ(transcript.join('\n').toStdString(), expected.join('\n').toStdString());
    }
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
