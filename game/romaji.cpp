#include "game/romaji.h"

#include "records/cp932.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace game {
namespace {

// The longest spelling, xtsu and the like.
constexpr int kMaxKey = 4;

// A spelling packed big-end first, one byte a character, so that packed keys
// sort as the spellings do and all the spellings that go on from one lie
// between its key and its key with the free bytes set.
constexpr std::uint32_t Pack(std::string_view keys) {
    std::uint32_t key = 0;
    for (size_t i = 0; i < keys.size(); ++i)
        key |= std::uint32_t(static_cast<unsigned char>(keys[i])) << (24 - 8 * i);
    return key;
}

constexpr bool IsHiragana(char16_t c) {
    return (c >= u'ぁ' && c <= u'ゖ') || c == u'ゝ' || c == u'ゞ';
}
constexpr bool IsKatakana(char16_t c) {
    return (c >= u'ァ' && c <= u'ヶ') || c == u'ヽ' || c == u'ヾ';
}
// The two blocks lie the same distance apart.
constexpr char16_t kKatakanaOffset = u'ァ' - u'ぁ';

struct Entry {
    std::uint32_t key = 0;
    char16_t hiragana[3] = {};
    char16_t katakana[3] = {};
    // A doubled consonant: っ, and the second letter waits on.
    bool keepsLast = false;
};

// Five spellings at a time: the lead letters and a, i, u, e, o; nullptr
// where the input methods have no spelling.
struct Row {
    const char* lead;
    const char16_t* kana[5];
};
constexpr Row kRows[] = {
    {"", {u"あ", u"い", u"う", u"え", u"お"}},
    {"k", {u"か", u"き", u"く", u"け", u"こ"}},
    {"g", {u"が", u"ぎ", u"ぐ", u"げ", u"ご"}},
    {"s", {u"さ", u"し", u"す", u"せ", u"そ"}},
    {"z", {u"ざ", u"じ", u"ず", u"ぜ", u"ぞ"}},
    {"t", {u"た", u"ち", u"つ", u"て", u"と"}},
    {"d", {u"だ", u"ぢ", u"づ", u"で", u"ど"}},
    {"n", {u"な", u"に", u"ぬ", u"ね", u"の"}},
    {"h", {u"は", u"ひ", u"ふ", u"へ", u"ほ"}},
    {"b", {u"ば", u"び", u"ぶ", u"べ", u"ぼ"}},
    {"p", {u"ぱ", u"ぴ", u"ぷ", u"ぺ", u"ぽ"}},
    {"m", {u"ま", u"み", u"む", u"め", u"も"}},
    {"y", {u"や", u"い", u"ゆ", u"いぇ", u"よ"}},
    {"r", {u"ら", u"り", u"る", u"れ", u"ろ"}},
    {"w", {u"わ", u"うぃ", u"う", u"うぇ", u"を"}},
    {"c", {u"か", u"し", u"く", u"せ", u"こ"}},
    {"q", {u"くぁ", u"くぃ", u"く", u"くぇ", u"くぉ"}},
    {"f", {u"ふぁ", u"ふぃ", u"ふ", u"ふぇ", u"ふぉ"}},
    {"j", {u"じゃ", u"じ", u"じゅ", u"じぇ", u"じょ"}},
    {"v", {u"ゔぁ", u"ゔぃ", u"ゔ", u"ゔぇ", u"ゔぉ"}},
    {"x", {u"ぁ", u"ぃ", u"ぅ", u"ぇ", u"ぉ"}},
    {"l", {u"ぁ", u"ぃ", u"ぅ", u"ぇ", u"ぉ"}},
    {"ky", {u"きゃ", u"きぃ", u"きゅ", u"きぇ", u"きょ"}},
    {"gy", {u"ぎゃ", u"ぎぃ", u"ぎゅ", u"ぎぇ", u"ぎょ"}},
    {"sy", {u"しゃ", u"しぃ", u"しゅ", u"しぇ", u"しょ"}},
    {"sh", {u"しゃ", u"し", u"しゅ", u"しぇ", u"しょ"}},
    {"zy", {u"じゃ", u"じぃ", u"じゅ", u"じぇ", u"じょ"}},
    {"jy", {u"じゃ", u"じぃ", u"じゅ", u"じぇ", u"じょ"}},
    {"ty", {u"ちゃ", u"ちぃ", u"ちゅ", u"ちぇ", u"ちょ"}},
    {"cy", {u"ちゃ", u"ちぃ", u"ちゅ", u"ちぇ", u"ちょ"}},
    {"ch", {u"ちゃ", u"ち", u"ちゅ", u"ちぇ", u"ちょ"}},
    {"dy", {u"ぢゃ", u"ぢぃ", u"ぢゅ", u"ぢぇ", u"ぢょ"}},
    {"ts", {u"つぁ", u"つぃ", u"つ", u"つぇ", u"つぉ"}},
    {"th", {u"てゃ", u"てぃ", u"てゅ", u"てぇ", u"てょ"}},
    {"dh", {u"でゃ", u"でぃ", u"でゅ", u"でぇ", u"でょ"}},
    {"tw", {u"とぁ", u"とぃ", u"とぅ", u"とぇ", u"とぉ"}},
    {"dw", {u"どぁ", u"どぃ", u"どぅ", u"どぇ", u"どぉ"}},
    {"ny", {u"にゃ", u"にぃ", u"にゅ", u"にぇ", u"にょ"}},
    {"hy", {u"ひゃ", u"ひぃ", u"ひゅ", u"ひぇ", u"ひょ"}},
    {"by", {u"びゃ", u"びぃ", u"びゅ", u"びぇ", u"びょ"}},
    {"py", {u"ぴゃ", u"ぴぃ", u"ぴゅ", u"ぴぇ", u"ぴょ"}},
    {"my", {u"みゃ", u"みぃ", u"みゅ", u"みぇ", u"みょ"}},
    {"ry", {u"りゃ", u"りぃ", u"りゅ", u"りぇ", u"りょ"}},
    {"fy", {u"ふゃ", u"ふぃ", u"ふゅ", u"ふぇ", u"ふょ"}},
    {"vy", {u"ゔゃ", u"ゔぃ", u"ゔゅ", u"ゔぇ", u"ゔょ"}},
    {"qy", {u"くゃ", nullptr, u"くゅ", nullptr, u"くょ"}},
    {"hw", {u"ふぁ", u"ふぃ", nullptr, u"ふぇ", u"ふぉ"}},
    {"fw", {u"ふぁ", u"ふぃ", u"ふぅ", u"ふぇ", u"ふぉ"}},
    {"kw", {u"くぁ", u"くぃ", nullptr, u"くぇ", u"くぉ"}},
    {"qw", {u"くぁ", u"くぃ", u"くぅ", u"くぇ", u"くぉ"}},
    {"gw", {u"ぐぁ", u"ぐぃ", u"ぐぅ", u"ぐぇ", u"ぐぉ"}},
    {"sw", {u"すぁ", u"すぃ", u"すぅ", u"すぇ", u"すぉ"}},
    {"wh", {u"うぁ", u"うぃ", u"う", u"うぇ", u"うぉ"}},
    {"xy", {u"ゃ", u"ぃ", u"ゅ", u"ぇ", u"ょ"}},
    {"ly", {u"ゃ", u"ぃ", u"ゅ", u"ぇ", u"ょ"}},
    {"wy", {nullptr, u"ゐ", nullptr, u"ゑ", nullptr}},
};

// The spellings outside the rows, the marks among them.
struct Single {
    const char* keys;
    const char16_t* text;
};
constexpr Single kSingles[] = {
    {"n", u"ん"},   {"nn", u"ん"},   {"n'", u"ん"},   {"xn", u"ん"},  {"xtu", u"っ"},
    {"ltu", u"っ"}, {"xtsu", u"っ"}, {"ltsu", u"っ"}, {"xwa", u"ゎ"}, {"lwa", u"ゎ"},
    {"xka", u"ゕ"}, {"xke", u"ゖ"},  {"lka", u"ゕ"},  {"lke", u"ゖ"}, {"hwyu", u"ふゅ"},
    {"-", u"ー"},   {"~", u"〜"},    {".", u"。"},    {",", u"、"},   {"[", u"「"},
    {"]", u"」"},   {"/", u"・"},    {"\"", u"”"},    {"'", u"’"},    {"z-", u"〜"},
    {"z.", u"…"},   {"z,", u"‥"},    {"z/", u"・"},   {"z[", u"『"},  {"z]", u"』"},
    {"zh", u"←"},   {"zj", u"↓"},    {"zk", u"↑"},    {"zl", u"→"},
};

// Every consonant but n doubled, and t before ch as Hepburn writes っち.
constexpr std::string_view kDoubled[] = {"bb", "cc", "dd", "ff", "gg", "hh", "jj",
                                         "kk", "ll", "mm", "pp", "qq", "rr", "ss",
                                         "tt", "vv", "ww", "xx", "yy", "zz", "tc"};

constexpr bool IsLetter(char c) {
    return c >= 'a' && c <= 'z';
}
// What the table keys a typed character by: a letter small, a mark as it is,
// 0 for a key the table has no use for.
constexpr char KeyChar(char16_t c) {
    if (c >= u'A' && c <= u'Z')
        return char(c - u'A' + u'a');
    return c > u' ' && c < 0x7F ? char(c) : 0;
}

struct Table {
    // Room for all the spellings; a table that outgrows it does not compile.
    std::array<Entry, 512> entries{};
    int size = 0;

