// Which input types into the answer box: the desktop's input method, or the
// game's own romaji input where none reaches the box or the player chose it.
#include "ui/frm_main.h"
#include "ui/widgets.h"

#include <QToolTip>

namespace ui {
namespace {

// Long enough to read twice; the note goes by itself.
constexpr int kNoticeMs = 10000;

} // namespace

bool frmMain::OwnInput() const {
    using Mode = records::InputOptions::Mode;
    return input_.mode == Mode::Romaji || (input_.mode == Mode::Auto && reach_ && !reach_->reaches);
}

void frmMain::ApplyInput() {
    const bool own = OwnInput();
    if (own == txtKaitou->ownInput())
        return;
    // The framework is given back what it had before the game's own input
    // takes the box, and asked again when the input method takes it back.
    if (own && imeOn_) {
        services_.ime.restore();
        imeOn_ = false;
    }
    txtKaitou->setOwnInput(own);
    if (!own && txtKaitou->hasFocus())
        txtKaitou_FocusChanged(true);
}

void frmMain::txtKaitou_FocusChanged(bool in) {
    if (txtKaitou->ownInput()) {
        using Mode = records::InputOptions::Mode;
        if (in && input_.mode == Mode::Auto && !std::exchange(fallbackTold_, true))
            Notice(txtKaitou, tr("日本語入力が使えないため、ここに打ったローマ字を"
                                 "かなにします。%1")
                                  .arg(reach_ ? reach_->why : QString()));
        return; // the player's input method is left as it is
    }
    imeOn_ = in;
    in ? services_.ime.on() : services_.ime.restore();
}

void frmMain::Notice(QWidget* beside, const QString& text) {
    const QPoint below = beside->mapToGlobal(QPoint(0, beside->height()));
    QToolTip::showText(below, text, beside, beside->rect(), kNoticeMs);
}

} // namespace ui
