// SPDX-License-Identifier: MIT
#include "ui/Look/DesignFonts.h"

#include <QFile>
#include <QFontDatabase>

#include <fontconfig/fontconfig.h>

#include <memory>

namespace zoot {

namespace {

constexpr const char *kTahomaFiles[] = {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"};
constexpr const char *kTahomaFamily = "Tahoma";
const QString kTahoma = QLatin1String(kTahomaFamily);

template <typename Object, void (*destroy)(Object *)>
struct FcDestroy {
    void operator()(Object *object) const { destroy(object); }
};
template <typename Object, void (*destroy)(Object *)>
using FcOwned = std::unique_ptr<Object, FcDestroy<Object, destroy>>;

bool fontconfigHasTahoma()
{
    const FcOwned<FcPattern, FcPatternDestroy> pattern(FcPatternCreate());
    const FcOwned<FcObjectSet, FcObjectSetDestroy> family(FcObjectSetBuild(FC_FAMILY, nullptr));
    if (!pattern || !family
        || !FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8 *>(kTahomaFamily)))
        return false;
    const FcOwned<FcFontSet, FcFontSetDestroy> installed(FcFontList(nullptr, pattern.get(), family.get()));
    return installed && installed->nfont > 0;
}

// loadTahoma's work, done in fontconfig itself: Qt then finds the faces among
// the installed ones and has nothing to load.
void addTahomaToFontconfig()
{
    if (fontconfigHasTahoma())
        return;
    for (const char *file : kTahomaFiles)
        FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8 *>(file));
}

void loadTahoma()
{
    if (QFontDatabase::families().contains(kTahoma))
        return;
    for (const char *file : kTahomaFiles) {
        const QString path = QString::fromLatin1(file);
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}

QFont designFont(const QString &family, qreal points, bool bold = false)
{
    static const bool loaded = (loadTahoma(), true);
    Q_UNUSED(loaded);
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    const bool fixedPitch = family.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0;
    font.setStyleHint(fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
    font.setFixedPitch(fixedPitch);
    return font;
}

} // namespace

DesignFontsAhead::DesignFontsAhead()
    : m_thread([] {
          if (FcInit())
              addTahomaToFontconfig();
      })
{
}

void DesignFontsAhead::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

QFont windowFont()
{
    return designFont(kTahoma, 7.8);
}

QFont boldLabelFont()
{
    return designFont(kTahoma, 7.8, true);
}

QFont buttonFont()
{
    return designFont(kTahoma, 10.2, true);
}

QFont listFont()
{
    return designFont(kTahoma, 7.2);
}

QFont gamesListFont()
{
    return designFont(QStringLiteral("Courier"), 9.6);
}

} // namespace zoot
