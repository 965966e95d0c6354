#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace game {

// Puts a list's words in the order the word-list panel shows them: Japanese
// collation order, as SortJapanese gives it.
class PanelOrder {
public:
    virtual ~PanelOrder() = default;
    virtual QStringList sorted(QStringList words) = 0;
};

// Collates the words each time.
class CollatedOrder : public PanelOrder {
public:
    QStringList sorted(QStringList words) override;
};

// Keeps the order of the list sorted last in the cache folder, so that a start
// with the same list takes it from there: the collator and its data, some
// 2 MiB, are then never loaded while the game starts. The file is written on a
// thread of Qt's global pool; one that cannot be written costs a sort.
class CachedOrder : public PanelOrder {
public:
    explicit CachedOrder(const QString& cacheFolder);
    QStringList sorted(QStringList words) override;

private:
    QString path_;
};

// What a kept order is good for: these words, collated by this ICU (its
// library's name carries its version) under this Qt.
QByteArray PanelOrderKey(const QStringList& words);

} // namespace game
