#include "window_fixture.h"

#include "game/word_list.h"

namespace {

// How far right the label's text reaches, in pixels of the label.
int RightmostInk(QLabel* label) {
    const QImage image = label->grab().toImage();
    const QRect inside = label->contentsRect();
    for (int x = inside.right(); x >= inside.left(); --x)
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            if (qGray(image.pixel(x, y)) < 96)
                return x;
    return -1;
}

} // namespace

TEST(Question, AWordTooWideIsDrawnSmallerAndWholeAndOneThatFitsAsDesigned) {
    Window p;
    QLabel* q = p.load().lblMondai;
    const auto ask = [&](const QString& word) {
        static_cast<game::RoundWindow&>(*p.w).setCaption(game::Caption::Mondai, word);
        return q->font().pixelSize();
    };
    // The widest kana of the game's face, as many as a word may hold.
    const QFontMetrics designed(q->font());
    QChar widest = u'あ';
    for (char16_t c = 0x3041; c <= 0x30FA; ++c)
        if (designed.horizontalAdvance(QChar(c)) > designed.horizontalAdvance(widest))
            widest = QChar(c);
    for (int length : {5, 10, game::kMaxWordLength}) {
        EXPECT_EQ(ask(QString(length, widest)) == 51, length == 5) << length;
        const QFontMetrics m(q->font());
        EXPECT_LE(m.horizontalAdvance(u'x') / 2 + m.horizontalAdvance(q->text()),
                  q->contentsRect().width())
            << length;
        EXPECT_LT(RightmostInk(q), q->contentsRect().right() - 1) << length; // nothing cut
    }
    EXPECT_EQ(ask("かぼちゃ"), 51);
}
