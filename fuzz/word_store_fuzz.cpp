// Feeds arbitrary files to the record of words as 単語記録.db in a folder of
// its own and checks the three ways it may take one: it reads it (and can
// then write to it), it sets it aside as damaged under a name of its own with
// every byte kept and starts afresh, or, for a file of a later version, it
// only reads it and leaves its bytes as they were.
#include "records/word_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <climits>
#include <cstdlib>
#include <memory>

namespace {

using Problem = records::WordStore::Problem;

std::unique_ptr<QTemporaryDir> scratch;

QByteArray Bytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        std::abort(); // the file the check is about is gone
    return f.readAll();
}

records::QuestionRecord Question(const QString& word) {
    records::QuestionRecord q;
    q.word = word;
    q.asked = QDateTime(QDate(2026, 12, 9), QTime(10, 0));
    q.solved = true;
    q.solveMs = 1500;
    q.wrong = 1;
    q.wrongAnswers = {QStringLiteral("ねご")};
    q.slips = {{QStringLiteral("こ"), QStringLiteral("ご")}};
    return q;
}

bool Has(const records::WordRecordRead& read, const QString& word) {
    for (const records::WordStats& w : read.words)
        if (w.word == word)
            return w.asked >= 1;
    return false;
}

// A fresh record after a file was set aside takes the first answer.
void CheckFresh(records::WordStore& store, const QString& path) {
    const QString word = QStringLiteral("ねこ");
    if (!store.addQuestion(Question(word)) || !QFileInfo::exists(path))
        std::abort();
    const records::WordRecordRead read = store.read().value_or(records::WordRecordRead{});
    if (read.readOnly || read.words.size() != 1 || !Has(read, word))
        std::abort();
}

void Check(const QString& folder, const QByteArray& bytes) {
    const QString path = QDir(folder).filePath(QStringLiteral("単語記録.db"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.flush())
            return; // no room for the file: nothing to check
    }
    records::WordStore store(path, 0);
    // Nobody else has the file: it is never busy.
    const std::optional<records::WordRecordRead> maybe = store.read();
    if (!maybe || !store.savedRounds())
        std::abort();
    const records::WordRecordRead& read = *maybe;
    const QList<Problem> problems = store.takeProblems();
    if (problems.count(Problem::None) > 0 || problems.size() > 1)
        std::abort(); // one reading, one outcome

    if (problems.contains(Problem::SetAside)) {
        // Kept beside under a name of its own, every byte, and no file left
        // under the record's name until the next answer makes a new one.
        const QString aside = store.setAsidePath();
        const QString name = QFileInfo(aside).fileName();
        if (QFileInfo(aside).absolutePath() != QFileInfo(path).absolutePath() ||
            !name.startsWith(QStringLiteral("単語記録.damaged-")) ||
            !name.endsWith(QStringLiteral(".db")) || Bytes(aside) != bytes ||
            QFileInfo::exists(path) || !read.words.isEmpty() || read.readOnly)
            std::abort();
        CheckFresh(store, path);
        return;
    }
    if (problems.contains(Problem::Newer)) {
        // Only read, and never written, whatever is asked of it.
        if (!read.readOnly || Bytes(path) != bytes)
            std::abort();
        if (store.addQuestion(Question(QStringLiteral("ねこ"))) || store.clear() ||
            store.removeWord(QStringLiteral("ねこ")) || Bytes(path) != bytes ||
            !store.takeProblems().isEmpty() || !store.read().value_or(read).readOnly)
            std::abort();
        return;
    }
    if (read.readOnly)
        std::abort(); // read-only is told as Newer
    if (problems.contains(Problem::Unwritable)) {
        // Neither read nor set aside: left as it was.
        if (Bytes(path) != bytes || !read.words.isEmpty())
            std::abort();
        return;
    }
    // Read as it is. A write may still fail on a file whose tables are not
    // the game's, but one that is told done counts the question once more,
    // for a word the file holds when it holds any, whatever its counts say.
    const QString word = read.words.isEmpty() ? QStringLiteral("ことば") : read.words[0].word;
    QList<int> asked{0}; // as a row of the word, or a new one, may have it
    for (const records::WordStats& w : read.words)
        if (w.word == word)
            asked.append(w.asked);
    if (store.addQuestion(Question(word))) {
        const records::WordRecordRead again = store.read().value_or(records::WordRecordRead{});
        bool counted = false;
        for (const records::WordStats& w : again.words)
            for (int before : asked)
                counted = counted ||
                          (w.word == word && w.asked == (before == INT_MAX ? before : before + 1));
        if (!counted || again.readOnly)
            std::abort();
    } else if (store.takeProblems() != QList{Problem::Unwritable}) {
        std::abort(); // a failed write is told
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Qt's SQL plug-ins are found through the application object.
    new QCoreApplication(*argc, *argv);
    // Memory rather than disk: every commit waits for its bytes to be synced.
    const QString shm = QStringLiteral("/dev/shm");
    scratch = std::make_unique<QTemporaryDir>((QFileInfo(shm).isDir() ? shm : QDir::tempPath()) +
                                              QStringLiteral("/word_store_fuzz-XXXXXX"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!scratch || !scratch->isValid())
        return 0;
    // A folder for each file, so that a set-aside name, a journal or a log
    // left by one cannot meet the next.
    static int run = 0;
    const QString folder = scratch->filePath(QString::number(++run));
    if (!QDir().mkpath(folder))
        return 0;
    Check(folder, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    QDir(folder).removeRecursively();
    return 0;
}
