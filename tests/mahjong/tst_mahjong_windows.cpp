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
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTest>

#include <map>

using namespace mahjong;
using testsupport::addWaysOut;
using testsupport::control;
using testsupport::largestBelowOne;
using testsupport::press;
using testsupport::verifyShows;

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

// The form's title and banners, and the text of each label, button or menu entry given by name.
void verifyFormTexts(QWidget *form, const QMap<QString, QString> &texts)
{
    QCOMPARE(form->windowTitle(), QStringLiteral("Qelvo Mahjong Oracle"));
    for (const char *banner : {"Label61", "lblFullBrand", "lblCobrand"})
        QVERIFY2(form->findChild<QLabel *>(QString::fromLatin1(banner)), banner);
    verifyShows(form, texts);
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
    shell::PictureButton *tiles() { return control<shell::PictureButton>(drawForm(), "cmdFindMajong"); }
    mahjong::RoundedPanel *message() { return control<mahjong::RoundedPanel>(drawForm(), "picMessage"); }

    // Draws with this r by a click on the tiles, or by this key with the tiles in focus, which draws later.
    void drawWith(double r, int key = 0)
    {
        m_fakes->random.values = {r};
        if (key == 0) {
            QTest::mouseClick(tiles(), Qt::LeftButton);
        } else {
            tiles()->setFocus();
            QTest::keyClick(tiles(), Qt::Key(key));
            QTRY_VERIFY(result() && result()->isVisible());
        }
    }

    int panelsVisible()
    {
        return int(result()->picWind->isVisible()) + int(result()->picFlower->isVisible())
               + int(result()->picSeason->isVisible());
    }

    // The draw form shown in its place, offering the tiles, with no wait panel and no launcher panel left showing.
    void verifyTilesOffered()
    {
        QVERIFY(drawForm() && drawForm()->isVisible());
        QVERIFY(tiles()->isVisible());
        QVERIFY(!message()->isVisible());
        QVERIFY(!m_mdi->isPanelVisible());
        QCOMPARE(drawForm()->pos(), placeOf(drawForm()));
    }

private slots:
    void copyReadingTakesTheTileOnScreen_data()
    {
        testsupport::addWays({{"menu", "mnuCopyReading"}, {"key", "Ctrl+Shift+C"}});
    }

    void copyReadingTakesTheTileOnScreen()
    {
        // The copy must be the tile the user is reading, with its associations, and none left from the last tile.
        QFETCH(QString, how);
        for (const int row : {39, 1}) {
            drawWith(rFor(row));
            QVERIFY(result() && result()->isVisible());
            QGuiApplication::clipboard()->clear();
            press(result(), how);
            const QString copied = QGuiApplication::clipboard()->text();
            QCOMPARE(copied, mahjong::tileReadingText(row));
            QVERIFY(copied.contains(result()->lblDescription->text()));
            QCOMPARE(copied.contains(QStringLiteral("Constellation: ")), row == 39);
            press(result(), QStringLiteral("cmdOK"));
        }
    }

    void initTestCase() { frmMahjongOracleMain::setDrawPause(0); }

    void theLauncherOpensTheDrawFormAsDesigned_data()
    {
        QTest::addColumn<bool>("byCaption");
        QTest::addColumn<int>("index");
        QTest::newRow("button 3") << false << 3;
        QTest::newRow("caption 6") << true << 6;
    }

    void theLauncherOpensTheDrawFormAsDesigned()
    {
        // The tool's two ways in from the launcher must both reach the draw form, ready and placed. A missing
        // instruction, menu entry or banner, a hidden way to draw or a wait panel left showing stalls the user.
        QFETCH(bool, byCaption);
        QFETCH(int, index);
        drawForm()->close();
        QVERIFY(m_mdi->isPanelVisible());
        if (byCaption)
            m_mdi->lblCaption_Click(qint16(index));
        else
            m_mdi->cmdSelectOption_Click(qint16(index));
        verifyTilesOffered();
        if (QTest::currentTestFailed())
            return;
        frmMahjongOracleMain *form = drawForm();
        verifyFormTexts(form, {{"Label5", "Welcome to the Mahjong Oracle !"},
                               {"Label4", "Think about the Problem that has been worrying you"},
                               {"Label3", "Take a Deep Breath and Calm Yourself."},
                               {"lblClickMessage", "Take a Deep Breath And Click on the Mahjong Tile"},
                               {"pi", "Please Wait"},
                               {"mnuExit", "E&xit"},
                               {"mnuOnline", "&Online Help"},
                               {"mnuVisit", "&Visit Us Online"},
                               {"mnuUpdate", "Check for Software &Update"},
                               {"mnuAbout", "&About Software"}});
        QVERIFY(!form->findChild<QAction *>(QStringLiteral("mnuFileBack")));
        QCOMPARE(tiles()->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!tiles()->accessibleName().isEmpty());
        QVERIFY(tiles()->focusPolicy() & Qt::TabFocus);
        QCOMPARE(tiles()->picture().source(), QStringLiteral(":/mahjong/tiles/group.svg"));
        QVERIFY(!tiles()->picture().isNull());

        QCOMPARE(control<QLabel>(form, "pi")->parentWidget(), message());
        // shp1 to shp4, left to right on one line inside the message.
        std::array<mahjong::Shape *, 4> shapes{};
        for (std::size_t i = 0; i < shapes.size(); ++i) {
            shapes[i] = control<mahjong::Shape>(form, QStringLiteral("shp%1").arg(i + 1));
            QVERIFY(message()->rect().contains(shapes[i]->geometry()));
            if (i > 0) {
                QCOMPARE(shapes[i]->y(), shapes[0]->y());
                QVERIFY(shapes[i]->x() > shapes[i - 1]->geometry().right());
            }
        }
        // The tiles are read only once a draw needs one.
        QVERIFY(!form->IMGMajong.isLoaded());
    }

    void aDrawShowsTheTileOfRAndBackOffersTheTilesAgain_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("key"); // 0: a click
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("englishName");
        QTest::addColumn<QString>("chineseName");
        QTest::addColumn<TilePanel>("panel");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("back"); // the result's button or menu entry, or "gone": the button, draw form closed
        const QStringList east{"Spring", "Green", "Wood", "Dragon (5 Circles)"};
        // clang-format off
        QTest::newRow("r = 0, suit tile, draw form gone") << 0.0 << 0 << 1 << "4 Bamboo" << "Carp" << "Li"
                                                          << TilePanel::None << QStringList() << "gone";
        QTest::newRow("row 28, dragon") << rFor(28) << 0 << 28 << "Green Dragon" << "Green Dragon" << "Fa"
                                        << TilePanel::None << QStringList() << "cmdOK";
        QTest::newRow("row 31, flower, menu") << rFor(31) << 0 << 31 << "Flowers Bamboo" << "Flowers Bamboo" << "Chu"
                                              << TilePanel::Flower << QStringList{"North Wind", "Winter"}
                                              << "mnuFileBack";
        QTest::newRow("row 36, season") << rFor(36) << 0 << 36 << "Seasons Spring" << "Seasons Spring" << "Yu"
                                        << TilePanel::Season
                                        << QStringList{"East Wind", "Fisherman", "Plum Blossom", "Green", "Wood"}
                                        << "cmdOK";
        QTest::newRow("largest r below 1, wind") << largestBelowOne() << 0 << 42 << "Wind West" << "Wind West" << "Hsi"
                                                 << TilePanel::Wind
                                                 << QStringList{"Autumn", "White", "Metal", "Tiger (8 Circles)"}
                                                 << "cmdOK";
        // A user without a mouse must still get a reading.
        QTest::newRow("row 39 by space") << rFor(39) << int(Qt::Key_Space) << 39 << "Wind East" << "Wind East"
                                         << "Tung" << TilePanel::Wind << east << "cmdOK";
        QTest::newRow("row 39 by enter") << rFor(39) << int(Qt::Key_Return) << 39 << "Wind East" << "Wind East"
                                         << "Tung" << TilePanel::Wind << east << "cmdOK";
        // clang-format on
    }

    void aDrawShowsTheTileOfRAndBackOffersTheTilesAgain()
    {
        // The ends of r, the dragon named like its tile and one tile of each panel are where readings go wrong. A
        // panel carried over from the last tile would give a suit tile associations it has none of, and Back must
        // carry on past a missing draw form: the user must land on a fresh one, not on nothing.
        QFETCH(double, r);
        QFETCH(int, key);
        QFETCH(int, number);
        QFETCH(QString, name);
        QFETCH(QString, englishName);
        QFETCH(QString, chineseName);
        QFETCH(TilePanel, panel);
        QFETCH(QStringList, values);
        QFETCH(QString, back);
        frmMahjongOracleMain *form = drawForm();
        drawWith(r, key);

        QVERIFY(result() && result()->isVisible());
        QCOMPARE(int(TileNumber), number);
        verifyShows(result(), {{"lblName", name},
                               {"lblEnglishName", englishName},
                               {"lblChineseCharacter", chineseName},
                               {"lblDescription", QString::fromUtf8(Tiles[std::size_t(number - 1)].description)}});
        const QString picture = QString::fromUtf8(Tiles[std::size_t(number - 1)].pictureName);
        QCOMPARE(form->IMGMajong.key(number), picture);
        QCOMPARE(result()->picMajong->picture().source(), TileImageList::resourcePath(picture));

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
        QVERIFY(tiles()->isHidden());
        QVERIFY(!message()->isHidden());
        QVERIFY(!m_mdi->isPanelVisible());
        // On the tile, which reads out the whole reading as it appears.
        QCOMPARE(QApplication::focusWidget(), result()->picMajong);
        QCOMPARE(result()->pos(), placeOf(result()));

        if (back == QStringLiteral("gone")) {
            form->close();
            QVERIFY(!drawForm());
            back = QStringLiteral("cmdOK");
        }
        press(result(), back);
        QVERIFY(!result());
        verifyTilesOffered();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(QApplication::focusWidget(), tiles());
        drawWith(rFor(20));
        QCOMPARE(result()->lblEnglishName->text(), QStringLiteral("Insect"));
        QCOMPARE(panelsVisible(), 0);
    }

    void leavingTheToolBringsTheLauncherPanelBack_data() { addWaysOut("draw form"); }

    void leavingTheToolBringsTheLauncherPanelBack()
    {
        // Exit on the result must leave the tool, not fall back to the draw form; without its panel the launcher
        // would be an empty frame.
        QFETCH(bool, fromResult);
        QFETCH(QString, how);
        if (fromResult)
            drawWith(rFor(12));
        press(fromResult ? static_cast<QWidget *>(result()) : drawForm(), how);
        QVERIFY(!result());
        QVERIFY(m_mdi->isPanelVisible());
        if (fromResult)
            QVERIFY(drawForm() && drawForm()->isHidden());
        else
            QVERIFY(!drawForm());
    }

    void anotherToolFromTheLauncherClosesBothForms()
    {
        // A hidden draw form left behind would come back half-way through a draw next time.
        drawWith(rFor(3));
        m_mdi->cmdSelectOption_Click(1);
        QVERIFY(!result());
        QVERIFY(!drawForm());
    }

    void everyReadingShowsWholeAndReadsTopToBottom_data()
    {
        QTest::addColumn<int>("number");
        for (int n = 1; n <= TileCount; ++n)
            QTest::addRow("row %d", n) << n;
    }

    void everyReadingShowsWholeAndReadsTopToBottom()
    {
        // The longest names, meanings and association values must show whole on both forms. Headings over the
        // wrong values, or the panel over the buttons, make the reading unreadable.
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
        frmMahjongOracleDisplay *form = result();
        QWidget *body = form->picWind->parentWidget();
        const QList<QWidget *> controls{form->picWind, form->cmdOK, form->cmdExit, form->picMajong};
        for (QWidget *widget : controls)
            QVERIFY2(body->rect().contains(widget->geometry()), qPrintable(widget->objectName()));
        verifyFormTexts(form, {{"cmdOK", "&Back"},
                               {"cmdExit", "&Exit"},
                               {"mnuFileBack", "&Back"},
                               {"mnuExit", "E&xit"},
                               {"mnuUpdate", "&Check for Software Update"}});

        QCOMPARE(form->picMajong->parentWidget(), body);
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
};

QTEST_MAIN(TestMahjongWindows)
#include "tst_mahjong_windows.moc"
