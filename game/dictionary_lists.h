#pragma once

#include "records/dictionary_index.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace game {

// Which kana a list made from the dictionary asks.
enum class DictScript {
    Reading, // the hiragana reading of words written in kanji or kana: 会社 gives かいしゃ
    Katakana, // katakana words: a katakana headword, or a katakana reading such as 珈琲's コーヒー
};

// The part of speech of a word's first sense, its main use.
enum class DictPart {
    All,         // すべて
    Noun,        // 名詞: nouns, temporal and adverbial nouns, pronouns
    Verb,        // 動詞: never a noun that takes する
    IAdjective,  // い形容詞
    NaAdjective, // な形容詞
};

struct ListFilter {
    bool commonOnly = true; // words marked (P)
    DictPart part = DictPart::All;
    DictScript script = DictScript::Reading;
    int minLength = 3, maxLength = 5; // in UTF-16 code units, as the game counts
};

struct MadeList {
    QStringList words;  // distinct, in file order of first occurrence
    int count = 0;      // of words; the game plays at most kMaxWords of a list
    QStringList sample; // a few spread over the list, to show
};

// The kana the player types for each entry the filter takes: letters of the
// one script and ー after one, with no iteration mark (ゝ ヽ), middle dot,
// ゟ, ヿ or ヷ to ヺ, none of which a player can be asked to type.
MadeList MakeDictionaryList(const records::DictionaryIndex& index, const ListFilter& filter);

// True when the word is such kana of the script.
bool IsAskableKana(QStringView word, DictScript script);

} // namespace game
