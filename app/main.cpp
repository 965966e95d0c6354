#include "game/system_ports.h"
#include "ime/switch.h"
#include "ui/frm_main.h"
#include "ui/look.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ui::UseClassicStyle();
    game::SystemClock clock;
    game::SystemRandom random;
    const std::unique_ptr<ime::Switch> ime = ime::MakeSwitch();
    ui::frmMain window(clock, random, *ime);
    window.Form_Load();
    return app.exec();
}
