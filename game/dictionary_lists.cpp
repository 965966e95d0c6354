#include "game/dictionary_lists.h"

#include <vector>

namespace game {
namespace {

using records::PartOfSpeech;

bool Takes(DictPart part, records::PartsOfSpeech pos) {
    switch (part) {
    case DictPart::All:
        return true;
    case DictPart::Noun:
        return pos.testFlag(PartOfSpeech::Noun);
    case DictPart::Verb:
        return pos.testFlag(PartOfSpeech::Verb);
    case DictPart::IAdjective:
        return pos.testFlag(PartOfSpeech::IAdjective);
    case DictPart::NaAdjective:
        return pos.testFlag(PartOfSpeech::NaAdjective);
    }
    return false;
}

bool IsLetter(char16_t c, DictScript script) {
    // ぁ to ゖ with ゐ ゑ and ゔ; ァ to ヶ with ヰ ヱ and ヴ.
    return script == DictScript::Reading ? c >= 0x3041 && c <= 0x3096 : c >= 0x30A1 && c <= 0x30F6;
}

constexpr int kSampleSize = 6;

} // namespace

bool IsAskableKana(QStringView word, DictScript script) {
    if (word.isEmpty())
        return false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word[i].unicode();
        if (!IsLetter(c, script) && !(c == 0x30FC && i > 0))
            return false;
    }
    return true;
}

MadeList MakeDictionaryList(const records::DictionaryIndex& index, const ListFilter& filter) {
    MadeList made;
    // What is known of each reading: 0 not looked at, 1 taken, 2 not askable.
    std::vector<uint8_t> seen(size_t(index.readingCount()), 0);
    const qsizetype entries = index.entryCount();
    for (qsizetype i = 0; i < entries; ++i) {
        const records::IndexedEntry e = index.entry(i);
        if (e.reading == records::DictionaryIndex::kNoReading || seen[e.reading] != 0 ||
            (filter.commonOnly && !e.common) || !Takes(filter.part, e.pos))
            continue;
        const int length = index.readingLength(e.reading);
        if (length < filter.minLength || length > filter.maxLength)
            continue;
        const QString word = index.reading(e.reading);
        if (!IsAskableKana(word, filter.script)) {
            seen[e.reading] = 2;
            continue;
        }
        seen[e.reading] = 1;
        made.words.append(word);
    }
    made.count = int(made.words.size());
    const int shown = std::min<int>(kSampleSize, made.count);
    for (int k = 0; k < shown; ++k)
        made.sample.append(made.words[qsizetype(k) * made.count / shown]);
    return made;
}

} // namespace game
