#include "game/system_ports.h"
#include "ui/frm_main.h"
#include "ui/help_window.h"
#include "ui/look.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ui::UseClassicStyle();
    game::SystemClock clock;
    game::SystemRandom random;
    ui::WindowHelpService help;
    ui::frmMain window(clock, random, help);
    window.Form_Load();
    return app.exec();
}
