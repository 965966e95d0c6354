// The window's own menu: its sounds and whether a commit answers.
#include "ui/frm_main.h"
#include "ui/widgets.h"

#include <QActionGroup>
#include <QMenu>

namespace ui {

void frmMain::playSound(game::Sound sound) {
    if (Plays(options_, sound))
        sounds_.play(sound, options_.volume);
}

void frmMain::setOptions(const WindowOptions& options) {
    options_ = options;
    // In effect now; told once when it will not last beyond this start.
    if (!sounds_.saveOptions(options_))
        SaveErrorOnce(optionsFailureTold_,
                      QStringLiteral("音と答え方の設定をオプション.txtに保存できませんでした。\n"
                                     "変更した設定は、ゲームを終えるまで使われます。"));
}

void frmMain::Form_ContextMenu(QPoint globalPos) {
    mnuWindow->clear();
    const auto toggle = [this](const char* name, const QString& text, bool WindowOptions::*flag,
                               bool enabled) {
        QAction* a = mnuWindow->addAction(text);
        a->setObjectName(name);
        a->setCheckable(true);
        a->setChecked(options_.*flag);
        a->setEnabled(enabled);
        connect(a, &QAction::triggered, this, [this, flag](bool on) {
            WindowOptions o = options_;
            o.*flag = on;
            setOptions(o);
        });
    };
    toggle("mnuSound", QStringLiteral("音を出す(&S)"), &WindowOptions::sound, true);
    toggle("mnuCountdownSound", QStringLiteral("カウントダウンの音"),
           &WindowOptions::countdownSound, options_.sound);
    toggle("mnuAnswerSound", QStringLiteral("答えの音"), &WindowOptions::answerSound,
           options_.sound);
    toggle("mnuTimeUpSound", QStringLiteral("時間切れの音"), &WindowOptions::timeUpSound,
           options_.sound);
    QMenu* volume = mnuWindow->addMenu(QStringLiteral("音量(&V)"));
    volume->setObjectName("mnuVolume");
    volume->setEnabled(options_.sound);
    auto* volumes = new QActionGroup(volume);
    for (int percent : {25, 50, 75, 100}) {
        QAction* a = volume->addAction(QStringLiteral("%1%").arg(percent));
        a->setObjectName(QStringLiteral("mnuVolume_%1").arg(percent));
        a->setCheckable(true);
        a->setChecked(options_.volume == percent);
        a->setActionGroup(volumes);
        connect(a, &QAction::triggered, this, [this, percent] {
            WindowOptions o = options_;
            o.volume = percent;
            setOptions(o);
        });
    }
    mnuWindow->addSeparator();
    toggle("mnuAnswerOnCommit", QStringLiteral("確定したら答える(&A)"),
           &WindowOptions::answerOnCommit, true);
    mnuWindow->popup(globalPos);
}

void frmMain::txtKaitou_Committed() {
    // Only a commit that completes the word answers: one that does not waits
    // for Enter, so that no wrong answer is ever counted on a commit.
    if (!options_.answerOnCommit || !state_.blnPlaying ||
        !game::SameAnswer(txtKaitou->text(), state_.strSeikai))
        return;
    int16_t key = game::kKeyEnter;
    txtKaitou_KeyPress(key);
}

} // namespace ui
