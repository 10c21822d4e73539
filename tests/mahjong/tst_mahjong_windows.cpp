// The oracle's two forms end to end: the draw, the reading and its panel, Back, Exit and the close box.
#include "mahjong/frmMahjongOracleDisplay.h"
#include "mahjong/frmMahjongOracleMain.h"
#include "mahjong/mahjong_windows.h"
#include "mahjong/modMajongOracle.h"
#include "mahjong/oracle_widgets.h"
#include "mahjong/tile_pictures.h"
#include "mahjong/tiles.h"
#include "shell/frmMDI.h"
#include "shell/picture.h"
#include "shell/picture_box.h"
#include "shell/picture_button.h"
#include "support/gui_test.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

#include <map>

using namespace mahjong;
using testsupport::control;
using testsupport::largestBelowOne;

Q_DECLARE_METATYPE(mahjong::TilePanel)

namespace {

double rFor(int row)
{
    return (row - 0.5) / TileCount;
}

// Texts of a panel's labels, headings and values, read left to right, headings first.
QStringList panelTexts(QWidget *panel, bool headings)
{
    QList<QLabel *> labels;
    for (QLabel *label : panel->findChildren<QLabel *>()) {
        if (label->objectName().isEmpty() == headings)
            labels << label;
    }
    std::sort(labels.begin(), labels.end(), [](QLabel *a, QLabel *b) { return a->x() < b->x(); });
    QStringList texts;
    for (QLabel *label : labels)
        texts << label->text();
    return texts;
}

// Whether the label's whole text fits in the label as it stands.
bool fits(const QLabel *label)
{
    if (label->text().isEmpty())
        return true;
    if (label->wordWrap())
        return label->heightForWidth(label->contentsRect().width()) <= label->contentsRect().height();
    const QSize needed = label->fontMetrics().size(Qt::TextShowMnemonic, label->text());
    return needed.width() <= label->contentsRect().width() && needed.height() <= label->contentsRect().height();
}

} // namespace

class TestMahjongWindows : public testsupport::GuiTest
{
    Q_OBJECT
public:
    TestMahjongWindows()
        : GuiTest(mahjong::registerWindows, QSize(1100, 860))
    {
    }

protected:
    void afterLauncher() override
    {
        m_mdi->cmdSelectOption_Click(3);
        QVERIFY(drawForm() && drawForm()->isVisible());
    }

private:
    frmMahjongOracleMain *drawForm() { return tool<frmMahjongOracleMain>(); }
    frmMahjongOracleDisplay *result() { return tool<frmMahjongOracleDisplay>(); }

    void drawWith(double r)
    {
        m_fakes->random.values = {r};
        QTest::mouseClick(control<shell::PictureButton>(drawForm(), "cmdFindMajong"), Qt::LeftButton);
    }

    int panelsVisible()
    {
        return int(result()->picWind->isVisible()) + int(result()->picFlower->isVisible())
               + int(result()->picSeason->isVisible());
    }

private slots:
    void initTestCase() { frmMahjongOracleMain::setDrawPause(0); }

    void theLauncherOpensTheTool_data()
    {
        QTest::addColumn<bool>("byCaption");
        QTest::addColumn<int>("index");
        QTest::newRow("button 3") << false << 3;
        QTest::newRow("caption 6") << true << 6;
    }

    void theLauncherOpensTheTool()
    {
        // The tool's two ways in from the launcher must both reach the draw form, ready and placed.
        QFETCH(bool, byCaption);
        QFETCH(int, index);
        drawForm()->close();
        QVERIFY(m_mdi->isPanelVisible());
        if (byCaption)
            m_mdi->lblCaption_Click(qint16(index));
        else
            m_mdi->cmdSelectOption_Click(qint16(index));
        QVERIFY(drawForm() && drawForm()->isVisible());
        QVERIFY(control<shell::PictureButton>(drawForm(), "cmdFindMajong")->isVisible());
        QVERIFY(!control<mahjong::RoundedPanel>(drawForm(), "picMessage")->isVisible());
        QVERIFY(!m_mdi->isPanelVisible());
        QCOMPARE(drawForm()->pos(), placeOf(drawForm()));
    }

