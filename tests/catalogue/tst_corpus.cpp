// SPDX-License-Identifier: MIT
// Checks against a corpus of real-world images kept outside the repository
// (public test ROMs and header-tool outputs, deliberately odd bytes). What
// each image must give is written out below, read off its header by hand.
// Without the corpus every test here is skipped, and CTest reports this
// program as skipped.
#include "catalogue/CatalogueEntry.h"
#include "catalogue/HeaderProbes.h"
#include "catalogue/ScanRoms.h"
#include "platform/QtPlatform.h"
#include "platform/ZootError.h"
#include "tests/support/RecordingPlatform.h"

#include <QtTest>

using namespace zoot;

namespace {

struct Expected {
    const char *name;
    QByteArray title; // Latin-1; empty when the header has none
    bool cgb;
    bool sgb;
};

// clang-format off
const QList<Expected> kCorpus{
    {"01-read_timing.gb", "foo", true, false},
    {"01-registers.gb", "", false, false},
    {"02-write_timing.gb", "02-WRITE_TIMING", true, false},
    {"03-modify_timing.gb", "03-MODIFY_TIMIN", true, false},
    {"03-op sp,hl.gb", "", true, false},
    {"cgb_sound.gb", "CGB_SOUND", true, false},
    {"cpu_instrs.gb", "CPU_INSTRS", true, false},
    {"dmg_sound.gb", "DMG_SOUND", false, false},
    {"halt_bug.gb", "", true, false},
    {"instr_timing.gb", "INSTR_TIMING", true, false},
    {"interrupt_time.gb", "", true, false},
    {"oam_bug.gb", "OAM_BUG", true, false},
    {"rgbfix-color.gb", "0\xe1\xb3}\xb2\xbex\xfd\xb8\x07\xd4\xb4\xe7\xe2\xeb", true, false},
    {"rgbfix-compatible.gb", "\xf9\xf1\x1f\xffsAF\xeb#\x15\t\rn\xed\xef", true, false},
    {"rgbfix-gameid.gb", "\x88(\n\xd7\\\x86\x9b\xdb" "ab4RGBD\xce", false, false},
    {"rgbfix-mbc-rom-only.gb", "", false, false},
    {"rgbfix-noop.gb", "kk\x19)\xa2q\xf5" "a\xd7" "b\xac*\x05+\xec|", true, false},
    {"rgbfix-sgb.gb", "\x10~;,\xfa\x9d;\xa0\xab\x05'.\xf3\xec\xfc^", false, true},
    {"rgbfix-title-color-trunc.gb", "0123456789ABCDE", true, false},
    {"rgbfix-title-compat-trunc.gb", "0123456789ABCDE", true, false},
    {"rgbfix-title-gameid-trunc.gb", "0123456789Argbd)", true, false},
    {"rgbfix-title-pad.gb", "I_LOVE_YOU,\x8a\t\xf5\xcb\xde", true, false},
    {"rgbfix-title.gb", "Game_Boy_dev_rox", false, false},
};
// clang-format on

QString corpusFolder()
{
    return qEnvironmentVariable("ZOOT_SHARED_CORPUS");
}

bool corpusIsThere()
{
    return QFile::exists(corpusFolder() + QStringLiteral("/expected.tsv"));
}

} // namespace

class CorpusTest : public QObject {
    Q_OBJECT
    QtPlatform platform;

private slots:
    void init()
    {
        if (!corpusIsThere())
            QSKIP("the shared header corpus is not beside this checkout");
    }

    void probes()
    {
        const std::shared_ptr<const Folder> folder = platform.openFolder(corpusFolder());
        for (const Expected &image : kCorpus) {
            const QString path = corpusFolder() + u'/' + QLatin1String(image.name);
            QCOMPARE(TitleProbe(*folder, QLatin1String(image.name)), QString::fromLatin1(image.title));
            QCOMPARE(ColourProbe(platform, path) == u"CGB", image.cgb);
            QCOMPARE(SuperProbe(platform, path) == u"SGB", image.sgb);
        }
        const QString empty = corpusFolder() + QStringLiteral("/rgbfix-empty.gb");
        QVERIFY_THROWS_EXCEPTION(ZootError, TitleProbe(*folder, QStringLiteral("rgbfix-empty.gb")));
        QVERIFY_THROWS_EXCEPTION(ZootError, ColourProbe(platform, empty));
        QVERIFY_THROWS_EXCEPTION(ZootError, SuperProbe(platform, empty));
    }

    // A scan of the corpus, readers called in as on a network share, lists
    // every image under its title, or its name when it has none.
    void scanOfTheCorpus()
    {
        QTemporaryDir app;
        QVERIFY(QFile::link(corpusFolder(), app.filePath(QStringLiteral("Roms"))));
        test::RecordingPlatform slow(app.path(), app.filePath(QStringLiteral("ZOOTfront.conf")));
        slow.readDelayUs = 300;
        QHash<QString, QString> titles;
        for (const CatalogueEntry &entry : ScanRoms(slow).games)
            titles.insert(entry.relativePath, entry.line.left(kMaxTitle).trimmed());
        QCOMPARE(titles.size(), kCorpus.size() + 1);
        for (const Expected &image : kCorpus) {
            const QString name = QLatin1String(image.name);
            const QString shown = image.title.isEmpty() ? u'[' + name + u']' : QString::fromLatin1(image.title).trimmed();
            QCOMPARE(titles.value(QStringLiteral("Roms/") + name), shown);
        }
        QCOMPARE(titles.value(QStringLiteral("Roms/rgbfix-empty.gb")), QStringLiteral("[rgbfix-empty.gb]"));
    }
};

QTEST_GUILESS_MAIN(CorpusTest)
#include "tst_corpus.moc"
