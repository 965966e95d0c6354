#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace game {

// Every variable of the game, owned by the main window for the life of the process.
struct RoundState {
    QString strHelpFile;
    bool blnStartWait = false; // the countdown is running
    bool blnPlaying = false;   // the round clock is running
    int16_t intStartStep = 0;  // countdown picture shown last, 0 to 3
    int32_t lngEndTime = 0;    // round end, in seconds of the round clock
    int16_t intRemain = 0;     // whole seconds left
    int16_t intWordCount = 0;
    QStringList strJisyo;    // words in 1..intWordCount; index 0 unused
    int16_t intBarFull = 0;  // full width of the time bar, twips
    int16_t intJikan = 0;    // time limit, seconds
    int16_t intAutoSave = 0; // 1 on, 0 off
    int16_t intOk = 0;
    int16_t intNg = 0;
    int16_t intMoji = 0;
    QString strMondai; // the shuffled question
    QString strSeikai; // the answer, as in the word list
};

} // namespace game
