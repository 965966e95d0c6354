#include "../files.h"
#include "../rows.h"
#include "ui/file_dialog.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <functional>

namespace {

using Act = std::function<void(QFileDialog*)>;

template <typename Part> Part* PartOf(QFileDialog* d, const char* name) {
    return d->findChild<Part*>(QLatin1String(name));
}

// Runs `act` on the file dialog once it shows, notes what the player sees
// then, and cancels the dialog if `act` left it open. Whatever else is up
// after ten seconds is closed, leaving nothing seen.
struct WhileShown {
    QString look;
    QPointer<QFileDialog> seen;
    QTimer poll;
    QElapsedTimer waited;
    explicit WhileShown(Act act) {
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [this, act] {
            // The act may take the dialog with it.
            const QPointer<QFileDialog> d =
                qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (waited.hasExpired(10000) && (!d || !d->isVisible())) {
                poll.stop();
                if (QWidget* other = QApplication::activeModalWidget())
                    other->close();
                return;
            }
            if (!d || !d->isVisible())
                return;
            seen = d;
            poll.stop();
            look = Look(d);
            if (act)
                act(d);
            if (d && d->isVisible())
                d->reject();
        });
        waited.start();
        poll.start();
    }
    static QString Look(QFileDialog* d) {
        QStringList buttons;
        for (QAbstractButton* b : PartOf<QDialogButtonBox>(d, "buttonBox")->buttons())
            buttons << b->text() + (b->isEnabled() ? "" : " (off)");
        QStringList lines = {
            d->windowTitle(),
            d->nameFilters().join(";;") + " / " + d->selectedNameFilter(),
            d->directory().absolutePath(),
            "name: " + PartOf<QLineEdit>(d, "fileNameEdit")->text(),
            QString("%1 selected")
                .arg(PartOf<QAbstractItemView>(d, "listView")
                         ->selectionModel()
                         ->selectedRows()
                         .size()),
            buttons.join(", "),
            QString("%1x%2 at %3,%4")
                .arg(d->width())
                .arg(d->height())
                .arg(d->x() - d->parentWidget()->x())
                .arg(d->y() - d->parentWidget()->y()),
            "history: " + d->history().join(", "),
        };
        return lines.join('\n');
    }
};

// The export's and the import's questions, in a folder of the test's.
struct Question {
    const char* name;
    bool save;
};
const Question kExport{"export", true};
const Question kImport{"import", false};

using Ask = std::function<QString(QWidget*, const ui::FileQuestion&)>;

// As the game asked before: a new dialog each time.
QString AskAsQtDoes(QWidget* owner, const ui::FileQuestion& q) {
    return q.save ? QFileDialog::getSaveFileName(owner, q.title, q.start, q.filters)
                  : QFileDialog::getOpenFileName(owner, q.title, q.start, q.filters);
}

// Types the file's name and opens it, as the player does once the button
// lets them: the dialog leaves a box with the focus alone when asked to select
// a file, and keeps its Open button off until its list has read the folder.
void OpenFile(QFileDialog* d, const char* name) {
    auto* box = PartOf<QLineEdit>(d, "fileNameEdit");
    box->clear();
    QTest::keyClicks(box, name);
    QAbstractButton* open =
        PartOf<QDialogButtonBox>(d, "buttonBox")->button(QDialogButtonBox::Open);
    EXPECT_TRUE(QTest::qWaitFor([open] { return open->isEnabled(); }, 30000)) << name;
    open->click();
}

} // namespace

struct ReuseRow {
    const char* name;
    Question first;
    Act player; // what the player does in the first dialog
    Question second;
    bool kept; // the second question shows the first dialog again
};

