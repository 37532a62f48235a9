// SPDX-License-Identifier: MIT
// Builds the main window's controls with their design names, captions, list
// contents, fonts, geometry and tab order.
#include "ui/MainForm/MainForm.h"

#include "platform/CaptionFit.h"
#include "platform/DesignFonts.h"
#include "platform/DesignUnits.h"
#include "options/OptionSet.h"
#include "ui/FrmAboutkel/DrawnIcons.h"
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

QFont windowFont()
{
    return designFont(QStringLiteral("Tahoma"), 7.8);
}

QFont buttonFont()
{
    return designFont(QStringLiteral("Tahoma"), 10.2, true);
}

QFont listFont()
{
    return designFont(QStringLiteral("Tahoma"), 7.2);
}

template <typename Control>
Control *place(Control *control, const char *name, const QRect &geometry)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *box = place(new QGroupBox(caption, parent), name, geometry);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    return place(new QCheckBox(caption, parent), name, geometry);
}

QComboBox *dropDown(QWidget *parent, const char *name, const QStringList &lines, const QString &accessibleName,
                    const QRect &geometry)
{
    auto *combo = place(new QComboBox(parent), name, geometry);
    combo->setEditable(false);
    combo->setFont(listFont());
    combo->setAccessibleName(accessibleName);
    for (int i = 0; i < lines.size(); ++i)
        combo->addItem(lines.at(i), i);
    combo->setCurrentIndex(-1);
    return combo;
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
    AltCmdCheck = checkBox(this, "AltCmdCheck", QStringLiteral("Use other:"), twipsRect(120, 4800, 1212, 252));
    setDesignTabOrder();
    fitCaptions(this);
}

void MainForm::buildStatusBar()
{
    StatusBar1 = place(new StatusPanels(this), "StatusBar1", twipsRect(0, 5412, 5772, 252));
    StatusBar1->setFont(windowFont());
    StatusBar1->addPanel(QStringLiteral("Filename"), QStringLiteral("Filename..."), 4050);
    StatusBar1->addPanel(QStringLiteral("Mbits"), QStringLiteral("0Mbits"), 700);
    StatusBar1->addPanel(QStringLiteral("SGB"), QStringLiteral("SGB"), 500);
    StatusBar1->addPanel(QStringLiteral("CGB"), QStringLiteral("CGB"), 500);
}

