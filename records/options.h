#pragma once

#include "records/preferences.h"

#include <QString>

namespace records {

// The sounds: all of them, each kind, and their volume in percent.
struct SoundOptions {
    bool on = true;
    bool countdown = true;
    bool answers = true;
    bool timeUp = true;
    int volume = 50;
    bool operator==(const SoundOptions&) const = default;
};

// How answers are typed and given.
struct InputOptions {
    // Which input types into the answer box: the desktop's input method when
    // one reaches it and the game's own romaji input otherwise, always the
    // input method, or always the game's own.
    enum class Mode { Auto, InputMethod, Romaji };
    Mode mode = Mode::Auto;
    // A commit that completes the word answers it.
    bool answerOnCommit = false;
    bool operator==(const InputOptions&) const = default;
};

// What the game shows a learner.
struct LearnOptions {
    // The reading and meaning of each word answered or looked at, from the dictionary.
    bool readings = false;
    bool operator==(const LearnOptions&) const = default;
};

// The word list chosen last: a file of the list folder (empty for 辞書.txt)
// and its length level.
struct WordListOption {
    QString list;
    int level = 0;
    bool operator==(const WordListOption&) const = default;
};

// The game's choices that the settings file does not hold, by kind, in
// オプション.txt: every key of the file is named here. Each kind is read when
// asked for and written whole; a write that fails is false and leaves the
// file as it was.
class Options {
public:
    // A relative path is taken in the folder that is current now.
    explicit Options(const QString& path = kPreferencesFileName) : file_(path) {}

    SoundOptions sound() const;
    bool setSound(const SoundOptions& sound);
    InputOptions input() const;
    bool setInput(const InputOptions& input);
    // The language of the game's texts, "ja" or "en"; empty when never chosen.
    QString language() const;
    bool setLanguage(const QString& code);
    LearnOptions learn() const;
    bool setLearn(const LearnOptions& learn);
    WordListOption wordList() const;
    bool setWordList(const WordListOption& list);
    // The help window's text size, in steps of a tenth from the normal size.
    int helpZoom() const;
    bool setHelpZoom(int steps);

private:
    Preferences file_;
};

} // namespace records
