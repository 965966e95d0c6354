#include "../rows.h"
#include "ime/fcitx5_switch.h"
#include "ime/ibus_switch.h"

#include <QtDBus>
#include <QtTest>

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <csignal>
#include <map>

namespace {

// Longer than the switches once waited for an answer (500 ms).
constexpr int kSlowMs = 700;

// A shown, active window, as the answer box's has when it has the focus.
struct ActiveWindow : QWindow {
    ActiveWindow() { show(), activate(); }
    void activate() {
        requestActivate();
        EXPECT_TRUE(QTest::qWaitForWindowActive(this));
    }
};

// Fake fcitx5 and IBus services that note each call made of them. They answer
// from a thread of their own, as the real ones from their own process, so that a
// switch that waits for an answer is not waiting for itself. While slow, they
// hold back their answers (IBus: to SetGlobalEngine; a busy fcitx5: to all);
// silent ones, all of them for good.
struct Services : QDBusVirtualObject {
    QMutex mutex;
    QStringList log;
    bool silent = false, fcitx5 = false, slow = false, slowFromActivate = false;
    QList<std::pair<QDBusMessage, QElapsedTimer>> held; // calls, and since when
    // Held calls not answered yet, and those of them the switch waits for.
    int unanswered = 0, awaited = 0;
    int state = 1;                  // fcitx5's: 1 off, 2 on
    int refusals = 0;               // of Activate, before it turns fcitx5 on
    QString engine = "xkb:us::eng"; // IBus's, one for all windows
    QStringList engines{"xkb:us::eng", "mozc-jp"};

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& m, const QDBusConnection&) override {
        QMutexLocker lock(&mutex);
        log << (m.member() + " " + QVariant(m.arguments()).toStringList().join(' ')).trimmed();
        if (m.member() == "PropertyActivate")
            log.last() += " @" + m.path().section('/', -1);
        slow = slow || (slowFromActivate && m.member() == "Activate"); // Mozc starts
        if (silent || (slow && (fcitx5 || m.member() == "SetGlobalEngine"))) {
            held.append({m, QElapsedTimer()});
            held.last().second.start();
            ++unanswered;
            awaited += m.member() != "Activate";
        } else {
            Answer(m);
        }
        return true;
    }
    void Answer(const QDBusMessage& m) {
        const QString method = m.member(), arg = m.arguments().value(0).toString();
        state = method == "Activate" && refusals-- <= 0 ? 2 : method == "Deactivate" ? 1 : state;
        QDBusMessage reply = m.createReply();
        if (method == "State")
            reply << state;
        if (method == "CurrentInputContext")
            reply << QVariant::fromValue(QDBusObjectPath("/org/freedesktop/IBus/InputContext_7"));
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
        QDBusConnection("fake").send(reply);
    }
    // On their own thread: the held calls answered in order, each kSlowMs after it came.
    void CatchUp() {
        QMutexLocker lock(&mutex);
        slow = slowFromActivate = false;
        awaited = 0;
        for (const auto& [m, since] : std::exchange(held, {}))
            QTimer::singleShot(std::max<qint64>(0, kSlowMs - since.elapsed()), this, [this, m] {
                QMutexLocker answering(&mutex);
                Answer(m);
                --unanswered;
            });
    }
};

// A dbus-daemon of the test's own with the fake services, and the switch under
// test. `setup`: "fcitx5" or "IBus"; "silent ..." when the services never
// answer, "no ..." when there are none.
struct Bus {
    QTemporaryDir sockets; // a daemon killed leaves its socket behind
    QProcess daemon;
    QThread thread;
    Services* services = new Services;
    std::optional<ActiveWindow> window{std::in_place}, other;
    std::unique_ptr<QObject> sw;

    explicit Bus(const QString& setup) {
        daemon.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        daemon.start("dbus-daemon", {"--session", "--nofork", "--nopidfile", "--print-address=1",
                                     "--address=unix:dir=" + sockets.path()});
        const QString address = daemon.waitForReadyRead(60000) ? daemon.readLine().trimmed() : "";
        services->silent = setup.startsWith("silent");
        services->fcitx5 = setup.contains("fcitx5");
        QDBusConnection fake = QDBusConnection::connectToBus(address, "fake");
        EXPECT_TRUE(setup.startsWith("no ") ||
                    (fake.registerVirtualObject("/", services, QDBusConnection::SubPath) &&
                     fake.registerService("org.fcitx.Fcitx5") &&
                     fake.registerService("org.freedesktop.IBus")));
        services->moveToThread(&thread);
        thread.start();
        EXPECT_TRUE(QDBusConnection::connectToBus(address, "client").isConnected());
        if (services->fcitx5)
            sw = std::make_unique<ime::Fcitx5Switch>("client", [this] { Note("key Hiragana"); });
        else
            sw = std::make_unique<ime::IBusSwitch>("client");
    }
    ~Bus() {
        sw.reset();
        QDBusConnection::disconnectFromBus("fake");
        QDBusConnection::disconnectFromBus("client");
        thread.quit(), thread.wait();
        delete services;
        daemon.kill(), daemon.waitForFinished();
    }
    ime::Switch& s() { return dynamic_cast<ime::Switch&>(*sw); }
    template <typename F> auto Locked(F f) {
        QMutexLocker lock(&services->mutex);
        return f(*services);
    }
    void Note(const QString& line) {
        Locked([&](Services& s) { s.log << line; });
    }
    QStringList Log() {
        return Locked([](Services& s) { return s.log; });
    }

