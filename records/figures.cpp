#include "records/figures.h"

#include <cstdint>
#include <cstdlib>

namespace records {
namespace {

// num / den rounded to the nearest integer, halves away from zero.
int64_t DivRound(int64_t num, int64_t den) {
    const bool negative = (num < 0) != (den < 0);
    const int64_t a = std::llabs(num), b = std::llabs(den);
    const int64_t q = (2 * a + b) / (2 * b);
    return negative ? -q : q;
}

// A count of 10^-decimals units in fixed-point form.
QString Fixed(int64_t units, int decimals) {
    const bool negative = units < 0;
    int64_t a = std::llabs(units);
    int64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    QString s = QString::number(a / scale) + u'.' +
                QString::number(a % scale).rightJustified(decimals, u'0');
    return negative ? u'-' + s : s;
}

} // namespace

QString FormatRate(int ok, int ng) {
    const int64_t total = int64_t(ok) + ng;
    if (total == 0)
        return QStringLiteral("0.0%");
    return Fixed(DivRound(int64_t(ok) * 1000, total), 1) + u'%';
}

QString FormatSpeed(int moji, int jikan) {
    if (jikan < 1)
        return QStringLiteral("0.00") + kSpeedUnit;
    return Fixed(DivRound(int64_t(moji) * 100, jikan), 2) + kSpeedUnit;
}

QString FormatJikan(int jikan) {
    return QString::number(jikan) + kJikanUnit;
}

} // namespace records
