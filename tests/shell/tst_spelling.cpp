// Tests that the texts we wrote ourselves spell the American way, like the program's fixed labels and captions.
#include "fortune/fortunes.h"
#include "iching/hexagrams.h"
#include "mahjong/tiles.h"
#include "zodiac/sign_attributes.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

// The British forms that slip in most easily, each a whole word with whatever prefix or ending its stem takes.
QRegularExpression britishForms()
{
    const QStringList forms{
        QStringLiteral("\\w*(?:favour|honour|labour|colour|flavour|humour|behaviour|neighbour|harbour|rumour)\\w*"),
        QStringLiteral("\\w*(?:vigour|valour|splendour|endeavour|savour|odour|armour|rigour|candour|fervour)\\w*"),
        QStringLiteral("\\w*(?:travell|counsell|jewell|marvell|quarrell|modell|levell|signall)\\w*"),
        QStringLiteral("\\w*(?:centre|theatre|metre|fibre|lustre|sombre|spectre|calibre|meagre|sabre)[sd]?"),
        QStringLiteral("\\w*(?:organis|realis|recognis|apologis|emphasis|sympathis|harmonis|criticis|memoris|civilis"
                       "|symbolis|idealis|minimis|prioritis|energis|authoris|stabilis|utilis|visualis|familiaris"
                       "|summaris|characteris|personalis|specialis|mobilis|optimis|normalis|tantalis|agonis"
                       "|fantasis|mesmeris)(?:e|es|ed|ing|ation|ations)"),
        QStringLiteral("(?:analys|paralys)(?:e|ed|ing)|practis(?:e|es|ed|ing)"),
        QStringLiteral("grey\\w*|whilst|learnt|spelt|dreamt|programmes?|cheques?|tyres?|plough\\w*|mould\\w*"),
        QStringLiteral("moult\\w*|sceptic\\w*|storeys?|kerbs?|aluminium|cosy|moustache|sulphur\\w*|draughts?"),
        QStringLiteral("defence|offence|licence|pretence|judgement\\w*|acknowledgement|fulfil|fulfilment|skilful\\w*"),
        QStringLiteral("wilful\\w*|instil|enrol|enrolment|ageing|manoeuvr\\w*|(?:south|north)-(?:east|west)\\w*"),
    };
    return QRegularExpression(QStringLiteral("\\b(?:%1)\\b").arg(forms.join(QLatin1Char('|'))),
                              QRegularExpression::CaseInsensitiveOption
                                  | QRegularExpression::UseUnicodePropertiesOption);
}

// Labels whose wording is fixed, odd spellings included; they may appear wherever the texts quote them.
const QStringList FixedLabels{QStringLiteral("Favourable Season:"), QStringLiteral("Favourable Month:"),
                              QStringLiteral("The Judgement:")};

QStringList britishFormsIn(QString text)
{
    for (const QString &label : FixedLabels)
        text.remove(label);
    static const QRegularExpression forms = britishForms();
    QStringList found;
    for (auto it = forms.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    return found;
}

template<std::size_t N>
void addLines(QStringList &texts, const std::array<const char *, N> &lines)
{
    for (const char *line : lines) {
        if (line)
            texts << QString::fromUtf8(line);
    }
}

} // namespace

class TestSpelling : public QObject
{
    Q_OBJECT

private slots:
    void ourTextsSpellTheAmericanWay_data()
    {
        QTest::addColumn<QStringList>("texts");

        QStringList hexagrams;
        for (const auto &record : iching::Hexagrams) {
            addLines(hexagrams, record.judgement);
            addLines(hexagrams, record.image);
        }
        QTest::newRow("hexagram judgements and images") << hexagrams;

        QStringList signs;
        for (const auto &row : zodiac::SignTable)
            signs << QString::fromUtf8(row.positiveTraits) << QString::fromUtf8(row.negativeTraits);
        for (const auto &row : zodiac::ElementTable)
            signs << QString::fromUtf8(row.text);
        QTest::newRow("sign traits and element texts") << signs;

        QStringList fortunes;
        for (const auto &row : fortune::Fortunes)
            fortunes << QString::fromUtf8(row.text);
        QTest::newRow("fortunes") << fortunes;

        QStringList tiles;
        for (const auto &row : mahjong::Tiles)
            tiles << QString::fromUtf8(row.description);
        QTest::newRow("tile meanings") << tiles;

#ifdef TAVRENNE_SOURCE_DIR
        // What the package, the manual and the software centers say about the program.
        for (const char *path :
             {"README.md", "CHANGELOG", "packaging/com.tavrenne.Tavrenne.metainfo.xml",
              "packaging/com.tavrenne.Tavrenne.desktop", "packaging/tavrenne.6.in", "packaging/changelog.Debian"}) {
            QFile file(QStringLiteral(TAVRENNE_SOURCE_DIR "/") + QLatin1String(path));
            QVERIFY2(file.open(QIODevice::ReadOnly), path);
            QTest::newRow(path) << QStringList{QString::fromUtf8(file.readAll())};
        }
#endif
    }

    void ourTextsSpellTheAmericanWay()
    {
        // Guards against a British spelling in a text we wrote, which would sit oddly beside the fixed texts.
        QFETCH(QStringList, texts);
        QVERIFY(!texts.isEmpty());
        QStringList found;
        for (const QString &text : texts)
            found << britishFormsIn(text);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral(", "))));
    }

    void fixedLabelsAreExemptButTheWordsAroundThemAreNot_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("sheet label") << QStringLiteral("Favourable Season: Winter") << QStringList{};
        QTest::newRow("reading heading") << QStringLiteral("under The Judgement: the text") << QStringList{};
        QTest::newRow("prose beside a label")
            << QStringLiteral("Favourable Month: a favourable time") << QStringList{QStringLiteral("favourable")};
        QTest::newRow("prefix and ending") << QStringLiteral("Unfavourable, disorganised travellers")
                                           << QStringList{QStringLiteral("Unfavourable"),
                                                          QStringLiteral("disorganised"), QStringLiteral("travellers")};
        QTest::newRow("American forms and lookalikes")
            << QStringLiteral("Favorable humor; a wise promise to rise; your four hours; Tortoise; criticism")
            << QStringList{};
    }

    void fixedLabelsAreExemptButTheWordsAroundThemAreNot()
    {
        // Guards the check itself: a pattern that misses a prefixed form, or flags ordinary American words, would
        // either let a British spelling through or fail on good texts.
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        QCOMPARE(britishFormsIn(text), found);
    }
};

QTEST_GUILESS_MAIN(TestSpelling)
#include "tst_spelling.moc"
