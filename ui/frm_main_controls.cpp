// The window's controls as designed: where each stands, its look, and what
// its events call.
#include "ui/frm_main.h"
#include "ui/look.h"
#include "ui/pictures.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QShortcut>
#include <QStringListModel>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

namespace ui {
namespace {

const QColor kIvory(255, 255, 240);

void Place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

QToolButton* PictureButton(QWidget* parent, const QString& name, std::string_view picture) {
    auto* b = new CommandButton(parent);
    b->setObjectName(name);
    b->setIcon(QIcon(Picture(picture)));
    b->setIconSize(QSize(32, 32));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

QLabel* FigureLabel(QWidget* parent, const QString& name, const QString& placeholder,
                    const QColor& colour) {
    auto* l = new QLabel(placeholder, parent);
    l->setObjectName(name);
    l->setFont(GothicFont(27));
    l->setAlignment(Qt::AlignCenter);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setLineWidth(1);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    return l;
}

void SetColours(QWidget* w, const QColor& text, const QColor& background, bool fill) {
    QPalette p = w->palette();
    if (text.isValid()) {
        p.setColor(QPalette::WindowText, text);
        p.setColor(QPalette::Text, text);
    }
    if (background.isValid()) {
        p.setColor(QPalette::Window, background);
        p.setColor(QPalette::Base, background);
    }
    w->setPalette(p);
    w->setAutoFillBackground(fill);
}

// The white-on-colour tags at the left of the question and of the answer.
TagLabel* TagLabelFor(QWidget* parent, const QString& name, const QColor& background) {
    auto* l = new TagLabel(parent);
    l->setObjectName(name);
    l->setFont(GothicFont(16));
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SetColours(l, Qt::white, background, true);
    return l;
}

} // namespace

void frmMain::CreateControls() {
    // Their texts, and every other of the window's, are its language's: Retranslate().
    cmdStart = PictureButton(this, "cmdStart", "start");
    cmdHozon = PictureButton(this, "cmdHozon", "save");
    cmdClear = PictureButton(this, "cmdClear", "clear");
    cmdHelp = PictureButton(this, "cmdHelp", "help");
    cmdEnd = PictureButton(this, "cmdEnd", "end");
    Place(cmdStart, 5175, 150, 840, 915);
    Place(cmdHozon, 6000, 150, 840, 915);
    Place(cmdClear, 6825, 150, 840, 915);
    Place(cmdHelp, 7650, 150, 840, 915);
    Place(cmdEnd, 8475, 150, 840, 915);
    connect(cmdStart, &QToolButton::clicked, this, [this] { cmdStart_Click(); });
    connect(cmdHozon, &QToolButton::clicked, this, [this] { cmdHozon_Click(); });
    connect(cmdClear, &QToolButton::clicked, this, [this] { cmdClear_Click(); });
    connect(cmdHelp, &QToolButton::clicked, this, [this] { cmdHelp_Click(); });
    connect(cmdEnd, &QToolButton::clicked, this, [this] { cmdEnd_Click(); });

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(Picture("title"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(Image1, 225, 150, 4770, 915);

    // The etched separator: a black line with a white one a pixel below.
    Line1_1 = new ColourBox(Qt::black, this);
    Line1_1->setObjectName("Line1_1");
    Line1_1->setGeometry(Px(150), Px(1260), Px(9300) - Px(150), 1);
    Line1_0 = new ColourBox(Qt::white, this);
    Line1_0->setObjectName("Line1_0");
    Line1_0->setGeometry(Px(150), Px(1275), Px(9300) - Px(150), 1);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    Place(Frame1, 130, 1300, 9240, 5370);

    for (int i = 1; i <= 3; ++i) {
        static const char* pictures[] = {"", "light_red", "light_amber", "light_green"};
        imgStart[i] = new QLabel(Frame1);
        imgStart[i]->setObjectName(QStringLiteral("imgStart_%1").arg(i));
        imgStart[i]->setPixmap(Picture(pictures[i]));
        Place(imgStart[i], 180, 270, 480, 480);
    }

    Label1 = new QLabel(Frame1);
    Label1->setObjectName("Label1");
    Label1->setFont(GothicFont(15));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(Label1, 900, 195, 1155, 330);

    cboJikan = new JikanCombo(Frame1);
    cboJikan->setObjectName("cboJikan");
    cboJikan->setFont(GothicFont(19));
    cboJikan->setEditText("Combo1");
    SetColours(cboJikan, {}, kIvory, false);
    Place(cboJikan, 900, 450, 1065, 405);
    connect(cboJikan, &QComboBox::activated, this, [this] { cboJikan_Click(); });
    // Shift+F10 opens the menu of the control with the focus, as the menu key
    // does (the display turns that key into the menu itself).
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [] {
        if (QWidget* at = QApplication::focusWidget()) {
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, at->rect().center(),
                                   at->mapToGlobal(at->rect().center()));
            QApplication::sendEvent(at, &menu);
        }
    });
    auto* toLimit = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_T), this);
    connect(toLimit, &QShortcut::activated, cboJikan, [this] { cboJikan->setFocus(); });

