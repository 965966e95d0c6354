#include "records/cp932.h"
#include "ui/look.h"
#include "ui/widgets.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

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
    fx.write("辞書.txt", records::EncodeCp932(QStringLiteral("りんご\r\nみかん\r\nすいか\r\n")));
    fx.write("履歴.txt", kExampleLine.repeated(8));
    fx.write("設定.txt", "60,1\r\n");
    ui::frmMain& w = fx.load();
    ExpectLooksLike(w, "start");

    fx.random.draws = {0.0, 0.9, 0.0, 0.0}; // りんご as ごりん
    fx.clock.seconds = 100;
    w.cmdStart->click();
    for (int i = 0; i < 3; ++i)
        w.tmrStart_Timer();
    w.txtKaitou->setText("りんご");
    QTest::keyClick(w.txtKaitou, Qt::Key_Return);
    fx.clock.seconds = 160;
    w.tmrBp_Timer();
    ExpectLooksLike(w, "after_round");
}

// The results table draws its plain cells itself, for speed; they must come
// out exactly as the style's own drawing of them, in every state.
TEST(Looks, PlainTableCellsComeOutAsTheStyleDrawsThem) {
    QTableView view;
    QStandardItemModel model(1, 2);
    const QModelIndex cell = model.index(0, 1);
    ui::RirekiDelegate direct(Qt::white, nullptr);
    QStyledItemDelegate styled;
    const std::pair<QString, Qt::Alignment> texts[] = {
        {"2025/08/20", Qt::AlignCenter},
        {"140", Qt::AlignRight | Qt::AlignVCenter},
        {"77.8%", Qt::AlignLeft | Qt::AlignVCenter},
        {"2025/08/21 長い長い日付の欄です", Qt::AlignCenter}, // elided
        {"", Qt::AlignCenter}};
    const QStyle::State states[] = {QStyle::State_Enabled | QStyle::State_Active,
                                    QStyle::State_Enabled, QStyle::State_None};
    for (const auto& [text, alignment] : texts)
        for (const QStyle::State state : states) {
            model.setData(cell, text);
            model.setData(cell, int(alignment), Qt::TextAlignmentRole);
            QStyleOptionViewItem option;
            option.initFrom(&view);
            option.widget = &view;
            option.rect = QRect(0, 0, 93, 16);
            option.font = ui::GothicFont(12);
            option.fontMetrics = QFontMetrics(option.font);
            option.state = state;
            QImage ours(option.rect.size(), QImage::Format_RGB32), theirs = ours;
            ours.fill(Qt::gray);
            theirs.fill(Qt::white); // the cell colour, which the style leaves as it is
            {
                QPainter p(&ours);
                direct.paint(&p, option, cell);
                QPainter q(&theirs);
                styled.paint(&q, option, cell);
            }
            EXPECT_EQ(ours, theirs) << text.toStdString() << " in state " << int(state);
        }
}

TEST(Looks, TheWidestTextsEachControlIsDesignedToHoldFit) {
    Window fx;
    ui::frmMain& w = fx.create(); // with the design's placeholder texts
    w.show();
    // The widest texts each control is designed to hold, and the widest figures.
    w.fraJisyo->setTitle(QStringLiteral("登録ワード一覧 32767個"));
    for (auto [label, text] : {std::pair{game::Caption::Ok, "32767"},
                               {game::Caption::Ng, "32767"},
                               {game::Caption::MojiT, "32767"},
                               {game::Caption::Ritu, "100.0%"},
                               {game::Caption::Byou, "12.34/秒"}})
        w.setCaption(label, QString::fromUtf8(text));
    for (QLabel* label : w.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || qobject_cast<ui::TagLabel*>(label))
            continue;
        const QFontMetrics fm = label->fontMetrics();
        EXPECT_LE(fm.horizontalAdvance(label->text()), label->contentsRect().width())
            << label->objectName().toStdString();
        EXPECT_LE(fm.tightBoundingRect(label->text()).height(), label->contentsRect().height())
            << label->objectName().toStdString();
    }
    for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
        if (!b->text().isEmpty()) {
            EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), b->width() - 4)
                << b->objectName().toStdString();
        }
    for (QGroupBox* g : w.findChildren<QGroupBox*>())
        EXPECT_LE(g->fontMetrics().horizontalAdvance(g->title()), g->width() - 16)
            << g->objectName().toStdString();
}

TEST(Looks, TabWalksTheControlsThatTakeFocus) {
    Window fx;
    ui::frmMain& w = fx.load();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto walk = [&](int steps) {
        QStringList names;
        for (int i = 0; i < steps; ++i) {
            QWidget* f = QApplication::focusWidget();
            names << (f->parentWidget() == w.cboJikan ? "cboJikan" : f->objectName());
            QTest::keyClick(f, Qt::Key_Tab);
        }
        return names;
    };
    EXPECT_EQ(walk(11),
              (QStringList{"cmdStart", "cmdHozon", "cmdClear", "cmdHelp", "cmdEnd", "cboJikan",
                           "chkAs", "msgRireki", "txtKaitou", "lstJisyo", "cmdStart"}));
    w.cmdStart_Click(); // disables Start and shows the history panel
    EXPECT_EQ(walk(11),
              (QStringList{"cmdHozon", "cmdClear", "cmdHelp", "cmdEnd", "cboJikan", "chkAs",
                           "msgRireki", "txtKaitou", "lstJisyo", "lstRireki", "cmdHozon"}));
}
