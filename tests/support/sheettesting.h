#pragma once

// Driving a sheet as a user does: type into a field, press a button, read the texts.

#include "testsupport.h"

#include "sheet/qt/printjob.h"
#include "shell/registry.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

// Replaces the two end-of-print message boxes with a record of what the user would see.
class PrintRecorder final : public sheet::PrintNotifier {
public:
    QStringList messages;
    PrintRecorder() { previous_ = sheet::setPrintNotifier(this); }
    ~PrintRecorder() override { sheet::setPrintNotifier(previous_); }
    void printSent(QWidget *) override { messages << sheet::kPrintSent; }
    void printFailed(QWidget *) override { messages << sheet::kPrintFailed; }

private:
    sheet::PrintNotifier *previous_ = nullptr;
};

inline QLineEdit *fieldOf(QWidget *sheet, const QString &name)
{
    auto *edit = sheet->findChild<QLineEdit *>(name);
    if (!edit)
        qWarning("no field named %s", qPrintable(name));
    return edit;
}

inline QString textOf(QWidget *sheet, const QString &name)
{
    QLineEdit *edit = fieldOf(sheet, name);
    return edit ? edit->text() : QStringLiteral("<missing field %1>").arg(name);
}

inline void typeInto(QWidget *sheet, const QString &name, const QString &text)
{
    QLineEdit *edit = fieldOf(sheet, name);
    QVERIFY2(edit, qPrintable(name));
    edit->selectAll();
    edit->clear();
    QTest::keyClicks(edit, text);
}

inline void press(QWidget *sheet, const QString &buttonName)
{
    auto *button = sheet->findChild<QPushButton *>(buttonName);
    QVERIFY2(button, qPrintable(QStringLiteral("no button named %1").arg(buttonName)));
    QVERIFY2(button->isEnabled(), qPrintable(buttonName));
    QTest::mouseClick(button, Qt::LeftButton);
}

// All field texts of a window, to show that a refused command changed nothing.
inline QMap<QString, QString> allTexts(QWidget *window)
{
    QMap<QString, QString> texts;
    for (QLineEdit *edit : window->findChildren<QLineEdit *>())
        texts.insert(edit->objectName(), edit->text());
    return texts;
}

inline bool warningOpen(const char *name)
{
    QWidget *w = shell::WindowRegistry::instance().open(QString::fromLatin1(name));
    return w && w->isVisible();
}

inline void closeAllWindows()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