    // What the plug-in's focus message brings about in fcitx5: our context has the focus.
    void ContextFocused() {
        QDBusMessage signal =
            QDBusMessage::createTargetedSignal(QDBusConnection("client").baseService(), "/ic/1",
                                               "org.fcitx.Fcitx.InputContext1", "CurrentIM");
        signal.setArguments({"mozc", "Mozc", "ja"});
        QDBusConnection("fake").send(signal);
    }
    // The request carried out or given up within `limitMs`, with the program
    // never held up.
    void Settles(const std::function<void()>& request, int limitMs = 1500) {
        QSignalSpy settled(sw.get(), SIGNAL(settled()));
        QElapsedTimer clock;
        clock.start();
        request();
        EXPECT_TRUE(settled.wait(limitMs) && clock.elapsed() < limitMs);
    }
    // The request made at once, and the answer it waits for held back.
    void Held(const std::function<void()>& request) {
        QElapsedTimer clock;
        clock.start();
        request();
        EXPECT_LT(clock.elapsed(), 500);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return Locked([](Services& s) { return s.awaited > 0; }); }, 1500));
    }
    void AllAnswered() {
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return Locked([](Services& s) { return s.unanswered == 0; }); }, kSlowMs + 3000));
    }
    void CatchUp() {
        QMetaObject::invokeMethod(services, [this] { services->CatchUp(); });
    }
};

const std::map<QString, std::function<void(Bus&)>> kSteps = {
    {"on", [](Bus& b) { b.Settles([&] { b.s().on(), b.ContextFocused(); }); }},
    {"on, before our context has the focus", [](Bus& b) { b.s().on(); }},
    {"our context gets the focus", [](Bus& b) { b.Settles([&] { b.ContextFocused(); }); }},
    {"our context gets the focus, the answer to come",
     [](Bus& b) { b.Held([&] { b.ContextFocused(); }); }},
    {"on, our context known", [](Bus& b) { b.Settles([&] { b.s().on(); }); }},
    {"on, the answer to come", [](Bus& b) { b.Held([&] { b.s().on(); }); }},
    {"restore", [](Bus& b) { b.s().restore(); }},
    {"another window", [](Bus& b) { b.other.emplace(); }},
    {"ours again", [](Bus& b) { b.other.reset(), b.window->activate(); }},
    {"our window closes", [](Bus& b) { b.window.reset(); }},
    {"the program ends", [](Bus& b) { b.sw.reset(); }},
    {"the player turns fcitx5 on", [](Bus& b) { b.Locked([](Services& s) { s.state = 2; }); }},
    {"the player turns fcitx5 off", [](Bus& b) { b.Locked([](Services& s) { s.state = 1; }); }},
    {"Activate takes at the second try",
     [](Bus& b) { b.Locked([](Services& s) { s.refusals = 1; }); }},
    {"the player picks mozc", [](Bus& b) { b.Locked([](Services& s) { s.engine = "mozc-jp"; }); }},
    {"the player picks English, with no mozc installed",
     [](Bus& b) { b.Locked([](Services& s) { s.engines = {s.engine = "xkb:us::eng"}; }); }},
    {"slow", [](Bus& b) { b.Locked([](Services& s) { s.slow = true; }); }},
    {"Mozc starts slowly",
     [](Bus& b) { b.Locked([](Services& s) { s.slowFromActivate = true; }); }},
    {"catches up", [](Bus& b) { b.Settles([&] { b.CatchUp(); }, kSlowMs + 3000); }},
    {"catches up, with the focus elsewhere", [](Bus& b) { b.CatchUp(), b.AllAnswered(); }},
    {"the program ends as it catches up", [](Bus& b) { b.CatchUp(), b.sw.reset(); }},
    // Once every call has its answer.
    {"the engine",
     [](Bus& b) { b.AllAnswered(), b.Note(b.Locked([](Services& s) { return s.engine; })); }},
};

} // namespace

struct ScenarioRow {
    const char* name;
    // The services (see Bus), then each step with the calls it brings about.
    QStringList steps;
};

class Switch : public testing::TestWithParam<ScenarioRow> {};