    constexpr const Entry* begin() const { return entries.data(); }
    constexpr const Entry* end() const { return entries.data() + size; }
    constexpr bool has(std::uint32_t key) const {
        return std::any_of(begin(), end(), [key](const Entry& e) { return e.key == key; });
    }
    constexpr void add(std::string_view keys, std::u16string_view text, bool keepsLast = false) {
        if (keys.empty() || keys.size() > kMaxKey || text.empty() || text.size() > 2 ||
            size == int(entries.size()))
            throw "a spelling that does not fit the table";
        Entry& e = entries[size_t(size++)];
        e.key = Pack(keys);
        e.keepsLast = keepsLast;
        for (size_t i = 0; i < text.size(); ++i) {
            e.hiragana[i] = text[i];
            e.katakana[i] = IsHiragana(text[i]) ? char16_t(text[i] + kKatakanaOffset) : text[i];
        }
    }
};

constexpr Table BuildTable() {
    Table t;
    constexpr char kVowels[] = "aiueo";
    for (const Row& row : kRows)
        for (int v = 0; v < 5; ++v)
            if (row.kana[v]) {
                char keys[kMaxKey] = {};
                const std::string_view lead(row.lead);
                std::copy(lead.begin(), lead.end(), keys);
                keys[lead.size()] = kVowels[v];
                t.add(std::string_view(keys, lead.size() + 1), row.kana[v]);
            }
    for (const Single& s : kSingles)
        t.add(s.keys, s.text);
    for (std::string_view d : kDoubled)
        t.add(d, u"っ", true);
    // Any other mark in its full-width form, as hiragana mode types it.
    for (char c = '!'; c <= '~'; ++c) {
        const char key[] = {c};
        const char16_t wide[] = {char16_t(c - '!' + u'！')};
        if (KeyChar(char16_t(c)) == c && !IsLetter(c) && !t.has(Pack({key, 1})))
            t.add({key, 1}, {wide, 1});
    }
    std::sort(t.entries.begin(), t.entries.begin() + t.size,
              [](const Entry& a, const Entry& b) { return a.key < b.key; });
    return t;
}

// Built by the compiler: nothing to do at start-up or on first use.
constexpr Table kTable = BuildTable();

struct Found {
    const Entry* exact = nullptr; // the spelling itself
    bool longer = false;          // some spelling goes on from it
};

// `key` is `length` characters packed.
constexpr Found Find(std::uint32_t key, int length) {
    const Entry* it = std::lower_bound(kTable.begin(), kTable.end(), key,
                                       [](const Entry& e, std::uint32_t k) { return e.key < k; });
    Found found;
    if (it != kTable.end() && it->key == key)
        found.exact = it++;
    const std::uint32_t free = length >= kMaxKey ? 0 : (std::uint32_t(1) << (32 - 8 * length)) - 1;
    found.longer = it != kTable.end() && it->key <= (key | free);
    return found;
}

// The first `length` characters of a packed spelling.
constexpr std::uint32_t Head(std::uint32_t key, int length) {
    return length <= 0 ? 0 : key & ~((std::uint32_t(1) << (32 - 8 * length)) - 1);
}

// The promises of the table that type() and pending() rely on.
constexpr bool KeepsItsPromises() {
    for (int i = 1; i < kTable.size; ++i)
        if (kTable.entries[size_t(i - 1)].key == kTable.entries[size_t(i)].key)
            return false; // one spelling, two kana
    for (const Entry& e : kTable)
        for (int length = 1; length < kMaxKey && (e.key << (8 * length)) != 0; ++length) {
            // What waits is letters only, and a lone n is the one spelling
            // that others go on from.
            const std::uint32_t head = Head(e.key, length);
            if (!IsLetter(char(head >> (32 - 8 * length) & 0xFF)))
                return false;
            if (Find(head, length).exact && head != Pack("n"))
                return false;
        }
    // Any key the converter takes starts something of its own, so that a key
    // after letters that cannot go on with it always starts afresh.
    for (char16_t c = u'!'; c <= u'~'; ++c) {
        const char key[] = {KeyChar(c)};
        const Found f = Find(Pack({key, 1}), 1);
        if (!f.exact && !f.longer)
            return false;
    }
    return true;
}
static_assert(KeepsItsPromises());

// Every character the converter can put in the box, sorted.
struct Made {
    std::array<char16_t, 2 * 512 * 2> chars{};
    int size = 0;
    constexpr bool has(char16_t c) const {
        return std::binary_search(chars.data(), chars.data() + size, c);
    }
};

constexpr Made BuildMade() {
    Made m;
    for (const Entry& e : kTable)
        for (int i = 0; i < 2 && e.hiragana[i]; ++i) {
            m.chars[size_t(m.size++)] = e.hiragana[i];
            m.chars[size_t(m.size++)] = e.katakana[i];
        }
    std::sort(m.chars.begin(), m.chars.begin() + m.size);
    m.size = int(std::unique(m.chars.begin(), m.chars.begin() + m.size) - m.chars.begin());
    return m;
}
constexpr Made kMade = BuildMade();

void Append(QString& out, const Entry& e, bool katakana) {
    const char16_t* text = katakana ? e.katakana : e.hiragana;
    out.append(reinterpret_cast<const QChar*>(text), text[1] ? 2 : 1);
}

} // namespace