class FileDialog : public testing::TestWithParam<ReuseRow> {
protected:
    Folder settings;
    Folder folder;
    QWidget owner;
    int settingsUsed = 0;
    void SetUp() override {
        // A test before may have pressed End, whose request to quit ends every
        // event loop at its start, a dialog's too; the application's own loop
        // takes the request back when it returns.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        folder.write("a.txt", "ねこ\n");
        folder.write("b.csv", "いぬ\n");
        QDir(folder.path(".")).mkdir("sub");
        owner.resize(400, 300);
        owner.show();
        freshSettings();
    }
    // Qt keeps the dialog's history and layout among its own settings: each
    // way of asking starts with none.
    void freshSettings() {
        const QString path = settings.path(QString::number(++settingsUsed));
        QDir().mkpath(path);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
    }
    ui::FileQuestion asked(const Question& q) const {
        return {.title = QString("タイトル ") + q.name,
                .filters = "テキスト (*.txt *.csv);;すべてのファイル (*)",
                .start = q.save ? folder.path("モジロ履歴.csv") : folder.path("."),
                .save = q.save};
    }
    // What the player sees at the second question, and whether the dialog is the first's.
    std::pair<QString, bool> secondLook(const ReuseRow& row, QWidget* asker, const Ask& ask) {
        WhileShown first(row.player);
        ask(asker, asked(row.first));
        const QPointer<QFileDialog> firstDialog = first.seen;
        WhileShown second(nullptr);
        ask(asker, asked(row.second));
        return {second.look, second.seen && second.seen == firstDialog};
    }
};

TEST_P(FileDialog, AskedAgainLooksAsANewDialogWouldWhateverThePlayerLeftInIt) {
    const ReuseRow& row = GetParam();
    const QString asBefore = secondLook(row, &owner, AskAsQtDoes).first;
    freshSettings();
    QWidget window;
    window.resize(400, 300);
    window.show();
    const auto [look, kept] = secondLook(row, &window, ui::AskForFile);
    EXPECT_EQ(look, asBefore);
    EXPECT_EQ(kept, row.kept);
    EXPECT_EQ(window.findChildren<QFileDialog*>().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FileDialog,
    testing::Values(ReuseRow{"CancelledExportThenImport", kExport, nullptr, kImport, true},
                    ReuseRow{"AFileOpened", kImport, [](QFileDialog* d) { OpenFile(d, "a.txt"); },
                             kImport, true},
                    ReuseRow{"TheOtherFilterChosen", kExport,
                             [](QFileDialog* d) { d->selectNameFilter("すべてのファイル (*)"); },
                             kExport, true},
                    ReuseRow{"TheDialogResized", kExport,
                             [](QFileDialog* d) { d->resize(900, 700); }, kImport, true},
                    // Its Back button would lead there: a new dialog takes its place.
                    ReuseRow{"ASubfolderVisitedThenTheFolderChosenAgain", kExport,
                             [](QFileDialog* d) {
                                 const QString there = d->directory().absolutePath();
                                 d->setDirectory(there + "/sub");
                                 d->setDirectory(there);
                             },
                             kExport, false},
                    ReuseRow{"BackFromASubfolder", kImport,
                             [](QFileDialog* d) {
                                 d->setDirectory(d->directory().filePath("sub"));
                                 PartOf<QToolButton>(d, "backButton")->click();
                             },
                             kImport, false},
                    ReuseRow{
                        "LeftInASubfolder", kExport,
                        [](QFileDialog* d) { d->setDirectory(d->directory().filePath("sub")); },
                        kExport, false}),
    kRowName);

TEST_F(FileDialog, AnswersTheFileOpenedAndNothingWhenCancelled) {
    WhileShown opened([](QFileDialog* d) { OpenFile(d, "b.csv"); });
    EXPECT_EQ(ui::AskForFile(&owner, asked(kImport)), folder.path("b.csv"));
    WhileShown cancelled(nullptr);
    EXPECT_EQ(ui::AskForFile(&owner, asked(kImport)), "");
}

TEST_F(FileDialog, AnOwnerClosedWhileItAsksTakesTheDialogAndAnswersNothing) {
    auto* gone = new QWidget(&owner, Qt::Window);
    gone->show();
    WhileShown shown([gone](QFileDialog*) { delete gone; });
    EXPECT_EQ(ui::AskForFile(gone, asked(kExport)), "");
    EXPECT_TRUE(shown.seen.isNull());
}

TEST_F(FileDialog, AStartThatIsGoneOpensWhereANewDialogWould) {
    for (const QString& start : {folder.path("none"), folder.path("none/x.csv")}) {
        ui::FileQuestion gone = asked(kImport);
        gone.start = start;
        WhileShown asBefore(nullptr);
        AskAsQtDoes(&owner, gone);
        WhileShown shown(nullptr);
        ui::AskForFile(&owner, gone);
        EXPECT_EQ(shown.look, asBefore.look) << start.toStdString();
    }
}
