#include "app/play_folder.h"
#include "app/quit_on_signal.h"
#include "game/dictionary.h"
#include "game/panel_order.h"
#include "game/system_ports.h"
#include "game/word_record.h"
#include "ime/reach.h"
#include "ime/switch.h"
#include "records/history_preload.h"
#include "records/options.h"
#include "ui/font_preload.h"
#include "ui/frm_main.h"
#include "ui/help_window.h"
#include "ui/language.h"
#include "ui/look.h"
#include "ui/progress_window.h"
#include "ui/sounds.h"
#include "ui/weak_words_window.h"
#include "ui/word_list_editor.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <optional>

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("mojiro"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOJIRO_VERSION));

    // Options are read before the window system is opened, so that --help and
    // --version answer without a display.
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("モジロタイピング: a typing game for Japanese words.\n"
                       "Keeps 辞書.txt, 設定.txt and 履歴.txt in the current folder."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption dataHome(
        QStringLiteral("data-home"),
        QStringLiteral("Keep the files in the game's own folder in the data home "
                       "($XDG_DATA_HOME/mojiro, or ~/.local/share/mojiro) instead."));
    parser.addOption(dataHome);
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("Show the game in this language for this run: ja (Japanese, the default) "
                       "or en (English). The words to type stay Japanese."),
        QStringLiteral("ja|en"));
    parser.addOption(language);
    if (!parser.parse(args)) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
        return 2;
    }
    const std::optional<ui::Language> asked =
        parser.isSet(language) ? ui::LanguageOfCode(parser.value(language)) : std::nullopt;
    if (parser.isSet(language) && !asked) {
        std::fprintf(stderr, "mojiro: --language takes ja or en, not %s\n",
                     qPrintable(parser.value(language)));
        return 2;
    }
    if (parser.isSet(help)) {
        // Without an application object Qt cannot name the program itself.
        std::printf("%s", qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                               QStringLiteral("mojiro"))));
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("mojiro %s\n", MOJIRO_VERSION);
        return 0;
    }

    // The fonts' configuration and the history are read on other cores while
    // Qt starts, the history once the folder it is in is known.
    ui::FontPreload fonts;
    std::optional<records::HistoryPreload> history;
    if (!parser.isSet(dataHome))
        history.emplace(records::kHistoryFileName);

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.mojiro.Typing"));
    ui::UseClassicStyle();
    // Japanese, the game's own, loads nothing of the game's; English is read
    // at once when asked for on the command line, else once the options are.
    ui::Languages languages{QLocale()};
    languages.use(asked.value_or(ui::Language::Japanese));

    ui::MessageBoxes boxes;
    std::unique_ptr<QTemporaryDir> scratch;
    if (parser.isSet(dataHome)) {
        const app::PlayFolder folder = app::PrepareOwnFolder(
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
            app::InstalledDataFolders());
        if (!folder.problem.isEmpty())
            boxes.warn(nullptr, QStringLiteral("モジロタイピング"), folder.problem);
        if (folder.path.isEmpty()) {
            // Nowhere to keep files: play from the built-in list in an empty
            // folder rather than litter the home folder.
            scratch = std::make_unique<QTemporaryDir>();
            QDir::setCurrent(scratch->path());
        } else {
            QDir::setCurrent(folder.path);
        }
        history.emplace(records::kHistoryFileName);
    }

    game::SystemClock clock;
    game::SystemRandom random;
    const std::unique_ptr<ime::Switch> ime = ime::MakeSwitch();
    ime::DesktopReachCheck reach;
    records::Options options;
    if (!asked)
        if (const std::optional<ui::Language> kept = ui::LanguageOfCode(options.language()))
            languages.use(*kept);
    ui::WindowHelpService helpWindows(options, boxes);
    ui::WindowProgressService progressWindow;
    ui::WordListWindows wordLists(boxes);
    ui::DesktopShareService share;
    // The sound module beside the program in the build, or where it is installed.
    const QString programDir = QCoreApplication::applicationDirPath();
    ui::ModuleSoundService sounds(
        {QDir(programDir).filePath(QStringLiteral("libmojiro_sound.so")),
         QDir(programDir).filePath(QStringLiteral(MOJIRO_MODULE_DIR "/libmojiro_sound.so"))});
    // Nothing of the file is opened before the first question is answered.
    game::WordRecordThread wordRecord(
        QDir::current().absoluteFilePath(records::kWordStoreFileName));
    ui::WeakWordsWindows weakWords(wordRecord, boxes);
    // Nothing of it is read before the player asks for readings and meanings.
    game::EdictDictionary dictionary(
        records::kEdictPath, QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    game::CachedOrder panelOrder(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    fonts.wait();
    app::QuitOnSignal quitOnSignal([] { QApplication::closeAllWindows(); });
    ui::frmMain window({clock, random, *ime, reach, helpWindows, progressWindow, wordLists, share,
                        sounds, wordRecord, weakWords, dictionary, options, boxes, languages,
                        panelOrder});
    window.Form_Load(&*history);
    quitOnSignal.listen();
    return app.exec();
}
