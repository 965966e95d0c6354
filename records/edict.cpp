#include "records/edict.h"

#include <QStringDecoder>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <string_view>

namespace records {
namespace {

// ---- EUC-JP ----

bool IsKanjiByte(unsigned char b) {
    return b >= 0xA1 && b <= 0xFE;
}

// The length of the well-formed character at p[0], or 0 when p[0] starts none.
// ASCII controls are no part of any dictionary line.
int EucLength(const unsigned char* p, qsizetype left) {
    const unsigned char b = p[0];
    if (b < 0x80)
        return (b >= 0x20 && b != 0x7F) || b == '\t' ? 1 : 0;
    if (b == 0x8E) // half-width katakana
        return left >= 2 && p[1] >= 0xA1 && p[1] <= 0xDF ? 2 : 0;
    if (b == 0x8F) // JIS X 0212
        return left >= 3 && IsKanjiByte(p[1]) && IsKanjiByte(p[2]) ? 3 : 0;
    return IsKanjiByte(b) && left >= 2 && IsKanjiByte(p[1]) ? 2 : 0;
}

// ICU puts U+001A for a well-formed pair that the table lacks.
void MarkUnmapped(QString& s) {
    for (QChar& c : s)
        if (c.unicode() == 0x1A)
            c = QChar::ReplacementCharacter;
}

// ---- tags ----

enum class TagKind : uint8_t { Pos, Misc, UsuallyKana, Irregular, Common };
struct Tag {
    std::string_view name;
    TagKind kind;
    PartsOfSpeech::Int pos = 0;
};

constexpr auto N = PartsOfSpeech::Int(PartOfSpeech::Noun);
constexpr auto V = PartsOfSpeech::Int(PartOfSpeech::Verb);
constexpr auto I = PartsOfSpeech::Int(PartOfSpeech::IAdjective);
constexpr auto Na = PartsOfSpeech::Int(PartOfSpeech::NaAdjective);
constexpr auto O = PartsOfSpeech::Int(PartOfSpeech::Other);

// The tags of EDICT and JMdict, sorted by name (byte order). The names of
// people, places and works belong to the names dictionary and are left out:
// "(work) of two" and "(person) directly opposite" are glosses here.
constexpr Tag kTags[] = {
    {"Buddh", TagKind::Misc},
    {"Christn", TagKind::Misc},
    {"MA", TagKind::Misc},
    {"P", TagKind::Common},
    {"Shinto", TagKind::Misc},
    {"X", TagKind::Misc},
    {"abbr", TagKind::Misc},
    {"adj-f", TagKind::Pos, O},
    {"adj-i", TagKind::Pos, I},
    {"adj-ix", TagKind::Pos, I},
    {"adj-kari", TagKind::Pos, O},
    {"adj-ku", TagKind::Pos, O},
    {"adj-na", TagKind::Pos, Na},
    {"adj-nari", TagKind::Pos, O},
    {"adj-no", TagKind::Pos, O},
    {"adj-pn", TagKind::Pos, O},
    {"adj-shiku", TagKind::Pos, O},
    {"adj-t", TagKind::Pos, O},
    {"adv", TagKind::Pos, O},
    {"adv-to", TagKind::Pos, O},
    {"agric", TagKind::Misc},
    {"anat", TagKind::Misc},
    {"arch", TagKind::Misc},
    {"archeol", TagKind::Misc},
    {"archit", TagKind::Misc},
    {"art", TagKind::Misc},
    {"astron", TagKind::Misc},
    {"ateji", TagKind::Misc},
    {"audvid", TagKind::Misc},
    {"aux", TagKind::Pos, O},
    {"aux-adj", TagKind::Pos, O},
    {"aux-v", TagKind::Pos, O},
    {"aviat", TagKind::Misc},
    {"baseb", TagKind::Misc},
    {"biochem", TagKind::Misc},
    {"biol", TagKind::Misc},
    {"bot", TagKind::Misc},
    {"bus", TagKind::Misc},
    {"cards", TagKind::Misc},
    {"chem", TagKind::Misc},
    {"chmyth", TagKind::Misc},
    {"chn", TagKind::Misc},
    {"civeng", TagKind::Misc},
    {"cloth", TagKind::Misc},
    {"col", TagKind::Misc},
    {"comp", TagKind::Misc},
    {"conj", TagKind::Pos, O},
    {"cop", TagKind::Pos, O},
    {"cop-da", TagKind::Pos, O},
    {"cryst", TagKind::Misc},
    {"ctr", TagKind::Pos, O},
    {"dated", TagKind::Misc},
    {"dent", TagKind::Misc},
    {"derog", TagKind::Misc},
    {"eK", TagKind::Misc},
    {"ecol", TagKind::Misc},
    {"econ", TagKind::Misc},
    {"ek", TagKind::Misc},
    {"elec", TagKind::Misc},
    {"electr", TagKind::Misc},
    {"embryo", TagKind::Misc},
    {"engr", TagKind::Misc},
    {"ent", TagKind::Misc},
    {"euph", TagKind::Misc},
    {"exp", TagKind::Pos, O},
    {"fam", TagKind::Misc},
    {"fem", TagKind::Misc},
    {"film", TagKind::Misc},
    {"finc", TagKind::Misc},
    {"fish", TagKind::Misc},
    {"food", TagKind::Misc},
    {"gardn", TagKind::Misc},
    {"genet", TagKind::Misc},
    {"geogr", TagKind::Misc},
    {"geol", TagKind::Misc},
    {"geom", TagKind::Misc},
    {"gikun", TagKind::Misc},
    {"go", TagKind::Misc},
    {"golf", TagKind::Misc},
    {"gramm", TagKind::Misc},
    {"grmyth", TagKind::Misc},
    {"hanaf", TagKind::Misc},
    {"hist", TagKind::Misc},
    {"hon", TagKind::Misc},
    {"horse", TagKind::Misc},
    {"hum", TagKind::Misc},
    {"iK", TagKind::Irregular},
    {"id", TagKind::Misc},
    {"ik", TagKind::Irregular},
    {"int", TagKind::Pos, O},
    {"io", TagKind::Irregular},
    {"iv", TagKind::Pos, O},
    {"joc", TagKind::Misc},
    {"kabuki", TagKind::Misc},
    {"law", TagKind::Misc},
    {"ling", TagKind::Misc},
    {"litf", TagKind::Misc},
    {"logic", TagKind::Misc},
    {"m-sl", TagKind::Misc},
    {"mahj", TagKind::Misc},
    {"male", TagKind::Misc},
    {"manga", TagKind::Misc},
    {"math", TagKind::Misc},
    {"mech", TagKind::Misc},
    {"med", TagKind::Misc},
    {"met", TagKind::Misc},
    {"mil", TagKind::Misc},
    {"min", TagKind::Misc},
    {"mining", TagKind::Misc},
    {"motor", TagKind::Misc},
    {"music", TagKind::Misc},
    {"n", TagKind::Pos, N},
    {"n-adv", TagKind::Pos, N},
    {"n-pr", TagKind::Pos, N},
    {"n-pref", TagKind::Pos, O},
    {"n-suf", TagKind::Pos, O},
    {"n-t", TagKind::Pos, N},
    {"net-sl", TagKind::Misc},
    {"noh", TagKind::Misc},
    {"num", TagKind::Pos, O},
    {"oK", TagKind::Irregular},
    {"obs", TagKind::Misc},
    {"obsc", TagKind::Misc},
    {"oik", TagKind::Irregular},
    {"ok", TagKind::Irregular},
    {"on-mim", TagKind::Misc},
    {"ornith", TagKind::Misc},
    {"paleo", TagKind::Misc},
    {"pathol", TagKind::Misc},
    {"pharm", TagKind::Misc},
    {"phil", TagKind::Misc},
    {"photo", TagKind::Misc},
    {"physics", TagKind::Misc},
    {"physiol", TagKind::Misc},
    {"pn", TagKind::Pos, N},
    {"poet", TagKind::Misc},
    {"pol", TagKind::Misc},
    {"politics", TagKind::Misc},
    {"pref", TagKind::Pos, O},
    {"print", TagKind::Misc},
    {"proverb", TagKind::Misc},
    {"prowres", TagKind::Misc},
    {"prt", TagKind::Pos, O},
    {"psy", TagKind::Misc},
    {"psyanal", TagKind::Misc},
    {"psych", TagKind::Misc},
    {"quote", TagKind::Misc},
    {"rK", TagKind::Irregular},
    {"rail", TagKind::Misc},
    {"rare", TagKind::Misc},
    {"rk", TagKind::Irregular},
    {"rommyth", TagKind::Misc},
    {"sK", TagKind::Irregular},
    {"sens", TagKind::Misc},
    {"shogi", TagKind::Misc},
    {"sk", TagKind::Irregular},
    {"ski", TagKind::Misc},
    {"sl", TagKind::Misc},
    {"sports", TagKind::Misc},
    {"stat", TagKind::Misc},
    {"stockm", TagKind::Misc},
    {"suf", TagKind::Pos, O},
    {"sumo", TagKind::Misc},
    {"surg", TagKind::Misc},
    {"telec", TagKind::Misc},
    {"tradem", TagKind::Misc},
    {"tv", TagKind::Misc},
    {"uk", TagKind::UsuallyKana},
    {"unc", TagKind::Pos, O},
    {"v-unspec", TagKind::Pos, V},
    {"vet", TagKind::Misc},
    // Transitivity rides along with a verb's own tag.
    {"vi", TagKind::Pos, 0},
    {"vidg", TagKind::Misc},
    {"vk", TagKind::Pos, V},
    {"vn", TagKind::Pos, V},
    {"vr", TagKind::Pos, V},
    // A noun or participle that takes する: the word itself is no verb.
    {"vs", TagKind::Pos, O},
    {"vs-c", TagKind::Pos, V},
    {"vs-i", TagKind::Pos, V},
    {"vs-s", TagKind::Pos, V},
    {"vt", TagKind::Pos, 0},
    {"vulg", TagKind::Misc},
    {"vz", TagKind::Pos, V},
    {"yoji", TagKind::Misc},
    {"zool", TagKind::Misc},
};

constexpr bool Sorted() {
    for (size_t i = 1; i < std::size(kTags); ++i)
        if (!(kTags[i - 1].name < kTags[i].name))
            return false;
    return true;
}
static_assert(Sorted(), "kTags is searched by halves");

bool IsAsciiLower(char16_t c) {
    return c >= 'a' && c <= 'z';
}

struct TagInfo {
    TagKind kind;
    PartsOfSpeech::Int pos = 0;
};

// The tag of that name; a verb class (v1, v5k-s, v2a-s ...) and a dialect
// (ksb:) by their shape, since there are many.
std::optional<TagInfo> FindTag(QStringView name) {
    if (name.isEmpty() || name.size() > 12)
        return std::nullopt;
    char ascii[12];
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (c >= 0x80)
            return std::nullopt;
        ascii[i] = char(c);
    }
    const std::string_view s(ascii, size_t(name.size()));
    const auto* it = std::lower_bound(std::begin(kTags), std::end(kTags), s,
                                      [](const Tag& t, std::string_view v) { return t.name < v; });
    if (it != std::end(kTags) && it->name == s)
        return TagInfo{it->kind, it->pos};
    if (s.size() >= 2 && s[0] == 'v' &&
        (s[1] == '1' || s[1] == '2' || s[1] == '4' || s[1] == '5') &&
        std::all_of(s.begin() + 2, s.end(), [](char c) { return IsAsciiLower(c) || c == '-'; }))
        return TagInfo{TagKind::Pos, V};
    if (s.size() >= 3 && s.size() <= 6 && s.back() == ':' &&
        std::all_of(s.begin(), s.end() - 1, [](char c) { return IsAsciiLower(c); }))
        return TagInfo{TagKind::Misc};
    return std::nullopt;
}

bool IsSenseNumber(QStringView s) {
    return !s.isEmpty() && s.size() <= 3 &&
           std::all_of(s.begin(), s.end(), [](QChar c) { return c >= '0' && c <= '9'; });
}

// "EntL1234567" with an optional "X" (an entry with recordings).
quint32 SequenceNumber(QStringView s) {
    if (!s.startsWith(u"EntL"))
        return 0;
    s = s.sliced(4);
    if (s.endsWith(u'X'))
        s.chop(1);
    bool ok = false;
    const uint n = s.toUInt(&ok);
    return ok && IsSenseNumber(s.left(1)) ? quint32(n) : 0;
}

// Flags a head tag group sets on the entry.
struct HeadFlags {
    bool common = false, irregular = false;
};

// A headword or reading with its tag groups taken off its end: "会社(P)",
// "かいしゃ(P,ik)", or a reading kept to some headwords, "あ(会社)". A group
// that is neither stays part of the word.
QStringView StripHeadTags(QStringView item, HeadFlags& flags) {
    item = item.trimmed();
    while (item.endsWith(u')')) {
        const qsizetype open = item.lastIndexOf(u'(');
        if (open <= 0)
            break;
        const QStringView inside = item.sliced(open + 1, item.size() - open - 2);
        bool allTags = true;
        HeadFlags group;
        for (QStringView t : inside.tokenize(u',')) {
            const std::optional<TagInfo> tag = FindTag(t.trimmed());
            if (tag && tag->kind == TagKind::Common)
                group.common = true;
            else if (tag && tag->kind == TagKind::Irregular)
                group.irregular = true;
            else if (!tag)
                allTags = false;
        }
        const bool restriction =
            !inside.isEmpty() &&
            std::any_of(inside.begin(), inside.end(), [](QChar c) { return c.unicode() >= 0x80; });
        if (!allTags && !restriction)
            break;
        flags.common = flags.common || group.common;
        flags.irregular = flags.irregular || group.irregular;
        item = item.left(open).trimmed();
    }
    return item;
}

// The items of a head field, stripped; false when one is empty.
bool SplitHead(QStringView field, QStringList& out, HeadFlags& flags) {
    for (QStringView item : field.tokenize(u';')) {
        const QStringView word = StripHeadTags(item, flags);
        if (word.isEmpty())
            return false;
        out.append(word.toString());
    }
    return !out.isEmpty();
}

// The header's headword: "？？？".
bool IsHeader(QStringView head) {
    return head == u"\uFF1F\uFF1F\uFF1F";
}

// The tag groups at the start of a gloss, taken off it. Stops at a group
// holding anything but tags, which is the gloss's own text: "(a) dose".
struct FoundTag {
    QStringView name;
    TagInfo info;
};
struct GlossTags {
    QVarLengthArray<FoundTag, 8> tags;
    bool number = false;
};
GlossTags TakeGlossTags(QStringView& seg) {
    GlossTags out;
    while (seg.startsWith(u'(') || seg.startsWith(u'{')) {
        const QChar close = seg[0] == u'(' ? u')' : u'}';
        const qsizetype end = seg.indexOf(close);
        if (end < 0)
            break;
        const QStringView inside = seg.sliced(1, end - 1);
        QVarLengthArray<FoundTag, 8> group;
        bool number = false, ok = !inside.isEmpty();
        for (QStringView t : inside.tokenize(u',')) {
            t = t.trimmed();
            if (IsSenseNumber(t) && close == u')')
                number = true;
            else if (const std::optional<TagInfo> tag = FindTag(t))
                group.append({t, *tag});
            else
                ok = false;
        }
        if (!ok)
            break;
        out.tags.append(group.constData(), group.size());
        out.number = out.number || number;
        seg = seg.sliced(end + 1).trimmed();
    }
    return out;
}

struct SenseBuild {
    EdictSense sense;
    bool ownPos = false;
};

} // namespace

