// The program's style keeps the standard icons it has looked up once.
#include "shell/program_style.h"

#include <QApplication>
#include <QCommonStyle>
#include <QStyleOption>
#include <QTest>

namespace {

class CountingStyle : public QCommonStyle
{
public:
    mutable int lookups = 0;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const override
    {
        ++lookups;
        return QCommonStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

class TestProgramStyle : public QObject
{
    Q_OBJECT

private slots:
    void anIconIsLookedUpOnce()
    {
        auto *base = new CountingStyle;
        shell::ProgramStyle style(base);
        const QIcon left = style.standardIcon(QStyle::SP_ArrowLeft);
        QCOMPARE(style.standardIcon(QStyle::SP_ArrowLeft).cacheKey(), left.cacheKey());
        QCOMPARE(base->lookups, 1);
        QVERIFY(!left.isNull());
        // Each icon is its own.
        QVERIFY(style.standardIcon(QStyle::SP_ArrowRight).cacheKey() != left.cacheKey());
        QCOMPARE(base->lookups, 2);
        // One drawn for a given state or direction is the style's to make each time.
        QStyleOption option;
        style.standardIcon(QStyle::SP_ArrowLeft, &option);
        style.standardIcon(QStyle::SP_ArrowLeft, &option);
        QCOMPARE(base->lookups, 4);
    }

    void theProgramRunsWithIt()
    {
        const QString before = QApplication::style()->name();
        shell::useProgramStyle();
        shell::useProgramStyle();
#ifdef Q_OS_WIN
        QVERIFY(!qobject_cast<shell::ProgramStyle *>(QApplication::style()));
#else
        auto *style = qobject_cast<shell::ProgramStyle *>(QApplication::style());
        QVERIFY(style);
        // Over the style that was chosen, not another, and only once.
        QCOMPARE(style->baseStyle()->name(), before);
        QVERIFY(!qobject_cast<shell::ProgramStyle *>(style->baseStyle()));
#endif
    }
};

QTEST_MAIN(TestProgramStyle)
#include "tst_program_style.moc"
