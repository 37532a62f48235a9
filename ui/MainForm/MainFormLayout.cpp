// SPDX-License-Identifier: MIT
// Builds the main window's controls with their design names, captions, list
// contents, fonts, geometry and tab order.
#include "ui/MainForm/MainForm.h"

#include "options/OptionTable.h"
#include "ui/Look/CaptionFit.h"
#include "ui/Look/DesignFonts.h"
#include "ui/Look/DesignUnits.h"
#include "ui/Look/DrawnIcons.h"
#include "ui/MainForm/GamesList.h"
#include "ui/MainForm/PressButton.h"
#include "ui/MainForm/StatusPanels.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include <limits>

namespace zoot {

namespace {

template <typename Control>
Control *place(Control *control, QLatin1String name, const QRect &geometry)
{
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *box = place(new QGroupBox(caption, parent), QLatin1String(name), geometry);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QCheckBox *checkBox(QWidget *parent, const Option &option, const QString &caption, const QRect &geometry)
{
    return place(new QCheckBox(caption, parent), option.name(), geometry);
}

QComboBox *dropDown(QWidget *parent, const Option &option, const QStringList &lines, const QString &accessibleName,
                    const QRect &geometry)
{
    auto *combo = place(new QComboBox(parent), option.name(), geometry);
    combo->setEditable(false);
    combo->setFont(listFont());
    combo->setAccessibleName(accessibleName);
    for (int i = 0; i < lines.size(); ++i)
        combo->addItem(lines.at(i), i);
    combo->setCurrentIndex(-1);
    return combo;
}

QButtonGroup *optionGroup(QWidget *window, const Option &option)
{
    auto *group = new QButtonGroup(window);
    group->setObjectName(option.name());
    // Only the selected button of a group is a tab stop: Tab enters the
    // group at its selection, and the arrow keys move the selection.
    QObject::connect(group, &QButtonGroup::idToggled, group, [group](int id, bool checked) {
        if (!checked)
            return;
        for (QAbstractButton *button : group->buttons())
            button->setFocusPolicy(group->id(button) == id ? Qt::StrongFocus : Qt::ClickFocus);
    });
    return group;
}

void optionButton(QButtonGroup *group, QWidget *parent, int index, const QString &caption, const QRect &geometry)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(group->objectName() + QStringLiteral("(%1)").arg(index));
    button->setGeometry(geometry);
    group->addButton(button, index);
}

} // namespace

void MainForm::buildControls()
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("brindle's ZOOTfront"));
    setWindowIcon(handheldIcon());
    setFont(windowFont());
    setFixedSize(px(5772), px(5664));

    // In the design's order of creation, which is also the stacking order.
    buildStatusBar();
    buildCommandRow();
    buildGamesFrame();
    buildVideoFrame();
    buildModesFrame();
    buildSoundFrame();
    buildMiscFrame();
    AltCmdCheck = checkBox(this, option::AltCmdCheck, QStringLiteral("Use other:"), twipsRect(120, 4800, 1212, 252));
    setDesignTabOrder();
    fitCaptions(this);
}

void MainForm::buildStatusBar()
{
    StatusBar1 = place(new StatusPanels(this), QLatin1String("StatusBar1"), twipsRect(0, 5412, 5772, 252));
    StatusBar1->setFont(windowFont());
    StatusBar1->addPanel(kFilenamePanel, QStringLiteral("Filename..."), 4050);
    StatusBar1->addPanel(kMbitsPanel, QStringLiteral("0Mbits"), 700);
    StatusBar1->addPanel(kSgbPanel, QStringLiteral("SGB"), 500);
    StatusBar1->addPanel(kCgbPanel, QStringLiteral("CGB"), 500);
}

