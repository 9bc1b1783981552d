// A window known by name before its code is loaded: the registry promises it (menu buttons for
// it are enabled), loads the part of the program that makes it the first time it is asked for,
// and then shows it as any other window. A part that fails to load, or brings no such window,
// shows nothing and breaks nothing.

#include "shell/registry.h"

#include <QApplication>
#include <QLabel>
#include <QtTest/QtTest>

#include <memory>

using shell::WindowRegistry;

class TestOnDemand : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void promisedWindowIsLoadedOnce_data()
    {
        QTest::addColumn<bool>("loads");       // the loader succeeds
        QTest::addColumn<bool>("bringsIt");    // and adds the window's factory
        QTest::addColumn<bool>("knownBefore"); // a factory was added before the promise
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("loadsAfterTwoAsks");
        QTest::newRow("part loads and brings the window") << true << true << false << true << 1;
        QTest::newRow("part does not load: asked again, tried again") << false << false << false << false << 2;
        QTest::newRow("part loads without the window") << true << false << false << false << 1;
        QTest::newRow("factory already there: the part is never loaded") << true << true << true << true << 0;
    }
    void promisedWindowIsLoadedOnce()
    {
        QFETCH(bool, loads);
        QFETCH(bool, bringsIt);
        QFETCH(bool, knownBefore);
        QFETCH(bool, shown);
        QFETCH(int, loadsAfterTwoAsks);
        WindowRegistry registry;
        const QString name = QStringLiteral("Promessa");
        auto made = std::make_shared<int>(0);
        const WindowRegistry::Factory factory = [made] {
            ++*made;
            return new QLabel(QStringLiteral("fatta"));
        };
        if (knownBefore)
            registry.add(name, factory);
        auto loadsCalled = std::make_shared<int>(0);
        registry.addOnDemand(name, [&registry, name, factory, loadsCalled, loads, bringsIt] {
            ++*loadsCalled;
            if (bringsIt)
                registry.add(name, factory);
            return loads;
        });
        QVERIFY(registry.has(name));
        QVERIFY(registry.names().contains(name));
        QCOMPARE(*loadsCalled, 0);

        QWidget *first = registry.show(name);
        QCOMPARE(first != nullptr, shown);
        QWidget *second = registry.show(name);
        QCOMPARE(second, first);
        QCOMPARE(*loadsCalled, loadsAfterTwoAsks);
        QCOMPARE(*made, shown ? 1 : 0);
        // Still known while it may yet come (in the registry's names only once); a part that
        // loaded without it leaves it unknown.
        const bool stillKnown = shown || !loads;
        QCOMPARE(registry.has(name), stillKnown);
        QCOMPARE(registry.names().count(name), stillKnown ? 1 : 0);
        if (first) {
            QCOMPARE(first->objectName(), name);
            QVERIFY(first->isVisible());
            QVERIFY(first->testAttribute(Qt::WA_DeleteOnClose));
            first->close();
        }
    }

    // One load brings every promised window; the others then need none.
    void oneLoadBringsThemAll()
    {
        WindowRegistry registry;
        const QStringList names{QStringLiteral("Uno"), QStringLiteral("Due"), QStringLiteral("Tre")};
        auto loadsCalled = std::make_shared<int>(0);
        for (const QString &name : names) {
            registry.addOnDemand(name, [&registry, names, loadsCalled] {
                ++*loadsCalled;
                for (const QString &each : names)
                    registry.add(each, [each] { return new QLabel(each); });
                return true;
            });
        }
        for (const QString &name : names) {
            QWidget *window = registry.show(name);
            QVERIFY2(window, qPrintable(name));
            QCOMPARE(static_cast<QLabel *>(window)->text(), name);
            window->close();
        }
        QCOMPARE(*loadsCalled, 1);
        QCOMPARE(registry.names(), (QStringList{"Due", "Tre", "Uno"}));
    }
};

QTEST_MAIN(TestOnDemand)
#include "test_ondemand.moc"