    chkAs = new QToolButton(Frame1);
    chkAs->setObjectName("chkAs");
    chkAs->setCheckable(true);
    chkAs->setIcon(QIcon(Picture("autosave")));
    chkAs->setIconSize(QSize(16, 16));
    chkAs->setToolButtonStyle(Qt::ToolButtonIconOnly);
    chkAs->setFocusPolicy(Qt::StrongFocus);
    Place(chkAs, 2100, 450, 420, 420);
    connect(chkAs, &QToolButton::clicked, this, [this] { chkAs_Click(); });

    Frame2 = new QGroupBox(Frame1);
    Frame2->setObjectName("Frame2");
    Place(Frame2, 2670, 135, 6330, 735);
    lblOk = FigureLabel(Frame2, "lblOk", "999", QColor(0, 128, 0));
    lblNg = FigureLabel(Frame2, "lblNg", "999", QColor(255, 0, 0));
    lblMoji_T = FigureLabel(Frame2, "lblMoji_T", "9999", QColor(128, 0, 0));
    lblRitu = FigureLabel(Frame2, "lblRitu", "100.0%", QColor(0, 0, 0));
    lblByou = FigureLabel(Frame2, "lblByou", "2.63/秒", QColor(0, 0, 128));
    Place(lblOk, 150, 180, 810, 465);
    Place(lblNg, 1050, 180, 810, 465);
    Place(lblMoji_T, 1950, 180, 930, 465);
    Place(lblRitu, 3000, 180, 1455, 465);
    Place(lblByou, 4500, 180, 1680, 465);

    shpJikanB = new ColourBox(QColor(255, 0, 0), Frame1);
    shpJikanB->setObjectName("shpJikanB");
    Place(shpJikanB, 225, 945, kBarDesignWidth, 75);
    shpJikanK = new ColourBox(QColor(0, 255, 0), Frame1);
    shpJikanK->setObjectName("shpJikanK");
    Place(shpJikanK, 225, 945, kBarDesignWidth, 75);

    lblHint = TagLabelFor(Frame1, "lblHint", QColor(0, 192, 192));
    Place(lblHint, 225, 1080, 390, 975);
    connect(lblHint, &TagLabel::clicked, this, [this] { lblHint_Click(); });

    lblMondai = new QLabel("かぼちゃ", Frame1);
    lblMondai->setObjectName("lblMondai");
    lblMondai->setFont(GothicFont(kMondaiPixelSize));
    lblMondai->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMondai->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Place(lblMondai, 600, 1080, 5805, 975);

    Label2 = TagLabelFor(Frame1, "Label2", QColor(255, 128, 128));
    Place(Label2, 225, 2100, 390, 1005);

