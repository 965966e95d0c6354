#pragma once

#include "game/system_ports.h"
#include "game/word_record.h"
#include "ime/reach.h"
#include "ime/switch.h"
#include "records/preferences.h"
#include "ui/frm_main.h"
#include "ui/help_window.h"
#include "ui/progress_window.h"
#include "ui/sounds.h"
#include "ui/weak_words_window.h"
#include "ui/word_list_editor.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

// A list of distinct kana words in code page 932, as long as the count asks.
inline void WriteWords(const QString& path, int count) {
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    static const char* kana[] = {"\x82\xA0", "\x82\xA2", "\x82\xA4", "\x82\xA6", "\x82\xA8",
                                 "\x82\xA9", "\x82\xAB", "\x82\xAD", "\x82\xAF", "\x82\xB1"};
    for (int i = 0; i < count; ++i) {
        QByteArray word;
        for (int n = i + 1; n > 0; n /= 10)
            word += kana[n % 10];
        f.write(word + "\r\n");
    }
}

// The game's window with its real services but no input method, loaded from
// the files of the folder that is current, every message box answered.
struct LoadedWindow {
    game::SystemClock clock;
    game::SystemRandom random;
    ime::NullSwitch ime;
    ime::DesktopReachCheck reach;
    records::Options options;
    ui::MessageBoxes boxes;
    ui::Languages languages{QLocale()};
    game::CollatedOrder panelOrder;
    ui::WindowHelpService help{options, boxes};
    ui::WindowProgressService progress;
    ui::WordListWindows wordLists{boxes};
    ui::DesktopShareService share;
    ui::ModuleSoundService sounds{{}};
    game::WordRecordThread record{QDir::current().absoluteFilePath(records::kWordStoreFileName)};
    ui::WeakWordsWindows weak{record, boxes};
    game::EdictDictionary dictionary{records::kEdictPath, QString()};
    ui::frmMain w{{clock, random, ime, reach, help, progress, wordLists, share, sounds, record,
                   weak, dictionary, options, boxes, languages, panelOrder}};
    LoadedWindow() {
        boxes.run = [](QMessageBox&) { return QMessageBox::Ok; };
        w.Form_Load();
    }
};
