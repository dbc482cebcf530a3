#include "kanji/kanjifacts.h"

#include "kanji/datafilepath.h"
#include "kanji/factsfile.h"

#include <QFile>

namespace bks {
namespace {

// The real file is well under a megabyte; anything far larger is not one,
// and is not read into memory.
constexpr qint64 kMaxFileBytes = 32 * 1024 * 1024;

QString missing(const QString &name)
{
    return QStringLiteral("漢字データ（%1）が見つかりません。読み・部首・テストの機能は使えません。")
        .arg(name);
}

QString damaged(const QString &name, const QString &why)
{
    return QStringLiteral("漢字データ（%1）が読めません（%2）。読み・部首・テストの機能は使えません。")
        .arg(name, why);
}

}  // namespace

struct KanjiFacts::State {
    QString path;  // read on first use when set
    QString name;
    std::optional<QByteArray> bytes;
    bool read = false;
    QString problem;
    std::optional<FactsFile> file;

    void load()
    {
        read = true;
        if (!bytes) {
            QFile f(path);
            if (!f.exists()) {
                problem = missing(path);
                return;
            }
            // A device or pipe (no size, maybe no end) is not a data file either.
            if (!f.open(QIODevice::ReadOnly) || f.isSequential() || f.size() > kMaxFileBytes) {
                problem = damaged(path, QStringLiteral("開けません"));
                return;
            }
            bytes = f.read(f.size());
            if (f.error() != QFileDevice::NoError) {
                problem = damaged(path, f.errorString());
                return;
            }
        }
        Result<FactsFile> opened = FactsFile::open(std::move(*bytes));
        bytes.reset();
        if (!opened) {
            problem = damaged(name, opened.failure());
            return;
        }
        file = std::move(opened).value();
    }
};

KanjiFacts::KanjiFacts() : d(std::make_shared<State>())
{
    d->read = true;
    d->problem = QStringLiteral("漢字データがありません。読み・部首・テストの機能は使えません。");
}

KanjiFacts KanjiFacts::open(const QString &path)
{
    KanjiFacts facts;
    facts.d->read = false;
    facts.d->problem.clear();
    facts.d->path = path;
    facts.d->name = path;
    return facts;
}

KanjiFacts KanjiFacts::fromBytes(QByteArray bytes, const QString &name)
{
    KanjiFacts facts;
    facts.d->read = false;
    facts.d->problem.clear();
    facts.d->bytes = std::move(bytes);
    facts.d->name = name;
    return facts;
}

QString KanjiFacts::installedPath()
{
    return installedDataFile(QStringLiteral("kanjifacts.dat"));
}

const KanjiFacts::State &KanjiFacts::loaded() const
{
    if (!d->read)
        d->load();
    return *d;
}

bool KanjiFacts::available() const
{
    return loaded().file.has_value();
}

QString KanjiFacts::problem() const
{
    return loaded().problem;
}

std::optional<KanjiFactsEntry> KanjiFacts::lookup(char32_t kanji) const
{
    const State &s = loaded();
    return s.file ? s.file->lookup(kanji) : std::nullopt;
}

QList<FactWord> KanjiFacts::words(char32_t kanji) const
{
    const State &s = loaded();
    return s.file ? s.file->words(kanji) : QList<FactWord>();
}

QList<char32_t> KanjiFacts::characters() const
{
    const State &s = loaded();
    return s.file ? s.file->characters() : QList<char32_t>();
}

}  // namespace bks
