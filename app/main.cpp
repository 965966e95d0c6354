#include "game/system_ports.h"
#include "ui/frm_main.h"
#include "ui/look.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ui::UseClassicStyle();
    game::SystemClock clock;
    game::SystemRandom random;
    ui::frmMain window(clock, random);
    window.Form_Load();
    return app.exec();
}