bool RomajiConverter::accepts(QChar key) {
    return KeyChar(key.unicode()) != 0;
}

QString RomajiConverter::type(QChar key) {
    const char k = KeyChar(key.unicode());
    if (k == 0)
        return {};
    QString out;
    // Twice at most: when the waiting letters cannot go on, the key starts
    // afresh, and on its own it always starts something.
    for (;;) {
        const int length = int(pending_.size()) + 1;
        const std::uint32_t last = std::uint32_t(static_cast<unsigned char>(k));
        const std::uint32_t key32 = pendingKey_ | last << (32 - 8 * length);
        const Found found = Find(key32, length);
        if (found.longer) {
            pending_.append(key);
            pendingKey_ = key32;
            return out;
        }
        if (found.exact) {
            Append(out, *found.exact, katakana_);
            clear();
            if (found.exact->keepsLast) {
                pending_.append(key);
                pendingKey_ = Pack({&k, 1});
            }
            return out;
        }
        if (pending_.isEmpty())
            return out;
        if (const Entry* whole = Find(pendingKey_, length - 1).exact)
            Append(out, *whole, katakana_);
        clear();
    }
}

bool RomajiConverter::backspace() {
    if (pending_.isEmpty())
        return false;
    pending_.chop(1);
    pendingKey_ = Head(pendingKey_, int(pending_.size()));
    return true;
}

