#include "files/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QRawFont>

#include <algorithm>
#include <utility>
#include <vector>

namespace bks {

namespace {

// Characters every worksheet heading uses; a face without them cannot print
// a worksheet.
const QString kProbeKanji = QStringLiteral("漢字練習帳");

enum class Kind { ProportionalMincho, FixedMincho, Gothic };

struct WindowsName {
    QString name;
    Kind kind;
};

const std::vector<WindowsName> &windowsNames()
{
    static const std::vector<WindowsName> names = {
        {QStringLiteral("ＭＳ Ｐ明朝"), Kind::ProportionalMincho},
        {QStringLiteral("MS PMincho"), Kind::ProportionalMincho},
        {QStringLiteral("ＭＳ 明朝"), Kind::FixedMincho},
        {QStringLiteral("MS Mincho"), Kind::FixedMincho},
        {QStringLiteral("ＭＳ Ｐゴシック"), Kind::Gothic},
        {QStringLiteral("MS PGothic"), Kind::Gothic},
        {QStringLiteral("ＭＳ ゴシック"), Kind::Gothic},
        {QStringLiteral("MS Gothic"), Kind::Gothic},
    };
    return names;
}

QStringList candidates(Kind kind)
{
    switch (kind) {
    case Kind::ProportionalMincho:
        return {QStringLiteral("BIZ UDPMincho"), QStringLiteral("IPAexMincho"),
                QStringLiteral("BIZ UDMincho"), QStringLiteral("IPAMincho")};
    case Kind::FixedMincho:
        return {QStringLiteral("BIZ UDMincho"), QStringLiteral("IPAexMincho"),
                QStringLiteral("BIZ UDPMincho"), QStringLiteral("IPAMincho")};
    case Kind::Gothic:
        return {QStringLiteral("IPAexGothic"), QStringLiteral("BIZ UDPGothic"),
                QStringLiteral("BIZ UDGothic"), QStringLiteral("IPAGothic")};
    }
    return {};
}

// The installed face a Windows name stands for; empty when the name is not
// one of them, when the Windows face itself is installed, or when nothing
// fitting is.
QString installedStandIn(const QString &face)
{
    const auto &names = windowsNames();
    const auto it = std::find_if(names.begin(), names.end(), [&](const WindowsName &w) {
        return w.name.compare(face, Qt::CaseInsensitive) == 0;
    });
    if (it == names.end())
        return {};
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(face, Qt::CaseInsensitive))
        return {};
    for (const QString &candidate : candidates(it->kind)) {
        if (installed.contains(candidate, Qt::CaseInsensitive))
            return candidate;
    }
    return {};
}

bool printsKanji(const QString &family)
{
    const QRawFont raw = QRawFont::fromFont(QFont(family));
    // The font matcher hands out a fallback face for a family it cannot
    // serve; that face's glyphs say nothing about this family.
    if (!raw.isValid() || raw.familyName().compare(family, Qt::CaseInsensitive) != 0)
        return false;
    return std::all_of(kProbeKanji.begin(), kProbeKanji.end(),
                       [&](QChar c) { return raw.supportsCharacter(c); });
}

}  // namespace

QStringList KanjiFontFamilies()
{
    QStringList families;
    for (const QString &family : QFontDatabase::families()) {
        if (family.startsWith(QLatin1Char('@')) || QFontDatabase::isPrivateFamily(family))
            continue;
        if (printsKanji(family))
            families.append(family);
    }
    std::sort(families.begin(), families.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    families.removeDuplicates();

    QStringList entries;
    entries.reserve(families.size() * 2);
    for (const QString &family : std::as_const(families)) {
        entries.append(family);
        entries.append(QLatin1Char('@') + family);
    }
    return entries;
}

QString firstStartFace()
{
    const QString textbook = QStringLiteral("Klee One");
    return QFontDatabase::families().contains(textbook) ? textbook : kDefaultFaceName;
}

void InstallFontSubstitutions()
{
    for (const WindowsName &w : windowsNames()) {
        const QString standIn = installedStandIn(w.name);
        if (!standIn.isEmpty())
            QFont::insertSubstitution(w.name, standIn);
    }
}

QString resolvedFamily(const QString &face)
{
    const QString name = uprightFace(face);
    const QString standIn = installedStandIn(name);
    return standIn.isEmpty() ? name : standIn;
}

}  // namespace bks