TEST_P(Switch, MakesTheCallsOfEachStepInOrderAndNeverHoldsTheProgramUp) {
    const ScenarioRow& row = GetParam();
    Bus fx(row.steps.first());
    QStringList transcript{row.steps.first()};
    for (const QString& line : row.steps.mid(1)) {
        const QString step = line.section(':', 0, 0);
        const qsizetype seen = fx.Log().size();
        kSteps.at(step)(fx);
        // Calls whose answer nothing awaits may still be on their way.
        (void)QTest::qWaitFor([&] { return fx.Log().size() > seen; }, 200);
        transcript << (step + ": " + fx.Log().mid(seen).join(", ")).trimmed();
    }
    EXPECT_EQ(transcript.join('\n').toStdString(), row.steps.join('\n').toStdString());
}

// What turns IBus's Mozc to hiragana in our context.
const QString kHiragana =
    "CurrentInputContext, PropertyActivate InputMode.Hiragana 1 @InputContext_7";
const QString kIBusOn = "on: GetGlobalEngine, SetGlobalEngine mozc-jp, " + kHiragana;

const ScenarioRow kSwitchRows[] = {
    {"Fcitx5TurnsOnOnlyWhereItWasOffAndOffOnlyInItsOwnWindow",
     {"fcitx5", "on, before our context has the focus:",
      "our context gets the focus: State, Activate, State, key Hiragana", "restore: Deactivate",
      "Activate takes at the second try:",
      "on, our context known: State, Activate, State, Activate, State, key Hiragana",
      "restore: Deactivate", "the player turns fcitx5 on:", "on: State",
      "restore:", "the player turns fcitx5 off:", "on: State, Activate, State, key Hiragana",
      // No context but our window's is ever turned off.
      "another window:", "restore:", "ours again:", "on: State, key Hiragana",
      "our window closes:", "restore:"}},
    {"Fcitx5AnsweringLateIsWaitedFor",
     {"fcitx5", "slow:", "on, before our context has the focus:",
      "our context gets the focus, the answer to come: State",
      "catches up: Activate, State, key Hiragana", "restore: Deactivate",
      "Mozc starts slowly:", "on, the answer to come: State, Activate, State",
      "catches up: key Hiragana", "restore: Deactivate"}},
    {"NoFcitx5IsNoCall", {"no fcitx5", "on:", "restore:"}},
    {"Fcitx5NeverAnsweringHoldsNothingUp",
     {"silent fcitx5", "on, before our context has the focus:",
      "our context gets the focus, the answer to come: State", "restore:"}},
    {"IBusGivesThePlayersEngineBackAndLeavesTheirMozcAlone",
     {"IBus", kIBusOn, "restore: SetGlobalEngine xkb:us::eng", "the player picks mozc:",
      "on: GetGlobalEngine", "restore:", "the player picks English, with no mozc installed:",
      "on: GetGlobalEngine, SetGlobalEngine mozc-jp", "restore:"}},
    {"IBusGivesThePlayersEngineBackAsTheProgramEnds",
     {"IBus", kIBusOn, "the program ends: SetGlobalEngine xkb:us::eng, GetGlobalEngine"}},
    {"IBusStartingTheEngineLateIsWaitedFor",
     {"IBus", "slow:", "on, the answer to come: GetGlobalEngine, SetGlobalEngine mozc-jp",
      "catches up: " + kHiragana, "restore: SetGlobalEngine xkb:us::eng"}},
    {"IBusGivesThePlayersEngineBackOnceOursHasCome",
     {"IBus", "slow:", "on, the answer to come: GetGlobalEngine, SetGlobalEngine mozc-jp",
      "restore:", "catches up, with the focus elsewhere: SetGlobalEngine xkb:us::eng",
      "the engine: xkb:us::eng"}},
    {"IBusFocusBackBeforeTheAnswerEndsInHiragana",
     {"IBus", "slow:", "on, the answer to come: GetGlobalEngine, SetGlobalEngine mozc-jp",
      "restore:", "on, the answer to come:", "catches up: " + kHiragana, "the engine: mozc-jp",
      "restore: SetGlobalEngine xkb:us::eng"}},
    {"IBusAtTheEndWaitsForOursToComeThenGivesThePlayersBack",
     {"IBus", "slow:", "on, the answer to come: GetGlobalEngine, SetGlobalEngine mozc-jp",
      "the program ends as it catches up: SetGlobalEngine xkb:us::eng, GetGlobalEngine",
      "the engine: xkb:us::eng"}},
    {"IBusFocusBackWhileThePlayersEngineComesSwitchesAfterIt",
     {"IBus", kIBusOn, "slow:", "restore: SetGlobalEngine xkb:us::eng", "on, the answer to come:",
      "catches up: GetGlobalEngine, SetGlobalEngine mozc-jp, " + kHiragana, "the engine: mozc-jp"}},
    {"NoIBusIsNoCall", {"no IBus", "on:", "restore:"}},
    {"IBusNeverAnsweringHoldsNothingUp",
     {"silent IBus", "on, the answer to come: GetGlobalEngine", "restore:"}}};
INSTANTIATE_TEST_SUITE_P(Rows, Switch, testing::ValuesIn(kSwitchRows), kRowName);

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
