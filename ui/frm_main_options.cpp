// The window's own menu: its sounds and how answers are given.
#include "ui/frm_main.h"
#include "ui/widgets.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace ui {
namespace {

QString NotKept() {
    return QCoreApplication::translate("frmMain",
                                       "音と答え方の設定をオプション.txtに保存できませんでした。\n"
                                       "変更した設定は、ゲームを終えるまで使われます。");
}

} // namespace

void frmMain::playSound(game::Sound sound) {
    if (Plays(sound_, sound))
        services_.sounds.play(sound, sound_.volume);
}

// Each in effect at once; told once when it will not last beyond this start.
void frmMain::setSoundOptions(const records::SoundOptions& sound) {
    sound_ = sound;
    if (!services_.options.setSound(sound_))
        SaveErrorOnce(optionsFailureTold_, NotKept());
}

void frmMain::setInputOptions(const records::InputOptions& input) {
    input_ = input;
    ApplyInput();
    if (!services_.options.setInput(input_))
        SaveErrorOnce(optionsFailureTold_, NotKept());
}

void frmMain::ChooseLanguage(Language language) {
    if (language == services_.languages.current())
        return;
    // Every open window follows at once: this one takes the language change,
    // the others open anew in the new language, the help in its own file.
    services_.languages.use(language);
    const bool help = services_.help.isOpen(), chart = services_.progress.isOpen(),
               weak = services_.weakWords.isOpen();
    services_.help.closeAll();
    services_.progress.closeAll();
    services_.weakWords.closeAll();
    if (help)
        cmdHelp_Click();
    if (chart)
        mnuGraph_Click();
    if (weak)
        mnuWeak_Click();
    if (!services_.options.setLanguage(LanguageCode(language)))
        SaveErrorOnce(optionsFailureTold_,
                      tr("表示言語の設定をオプション.txtに保存できませんでした。\n"
                         "選んだ言語は、ゲームを終えるまで使われます。"));
}

void frmMain::Form_ContextMenu(QPoint globalPos) {
    ClearMenu(mnuWindow);
    const auto toggle = [this](const char* name, const QString& text, bool checked, bool enabled,
                               std::function<void(bool)> set) {
        QAction* a = mnuWindow->addAction(text);
        a->setObjectName(name);
        a->setCheckable(true);
        a->setChecked(checked);
        a->setEnabled(enabled);
        connect(a, &QAction::triggered, this, std::move(set));
    };
    const auto sound = [this](bool records::SoundOptions::*flag) {
        return [this, flag](bool on) {
            records::SoundOptions o = sound_;
            o.*flag = on;
            setSoundOptions(o);
        };
    };
    toggle("mnuSound", tr("音を出す(&S)"), sound_.on, true, sound(&records::SoundOptions::on));
    toggle("mnuCountdownSound", tr("カウントダウンの音"), sound_.countdown, sound_.on,
           sound(&records::SoundOptions::countdown));
    toggle("mnuAnswerSound", tr("答えの音"), sound_.answers, sound_.on,
           sound(&records::SoundOptions::answers));
    toggle("mnuTimeUpSound", tr("時間切れの音"), sound_.timeUp, sound_.on,
           sound(&records::SoundOptions::timeUp));
    QMenu* volume = mnuWindow->addMenu(tr("音量(&V)"));
    volume->setObjectName("mnuVolume");
    volume->setEnabled(sound_.on);
    auto* volumes = new QActionGroup(volume);
    for (int percent : {25, 50, 75, 100}) {
        QAction* a = volume->addAction(QStringLiteral("%1%").arg(percent));
        a->setObjectName(QStringLiteral("mnuVolume_%1").arg(percent));
        a->setCheckable(true);
        a->setChecked(sound_.volume == percent);
        a->setActionGroup(volumes);
        connect(a, &QAction::triggered, this, [this, percent] {
            records::SoundOptions o = sound_;
            o.volume = percent;
            setSoundOptions(o);
        });
    }
    mnuWindow->addSeparator();
    QMenu* inputs = mnuWindow->addMenu(tr("入力(&I)"));
    inputs->setObjectName("mnuInput");
    auto* modes = new QActionGroup(inputs);
    using Mode = records::InputOptions::Mode;
    const std::pair<Mode, QString> choices[] = {{Mode::Auto, tr("自動")},
                                                {Mode::InputMethod, tr("日本語入力（IME）")},
                                                {Mode::Romaji, tr("ゲーム内ローマ字入力")}};
    for (const auto& [mode, text] : choices) {
        QAction* a = inputs->addAction(text);
        a->setObjectName(QStringLiteral("mnuInput_%1").arg(int(mode)));
        a->setCheckable(true);
        a->setChecked(input_.mode == mode);
        a->setActionGroup(modes);
        connect(a, &QAction::triggered, this, [this, chosen = mode] {
            records::InputOptions o = input_;
            o.mode = chosen;
            setInputOptions(o);
        });
    }
    QMenu* languages = mnuWindow->addMenu(QStringLiteral("表示言語 / &Language"));
    languages->setObjectName("mnuLanguage");
    auto* languageGroup = new QActionGroup(languages);
    for (const auto& [language, name] : {std::pair{Language::Japanese, QStringLiteral("日本語")},
                                         {Language::English, QStringLiteral("English")}}) {
        QAction* a = languages->addAction(name);
        a->setObjectName(QStringLiteral("mnuLanguage_") + LanguageCode(language));
        a->setCheckable(true);
        a->setChecked(services_.languages.current() == language);
        a->setActionGroup(languageGroup);
        connect(a, &QAction::triggered, this,
                [this, chosen = language] { ChooseLanguage(chosen); });
    }
    toggle("mnuReadings", tr("読みと意味を表示(&R)"), learn_.readings, true,
           [this](bool on) { setLearnOptions({on}); });
    toggle("mnuAnswerOnCommit", tr("確定したら答える(&A)"), input_.answerOnCommit, true,
           [this](bool on) {
               records::InputOptions o = input_;
               o.answerOnCommit = on;
               setInputOptions(o);
           });
    mnuWindow->popup(globalPos);
}

void frmMain::txtKaitou_Committed() {
    // Only a commit that completes the word answers: one that does not waits
    // for Enter, so that no wrong answer is ever counted on a commit.
    if (!input_.answerOnCommit || !state_.blnPlaying ||
        !game::SameAnswer(txtKaitou->text(), state_.strSeikai))
        return;
    round_.answer();
}

} // namespace ui
