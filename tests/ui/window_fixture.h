#pragma once

#include "../game/fakes.h"
#include "records/cp932.h"
#include "ui/frm_main.h"
#include "ui/progress_window.h"
#include "ui/widgets.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <memory>

// Notes each request as "on" or "restore".
struct FakeSwitch : ime::Switch {
    QStringList calls;
    void on() override { calls << "on"; }
    void restore() override { calls << "restore"; }
};

// Answers at once what the test set: by default, that an input method reaches
// the box, as the tests of the window's look and rounds expect.
struct FakeReach : ime::ReachCheck {
    ime::Reach reach;
    void check(QObject* context, std::function<void(const ime::Reach&)> then) override {
        QMetaObject::invokeMethod(
            context, [then, r = reach] { then(r); }, Qt::QueuedConnection);
    }
};

// Notes the calls the main window makes of its help service.
struct FakeHelp : ui::HelpService {
    QStringList calls;
    void showDefaultTopic(const QString& path, QWidget* owner) override {
        calls << "show " + path + (owner ? "" : " unowned");
    }
    void closeAll() override { calls << "close all"; }
    bool isOpen() const override { return false; }
};

// Import takes the file set, and editing writes the text set, as the player
// would have typed it.
struct FakeWordLists : ui::WordListService {
    QString importFile;
    std::optional<QByteArray> editedBytes; // none: the editor is cancelled
    QStringList edits;
    QString chooseFileToImport(QWidget*) override { return importFile; }
    std::optional<MadeList> made; // what the player makes from the dictionary
    std::optional<MadeList> makeFromDictionary(const records::DictionaryIndex&, QWidget*) override {
        return made;
    }
    bool edit(const QString& path, const QString& name, bool cp932, QWidget*) override {
        edits << path + "|" + name + (cp932 ? "|cp932" : "");
        if (!editedBytes)
            return false;
        QFile f(path);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(*editedBytes) >= 0;
    }
};

// Exports to the file set and keeps what was copied.
struct FakeShare : ui::ShareService {
    QString csvFile;
    QString text;
    QImage picture;
    QString chooseCsvFile(QWidget*) override { return csvFile; }
    void copy(const QString& t, const QImage& p) override { text = t, picture = p; }
};

// Notes each sound played as "name volume".
struct FakeSounds : ui::SoundService {
    QStringList played;
    int starts = 0;
    void start() override { ++starts; }
    void play(game::Sound sound, int volume) override {
        played << QString("%1 %2").arg(SoundName(sound)).arg(volume);
    }
};

// Keeps the questions in memory; the real record has tests of its own.
struct FakeRecord : game::WordRecord {
    QList<records::QuestionRecord> questions;
    void addQuestion(const records::QuestionRecord& q) override { questions << q; }
    void addRound(const records::RoundRecord&) override {}
    void addSave(const QString&, const QString&, const QString&) override {}
    void read(QObject*, std::function<void(const records::WordRecordRead&)>) override {}
    void roundKinds(QObject*, std::function<void(const game::RoundKinds&)>) override {}
    void removeWord(const QString&, QObject*, std::function<void(bool)>) override {}
    void bringBack(const QString&, QObject*, std::function<void(bool)>) override {}
    void clear(QObject*, std::function<void(bool)>) override {}
    void setProblemHandler(std::function<void(Problem, const QString&)>) override {}
    void setWaitingHandler(std::function<void(bool)>) override {}
    void typedInstead(const QString&, QObject*,
                      std::function<void(const QList<records::TypedInstead>&)>) override {}
    int finish(int) override { return 0; }
};

// A dictionary of the words given, ready at once; or missing.
struct FakeDictionary : game::Dictionary {
    QHash<QString, records::DictionaryHit> words;
    bool missing = false;
    State now = State::Closed;
    void open(QObject* context, std::function<void()> then) override {
        now = missing ? State::Missing : State::Ready;
        QMetaObject::invokeMethod(context, then, Qt::QueuedConnection);
    }
    State state() const override { return now; }
    std::optional<records::DictionaryHit> lookUp(const QString& word) const override {
        if (now != State::Ready || !words.contains(word))
            return std::nullopt;
        return words.value(word);
    }
    const records::DictionaryIndex* index() const override { return missing ? nullptr : real; }
    const records::DictionaryIndex* real = nullptr; // for the lists made from it
};

struct FakeWeakWords : ui::WeakWordsService {
    void show(const ui::WeakWordsContext&, QWidget*) override {}
    void contextChanged(const ui::WeakWordsContext&) override {}
    void closeAll() override {}
    bool isOpen() const override { return false; }
};

// Waits until the record has written everything asked of it before.
inline bool Settled(game::WordRecord& record) {
    bool done = false;
    QObject context;
    record.read(&context, [&](const records::WordRecordRead&) { done = true; });
    return QTest::qWaitFor([&] { return done; }, 60000);
}

