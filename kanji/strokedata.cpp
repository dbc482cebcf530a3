#include "kanji/strokedata.h"

#include "common/shownname.h"
#include "kanji/datafilepath.h"
#include "kanji/strokefile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bks {
namespace {

// The real file is a few MB; anything far larger is not one, and is not read
// into memory.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

QString damaged(const QString &name)
{
    return QStringLiteral("書き順データ（%1）が読めません。書き順の機能は使えません。").arg(shownName(name));
}

}  // namespace

struct StrokeData::Data {
    QString problem;
    std::optional<StrokeFile> file;
    QHash<char32_t, CharacterStrokes> characters;
};

StrokeData::StrokeData() : d(std::make_unique<Data>()) {}
StrokeData::~StrokeData() = default;
StrokeData::StrokeData(StrokeData &&) noexcept = default;
StrokeData &StrokeData::operator=(StrokeData &&) noexcept = default;

QString StrokeData::installedPath()
{
    return installedDataFile(QStringLiteral("strokes.dat"));
}

StrokeData StrokeData::fromFile(const QString &path)
{
    StrokeData refused;
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0 && errno == ENOENT) {
        refused.d->problem = QStringLiteral("書き順データ（%1）が見つかりません。書き順の機能は使えません。")
                                 .arg(shownName(path));
        return refused;
    }
    refused.d->problem = damaged(path);
    // Only a regular file is opened: a FIFO would hold the open up until
    // something writes into it, and a device may never end. Opening without
    // waiting, and looking again at what was opened, keeps a FIFO put in
    // its place meanwhile from doing the same.
    if (!S_ISREG(st.st_mode) || st.st_size > kMaxFileBytes)
        return refused;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return refused;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refused;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxFileBytes)
        return refused;
    QByteArray bytes = file.read(st.st_size);
    if (file.error() != QFileDevice::NoError)
        bytes.clear();
    return fromBytes(std::move(bytes), path);
}

StrokeData StrokeData::fromBytes(QByteArray bytes, const QString &name)
{
    StrokeData data;
    data.d->file = StrokeFile::open(std::move(bytes));
    if (!data.d->file)
        data.d->problem = damaged(name);
    return data;
}

StrokeData StrokeData::fromCharacters(QHash<char32_t, CharacterStrokes> characters)
{
    StrokeData data;
    data.d->characters = std::move(characters);
    return data;
}

bool StrokeData::available() const
{
    return d->problem.isEmpty();
}

QString StrokeData::problem() const
{
    return d->problem;
}

std::optional<CharacterStrokes> StrokeData::lookup(char32_t codePoint) const
{
    if (d->file)
        return d->file->lookup(codePoint);
    const auto found = d->characters.constFind(codePoint);
    if (found == d->characters.cend())
        return std::nullopt;
    return *found;
}

QList<char32_t> StrokeData::characters() const
{
    if (d->file)
        return d->file->characters();
    QList<char32_t> out = d->characters.keys();
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace bks