    txtKaitou = new KaitouEdit("かぼちゃ", Frame1);
    txtKaitou->setObjectName("txtKaitou");
    txtKaitou->setFont(GothicFont(51));
    txtKaitou->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetColours(txtKaitou, {}, kIvory, false);
    txtKaitou->keyPress = [this](int16_t& key) { txtKaitou_KeyPress(key); };
    txtKaitou->focusChanged = [this](bool in) { txtKaitou_FocusChanged(in); };
    txtKaitou->committed = [this] { txtKaitou_Committed(); };
    Place(txtKaitou, 600, 2100, 5790, 1005);

    fraJisyo = new ClickFrame(Frame1);
    fraJisyo->setObjectName("fraJisyo");
    fraJisyo->setAutoFillBackground(true);
    Place(fraJisyo, 6525, 1125, 2490, 1965);
    connect(fraJisyo, &ClickFrame::surfaceClicked, this, [this] { fraJisyo_Click(); });
    lstJisyo = new QListView(fraJisyo);
    lstJisyo->setObjectName("lstJisyo");
    lstJisyo->setModel(jisyoModel_);
    lstJisyo->setUniformItemSizes(true);
    lstJisyo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SetColours(lstJisyo, {}, kIvory, false);
    Place(lstJisyo, 150, 300, 2190, 1500);
    mnuJisyo = new QMenu(this);
    mnuJisyo->setObjectName("mnuJisyo");
    for (QWidget* w : {static_cast<QWidget*>(fraJisyo), static_cast<QWidget*>(lstJisyo)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this, [this, w](QPoint pos) {
            // A list view gives the point in its viewport.
            QWidget* at = w == lstJisyo ? lstJisyo->viewport() : w;
            fraJisyo_ContextMenu(at->mapToGlobal(pos));
        });
    }

    frmRireki = new ClickFrame(Frame1);
    frmRireki->setObjectName("frmRireki");
    frmRireki->setAutoFillBackground(true); // it covers the word-list panel
    Place(frmRireki, 6525, 1125, 2490, 1965);
    connect(frmRireki, &ClickFrame::surfaceClicked, this, [this] { frmRireki_Click(); });
    lstRireki = new QListWidget(frmRireki);
    lstRireki->setObjectName("lstRireki");
    SetColours(lstRireki, {}, kIvory, false);
    Place(lstRireki, 150, 300, 2190, 1500);
    frmRireki->hide();

