// SPDX-License-Identifier: MIT
#pragma once

#include "catalogue/ScanRoms.h"

#include <QWidget>

#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace zoot {

class GamesList;
class Messages;
class Platform;
class PressButton;
class StatusPanels;

// The keys of the status bar's panels.
inline const QString kFilenamePanel = QStringLiteral("Filename");
inline const QString kMbitsPanel = QStringLiteral("Mbits");
inline const QString kSgbPanel = QStringLiteral("SGB");
inline const QString kCgbPanel = QStringLiteral("CGB");

// The launcher's one main window: the games list, the emulator's options, the
// "?" and "Play" buttons and the status bar of the selected game. Each option's
// control is named after the option's key.
class MainForm : public QWidget {
    Q_OBJECT
public:
    MainForm(Platform &platform, Messages &messages, QWidget *parent = nullptr);

    // The start-up sequence: scan (or finish a scan started before the window
    // was built), select the first game, restore the options. Failures are
    // gathered into one report.
    void load(std::unique_ptr<RomsScan> started = nullptr);

    // The controls, under their design names.
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QGroupBox *Frame4 = nullptr;
    QGroupBox *Frame5 = nullptr;
    GamesList *List1 = nullptr;
    QComboBox *BackgroundCombo = nullptr;
    QComboBox *ResCombo = nullptr;
    QComboBox *StereoCombo = nullptr;
    QCheckBox *BackgroundCheck = nullptr;
    QCheckBox *StereoCheck = nullptr;
    QCheckBox *VolumeCheck = nullptr;
    QCheckBox *TwoPlayersCheck = nullptr;
    QCheckBox *NoCRCCheck = nullptr;
    QCheckBox *AltCmdCheck = nullptr;
    QLabel *Label1 = nullptr;
    QSlider *VolumeSlider = nullptr;
    QLineEdit *AltCmdText = nullptr;
    QButtonGroup *CgbOption = nullptr;
    QButtonGroup *SoundOption = nullptr;
    QPushButton *Command1 = nullptr;
    PressButton *Command2 = nullptr;
    StatusPanels *StatusBar1 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void buildStatusBar();
    void buildCommandRow();
    void buildGamesFrame();
    void buildVideoFrame();
    void buildModesFrame();
    void buildSoundFrame();
    void buildMiscFrame();
    void setDesignTabOrder();
    void connectHandlers();
    void centreOnScreen();

    void showCatalogue(Catalogue catalogue);
    void restoreOptions(QStringList &report);
    void showSelectedGame();
    void updateSoundControls();
    void rescan();
    void play(Qt::MouseButton button);
    void showAbout();

    QString failureReport(const QString &description, const QString &step) const;

    Platform &m_platform;
    Messages &m_messages;
};

} // namespace zoot
