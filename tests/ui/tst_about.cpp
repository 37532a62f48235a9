// SPDX-License-Identifier: MIT
#include "tests/support/AppFolder.h"
#include "tests/support/RecordingPlatform.h"
#include "ui/FrmAboutkel/FrmAboutkel.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace zoot;
using zoot::test::AppFolder;
using zoot::test::RecordingPlatform;

class AboutTest : public QObject {
    Q_OBJECT
    AppFolder folder;
    RecordingPlatform platform{folder.path(), folder.settingsFile()};

    template <typename Button = QPushButton>
    static Button *button(FrmAboutkel &about, const char *name)
    {
        return about.findChild<Button *>(QLatin1String(name));
    }

    static void open(FrmAboutkel &about)
    {
        about.show();
        QApplication::setActiveWindow(&about);
        QVERIFY(QTest::qWaitForWindowActive(&about));
    }

private slots:
    void init() { platform.opens.clear(); }

    void versionLineOnEveryOpening()
    {
        for (int opening = 0; opening < 2; ++opening) {
            FrmAboutkel about(platform, nullptr);
            open(about);
            QCOMPARE(about.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("ZOOTfront v1.4.1"));
            QCOMPARE(about.windowTitle(), QStringLiteral("About..."));
            about.close();
        }
    }

    void escapeDoesNothingAndEnterPressesTheFocusedButton()
    {
        FrmAboutkel about(platform, nullptr);
        open(about);
        QCOMPARE(QApplication::focusWidget(), button<QToolButton>(about, "Command3"));
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(about.isVisible());
        QVERIFY(platform.opens.isEmpty());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!about.isVisible());
        QCOMPARE(platform.opens.size(), 1);
        QCOMPARE(platform.opens.first().target, QStringLiteral("https://zootfront.example.org/"));
    }

    void tabOrder()
    {
        FrmAboutkel about(platform, nullptr);
        open(about);
        for (const char *next : {"Command1", "Command2", "Command4", "Command3"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
        }
    }

    void actionsHandTheirTargetToTheDesktopAndClose_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("target");
        QTest::newRow("Doc") << QStringLiteral("Command2") << folder.path() + QStringLiteral("/ZOOTfront.txt");
        QTest::newRow("homepage") << QStringLiteral("Command3") << QStringLiteral("https://zootfront.example.org/");
        QTest::newRow("mail") << QStringLiteral("Command4")
                              << QStringLiteral("mailto:maker@zootfront.example.org?Subject=ZOOTfront program");
    }
    void actionsHandTheirTargetToTheDesktopAndClose()
    {
        QFETCH(QString, name);
        QFETCH(QString, target);
        FrmAboutkel about(platform, nullptr);
        open(about);
        QTest::mouseClick(about.findChild<QAbstractButton *>(name), Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QCOMPARE(platform.opens.size(), 1);
        const RecordingPlatform::ShellOpen opened = platform.opens.first();
        QCOMPARE(opened.owner, &about);
        QCOMPARE(opened.operation, QStringLiteral("Open"));
        QCOMPARE(opened.target, target);
        QCOMPARE(opened.parameters, QString());
        QCOMPARE(opened.directory, folder.path());
        QCOMPARE(opened.showCommand, 1);
    }

    void okOnlyCloses()
    {
        FrmAboutkel about(platform, nullptr);
        open(about);
        QTest::mouseClick(button(about, "Command1"), Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QVERIFY(platform.opens.isEmpty());
    }

    void layout()
    {
        FrmAboutkel about(platform, nullptr);
        QCOMPARE(about.size(), QSize(201, 161));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QVERIFY(about.windowFlags() & Qt::Tool);
        QCOMPARE(button<QToolButton>(about, "Command3")->geometry(), QRect(48, 8, 105, 49));
        QCOMPARE(button(about, "Command1")->geometry(), QRect(136, 128, 57, 25));
        QVERIFY(!button(about, "Command1")->isDefault() && !button(about, "Command1")->autoDefault());
        QVERIFY(button(about, "Command2")->font().bold());
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