// A main window in a scratch working folder, with a fake clock and generator;
// message boxes are answered by the test and noted as "icon|title|text|buttons|default".
struct Window : Folder {
    QString oldDir = QDir::currentPath();
    FakeClock clock;
    FakeRandom random;
    FakeSwitch ime;
    FakeReach reach;
    FakeHelp help;
    ui::WindowProgressService progress;
    FakeWordLists wordLists;
    FakeShare share;
    FakeSounds sounds;
    FakeRecord record;
    FakeWeakWords weakWords;
    game::WordRecord* recordService = &record;      // or a real one
    ui::WeakWordsService* weakService = &weakWords; // or a real one
    FakeDictionary dictionary;
    game::Dictionary* dictionaryService = &dictionary; // or a real one
    records::Options options{path("オプション.txt")};
    ui::MessageBoxes messageBoxes;
    ui::Languages languages{QLocale(QLocale::Japanese)};
    game::CollatedOrder panelOrder;
    std::unique_ptr<ui::frmMain> w;
    QStringList boxes;
    QMessageBox::StandardButton answer = QMessageBox::Ok;

    Window() {
        QDir::setCurrent(dir.path());
        messageBoxes.run = [this](QMessageBox& box) {
            auto* def = static_cast<QAbstractButton*>(box.defaultButton());
            auto* cancel = box.button(QMessageBox::Cancel);
            boxes << QString("%1|%2|%3|%4|%5%6")
                         .arg(int(box.icon()))
                         .arg(box.windowTitle(), box.text())
                         .arg(int(box.standardButtons()))
                         .arg(def ? int(box.standardButton(def)) : 0)
                         .arg(cancel ? "|" + cancel->text() : QString());
            return answer;
        };
    }
    ~Window() { w.reset(), QDir::setCurrent(oldDir); }
    ui::frmMain& create() {
        w = std::make_unique<ui::frmMain>(ui::MainServices{
            clock, random, ime, reach, help, progress, wordLists, share, sounds, *recordService,
            *weakService, *dictionaryService, options, messageBoxes, languages, panelOrder});
        return *w;
    }
    // Writes the files given, then opens the window.
    ui::frmMain& load(std::initializer_list<std::pair<QString, QByteArray>> files = {}) {
        for (const auto& [name, bytes] : files)
            write(name, bytes);
        return create().Form_Load(), *w;
    }
    // Start and the countdown's three ticks: the question is up.
    void countdown() {
        w->cmdStart_Click();
        for (int i = 0; i < 3; ++i)
            w->tmrStart_Timer();
    }
    void type(const QString& text) {
        w->txtKaitou->setText(text);
        QTest::keyClick(w->txtKaitou, Qt::Key_Return);
    }
    void tickAt(int32_t seconds) { // both timers, as every second
        clock.seconds = seconds;
        w->tmrStart_Timer();
        w->tmrBp_Timer();
    }
    // 正解数, 不正解数, 文字数, 文字/秒 and 正解率 as shown.
    QString figures() const {
        return QStringList{w->lblOk->text(), w->lblNg->text(), w->lblMoji_T->text(),
                           w->lblByou->text(), w->lblRitu->text()}
            .join(' ');
    }
    // A round from Start to time-up with the draws given, the answers typed.
    void play(std::deque<double> draws, const QStringList& answers) {
        const int32_t start = clock.seconds;
        random.draws = std::move(draws);
        countdown();
        for (const QString& typed : answers)
            type(typed);
        tickAt(start + 60);
    }
    void tableMenu(const char* action) { Choose(w->msgRireki->viewport(), w->mnuRireki, action); }
    void wordMenu(const char* action) { Choose(w->lstJisyo->viewport(), w->mnuJisyo, action); }
    void windowMenu(const char* action) { Choose(w->Image1, w->mnuWindow, action); }
    // Chooses as the player does, which the program hears as activated().
    static void Pick(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    // Not qWaitForWindowActive: for a message box it does not wait for the activation.
    static bool Activate(QWidget& window) {
        window.activateWindow();
        const bool active =
            QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; });
        EXPECT_TRUE(active) << window.objectName().toStdString();
        return active;
    }
    // Opens the menu as the mouse does over `at` and takes the named action.
    static void Choose(QWidget* at, QMenu* menu, const char* action) {
        OpenMenu(at, menu);
        QAction* a = menu->findChild<QAction*>(action);
        ASSERT_TRUE(a) << action;
        a->trigger();
        menu->close();
    }
    static void OpenMenu(QWidget* at, QMenu* menu) {
        QContextMenuEvent click(QContextMenuEvent::Mouse, {5, 5}, at->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(at, &click);
        EXPECT_TRUE(menu->isVisible()) << menu->objectName().toStdString();
    }
    QString cell(int row, int column) const {
        return w->rirekiModel().index(row, column).data().toString();
    }
};