    void theDrawFormLooksAsDesigned()
    {
        // A missing instruction, menu entry or banner, a hidden way to draw or a wait panel left showing stalls the
        // user.
        frmMahjongOracleMain *form = drawForm();
        QCOMPARE(form->windowTitle(), QStringLiteral("Qelvo Mahjong Oracle"));
        QCOMPARE(control<QLabel>(form, "Label5")->text(), QStringLiteral("Welcome to the Mahjong Oracle !"));
        QCOMPARE(control<QLabel>(form, "Label4")->text(),
                 QStringLiteral("Think about the Problem that has been worrying you"));
        QCOMPARE(control<QLabel>(form, "Label3")->text(), QStringLiteral("Take a Deep Breath and Calm Yourself."));
        QCOMPARE(control<QLabel>(form, "lblClickMessage")->text(),
                 QStringLiteral("Take a Deep Breath And Click on the Mahjong Tile"));
        QCOMPARE(control<QLabel>(form, "pi")->text(), QStringLiteral("Please Wait"));
        const QStringList entries{"mnuExit",   "E&xit",
                                  "mnuOnline", "&Online Help",
                                  "mnuVisit",  "&Visit Us Online",
                                  "mnuUpdate", "Check for Software &Update",
                                  "mnuAbout",  "&About Software"};
        for (qsizetype i = 0; i < entries.size(); i += 2) {
            auto *action = form->findChild<QAction *>(entries[i]);
            QVERIFY2(action && action->text() == entries[i + 1], qPrintable(entries[i]));
        }
        QVERIFY(!form->findChild<QAction *>(QStringLiteral("mnuFileBack")));
        for (const char *banner : {"Label61", "lblFullBrand", "lblCobrand"})
            QVERIFY2(form->findChild<QLabel *>(QString::fromLatin1(banner)), banner);

        auto *tiles = control<shell::PictureButton>(form, "cmdFindMajong");
        QVERIFY(tiles->isVisible());
        QCOMPARE(tiles->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!tiles->accessibleName().isEmpty());
        QVERIFY(tiles->focusPolicy() & Qt::TabFocus);
        QCOMPARE(tiles->picture().source(), QStringLiteral(":/mahjong/tiles/group.svg"));
        QVERIFY(!tiles->picture().isNull());

        auto *message = control<mahjong::RoundedPanel>(form, "picMessage");
        QVERIFY(!message->isVisible());
        QCOMPARE(control<QLabel>(form, "pi")->parentWidget(), message);
        // shp1 to shp4, left to right on one line inside the message.
        std::array<mahjong::Shape *, 4> shapes{};
        for (std::size_t i = 0; i < shapes.size(); ++i) {
            shapes[i] = control<mahjong::Shape>(form, QStringLiteral("shp%1").arg(i + 1));
            QVERIFY(message->rect().contains(shapes[i]->geometry()));
            if (i > 0) {
                QCOMPARE(shapes[i]->y(), shapes[0]->y());
                QVERIFY(shapes[i]->x() > shapes[i - 1]->geometry().right());
            }
        }
        // The tiles are read only once a draw needs one.
        QVERIFY(!form->IMGMajong.isLoaded());
        QCOMPARE(form->pos(), placeOf(form));
    }

