#include "records/options.h"

#include <algorithm>
#include <iterator>

namespace records {
namespace {

const QString kSoundOn = QStringLiteral("sound/on");
const QString kCountdown = QStringLiteral("sound/countdown");
const QString kAnswers = QStringLiteral("sound/answers");
const QString kTimeUp = QStringLiteral("sound/timeup");
const QString kVolume = QStringLiteral("sound/volume");
const QString kOnCommit = QStringLiteral("answer/on-commit");
const QString kInput = QStringLiteral("input/mode");
const char* const kInputModes[] = {"auto", "ime", "romaji"};
const QString kReadings = QStringLiteral("learn/readings");
const QString kLanguage = QStringLiteral("ui/language");
const QString kList = QStringLiteral("wordlist/list");
const QString kLevel = QStringLiteral("wordlist/level");
const QString kZoom = QStringLiteral("help/zoom");

QString Flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

SoundOptions Options::sound() const {
    SoundOptions o;
    const auto flag = [this](const QString& key, bool fallback) {
        return file_.number(key, fallback) != 0;
    };
    o.on = flag(kSoundOn, o.on);
    o.countdown = flag(kCountdown, o.countdown);
    o.answers = flag(kAnswers, o.answers);
    o.timeUp = flag(kTimeUp, o.timeUp);
    o.volume = std::clamp(file_.number(kVolume, o.volume), 0, 100);
    return o;
}

bool Options::setSound(const SoundOptions& o) {
    return file_.set({{kSoundOn, Flag(o.on)},
                      {kCountdown, Flag(o.countdown)},
                      {kAnswers, Flag(o.answers)},
                      {kTimeUp, Flag(o.timeUp)},
                      {kVolume, QString::number(o.volume)}});
}

InputOptions Options::input() const {
    InputOptions o;
    o.answerOnCommit = file_.number(kOnCommit, o.answerOnCommit) != 0;
    const QString mode = file_.text(kInput);
    for (int m = 0; m < int(std::size(kInputModes)); ++m)
        if (mode == QLatin1String(kInputModes[m]))
            o.mode = InputOptions::Mode(m);
    return o;
}

bool Options::setInput(const InputOptions& o) {
    return file_.set({{kOnCommit, Flag(o.answerOnCommit)},
                      {kInput, QString::fromLatin1(kInputModes[int(o.mode)])}});
}

QString Options::language() const {
    return file_.text(kLanguage);
}

bool Options::setLanguage(const QString& code) {
    return file_.set(kLanguage, code);
}

LearnOptions Options::learn() const {
    return {file_.number(kReadings, 0) != 0};
}

bool Options::setLearn(const LearnOptions& o) {
    return file_.set({{kReadings, Flag(o.readings)}});
}

WordListOption Options::wordList() const {
    return {file_.text(kList), file_.number(kLevel, 0)};
}

bool Options::setWordList(const WordListOption& o) {
    return file_.set({{kList, o.list}, {kLevel, QString::number(o.level)}});
}

int Options::helpZoom() const {
    return file_.number(kZoom, 0);
}

bool Options::setHelpZoom(int steps) {
    return file_.set(kZoom, steps);
}

} // namespace records