    msgRireki = new QTableView(Frame1);
    msgRireki->setObjectName("msgRireki");
    msgRireki->setHorizontalHeader(new RirekiHeader(msgRireki));
    msgRireki->setModel(rirekiModel_);
    msgRireki->setFont(GothicFont(12));
    msgRireki->setItemDelegate(new RirekiDelegate(palette().color(QPalette::Base), msgRireki));
    msgRireki->verticalHeader()->hide();
    msgRireki->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // 240 twips a row and the same for the header, as the grid draws a 9 pt table.
    msgRireki->verticalHeader()->setMinimumSectionSize(Px(240));
    msgRireki->verticalHeader()->setDefaultSectionSize(Px(240));
    msgRireki->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    msgRireki->horizontalHeader()->setHighlightSections(false);
    msgRireki->horizontalHeader()->setSectionsClickable(false);
    msgRireki->horizontalHeader()->setFixedHeight(Px(240));
    for (int c = 0; c < RirekiModel::kColumns; ++c)
        msgRireki->setColumnWidth(c, Px(RirekiModel::ColumnWidthTwips(c)));
    msgRireki->setEditTriggers(QAbstractItemView::NoEditTriggers);
    msgRireki->setSelectionMode(QAbstractItemView::SingleSelection);
    msgRireki->setWordWrap(false);
    msgRireki->setCornerButtonEnabled(false);
    msgRireki->setTabKeyNavigation(false); // Tab goes on to the next control, as designed
    {
        QPalette p = msgRireki->palette();
        p.setColor(QPalette::Base, QColor(128, 128, 128)); // the empty area behind the cells
        p.setColor(QPalette::Mid, QColor(192, 192, 192));  // grid lines
        msgRireki->setPalette(p);
    }
    Place(msgRireki, 225, 3225, 8790, 1965);
    // Over the table's oldest rows, never the question or the answer box, and
    // only while the player shows readings and meanings.
    lblMeaning = new QLabel(Frame1);
    lblMeaning->setObjectName("lblMeaning");
    lblMeaning->setFont(GothicFont(15));
    lblMeaning->setWordWrap(true);
    lblMeaning->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblMeaning->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblMeaning->setMargin(3);
    SetColours(lblMeaning, Qt::black, QColor(255, 255, 225), true);
    Place(lblMeaning, 285, 3480, 8670, 720);
    lblMeaning->hide();
    meaningTimer_ = new QTimer(this);
    meaningTimer_->setSingleShot(true);
    connect(meaningTimer_, &QTimer::timeout, lblMeaning, &QWidget::hide);
    txtKaitou->meaningHint = [this] { txtKaitou_MeaningHint(); };
    msgRireki->ensurePolished();
    rirekiModel_->setVisibleRows((msgRireki->height() - 2 * msgRireki->frameWidth() -
                                  msgRireki->horizontalHeader()->height()) /
                                 Px(240));
    mnuWindow = new QMenu(this);
    mnuWindow->setObjectName("mnuWindow");
    mnuRireki = new QMenu(this);
    mnuRireki->setObjectName("mnuRireki");
    mnuGraph = mnuRireki->addAction(QString());
    mnuGraph->setObjectName("mnuGraph");
    connect(mnuGraph, &QAction::triggered, this, [this] { mnuGraph_Click(); });
    mnuWeak = mnuRireki->addAction(QString());
    mnuWeak->setObjectName("mnuWeak");
    connect(mnuWeak, &QAction::triggered, this, [this] { mnuWeak_Click(); });
    mnuCsv = mnuRireki->addAction(QString());
    mnuCsv->setObjectName("mnuCsv");
    connect(mnuCsv, &QAction::triggered, this, [this] { mnuCsv_Click(); });
    mnuCopy = mnuRireki->addAction(QString());
    mnuCopy->setObjectName("mnuCopy");
    connect(mnuCopy, &QAction::triggered, this, [this] { mnuCopy_Click(); });
    msgRireki->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(msgRireki, &QWidget::customContextMenuRequested, this,
            [this](QPoint pos) { msgRireki_ContextMenu(pos); });
    connect(rirekiModel_, &RirekiModel::scrollRequested, this, [this](int row) {
        // The view lays out rows just added only later; a scroll before that
        // stops one row short of the new one.
        msgRireki->doItemsLayout();
        msgRireki->scrollTo(rirekiModel_->index(row, 0), QAbstractItemView::PositionAtTop);
    });
}

void frmMain::ArrangeOrder() {
    // Back to front: each raise() puts a control in front of those raised before.
    for (QWidget* w : std::initializer_list<QWidget*>{
             shpJikanB, lblMondai, shpJikanK, imgStart[3], imgStart[2], imgStart[1], Label1,
             lblHint, Label2, cboJikan, Frame2, chkAs, msgRireki, txtKaitou, fraJisyo, frmRireki})
        w->raise();
    for (QWidget* w : std::initializer_list<QWidget*>{lblByou, lblRitu, lblNg, lblOk})
        w->raise();
    for (QWidget* w : std::initializer_list<QWidget*>{Line1_0, Line1_1, Image1, Frame1, cmdStart,
                                                      cmdHozon, cmdClear, cmdHelp, cmdEnd})
        w->raise();

    const std::initializer_list<QWidget*> tabs = {cmdStart,  cmdHozon, cmdClear, cmdHelp,
                                                  cmdEnd,    cboJikan, chkAs,    msgRireki,
                                                  txtKaitou, lstJisyo, lstRireki};
    QWidget* previous = nullptr;
    for (QWidget* w : tabs) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace ui