    void aDrawShowsTheTileOfR_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("englishName");
        QTest::addColumn<QString>("chineseName");
        QTest::addColumn<TilePanel>("panel");
        QTest::addColumn<QStringList>("values");
        // clang-format off
        QTest::newRow("r = 0, suit tile") << 0.0 << 1 << "4 Bamboo" << "Carp" << "Li"
                                          << TilePanel::None << QStringList();
        QTest::newRow("row 28, dragon") << rFor(28) << 28 << "Green Dragon" << "Green Dragon" << "Fa"
                                        << TilePanel::None << QStringList();
        QTest::newRow("row 31, flower") << rFor(31) << 31 << "Flowers Bamboo" << "Flowers Bamboo" << "Chu"
                                        << TilePanel::Flower << QStringList{"North Wind", "Winter"};
        QTest::newRow("row 36, season") << rFor(36) << 36 << "Seasons Spring" << "Seasons Spring" << "Yu"
                                        << TilePanel::Season
                                        << QStringList{"East Wind", "Fisherman", "Plum Blossom", "Green", "Wood"};
        QTest::newRow("largest r below 1, wind") << largestBelowOne() << 42 << "Wind West" << "Wind West" << "Hsi"
                                                 << TilePanel::Wind
                                                 << QStringList{"Autumn", "White", "Metal", "Tiger (8 Circles)"};
        // clang-format on
    }

    void aDrawShowsTheTileOfR()
    {
        // The ends of r, the dragon named like its tile and one tile of each panel are where readings go wrong.
        QFETCH(double, r);
        QFETCH(int, number);
        QFETCH(QString, name);
        QFETCH(QString, englishName);
        QFETCH(QString, chineseName);
        QFETCH(TilePanel, panel);
        QFETCH(QStringList, values);
        frmMahjongOracleMain *form = drawForm();
        drawWith(r);

        QVERIFY(result() && result()->isVisible());
        QCOMPARE(int(TileNumber), number);
        QCOMPARE(result()->lblName->text(), name);
        QCOMPARE(result()->lblEnglishName->text(), englishName);
        QCOMPARE(result()->lblChineseCharacter->text(), chineseName);
        QCOMPARE(result()->lblDescription->text(), QString::fromUtf8(Tiles[std::size_t(number - 1)].description));
        const QString key = QString::fromUtf8(Tiles[std::size_t(number - 1)].pictureName);
        QCOMPARE(form->IMGMajong.key(number), key);
        QCOMPARE(result()->picMajong->picture().source(), TileImageList::resourcePath(key));

        const std::map<TilePanel, QWidget *> panels{{TilePanel::Wind, result()->picWind},
                                                    {TilePanel::Flower, result()->picFlower},
                                                    {TilePanel::Season, result()->picSeason}};
        for (const auto &[kind, widget] : panels)
            QCOMPARE(widget->isVisible(), kind == panel);
        if (panel != TilePanel::None)
            QCOMPARE(panelTexts(panels.at(panel), false), values);

        QCOMPARE(m_fakes->random.draws, 1);
        QCOMPARE(m_fakes->random.reseeds, 0);
        // The draw form waits, hidden, as the draw left it.
        QVERIFY(form->isHidden());
        QVERIFY(control<shell::PictureButton>(form, "cmdFindMajong")->isHidden());
        QVERIFY(!control<mahjong::RoundedPanel>(form, "picMessage")->isHidden());
        QVERIFY(!m_mdi->isPanelVisible());
        QCOMPARE(QApplication::focusWidget(), result()->cmdOK);
        QCOMPARE(result()->pos(), placeOf(result()));
    }

    void keyboardDrawsToo_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("enter") << int(Qt::Key_Return);
    }

    void keyboardDrawsToo()
    {
        // A user without a mouse must still get a reading.
        QFETCH(int, key);
        m_fakes->random.values = {rFor(39)};
        control<shell::PictureButton>(drawForm(), "cmdFindMajong")->setFocus();
        QTest::keyClick(control<shell::PictureButton>(drawForm(), "cmdFindMajong"), Qt::Key(key));
        QTRY_VERIFY(result() && result()->isVisible());
        QCOMPARE(result()->lblName->text(), QStringLiteral("Wind East"));
    }

    void backOffersTheTilesAndLeavesNoPanelBehind_data()
    {
        QTest::addColumn<double>("first");
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("after a wind, button") << largestBelowOne() << false;
        QTest::newRow("after a flower, menu") << rFor(31) << true;
        QTest::newRow("after a season, button") << rFor(36) << false;
    }

    void backOffersTheTilesAndLeavesNoPanelBehind()
    {
        // A panel carried over from the last tile would give a suit tile associations it has none of.
        QFETCH(double, first);
        QFETCH(bool, byMenu);
        drawWith(first);
        QCOMPARE(panelsVisible(), 1);
        if (byMenu)
            result()->mnuFileBack->trigger();
        else
            result()->cmdOK->click();

        QVERIFY(!result());
        QVERIFY(drawForm() && drawForm()->isVisible());
        QVERIFY(control<shell::PictureButton>(drawForm(), "cmdFindMajong")->isVisible());
        QVERIFY(!control<mahjong::RoundedPanel>(drawForm(), "picMessage")->isVisible());
        QVERIFY(!m_mdi->isPanelVisible());
        QCOMPARE(QApplication::focusWidget(), control<shell::PictureButton>(drawForm(), "cmdFindMajong"));

        drawWith(rFor(20));
        QCOMPARE(result()->lblEnglishName->text(), QStringLiteral("Insect"));
        QCOMPARE(panelsVisible(), 0);
    }

    void backStillBringsADrawFormWhenItIsGone()
    {
        // Back carries on past a missing draw form: the user must land on a fresh one, not on nothing.
        drawWith(0.0);
        drawForm()->close();
        QVERIFY(!drawForm());
        result()->cmdOK->click();
        QVERIFY(!result());
        QVERIFY(drawForm() && drawForm()->isVisible());
        QVERIFY(control<shell::PictureButton>(drawForm(), "cmdFindMajong")->isVisible());
        QVERIFY(!control<mahjong::RoundedPanel>(drawForm(), "picMessage")->isVisible());
        QVERIFY(!m_mdi->isPanelVisible());
        QCOMPARE(drawForm()->pos(), placeOf(drawForm()));
    }

    void exitOnTheResultLeadsToTheLauncherPanel_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("button") << QStringLiteral("cmdExit");
        QTest::newRow("menu") << QStringLiteral("mnuExit");
        QTest::newRow("close box") << QString();
    }

    void exitOnTheResultLeadsToTheLauncherPanel()
    {
        // Exit must leave the tool, not fall back to the draw form.
        QFETCH(QString, how);
        drawWith(rFor(12));
        if (how == QStringLiteral("cmdExit"))
            result()->cmdExit->click();
        else if (how == QStringLiteral("mnuExit"))
            result()->mnuExit->trigger();
        else
            result()->close();
        QVERIFY(!result());
        QVERIFY(m_mdi->isPanelVisible());
        QVERIFY(drawForm() && drawForm()->isHidden());
    }

    void closingTheDrawFormBringsThePanelBack_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("menu") << true;
        QTest::newRow("close box") << false;
    }

    void closingTheDrawFormBringsThePanelBack()
    {
        // Without its panel the launcher would be an empty frame.
        QFETCH(bool, byMenu);
        if (byMenu)
            control<QAction>(drawForm(), "mnuExit")->trigger();
        else
            drawForm()->close();
        QVERIFY(!drawForm());
        QVERIFY(m_mdi->isPanelVisible());
    }

    void anotherToolFromTheLauncherClosesBothForms()
    {
        // A hidden draw form left behind would come back half-way through a draw next time.
        drawWith(rFor(3));
        m_mdi->cmdSelectOption_Click(1);
        QVERIFY(!result());
        QVERIFY(!drawForm());
    }

    void theResultFormReadsTopToBottom()
    {
        // Headings over the wrong values, or the panel over the buttons, make the reading unreadable.
        drawWith(largestBelowOne());
        frmMahjongOracleDisplay *form = result();
        QCOMPARE(form->windowTitle(), QStringLiteral("Qelvo Mahjong Oracle"));
        QCOMPARE(form->cmdOK->text(), QStringLiteral("&Back"));
        QCOMPARE(form->cmdExit->text(), QStringLiteral("&Exit"));
        QCOMPARE(form->mnuFileBack->text(), QStringLiteral("&Back"));
        QCOMPARE(form->mnuExit->text(), QStringLiteral("E&xit"));
        QCOMPARE(form->findChild<QAction *>(QStringLiteral("mnuUpdate"))->text(),
                 QStringLiteral("&Check for Software Update"));
        for (const char *banner : {"Label61", "lblFullBrand", "lblCobrand"})
            QVERIFY2(form->findChild<QLabel *>(QString::fromLatin1(banner)), banner);

        QWidget *body = form->picMajong->parentWidget();
        QVERIFY(qAbs(form->picMajong->geometry().center().x() - body->width() / 2) <= 1);
        QVERIFY(form->lblEnglishName->x() < form->lblName->x());
        QVERIFY(form->lblName->x() < form->lblChineseCharacter->x());
        QVERIFY(form->picMajong->geometry().bottom() < form->lblName->y());
        QVERIFY(form->lblName->geometry().bottom() < form->lblDescription->y());
        QVERIFY(form->lblDescription->geometry().bottom() < form->picWind->y());
        QVERIFY(form->picWind->geometry().bottom() < form->cmdOK->y());
        QCOMPARE(form->picFlower->geometry(), form->picWind->geometry());
        QCOMPARE(form->picSeason->geometry(), form->picWind->geometry());

        QStringList headings;
        for (QLabel *label : body->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (label->objectName().isEmpty())
                headings << label->text();
        }
        for (const char *heading : {"English Name", "Name", "Chinese Character", "About Your Mahjong"})
            QVERIFY2(headings.contains(QString::fromLatin1(heading)), heading);
        QCOMPARE(panelTexts(form->picWind, true), (QStringList{"Season", "Color", "Element", "Constellation"}));
        QCOMPARE(panelTexts(form->picFlower, true), (QStringList{"Player", "Season"}));
        QCOMPARE(panelTexts(form->picSeason, true),
                 (QStringList{"Player", "Representation", "Flower", "Color", "Element"}));
    }

    void noTileIsCutOff_data()
    {
        QTest::addColumn<int>("number");
        for (int n = 1; n <= TileCount; ++n)
            QTest::addRow("row %d", n) << n;
    }

    void noTileIsCutOff()
    {
        // The longest names, meanings and association values must show whole on both forms.
        QFETCH(int, number);
        drawWith(rFor(number));
        QCOMPARE(int(TileNumber), number);
        for (QWidget *form : {static_cast<QWidget *>(result()), static_cast<QWidget *>(drawForm())}) {
            for (QLabel *label : form->findChildren<QLabel *>()) {
                if (!label->isVisibleTo(form))
                    continue;
                const QByteArray what = (label->objectName() + QStringLiteral(": ") + label->text()).toUtf8();
                QVERIFY2(fits(label), what.constData());
                QVERIFY2(label->parentWidget()->rect().contains(label->geometry()), what.constData());
            }
        }
        const QRect body = result()->picWind->parentWidget()->rect();
        const QList<QWidget *> controls{result()->picWind, result()->cmdOK, result()->cmdExit, result()->picMajong};
        for (QWidget *control : controls)
            QVERIFY(body.contains(control->geometry()));
    }
};

QTEST_MAIN(TestMahjongWindows)
#include "tst_mahjong_windows.moc"
