#include "ui/weak_words_window.h"
#include "window_fixture.h"

namespace {

const QString kReferences = QStringLiteral(MOJIRO_SOURCE_DIR "/tests/ui/reference/");

// Compares a rendering of the window with its reference image. Pixels may
// differ a little (anti-aliasing, a caret); a control moved, recoloured or
// missing changes far more than the tolerance. MOJIRO_UPDATE_REFERENCES=1
// writes the references anew instead (tools/update_references.sh).
void ExpectLooksLike(QWidget& window, const QString& name) {
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = kReferences + name + ".png";
    if (qEnvironmentVariableIsSet("MOJIRO_UPDATE_REFERENCES")) {
        ASSERT_TRUE(shot.save(path));
        GTEST_SKIP() << "wrote " << path.toStdString();
    }
    const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), reference.size()) << name.toStdString();
    int differing = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor a = shot.pixelColor(x, y), b = reference.pixelColor(x, y);
            differing += std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                   std::abs(a.blue() - b.blue())}) > 32;
        }
    const QString failed = QDir::tempPath() + "/" + name + ".png";
    const bool alike = differing < shot.width() * shot.height() / 300;
    if (!alike)
        shot.save(failed);
    EXPECT_TRUE(alike) << differing << " pixels differ; see " << failed.toStdString();
}

} // namespace

TEST(Looks, TheWindowAtStartAndAfterARoundLooksAsDesigned) {
    Window fx;
    ui::frmMain& w = fx.load({{"辞書.txt", records::EncodeCp932(u"りんご\r\nみかん\r\nすいか\r\n")},
                              {"履歴.txt", kExampleLine.repeated(8)},
                              {"設定.txt", "60,1\r\n"}});
    ExpectLooksLike(w, "start");
    fx.clock.seconds = 100;
    fx.play({0.0, 0.9, 0.0, 0.0}, {"りんご"}); // りんご as ごりん
    ExpectLooksLike(w, "after_round");
}

class Fits : public testing::TestWithParam<ui::Language> {};

TEST_P(Fits, TheWidestTextsEachControlIsDesignedToHoldInEitherLanguage) {
    Window fx;
    fx.languages.use(GetParam());
    ui::frmMain& w = fx.create(); // with the design's placeholder texts
    w.show();
    ASSERT_EQ(w.cmdStart->text(), GetParam() == ui::Language::English ? "&Start" : "スタート");
    // The widest texts each control is designed to hold, and the widest figures.
    w.fraJisyo->setTitle(game::JisyoCaption(32767));
    for (auto [label, text] : {std::pair{game::Caption::Ok, "32767"},
                               {game::Caption::Ng, "32767"},
                               {game::Caption::MojiT, "32767"},
                               {game::Caption::Ritu, "100.0%"},
                               {game::Caption::Byou, "12.34/秒"}})
        static_cast<game::RoundWindow&>(w).setCaption(label, QString::fromUtf8(text));
    const auto fits = [](QWidget* control, const QString& text, QSize room) {
        const QFontMetrics fm = control->fontMetrics();
        EXPECT_TRUE(text.isEmpty() || (fm.horizontalAdvance(text) <= room.width() &&
                                       fm.tightBoundingRect(text).height() <= room.height()))
            << control->objectName().toStdString();
    };
    for (QLabel* label : w.findChildren<QLabel*>())
        if (!qobject_cast<ui::TagLabel*>(label)) // drawn downwards
            fits(label, label->text(), label->contentsRect().size());
    for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
        fits(b, b->text(), b->size() - QSize(4, 0));
    for (QGroupBox* g : w.findChildren<QGroupBox*>())
        fits(g, g->title(), g->size() - QSize(16, 0));
    // The tags read downwards, a character a line; the table's titles fit their columns.
    for (ui::TagLabel* tag : w.findChildren<ui::TagLabel*>())
        EXPECT_LE(tag->text().size() * tag->fontMetrics().height(), tag->contentsRect().height())
            << tag->objectName().toStdString();
    const QHeaderView* header = w.msgRireki->horizontalHeader();
    for (int c = 0; c < ui::RirekiModel::kColumns; ++c)
        EXPECT_LE(header->fontMetrics().horizontalAdvance(ui::RirekiModel::ColumnTitle(c)),
                  header->sectionSize(c) - 2)
            << ui::RirekiModel::ColumnTitle(c).toStdString();
    // The weak words' titles fit beside the sort arrow, as the style lays them out.
    ui::WeakWordsWindow weak(fx.record, fx.messageBoxes, nullptr);
    QHeaderView* titles = weak.grdWeak->horizontalHeader();
    for (int c = ui::WeakWordsModel::Score; c < ui::WeakWordsModel::Reading; ++c) {
        QStyleOptionHeader o;
        o.initFrom(titles);
        o.orientation = Qt::Horizontal;
        o.state |= QStyle::State_Horizontal;
        o.rect = QRect(0, 0, titles->sectionSize(c), titles->height());
        o.text = weak.weakModel->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        o.sortIndicator = QStyleOptionHeader::SortDown;
        const QRect label = titles->style()->subElementRect(QStyle::SE_HeaderLabel, &o, titles);
        const QRect arrow = titles->style()->subElementRect(QStyle::SE_HeaderArrow, &o, titles);
        const int textRight = label.left() + titles->fontMetrics().horizontalAdvance(o.text);
        EXPECT_LE(textRight, arrow.left()) << o.text.toStdString();
    }
    // Every figure shows beside the word without scrolling.
    weak.show();
    const int figures = titles->sectionPosition(ui::WeakWordsModel::CleanRun) +
                        titles->sectionSize(ui::WeakWordsModel::CleanRun);
    EXPECT_LE(figures, weak.grdWeak->viewport()->width());
    fx.w.reset();
    fx.languages.use(ui::Language::Japanese);
}

INSTANTIATE_TEST_SUITE_P(Languages, Fits,
                         testing::Values(ui::Language::Japanese, ui::Language::English),
                         [](const auto& row) {
                             return row.param == ui::Language::English ? "English" : "Japanese";
                         });
