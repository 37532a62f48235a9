// SPDX-License-Identifier: MIT
#include "catalogue/CatalogueEntry.h"
#include "tests/support/AppFolder.h"
#include "tests/support/RecordingPlatform.h"
#include "tools/DemoPictures.h"
#include "ui/FrmAboutkel/FrmAboutkel.h"
#include "launch/LaunchCommand.h"
#include "platform/CaptionFit.h"
#include "platform/NativeName.h"
#include "ui/MainForm/GamesList.h"
#include "ui/MainForm/MainForm.h"
#include "ui/MainForm/PressButton.h"
#include "ui/MainForm/StatusPanels.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QAccessible>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

#include <condition_variable>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

using namespace zoot;
using zoot::test::AppFolder;
using zoot::test::RecordingPlatform;

namespace {

// A launcher on a temporary application folder, with recorded messages and starts.
struct Launcher {
    explicit Launcher(AppFolder &folder) : platform(folder.path(), folder.settingsFile()), window(platform) {}

    // Whether the window came up; callers QVERIFY it, so that a failure
    // ends the test and not only this helper.
    [[nodiscard]] bool start()
    {
        window.load();
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    QPoint centreOfLine(int row) const
    {
        return window.List1->lineRect(row).center();
    }

    QString selectedLine() const { return window.List1->selectedLine(); }

    bool panelEnabled(const char *key) const { return window.StatusBar1->panel(QLatin1String(key))->isEnabled(); }
    QString panelText(const char *key) const { return window.StatusBar1->panel(QLatin1String(key))->text(); }

    RecordingPlatform platform;
    MainForm window;
};

// Header reads wait until the test opens the gate: a scan as long as the
// test wants, without timing.
class GatedPlatform : public RecordingPlatform {
public:
    using RecordingPlatform::RecordingPlatform;

    void open()
    {
        const std::lock_guard lock(m_mutex);
        m_open = true;
        m_opened.notify_all();
    }