QString RomajiConverter::finish() {
    QString out;
    const Entry* whole =
        pending_.isEmpty() ? nullptr : Find(pendingKey_, int(pending_.size())).exact;
    if (whole)
        Append(out, *whole, katakana_);
    else
        out = pending_;
    clear();
    return out;
}

void RomajiConverter::clear() {
    // Keeps the buffer, so that typing allocates nothing for what waits.
    pending_.truncate(0);
    pendingKey_ = 0;
}

QString RomajiToKana(QStringView keys) {
    RomajiConverter converter;
    QString out;
    for (QChar key : keys)
        out += converter.type(key);
    return out + converter.finish();
}

QString ToKatakana(QStringView text) {
    QString out = text.toString();
    for (QChar& c : out)
        if (IsHiragana(c.unicode()))
            c = QChar(c.unicode() + kKatakanaOffset);
    return out;
}

QString ToHiragana(QStringView text) {
    QString out = text.toString();
    for (QChar& c : out)
        if (IsKatakana(c.unicode()))
            c = QChar(c.unicode() - kKatakanaOffset);
    return out;
}

bool RomajiTypable(QStringView word) {
    // What the converter makes, as the answer check folds it.
    static const QString folded = [] {
        QString made;
        for (int i = 0; i < kMade.size; ++i)
            made.append(QChar(kMade.chars[size_t(i)]));
        QString out;
        const QString f = records::FoldCp932LookAlikes(made);
        for (qsizetype i = 0; i < made.size(); ++i)
            if (f[i] != made[i])
                out.append(f[i]);
        return out;
    }();
    if (word.isEmpty())
        return false;
    bool hiragana = false, katakana = false;
    for (QChar c : records::FoldCp932LookAlikes(word.toString())) {
        if (!kMade.has(c.unicode()) && !folded.contains(c))
            return false;
        hiragana = hiragana || IsHiragana(c.unicode());
        katakana = katakana || IsKatakana(c.unicode());
    }
    return !(hiragana && katakana);
}

} // namespace game
