// SPDX-License-Identifier: MIT
#include "ui/MainForm/MainForm.h"

#include "catalogue/CatalogueEntry.h"
#include "catalogue/HeaderProbes.h"
#include "launch/LaunchCommand.h"
#include "launch/StartCommand.h"
#include "options/OptionsStore.h"
#include "platform/NativeName.h"
#include "platform/PathJoin.h"
#include "platform/Platform.h"
#include "platform/ZootError.h"
#include "ui/FrmAboutkel/FrmAboutkel.h"
#include "ui/Look/EnterKey.h"
#include "ui/MainForm/GamesList.h"
#include "ui/MainForm/Messages.h"
#include "ui/MainForm/OptionControls.h"
#include "ui/MainForm/PressButton.h"
#include "ui/MainForm/ScanWithProgress.h"
#include "ui/MainForm/StatusPanels.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QSlider>

namespace zoot {

namespace {

const QString kNoGamesLine = QStringLiteral("No GB roms :'(");
// The step the start-up report names.
const QString kLoadStep = QStringLiteral("Form_Load");

} // namespace

MainForm::MainForm(Platform &platform, Messages &messages, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_platform(platform),
      m_messages(messages)
{
    buildControls();
    connectHandlers();
    centreOnScreen();
}

void MainForm::connectHandlers()
{
    connect(List1, &GamesList::selectedLineChanged, this, &MainForm::showSelectedGame);
    List1->viewport()->installEventFilter(this);
    List1->installEventFilter(this);
    connect(Command2, &PressButton::mousePressed, this, &MainForm::play);
    connect(Command1, &QPushButton::clicked, this, &MainForm::showAbout);
    connect(SoundOption, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            updateSoundControls();
    });
}

void MainForm::centreOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QString MainForm::failureReport(const QString &description, const QString &step) const
{
    return QStringLiteral("%1 in %2 (%3)").arg(description, m_platform.applicationTitle(), step);
}

void MainForm::load(std::unique_ptr<RomsScan> started)
{
    QStringList report;
    try {
        showCatalogue(scanWithProgress(m_platform, this, std::move(started)));
    } catch (const ZootError &error) {
        // Without a Roms folder the window still comes up usable, and the
        // options are still restored below, so a later launch cannot write
        // unrestored values over them.
        report.append(failureReport(error.description(), kLoadStep));
        List1->setSortedEntries({});
    }

    if (List1->count() > 0) {
        List1->selectRow(0);
        Frame1->setTitle(QStringLiteral("Games [%1]").arg(List1->count()));
    } else {
        List1->setLines({kNoGamesLine});
    }
    restoreOptions(report);
    if (!report.isEmpty())
        m_messages.show(this, report.join(u'\n'));
}

void MainForm::restoreOptions(QStringList &report)
{
    const RestoredOptions restored =
        zoot::restoreOptions(m_platform, [this](const Option &option) { return choicesFor(*this, option); });
    showOptions(*this, restored.values);
    updateSoundControls();
    for (const QString &problem : restored.problems)
        report.append(failureReport(problem, kLoadStep));
}

void MainForm::showCatalogue(Catalogue catalogue)
{
    List1->setSortedEntries(std::move(catalogue.games));
    if (!catalogue.pictures)
        return;
    BackgroundCombo->clear();
    for (const QString &name : std::as_const(*catalogue.pictures))
        BackgroundCombo->addItem(readableText(name), name);
    BackgroundCombo->setCurrentIndex(catalogue.pictures->isEmpty() ? -1 : 0);
}

void MainForm::showSelectedGame()
{
    if (List1->selectedRow() < 0)
        return;
    const CatalogueEntry entry = List1->selectedEntry();
    const QString path = joinPath(m_platform.applicationFolder(), entry.relativePath);
    // A line that names no readable image (the placeholder, a file gone since
    // the scan, a short file) shows neither flag; nor does an image whose read
    // a cancelled scan left stuck, which is not read again on the GUI thread.
    bool colour = false;
    bool super = false;
    try {
        colour = entry.headerRead && ColourProbe(m_platform, path) == QLatin1String("CGB");
    } catch (const ZootError &) {
    }
    try {
        super = entry.headerRead && SuperProbe(m_platform, path) == QLatin1String("SGB");
    } catch (const ZootError &) {
    }
    StatusBar1->panel(kCgbPanel)->setEnabled(colour);
    StatusBar1->panel(kSgbPanel)->setEnabled(super);
    StatusBar1->panel(kFilenamePanel)->setText(readableText(entry.relativePath));
}

void MainForm::updateSoundControls()
{
    const bool on = SoundOption->checkedId() == kAdLib;
    for (QWidget *control : {static_cast<QWidget *>(VolumeCheck), static_cast<QWidget *>(VolumeSlider),
                             static_cast<QWidget *>(StereoCheck), static_cast<QWidget *>(StereoCombo)})
        control->setEnabled(on);
}

void MainForm::rescan()
{
    try {
        showCatalogue(scanWithProgress(m_platform, this));
    } catch (const ZootError &error) {
        m_messages.show(this, failureReport(error.description(), QStringLiteral("Rescan")));
    }
}

void MainForm::play(Qt::MouseButton button)
{
    LaunchSelection selection;
    selection.game = List1->selectedEntry().relativePath;
    selection.background = BackgroundCombo->currentData().toString();

    const PreparedLaunch launch = prepareLaunch(m_platform, optionsShownBy(*this), selection);
    for (const QString &message : launch.messages)
        m_messages.show(this, message);
    if (launch.saveFailure)
        m_messages.show(this, *launch.saveFailure);
    if (button != Qt::LeftButton) {
        m_messages.showCommandLine(this, readableText(launch.commandLine));
        return;
    }
    if (launch.otherCommandBlank) {
        m_messages.show(this, kBlankOtherCommandMessage);
        return;
    }
    try {
        startCommandLine(m_platform, launch.commandLine, m_platform.applicationFolder());
    } catch (const ZootError &error) {
        m_messages.show(this, error.description());
    }
}

void MainForm::showAbout()
{
    FrmAboutkel about(m_platform, this);
    about.exec();
}

void MainForm::keyPressEvent(QKeyEvent *event)
{
    // "Play" takes no keys of its own; "?" answers Enter as it does Space.
    if (!pressFocusedButton(this, event))
        QWidget::keyPressEvent(event);
}

bool MainForm::eventFilter(QObject *watched, QEvent *event)
{
    // Enter on the games list starts the selected game, as a double-click
    // does: Qt's activation, and the keyboard's way to launch.
    if (watched == List1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            play(Qt::LeftButton);
            return true;
        }
    }
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    if (watched == List1->viewport() && (press || doubleClick)) {
        const Qt::MouseButton button = static_cast<QMouseEvent *>(event)->button();
        // The second press of a right double-click is a right press too: it
        // rescans, and never reaches the list to select a line.
        if (button == Qt::RightButton) {
            rescan();
            return true;
        }
        if (doubleClick && button == Qt::LeftButton) {
            play(Qt::LeftButton);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zoot
