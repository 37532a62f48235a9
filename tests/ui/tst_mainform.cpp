// SPDX-License-Identifier: MIT
#include "platform/NativeName.h"
#include "tests/support/AppFolder.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/RecordingPlatform.h"
#include "tools/DemoPictures.h"
#include "ui/FrmAboutkel/FrmAboutkel.h"
#include "ui/Look/CaptionFit.h"
#include "ui/MainForm/CommandLineBox.h"
#include "ui/MainForm/GamesList.h"
#include "ui/MainForm/MainForm.h"
#include "ui/MainForm/PressButton.h"
#include "ui/MainForm/StatusPanels.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTextBlock>
#include <QtTest>

#include <condition_variable>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

using namespace zoot;
using zoot::test::AppFolder;
using zoot::test::RecordingMessages;
using zoot::test::RecordingPlatform;

namespace {

// A games-list line: the title padded to 45 columns, then the path.
QString line(const QString &title, const QString &file)
{
    return title + QString(45 - title.size(), u' ') + QStringLiteral("Roms/") + file;
}

// Reads of the files whose names contain stuckName wait until the test opens
// the gate: a scan as long as the test wants, without timing. Every other
// read waits too when stuckName is empty.
class GatedPlatform : public RecordingPlatform {
public:
    GatedPlatform(const QString &applicationFolder, const QString &settingsFile, QString stuckName = {})
        : RecordingPlatform(applicationFolder, settingsFile), m_stuckName(std::move(stuckName))
    {
    }
    // Opens the gate and waits until no reader is left inside it: they use
    // this object until they are out.
    ~GatedPlatform() override
    {
        std::unique_lock lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_inside == 0; });
    }

    void beforeRead(const QString &name) const override
    {
        if (!name.contains(m_stuckName))
            return;
        std::unique_lock lock(m_mutex);
        ++m_inside;
        m_changed.wait(lock, [this] { return m_open; });
        --m_inside;
        m_changed.notify_all();
    }

private:
    QString m_stuckName;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    mutable int m_inside = 0;
    bool m_open = false;
};

// A launcher on a temporary application folder, with recorded messages and
// starts, on platform P.
template <typename P = RecordingPlatform>
struct Launcher {
    template <typename... Extra>
    explicit Launcher(AppFolder &folder, Extra... extra)
        : platform(folder.path(), folder.settingsFile(), extra...), window(platform, messages)
    {
    }

