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

    // Whether the window came up active; callers QVERIFY it.
    [[nodiscard]] static bool open(FrmAboutkel &about)
    {
        about.show();
        QApplication::setActiveWindow(&about);
        return QTest::qWaitForWindowActive(&about);
    }

private slots:
    void init() { platform.opens.clear(); }

    void versionLineOnEveryOpening()
    {
        for (int opening = 0; opening < 2; ++opening) {
            FrmAboutkel about(platform, nullptr);
            QVERIFY(open(about));
            QCOMPARE(about.Label1->text(), QStringLiteral("ZOOTfront v1.4.1"));
            QCOMPARE(about.windowTitle(), QStringLiteral("About..."));
            about.close();
        }
    }

    // The homepage button has the focus, Tab goes round in the design's
    // order, Esc does nothing and Enter presses the focused button.
    void keys()
    {
        FrmAboutkel about(platform, nullptr);
        QVERIFY(open(about));
        QCOMPARE(QApplication::focusWidget(), about.Command3);
        for (const char *next : {"Command1", "Command2", "Command4", "Command3"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
        }
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(about.isVisible());
        QVERIFY(platform.opens.isEmpty());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!about.isVisible());
        QCOMPARE(platform.opens.size(), 1);
        QCOMPARE(platform.opens.first().target, QStringLiteral("https://zootfront.example.org/"));
    }

    void actionsHandTheirTargetToTheDesktopAndClose_data()
    {
        QTest::addColumn<int>("action"); // Doc, homepage, mail, Ok
        QTest::addColumn<QString>("target"); // "" for none
        QTest::newRow("Doc") << 0 << folder.path() + QStringLiteral("/ZOOTfront.txt");
        QTest::newRow("homepage") << 1 << QStringLiteral("https://zootfront.example.org/");
        QTest::newRow("mail") << 2 << QStringLiteral("mailto:maker@zootfront.example.org?Subject=ZOOTfront program");
        QTest::newRow("Ok only closes") << 3 << QString();
    }
    void actionsHandTheirTargetToTheDesktopAndClose()
    {
        QFETCH(int, action);
        QFETCH(QString, target);
        FrmAboutkel about(platform, nullptr);
        QVERIFY(open(about));
        const QList<QAbstractButton *> actions{about.Command2, about.Command3, about.Command4, about.Command1};
        QAbstractButton *button = actions.at(action);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QCOMPARE(platform.opens.size(), target.isEmpty() ? 0 : 1);
        if (!target.isEmpty()) {
            QCOMPARE(platform.opens.first().target, target);
            QCOMPARE(platform.opens.first().workingFolder, folder.path());
        }
    }

    void layout()
    {
        FrmAboutkel about(platform, nullptr);
        QCOMPARE(about.size(), QSize(201, 161));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QVERIFY(about.windowFlags() & Qt::Tool);
        QCOMPARE(about.Command3->geometry(), QRect(48, 8, 105, 49));
        QCOMPARE(about.Command1->geometry(), QRect(136, 128, 57, 25));
        QVERIFY(!about.Command1->isDefault() && !about.Command1->autoDefault());
        QVERIFY(about.Command2->font().bold());
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