// "?", the other command's text and "Play", under the frames.
void MainForm::buildCommandRow()
{
    Command1 = place(new QPushButton(QStringLiteral("?"), this), QLatin1String("Command1"), twipsRect(2640, 4920, 372, 372));
    Command1->setFont(buttonFont());
    Command1->setAccessibleName(QStringLiteral("About"));

    AltCmdText = place(new QLineEdit(QStringLiteral("Text1"), this), option::AltCmdText.name(), twipsRect(120, 5040, 2412, 288));
    AltCmdText->setAccessibleName(QStringLiteral("Other command"));
    AltCmdText->setMaxLength(std::numeric_limits<int>::max());

    Command2 = place(new PressButton(QStringLiteral("Play"), this), QLatin1String("Command2"), twipsRect(3120, 4920, 2532, 372));
    Command2->setFont(buttonFont());

    // No button is the window's default: Enter presses the focused one
    // (MainForm::keyPressEvent), and "Play" takes no keys.
    for (QPushButton *button : {static_cast<QPushButton *>(Command1), static_cast<QPushButton *>(Command2)}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

void MainForm::buildGamesFrame()
{
    Frame1 = frame(this, "Frame1", QStringLiteral("Games"), twipsRect(120, 120, 2412, 4692));
    List1 = place(new GamesList(Frame1), QLatin1String("List1"), twipsRect(120, 240, 2172, 4272));
    List1->setFont(gamesListFont());
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setAccessibleName(QStringLiteral("Games"));
    // The ruler and the sample line, in order: digits sort before letters.
    List1->setLines({QStringLiteral("123456789012345678901234567890123456789012345"), QStringLiteral("games list")});
}

void MainForm::buildVideoFrame()
{
    Frame5 = frame(this, "Frame5", QStringLiteral("Video"), twipsRect(2640, 120, 3012, 1092));
    BackgroundCombo = dropDown(Frame5, option::BackgroundCombo, {}, QStringLiteral("Background picture"),
                               twipsRect(1320, 600, 1572, 264));
    ResCombo = dropDown(Frame5, option::ResCombo,
                        {QStringLiteral("320x200 with title"), QStringLiteral("320x200 w/o title"),
                         QStringLiteral("360x144 full screen"), QStringLiteral("180x144 full screen"),
                         QStringLiteral("256x200 with title"), QStringLiteral("256x200 w/o title")},
                        QStringLiteral("Resolution"), twipsRect(960, 240, 1932, 264));
    BackgroundCheck = checkBox(Frame5, option::BackgroundCheck, QStringLiteral("Background"), twipsRect(120, 600, 1212, 252));
    Label1 = place(new QLabel(QStringLiteral("Resolution:"), Frame5), QLatin1String("Label1"), twipsRect(120, 240, 852, 252));
    Label1->setBuddy(ResCombo);
}

// The four hardware modes, made in the design's order 3, 2, 0, 1.
void MainForm::buildModesFrame()
{
    Frame3 = frame(this, "Frame3", QStringLiteral("GB modes"), twipsRect(2640, 1200, 3012, 1332));
    CgbOption = optionGroup(this, option::CgbOption);
    optionButton(CgbOption, Frame3, 3, QStringLiteral("Super GameBoy"), twipsRect(120, 960, 1452, 252));
    optionButton(CgbOption, Frame3, 2, QStringLiteral("Force GB"), twipsRect(120, 720, 972, 252));
    optionButton(CgbOption, Frame3, 0, QStringLiteral("Auto enable CGB"), twipsRect(120, 240, 1572, 252));
    optionButton(CgbOption, Frame3, 1, QStringLiteral("Force CGB"), twipsRect(120, 480, 1092, 252));
}

void MainForm::buildSoundFrame()
{
    Frame4 = frame(this, "Frame4", QStringLiteral("Sound"), twipsRect(2640, 2520, 3012, 1452));
    StereoCheck = checkBox(Frame4, option::StereoCheck, QStringLiteral("Stereo"), twipsRect(120, 1080, 732, 252));
    StereoCombo = dropDown(Frame4, option::StereoCombo,
                           {QStringLiteral("Mono"), QStringLiteral("Normal"), QStringLiteral("Reversed")},
                           QStringLiteral("Stereo mode"), twipsRect(1080, 1080, 1692, 264));
    VolumeCheck = checkBox(Frame4, option::VolumeCheck, QStringLiteral("Volume"), twipsRect(120, 720, 852, 252));
    VolumeSlider = place(new QSlider(Qt::Horizontal, Frame4), option::VolumeSlider.name(), twipsRect(960, 720, 1932, 252));
    VolumeSlider->setRange(option::VolumeSlider.lowest, option::VolumeSlider.highest);
    VolumeSlider->setSingleStep(1);
    VolumeSlider->setPageStep(5);
    VolumeSlider->setValue(0);
    VolumeSlider->setAccessibleName(QStringLiteral("Volume level"));
    SoundOption = optionGroup(this, option::SoundOption);
    optionButton(SoundOption, Frame4, 1, QStringLiteral("AdLib"), twipsRect(120, 480, 2172, 252));
    optionButton(SoundOption, Frame4, 0, QStringLiteral("No Sound"), twipsRect(120, 240, 2172, 252));
}

void MainForm::buildMiscFrame()
{
    Frame2 = frame(this, "Frame2", QStringLiteral("Misc options"), twipsRect(2640, 3960, 3012, 852));
    TwoPlayersCheck = checkBox(Frame2, option::TwoPlayersCheck, QStringLiteral("2 players (SGB)"), twipsRect(120, 480, 1452, 252));
    NoCRCCheck = checkBox(Frame2, option::NoCRCCheck, QStringLiteral("Disable crc"), twipsRect(120, 240, 1092, 252));
}

// Focus order by the design's tab indexes; frames, labels and the status bar
// never take the focus.
void MainForm::setDesignTabOrder()
{
    const QList<QWidget *> order{List1,
                                 Command2,
                                 AltCmdCheck,
                                 AltCmdText,
                                 Command1,
                                 NoCRCCheck,
                                 CgbOption->button(1),
                                 CgbOption->button(0),
                                 CgbOption->button(2),
                                 SoundOption->button(0),
                                 SoundOption->button(1),
                                 VolumeSlider,
                                 VolumeCheck,
                                 StereoCombo,
                                 StereoCheck,
                                 BackgroundCombo,
                                 BackgroundCheck,
                                 ResCombo,
                                 CgbOption->button(3),
                                 TwoPlayersCheck};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order.at(i), order.at(i + 1));
}

} // namespace zoot