    // Whether the window came up; callers QVERIFY it, so that a failure
    // ends the test and not only this helper.
    [[nodiscard]] bool start()
    {
        window.load();
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    int count() const { return window.List1->count(); }
    QString line(int row) const { return window.List1->model()->index(row, 0).data().toString(); }
    QString selectedLine() const { return line(window.List1->selectedRow()); }
    QPoint centreOfLine(int row) const { return window.List1->visualRect(window.List1->model()->index(row, 0)).center(); }
    QLabel *panel(const QString &key) const { return window.StatusBar1->panel(key); }

    P platform;
    RecordingMessages messages;
    MainForm window;
};

QProgressDialog *visibleProgressWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<QProgressDialog *>(widget); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

// Runs during the next scan, once its progress window shows.
template <typename During>
void whileScanning(QObject *context, During during)
{
    QTimer::singleShot(0, context, [during] {
        if (QTest::qWaitFor([] { return visibleProgressWindow() != nullptr; }, 10000))
            during(visibleProgressWindow());
    });
}

// A click as the window system delivers it: to the window, then its widget.
void pressCancel(QProgressDialog *progress)
{
    const QPushButton *cancel = progress->findChild<QPushButton *>();
    QTest::mouseClick(progress->windowHandle(), Qt::LeftButton, {}, cancel->mapTo(progress, cancel->rect().center()));
}

// Check boxes and option buttons take clicks on their indicator and caption
// only, not on the empty rest of their rectangle.
void clickButton(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// The About window's version line, when it opens modally over window, which
// it then closes.
template <typename Open>
QString versionLineOfAboutOpenedBy(MainForm &window, Open open)
{
    QString seen;
    QTimer::singleShot(0, &window, [&] {
        if (!QTest::qWaitFor([] { return qobject_cast<FrmAboutkel *>(QApplication::activeModalWidget()); }, 5000))
            return;
        auto *about = qobject_cast<FrmAboutkel *>(QApplication::activeModalWidget());
        if (about->isModal() && about->parentWidget() == &window)
            seen = about->Label1->text();
        about->close();
    });
    open();
    return seen;
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
        QVERIFY(launcher.start());
        QVERIFY(!visibleProgressWindow()); // a short scan shows no progress window
        QCOMPARE(launcher.window.Frame1->title(), QStringLiteral("Games [3]"));
        QCOMPARE(launcher.selectedLine(), line("Alpha", "b.gb"));
        QCOMPARE(launcher.panel(kFilenamePanel)->text(), QStringLiteral("Roms/b.gb"));
        QCOMPARE(launcher.panel(kMbitsPanel)->text(), QStringLiteral("0Mbits"));
        QVERIFY(launcher.messages.texts.isEmpty());
        // The first run's defaults.
        QCOMPARE(launcher.window.AltCmdText->text(), QStringLiteral("SNESKey ZOOT /a"));
        QCOMPARE(launcher.window.StereoCombo->currentText(), QStringLiteral("Normal"));
        QCOMPARE(launcher.window.VolumeSlider->value(), 10);
        QCOMPARE(launcher.window.CgbOption->checkedId(), 0);
        QCOMPARE(launcher.window.SoundOption->checkedId(), 0);
        QCOMPARE(launcher.window.ResCombo->currentIndex(), 0);
        for (const QCheckBox *box : launcher.window.findChildren<QCheckBox *>())
            QCOMPARE(box->checkState(), Qt::Unchecked);
    }

    void startupWithoutRomsFolderReportsAndStillRestores()
    {
        AppFolder folder;
        QDir(folder.romsPath()).removeRecursively();
        folder.writeOptions("AltCmdText=my emulator\nTwoPlayersCheck=1\n");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        QCOMPARE(launcher.messages.texts.size(), 1);
        const QString report = launcher.messages.texts.first();
        QVERIFY2(report.contains(folder.romsPath()) && report.endsWith(QStringLiteral(" in ZOOTfront (Form_Load)")),
                 qPrintable(report));
        QCOMPARE(launcher.count(), 1);
        QCOMPARE(launcher.line(0), QStringLiteral("No GB roms :'("));
        QCOMPARE(launcher.window.Frame1->title(), QStringLiteral("Games"));
        QCOMPARE(launcher.window.AltCmdText->text(), QStringLiteral("my emulator"));
        QCOMPARE(launcher.window.TwoPlayersCheck->checkState(), Qt::Checked);
    }

    // A long scan shows its progress. "Cancel" answers while a read is still
    // stuck (the gate opens only after start-up is over): the images not
    // read yet are listed by their file names, start-up goes on, and
    // selecting the stuck one does not read it again.
    void cancelAnswersWhileAReadIsStuck()
    {
        AppFolder folder;
        for (int i = 0; i < 40; ++i)
            folder.addImage(QStringLiteral("game%1.gb").arg(i, 2, 10, QLatin1Char('0')), "TITLED");
        folder.writeOptions("AltCmdText=kept\n");
        Launcher<GatedPlatform> launcher(folder, QStringLiteral("game20"));
        QString label;
        whileScanning(&launcher.window, [&](QProgressDialog *progress) {
            label = progress->labelText();
            pressCancel(progress);
        });
        ::alarm(60); // a window that reads the stuck image again ends the test here
        launcher.window.load();
        QVERIFY2(label.startsWith(QStringLiteral("Reading cartridge headers: ")) && label.endsWith(QStringLiteral(" of 40")),
                 qPrintable(label));
        QCOMPARE(launcher.count(), 40);
        QCOMPARE(launcher.window.List1->selectedRow(), 0);
        const QModelIndexList stuck = launcher.window.List1->model()->match(
            launcher.window.List1->model()->index(0, 0), Qt::DisplayRole, line("[game20.gb]", "game20.gb"), 1, Qt::MatchExactly);
        QCOMPARE(stuck.size(), 1);
        launcher.window.List1->selectRow(stuck.first().row());
        ::alarm(0);
        QCOMPARE(launcher.panel(kFilenamePanel)->text(), QStringLiteral("Roms/game20.gb"));
        QCOMPARE(launcher.window.Frame1->title(), QStringLiteral("Games [40]"));
        QCOMPARE(launcher.window.AltCmdText->text(), QStringLiteral("kept"));
        QVERIFY(launcher.messages.texts.isEmpty());
    }

    // While a rescan waits on storage, clicks and keys on the main window do
    // nothing; a request to close it cancels the scan and closes it.
    void inputDuringARescan()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("a.gb"), "A");
        Launcher<GatedPlatform> launcher(folder, QStringLiteral("b.gb"));
        QVERIFY(launcher.start());
        folder.addImage(QStringLiteral("b.gb"), "B");
        const int listings = launcher.platform.listings;
        bool closedAfter = false;
        whileScanning(&launcher.window, [&](QProgressDialog *) {
            QWidget *list = launcher.window.List1->viewport();
            QTest::mousePress(launcher.window.Command2, Qt::LeftButton);
            QTest::mousePress(list, Qt::RightButton, {}, launcher.centreOfLine(0));
            QTest::mouseDClick(list, Qt::LeftButton, {}, launcher.centreOfLine(0));
            QTest::keyClick(launcher.window.List1, Qt::Key_Return);
            launcher.window.close();
            closedAfter = launcher.window.isVisible();
        });
        QTest::mousePress(launcher.window.List1->viewport(), Qt::RightButton, {}, launcher.centreOfLine(0));
        QVERIFY(closedAfter); // the close waited for the scan
        QVERIFY(launcher.platform.starts.isEmpty());
        QCOMPARE(launcher.platform.listings, listings + 2); // one scan: the Roms folder and the pictures
        QVERIFY(QTest::qWaitFor([&] { return !launcher.window.isVisible(); }, 5000));
    }

    void invalidStoredValuesAreReportedTogether()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("a.gb"), "A");
        folder.writeOptions("VolumeSlider=loud\nCgbOption=9\nAltCmdText=kept\nStereoCheck=1\n");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        QCOMPARE(launcher.messages.texts,
                 QStringList{"The stored value \"loud\" of VolumeSlider is not valid; 10 is used instead in ZOOTfront (Form_Load)\n"
                             "The stored value \"9\" of CgbOption is not valid; 0 is used instead in ZOOTfront (Form_Load)"});
        QCOMPARE(launcher.window.VolumeSlider->value(), 10);
        QCOMPARE(launcher.window.CgbOption->checkedId(), 0);
        QCOMPARE(launcher.window.AltCmdText->text(), QStringLiteral("kept"));
        QCOMPARE(launcher.window.StereoCheck->checkState(), Qt::Checked);
    }

    // A hand-edited file can store 2, grayed: the boxes show it, a grayed box
    // adds no flag, and a launch stores 2 again. An other command is kept
    // whole, however long.
    void grayedCheckBoxes()
    {
        AppFolder folder;
        const QString game = folder.addImage(QStringLiteral("game.gb"), "GAME");
        folder.addRaw(QStringLiteral("back.bmp"), tools::demoBitmap());
        const QStringList boxes{"VolumeCheck", "StereoCheck", "BackgroundCheck", "NoCRCCheck", "TwoPlayersCheck", "AltCmdCheck"};
        const QString command = QStringLiteral("emu ") + QString(40000, u'x');
        QByteArray stored = "SoundOption=1\nAltCmdText=" + command.toLatin1() + "\n";
        for (const QString &box : boxes)
            stored += box.toLatin1() + "=2\n";
        folder.writeOptions(stored);
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        QCOMPARE(launcher.window.AltCmdText->text(), command);
        for (const QString &box : boxes)
            QCOMPARE(launcher.window.findChild<QCheckBox *>(box)->checkState(), Qt::PartiallyChecked);
        QTest::mousePress(launcher.window.Command2, Qt::RightButton);
        QCOMPARE(launcher.messages.commandLines, QStringList{QStringLiteral("ZOOT %1 -sound 1 -video 0").arg(game)});
        for (const QString &box : boxes)
            QCOMPARE(folder.savedOption(box), QStringLiteral("2"));
        QCOMPARE(folder.savedOption("AltCmdText"), command);
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
        const auto shows = [&](const char *file, bool cgb, bool sgb) {
            return launcher.panel(kFilenamePanel)->text() == QStringLiteral("Roms/") + QLatin1String(file)
                && launcher.panel(kCgbPanel)->isEnabled() == cgb && launcher.panel(kSgbPanel)->isEnabled() == sgb;
        };
        QVERIFY(shows("short.gb", false, false));
        QCOMPARE(launcher.panel(kFilenamePanel)->textFormat(), Qt::PlainText); // names are not markup
        QTest::mouseClick(launcher.window.List1->viewport(), Qt::LeftButton, {}, launcher.centreOfLine(1));
        QVERIFY(shows("both.gb", true, true));
        QTest::keyClick(launcher.window.List1, Qt::Key_Down);
        QVERIFY(shows("plain.gb", false, false));
        QTest::keyClick(launcher.window.List1, Qt::Key_Down);
        QVERIFY(shows("only.gbc", true, false));
        QVERIFY(launcher.messages.texts.isEmpty());
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
        QCOMPARE(launcher.count(), 4);
        QCOMPARE(launcher.line(0), line("AAA NEW", "d.gb"));
        QCOMPARE(launcher.window.List1->selectedRow(), -1);
        QCOMPARE(launcher.window.Frame1->title(), QStringLiteral("Games [3]"));
        QCOMPARE(launcher.window.BackgroundCombo->currentText(), QStringLiteral("back.bmp"));
        QCOMPARE(launcher.panel(kFilenamePanel)->text(), QStringLiteral("Roms/a.gb"));

        // Left and middle presses only select; a right double-click rescans
        // and selects nothing.
        QTest::mousePress(launcher.window.List1->viewport(), Qt::MiddleButton, {}, launcher.centreOfLine(1));
        QCOMPARE(launcher.count(), 4);
        QVERIFY(launcher.platform.starts.isEmpty());
        const int listings = launcher.platform.listings;
        QTest::mouseDClick(launcher.window.List1->viewport(), Qt::RightButton, {}, launcher.centreOfLine(1));
        QCOMPARE(launcher.window.List1->selectedRow(), -1);
        QCOMPARE(launcher.platform.listings, listings + 2); // a scan: the Roms folder and the pictures
    }

    void failedRescanIsReported()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("a.gb"), "ONE");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        QDir(folder.romsPath()).removeRecursively();
        QTest::mousePress(launcher.window.List1->viewport(), Qt::RightButton, {}, launcher.centreOfLine(0));
        QCOMPARE(launcher.messages.texts.size(), 1);
        QVERIFY(launcher.messages.texts.first().endsWith(QStringLiteral(" in ZOOTfront (Rescan)")));
        QCOMPARE(launcher.count(), 1);
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
        QVERIFY(launcher.messages.texts.isEmpty());
        QCOMPARE(folder.savedOption("ResCombo"), QStringLiteral("4"));
        QCOMPARE(folder.savedOption("NoCRCCheck"), QStringLiteral("1"));
    }

    // Any button but the left one on "Play" shows the command line and starts
    // nothing. With "Use other:" checked and nothing in its box, the left one
    // starts nothing either (the image would be the program) and says why;
    // the options are saved all the same.
    void otherButtonsAndTheOtherCommand()
    {
        AppFolder folder;
        const QString game = folder.addImage(QStringLiteral("game.gb"), "GAME");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        launcher.window.AltCmdText->setText(QStringLiteral("myemu --fast"));
        clickButton(launcher.window.AltCmdCheck);
        for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton})
            QTest::mousePress(launcher.window.Command2, button);
        QCOMPARE(launcher.messages.commandLines, QStringList(2, QStringLiteral("myemu --fast %1 -sound 0 -video 0").arg(game)));
        QCOMPARE(folder.savedOption("AltCmdText"), QStringLiteral("myemu --fast"));
        launcher.window.AltCmdText->setText(QStringLiteral("   "));
        QTest::mousePress(launcher.window.Command2, Qt::LeftButton);
        QVERIFY(launcher.platform.starts.isEmpty());
        QCOMPARE(launcher.messages.texts.size(), 1);
        QVERIFY(launcher.messages.texts.first().startsWith(QStringLiteral("The other command is empty")));
        QCOMPARE(folder.savedOption("AltCmdCheck"), QStringLiteral("1"));
        QCOMPARE(folder.savedOption("AltCmdText"), QStringLiteral("   "));
    }

    // The shown command line breaks only at spaces between words, never in
    // a flag or inside a quoted path, and copies whole.
    void commandLineBoxBreaksOnlyBetweenWords()
    {
        const QString commandLine = QStringLiteral("ZOOT \"\" \"/home/someone/Game Boy/Roms/a very long name for a racing game.gb\""
                                                   " -cgb -nocrc -sound 1 -volume 10 -stereo 1 -video 3"
                                                   " -bg \"/home/someone/Game Boy/pictures of stars.bmp\" -2p");
        CommandLineBox box(QStringLiteral("ZOOTfront"), commandLine, nullptr);
        const QTextDocument *document = box.text->document();
        QVERIFY(document->blockCount() > 2);
        QStringList lines;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            lines.append(block.text());
            QVERIFY2(block.text().count(u'"') % 2 == 0 && !block.text().endsWith(u'-') && !block.text().startsWith(u' '),
                     qPrintable(block.text()));
        }
        QCOMPARE(lines.join(u' '), commandLine);
        QVERIFY(box.text->isReadOnly());
        box.show();
        QVERIFY(box.text->viewport()->height() >= document->blockCount() * QFontMetrics(box.text->font()).lineSpacing());
        box.text->selectAll();
        box.text->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), commandLine);
        QTextCursor firstWord(box.text->document());
        firstWord.setPosition(4, QTextCursor::KeepAnchor);
        box.text->setTextCursor(firstWord);
        box.text->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("ZOOT"));
    }

    // Names that look alike or are not UTF-8 each list under their own title
    // and start their own file, byte for byte, on Enter or Return; so does
    // a picture's.
    void everyNameStartsItsOwnFile()
    {
        AppFolder folder;
        const QByteArray roms = QFile::encodeName(folder.romsPath()) + '/';
        folder.addImage(decodeNative("\xEF\xBB\xBF.gb"), QByteArray());
        folder.addImage(decodeNative("\xEF\xBB\xBF" "bom.gb"), "BOM", 0x80, 0x03);
        folder.addImage(decodeNative("caf\xE9.gb"), "CAFE", 0x80);
        folder.addImage(QStringLiteral("bom.gb"), "PLAIN");
        folder.addRaw(decodeNative("f\xE9.bmp"), "BM");
        folder.writeOptions("BackgroundCheck=1\n");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        const QList<QByteArray> files{"\xEF\xBB\xBF.gb", "\xEF\xBB\xBF" "bom.gb", "caf\xE9.gb", "bom.gb"};
        const QStringList panels{"Roms/\uFEFF.gb", "Roms/\uFEFFbom.gb", "Roms/caf\uFFFD.gb", "Roms/bom.gb"};
        for (int row = 0; row < files.size(); ++row) {
            launcher.window.List1->selectRow(row);
            QCOMPARE(launcher.panel(kFilenamePanel)->text(), panels.at(row));
            QCOMPARE(launcher.panel(kSgbPanel)->isEnabled(), row == 1);
            QTest::keyClick(launcher.window.List1, row % 2 ? Qt::Key_Enter : Qt::Key_Return);
            const QStringList arguments = launcher.platform.starts.last().arguments;
            QCOMPARE(encodeNative(arguments.first()), roms + files.at(row));
            QCOMPARE(encodeNative(arguments.last()), QFile::encodeName(folder.path()) + "/f\xE9.bmp");
        }
        QCOMPARE(launcher.line(0), line(QStringLiteral("[\uFEFF.gb]"), QStringLiteral("\uFEFF.gb")));
        QVERIFY2(launcher.messages.texts.isEmpty(), qPrintable(launcher.messages.texts.join(u'|')));
    }

    // "Play" answers the mouse only; a click on "?", or Enter or Space on it
    // when it has the focus, opens the About window modally.
    void keysOnTheButtons()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("game.gb"), "GAME");
        Launcher launcher(folder);
        QVERIFY(launcher.start());
        QApplication::setActiveWindow(&launcher.window);
        QVERIFY(QTest::qWaitForWindowActive(&launcher.window));
        launcher.window.Command2->setFocus();
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
            QTest::keyClick(launcher.window.Command2, key);
        QVERIFY(launcher.platform.starts.isEmpty());
        for (Qt::Key key : {Qt::Key_unknown, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            launcher.window.Command1->setFocus();
            const QString version = versionLineOfAboutOpenedBy(launcher.window, [&] {
                if (key == Qt::Key_unknown)
                    QTest::mouseClick(launcher.window.Command1, Qt::LeftButton);
                else
                    QTest::keyClick(launcher.window.Command1, key);
            });
            QCOMPARE(version, QStringLiteral("ZOOTfront v1.4.1"));
        }
    }

    // A launch whose image is gone and whose options cannot be saved goes
    // on: the failures are shown in the order they happen.
    void launchProblemsAreShownInOrder()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("game.gb"), "GAME");
        folder.addRaw(QStringLiteral("config"), "a file where the settings folder belongs");
        Launcher launcher(folder);
        launcher.platform.startFailure = QStringLiteral("Cannot start \"ZOOT\": it was not found on the search path (PATH).");
        QVERIFY(launcher.start());
        QVERIFY(launcher.messages.texts.isEmpty()); // no settings folder: the defaults, and nothing to say
        QVERIFY(QFile::remove(folder.romsPath() + QStringLiteral("/game.gb")));
        QTest::mousePress(launcher.window.Command2, Qt::LeftButton);
        QCOMPARE(launcher.messages.texts.size(), 3);
        QCOMPARE(launcher.messages.texts.first(), QStringLiteral("Error in ShortName\n\nDon't rename romsets during Pwk operations !"));
        QVERIFY2(launcher.messages.texts.at(1).contains(folder.settingsFile()), qPrintable(launcher.messages.texts.at(1)));
        QCOMPARE(launcher.messages.texts.last(), *launcher.platform.startFailure);
        QCOMPARE(launcher.platform.starts.size(), 1);
    }

    // Tab follows the design's order; it enters a group of option buttons at
    // the selected one, and the arrow keys move the selection in the group.
    void keyboardFocus()
    {
        AppFolder folder;
        folder.addImage(QStringLiteral("game.gb"), "GAME");
        folder.writeOptions("CgbOption=2\nSoundOption=1\n");
        Launcher launcher(folder);
        MainForm &w = launcher.window;
        QVERIFY(launcher.start());
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), w.List1);
        const QList<QWidget *> expected{w.Command2,          w.AltCmdCheck,     w.AltCmdText,      w.Command1,
                                        w.NoCRCCheck,        w.CgbOption->button(2), w.SoundOption->button(1),
                                        w.VolumeSlider,      w.VolumeCheck,     w.StereoCombo,     w.StereoCheck,
                                        w.BackgroundCombo,   w.BackgroundCheck, w.ResCombo,        w.TwoPlayersCheck, w.List1};
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        w.CgbOption->button(2)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(w.CgbOption->checkedId(), 3);
        QCOMPARE(QApplication::focusWidget(), w.CgbOption->button(3));
        // "Super GameBoy" comes late in the tab order: the group is passed by.
        w.NoCRCCheck->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.SoundOption->button(1));
    }

    // The window before and after start-up on an empty Roms folder.
    void layoutAndEmptyStartup()
    {
        AppFolder folder;
        Launcher launcher(folder);
        MainForm &w = launcher.window;
        QCOMPARE(w.size(), QSize(385, 378));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w.windowTitle(), QStringLiteral("brindle's ZOOTfront"));
        QVERIFY(w.windowIcon().availableSizes().contains(QSize(32, 32)));
        QCOMPARE(w.Frame1->geometry(), QRect(8, 8, 161, 313));
        QCOMPARE(w.List1->geometry(), QRect(8, 16, 145, 285));
        QCOMPARE(w.Command2->geometry(), QRect(208, 328, 169, 25));
        QCOMPARE(w.Command1->geometry(), QRect(176, 328, 25, 25));
        QCOMPARE(w.StatusBar1->geometry(), QRect(0, 361, 385, 17));
        QCOMPARE(w.StatusBar1->panel(kFilenamePanel)->geometry(), QRect(0, 0, 270, 17));
        QCOMPARE(w.CgbOption->button(3)->geometry(), QRect(8, 64, 97, 17));
        QCOMPARE(w.VolumeSlider->geometry(), QRect(64, 48, 129, 17));
        QCOMPARE(w.VolumeSlider->maximum(), 15);
        QVERIFY(QFontInfo(w.List1->font()).fixedPitch());
        QVERIFY(w.Command2->font().bold());
        // Option buttons stand top to bottom in index order.
        for (int i = 1; i < 4; ++i)
            QVERIFY(w.CgbOption->button(i)->y() > w.CgbOption->button(i - 1)->y());
        QVERIFY(w.SoundOption->button(1)->y() > w.SoundOption->button(0)->y());
        QStringList resolutions;
        for (int i = 0; i < w.ResCombo->count(); ++i)
            resolutions.append(w.ResCombo->itemText(i));
        QCOMPARE(resolutions, (QStringList{"320x200 with title", "320x200 w/o title", "360x144 full screen",
                                           "180x144 full screen", "256x200 with title", "256x200 w/o title"}));
        QCOMPARE(w.ResCombo->currentIndex(), -1);

        QVERIFY(launcher.start());
        QCOMPARE(launcher.count(), 1);
        QCOMPARE(launcher.line(0), QStringLiteral("No GB roms :'("));
        QCOMPARE(w.List1->selectedRow(), -1);
        QCOMPARE(w.Frame1->title(), QStringLiteral("Games"));
        QStringList panels;
        for (const QString &key : {kFilenamePanel, kMbitsPanel, kSgbPanel, kCgbPanel})
            panels.append(launcher.panel(key)->text());
        QCOMPARE(panels, (QStringList{"Filename...", "0Mbits", "SGB", "CGB"}));
        QVERIFY(launcher.messages.texts.isEmpty());
    }

    // Every caption of both windows is whole in its design box and clear of
    // its neighbours: in the design face, and in the face a machine without
    // it falls back to, where all captions of a window shrink by one factor.
    // A face the font database lists but whose file cannot be read (truncated
    // since, or readable by root only) is drawn in a fallback too.
    void everyCaptionFits_data()
    {
        QTest::addColumn<bool>("about");
        QTest::addColumn<QString>("face");
        for (const bool about : {false, true}) {
            const char *window = about ? "About" : "main";
            QTest::addRow("%s, design face", window) << about << QString();
            QTest::addRow("%s, a face not installed", window) << about << QStringLiteral("No Such Face");
            QTest::addRow("%s, a listed face that cannot be read", window) << about << QStringLiteral("MS Sans Serif");
        }
    }
    void everyCaptionFits()
    {
        QFETCH(bool, about);
        QFETCH(QString, face);
        QTemporaryDir fonts;
        if (face == QLatin1String("MS Sans Serif")) {
            const QString unreadable = fonts.filePath(QStringLiteral("unreadable.ttf"));
            QVERIFY(QFile::copy(QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf"), unreadable));
            QVERIFY(QFontDatabase::addApplicationFont(unreadable) >= 0);
            QVERIFY(QFontDatabase::families().contains(face));
            QVERIFY(QFile::resize(unreadable, 0));
        }
        AppFolder folder;
        Launcher launcher(folder);
        FrmAboutkel aboutWindow(launcher.platform, nullptr);
        QWidget *window = about ? static_cast<QWidget *>(&aboutWindow) : &launcher.window;
        QList<QWidget *> captioned;
        QList<qreal> designSizes;
        for (QWidget *control : window->findChildren<QWidget *>()) {
            if (const std::optional<Caption> caption = captionOf(control); caption && !caption->text.isEmpty()) {
                captioned.append(control);
                designSizes.append(control->font().pointSizeF());
            }
        }
        QVERIFY(captioned.size() >= (about ? 6 : 20)); // frames, labels, check boxes, options, buttons, panels
        for (QWidget *control : std::as_const(captioned)) {
            QFont font = control->font();
            font.setFamily(face.isEmpty() ? font.family() : face);
            control->setFont(font);
        }
        fitCaptions(window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QSet<int> scales;
        for (qsizetype i = 0; i < captioned.size(); ++i) {
            QVERIFY2(captionFits(captioned.at(i)), qPrintable(captioned.at(i)->objectName() + u' ' + captionOf(captioned.at(i))->text));
            scales.insert(qRound(captioned.at(i)->font().pointSizeF() / designSizes.at(i) * 100));
        }
        QCOMPARE(scales.size(), 1);
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
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Games"));
        QStringList read;
        for (int i = 0; i < list->childCount(); ++i) {
            if (QAccessibleInterface *child = list->child(i); child && child->role() == QAccessible::ListItem)
                read.append(child->text(QAccessible::Name));
        }
        QCOMPARE(read, (QStringList{line("ALPHA", "a.gb"), line("BRAVO", "b.gb")}));
        const auto accessible = [](QObject *object) { return QAccessible::queryAccessibleInterface(object); };
        QCOMPARE(accessible(launcher.panel(kFilenamePanel))->text(QAccessible::Name), QStringLiteral("Roms/a.gb"));
        QVERIFY(!accessible(launcher.panel(kCgbPanel))->state().disabled);
        QVERIFY(accessible(launcher.panel(kSgbPanel))->state().disabled);
        QCOMPARE(accessible(launcher.window.VolumeSlider)->text(QAccessible::Name), QStringLiteral("Volume level"));
    }

};

QTEST_MAIN(MainFormTest)
#include "tst_mainform.moc"
