// Whole sentences with places for their values: a translator moves %1, %2 where English wants
// them, and a value is put in exactly as it is.

#include "testsupport.h"

#include "sheet/translation.h"

#include <string>
#include <vector>

class TestTranslation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void filled_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("want");
        QTest::newRow("one value") << "Il file %1 è vuoto." << QStringList{"a.horalo"} << "Il file a.horalo è vuoto.";
        QTest::newRow("values in their order")
            << "Il valore di %1 (%2) è fuori dall'intervallo da %3 a %4." << QStringList{"«ore.anno»", "1500", "1600", "2400"}
            << "Il valore di «ore.anno» (1500) è fuori dall'intervallo da 1600 a 2400.";
        QTest::newRow("a translation that moves them") << "%2 is where %1 was" << QStringList{"one", "two"} << "two is where one was";
        QTest::newRow("a value holding %2 stays as it is") << "%1 e %2" << QStringList{"100%2", "x"} << "100%2 e x";
        QTest::newRow("a place without its value stays") << "%1 di %3" << QStringList{"riga"} << "riga di %3";
        QTest::newRow("a per cent sign not before a digit") << "%1 % di 100%" << QStringList{"50"} << "50 % di 100%";
        QTest::newRow("the same place twice") << "%1, %1" << QStringList{"Sud"} << "Sud, Sud";
    }
    void filled()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, args);
        QFETCH(QString, want);
        std::vector<std::string> values;
        for (const QString &a : args)
            values.push_back(a.toStdString());
        QCOMPARE(QString::fromStdString(sheet::filled(text.toStdString(), values)), want);
    }
};

QTEST_APPLESS_MAIN(TestTranslation)
#include "test_translation.moc"
