// The program's style draws every picture as the platform style does: the arrow of a menu bar's
// or tool bar's hidden-items button, read only when it is first drawn, is the very same arrow,
// pixel for pixel, in every size, state and direction it is asked for.

#include "shell/programstyle.h"

#include <QApplication>
#include <QImage>
#include <QMenuBar>
#include <QPainter>
#include <QStyleFactory>
#include <QToolButton>
#include <QtTest/QtTest>

#include <memory>

namespace {

QImage drawn(const QIcon &icon, const QSize &size, QIcon::Mode mode)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, QRect(QPoint(0, 0), size), Qt::AlignCenter, mode);
    return image;
}

} // namespace

class TestProgramStyle : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        platformName_ = QApplication::style()->name();
        QVERIFY(!platformName_.isEmpty());
        shell::installProgramStyle();
    }

    void styleIsThePlatformOne()
    {
        const std::unique_ptr<QStyle> platform(QStyleFactory::create(platformName_));
        QVERIFY(dynamic_cast<shell::ProgramStyle *>(QApplication::style()));
        QVERIFY(platform);
        QCOMPARE(static_cast<QProxyStyle *>(QApplication::style())->baseStyle()->name(), platformName_);
        QCOMPARE(QApplication::style()->standardPalette(), platform->standardPalette());
        QCOMPARE(QApplication::style()->pixelMetric(QStyle::PM_ToolBarExtensionExtent),
                 platform->pixelMetric(QStyle::PM_ToolBarExtensionExtent));
    }

    void picturesAsThePlatformDrawsThem_data()
    {
        QTest::addColumn<int>("picture");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("mode");
        const QList<std::pair<const char *, QStyle::StandardPixmap>> pictures{
            {"menu bar arrow", QStyle::SP_ToolBarHorizontalExtensionButton},
            {"vertical tool bar arrow", QStyle::SP_ToolBarVerticalExtensionButton},
            {"a picture drawn at once (trash)", QStyle::SP_TrashIcon},
        };
        for (const auto &[name, picture] : pictures) {
            for (const QSize size : {QSize(16, 16), QSize(10, 24), QSize(32, 32)}) {
                for (const auto &[modeName, mode] : {std::pair{"normal", QIcon::Normal}, std::pair{"disabled", QIcon::Disabled}})
                    QTest::addRow("%s %dx%d %s", name, size.width(), size.height(), modeName) << int(picture) << size << int(mode);
            }
        }
    }
    void picturesAsThePlatformDrawsThem()
    {
        QFETCH(int, picture);
        QFETCH(QSize, size);
        QFETCH(int, mode);
        const std::unique_ptr<QStyle> platform(QStyleFactory::create(platformName_));
        const auto sp = static_cast<QStyle::StandardPixmap>(picture);
        const QIcon ours = QApplication::style()->standardIcon(sp);
        const QIcon theirs = platform->standardIcon(sp);
        QVERIFY(!theirs.isNull());
        QCOMPARE(ours.isNull(), theirs.isNull());
        QCOMPARE(ours.availableSizes(), theirs.availableSizes());
        QCOMPARE(ours.actualSize(size), theirs.actualSize(size));
        const auto m = static_cast<QIcon::Mode>(mode);
        QCOMPARE(drawn(ours, size, m), drawn(theirs, size, m));
        QCOMPARE(ours.pixmap(size, m).toImage(), theirs.pixmap(size, m).toImage());
        QCOMPARE(ours.pixmap(size, 2.0, m).toImage(), theirs.pixmap(size, 2.0, m).toImage());
    }

    // A copy of the icon taken before the picture is read draws it as well.
    void copiesDrawTheSame()
    {
        const std::unique_ptr<QStyle> platform(QStyleFactory::create(platformName_));
        QIcon ours = QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QIcon copy = ours;
        copy.detach();
        const QImage want = drawn(platform->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton), QSize(16, 16), QIcon::Normal);
        QCOMPARE(drawn(copy, QSize(16, 16), QIcon::Normal), want);
        QCOMPARE(drawn(ours, QSize(16, 16), QIcon::Normal), want);
    }

    // A menu bar too narrow for its menus shows the button with the platform's arrow on it.
    void narrowMenuBarShowsTheArrow()
    {
        QWidget window;
        auto *bar = new QMenuBar(&window);
        for (const char *title : {"File", "Calcoli", "Strumenti", "Aiuto"})
            bar->addMenu(QString::fromLatin1(title));
        window.resize(60, 40);
        bar->setGeometry(0, 0, 60, bar->sizeHint().height());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QToolButton *extension = nullptr;
        for (QToolButton *button : bar->findChildren<QToolButton *>())
            if (button->isVisible())
                extension = button;
        QVERIFY(extension);
        const std::unique_ptr<QStyle> platform(QStyleFactory::create(platformName_));
        const QIcon theirs = platform->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QCOMPARE(drawn(extension->icon(), QSize(16, 16), QIcon::Normal), drawn(theirs, QSize(16, 16), QIcon::Normal));
    }

private:
    QString platformName_;
};

QTEST_MAIN(TestProgramStyle)
#include "test_programstyle.moc"
