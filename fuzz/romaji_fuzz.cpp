// Feeds any bytes as keys to the romaji converter, one Latin-1 character a
// byte, and checks what the answer box would hold: only kana and marks, with
// letters only among those still waiting or given out as typed at Enter; the
// whole sequence converting as it does typed key by key, and as it does
// when the typing stops anywhere and goes on from what waits; katakana mode
// giving F7 of what hiragana mode gives; F6 undoing F7. A second pass reads
// some bytes as the box's other keys (Backspace, Enter, F6, F7) and follows
// the box through them.
#include "game/romaji.h"

#include <QString>
#include <QStringList>

#include <cstdlib>

namespace {

using game::RomajiConverter;

bool IsAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// What a key may put in the box: kana or a mark the converter makes, never
// ASCII, a control character or a full-width letter.
bool IsMade(QChar c) {
    if (c.unicode() < 0x80 || (c >= u'Ａ' && c <= u'Ｚ') || (c >= u'ａ' && c <= u'ｚ'))
        return false;
    return game::RomajiTypable(QStringView(&c, 1));
}

bool AllMade(const QString& text) {
    for (QChar c : text)
        if (!IsMade(c))
            return false;
    return true;
}

bool IsKatakana(QChar c) {
    return (c >= u'ァ' && c <= u'ヶ') || c == u'ヽ' || c == u'ヾ';
}
bool IsHiragana(QChar c) {
    return (c >= u'ぁ' && c <= u'ゖ') || c == u'ゝ' || c == u'ゞ';
}

// Letters that wait: ASCII letters only, and no more than a spelling holds.
bool CanWait(const QString& pending) {
    if (pending.size() > 3)
        return false;
    for (QChar c : pending)
        if (!IsAsciiLetter(c))
            return false;
    return true;
}

void Check(bool ok) {
    if (!ok)
        std::abort();
}

// The keys typed one at a time in both scripts; gives the whole output.
QString TypeKeys(const QString& keys, QStringList& outs, QStringList& pendings) {
    RomajiConverter hiragana, katakana;
    katakana.setKatakana(true);
    QString total;
    outs.append(total);
    pendings.append(total);
    for (QChar key : keys) {
        const QString before = hiragana.pending();
        const QString out = hiragana.type(key);
        const QString pending = hiragana.pending();
        if (!RomajiConverter::accepts(key)) {
            Check(out.isEmpty() && pending == before);
        } else {
            // A key taken changes the box: the letters before and the key
            // wait, or the key alone, or nothing.
            Check(!out.isEmpty() || pending != before);
            Check(pending.isEmpty() || pending == before + key || pending == QString(key));
        }
        Check(AllMade(out) && CanWait(pending));
        for (QChar c : out)
            Check(!IsKatakana(c));

        Check(katakana.type(key) == game::ToKatakana(out) && katakana.pending() == pending);
        total += out;
        outs.append(total);
        pendings.append(pending);
    }
    const QString pending = hiragana.pending();
    const QString last = hiragana.finish();
    Check(last == pending || ((pending == u"n" || pending == u"N") && last == u"ん"));
    Check(katakana.finish() == game::ToKatakana(last));
    Check(hiragana.pending().isEmpty() && !hiragana.backspace());
    return total + last;
}

// The box through Backspace, Enter, F6 and F7 as well as the keys.
void FollowTheBox(QByteArrayView bytes) {
    RomajiConverter c;
    QString box;               // what came out; c.pending() stands after it
    bool typedLetters = false; // given out as typed at Enter
    for (char byte : bytes) {
        const QString before = c.pending();
        switch (byte) {
        case '\b':
            if (c.backspace()) {
                Check(!before.isEmpty() && c.pending() == before.chopped(1));
            } else {
                Check(before.isEmpty());
                box.chop(1);
            }
            break;
        case '\r': {
            const QString out = c.finish();
            typedLetters = typedLetters || !AllMade(out);
            box += out;
            break;
        }
        case '\x06':
            box = game::ToHiragana(box);
            c.setKatakana(false);
            break;
        case '\x07':
            box = game::ToKatakana(box);
            c.setKatakana(true);
            break;
        default:
            box += c.type(QChar::fromLatin1(byte));
        }
        if (!typedLetters)
            Check(AllMade(box));
        Check(CanWait(c.pending()));
    }
}

} // namespace

// The first byte chooses where the typing stops and goes on afresh; the rest
// are the keys.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const QString keys = QString::fromLatin1(bytes);

    QStringList outs, pendings;
    const QString whole = TypeKeys(keys, outs, pendings);
    Check(game::RomajiToKana(keys) == whole);

    // Only what waits is carried from one key to the next: stopping after any
    // key and typing what waited and the rest into a fresh converter gives the
    // same. Every stop for short inputs, a few for long ones.
    const qsizetype n = keys.size();
    const qsizetype step = n <= 256 ? 1 : n / 8 + 1;
    for (qsizetype at = data[0] % step; at <= n; at += step)
        Check(outs[at] + game::RomajiToKana(pendings[at] + keys.sliced(at)) == whole);

    // F6 undoes F7 on any hiragana; F7 leaves no hiragana and F6 no katakana.
    QString hiragana;
    for (char b : bytes)
        hiragana.append(QChar(u'ぁ' + static_cast<unsigned char>(b) % (u'ゖ' - u'ぁ' + 1)));
    hiragana += u"ゝゞ";
    const QString katakana = game::ToKatakana(hiragana);
    Check(game::ToHiragana(katakana) == hiragana);
    const QString text = QString::fromUtf8(bytes);
    for (QChar c : game::ToKatakana(text))
        Check(!IsHiragana(c));
    for (QChar c : game::ToHiragana(text))
        Check(!IsKatakana(c));
    Check(game::ToKatakana(text).size() == text.size());

    FollowTheBox(bytes);
    return 0;
}
