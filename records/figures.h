#pragma once

#include <QString>

namespace records {

// The round's figures as the labels and the history show them. Exact halves
// round away from zero on the decimal value, which printf's binary rounding
// does not do (1 character in 8 s is 0.125 and shows 0.13).

// The units the speed and the limit are saved with.
inline const QString kSpeedUnit = QStringLiteral("/秒");
inline const QString kJikanUnit = QStringLiteral("秒");

// Correct rate "0.0%": ok / (ok + ng) times 100; "0.0%" when there was no answer.
QString FormatRate(int ok, int ng);
// Characters per second "0.00/秒": moji / jikan; "0.00/秒" for a limit below 1.
QString FormatSpeed(int moji, int jikan);
// Time limit "N秒".
QString FormatJikan(int jikan);

} // namespace records