    void beforeRead() const override
    {
        std::unique_lock lock(m_mutex);
        m_opened.wait(lock, [this] { return m_open; });
    }

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_opened;
    bool m_open = false;
};

// Counts the progress windows shown while it lives.
class ProgressWindows : public QObject {
public:
    ProgressWindows() { qApp->installEventFilter(this); }
    ~ProgressWindows() override { qApp->removeEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QProgressDialog *>(watched))
            ++shown;
        return false;
    }
};

QProgressDialog *visibleProgressWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<QProgressDialog *>(widget); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

// Check boxes and option buttons take clicks on their indicator and caption
// only, not on the empty rest of their rectangle.
void clickButton(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT

private slots:
    void startupWithThreeImages()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("c.gb"), "CHARLIE");
        folder.addImage(QStringLiteral("a.gb"), "bravo");
        folder.addImage(QStringLiteral("b.gb"), "Alpha");
        Launcher launcher(folder);
        ProgressWindows progress;
        QVERIFY(launcher.start());
        QCOMPARE(progress.shown, 0); // a short scan shows no progress window
        QCOMPARE(launcher.window.Frame1->title(), QStringLiteral("Games [3]"));
        QCOMPARE(launcher.selectedLine(), catalogueLine(QStringLiteral("Alpha"), QStringLiteral("b.gb")));
        QCOMPARE(launcher.panelText("Filename"), QStringLiteral("Roms/b.gb"));
        QCOMPARE(launcher.panelText("Mbits"), QStringLiteral("0Mbits"));
        QVERIFY(launcher.platform.messages.isEmpty());
        QCOMPARE(launcher.window.AltCmdText->text(), QStringLiteral("SNESKey ZOOT /a"));
        QCOMPARE(launcher.window.StereoCombo->currentText(), QStringLiteral("Normal"));
        QCOMPARE(launcher.window.VolumeSlider->value(), 10);
        QCOMPARE(launcher.window.CgbOption->checkedId(), 0);
        QCOMPARE(launcher.window.SoundOption->checkedId(), 0);
    }

    void startupWithNoImages()
    {
        AppFolder folder;
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        QCOMPARE(launcher.window.List1->count(), 1);
        QCOMPARE(launcher.window.List1->line(0), QStringLiteral("No GB roms :'("));
        QCOMPARE(launcher.window.List1->selectedRow(), -1);
        QCOMPARE(launcher.window.Frame1->title(), QStringLiteral("Games"));
        QCOMPARE(launcher.panelText("Filename"), QStringLiteral("Filename..."));
        QCOMPARE(launcher.panelText("SGB"), QStringLiteral("SGB"));
        QCOMPARE(launcher.panelText("CGB"), QStringLiteral("CGB"));
        QVERIFY(launcher.platform.messages.isEmpty());
    }

    void startupWithoutRomsFolderReportsAndStillRestores()
    {
        AppFolder folder;
        QDir(folder.romsPath()).removeRecursively();
        folder.writeOptions("AltCmdText=my emulator\nTwoPlayersCheck=1\n");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        QCOMPARE(launcher.platform.messages.size(), 1);
        const QString report = launcher.platform.messages.first();
        QVERIFY2(report.contains(folder.romsPath()) && report.endsWith(QStringLiteral(" in ZOOTfront (Form_Load)")),
                 qPrintable(report));
        QCOMPARE(launcher.window.List1->count(), 1);
        QCOMPARE(launcher.window.List1->line(0), QStringLiteral("No GB roms :'("));
        QCOMPARE(launcher.window.Frame1->title(), QStringLiteral("Games"));
        QCOMPARE(launcher.window.AltCmdText->text(), QStringLiteral("my emulator"));
        QCOMPARE(launcher.window.TwoPlayersCheck->checkState(), Qt::Checked);
    }

    // A long scan shows its progress; "Cancel" lists the images not read yet
    // by their file names, and start-up goes on as usual.
    void cancelledScanListsEveryImage()
    {
        AppFolder folder;
        for (int i = 0; i < 40; ++i)
            folder.addImage(QStringLiteral("game%1.gb").arg(i, 2, 10, QLatin1Char('0')), "TITLED");
        folder.writeOptions("AltCmdText=kept\n");
        GatedPlatform platform(folder.path(), folder.settingsFile());
        MainForm window(platform);
        QString label;
        QTimer::singleShot(0, &window, [&] {
            if (QTest::qWaitFor([] { return visibleProgressWindow() != nullptr; }, 10000)) {
                QProgressDialog *dialog = visibleProgressWindow();
                label = dialog->labelText();
                QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
            }
            platform.open();
        });
        window.load();
        QVERIFY2(label.contains(QStringLiteral("40")), qPrintable(label));
        QCOMPARE(window.List1->count(), 40);
        int byName = 0;
        for (int i = 0; i < window.List1->count(); ++i)
            byName += window.List1->line(i).startsWith(u'[') ? 1 : 0;
        QVERIFY2(byName >= 39, qPrintable(QString::number(byName)));
        QCOMPARE(window.List1->selectedRow(), 0);
        QCOMPARE(window.Frame1->title(), QStringLiteral("Games [40]"));
        QCOMPARE(window.AltCmdText->text(), QStringLiteral("kept"));
        QVERIFY(platform.messages.isEmpty());
    }

    void invalidStoredValuesAreReportedTogether()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("a.gb"), "A");
        folder.writeOptions("VolumeSlider=loud\nCgbOption=9\nAltCmdText=kept\nStereoCheck=2\n");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        QCOMPARE(launcher.platform.messages.size(), 1);
        const QStringList lines = launcher.platform.messages.first().split(u'\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.at(0).contains(QStringLiteral("VolumeSlider")) && lines.at(0).contains(QStringLiteral("\"loud\"")));
        QVERIFY(lines.at(1).contains(QStringLiteral("CgbOption")) && lines.at(1).contains(QStringLiteral("\"9\"")));
        for (const QString &line : lines)
            QVERIFY(line.endsWith(QStringLiteral(" in ZOOTfront (Form_Load)")));
        QCOMPARE(launcher.window.VolumeSlider->value(), 10);
        QCOMPARE(launcher.window.CgbOption->checkedId(), 0);
        QCOMPARE(launcher.window.AltCmdText->text(), QStringLiteral("kept"));
        QCOMPARE(launcher.window.StereoCheck->checkState(), Qt::PartiallyChecked);
    }

    void panelsFollowTheSelection()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("both.gb"), "A BOTH", 0x80, 0x03);
        folder.addImage(QStringLiteral("plain.gb"), "B PLAIN", 0x00, 0x00);
        folder.addImage(QStringLiteral("only.gbc"), "C COLOUR ONLY", 0xC0, 0x00);
        folder.addRaw(QStringLiteral("Roms/short.gb"), QByteArray(0x140, 'x'));
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        // "[short.gb]" sorts first: a file too short for the probes shows its
        // path with neither flag, and no message.
        QCOMPARE(launcher.panelText("Filename"), QStringLiteral("Roms/short.gb"));
        QVERIFY(!launcher.panelEnabled("CGB"));
        QVERIFY(!launcher.panelEnabled("SGB"));

        QTest::mouseClick(launcher.window.List1->viewport(), Qt::LeftButton, {}, launcher.centreOfLine(1));
        QCOMPARE(launcher.panelText("Filename"), QStringLiteral("Roms/both.gb"));
        QVERIFY(launcher.panelEnabled("CGB"));
        QVERIFY(launcher.panelEnabled("SGB"));

        QTest::keyClick(launcher.window.List1, Qt::Key_Down);
        QCOMPARE(launcher.panelText("Filename"), QStringLiteral("Roms/plain.gb"));
        QVERIFY(!launcher.panelEnabled("CGB"));
        QVERIFY(!launcher.panelEnabled("SGB"));

        QTest::keyClick(launcher.window.List1, Qt::Key_Down);
        QCOMPARE(launcher.panelText("Filename"), QStringLiteral("Roms/only.gbc"));
        QVERIFY(launcher.panelEnabled("CGB"));
        QVERIFY(!launcher.panelEnabled("SGB"));
        QVERIFY(launcher.platform.messages.isEmpty());
    }

    // Moving through a large list reads two header bytes per step and lists nothing.
    void arrowKeysCostTwoReadsPerStep()
    {
        AppFolder folder;
        for (int i = 0; i < 200; ++i)
            folder.addImage(QStringLiteral("g%1.gb").arg(i, 3, 10, QLatin1Char('0')), QByteArray("GAME ") + QByteArray::number(i),
                            i % 2 ? 0x80 : 0x00, 0x00);
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        launcher.window.List1->setFocus();
        const int listings = launcher.platform.listings;
        const int reads = launcher.platform.reads;
        for (int step = 0; step < 10; ++step)
            QTest::keyClick(launcher.window.List1, Qt::Key_Down);
        QCOMPARE(launcher.window.List1->selectedRow(), 10);
        QCOMPARE(launcher.platform.reads - reads, 20);
        QCOMPARE(launcher.platform.listings, listings);
    }

    void soundChoiceSwitchesTheSoundControls()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("a.gb"), "A");
        folder.writeOptions("SoundOption=1\n");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        MainForm &w = launcher.window;
        const QList<QWidget *> controls{w.VolumeCheck, w.VolumeSlider, w.StereoCheck, w.StereoCombo};
        for (QWidget *control : controls)
            QVERIFY(control->isEnabled());
        clickButton(w.SoundOption->button(0));
        for (QWidget *control : controls)
            QVERIFY(!control->isEnabled());
        w.VolumeCheck->setCheckState(Qt::Checked);
        clickButton(w.SoundOption->button(1));
        for (QWidget *control : controls)
            QVERIFY(control->isEnabled());
        QCOMPARE(w.VolumeCheck->checkState(), Qt::Checked);
    }

    void rightButtonRescans()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("a.gb"), "ONE");
        folder.addImage(QStringLiteral("b.gb"), "TWO");
        folder.addImage(QStringLiteral("c.gb"), "THREE");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        folder.addImage(QStringLiteral("d.gb"), "AAA NEW");
        folder.addRaw(QStringLiteral("back.bmp"), tools::demoBitmap());
        QTest::mousePress(launcher.window.List1->viewport(), Qt::RightButton, {}, launcher.centreOfLine(2));
        QCOMPARE(launcher.window.List1->count(), 4);
        QCOMPARE(launcher.window.List1->line(0), catalogueLine(QStringLiteral("AAA NEW"), QStringLiteral("d.gb")));
        QCOMPARE(launcher.window.List1->selectedRow(), -1);
        QCOMPARE(launcher.window.Frame1->title(), QStringLiteral("Games [3]"));
        QCOMPARE(launcher.window.BackgroundCombo->currentText(), QStringLiteral("back.bmp"));
        QCOMPARE(launcher.panelText("Filename"), QStringLiteral("Roms/a.gb"));

        // Left and middle presses only select.
        QTest::mousePress(launcher.window.List1->viewport(), Qt::MiddleButton, {}, launcher.centreOfLine(1));
        QCOMPARE(launcher.window.List1->count(), 4);
        QVERIFY(launcher.platform.starts.isEmpty());
    }

    // Both presses of a right double-click rescan; neither selects a line.
    void rightDoubleClickOnlyRescans()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("a.gb"), "ONE");
        folder.addImage(QStringLiteral("b.gb"), "TWO");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        const int listings = launcher.platform.listings;
        QTest::mouseDClick(launcher.window.List1->viewport(), Qt::RightButton, {}, launcher.centreOfLine(1));
        QCOMPARE(launcher.window.List1->selectedRow(), -1);
        QVERIFY(launcher.platform.listings > listings);
        QTest::mousePress(launcher.window.Command2, Qt::LeftButton);
        QCOMPARE(launcher.platform.starts.first().arguments.first(), folder.path() + QStringLiteral("/"));
    }

    void failedRescanIsReported()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("a.gb"), "ONE");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        QDir(folder.romsPath()).removeRecursively();
        QTest::mousePress(launcher.window.List1->viewport(), Qt::RightButton, {}, launcher.centreOfLine(0));
        QCOMPARE(launcher.platform.messages.size(), 1);
        QVERIFY(launcher.platform.messages.first().endsWith(QStringLiteral(" in ZOOTfront (Rescan)")));
        QCOMPARE(launcher.window.List1->count(), 1);
    }

    void doubleClickAndLeftPressStart()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("first.gb"), "FIRST");
        const QString second = folder.addImage(QStringLiteral("second game.gb"), "SECOND");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        // A real double-click: the first press selects, the second is the double-click.
        QTest::mouseClick(launcher.window.List1->viewport(), Qt::LeftButton, {}, launcher.centreOfLine(1));
        QTest::mouseDClick(launcher.window.List1->viewport(), Qt::LeftButton, {}, launcher.centreOfLine(1));
        QCOMPARE(launcher.platform.starts.size(), 1);
        const RecordingPlatform::Start start = launcher.platform.starts.first();
        QCOMPARE(start.program, QStringLiteral("ZOOT"));
        QCOMPARE(start.arguments, (QStringList{second, "-sound", "0", "-video", "0"}));
        QCOMPARE(start.workingFolder, folder.path());

        launcher.window.ResCombo->setCurrentIndex(4);
        clickButton(launcher.window.NoCRCCheck);
        QTest::mousePress(launcher.window.Command2, Qt::LeftButton);
        QCOMPARE(launcher.platform.starts.size(), 2);
        QCOMPARE(launcher.platform.starts.last().arguments, (QStringList{second, "-nocrc", "-sound", "0", "-video", "4"}));
        QVERIFY(launcher.platform.messages.isEmpty());
        QSettings saved(folder.settingsFile(), QSettings::IniFormat);
        QCOMPARE(saved.value("Options/ResCombo").toString(), QStringLiteral("4"));
        QCOMPARE(saved.value("Options/NoCRCCheck").toString(), QStringLiteral("1"));
    }

    void otherButtonsShowTheCommandLine()
    {
        AppFolder folder;
        const QString game = folder.addImage(QStringLiteral("game.gb"), "GAME");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        launcher.window.AltCmdText->setText(QStringLiteral("myemu --fast"));
        clickButton(launcher.window.AltCmdCheck);
        for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton})
            QTest::mousePress(launcher.window.Command2, button);
        QCOMPARE(launcher.platform.messages,
                 QStringList(2, QStringLiteral("myemu --fast %1 -sound 0 -video 0").arg(game)));
        QVERIFY(launcher.platform.starts.isEmpty());
        QSettings saved(folder.settingsFile(), QSettings::IniFormat);
        QCOMPARE(saved.value("Options/AltCmdText").toString(), QStringLiteral("myemu --fast"));
        QCOMPARE(saved.value("Options/AltCmdCheck").toString(), QStringLiteral("1"));
    }

    // With "Use other" checked and nothing in its box, "Play" starts nothing
    // (the image would be the program) and says why; another button still
    // shows the command line.
    void blankOtherCommandStartsNothing()
    {
        AppFolder folder;
        const QString game = folder.addImage(QStringLiteral("game.gb"), "GAME");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        clickButton(launcher.window.AltCmdCheck);
        launcher.window.AltCmdText->setText(QStringLiteral("   "));
        QTest::mousePress(launcher.window.Command2, Qt::LeftButton);
        QVERIFY(launcher.platform.starts.isEmpty());
        QCOMPARE(launcher.platform.messages, QStringList{kBlankOtherCommandMessage});
        QTest::mousePress(launcher.window.Command2, Qt::RightButton);
        QCOMPARE(launcher.platform.messages.last(), QStringLiteral("    %1 -sound 0 -video 0").arg(game));
    }

    // A name that is not UTF-8: shown readably, its flags read, and started
    // with its exact bytes.
    void nameThatIsNotUtf8()
    {
        AppFolder folder;
        const QString name = decodeNative("caf\xE9.gb");
        const QString image = folder.addImage(name, "CAFE", 0x80, 0x03);
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        QCOMPARE(launcher.panelText("Filename"), QStringLiteral("Roms/caf\uFFFD.gb"));
        QVERIFY(launcher.panelEnabled("CGB"));
        QVERIFY(launcher.panelEnabled("SGB"));
        QTest::mousePress(launcher.window.Command2, Qt::LeftButton);
        QVERIFY2(launcher.platform.messages.isEmpty(), qPrintable(launcher.platform.messages.join(u'|')));
        QCOMPARE(encodeNative(launcher.platform.starts.first().arguments.first()), encodeNative(image));
    }

    // An image replaced by a FIFO after the scan is not opened for long:
    // selecting it shows no flags and the window goes on.
    void imageReplacedByAFifo()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("a.gb"), "A", 0x80);
        const QString b = folder.addImage(QStringLiteral("b.gb"), "B", 0x80, 0x03);
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        QVERIFY(QFile::remove(b));
        QCOMPARE(::mkfifo(QFile::encodeName(b).constData(), 0600), 0);
        ::alarm(20); // a window that blocks on the FIFO ends the test here
        QTest::keyClick(launcher.window.List1, Qt::Key_Down);
        ::alarm(0);
        QCOMPARE(launcher.panelText("Filename"), QStringLiteral("Roms/b.gb"));
        QVERIFY(!launcher.panelEnabled("CGB"));
        QVERIFY(!launcher.panelEnabled("SGB"));
    }

    // The other command is kept whole, however long.
    void longOtherCommandIsKeptWhole()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("game.gb"), "GAME");
        const QByteArray command = "emu " + QByteArray(40000, 'x');
        folder.writeOptions("AltCmdText=" + command + "\n");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        QCOMPARE(launcher.window.AltCmdText->text().size(), command.size());
        QTest::mousePress(launcher.window.Command2, Qt::RightButton);
        QVERIFY(launcher.platform.readSettings(QStringLiteral("Options")).values.value("AltCmdText") == command);
    }

    void keyboardDoesNotPressPlay()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("game.gb"), "GAME");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        launcher.window.Command2->setFocus();
        QTest::keyClick(launcher.window.Command2, Qt::Key_Space);
        QTest::keyClick(launcher.window.Command2, Qt::Key_Return);
        QVERIFY(launcher.platform.starts.isEmpty());
    }

    void startFailureIsShown()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("game.gb"), "GAME");
        Launcher launcher(folder);
        launcher.platform.startFailure = QStringLiteral("\"ZOOT\" was not found on the search path (PATH).");
        QVERIFY(launcher.start());
        QTest::mousePress(launcher.window.Command2, Qt::LeftButton);
        QCOMPARE(launcher.platform.messages.size(), 1);
        QVERIFY(launcher.platform.messages.first().contains(QStringLiteral("not found")));
    }

    void unsavedOptionsAreReportedAndTheLaunchGoesOn()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("game.gb"), "GAME");
        folder.addRaw(QStringLiteral("config"), "a file where the settings folder belongs");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        QTest::mousePress(launcher.window.Command2, Qt::LeftButton);
        QCOMPARE(launcher.platform.messages.size(), 1);
        QVERIFY(launcher.platform.messages.first().contains(folder.settingsFile()));
        QCOMPARE(launcher.platform.starts.size(), 1);
    }

    void tabOrderFromTheGamesList()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("game.gb"), "GAME");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        QApplication::setActiveWindow(&launcher.window);
        QVERIFY(QTest::qWaitForWindowActive(&launcher.window));
        QCOMPARE(QApplication::focusWidget(), launcher.window.List1);
        const QList<QWidget *> expected{launcher.window.Command2, launcher.window.AltCmdCheck, launcher.window.AltCmdText,
                                        launcher.window.Command1, launcher.window.NoCRCCheck};
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void layoutInPixels()
    {
        AppFolder folder;
        Launcher launcher(folder);
        MainForm &w = launcher.window;
        QCOMPARE(w.size(), QSize(385, 378));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w.windowTitle(), QStringLiteral("brindle's ZOOTfront"));
        QVERIFY(!w.windowIcon().isNull());
        QVERIFY(w.windowIcon().availableSizes().contains(QSize(32, 32)));
        QCOMPARE(w.Frame1->geometry(), QRect(8, 8, 161, 313));
        QCOMPARE(w.List1->geometry(), QRect(8, 16, 145, 285));
        QCOMPARE(w.Command2->geometry(), QRect(208, 328, 169, 25));
        QCOMPARE(w.Command1->geometry(), QRect(176, 328, 25, 25));
        QCOMPARE(w.StatusBar1->geometry(), QRect(0, 361, 385, 17));
        QCOMPARE(w.StatusBar1->panel(1)->width(), 270);
        QCOMPARE(w.CgbOption->button(3)->geometry(), QRect(8, 64, 97, 17));
        QCOMPARE(w.VolumeSlider->geometry(), QRect(64, 48, 129, 17));
        QCOMPARE(w.VolumeSlider->maximum(), 15);
        QVERIFY(QFontInfo(w.List1->font()).fixedPitch());
        QVERIFY(w.Command2->font().bold());
        // Option buttons stand top to bottom in index order.
        for (int i = 1; i < 4; ++i)
            QVERIFY(w.CgbOption->button(i)->y() > w.CgbOption->button(i - 1)->y());
        QVERIFY(w.SoundOption->button(1)->y() > w.SoundOption->button(0)->y());
        QCOMPARE(w.ResCombo->count(), 6);
        QCOMPARE(w.ResCombo->itemText(2), QStringLiteral("360x144 full screen"));
        QCOMPARE(w.ResCombo->currentIndex(), -1);
    }

    // With the fonts in use here, every caption and every status panel's
    // text is whole inside its design box.
    void everyCaptionFits()
    {
        AppFolder folder;
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        const QList<QWidget *> controls = launcher.window.findChildren<QWidget *>();
        int captions = 0;
        for (const QWidget *control : controls) {
            const std::optional<Caption> caption = captionOf(control);
            if (!caption || caption->text.isEmpty())
                continue;
            ++captions;
            QVERIFY2(captionFits(control),
                     qPrintable(QStringLiteral("\"%1\" in %2 (%3 %4pt): %5 px wide, room %6x%7")
                                    .arg(caption->text, control->objectName(), QFontInfo(control->font()).family())
                                    .arg(control->font().pointSizeF())
                                    .arg(QFontMetrics(control->font()).horizontalAdvance(caption->text))
                                    .arg(caption->room.width())
                                    .arg(caption->room.height())));
        }
        QVERIFY(captions >= 20); // frames, labels, check boxes, options, buttons, panels
    }

    // Enter or Return on the games list starts the selected game, as a
    // double-click does.
    void enterStartsTheSelectedGame()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("a.gb"), "A");
        const QString second = folder.addImage(QStringLiteral("b.gb"), "B");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        QTest::keyClick(launcher.window.List1, Qt::Key_Down);
        QTest::keyClick(launcher.window.List1, Qt::Key_Return);
        QTest::keyClick(launcher.window.List1, Qt::Key_Enter);
        QCOMPARE(launcher.platform.starts.size(), 2);
        for (const RecordingPlatform::Start &start : std::as_const(launcher.platform.starts))
            QCOMPARE(start.arguments.first(), second);
    }

    // What assistive technology reads: every games-list line, each panel's
    // text and whether it is enabled, and the controls by name.
    void screenReaderSeesLinesPanelsAndControls()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("a.gb"), "ALPHA", 0x80, 0x00);
        folder.addImage(QStringLiteral("b.gb"), "BRAVO");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(launcher.window.List1);
        QVERIFY(list);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Games"));
        QStringList read;
        for (int i = 0; i < list->childCount(); ++i) {
            if (QAccessibleInterface *child = list->child(i); child && child->role() == QAccessible::ListItem)
                read.append(child->text(QAccessible::Name));
        }
        QCOMPARE(read, (QStringList{catalogueLine("ALPHA", "a.gb"), catalogueLine("BRAVO", "b.gb")}));

        QAccessibleInterface *file = QAccessible::queryAccessibleInterface(launcher.window.StatusBar1->panel(1));
        QCOMPARE(file->text(QAccessible::Name), QStringLiteral("Roms/a.gb"));
        QAccessibleInterface *cgb = QAccessible::queryAccessibleInterface(launcher.window.StatusBar1->panel(QStringLiteral("CGB")));
        QAccessibleInterface *sgb = QAccessible::queryAccessibleInterface(launcher.window.StatusBar1->panel(QStringLiteral("SGB")));
        QVERIFY(!cgb->state().disabled);
        QVERIFY(sgb->state().disabled);
        QCOMPARE(QAccessible::queryAccessibleInterface(launcher.window.Frame1)->text(QAccessible::Name),
                 QStringLiteral("Games [2]"));
        QCOMPARE(QAccessible::queryAccessibleInterface(launcher.window.Command2)->text(QAccessible::Name), QStringLiteral("Play"));
        QCOMPARE(QAccessible::queryAccessibleInterface(launcher.window.VolumeSlider)->text(QAccessible::Name),
                 QStringLiteral("Volume level"));
        QCOMPARE(QAccessible::queryAccessibleInterface(launcher.window.AltCmdText)->text(QAccessible::Name),
                 QStringLiteral("Other command"));
    }

    void questionMarkOpensTheAboutWindowModally()
    {
        AppFolder folder;
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        QString versionSeen;
        bool modal = false;
        // Waits a few seconds for the window, so that a window that never
        // opens fails the test instead of hanging it.
        QTimer::singleShot(0, &launcher.window, [&] {
            if (!QTest::qWaitFor([] { return qobject_cast<FrmAboutkel *>(QApplication::activeModalWidget()); }, 5000))
                return;
            auto *about = qobject_cast<FrmAboutkel *>(QApplication::activeModalWidget());
            modal = about->isModal() && about->parentWidget() == &launcher.window;
            versionSeen = about->Label1->text();
            about->close();
        });
        QTest::mouseClick(launcher.window.Command1, Qt::LeftButton);
        QVERIFY(modal);
        QCOMPARE(versionSeen, QStringLiteral("ZOOTfront v1.4.1"));
    }
};

QTEST_MAIN(MainFormTest)
#include "tst_mainform.moc"