// "?", the other command's text and "Play", under the frames.
void MainForm::buildCommandRow()
{
    Command1 = place(new QPushButton(QStringLiteral("?"), this), "Command1", twipsRect(2640, 4920, 372, 372));
    Command1->setFont(buttonFont());
    Command1->setAccessibleName(QStringLiteral("About"));

    AltCmdText = place(new QLineEdit(QStringLiteral("Text1"), this), "AltCmdText", twipsRect(120, 5040, 2412, 288));
    AltCmdText->setAccessibleName(QStringLiteral("Other command"));
    AltCmdText->setMaxLength(std::numeric_limits<int>::max());

    Command2 = place(new PressButton(QStringLiteral("Play"), this), "Command2", twipsRect(3120, 4920, 2532, 372));
    Command2->setFont(buttonFont());

    // No button answers Enter for the window.
    for (QPushButton *button : {static_cast<QPushButton *>(Command1), static_cast<QPushButton *>(Command2)}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

void MainForm::buildGamesFrame()
{
    Frame1 = frame(this, "Frame1", QStringLiteral("Games"), twipsRect(120, 120, 2412, 4692));
    List1 = place(new GamesList(Frame1), "List1", twipsRect(120, 240, 2172, 4272));
    List1->setFont(designFont(QStringLiteral("Courier"), 9.6));
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setAccessibleName(QStringLiteral("Games"));
    List1->addLine(QStringLiteral("123456789012345678901234567890123456789012345"));
    List1->addLine(QStringLiteral("games list"));
}

void MainForm::buildVideoFrame()
{
    Frame5 = frame(this, "Frame5", QStringLiteral("Video"), twipsRect(2640, 120, 3012, 1092));
    BackgroundCombo = dropDown(Frame5, "BackgroundCombo", {}, QStringLiteral("Background picture"),
                               twipsRect(1320, 600, 1572, 264));
    ResCombo = dropDown(Frame5, "ResCombo",
                        {QStringLiteral("320x200 with title"), QStringLiteral("320x200 w/o title"),
                         QStringLiteral("360x144 full screen"), QStringLiteral("180x144 full screen"),
                         QStringLiteral("256x200 with title"), QStringLiteral("256x200 w/o title")},
                        QStringLiteral("Resolution"), twipsRect(960, 240, 1932, 264));
    BackgroundCheck = checkBox(Frame5, "BackgroundCheck", QStringLiteral("Background"), twipsRect(120, 600, 1212, 252));
    Label1 = place(new QLabel(QStringLiteral("Resolution:"), Frame5), "Label1", twipsRect(120, 240, 852, 252));
    Label1->setBuddy(ResCombo);
}

// The four hardware modes, made in the design's order 3, 2, 0, 1.
void MainForm::buildModesFrame()
{
    Frame3 = frame(this, "Frame3", QStringLiteral("GB modes"), twipsRect(2640, 1200, 3012, 1332));
    CgbOption = new QButtonGroup(this);
    CgbOption->setObjectName(QStringLiteral("CgbOption"));
    optionButton(CgbOption, Frame3, 3, QStringLiteral("Super GameBoy"), twipsRect(120, 960, 1452, 252));
    optionButton(CgbOption, Frame3, 2, QStringLiteral("Force GB"), twipsRect(120, 720, 972, 252));
    optionButton(CgbOption, Frame3, 0, QStringLiteral("Auto enable CGB"), twipsRect(120, 240, 1572, 252));
    optionButton(CgbOption, Frame3, 1, QStringLiteral("Force CGB"), twipsRect(120, 480, 1092, 252));
}

void MainForm::buildSoundFrame()
{
    Frame4 = frame(this, "Frame4", QStringLiteral("Sound"), twipsRect(2640, 2520, 3012, 1452));
    StereoCheck = checkBox(Frame4, "StereoCheck", QStringLiteral("Stereo"), twipsRect(120, 1080, 732, 252));
    StereoCombo = dropDown(Frame4, "StereoCombo",
                           {QStringLiteral("Mono"), QStringLiteral("Normal"), QStringLiteral("Reversed")},
                           QStringLiteral("Stereo mode"), twipsRect(1080, 1080, 1692, 264));
    VolumeCheck = checkBox(Frame4, "VolumeCheck", QStringLiteral("Volume"), twipsRect(120, 720, 852, 252));
    VolumeSlider = place(new QSlider(Qt::Horizontal, Frame4), "VolumeSlider", twipsRect(960, 720, 1932, 252));
    VolumeSlider->setRange(kVolumeLowest, kVolumeHighest);
    VolumeSlider->setSingleStep(1);
    VolumeSlider->setPageStep(5);
    VolumeSlider->setValue(0);
    VolumeSlider->setAccessibleName(QStringLiteral("Volume level"));
    SoundOption = new QButtonGroup(this);
    SoundOption->setObjectName(QStringLiteral("SoundOption"));
    optionButton(SoundOption, Frame4, 1, QStringLiteral("AdLib"), twipsRect(120, 480, 2172, 252));
    optionButton(SoundOption, Frame4, 0, QStringLiteral("No Sound"), twipsRect(120, 240, 2172, 252));
}

void MainForm::buildMiscFrame()
{
    Frame2 = frame(this, "Frame2", QStringLiteral("Misc options"), twipsRect(2640, 3960, 3012, 852));
    TwoPlayersCheck = checkBox(Frame2, "TwoPlayersCheck", QStringLiteral("2 players (SGB)"), twipsRect(120, 480, 1452, 252));
    NoCRCCheck = checkBox(Frame2, "NoCRCCheck", QStringLiteral("Disable crc"), twipsRect(120, 240, 1092, 252));
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