QString DecodeEucJp(QByteArrayView bytes) {
    // One decoder a thread: opening ICU's converter costs more than a line.
    thread_local QStringDecoder decoder("EUC-JP", QStringConverter::Flag::Stateless);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    QString out;
    out.reserve(n);
    qsizetype run = 0, i = 0;
    const auto flush = [&](qsizetype end) {
        if (end <= run)
            return;
        const QByteArrayView part = bytes.sliced(run, end - run);
        if (decoder.isValid()) {
            out += decoder.decode(part);
        } else { // no converter: the ASCII still reads
            for (qsizetype k = 0; k < part.size();) {
                const int len = EucLength(reinterpret_cast<const unsigned char*>(part.data()) + k,
                                          part.size() - k);
                out += len == 1 ? QChar(part[k]) : QChar(QChar::ReplacementCharacter);
                k += std::max(len, 1);
            }
        }
    };
    while (i < n) {
        const int len = EucLength(p + i, n - i);
        if (len > 0) {
            i += len;
            continue;
        }
        flush(i);
        out += QChar(QChar::ReplacementCharacter);
        run = ++i;
    }
    flush(n);
    MarkUnmapped(out);
    return out;
}

std::optional<EdictEntry> ParseEdictLine(QByteArrayView line) {
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    const QString text = DecodeEucJp(line);
    const qsizetype slash = text.indexOf(u'/');
    if (slash < 0)
        return std::nullopt;

    EdictEntry entry;
    HeadFlags headFlags;
    const QStringView head = QStringView(text).left(slash).trimmed();
    QStringView words = head;
    const qsizetype open = head.indexOf(u'[');
    if (open >= 0) {
        const qsizetype close = head.indexOf(u']', open);
        if (close < 0 || close != head.size() - 1)
            return std::nullopt;
        words = head.left(open).trimmed();
        if (!SplitHead(head.sliced(open + 1, close - open - 1), entry.readings, headFlags))
            return std::nullopt;
    }
    if (IsHeader(words) || words.contains(u']') ||
        std::any_of(words.begin(), words.end(), [](QChar c) { return c.isSpace(); }) ||
        !SplitHead(words, entry.headwords, headFlags))
        return std::nullopt;
    entry.common = headFlags.common;
    entry.irregular = headFlags.irregular;

    QList<SenseBuild> senses;
    for (QStringView seg : QStringView(text).sliced(slash + 1).tokenize(u'/')) {
        seg = seg.trimmed();
        if (seg.isEmpty())
            continue;
        if (const quint32 seq = SequenceNumber(seg)) {
            entry.sequence = seq;
            continue;
        }
        const GlossTags tags = TakeGlossTags(seg);
        bool pos = false;
        for (const FoundTag& t : tags.tags)
            pos = pos || t.info.kind == TagKind::Pos;
        // A number or a part of speech begins a sense once the one before
        // has glosses; "(P)" alone only marks the line.
        if (senses.isEmpty() || ((tags.number || pos) && !senses.back().sense.glosses.isEmpty()))
            senses.append(SenseBuild());
        SenseBuild& s = senses.back();
        for (const FoundTag& t : tags.tags) {
            switch (t.info.kind) {
            case TagKind::Common:
                entry.common = true;
                continue; // a mark of the line, no tag of the sense
            case TagKind::Irregular:
                entry.irregular = true;
                break;
            case TagKind::UsuallyKana:
                s.sense.usuallyKana = true;
                break;
            case TagKind::Pos:
                s.sense.pos |= PartsOfSpeech::fromInt(t.info.pos);
                s.ownPos = true;
                break;
            case TagKind::Misc:
                break;
            }
            s.sense.tags.append(t.name.toString());
        }
        if (!seg.isEmpty())
            s.sense.glosses.append(seg.toString());
    }
    PartsOfSpeech lastPos;
    for (SenseBuild& s : senses) {
        if (s.sense.glosses.isEmpty())
            continue; // tags with nothing to say
        if (!s.ownPos)
            s.sense.pos = lastPos;
        lastPos = s.sense.pos;
        entry.senses.append(std::move(s.sense));
    }
    if (entry.senses.isEmpty())
        return std::nullopt;
    entry.usuallyKana = entry.senses[0].usuallyKana;
    return entry;
}

} // namespace records
