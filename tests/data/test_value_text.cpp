#include "data/value_text.h"

#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <limits>

using vantelo::data::FieldValue;
using vantelo::data::fieldText;
using vantelo::data::generalNumberText;

class TestValueText final : public QObject
{
    Q_OBJECT

private slots:
    void generalNumberText_data();
    void generalNumberText();
    void germanQtLocaleKeepsThePoint();
    void germanCLocaleKeepsThePoint();
    void fieldText_data();
    void fieldText();
};

void TestValueText::generalNumberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole number has no separator") << 22.0 << "22";
    QTest::newRow("one decimal") << 114.3 << "114.3";
    QTest::newRow("fraction below one") << 0.15 << "0.15";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("negative") << -2.5 << "-2.5";
    QTest::newRow("sum with binary noise") << 0.1 + 0.2 << "0.3";
    QTest::newRow("15 digits, rounded") << 123456789012345.6 << "123456789012346";
    QTest::newRow("largest plain magnitude") << 1e14 << "100000000000000";
    QTest::newRow("large magnitude in E form") << 1e15 << "1E+15";
    QTest::newRow("1e20") << 1e20 << "1E+20";
    QTest::newRow("2^53 cut to 15 digits") << 9007199254740992.0 << "9.00719925474099E+15";
    QTest::newRow("smallest plain magnitude") << 0.0001 << "0.0001";
    QTest::newRow("small magnitude in E form") << 1e-5 << "1E-05";
    QTest::newRow("small with mantissa") << -1.5e-7 << "-1.5E-07";
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << "NaN";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "Infinity";
    QTest::newRow("negative infinity") << -std::numeric_limits<double>::infinity() << "-Infinity";
}

void TestValueText::generalNumberText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(vantelo::data::generalNumberText(value), text);
}

void TestValueText::germanQtLocaleKeepsThePoint()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(QLocale().toString(1.5), QStringLiteral("1,5")); // the locale is in force
    const QString text = vantelo::data::generalNumberText(114.3);
    QLocale::setDefault(previous);
    QCOMPARE(text, QStringLiteral("114.3"));
}

// The C library's numeric locale is what printf-style formatting follows.
// Where the machine has no German locale, one is compiled for the test.
void TestValueText::germanCLocaleKeepsThePoint()
{
    QTemporaryDir localeDir;
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        QProcess::execute(QStringLiteral("localedef"),
                          {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"), QStringLiteral("UTF-8"),
                           localeDir.filePath(QStringLiteral("de_DE.UTF-8"))});
        qputenv("LOCPATH", QFile::encodeName(localeDir.path()));
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            QSKIP("no German C locale on this machine and localedef cannot build one");
    }
    QCOMPARE(*std::localeconv()->decimal_point, ',');
    const QString text = vantelo::data::generalNumberText(0.15);
    std::setlocale(LC_NUMERIC, "C");
    QCOMPARE(text, QStringLiteral("0.15"));
}

void TestValueText::fieldText_data()
{
    QTest::addColumn<FieldValue>("value");
    QTest::addColumn<bool>("hasText");
    QTest::addColumn<QString>("text");

    QTest::newRow("null has no text") << FieldValue() << false << QString();
    QTest::newRow("empty text is text") << FieldValue(QString(QLatin1String(""))) << true << "";
    QTest::newRow("text as stored") << FieldValue(QStringLiteral(" 1.60 ")) << true << " 1.60 ";
    QTest::newRow("whole number") << FieldValue(std::int64_t(-35)) << true << "-35";
    QTest::newRow("large whole number keeps every digit") << FieldValue(std::int64_t(1234567890123456789)) << true
                                                          << "1234567890123456789";
    QTest::newRow("double in general form") << FieldValue(100.0) << true << "100";
    QTest::newRow("double with fraction") << FieldValue(42.4) << true << "42.4";
}

void TestValueText::fieldText()
{
    QFETCH(FieldValue, value);
    QFETCH(bool, hasText);
    QFETCH(QString, text);

    const std::optional<QString> result = vantelo::data::fieldText(value);
    QCOMPARE(result.has_value(), hasText);
    if (hasText)
        QCOMPARE(*result, text);
}

QTEST_GUILESS_MAIN(TestValueText)
#include "test_value_text.moc"
